#include "extilelistframe.h"

#include "preview/exqbutton.h"
#include "preview/exqlabel.h"

#include <QBoxLayout>
#include <QListWidget>

const int ExTileListFrame::CaptionRole = Qt::UserRole + 1;

namespace {

const int kPageButtonFontSize = 14;

} // namespace

ExTileListFrame::ExTileListFrame(QWidget *parent)
    : ExMyBaseWidget(parent)
    , m_list(new QListWidget(this))
    , m_prevButton(new ExQButton(this))
    , m_nextButton(new ExQButton(this))
{
    // The list alone (its viewport with it) lets the frame show through;
    // its rows paint themselves, and a sheet matching them too would have
    // each row match its rules again as the list fills.
    m_list->setStyleSheet(QStringLiteral("QListWidget{background-color:transparent}"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setItemAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_list->setWrapping(false);
    // A page button's picture keeps its proportions instead of stretching.
    m_prevButton->setStretchPicture(false);
    m_nextButton->setStretchPicture(false);
}

ExTileListFrame::~ExTileListFrame() = default;

void ExTileListFrame::setFrameSize(int w, int h)
{
    m_frameWidth = w;
    m_frameHeight = h;
    setFixedSize(qMax(0, w), qMax(0, h));
}

void ExTileListFrame::initLayout(int direction)
{
    m_margin = 5;
    m_listSpacing = 2;
    m_layoutSpacing = 5;
    // Built once by the creator; a second call replaces the box.
    delete layout();
    QBoxLayout *box = nullptr;
    if (direction == 0) {
        m_orientation = 0;
        m_list->setFixedHeight(qMax(0, m_frameHeight - 2 * m_margin));
        m_list->setFlow(QListView::LeftToRight);
        box = new QHBoxLayout;
        box->setObjectName(QStringLiteral("horizontalLayout"));
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        m_orientation = 1;
        m_list->setFixedWidth(qMax(0, m_frameWidth - 2 * m_margin));
        m_list->setFlow(QListView::TopToBottom);
        box = new QVBoxLayout;
        box->setObjectName(QStringLiteral("verticalLayout"));
        box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    m_list->setSpacing(m_listSpacing);
    m_list->setViewMode(QListView::IconMode);
    box->setContentsMargins(m_margin, m_margin, m_margin, m_margin);
    box->setSpacing(m_layoutSpacing);
    for (ExQButton *button : {m_prevButton, m_nextButton}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (m_orientation == 0)
            button->setFixedWidth(qMax(0, m_pageButtonSize));
        else
            button->setFixedHeight(qMax(0, m_pageButtonSize));
    }
    box->addWidget(m_prevButton);
    box->addWidget(m_list);
    box->addWidget(m_nextButton);
    setLayout(box);
}

void ExTileListFrame::setPrevButtonText(const QString &text, const QString &normalColor, const QString &pressColor)
{
    Q_UNUSED(text)
    m_prevButton->setTextStyle(QString(), kPageButtonFontSize, 0, normalColor, pressColor);
}

void ExTileListFrame::setNextButtonText(const QString &text, const QString &normalColor, const QString &pressColor)
{
    Q_UNUSED(text)
    m_nextButton->setTextStyle(QString(), kPageButtonFontSize, 0, normalColor, pressColor);
}

void ExTileListFrame::setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                          const QString &normalImage, const QString &pressImage)
{
    m_prevButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExTileListFrame::setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                          const QString &normalImage, const QString &pressImage)
{
    m_nextButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

ExQLabel *ExTileListFrame::captionOf(int row) const
{
    const QListWidgetItem *item = m_list->item(row);
    return item ? qobject_cast<ExQLabel *>(item->data(CaptionRole).value<QObject *>()) : nullptr;
}

void ExTileListFrame::fitTiles(int n, int length, int reserve)
{
    // A frame too small for its buttons gets an empty list, not a negative one.
    const int listLength = qMax(0, length - 2 * reserve);
    if (m_orientation == 1) {
        m_tileWidth = qMax(0, width() - 2 * m_margin);
        m_list->setFixedSize(m_tileWidth, listLength);
        m_tileHeight = qMax(0, listLength / n - 1);
    } else {
        m_tileHeight = qMax(0, height() - 2 * m_margin);
        m_list->setFixedSize(listLength, m_tileHeight);
        m_tileWidth = qMax(0, listLength / n - 1);
    }
}

QListWidgetItem *ExTileListFrame::appendRow(QWidget *tile, Qt::Alignment tileAlignment, ExQLabel *caption)
{
    auto *cell = new QWidget(m_list);
    auto *box = new QVBoxLayout(cell);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(tile, 0, tileAlignment);
    caption->setParent(cell);
    caption->setFixedHeight(m_captionHeight);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    caption->setWordWrap(true);
    box->addWidget(caption);

    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(m_tileWidth, m_tileHeight));
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    item->setData(CaptionRole, QVariant::fromValue<QObject *>(caption));
    m_list->addItem(item);
    m_list->setItemWidget(item, cell);
    return item;
}

void ExTileListFrame::filterByCaption(const QString &text)
{
    for (int row = 0; row < m_list->count(); ++row) {
        const ExQLabel *caption = captionOf(row);
        const bool shown = text.isEmpty() || (caption && caption->text().contains(text, Qt::CaseInsensitive));
        m_list->item(row)->setHidden(!shown);
    }
}

int ExTileListFrame::pagesOf(int count, int perPage) const
{
    const int rows = perPage > 0 ? perPage : m_itemsPerPage;
    return count / rows + (count % rows != 0 ? 1 : 0);
}
