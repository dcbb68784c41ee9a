#include "controls/audiovolume.h"
#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/plaincontrols.h"
#include "controls/uiaudiomatrixwidget.h"
#include "controls/uiloginwidget.h"
#include "controls/uipreviewwidget.h"
#include "controls/uiplacewidget.h"
#include "controls/uiplaybuttonlistwidget.h"
#include "controls/uiscenelistwidget.h"
#include "controls/uisearchwidget.h"
#include "controls/uiswitchbuttonbase.h"
#include "controls/uivolumeslidercontrol.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QLayout>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

// Transcribed by hand from the kind lists, independently of the code's table.
struct ExpectedKind {
    int id;
    const char *className;
    const char *classTag;
};

const ExpectedKind kExpected[] = {
    {101, "UILoginWidget", "loginwidget"},
    {102, "UIPlaceWidget", "placewidget"},
    {107, "UISearchWidget", "sourcewidget"},
    {111, "UISceneListWidget", "scenelist"},
    {112, "UIPreviewWidget", "previewwidget"},
    {124, "UIPreLayoutSwitchButton", "prelayoutswitchbutton"},
    {130, "UICmdStatusButton", "cmdstatusbutton"},
    {131, "UICmdProgress", "CmdProgress"},
    {135, "UIScreenButtonListWidget", "screenbuttonlist"},
    {136, "UIPlayButtonListWidget", "playbuttonlist"},
    {137, "UIPPTButtonListWidget", "PPTbuttonlist"},
    {145, "UIAudioVolumeWidget", "UIAudioVolumeWidget"},
    {157, "UIVideoProgress", "VideoProgress"},
    {163, "UIAudioMatrixWidget", "audiomatrixwidget"},
    {164, "UIMeetingButton", "meetingbutton"},
};

enum Outcome { Rebuilt, Restyled, Unchanged };

// Everything an edit can touch besides the control's own attribute object.
struct Part {
    QPointer<QObject> object;
    QJsonObject state;
};

QJsonObject stateOf(QObject *object)
{
    QJsonObject state;
    if (auto *cell = qobject_cast<BaseItem *>(object)) {
        state = cell->style();
        state.insert(QStringLiteral("#minWidth"), cell->minimumWidth());
        state.insert(QStringLiteral("#maxWidth"), cell->maximumWidth());
    } else if (auto *label = qobject_cast<UILabel *>(object)) {
        state = label->attributes();
    } else if (auto *slider = qobject_cast<AudioVolume *>(object)) {
        const QMargins margins = slider->grooveMargins();
        state = QJsonObject{{"direction", slider->direction()}, {"min", slider->minimum()},
                            {"max", slider->maximum()}, {"step", slider->step()},
                            {"label", slider->labelSize().width() * 1000 + slider->labelSize().height()},
                            {"thumb", slider->thumbSize().width() * 1000 + slider->thumbSize().height()},
                            {"press", slider->pressedThumbSize().width() * 1000 + slider->pressedThumbSize().height()},
                            {"margins", QJsonArray{margins.left(), margins.top(), margins.right(), margins.bottom()}},
                            {"groove", !slider->normalGroovePixmap().isNull()}};
    } else if (auto *sw = qobject_cast<UISwitchButtonBase *>(object)) {
        state = QJsonObject{{"bgOn", sw->bgOnColor()}, {"bgOff", sw->bgOffColor()},
                            {"sliderOn", sw->sliderOnColor()}, {"sliderOff", sw->sliderOffColor()},
                            {"textOn", sw->textOnColor()}, {"textOff", sw->textOffColor()},
                            {"on", sw->onText()}, {"off", sw->offText()}};
    }
    return state;
}

QVector<Part> snapshot(UIBase *control)
{
    QVector<Part> parts;
    parts.append({control, stateOf(control)});
    if (control->layout())
        parts.append({control->layout(), QJsonObject()});
    const QList<QObject *> children = control->findChildren<QObject *>();
    for (QObject *child : children)
        parts.append({child, stateOf(child)});
    return parts;
}

Outcome compare(const QVector<Part> &before)
{
    bool changed = false;
    for (const Part &part : before) {
        if (part.object.isNull())
            return Rebuilt;
        if (stateOf(part.object) != part.state)
            changed = true;
    }
    return changed ? Restyled : Unchanged;
}

const char *outcomeName(int outcome)
{
    return outcome == Rebuilt ? "rebuilt" : outcome == Restyled ? "restyled" : "unchanged";
}

} // namespace

class TestCompositeRebuild : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyKindReportsIdTagAndClassName_data();
    void everyKindReportsIdTagAndClassName();
    void tableHoldsExactlyTheFifteenKinds();
    void otherIdsCreateNothing_data();
    void otherIdsCreateNothing();

    void editRebuildsRestylesOrWaits_data();
    void editRebuildsRestylesOrWaits();
    void emptyEditAndSecondBuildChangeNothing_data();
    void emptyEditAndSecondBuildChangeNothing();

    void listRebuildForgetsTheOldCells();
    void loginClearLayoutForgetsEveryCell();
    void placeClearLayoutForgetsBothButtons();
    void rebuildsKeepTheChildCountSteady();
    void waitingEditsShowWhenThePageReopens_data();
    void waitingEditsShowWhenThePageReopens();

private:
    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestCompositeRebuild::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_page.reset(new QWidget);
    m_page->resize(1920, 1080);
}

void TestCompositeRebuild::cleanup()
{
    m_page.reset();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

void TestCompositeRebuild::everyKindReportsIdTagAndClassName_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("classTag");
    for (const ExpectedKind &kind : kExpected)
        QTest::newRow(kind.className) << kind.id << kind.className << kind.classTag;
}

void TestCompositeRebuild::everyKindReportsIdTagAndClassName()
{
    QFETCH(int, id);
    QFETCH(QString, className);
    QFETCH(QString, classTag);

    QVERIFY(isCompositeKind(id));
    QVERIFY(!isPlainKind(id));
    UIBase *control = createCompositeControl(id, m_page.get());
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_page.get());
    QCOMPARE(control->getType(), id);
    QCOMPARE(control->classTag(), classTag);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
}

void TestCompositeRebuild::tableHoldsExactlyTheFifteenKinds()
{
    const QVector<CompositeKindInfo> &kinds = compositeKinds();
    QCOMPARE(kinds.size(), int(std::size(kExpected)));
    for (int i = 0; i < kinds.size(); ++i) {
        QCOMPARE(kinds.at(i).typeId, kExpected[i].id);
        QCOMPARE(QString::fromLatin1(kinds.at(i).className), QString::fromLatin1(kExpected[i].className));
        QCOMPARE(QString::fromLatin1(kinds.at(i).classTag), QString::fromLatin1(kExpected[i].classTag));
    }
    // With the plain kinds and the alias 142 every id from 101 to 164 but
    // the three gaps has exactly one maker.
    for (int id = 101; id <= 164; ++id) {
        const bool gap = id == 132 || id == 147 || id == 152;
        QCOMPARE(isCompositeKind(id) + isPlainKind(id), gap ? 0 : 1);
    }
}

void TestCompositeRebuild::otherIdsCreateNothing_data()
{
    QTest::addColumn<int>("id");
    for (int id : {0, 100, 103, 113, 132, 142, 147, 152, 162, 165, -1})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestCompositeRebuild::otherIdsCreateNothing()
{
    QFETCH(int, id);
    QCOMPARE(createCompositeControl(id, m_page.get()), nullptr);
    QVERIFY(m_page->children().isEmpty());
}

void TestCompositeRebuild::editRebuildsRestylesOrWaits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QJsonObject>("attributes");
    QTest::addColumn<QJsonObject>("edit");
    QTest::addColumn<int>("outcome");

    const QJsonObject matrix = jsonFixture(R"({"type":"AudioMatrixWidget","name":"AudioMatrix_1","x":10,"y":10,"w":600,"h":420})");
    const struct { const char *row; const char *edit; Outcome outcome; } matrixRows[] = {
        {"matrix btn_text", R"({"btn_text":"Go"})", Rebuilt},
        {"matrix btn_text_color", R"({"btn_text_color":"#ffff0000"})", Rebuilt},
        {"matrix btn_press_text_color", R"({"btn_press_text_color":"#ff00ff00"})", Rebuilt},
        {"matrix btn_size", R"({"btn_size":18})", Rebuilt},
        {"matrix bold", R"({"bold":1})", Rebuilt},
        {"matrix item_normalColor", R"({"item_normalColor":"#ff0000ff"})", Rebuilt},
        {"matrix title_size", R"({"title_size":20})", Rebuilt},
        {"matrix button picture waits", R"({"btn_normal_image_path":"b.png"})", Unchanged},
        {"matrix header picture waits", R"({"item_normal_image_path":"h.png"})", Unchanged},
        {"matrix corner colour waits", R"({"corner_text_color":"#ff00ff00"})", Unchanged},
        {"matrix move", R"({"x":40,"y":50})", Unchanged},
    };
    for (const auto &row : matrixRows)
        QTest::newRow(row.row) << 163 << matrix << jsonFixture(row.edit) << int(row.outcome);

    const QJsonObject login = jsonFixture(R"({"type":"LoginWidget","w":500,"h":400})");
    const QJsonObject loginTitled = jsonFixture(R"({"type":"LoginWidget","w":500,"h":400,"titleVisible":1})");
    QTest::newRow("login titleVisible") << 101 << login << jsonFixture(R"({"titleVisible":1})") << int(Rebuilt);
    QTest::newRow("login tagVisible") << 101 << login << jsonFixture(R"({"tagVisible":0})") << int(Rebuilt);
    QTest::newRow("login winBgColor") << 101 << login << jsonFixture(R"({"winBgColor":"#ff0000"})") << int(Rebuilt);
    QTest::newRow("login bgOpacity") << 101 << login << jsonFixture(R"({"bgOpacity":50})") << int(Rebuilt);
    QTest::newRow("login picture") << 101 << login << jsonFixture(R"({"normal_image_path":"bg.png"})") << int(Rebuilt);
    QTest::newRow("login title shown") << 101 << loginTitled << jsonFixture(R"({"loginTitle":"Hi"})") << int(Rebuilt);
    QTest::newRow("login title hidden") << 101 << login << jsonFixture(R"({"loginTitle":"Hi"})") << int(Unchanged);
    QTest::newRow("login titleFontSize shown") << 101 << loginTitled << jsonFixture(R"({"titleFontSize":20})") << int(Rebuilt);
    QTest::newRow("login tag colour") << 101 << login << jsonFixture(R"({"tagFontColor":"#ff0000"})") << int(Unchanged);
    QTest::newRow("login move") << 101 << login << jsonFixture(R"({"x":5})") << int(Unchanged);

    const QJsonObject place = jsonFixture(R"({"type":"PlaceWidget","w":1600,"h":500,"direction":0})");
    QTest::newRow("place direction") << 102 << place << jsonFixture(R"({"direction":1})") << int(Rebuilt);
    QTest::newRow("place rowcol") << 102 << place << jsonFixture(R"({"rowcol":1})") << int(Rebuilt);
    QTest::newRow("place room") << 102 << place << jsonFixture(R"({"room_3":"r3.png"})") << int(Rebuilt);
    QTest::newRow("place button picture waits") << 102 << place << jsonFixture(R"({"prev_button_normal_image_path":"p.png"})") << int(Unchanged);
    QTest::newRow("place move") << 102 << place << jsonFixture(R"({"y":7})") << int(Unchanged);

    const QJsonObject search = jsonFixture(R"({"type":"SearchWidget","w":300,"h":40})");
    QTest::newRow("search button colour") << 107 << search << jsonFixture(R"({"btn_normalBkColor":"#ff00ff00"})") << int(Restyled);
    QTest::newRow("search button picture") << 107 << search << jsonFixture(R"({"btn_press_image_path":"s.png"})") << int(Restyled);
    QTest::newRow("search button width") << 107 << search << jsonFixture(R"({"btn_w":50})") << int(Restyled);
    QTest::newRow("search button text waits") << 107 << search << jsonFixture(R"({"btn_text":"Find"})") << int(Unchanged);
    QTest::newRow("search side waits") << 107 << search << jsonFixture(R"({"layoutDirection":1})") << int(Unchanged);

    const QJsonObject play = jsonFixture(R"({"type":"Playbuttongroup","w":900,"h":80})");
    QTest::newRow("play direction") << 136 << play << jsonFixture(R"({"direction":1})") << int(Rebuilt);
    QTest::newRow("play show_item_num") << 136 << play << jsonFixture(R"({"show_item_num":7})") << int(Rebuilt);
    QTest::newRow("play page_turn_height") << 136 << play << jsonFixture(R"({"page_turn_height":60})") << int(Rebuilt);
    QTest::newRow("play item colour") << 136 << play << jsonFixture(R"({"item_normalBkColor":"#ff336699"})") << int(Restyled);
    QTest::newRow("play prev colour") << 136 << play << jsonFixture(R"({"prev_button_normalColor":"#ff0000"})") << int(Restyled);
    QTest::newRow("play next picture") << 136 << play << jsonFixture(R"({"next_button_press_image_path":"n.png"})") << int(Restyled);
    QTest::newRow("play refresh colour") << 136 << play << jsonFixture(R"({"refresh_button_normalBkColor":"#ff0000"})") << int(Restyled);
    QTest::newRow("play unread key") << 136 << play << jsonFixture(R"({"hide_page_button":1})") << int(Unchanged);
    QTest::newRow("play move") << 136 << play << jsonFixture(R"({"x":3})") << int(Unchanged);
    QTest::newRow("play resize") << 136 << play << jsonFixture(R"({"w":1000})") << int(Unchanged);

    const QJsonObject ppt = jsonFixture(R"({"type":"PPTbuttongroup","w":900,"h":80})");
    QTest::newRow("ppt item colour") << 137 << ppt << jsonFixture(R"({"item_pressColor":"#ff0000"})") << int(Restyled);
    QTest::newRow("ppt refresh ignored") << 137 << ppt << jsonFixture(R"({"refresh_button_normalColor":"#ff0000"})") << int(Unchanged);
    QTest::newRow("ppt show_item_num") << 137 << ppt << jsonFixture(R"({"show_item_num":3})") << int(Rebuilt);

    const QJsonObject screen = jsonFixture(R"({"type":"Screenbuttongroup","w":900,"h":80})");
    QTest::newRow("screen next picture") << 135 << screen << jsonFixture(R"({"next_button_normal_image_path":"n.png"})") << int(Restyled);
    QTest::newRow("screen direction") << 135 << screen << jsonFixture(R"({"direction":2})") << int(Rebuilt);

    const QJsonObject preview = jsonFixture(R"({"type":"SourceTab","w":900,"h":120})");
    QTest::newRow("preview item colour waits") << 112 << preview << jsonFixture(R"({"item_normalBkColor":"#ff336699"})") << int(Unchanged);
    QTest::newRow("preview caption colour") << 112 << preview << jsonFixture(R"({"normalColor":"#ffff0000"})") << int(Restyled);
    QTest::newRow("preview caption press colour") << 112 << preview << jsonFixture(R"({"pressColor":"#ffff0000"})") << int(Restyled);
    QTest::newRow("preview prev colour") << 112 << preview << jsonFixture(R"({"prev_button_normalBkColor":"#ff0000"})") << int(Restyled);
    QTest::newRow("preview show_item_num") << 112 << preview << jsonFixture(R"({"show_item_num":2})") << int(Rebuilt);

    const QJsonObject scene = jsonFixture(R"({"type":"SceneList","w":900,"h":120})");
    QTest::newRow("scene caption colour") << 111 << scene << jsonFixture(R"({"item_normalColor":"#ffff0000"})") << int(Restyled);
    QTest::newRow("scene cell colour") << 111 << scene << jsonFixture(R"({"item_normalBkColor":"#ff00ff00"})") << int(Restyled);
    QTest::newRow("scene own colour ignored") << 111 << scene << jsonFixture(R"({"normalColor":"#ff00ff00"})") << int(Unchanged);
    QTest::newRow("scene direction") << 111 << scene << jsonFixture(R"({"direction":1})") << int(Rebuilt);

    const QJsonObject status = jsonFixture(R"({"type":"CmdStatusButton","w":120,"h":40,"on_text":"on","off_text":"off"})");
    QTest::newRow("status off text") << 130 << status << jsonFixture(R"({"off_text":"OFF"})") << int(Restyled);
    QTest::newRow("status colour as number") << 130 << status << jsonFixture(R"({"bgOffColor":12})") << int(Unchanged);
    QTest::newRow("status move") << 130 << status << jsonFixture(R"({"x":12})") << int(Unchanged);
    const QJsonObject prelayout = jsonFixture(R"({"type":"PreLayoutSwitchButton","w":120,"h":40})");
    QTest::newRow("prelayout on colour") << 124 << prelayout << jsonFixture(R"({"textOnColor":"#ff0000"})") << int(Restyled);
    QTest::newRow("prelayout unread key") << 124 << prelayout << jsonFixture(R"({"on_IntVal":3})") << int(Unchanged);

    const QJsonObject volume = jsonFixture(R"({"type":"AudioVolumeWidget","w":300,"h":40})");
    for (int id : {145, 131, 157}) {
        const QByteArray kind = QByteArray::number(id);
        QTest::newRow(QByteArray(kind + " thumb").constData()) << id << volume << jsonFixture(R"({"thumb_w":30})") << int(Restyled);
        QTest::newRow(QByteArray(kind + " range").constData()) << id << volume << jsonFixture(R"({"min":10})") << int(Restyled);
        QTest::newRow(QByteArray(kind + " direction").constData()) << id << volume << jsonFixture(R"({"direction":2})") << int(Restyled);
        QTest::newRow(QByteArray(kind + " margins").constData()) << id << volume << jsonFixture(R"({"groove_margin_left":4})") << int(Restyled);
        QTest::newRow(QByteArray(kind + " move").constData()) << id << volume << jsonFixture(R"({"x":30,"y":30})") << int(Unchanged);
    }
}

void TestCompositeRebuild::editRebuildsRestylesOrWaits()
{
    QFETCH(int, id);
    QFETCH(QJsonObject, attributes);
    QFETCH(QJsonObject, edit);
    QFETCH(int, outcome);

    UIBase *control = buildComposite(id, m_page.get(), attributes);
    QVERIFY(control);
    const QVector<Part> before = snapshot(control);
    editLikePage(control, edit);
    const Outcome actual = compare(before);
    if (actual != outcome)
        qWarning("got %s, expected %s", outcomeName(actual), outcomeName(outcome));
    QCOMPARE(int(actual), outcome);
}

void TestCompositeRebuild::emptyEditAndSecondBuildChangeNothing_data()
{
    QTest::addColumn<int>("id");
    for (const ExpectedKind &kind : kExpected)
        QTest::newRow(kind.className) << kind.id;
}

void TestCompositeRebuild::emptyEditAndSecondBuildChangeNothing()
{
    QFETCH(int, id);
    UIBase *control = buildComposite(id, m_page.get(), jsonFixture(R"({"w":600,"h":300})"));
    QVERIFY(control);
    const QVector<Part> before = snapshot(control);
    control->applyAttributes(QJsonObject());
    QCOMPARE(int(compare(before)), int(Unchanged));

    // A second build replaces the children instead of adding to them.
    const int children = control->findChildren<QObject *>().size();
    const bool hadLayout = control->layout() != nullptr;
    control->buildLayout();
    QCOMPARE(control->findChildren<QObject *>().size(), children);
    QCOMPARE(control->layout() != nullptr, hadLayout);
}

void TestCompositeRebuild::listRebuildForgetsTheOldCells()
{
    auto *list = static_cast<UIPlayButtonListWidget *>(
        buildComposite(136, m_page.get(), jsonFixture(R"({"w":900,"h":80})")));
    QPointer<BaseItem> oldPrev = list->prevButton();
    QPointer<BaseItem> oldRefresh = list->refreshButton();
    QPointer<BaseItem> oldCell = list->cells().first();
    QVERIFY(oldPrev && oldRefresh && oldCell);

    editLikePage(list, jsonFixture(R"({"show_item_num":3})"));

    QVERIFY(oldPrev.isNull());
    QVERIFY(oldRefresh.isNull());
    QVERIFY(oldCell.isNull());
    QCOMPARE(list->cells().size(), 3);
    QVERIFY(list->prevButton() && list->nextButton() && list->refreshButton());

    // A restyle after the rebuild reaches the new children only.
    editLikePage(list, jsonFixture(R"({"prev_button_normalBkColor":"#ff112233","item_normalColor":"#ff445566"})"));
    QCOMPARE(list->prevButton()->style().value("normalBkColor").toString(), QString("#ff112233"));
    for (BaseItem *cell : list->cells())
        QCOMPARE(cell->style().value("normalColor").toString(), QString("#ff445566"));
    // Every BaseItem child is one the list knows: nothing was left behind.
    QCOMPARE(list->findChildren<BaseItem *>().size(), 3 + 3);
}

void TestCompositeRebuild::loginClearLayoutForgetsEveryCell()
{
    auto *login = static_cast<UILoginWidget *>(
        buildComposite(101, m_page.get(), jsonFixture(R"({"w":500,"h":400,"titleVisible":1})")));
    QVERIFY(login->titleCell());
    QCOMPARE(login->cells().size(), 11);

    login->clearLayout(login->layout());

    QVERIFY(login->cells().isEmpty());
    QCOMPARE(login->titleCell(), nullptr);
    QCOMPARE(login->layout(), nullptr);
    QVERIFY(login->findChildren<BaseItem *>().isEmpty());
    // With no title cell a title edit has nothing to restyle and no rebuild.
    login->applyAttributes(jsonFixture(R"({"loginTitle":"Later"})"));
    QVERIFY(login->findChildren<BaseItem *>().isEmpty());
}

void TestCompositeRebuild::placeClearLayoutForgetsBothButtons()
{
    auto *place = static_cast<UIPlaceWidget *>(buildComposite(102, m_page.get(), jsonFixture(R"({"w":1600,"h":500})")));
    QPointer<BaseItem> prev = place->prevButton();
    QVERIFY(prev && place->nextButton());

    place->clearLayout(place->layout());

    QVERIFY(prev.isNull());
    QCOMPARE(place->prevButton(), nullptr);
    QCOMPARE(place->nextButton(), nullptr);
    QCOMPARE(place->layout(), nullptr);
    QVERIFY(place->children().isEmpty());
}

void TestCompositeRebuild::rebuildsKeepTheChildCountSteady()
{
    // Repeated rebuilds must not pile up children that lost their layout.
    struct { int id; const char *edit; } rows[] = {
        {163, R"({"btn_text":"A"})"}, {101, R"({"tagVisible":1})"}, {102, R"({"rowcol":0})"},
        {136, R"({"show_item_num":5})"}, {111, R"({"show_item_num":5})"}, {112, R"({"show_item_num":5})"},
    };
    for (const auto &row : rows) {
        UIBase *control = buildComposite(row.id, m_page.get(), jsonFixture(R"({"w":900,"h":500})"));
        const int children = control->findChildren<QObject *>().size();
        for (int i = 0; i < 4; ++i)
            editLikePage(control, jsonFixture(row.edit));
        QCOMPARE(control->findChildren<QObject *>().size(), children);
    }
}

void TestCompositeRebuild::waitingEditsShowWhenThePageReopens_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QJsonObject>("edit");
    QTest::newRow("matrix button picture") << 163 << jsonFixture(R"({"btn_normal_image_path":"C:\\p\\b.png"})");
    QTest::newRow("place previous picture") << 102 << jsonFixture(R"({"prev_button_normal_image_path":"p.png"})");
    QTest::newRow("search button text") << 107 << jsonFixture(R"({"btn_text":"Find"})");
    QTest::newRow("search side") << 107 << jsonFixture(R"({"layoutDirection":1})");
    QTest::newRow("source cell colour") << 112 << jsonFixture(R"({"item_normalBkColor":"#ff00ff00"})");
}

void TestCompositeRebuild::waitingEditsShowWhenThePageReopens()
{
    QFETCH(int, id);
    QFETCH(QJsonObject, edit);

    UIBase *edited = buildComposite(id, m_page.get(), jsonFixture(R"({"w":1500,"h":500})"));
    editLikePage(edited, edit);
    // Opening the page again builds the control from the object it saved.
    UIBase *reopened = buildComposite(id, m_page.get(), edited->attributes());
    edited->layout()->activate();
    reopened->layout()->activate();

    // What the edit should show, read off either control.
    auto shown = [id](UIBase *control) -> QString {
        switch (id) {
        case 163:
            for (BaseItem *cell : control->findChildren<BaseItem *>()) {
                if (!cell->normalPictureFile().isEmpty())
                    return QFileInfo(cell->normalPictureFile()).fileName();
            }
            return QString();
        case 102:
            return QFileInfo(static_cast<UIPlaceWidget *>(control)->prevButton()->normalPictureFile()).fileName();
        case 107: {
            auto *search = static_cast<UISearchWidget *>(control);
            const bool right = search->button()->x() > search->searchField()->x();
            return search->button()->text() + (right ? "|right" : "|left");
        }
        default:
            return static_cast<UIPreviewWidget *>(control)->cells().first()->style().value("normalBkColor").toString();
        }
    };
    const QString before = shown(edited);
    const QString after = shown(reopened);
    QVERIFY2(before != after, qPrintable(before));
    const QString expected = id == 163                                  ? QString("b.png")
                             : id == 102                                ? QString("p.png")
                             : edit.contains("btn_text")                ? QString("Find|left")
                             : edit.contains("layoutDirection")         ? QString("|right")
                                                                        : QString("#ff00ff00");
    QCOMPARE(after, expected);
}

QTEST_MAIN(TestCompositeRebuild)
#include "tst_compositerebuild.moc"
