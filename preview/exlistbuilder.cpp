#include "exlistbuilder.h"

#include "controls/cellbudget.h"
#include "core/jsonutils.h"
#include "preview/exbuttonlistframe.h"
#include "preview/exscale.h"
#include "preview/exscenelistframe.h"
#include "preview/exscreenbuttongroup.h"
#include "preview/expreviewframe.h"
#include "preview/exsearchwidget.h"
#include "preview/exsourcestackedwidget.h"
#include "preview/exsrcgrouplistwidget.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

const int kDefaultItemsPerPage = 5;
const int kDefaultFontSize = 14;
const int kDefaultPageTurnSize = 30;
const int kDefaultSearchButtonWidth = 60;
const int kPreviewFrameId = 37;
const int kSourceGroupId = 38;

const char *const kPrevPageText = QT_TRANSLATE_NOOP("ExListBuilder", "上一页");
const char *const kNextPageText = QT_TRANSLATE_NOOP("ExListBuilder", "下一页");

QString translated(const char *text)
{
    return QCoreApplication::translate("ExListBuilder", text);
}

// "page_turn_height", held within the widget limit.
int readPageTurnHeight(const QJsonObject &record, int fallback)
{
    int height = fallback;
    jsonInt(record, QStringLiteral("page_turn_height"), &height);
    return widgetLength(height);
}

// "show_item_num", below 1 taken as the default.
int itemsPerPage(const QJsonObject &record)
{
    int count = kDefaultItemsPerPage;
    jsonInt(record, QStringLiteral("show_item_num"), &count);
    return count < 1 ? kDefaultItemsPerPage : count;
}

// The paging buttons of the tile lists: their text is not shown.
void stylePageButtons(ExTileListFrame *frame, const ExColourSet &prev, const ExColourSet &next)
{
    frame->setPrevButtonText(translated(kPrevPageText), prev.normalColor, prev.pressColor);
    frame->setPrevButtonImages(prev.normalBkColor, prev.pressBkColor, prev.normalImage, prev.pressImage);
    frame->setNextButtonText(translated(kNextPageText), next.normalColor, next.pressColor);
    frame->setNextButtonImages(next.normalBkColor, next.pressBkColor, next.normalImage, next.pressImage);
}

// What sets the three wall-button lists apart.
struct ButtonListKind {
    int typeId;
    ExButtonListFrame *(*make)(QWidget *parent);
    const char *objectName;
    bool refreshButton;
    const char *selectSlot;   // the host slot a wall choice reaches, or none
};

template <typename Frame>
ExButtonListFrame *makeFrame(QWidget *parent)
{
    return new Frame(parent);
}

const ButtonListKind *buttonListKind(int typeId)
{
    static const ButtonListKind kinds[] = {
        {30, &makeFrame<ExScreenButtonListFrame>, "ScreenButtonListGroup", false, SLOT(slotOnWallChange(int, int))},
        {31, &makeFrame<ExPlayButtonListFrame>, "PlayButtonListGroup", true, nullptr},
        {32, &makeFrame<ExPPTButtonListFrame>, "PPTButtonListGroup", false, nullptr},
    };
    for (const ButtonListKind &kind : kinds) {
        if (kind.typeId == typeId)
            return &kind;
    }
    return nullptr;
}

} // namespace

ExListBuilder::ExListBuilder(QWidget *host, const ExStyleReader &reader, int listMode, bool inPopup)
    : m_host(host)
    , m_reader(reader)
    , m_listMode(listMode)
    , m_inPopup(inPopup)
{
}

ExListBuilder::Build ExListBuilder::builderOf(int typeId, bool inPopup)
{
    struct Kind {
        int typeId;
        bool inPopup;   // a pop-up page builds it too
        Build build;
    };
    static const Kind kinds[] = {
        {30, true, &ExListBuilder::buildButtonList},
        {31, false, &ExListBuilder::buildButtonList},
        {32, false, &ExListBuilder::buildButtonList},
        {35, true, &ExListBuilder::buildSceneList},
        {36, true, &ExListBuilder::buildSourceTab},
        {40, true, &ExListBuilder::buildSearchWidget},
    };
    for (const Kind &kind : kinds) {
        if (kind.typeId == typeId)
            return kind.inPopup || !inPopup ? kind.build : nullptr;
    }
    return nullptr;
}

bool ExListBuilder::builds(int typeId, bool inPopup)
{
    return builderOf(typeId, inPopup) != nullptr;
}

QVector<CtrlElement> ExListBuilder::build(int typeId, const QJsonObject &record)
{
    m_elements.clear();
    if (const Build make = builderOf(typeId, m_inPopup))
        (this->*make)(typeId, record);
    return m_elements;
}

void ExListBuilder::relay(const char *signal, const QObject *receiver, const char *method)
{
    if (QObject::connect(m_host, signal, receiver, method))
        return;
    ++m_connectFailures;
    qWarning() << "ExListBuilder: connection refused" << signal << method;
}

void ExListBuilder::wire(const QObject *sender, const char *signal, const char *method)
{
    if (QObject::connect(sender, signal, m_host, method))
        return;
    ++m_connectFailures;
    qWarning() << "ExListBuilder: connection refused" << signal << method;
}

void ExListBuilder::addElement(QWidget *widget, int typeId, const QString &hostName, const QString &ref,
                               const QString &name)
{
    CtrlElement element;
    element.widget = widget;
    element.elementType = typeId;
    element.hostName = hostName;
    element.ref = ref;
    element.name = name;
    m_elements.append(element);
}

int ExListBuilder::takeRows(int wanted)
{
    const int granted = CellBudget::of(m_host)->take(wanted);
    m_rowsTaken += granted;
    return granted;
}

void ExListBuilder::buildButtonList(int typeId, const QJsonObject &record)
{
    const ButtonListKind *kind = buttonListKind(typeId);
    ExButtonStyle style;
    m_reader.readButtonStyle(record, &style);
    QString ref;
    jsonString(record, QStringLiteral("ref"), &ref);
    ExColourSet prev;
    ExColourSet next;
    ExColourSet refresh;
    ExColourSet item;
    m_reader.readPrevButtonStyle(record, &prev);
    m_reader.readNextButtonStyle(record, &next);
    if (kind->refreshButton)
        m_reader.readRefreshButtonStyle(record, &refresh);
    m_reader.readItemStyle(record, &item);
    const int count = itemsPerPage(record);
    // A pop-up reads neither key and leaves the font size to the buttons.
    int pageTurnHeight = kDefaultPageTurnSize;
    int radius = 0;
    if (!m_inPopup) {
        pageTurnHeight = readPageTurnHeight(record, kDefaultPageTurnSize);
        jsonInt(record, QStringLiteral("borderRadius"), &radius);
        if (style.fontSize < 1)
            style.fontSize = kDefaultFontSize;
        if (pageTurnHeight == 0)
            pageTurnHeight = kDefaultPageTurnSize;
    }

    ExButtonListFrame *frame = kind->make(m_host);
    frame->setObjectName(QLatin1String(kind->objectName));
    frame->setGeometry(style.x, style.y, style.w, style.h);
    frame->setFixedSize(qMax(0, style.w), qMax(0, style.h));
    if (!m_inPopup)
        frame->setButtonRadius(radius);
    frame->setPageTurnHeight(pageTurnHeight);
    frame->setPrevButtonText(QString(), prev.normalColor, prev.pressColor);
    frame->setPrevButtonImages(prev.normalBkColor, prev.pressBkColor, prev.normalImage, prev.pressImage);
    frame->setNextButtonText(QString(), next.normalColor, next.pressColor);
    frame->setNextButtonImages(next.normalBkColor, next.pressBkColor, next.normalImage, next.pressImage);
    frame->setRefreshButtonText(QString(), refresh.normalColor, refresh.pressColor);
    frame->setRefreshButtonImages(refresh.normalBkColor, refresh.pressBkColor, refresh.normalImage,
                                  refresh.pressImage);
    frame->setItemStyle(style.fontSize, style.bold, item.normalColor, item.pressColor, item.normalBkColor,
                        item.pressBkColor, item.normalImage, item.pressImage);
    if (!style.normalBkColor.isEmpty())
        frame->setBackgroundColor(style.normalBkColor);
    frame->setDirection(style.direction);
    frame->setRowLimit(takeRows(ExScreenButtonGroup::kWallCount));
    frame->setItems(m_listMode, count);
    if (kind->selectSlot)
        wire(frame, SIGNAL(signalsSelWall(int, int)), kind->selectSlot);
    addElement(frame, typeId, m_host->objectName(), ref, style.name);
    frame->show();
}

void ExListBuilder::buildSceneList(int typeId, const QJsonObject &record)
{
    ExButtonStyle style;
    m_reader.readButtonStyle(record, &style);
    ExColourSet prev;
    ExColourSet next;
    ExColourSet item;
    m_reader.readPrevButtonStyle(record, &prev);
    m_reader.readNextButtonStyle(record, &next);
    m_reader.readItemStyle(record, &item);
    const int count = itemsPerPage(record);
    if (style.fontSize < 1)
        style.fontSize = kDefaultFontSize;

    auto *frame = new ExSceneListFrame(m_host);
    frame->setItemStyle(item.normalColor, item.pressColor, item.normalBkColor, item.pressBkColor, item.normalImage,
                        item.pressImage, style.fontSize, style.bold);
    frame->setGeometry(style.x, style.y, style.w, style.h);
    frame->setFrameSize(style.w, style.h);
    if (!style.normalBkColor.isEmpty())
        frame->setBackgroundColor(style.normalBkColor);
    frame->initLayout(style.direction);
    frame->setRowLimit(takeRows(ExSceneListFrame::kSceneCount));
    frame->setItemsPerPage(count);
    stylePageButtons(frame, prev, next);
    frame->setObjectName(QStringLiteral("scenewidget"));
    relay(SIGNAL(signalWallChange(int, int)), frame, SLOT(onScreenChange(int, int)));
    relay(SIGNAL(signalUpdateScene()), frame, SLOT(onUpdateScene()));
    relay(SIGNAL(signalSceneSearch(QString)), frame, SLOT(onSearch(QString)));
    addElement(frame, typeId, m_host->objectName(), QString(), style.name);
    frame->show();
}

void ExListBuilder::buildSourceTab(int typeId, const QJsonObject &record)
{
    ExButtonStyle style;
    m_reader.readButtonStyle(record, &style);
    ExColourSet prev;
    ExColourSet next;
    m_reader.readPrevButtonStyle(record, &prev);
    m_reader.readNextButtonStyle(record, &next);
    const int count = itemsPerPage(record);
    int pageTurnSize = readPageTurnHeight(record, kDefaultPageTurnSize);
    if (style.fontSize < 1)
        style.fontSize = kDefaultFontSize;
    // No size at all, or a negative one, is the default size.
    if (pageTurnSize < 1)
        pageTurnSize = kDefaultPageTurnSize;

    auto *stack = new ExSourceStackedWidget(m_host);
    relay(SIGNAL(signalSourceSearch(QString)), stack, SLOT(onSearch(QString)));
    relay(SIGNAL(signalsSourcePageTurn(int)), stack, SLOT(onChnageIndex(int)));
    // Only the group tree paints a background of its own that must not
    // show; the tiles, their list and the page buttons paint themselves or
    // hold their own sheet, and a sheet matching them all would have every
    // row of every view match it again as the view fills.
    stack->setStyleSheet(QStringLiteral("ExSrcGroupListWidget *{background-color:transparent}"));
    if (!style.normalBkColor.isEmpty())
        stack->setBackgroundColor(style.normalBkColor);
    stack->setGeometry(style.x, style.y, style.w, style.h);
    addElement(stack, typeId, m_host->objectName(), QString(), style.name);

    auto *frame = new ExPreviewFrame(stack);
    frame->setObjectName(QStringLiteral("previewFrame"));
    frame->setCaptionStyle(style.normalColor, style.pressColor, style.fontSize, style.bold);
    frame->setPageButtonSize(pageTurnSize);
    frame->setFrameSize(style.w, style.h);
    frame->initLayout(style.direction);
    frame->setRowLimit(takeRows(qMin(count, ExPreviewFrame::kSourceCount)));
    frame->setItemsPerPage(count);
    stylePageButtons(frame, prev, next);
    stack->addWidget(frame);
    addElement(frame, kPreviewFrameId, stack->objectName(), QString(), frame->objectName());

    auto *groups = new ExSrcGroupListWidget(stack);
    groups->setObjectName(QStringLiteral("srcGroupWidget"));
    stack->addWidget(groups);
    addElement(groups, kSourceGroupId, stack->objectName(), QString(), groups->objectName());
    stack->show();
}

void ExListBuilder::buildSearchWidget(int typeId, const QJsonObject &record)
{
    ExButtonStyle style;
    m_reader.readButtonStyle(record, &style);
    // "layoutDirection" wins over "direction" when both are there.
    ExListButtonStyle button;
    button.layoutDirection = style.direction;
    button.width = kDefaultSearchButtonWidth;
    m_reader.readListButtonStyle(record, &button);

    auto *search = new ExSearchWidget(m_host);
    wire(search, SIGNAL(signalSearch(QString)), SIGNAL(signalSourceSearch(QString)));
    qDebug() << "SearchWidget:" << quintptr(search);
    search->setObjectName(QStringLiteral("SearchWidget"));
    search->setArrangement(button.layoutDirection);
    search->setButtonWidth(button.width);
    search->setButtonText(button.text, style.fontSize, style.bold, button.colours.normalColor,
                          button.colours.pressColor);
    search->setButtonImages(button.colours.normalBkColor, button.colours.pressBkColor, button.colours.normalImage,
                            button.colours.pressImage, 0);
    search->setGeometry(style.x, style.y, style.w, style.h);
    addElement(search, typeId, m_host->objectName(), button.ref, style.name);
    search->show();
}
