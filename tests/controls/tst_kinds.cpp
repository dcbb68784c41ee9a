#include "controls/audiovolume.h"
#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/plaincontrols.h"
#include "controls/uiloginwidget.h"
#include "controls/uiplacewidget.h"
#include "controls/uiplaybuttonlistwidget.h"
#include "controls/uiswitchbuttonbase.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QLayout>
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

    void editRebuildsRestylesOrWaits_data();
    void editRebuildsRestylesOrWaits();
    void buildsReplaceTheirChildren_data();
    void buildsReplaceTheirChildren();
    void clearedCellsAreForgotten();

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
    QSet<QString> tags;
    for (const CompositeKindInfo &kind : kinds) {
        UIBase *control = make(kind.typeId);
        QCOMPARE(control->getType(), kind.typeId);
        // Style sheets and the panels select controls by class name; the meter reports its base's.
        QCOMPARE(control->metaObject()->className(), kind.typeId == 162 ? "UIBase" : kind.className);
        tags.insert(control->classTag());
    }
    QCOMPARE(tags.size(), 15 + 45);
    // Every id from 101 to 164 but three gaps has exactly one maker; the
    // page, the gaps and ids outside make nothing.
    for (int id = 99; id <= 165; ++id) {
        const bool none = id < 101 || id > 164 || id == 132 || id == 147 || id == 152;
        QCOMPARE(isCompositeKind(id) + isPlainKind(id), none ? 0 : 1);
        if (none)
            QVERIFY(!createPlainControl(id, m_page.get()) && !createCompositeControl(id, m_page.get()));
    }
    QCOMPARE(m_page->children().size(), kinds.size());
    // The wall's grid button is made and reported as the plain one.
    QCOMPARE(make(142)->getType(), 140);
}

void TestKinds::editRebuildsRestylesOrWaits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("outcome");

    const struct { const char *row; int id; const char *edit; Outcome outcome; } rows[] = {
        {"matrix btn_text", 163, R"({"btn_text":"Go"})", Rebuilt},
        {"matrix move", 163, R"({"x":40,"y":50})", Unchanged},
        {"login tagVisible", 101, R"({"tagVisible":0})", Rebuilt},
        {"login hidden title", 101, R"({"loginTitle":"Hi"})", Unchanged},
        {"place rowcol", 102, R"({"rowcol":1})", Rebuilt},
        {"search button width", 107, R"({"btn_w":50})", Restyled},
        {"search button text waits", 107, R"({"btn_text":"Find"})", Unchanged},
        {"play show_item_num", 136, R"({"show_item_num":7})", Rebuilt},
        {"play resize", 136, R"({"w":1000})", Unchanged},
        {"source cell colour waits", 112, R"({"item_normalBkColor":"#ff336699"})", Unchanged},
        {"scene caption colour", 111, R"({"item_normalColor":"#ffff0000"})", Restyled},
        {"status off text", 130, R"({"off_text":"OFF"})", Restyled},
        {"volume thumb", 145, R"({"thumb_w":30})", Restyled},
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
    auto *list = static_cast<UIPlayButtonListWidget *>(buildComposite(136, m_page.get(), jsonFixture(R"({
        "w":900,"h":80,"item_normalBkColor":"#ff010203","prev_button_normalColor":"#ff070809",
        "refresh_button_normal_image_path":"r.png","next_button_bogus":"y","normalColor":"#ff0a0b0c"})")));
    // Each child carries exactly the look keys of its own prefix.
    QCOMPARE(list->prevButton()->style(), jsonFixture(R"({"normalColor":"#ff070809"})"));
    QCOMPARE(list->nextButton()->style(), QJsonObject());
    QCOMPARE(list->refreshButton()->normalPictureFile(), QDir::currentPath() + "/r.png");
    QCOMPARE(list->cells().first()->style().value("normalBkColor").toString(), QString("#ff010203"));
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

QTEST_MAIN(TestKinds)
#include "tst_kinds.moc"
