#include "controls/audiovolume.h"
#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/layoutclearing.h"
#include "controls/plaincontrols.h"
#include "controls/uiloginwidget.h"
#include "controls/uiplacewidget.h"
#include "controls/uiplaybuttonlistwidget.h"
#include "controls/uisearchwidget.h"
#include "controls/uiswitchbuttonbase.h"
#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

enum Outcome { Rebuilt, Restyled, Unchanged };

// Everything an edit can touch besides the control's own attribute object.
struct Part {
    QPointer<QObject> object;
    QJsonObject state;
};

QJsonObject stateOf(QObject *object)
{
    if (auto *cell = qobject_cast<BaseItem *>(object)) {
        QJsonObject state = cell->style();
        state.insert(QStringLiteral("#width"), cell->maximumWidth());
        return state;
    }
    if (auto *label = qobject_cast<UILabel *>(object))
        return label->attributes();
    if (auto *slider = qobject_cast<AudioVolume *>(object)) {
        const QMargins m = slider->grooveMargins();
        return {{"direction", slider->direction()}, {"range", slider->minimum() * 1000 + slider->maximum()},
                {"thumb", slider->thumbSize().width()}, {"margins", m.left() + m.top() + m.right() + m.bottom()}};
    }
    if (auto *sw = qobject_cast<UISwitchButtonBase *>(object))
        return {{"colours", QString(sw->bgOffColor() + sw->textOnColor())}, {"texts", QString(sw->onText() + sw->offText())}};
    return QJsonObject();
}

QVector<Part> snapshot(UIBase *control)
{
    QVector<Part> parts{{control, stateOf(control)}};
    if (control->layout())
        parts.append({control->layout(), QJsonObject()});
    for (QObject *child : control->findChildren<QObject *>())
        parts.append({child, stateOf(child)});
    return parts;
}

Outcome compare(const QVector<Part> &before)
{
    bool changed = false;
    for (const Part &part : before) {
        if (part.object.isNull())
            return Rebuilt;
        changed = changed || stateOf(part.object) != part.state;
    }
    return changed ? Restyled : Unchanged;
}

} // namespace

class TestKinds : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_page.reset(new QWidget);
        m_page->resize(1920, 1080);
    }
    void cleanup()
    {
        m_page.reset();
        GlobalManager::resetInstance();
    }

    void everyKindOfTheTablesIsMade();
    void spotChecks_data();
    void spotChecks();
    void kindKeysAreKeptButNotDrawn();

    void editRebuildsRestylesOrWaits_data();
    void editRebuildsRestylesOrWaits();
    void buildsReplaceTheirChildren_data();
    void buildsReplaceTheirChildren();
    void clearedCellsAreForgotten();
    void clearLayoutDeletesNestedLayoutsOnly();

private:
    UIBase *make(int id)
    {
        return isPlainKind(id) ? createPlainControl(id, m_page.get()) : createCompositeControl(id, m_page.get());
    }

    TestWorkDir m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestKinds::everyKindOfTheTablesIsMade()
{
    QVector<CompositeKindInfo> kinds = compositeKinds();
    for (const PlainKindInfo &kind : plainKinds())
        kinds.append({kind.typeId, kind.className, kind.classTag});
    QCOMPARE(kinds.size(), 15 + 45);
    QSet<QString> tags;
    for (const CompositeKindInfo &kind : kinds) {
        UIBase *control = make(kind.typeId);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), m_page.get());
        QCOMPARE(control->getType(), kind.typeId);
        QCOMPARE(control->classTag(), QString::fromLatin1(kind.classTag));
        // Style sheets and the panels select controls by class name.
        if (kind.typeId != 162)
            QCOMPARE(control->metaObject()->className(), kind.className);
        tags.insert(control->classTag());
    }
    QCOMPARE(tags.size(), kinds.size());
    // Every id from 101 to 164 but three gaps has exactly one maker; the
    // page, the gaps and ids outside make nothing.
    for (int id = 99; id <= 165; ++id) {
        const bool none = id < 101 || id > 164 || id == 132 || id == 147 || id == 152;
        QCOMPARE(isCompositeKind(id) + isPlainKind(id), none ? 0 : 1);
        if (none)
            QVERIFY(!createPlainControl(id, m_page.get()) && !createCompositeControl(id, m_page.get()));
    }
    QCOMPARE(m_page->children().size(), kinds.size());
}

void TestKinds::spotChecks_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("classTag");
    QTest::addColumn<QString>("typeName");
    QTest::newRow("misspelt type name") << 148 << 148 << "UIAudioSwitchButton" << "UIAudioSwitchButton"
                                        << "AudioSwicthButton";
    // The wall's grid button is made and reported as the plain grid button.
    QTest::newRow("wall grid button") << 142 << 140 << "UIGridSettingButton" << "uigridsettingbutton"
                                      << "WallGridSettingButton";
    // Reports the meta-object of its base.
    QTest::newRow("vumeter") << 162 << 162 << "UIBase" << "AudioVumeterBar" << "AudioVumeterBar";
    QTest::newRow("ppt list") << 137 << 137 << "UIPPTButtonListWidget" << "PPTbuttonlist" << "PPTbuttongroup";
}

void TestKinds::spotChecks()
{
    QFETCH(int, id);
    QFETCH(int, type);
    QFETCH(QString, className);
    QFETCH(QString, classTag);
    QFETCH(QString, typeName);
    UIBase *control = make(id);
    QVERIFY(control);
    QCOMPARE(control->getType(), type);
    QCOMPARE(QString(control->metaObject()->className()), className);
    QCOMPARE(control->classTag(), classTag);
    QCOMPARE(designControlTypeName(id), typeName);
}

void TestKinds::kindKeysAreKeptButNotDrawn()
{
    const QJsonObject common{{"x", 10}, {"y", 10}, {"w", 120}, {"h", 50}, {"text", "Go"},
                             {"normalBkColor", "#ff3366cc"}, {"normalColor", "#ffffffff"}};
    UIBase *plain = make(126);
    plain->setAttributes(common, true, false);

    QJsonObject withKeys = common;
    withKeys.insert("goto", "page_2");
    withKeys.insert("on_cmd_data_list", QJsonArray{QJsonObject{{"ip", "192.168.1.20"}, {"port", 4001}}});
    withKeys.insert("someFutureKey", 3.75);
    UIBase *bound = make(126);
    bound->setAttributes(withKeys, true, false);
    // Binding and unknown keys are stored exactly as given.
    QCOMPARE(bound->attributes(), withKeys);
    QCOMPARE(bound->grab().toImage(), plain->grab().toImage());
}


void TestKinds::editRebuildsRestylesOrWaits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("outcome");

    const struct { const char *row; int id; const char *edit; Outcome outcome; } rows[] = {
        {"matrix btn_text", 163, R"({"btn_text":"Go"})", Rebuilt},
        {"matrix button picture waits", 163, R"({"btn_normal_image_path":"b.png"})", Unchanged},
        {"matrix move", 163, R"({"x":40,"y":50})", Unchanged},
        {"login tagVisible", 101, R"({"tagVisible":0})", Rebuilt},
        {"login hidden title", 101, R"({"loginTitle":"Hi"})", Unchanged},
        {"place rowcol", 102, R"({"rowcol":1})", Rebuilt},
        {"place button picture waits", 102, R"({"prev_button_normal_image_path":"p.png"})", Unchanged},
        {"search button width", 107, R"({"btn_w":50})", Restyled},
        {"search button text waits", 107, R"({"btn_text":"Find"})", Unchanged},
        {"play show_item_num", 136, R"({"show_item_num":7})", Rebuilt},
        {"play item colour", 136, R"({"item_normalBkColor":"#ff336699"})", Restyled},
        {"play refresh colour", 136, R"({"refresh_button_normalBkColor":"#ff0000"})", Restyled},
        {"play resize", 136, R"({"w":1000})", Unchanged},
        {"screen direction", 135, R"({"direction":2})", Rebuilt},
        {"source cell colour waits", 112, R"({"item_normalBkColor":"#ff336699"})", Unchanged},
        {"source caption colour", 112, R"({"normalColor":"#ffff0000"})", Restyled},
        {"scene caption colour", 111, R"({"item_normalColor":"#ffff0000"})", Restyled},
        {"status off text", 130, R"({"off_text":"OFF"})", Restyled},
        {"status colour as number", 130, R"({"bgOffColor":12})", Unchanged},
        {"prelayout unread key", 124, R"({"on_IntVal":3})", Unchanged},
        {"volume thumb", 145, R"({"thumb_w":30})", Restyled},
        {"progress margins", 157, R"({"groove_margin_left":4})", Restyled},
    };
    for (const auto &row : rows)
        QTest::newRow(row.row) << row.id << QByteArray(R"({"w":900,"h":420,"on_text":"on"})") << QByteArray(row.edit)
                               << int(row.outcome);
    QTest::newRow("login shown title") << 101 << QByteArray(R"({"w":500,"h":400,"titleVisible":1})")
                                       << QByteArray(R"({"titleFontSize":20})") << int(Rebuilt);
}

void TestKinds::editRebuildsRestylesOrWaits()
{
    QFETCH(int, id);
    QFETCH(QByteArray, attributes);
    QFETCH(QByteArray, edit);
    QFETCH(int, outcome);
    UIBase *control = buildComposite(id, m_page.get(), jsonFixture(attributes));
    const QVector<Part> before = snapshot(control);
    editLikePage(control, jsonFixture(edit));
    QCOMPARE(int(compare(before)), outcome);
}

void TestKinds::buildsReplaceTheirChildren_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("rebuild");
    const QMap<int, const char *> rebuilds{{163, R"({"btn_text":"A"})"}, {101, R"({"tagVisible":1})"},
                                           {102, R"({"rowcol":0})"}, {136, R"({"show_item_num":5})"},
                                           {111, R"({"show_item_num":5})"}, {112, R"({"show_item_num":5})"}};
    for (const CompositeKindInfo &kind : compositeKinds())
        QTest::newRow(kind.className) << kind.typeId << QByteArray(rebuilds.value(kind.typeId, "{}"));
}

void TestKinds::buildsReplaceTheirChildren()
{
    QFETCH(int, id);
    QFETCH(QByteArray, rebuild);
    // Placed at the stored geometry times the zoom.
    UIBase *control = buildComposite(id, m_page.get(), jsonFixture(R"({"x":40,"y":20,"w":900,"h":500})"), 0.5);
    QCOMPARE(control->geometry(), QRect(20, 10, 450, 250));

    const QVector<Part> before = snapshot(control);
    control->applyAttributes(QJsonObject());
    QCOMPARE(int(compare(before)), int(Unchanged));

    // A second build and repeated rebuilds replace the children instead of
    // piling up more that lost their layout.
    const int children = control->findChildren<QObject *>().size();
    const bool hadLayout = control->layout() != nullptr;
    control->buildLayout();
    for (int i = 0; i < 3; ++i)
        editLikePage(control, jsonFixture(rebuild));
    QCOMPARE(control->findChildren<QObject *>().size(), children);
    QCOMPARE(control->layout() != nullptr, hadLayout);
}

void TestKinds::clearedCellsAreForgotten()
{
    auto *list = static_cast<UIPlayButtonListWidget *>(
        buildComposite(136, m_page.get(), jsonFixture(R"({"w":900,"h":80})")));
    const QList<QPointer<BaseItem>> old{list->prevButton(), list->refreshButton(), list->cells().first()};
    editLikePage(list, jsonFixture(R"({"show_item_num":3})"));
    for (const QPointer<BaseItem> &cell : old)
        QVERIFY(cell.isNull());
    // A restyle after the rebuild reaches the new children only.
    editLikePage(list, jsonFixture(R"({"prev_button_normalBkColor":"#ff112233","item_normalColor":"#ff445566"})"));
    QCOMPARE(list->prevButton()->style().value("normalBkColor").toString(), QString("#ff112233"));
    for (BaseItem *cell : list->cells())
        QCOMPARE(cell->style().value("normalColor").toString(), QString("#ff445566"));
    QCOMPARE(list->findChildren<BaseItem *>().size(), 3 + 3);

    auto *login = static_cast<UILoginWidget *>(
        buildComposite(101, m_page.get(), jsonFixture(R"({"w":500,"h":400,"titleVisible":1})")));
    QCOMPARE(login->cells().size(), 11);
    login->clearLayout(login->layout());
    QVERIFY(login->cells().isEmpty() && !login->titleCell() && !login->layout());
    // With no title cell a title edit has nothing to restyle and no rebuild.
    login->applyAttributes(jsonFixture(R"({"loginTitle":"Later"})"));
    QVERIFY(login->findChildren<BaseItem *>().isEmpty());

    auto *place = static_cast<UIPlaceWidget *>(buildComposite(102, m_page.get(), jsonFixture(R"({"w":1600,"h":500})")));
    place->clearLayout(place->layout());
    QVERIFY(!place->prevButton() && !place->nextButton() && !place->layout());
    QVERIFY(place->children().isEmpty());
}

void TestKinds::clearLayoutDeletesNestedLayoutsOnly()
{
    QWidget owner;
    auto *outer = new QVBoxLayout(&owner);
    auto *row = new QHBoxLayout;
    QVector<QPointer<QObject>> gone{row};
    for (int c = 0; c < 3; ++c) {
        auto *cell = new QLabel(QString::number(c), &owner);
        row->addWidget(cell);
        gone.append(cell);
    }
    // A widget with a layout and children of its own goes as a whole.
    auto *panel = new QWidget(&owner);
    auto *inner = new QLabel(QStringLiteral("inner"), panel);
    (new QVBoxLayout(panel))->addWidget(inner);
    row->addWidget(panel);
    gone << panel << inner;
    outer->addLayout(row);
    outer->addStretch();
    // A widget outside the layout is not the layout's to delete.
    QPointer<QLabel> floating = new QLabel(QStringLiteral("out"), &owner);

    clearLayout(nullptr);
    clearLayout(outer);
    for (const QPointer<QObject> &object : gone)
        QVERIFY(object.isNull());
    QCOMPARE(owner.layout(), nullptr);
    QCOMPARE(owner.children(), QObjectList({floating.data()}));
}

QTEST_MAIN(TestKinds)
#include "tst_kinds.moc"
