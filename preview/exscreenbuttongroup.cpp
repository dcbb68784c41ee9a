#include "exscreenbuttongroup.h"

#include "controls/cellbudget.h"
#include "core/textutils.h"
#include "preview/exstatusbutton.h"

#include <QVBoxLayout>

#include <cstring>

namespace {

const int kDefaultItemsPerPage = 5;
const int kTypeOneWalls = 7;
const char kItemProperty[] = "item";

} // namespace

ExScreenButtonGroup::ExScreenButtonGroup(QWidget *parent)
    : QListWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setItemAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setWrapping(false);
    setSpacing(m_spacing);
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setObjectName(QStringLiteral("ExScreenButtonGroup"));
    connect(this, SIGNAL(itemClicked(QListWidgetItem *)), this, SLOT(slotOnItemClicked(QListWidgetItem *)));
}

ExScreenButtonGroup::~ExScreenButtonGroup() = default;

WallRecord ExScreenButtonGroup::demoWall(int id, int type, const QString &prefix)
{
    WallRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = id;
    record.flag = 1;
    record.type = type;
    record.number = id;
    copyCString(record.name, int(sizeof record.name), (prefix + QString::number(id)).toUtf8().constData());
    return record;
}

ExStatusButton *ExScreenButtonGroup::buttonAt(int row) const
{
    const QListWidgetItem *cell = item(row);
    return cell ? qobject_cast<ExStatusButton *>(cell->data(ButtonRole).value<QObject *>()) : nullptr;
}

void ExScreenButtonGroup::setWalls(int listMode, int itemsPerPage)
{
    Q_UNUSED(listMode)
    m_walls.clear();
    for (int k = 0; k < qMin(kWallCount, m_rowLimit); ++k) {
        const bool typeOne = k < kTypeOneWalls;
        m_walls.append(demoWall(typeOne ? k : k - kTypeOneWalls, typeOne ? 1 : 0, m_namePrefix));
    }

    // A page holds as many buttons as fit whole along the group, a pixel
    // each at least, as the designer's lists count their cells. Where the
    // group is short the spacing gives way first, down to a quarter of a
    // button's room.
    const int length = m_direction == 0 ? width() : height();
    const int across = m_direction == 0 ? height() : width();
    const int n = CellBudget::cellsThatFit(length, 1, itemsPerPage < 1 ? kDefaultItemsPerPage : itemsPerPage);
    m_itemsPerPage = n;
    const int room = length / n;
    const int s = qBound(0, qMin(room, across) / 4, m_spacing);
    setSpacing(s);
    const QSize buttonSize = m_direction == 0 ? QSize(room - 2 * s, across - 2 * s)
                                              : QSize(across - 2 * s, room - 2 * s);
    // Earlier buttons stay: a second call adds a second set.
    for (int k = 0; k < m_walls.size(); ++k) {
        const WallRecord &wall = m_walls.at(k);
        auto *cell = new QWidget(this);
        auto *box = new QVBoxLayout(cell);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        auto *button = new ExStatusButton(cell);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        box->addWidget(button);
        // After the button's own click handling, which flips its look.
        connect(button, SIGNAL(clicked()), this, SLOT(onBtnClicked()));
        button->setText(QString::fromUtf8(wall.name));
        button->setRadius(m_radius);
        styleButton(button, k);

        auto *row = new QListWidgetItem;
        row->setData(ButtonRole, QVariant::fromValue<QObject *>(button));
        row->setData(WallIdRole, wall.id);
        row->setData(WallTypeRole, wall.type);
        row->setData(FlagRole, wall.flag);
        row->setData(NumberRole, wall.number);
        row->setData(NameRole, QString::fromUtf8(wall.name));
        row->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        row->setSizeHint(buttonSize.expandedTo(QSize(0, 0)));
        button->setProperty(kItemProperty, QVariant::fromValue<qulonglong>(quintptr(row)));
        addItem(row);
        setItemWidget(row, cell);
    }
    m_currentPage = 0;
    m_pageCount = m_walls.size() / n + (m_walls.size() % n != 0 ? 1 : 0);
}

void ExScreenButtonGroup::styleButton(ExStatusButton *button, int row)
{
    const QString text = button->text();
    button->setOnText(text, m_fontSize, m_bold, m_onTextColor);
    button->setOffText(text, m_fontSize, m_bold, m_offTextColor);
    button->setStyles(m_onBkColor, m_offBkColor, m_onImage, m_offImage);
    // The first wall shows the off look, though nothing is selected yet.
    button->setStatus(row == 0 ? 0 : 1);
}

void ExScreenButtonGroup::setButtonStyle(int fontSize, int bold, const QString &onTextColor,
                                         const QString &offTextColor, const QString &onBkColor,
                                         const QString &offBkColor, const QString &onImage, const QString &offImage)
{
    m_fontSize = fontSize;
    m_bold = bold;
    m_onTextColor = onTextColor;
    m_offTextColor = offTextColor;
    m_onBkColor = onBkColor;
    m_offBkColor = offBkColor;
    m_onImage = onImage;
    m_offImage = offImage;
    for (int row = 0; row < count(); ++row) {
        if (ExStatusButton *button = buttonAt(row))
            styleButton(button, row);
    }
}

void ExScreenButtonGroup::setDirection(int direction)
{
    m_direction = direction;
    setFlow(direction == 0 ? QListView::LeftToRight : QListView::TopToBottom);
}

void ExScreenButtonGroup::onBtnClicked()
{
    const QObject *button = sender();
    if (!button)
        return;
    // Only a row of this list counts: the property is compared, never followed.
    const quintptr target = quintptr(button->property(kItemProperty).toULongLong());
    QListWidgetItem *clicked = nullptr;
    for (int row = 0; row < count(); ++row) {
        if (quintptr(item(row)) == target) {
            clicked = item(row);
            continue;
        }
        if (ExStatusButton *other = buttonAt(row))
            other->setStatus(1);
    }
    if (!clicked || clicked == m_selectedItem)
        return;
    m_selectedItem = clicked;
    emit signalsSelWall(clicked->data(WallTypeRole).toInt(), clicked->data(WallIdRole).toInt());
}

void ExScreenButtonGroup::slotOnItemClicked(QListWidgetItem *item)
{
    if (!item || item == m_selectedItem)
        return;
    m_selectedItem = item;
    emit signalsSelWall(item->data(WallTypeRole).toInt(), item->data(WallIdRole).toInt());
}

void ExScreenButtonGroup::showPage(int page)
{
    m_currentPage = page;
    const int n = m_itemsPerPage;
    for (int row = 0; row < count(); ++row)
        item(row)->setHidden(row < page * n || row >= (page + 1) * n);
}

void ExScreenButtonGroup::onNextClicked()
{
    if (m_currentPage < m_pageCount - 1)
        showPage(m_currentPage + 1);
}

void ExScreenButtonGroup::onPrevClicked()
{
    if (m_currentPage > 0)
        showPage(m_currentPage - 1);
}
