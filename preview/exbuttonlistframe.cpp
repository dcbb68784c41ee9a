#include "exbuttonlistframe.h"

#include "preview/exqbutton.h"
#include "preview/exscreenbuttongroup.h"

#include <QBoxLayout>
#include <QPainter>

namespace {

const int kButtonThickness = 20;
const int kPageButtonFontSize = 0;   // drawn at 14
const int kDefaultItemsPerPage = 5;
// The play list spaces its four parts apart; the others pack them.
const int kPlaySpacing = 2;

} // namespace

ExButtonListFrame::ExButtonListFrame(QWidget *parent, const QString &namePrefix, bool refreshButton)
    : QWidget(parent)
    , m_refreshButton(refreshButton ? new ExQButton(this) : nullptr)
    , m_prevButton(new ExQButton(this))
    , m_nextButton(new ExQButton(this))
    , m_group(new ExScreenButtonGroup(this))
    , m_spacing(refreshButton ? kPlaySpacing : 0)
{
    // The list alone (its viewport with it) lets the frame show through;
    // its rows paint themselves, and a sheet matching them too would have
    // each row match its rules again as the list fills.
    m_group->setStyleSheet(QStringLiteral("QListWidget{background-color:transparent}"));
    m_group->setNamePrefix(namePrefix);
    connect(m_group, SIGNAL(signalsSelWall(int, int)), this, SIGNAL(signalsSelWall(int, int)));
    connect(m_prevButton, SIGNAL(clicked()), m_group, SLOT(onPrevClicked()));
    connect(m_nextButton, SIGNAL(clicked()), m_group, SLOT(onNextClicked()));
}

ExButtonListFrame::~ExButtonListFrame()
{
    disconnect(m_group, SIGNAL(signalsSelWall(int, int)), this, SIGNAL(signalsSelWall(int, int)));
    disconnect(m_prevButton, SIGNAL(clicked()), m_group, SLOT(onPrevClicked()));
    disconnect(m_nextButton, SIGNAL(clicked()), m_group, SLOT(onNextClicked()));
}

QList<ExQButton *> ExButtonListFrame::buttons() const
{
    QList<ExQButton *> list;
    if (m_refreshButton)
        list << m_refreshButton;
    return list << m_prevButton << m_nextButton;
}

void ExButtonListFrame::setButtonRadius(int radius)
{
    m_group->setRadius(radius);
}

void ExButtonListFrame::setItemStyle(int fontSize, int bold, const QString &onTextColor, const QString &offTextColor,
                                     const QString &onBkColor, const QString &offBkColor, const QString &onImage,
                                     const QString &offImage)
{
    m_group->setButtonStyle(fontSize, bold, onTextColor, offTextColor, onBkColor, offBkColor, onImage, offImage);
}

void ExButtonListFrame::setPrevButtonText(const QString &text, const QString &normalColor, const QString &pressColor)
{
    m_prevButton->setTextStyle(text, kPageButtonFontSize, 0, normalColor, pressColor);
}

void ExButtonListFrame::setNextButtonText(const QString &text, const QString &normalColor, const QString &pressColor)
{
    m_nextButton->setTextStyle(text, kPageButtonFontSize, 0, normalColor, pressColor);
}

void ExButtonListFrame::setRefreshButtonText(const QString &text, const QString &normalColor,
                                             const QString &pressColor)
{
    if (m_refreshButton)
        m_refreshButton->setTextStyle(text, kPageButtonFontSize, 0, normalColor, pressColor);
}

void ExButtonListFrame::setPrevButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                            const QString &normalImage, const QString &pressImage)
{
    m_prevButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExButtonListFrame::setNextButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                            const QString &normalImage, const QString &pressImage)
{
    m_nextButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExButtonListFrame::setRefreshButtonImages(const QString &normalBkColor, const QString &pressBkColor,
                                               const QString &normalImage, const QString &pressImage)
{
    if (m_refreshButton)
        m_refreshButton->setImages(normalBkColor, pressBkColor, normalImage, pressImage);
}

void ExButtonListFrame::setBackgroundColor(const QString &color)
{
    m_bkColor = color;
    update();
}

void ExButtonListFrame::setDirection(int direction)
{
    m_vertical = direction == 0 ? 0 : 1;
    m_group->setDirection(m_vertical);
    delete layout();
    QBoxLayout *box = m_vertical == 0 ? static_cast<QBoxLayout *>(new QHBoxLayout(this))
                                      : static_cast<QBoxLayout *>(new QVBoxLayout(this));
    box->setObjectName(m_vertical == 0 ? QStringLiteral("horizontalLayout") : QStringLiteral("verticalLayout"));
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(m_spacing);
    for (ExQButton *button : buttons()) {
        // A column stacks the buttons' text one character a line.
        button->setWordWrap(m_vertical);
        if (m_vertical == 0)
            button->setFixedSize(kButtonThickness, height());
        else
            button->setFixedHeight(kButtonThickness);
        if (button != m_nextButton)
            box->addWidget(button);
    }
    box->addWidget(m_group);
    box->addWidget(m_nextButton);
}

void ExButtonListFrame::setRowLimit(int rows)
{
    m_group->setRowLimit(rows);
}

void ExButtonListFrame::setItems(int listMode, int itemsPerPage)
{
    if (itemsPerPage < 1)
        itemsPerPage = kDefaultItemsPerPage;
    // The buttons and the gaps between the parts; the group takes the rest,
    // so the last wall button is not cut.
    const int parts = buttons().size();
    const int reserve = parts * kButtonThickness + parts * m_spacing;
    if (m_vertical == 0)
        m_group->setFixedSize(qMax(0, width() - reserve), height());
    else
        m_group->setFixedSize(width(), qMax(0, height() - reserve));
    m_group->setWalls(listMode, itemsPerPage);
}

void ExButtonListFrame::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_bkColor.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), QColor(m_bkColor));
}

ExScreenButtonListFrame::ExScreenButtonListFrame(QWidget *parent)
    : ExButtonListFrame(parent, QStringLiteral("wall_"), false)
{
}

ExPPTButtonListFrame::ExPPTButtonListFrame(QWidget *parent)
    : ExButtonListFrame(parent, QStringLiteral("ppt_"), false)
{
}

ExPlayButtonListFrame::ExPlayButtonListFrame(QWidget *parent)
    : ExButtonListFrame(parent, QStringLiteral("video_"), true)
{
}
