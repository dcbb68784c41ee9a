#include "expagehost.h"

#include "controls/switchshape.h"
#include "core/jsonutils.h"
#include "preview/exaudiobutton.h"
#include "preview/exaudiolabel.h"
#include "preview/exaudiomodebutton.h"
#include "preview/exbuttonkinds.h"
#include "preview/excmdstatusbutton.h"
#include "preview/eximglabel.h"
#include "preview/exlistbuilder.h"
#include "preview/exmatrixpagebutton.h"
#include "preview/expagebutton.h"
#include "preview/expageturnbutton.h"
#include "preview/exprelayoutmodebutton.h"
#include "preview/exqlabel.h"
#include "preview/exshownumbutton.h"
#include "preview/exsourcemodebutton.h"
#include "preview/exvideobutton.h"

#include <QDebug>

#include <algorithm>
#include <iterator>

// One connection a creator makes between a new widget and its host.
struct ExHostLink {
    enum Side { WidgetToHost, HostToWidget };
    Side side;
    const char *signal;
    const char *method;   // a slot, or a host signal that relays the widget's
};

namespace {

using Link = ExHostLink;

// The keys of a kind beyond the common style; ref receives the control's
// "ref" for the kinds that keep one.
using ReadOwnKeys = void (*)(ExQButton *button, const QJsonObject &record, QString *ref);

// What sets one kind of plain run-time button apart from the others.
struct ExButtonKind {
    enum Option {
        SelfLocking = 0x01,   // "self_locking", and "m_group_id" only when that is 0
        Group = 0x02,         // "m_group_id" whatever else
        WordWrap = 0x04,      // "direction" above 0 stacks the text
        NoTextLayout = 0x08,  // text and picture always over the whole button
        PressText = 0x10,     // a pressed text of its own (not in a pop-up)
        ClassName = 0x20,     // keeps its class's object name instead of "name"
        HomeName = 0x40,      // object name "homebutton" whatever its "name"
        LogPicture = 0x80,    // the resolved picture goes to the debug stream
        NoImages = 0x100,     // keeps the base's colours: none of its own
        NoText = 0x200,       // shows no text
        Queued = 0x400,       // its links run after the click has been handled
    };
    int typeId;
    ExQButton *(*make)(QWidget *parent);
    int defaultFontSize;      // what a missing "fontsize" counts as
    int options;
    ReadOwnKeys readOwnKeys;
    Link links[3];
};

template <typename Button>
ExQButton *makeButton(QWidget *parent)
{
    return new Button(parent);
}

void readPageTarget(ExQButton *button, const QJsonObject &record, QString *)
{
    int functionType = 0;
    QString gotoPage;
    jsonInt(record, QStringLiteral("func_type"), &functionType);
    jsonString(record, QStringLiteral("goto"), &gotoPage);
    auto *pageButton = static_cast<ExPageButton *>(button);
    pageButton->setFunctionType(functionType);
    pageButton->setGotoPage(ExPageButton::targetPage(functionType, gotoPage));
}

constexpr char kPreLayoutMode[] = "mode";
constexpr char kSourceMode[] = "source_mode";
constexpr char kAudioMode[] = "audio_mode";

template <typename Button, const char *Key>
void readMode(ExQButton *button, const QJsonObject &record, QString *)
{
    int mode = 0;
    jsonInt(record, QLatin1String(Key), &mode);
    static_cast<Button *>(button)->setMode(mode);
}

void readDivision(ExQButton *button, const QJsonObject &record, QString *)
{
    int row = 2;
    int col = 2;
    jsonInt(record, QStringLiteral("row"), &row);
    jsonInt(record, QStringLiteral("col"), &col);
    static_cast<ExShowNumButton *>(button)->setRowCol(row, col);
}

void readPageTurn(ExQButton *button, const QJsonObject &record, QString *ref)
{
    int index = 0;
    jsonInt(record, QStringLiteral("index"), &index);
    jsonString(record, QStringLiteral("ref"), ref);
    static_cast<ExPageTurnButton *>(button)->setIndex(index);
}

using K = ExButtonKind;
const Link::Side ToHost = Link::WidgetToHost;
const Link::Side FromHost = Link::HostToWidget;

const ExButtonKind *buttonKind(int typeId)
{
    static const ExButtonKind kinds[] = {
        // Command and navigation buttons.
        {6, &makeButton<ExCmdButton>, 14, K::SelfLocking | K::PressText, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotCmdButtonSelect())}}},
        {8, &makeButton<ExCmdPressButton>, 14, K::SelfLocking | K::PressText, nullptr, {}},
        {19, &makeButton<ExPageButton>, 14, K::LogPicture, &readPageTarget,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnPageButtonClick())}}},
        {21, &makeButton<ExOpenUrlButton>, 14, K::LogPicture, nullptr, {}},
        {22, &makeButton<ExOpenProcessButton>, 14, K::LogPicture, nullptr, {}},
        {55, &makeButton<ExPtzButton>, 0, 0, nullptr, {{ToHost, SIGNAL(clicked()), SLOT(slotOnPtzButtonClick())}}},
        {58, &makeButton<ExKvmButton>, 0, K::WordWrap, nullptr, {}},
        {66, &makeButton<ExMeetingButton>, 14, K::Group | K::WordWrap | K::NoTextLayout, nullptr, {}},
        {61, &makeButton<ExMuxFeatureButton>, 14, K::Group | K::WordWrap, nullptr, {}},
        {20, &makeButton<ExFeatureButton>, 14, K::Group | K::WordWrap | K::Queued, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnFeatureButtonClick())}}},
        {57, &makeButton<ExFeatureButton>, 14, K::Group | K::WordWrap, nullptr, {}},
        {5, &makeButton<ExHomeButton>, 0, K::HomeName, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnHomeButtonClick())}}},
        {23, &makeButton<ExToTopButton>, 0, 0, nullptr, {}},
        {25, &makeButton<ExBackgroundImageButton>, 14, K::LogPicture, nullptr, {}},
        {54, &makeButton<ExFilePageTurnButton>, 0, 0, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnFilePageTurnButtonClick())}}},

        // Wall, matrix, plan and scene buttons.
        {53, &makeButton<ExAllFullButton>, 14, 0, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnAllFullButtonClick())}}},
        {27, &makeButton<ExAllGridSettingButton>, 14, 0, nullptr, {}},
        {52, &makeButton<ExCleanAllMatrixButton>, 14, 0, nullptr,
         {{ToHost, SIGNAL(clicked()), SLOT(slotOnCleanAllButtonClick())}}},
        {16, &makeButton<ExCallPreLayoutButton>, 14, 0, nullptr, {}},
        {12, &makeButton<ExCleanButton>, 14, 0, nullptr, {{ToHost, SIGNAL(clicked()), SLOT(slotOnCleanButtonClick())}}},
        {26, &makeButton<ExGridSettingButton>, 14, 0, nullptr, {}},
        {59, &makeButton<ExMatrixButton>, 14, K::WordWrap, nullptr, {}},
        {28, &makeButton<ExShowNumButton>, 14, 0, &readDivision, {}},
        {51, &makeButton<ExMatrixPageButton>, 14, 0, nullptr, {}},
        {24, &makeButton<ExOSDButton>, 14, K::LogPicture, nullptr, {}},
        {50, &makeButton<ExPageTurnButton>, 14, K::LogPicture, &readPageTurn,
         {{ToHost, SIGNAL(signalsPageTurn(int)), SIGNAL(signalsSourcePageTurn(int))}}},
        {14, &makeButton<ExPlanSaveButton>, 14, K::WordWrap, nullptr, {}},
        {15, &makeButton<ExPlanStopButton>, 14, K::WordWrap, nullptr, {}},
        {13, &makeButton<ExSceneSaveButton>, 14, K::WordWrap, nullptr, {}},
        // The two wall audio kinds keep the plain button's look: the mute
        // button shows its colours but no text, the switch neither.
        {46, &makeButton<ExAudioMuteButton>, 14, K::ClassName | K::NoText | K::NoTextLayout, nullptr, {}},
        {42, &makeButton<ExAudioSwitchButton>, 14, K::NoImages | K::NoText | K::NoTextLayout, nullptr, {}},

        // Mode buttons: a click selects the button among all of its kind.
        {18, &makeButton<ExPreLayoutModeButton>, 14, K::Group | K::WordWrap | K::ClassName,
         &readMode<ExPreLayoutModeButton, kPreLayoutMode>,
         {{ToHost, SIGNAL(clicked()), SLOT(slotPreLayoutModeSelect())}}},
        {45, &makeButton<ExSourceModeButton>, 14, K::Group | K::WordWrap | K::ClassName,
         &readMode<ExSourceModeButton, kSourceMode>,
         {{FromHost, SIGNAL(signalGetSourceModeData(int)), SLOT(onGetSourceModeData(int))},
          {FromHost, SIGNAL(signalSourceModeChange(int, int)), SLOT(onSourceModeChange(int, int))},
          {ToHost, SIGNAL(clicked()), SLOT(slotSourceModeSelect())}}},
        {44, &makeButton<ExAudioModeButton>, 14, K::Group | K::ClassName, &readMode<ExAudioModeButton, kAudioMode>,
         {{FromHost, SIGNAL(signalGetAudioModeData(int)), SLOT(onGetAudioModeData(int))},
          {ToHost, SIGNAL(clicked()), SLOT(slotAudioModeSelect())}}},
    };
    for (const ExButtonKind &kind : kinds) {
        if (kind.typeId == typeId)
            return &kind;
    }
    return nullptr;
}

// The audio and video on/off buttons.
struct StatusKind {
    int typeId;
    ExStatusButton *(*make)(QWidget *parent);
    bool named;   // the audio button keeps its class's object name
    Link links[2];
};

template <typename Button>
ExStatusButton *makeStatusButton(QWidget *parent)
{
    return new Button(parent);
}

const StatusKind *statusKind(int typeId)
{
    static const StatusKind kinds[] = {
        {43, &makeStatusButton<ExAudioButton>, false,
         {{FromHost, SIGNAL(signalGetAudioSwitchData(int)), SLOT(slotOnGetAudioSwitchData(int))},
          {ToHost, SIGNAL(signalStatusChange(int)), SLOT(slotOnAudioStatusChange(int))}}},
        {56, &makeStatusButton<ExVideoButton>, true,
         {{FromHost, SIGNAL(signalGetVideoStatusData(int)), SLOT(slotOnGetStatusData(int))},
          {ToHost, SIGNAL(signalStatusChange(int)), SLOT(slotOnVideoStatusChange(int))}}},
    };
    for (const StatusKind &kind : kinds) {
        if (kind.typeId == typeId)
            return &kind;
    }
    return nullptr;
}

} // namespace

ExPageHost::Creator ExPageHost::creatorOf(int typeId, Flavour flavour)
{
    struct Row {
        int typeId;
        Creator create;
    };
    // One row per kind this host builds besides the buttons of the button
    // table; a kind in neither is skipped.
    static const Row rows[] = {
        {9, &ExPageHost::createSlider},
        {41, &ExPageHost::createSlider},
        {60, &ExPageHost::createSlider},
        {62, &ExPageHost::createAudioVumeterBar},
        {33, &ExPageHost::createWallStack},
        {34, &ExPageHost::createWallStack},
        {65, &ExPageHost::createAudioMatrixWidget},
        {63, &ExPageHost::createLoginWidget},
        {64, &ExPageHost::createPlaceWidget},
        {1, &ExPageHost::createImageLabel},
        {2, &ExPageHost::createLabel},
        {4, &ExPageHost::createAudioLabel},
        {10, &ExPageHost::createCmdStatusButton},
        {43, &ExPageHost::createStatusButton},
        {56, &ExPageHost::createStatusButton},
    };
    // The kinds a pop-up page leaves out, whatever creators the page host has.
    static const int pageHostOnly[] = {9, 20, 23, 31, 32, 33, 34, 57, 61, 62, 63, 64, 65, 66};
    if (flavour == PopupHost && std::find(std::begin(pageHostOnly), std::end(pageHostOnly), typeId)
                                    != std::end(pageHostOnly))
        return nullptr;
    if (buttonKind(typeId))
        return &ExPageHost::createButton;
    if (ExListBuilder::builds(typeId, flavour == PopupHost))
        return &ExPageHost::createListView;
    for (const Row &row : rows) {
        if (row.typeId == typeId)
            return row.create;
    }
    return nullptr;
}

bool ExPageHost::hasCreator(int typeId, Flavour flavour)
{
    return creatorOf(typeId, flavour) != nullptr;
}

bool ExPageHost::wire(const QObject *sender, const char *signal, const QObject *receiver, const char *method,
                      Qt::ConnectionType type)
{
    if (connect(sender, signal, receiver, method, type))
        return true;
    ++m_connectFailures;
    qWarning() << objectName() << "connection refused" << sender->objectName() << signal << method;
    return false;
}

void ExPageHost::link(QObject *widget, const ExHostLink *links, int count, Qt::ConnectionType type)
{
    for (int i = 0; i < count && links[i].signal; ++i) {
        if (links[i].side == Link::WidgetToHost)
            wire(widget, links[i].signal, this, links[i].method, type);
        else
            wire(this, links[i].signal, widget, links[i].method, type);
    }
}

bool ExPageHost::readRadius(const QJsonObject &record, int *radius) const
{
    if (isPopup())
        return false;
    jsonInt(record, QStringLiteral("borderRadius"), radius);
    return true;
}

void ExPageHost::registerElement(QWidget *widget, int typeId, const QString &name, const QString &ref)
{
    CtrlElement element;
    element.widget = widget;
    element.elementType = typeId;
    element.hostName = objectName();
    element.ref = ref;
    element.name = name;
    addElement(element);
    widget->show();
}

void ExPageHost::createButton(const QJsonObject &record, int typeId)
{
    const ExButtonKind *kind = buttonKind(typeId);
    const int options = kind->options;
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    style.fontSize = kind->defaultFontSize;
    styles.readButtonStyle(record, &style);

    int selfLocking = 0;
    int groupId = 0;
    if (options & K::SelfLocking) {
        jsonInt(record, QStringLiteral("self_locking"), &selfLocking);
        if (selfLocking == 0)
            jsonInt(record, QStringLiteral("m_group_id"), &groupId);
    }
    if (options & K::Group)
        jsonInt(record, QStringLiteral("m_group_id"), &groupId);
    int radius = 0;
    const bool hasRadius = readRadius(record, &radius);
    ExTextLayout layout;
    if (!isPopup() && !(options & K::NoTextLayout))
        styles.readTextLayout(record, &layout);

    ExQButton *button = kind->make(this);
    button->setDirection(layout.position, layout.textRatio, layout.pictureRatio);
    if (options & K::HomeName)
        button->setObjectName(QStringLiteral("homebutton"));
    else if (!(options & K::ClassName))
        button->setObjectName(style.name);
    if (selfLocking > 0)
        button->setSelfLocking(selfLocking);
    else
        button->setGroupId(groupId);
    if (!(options & K::NoImages))
        button->setImages(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    if (!(options & K::NoText)) {
        button->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
        if ((options & K::PressText) && !isPopup())
            button->setPressText(style.pressText);
    }
    if (options & K::WordWrap)
        button->setWordWrap(style.direction);
    if (hasRadius)
        button->setRadius(radius);
    button->setGeometry(style.x, style.y, style.w, style.h);
    QString ref;
    if (kind->readOwnKeys)
        kind->readOwnKeys(button, record, &ref);
    if (options & K::LogPicture)
        qDebug() << "normal_image_path: " << style.normalImage;
    link(button, kind->links, 3, (options & K::Queued) ? Qt::QueuedConnection : Qt::AutoConnection);
    registerElement(button, typeId, style.name, ref);
}

void ExPageHost::createStatusButton(const QJsonObject &record, int typeId)
{
    const StatusKind *kind = statusKind(typeId);
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);
    QString offText;
    jsonString(record, QStringLiteral("off_text"), &offText);
    int radius = 0;
    const bool hasRadius = readRadius(record, &radius);

    ExStatusButton *button = kind->make(this);
    if (kind->named)
        button->setObjectName(style.name);
    button->setStyles(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    button->setOnText(style.text, 0, 0, style.normalColor);
    button->setOffText(offText, 0, 0, style.pressColor);
    button->setGeometry(style.x, style.y, style.w, style.h);
    button->setStatus(0);
    if (hasRadius)
        button->setRadius(radius);
    link(button, kind->links, 2);
    registerElement(button, typeId, style.name);
}

void ExPageHost::createCmdStatusButton(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);
    QString bgOn, bgOff, sliderOn, sliderOff, textOnColor, textOffColor, offText;
    const struct {
        const char *key;
        QString *value;
    } keys[] = {{"bgOnColor", &bgOn},           {"bgOffColor", &bgOff},           {"sliderOnColor", &sliderOn},
                {"sliderOffColor", &sliderOff}, {"textOnColor", &textOnColor}, {"textOffColor", &textOffColor},
                {"off_text", &offText}};
    for (const auto &key : keys)
        jsonString(record, QLatin1String(key.key), key.value);
    // As the designer's switch shows it.
    const QString onText = switchOnCaption(record);
    int radius = 0;
    const bool hasRadius = readRadius(record, &radius);

    auto *button = new ExCmdStatusButton(this);
    button->setObjectName(style.name);
    button->setSwitchStyle(bgOn, bgOff, sliderOn, sliderOff, textOnColor, textOffColor, onText, offText);
    button->setGeometry(style.x, style.y, style.w, style.h);
    if (hasRadius)
        button->setRadius(radius);
    registerElement(button, typeId, style.name);
}

void ExPageHost::createLabel(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    styles.readButtonStyle(record, &style);
    int radius = 0;
    readRadius(record, &radius);
    ExTextLayout layout;
    if (!isPopup())
        styles.readTextLayout(record, &layout);

    auto *label = new ExQLabel(this);
    label->setDirection(layout.position, layout.textRatio, layout.pictureRatio);
    label->setObjectName(style.name);
    label->setBackground(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    label->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
    label->setRadius(radius);
    label->setGeometry(style.x, style.y, style.w, style.h);
    registerElement(label, typeId, style.name);
}

void ExPageHost::createAudioLabel(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);
    int radius = 0;
    readRadius(record, &radius);

    auto *label = new ExAudioLabel(this);
    label->setObjectName(style.name);
    label->setBackground(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    label->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressColor);
    label->setGeometry(style.x, style.y, style.w, style.h);
    label->setRadius(radius);
    registerElement(label, typeId, style.name);
}

void ExPageHost::createImageLabel(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    style.fontSize = 0;
    reader().readButtonStyle(record, &style);
    int radius = 0;
    readRadius(record, &radius);

    auto *label = new ExImgLabel(this);
    label->setObjectName(style.name);
    label->setGeometry(style.x, style.y, style.w, style.h);
    label->setImages(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage, 0);
    label->setRadius(radius);
    registerElement(label, typeId, style.name);
}
