// Creators of the hosts' value widgets and panels: sliders, the VU meter,
// the wall stacks, the audio matrix, the login form and the place list. Of
// these a pop-up builds only the volume and video sliders.
#include "expagehost.h"

#include "core/jsonutils.h"
#include "preview/exaudiomatrixwidget.h"
#include "preview/exaudiovumeterbar.h"
#include "preview/exloginwidget.h"
#include "preview/explacewidget.h"
#include "preview/exscale.h"
#include "preview/exsliderkinds.h"
#include "preview/exwallstackedwidget.h"

#include <QDebug>

namespace {

// Pictures are found by their bare file name in the page's folder, as the
// designer stores them.
void readPictures(const QJsonObject &record, const ExStyleReader &styles, std::initializer_list<JsonStringKey> keys)
{
    for (const JsonStringKey &key : keys) {
        jsonString(record, QLatin1String(key.key), key.value);
        *key.value = styles.resolveImagePath(*key.value);
    }
}

// Names and places a panel that keeps the size the designer gave it.
void placeFixed(QWidget *panel, const ExButtonStyle &style)
{
    panel->setObjectName(style.name);
    panel->setGeometry(style.x, style.y, style.w, style.h);
    panel->setFixedSize(qMax(0, style.w), qMax(0, style.h));
}

// A host signal and the wall stack's slot it reaches, or the reverse.
struct WallWire {
    bool fromHost;
    const char *signal;
    const char *method;
};

const WallWire kWallWires[] = {
    {true, SIGNAL(signalWallChange(int, int)), SLOT(slotOnCurrentChanged(int, int))},
    {true, SIGNAL(signalSetMatrixDiv(int, int)), SLOT(slotOnSetMatixDiv(int, int))},
    {true, SIGNAL(signalSetMatrixNext(int)), SLOT(slotOnSetMatrixNext(int))},
    {true, SIGNAL(signalCleanScreen()), SLOT(slotOnCleanScreen())},
    {true, SIGNAL(signalCleanAllScreen()), SLOT(slotOnCleanAllScreen())},
    {true, SIGNAL(signalOpenFullScreen()), SLOT(slotOnOpenAllFullScreen())},
    {true, SIGNAL(signalAudioChange(int, int)), SLOT(slotOnAudioChange(int, int))},
    {false, SIGNAL(signalGetAudioModeData(int, int, int)), SLOT(slotAudioModeData(int, int, int))},
    {true, SIGNAL(signalAudioModeChange(int)), SLOT(slotOnAudioModeChange(int))},
    {false, SIGNAL(signalGetAudioData(int, int, int, int, int)), SLOT(slotAudioData(int, int, int, int, int))},
    {true, SIGNAL(signalCallScene(int, int, int)), SLOT(slotOnCallScene(int, int, int))},
    {true, SIGNAL(signalStopPollScenes(int, int)), SLOT(slotOnStopPollScene(int, int))},
    {true, SIGNAL(signalSignalDragEnd(QRect, char *, int)), SLOT(slotOnDragSignalEnd(QRect, char *, int))},
};

const int kCmdProgress = 9;
const int kRoomCount = 10;

} // namespace

void ExPageHost::createSlider(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    styles.readButtonStyle(record, &style);
    ExSliderStyle s;
    s.maximum = 100;
    s.step = 1;
    s.labelWidth = 24;
    s.labelHeight = 12;
    // A record without thumb sizes looks as a new slider of the designer.
    s.thumbWidth = 20;
    s.thumbHeight = 20;
    s.thumbPressWidth = 20;
    s.thumbPressHeight = 20;
    styles.readSliderStyle(record, &s);

    ExLabelledSlider *slider = typeId == kCmdProgress ? static_cast<ExLabelledSlider *>(new ExCmdProgress(this))
                                                      : new ExAudioVolume(this);
    slider->setObjectName(style.name);
    slider->setRange(s.minimum, s.maximum);
    slider->setStep(s.step);
    slider->setDirection(s.direction);
    slider->setLabelSize(s.labelWidth, s.labelHeight);
    slider->setThumbSize(s.thumbWidth, s.thumbHeight);
    // A press counts on the whole thumb at least.
    slider->setThumbPressSize(qMax(s.thumbPressWidth, s.thumbWidth), qMax(s.thumbPressHeight, s.thumbHeight));
    slider->setGrooveMargins(s.grooveLeft, s.grooveTop, s.grooveRight, s.grooveBottom);
    slider->setGroovePixmaps(s.normalGroove, s.activeGroove);
    slider->setThumbPixmaps(s.normalThumb, s.activeThumb);
    slider->setGeometry(style.x, style.y, style.w, style.h);
    if (typeId != kCmdProgress) {
        wire(this, SIGNAL(signalGetAudioVolumeData(int)), slider, SLOT(slotSetVal(int)));
        wire(slider, SIGNAL(valueChanged(int)), this, SLOT(slotOnAudioVolumeChange(int)));
    }
    registerElement(slider, typeId, style.name);
}

void ExPageHost::createAudioVumeterBar(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);
    int border = 1;
    int textVisible = 1;
    int radius = 0;
    int numMax = 100;
    jsonInts(record, {{"border", &border}, {"textVisible", &textVisible}, {"borderRadius", &radius},
                      {"numMax", &numMax}});

    auto *bar = new ExAudioVumeterBar(this);
    qDebug() << "normal_image_path:" << style.normalImage;
    bar->setObjectName(style.name);
    bar->setDirection(style.direction);
    bar->setBorder(style.normalBkColor, border);
    bar->setBorderRadius(radius);
    bar->updateStyle(style.pressBkColor, style.pressColor);
    bar->setTextStyle(style.text, style.fontSize, style.bold, style.normalColor, style.pressBkColor);
    bar->setPercentVisible(textVisible);
    bar->setMaximum(numMax);
    bar->setValue(25);
    const QSize least = bar->minimumSize();
    bar->setGeometry(style.x, style.y, qMax(style.w, least.width()), qMax(style.h, least.height()));
    bar->update();
    registerElement(bar, typeId, style.name);
}

void ExPageHost::createWallStack(const QJsonObject &record, int typeId)
{
    ExButtonStyle style;
    reader().readButtonStyle(record, &style);

    auto *stack = new ExWallStackedWidget(this);
    stack->setStyles(style.normalBkColor, style.pressBkColor, style.normalImage, style.pressImage);
    stack->setGeometry(style.x, style.y, style.w, style.h);
    for (const WallWire &w : kWallWires) {
        if (w.fromHost)
            wire(this, w.signal, stack, w.method);
        else
            wire(stack, w.signal, this, w.method);
    }
    registerElement(stack, typeId, style.name);
}

void ExPageHost::createAudioMatrixWidget(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    styles.readButtonStyle(record, &style);
    int radius = 0;
    int buttonSize = 14;
    int titleSize = 14;
    int cornerSize = 14;
    jsonInts(record, {{"borderRadius", &radius}, {"btn_size", &buttonSize}, {"title_size", &titleSize},
                      {"corner_size", &cornerSize}});
    QString cornerColor, buttonColor, buttonPressColor, buttonText, itemColor;
    jsonStrings(record, {{"corner_text_color", &cornerColor}, {"btn_text_color", &buttonColor},
                         {"btn_press_text_color", &buttonPressColor}, {"btn_text", &buttonText},
                         {"item_normalColor", &itemColor}});
    QString cornerImage, buttonImage, buttonPressImage, itemImage, itemPressImage;
    readPictures(record, styles, {{"corner_normal_image_path", &cornerImage}, {"btn_normal_image_path", &buttonImage},
                                  {"btn_press_image_path", &buttonPressImage},
                                  {"item_normal_image_path", &itemImage},
                                  {"item_press_image_path", &itemPressImage}});

    auto *matrix = new ExAudioMatrixWidget(this);
    placeFixed(matrix, style);
    matrix->setButtonImages(buttonImage, buttonPressImage, buttonPressImage);
    matrix->setButtonText(buttonText, buttonSize, style.bold, buttonColor, buttonPressColor);
    matrix->setCornerStyle(cornerSize, cornerImage, cornerColor);
    matrix->setHeaderStyle(titleSize, itemImage, itemPressImage, itemColor);
    registerElement(matrix, typeId, style.name);
}

void ExPageHost::createLoginWidget(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    styles.readButtonStyle(record, &style);
    // A record lacking a key previews as a new login form of the designer.
    int radius = 0;
    int opacity = 100;
    int titleSize = 35;
    int tagSize = 14;
    int tagVisible = 1;
    int titleBold = 0;
    int titleVisible = 0;
    jsonInts(record, {{"borderRadius", &radius}, {"bgOpacity", &opacity}, {"titleFontSize", &titleSize},
                      {"tagFontSize", &tagSize}, {"tagVisible", &tagVisible}, {"titleBold", &titleBold},
                      {"titleVisible", &titleVisible}});
    QString windowColor, titleColor, tagColor, userPlaceholder, passwordPlaceholder, buttonColor, boxColor, title;
    jsonStrings(record, {{"winBgColor", &windowColor}, {"titleFontColor", &titleColor},
                         {"tagFontColor", &tagColor}, {"userPlaceholder", &userPlaceholder},
                         {"pwdPlaceholder", &passwordPlaceholder}, {"btnFontColor", &buttonColor},
                         {"cboxFontColor", &boxColor}, {"loginTitle", &title}});
    QString normalImage, hoverImage, pressImage;
    readPictures(record, styles, {{"normalLoginBtnImg", &normalImage}, {"hoverLoginBtnImg", &hoverImage},
                                  {"pressLoginBtnImg", &pressImage}});

    auto *login = new ExLoginWidget(this);
    placeFixed(login, style);
    login->setRadius(radius);
    login->setWindowColor(windowColor, opacity);
    login->setTitle(titleSize, titleBold, title, titleColor);
    login->setTitleVisible(titleVisible);
    login->setPlaceholders(userPlaceholder, passwordPlaceholder);
    login->setLoginButtonImages(normalImage, hoverImage, pressImage);
    // The button's text is always bold at 14 in one colour, pressed or not.
    login->setLoginButtonText(14, 1, buttonColor, buttonColor);
    login->setTagStyle(tagVisible != 0, tagSize, tagColor);
    login->setCheckBoxColor(boxColor);
    registerElement(login, typeId, style.name);
}

void ExPageHost::createPlaceWidget(const QJsonObject &record, int typeId)
{
    const ExStyleReader styles = reader();
    ExButtonStyle style;
    style.fontSize = 0;
    styles.readButtonStyle(record, &style);
    int rowcol = 0;
    jsonInt(record, QStringLiteral("rowcol"), &rowcol);
    QString prevNormal, prevPress, nextNormal, nextPress;
    readPictures(record, styles, {{"prev_button_normal_image_path", &prevNormal},
                                  {"prev_button_press_image_path", &prevPress},
                                  {"next_button_normal_image_path", &nextNormal},
                                  {"next_button_press_image_path", &nextPress}});
    QMap<int, QString> rooms;
    for (int i = 0; i < kRoomCount; ++i) {
        QString room;
        jsonString(record, QStringLiteral("room_%1").arg(i + 1), &room);
        rooms.insert(i, styles.resolveImagePath(room));
    }

    auto *place = new ExPlaceWidget(this);
    placeFixed(place, style);
    place->setScale(scaleRatio(style.w, m_designWidth), scaleRatio(style.h, m_designHeight));
    place->setRoomImages(rooms);
    place->setRowCol(rowcol);
    place->setLayoutMode(style.direction);
    place->setPrevButtonImages(style.normalColor, style.pressColor, prevNormal, prevPress);
    place->setNextButtonImages(style.normalColor, style.pressColor, nextNormal, nextPress);
    registerElement(place, typeId, style.name);
}
