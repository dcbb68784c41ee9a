#include "controls/cellbudget.h"
#include "core/controltypetable.h"
#include "preview/exbuttonlistframe.h"
#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/expreviewframe.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"
#include "preview/exscenelistframe.h"
#include "preview/exscreenbuttongroup.h"
#include "preview/exsearchwidget.h"
#include "preview/exsourcestackedwidget.h"
#include "preview/exsrcgrouplistwidget.h"
#include "preview/exstatusbutton.h"
#include "tests/canvas/pagefixture.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTranslator>
#include <QTreeWidget>

#include <numeric>

using namespace pagefixture;

namespace {

// Gives "场景" the translation it is asked to.
class WordTranslator : public QTranslator
{
public:
    QString word;
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QByteArray(source) == "场景" ? word : QString();
    }
};

QJsonObject listControl(const QString &type, const QJsonObject &keys = {}, int w = 600, int h = 100)
{
    QJsonObject object = control(type, type + QStringLiteral("_0"), 20, 20, w, h);
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QStringList names(const QString &prefix, const QList<int> &numbers)
{
    QStringList list;
    for (int number : numbers)
        list << prefix + QString::number(number);
    return list;
}

QPoint rowCentre(const QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

// The list of a tile frame or a wall-button group, its page buttons and the
// texts of the rows a user sees.
struct Paged {
    QListWidget *list = nullptr;
    QAbstractButton *prev = nullptr;
    QAbstractButton *next = nullptr;
    std::function<QString(int)> text;

    explicit Paged(QWidget *host)
    {
        if (auto *tiles = host->findChild<ExTileListFrame *>()) {
            list = tiles->list();
            prev = tiles->prevButton();
            next = tiles->nextButton();
            text = [tiles](int row) { return tiles->captionOf(row)->text(); };
        } else if (auto *walls = host->findChild<ExButtonListFrame *>()) {
            list = walls->group();
            prev = walls->prevButton();
            next = walls->nextButton();
            text = [walls](int row) { return walls->group()->buttonAt(row)->text(); };
        }
    }
    QStringList shown() const
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->isHidden())
                texts << text(row);
        }
        return texts;
    }
};

} // namespace

class TestListViews : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_workDir.isValid()); }
    void cleanup()
    {
        m_host.reset();
        flushDeletes();
        GlobalManager::resetInstance();
    }

    void paging_data();
    void paging();
    void wallChangeRebuildsOnlyTouchedScenes();
    void wallFrameSizes_data();
    void wallFrameSizes();
    void wallSelection_data();
    void wallSelection();
    void pressMarksCaptions_data();
    void pressMarksCaptions();
    void searchBox_data();
    void searchBox();
    void pageTurnSwitchesSourcePage_data();
    void pageTurnSwitchesSourcePage();
    void sceneNamesFitTheirField_data();
    void sceneNamesFitTheirField();
    void creatorsInBothHosts_data();
    void creatorsInBothHosts();
    void listsLookLikeTheirControls();
    void listsOfAPageShareOneBudget_data();
    void listsOfAPageShareOneBudget();

private:
    // The controls on a page designed at 1920 x 1080, previewed at that size
    // in a page host or a pop-up host.
    ExPageHost *preview(const QJsonArray &controls, bool inPopup = false)
    {
        const QString path = m_workDir.filePath(QStringLiteral("lists.json"));
        QJsonArray page{pageObject(1920, 1080)};
        for (const QJsonValue &object : controls)
            page.append(object);
        if (!writePage(path, page))
            return nullptr;
        if (inPopup) {
            auto *popup = new ExPopPageWidget;
            m_host.reset(popup);
            popup->init(path, 1920, 1080);
        } else {
            m_host.reset(new ExPageWidget(1, path));
        }
        m_host->resize(1920, 1080);
        m_host->show();
        return QTest::qWaitForWindowExposed(m_host.get()) ? m_host.get() : nullptr;
    }

    TestWorkDir m_workDir;
    std::unique_ptr<ExPageHost> m_host;
};

void TestListViews::paging_data()
{
    QTest::addColumn<QJsonObject>("control");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");

    const QJsonObject sources = listControl("SourceTab");
    const QJsonObject scenes = listControl("SceneList");
    const QJsonObject walls = listControl("Screenbuttongroup", {}, 400, 60);
    const QStringList allScenes = names("场景", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    const QStringList allWalls = names("wall_", {0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5});
    const QStringList second = names("192.168.1.", {15, 16, 17, 18, 19});
    QTest::newRow("sources: first page") << sources << QStringList{} << names("192.168.1.", {10, 11, 12, 13, 14});
    QTest::newRow("sources: last page, past it") << sources << QStringList{"next", "next", "next"}
                                                 << names("192.168.1.", {20});
    QTest::newRow("sources: empty search shows the surplus rows")
        << sources << QStringList{"next", "next", "search:"} << names("192.168.1.", {20, 16, 17, 18, 19});
    QTest::newRow("sources: search hides rows lacking the text") << sources << QStringList{"search:.12"}
                                                                 << names("192.168.1.", {12});
    QTest::newRow("sources: paging shows the new page") << sources << QStringList{"search:.12", "next"} << second;
    QTest::newRow("scenes: every row until a page change") << scenes << QStringList{} << allScenes;
    QTest::newRow("scenes: last page, past it, back") << scenes << QStringList{"next", "next", "next", "prev", "next"}
                                                      << names("场景", {10, 11});
    QTest::newRow("scenes: a wall change refills from the first page")
        << scenes << QStringList{"next", "next", "wall"} << allScenes;
    QTest::newRow("walls: none hidden at start") << walls << QStringList{"prev"} << allWalls;
    QTest::newRow("presentation screens") << listControl("PPTbuttongroup", {{"show_item_num", -3}}, 400, 60)
                                          << QStringList{"next"} << names("ppt_", {5, 6, 0, 1, 2});
    QTest::newRow("players") << listControl("Playbuttongroup", {{"show_item_num", 4}}, 400, 60)
                             << QStringList{"next", "next", "next"} << names("video_", {5});
}

void TestListViews::paging()
{
    QFETCH(QJsonObject, control);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    ExPageHost *host = preview({control});
    QVERIFY(host);
    const Paged paged(host);
    for (const QString &step : steps) {
        if (step == QLatin1String("next") || step == QLatin1String("prev"))
            QTest::mouseClick(step == QLatin1String("next") ? paged.next : paged.prev, Qt::LeftButton);
        else if (step == QLatin1String("wall"))
            host->slotOnWallChange(0, 3);
        else
            emit host->signalSourceSearch(step.mid(7));
    }
    QCOMPARE(paged.shown(), shown);
}

void TestListViews::wallChangeRebuildsOnlyTouchedScenes()
{
    // The page changes the wall right after it built its lists: rows that
    // nobody paged, chose or scrolled yet are kept, not made a second time
    // (a second set would wait for deletion beside the first).
    const QString path = m_workDir.filePath(QStringLiteral("scenes.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), listControl("SceneList")}));
    m_host.reset(new ExPageWidget(1, path));
    m_host->resize(1920, 1080);
    m_host->show();
    auto *scenes = m_host->findChild<ExSceneListFrame *>();
    QCOMPARE(scenes->list()->findChildren<ExQLabel *>().size(), 2 * ExSceneListFrame::kSceneCount);
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    // A chosen scene goes with its rows at the next wall change.
    const QPointer<ExQLabel> built = scenes->captionOf(0);
    QTest::mouseClick(scenes->list()->viewport(), Qt::LeftButton, {}, rowCentre(scenes->list(), 1));
    QVERIFY(scenes->list()->currentItem());
    m_host->slotOnWallChange(0, 4);
    QVERIFY(scenes->captionOf(0) != built.data());
    QVERIFY(!scenes->list()->currentItem());
    QCOMPARE(scenes->wallId(), 4);
}

void TestListViews::wallFrameSizes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("group");
    QTest::addColumn<QSize>("cell");

    // Ten a page, as the palette makes the play and presentation lists.
    QTest::newRow("row") << "Screenbuttongroup" << QSize(400, 60) << 0 << QRect(20, 0, 360, 60) << QSize(26, 50);
    // The play list's three gaps of 2 pixels come off the group, not off its last button.
    QTest::newRow("play row") << "Playbuttongroup" << QSize(400, 60) << 0 << QRect(44, 0, 334, 60)
                              << QSize(23, 50);
    // 7.9 pixels a button: the spacing gives way.
    QTest::newRow("play column") << "Playbuttongroup" << QSize(258, 145) << 1 << QRect(0, 44, 258, 79)
                                 << QSize(256, 5);
    QTest::newRow("one pixel holds one") << "PPTbuttongroup" << QSize(258, 41) << 1 << QRect(0, 20, 258, 1)
                                         << QSize(258, 1);
}

void TestListViews::wallFrameSizes()
{
    QFETCH(QString, type);
    QFETCH(QSize, frame);
    QFETCH(int, direction);
    QFETCH(QRect, group);
    QFETCH(QSize, cell);
    ExPageHost *host = preview({listControl(type, {{"direction", direction}, {"show_item_num", 10}},
                                            frame.width(), frame.height())});
    QVERIFY(host);
    auto *built = host->findChild<ExButtonListFrame *>();
    QCOMPARE(built->size(), frame);
    QCOMPARE(built->group()->geometry(), group);
    QCOMPARE(built->group()->item(0)->sizeHint(), cell);
    // The next-page button closes the row or column, 20 pixels thick.
    const QRect next = built->nextButton()->geometry();
    QCOMPARE(direction == 0 ? QPoint(next.right(), next.width()) : QPoint(next.bottom(), next.height()),
             QPoint((direction == 0 ? frame.width() : frame.height()) - 1, 20));
}

void TestListViews::wallSelection_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("steps");     // "next" or a row to click
    QTest::addColumn<QStringList>("emitted");   // "type,id" of each choice
    QTest::addColumn<QString>("statuses");      // each row's status, 1 on
    QTest::addColumn<int>("sceneWall");         // the wall a scene click then names

    const QString group = QStringLiteral("Screenbuttongroup");
    QTest::newRow("at start the first wall shows off") << group << QStringList{} << QStringList{}
                                                       << "0111111111111" << 0;
    QTest::newRow("the first wall clicked turns on and is chosen")
        << group << QStringList{"0"} << QStringList{"1,0"} << "1111111111111" << 0;
    QTest::newRow("wall_3 of type 1, then wall_1") << group << QStringList{"3", "1"} << QStringList{"1,3", "1,1"}
                                                   << "1011111111111" << 1;
    QTest::newRow("wall_3 of type 0") << group << QStringList{"next", "next", "10"} << QStringList{"0,3"}
                                      << "1111111111011" << 3;
    QTest::newRow("the current wall again emits nothing, looks on")
        << group << QStringList{"3", "3"} << QStringList{"1,3"} << "1111111111111" << 3;
    QTest::newRow("a play list selects for itself") << "Playbuttongroup" << QStringList{"2"} << QStringList{"1,2"}
                                                    << "1101111111111" << 0;
}

void TestListViews::wallSelection()
{
    QFETCH(QString, type);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, emitted);
    QFETCH(QString, statuses);
    QFETCH(int, sceneWall);
    ExPageHost *host = preview({listControl(type, {}, 400, 60), listControl("SceneList", {}, 600, 100)});
    QVERIFY(host);
    auto *frame = host->findChild<ExButtonListFrame *>();
    ExScreenButtonGroup *group = frame->group();
    QSignalSpy choices(group, SIGNAL(signalsSelWall(int, int)));
    QSignalSpy walls(host, SIGNAL(signalWallChange(int, int)));
    for (const QString &step : steps) {
        if (step == QLatin1String("next"))
            QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
        else
            QTest::mouseClick(group->buttonAt(step.toInt()), Qt::LeftButton);
    }
    QStringList got;
    for (const QList<QVariant> &arguments : qAsConst(choices))
        got << arguments.at(0).toString() + QLatin1Char(',') + arguments.at(1).toString();
    QCOMPARE(got, emitted);
    QString looks;
    for (int row = 0; row < group->count(); ++row)
        looks += QString::number(group->buttonAt(row)->status());
    QCOMPARE(looks, statuses);
    // Only a screen list's choice reaches the page, and through it the scene list.
    QCOMPARE(walls.size(), type == QLatin1String("Screenbuttongroup") ? emitted.size() : 0);
    auto *scenes = host->findChild<ExSceneListFrame *>();
    QSignalSpy shown(scenes, SIGNAL(signalScenePrevewShow(int, int)));
    QTest::mouseClick(scenes->nextButton(), Qt::LeftButton);
    QTest::mouseClick(scenes->list()->viewport(), Qt::LeftButton, {}, rowCentre(scenes->list(), 7));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first(), (QList<QVariant>{sceneWall, 7}));
}

void TestListViews::pressMarksCaptions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("names");

    const QString sel = QStringLiteral("signalNameTextSel");
    const QString unsel = QStringLiteral("signalNameTextUnSel");
    const QString none = QStringLiteral("QLabel");
    QTest::newRow("a press on page 1 counts the page") << QStringList{"next", "2"} << 7
                                                       << QStringList{unsel, unsel, sel, unsel, unsel};
    QTest::newRow("paging back and again marks the row") << QStringList{"next", "2", "prev", "next"} << 7
                                                         << QStringList{unsel, unsel, sel, unsel, unsel};
    QTest::newRow("another row takes the mark") << QStringList{"1", "3"} << 3
                                                << QStringList{none, unsel, none, sel, none};
    QTest::newRow("the same row on another page keeps it") << QStringList{"0", "next", "0"} << 5
                                                           << QStringList{sel, unsel, unsel, unsel, unsel};
}

void TestListViews::pressMarksCaptions()
{
    QFETCH(QStringList, steps);
    QFETCH(int, selected);
    QFETCH(QStringList, names);
    ExPageHost *host = preview({listControl("SourceTab")});
    QVERIFY(host);
    auto *frame = host->findChild<ExPreviewFrame *>();
    for (const QString &step : steps) {
        if (step == QLatin1String("next"))
            QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
        else if (step == QLatin1String("prev"))
            QTest::mouseClick(frame->prevButton(), Qt::LeftButton);
        else
            QTest::mousePress(frame->list()->viewport(), Qt::LeftButton, {}, rowCentre(frame->list(), step.toInt()));
    }
    QCOMPARE(frame->selectedIndex(), selected);
    QStringList got;
    for (int row = 0; row < frame->list()->count(); ++row)
        got << frame->captionOf(row)->objectName();
    QCOMPARE(got, names);
}

void TestListViews::searchBox_data()
{
    QTest::addColumn<QJsonObject>("keys");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("searches");

    QTest::newRow("typing sends nothing") << QJsonObject{} << QStringList{"type"} << QStringList{};
    QTest::newRow("the button searches") << QJsonObject{{"direction", 0}, {"layoutDirection", 1}}
                                         << QStringList{"type", "button"} << QStringList{"Hall"};
    QTest::newRow("clearing by hand sends one empty search") << QJsonObject{} << QStringList{"type", "erase"}
                                                             << QStringList{""};
    QTest::newRow("the clear action sends two") << QJsonObject{{"layoutDirection", 2}} << QStringList{"type", "clear"}
                                                << QStringList{"", ""};
}

void TestListViews::searchBox()
{
    QFETCH(QJsonObject, keys);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, searches);
    ExPageHost *host = preview({listControl("SearchWidget", keys, 400, 40)});
    QVERIFY(host);
    auto *search = host->findChild<ExSearchWidget *>();
    QSignalSpy spy(host, SIGNAL(signalSourceSearch(QString)));
    for (const QString &step : steps) {
        if (step == QLatin1String("type"))
            QTest::keyClicks(search->edit(), QStringLiteral("Hall"));
        else if (step == QLatin1String("button"))
            QTest::mouseClick(search->button(), Qt::LeftButton);
        else if (step == QLatin1String("erase"))
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(search->edit(), Qt::Key_Backspace);
        else
            search->clearAction()->trigger();
    }
    QStringList got;
    for (const QList<QVariant> &arguments : qAsConst(spy))
        got << arguments.first().toString();
    QCOMPARE(got, searches);
}

void TestListViews::pageTurnSwitchesSourcePage_data()
{
    QTest::addColumn<QList<int>>("turns");   // the "index" of each page-turn button clicked
    QTest::addColumn<int>("page");

    QTest::newRow("to the tree") << QList<int>{1} << 1;
    QTest::newRow("beyond the pages, or negative") << QList<int>{1, 2, -1} << 1;
    QTest::newRow("back to the tiles") << QList<int>{1, 0} << 0;
}

void TestListViews::pageTurnSwitchesSourcePage()
{
    QFETCH(QList<int>, turns);
    QFETCH(int, page);
    QJsonArray controls{listControl("SourceTab")};
    for (int index : {-1, 0, 1, 2})
        controls.append(listControl("SourceTurnButton", {{"index", index}, {"name", QString::number(index)}}, 80, 40));
    ExPageHost *host = preview(controls);
    QVERIFY(host);
    auto *stack = host->findChild<ExSourceStackedWidget *>();
    for (int index : turns)
        QTest::mouseClick(host->findChild<QWidget *>(QString::number(index)), Qt::LeftButton);
    QCOMPARE(stack->currentIndex(), page);
    // A search reaches only the page shown: the tree hides its root.
    auto *tree = stack->findChild<ExSrcGroupListWidget *>();
    QCOMPARE(tree->tree()->isVisible(), page == 1);
    emit host->signalSourceSearch(QStringLiteral("hall"));
    QCOMPARE(tree->rootItem()->isHidden(), page == 1);
    emit host->signalSourceSearch(QString());
    QVERIFY(!tree->rootItem()->isHidden());
}

void TestListViews::sceneNamesFitTheirField_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("lastName");

    QTest::newRow("untranslated") << QString() << QByteArray("场景11");
    // 1 + 20 x 3 bytes fit into 63; the 21st character would be split.
    QTest::newRow("long translation") << QString(QStringLiteral("a") + QString(30, QChar(0x573A)))
                                      << QByteArray("a") + QString(20, QChar(0x573A)).toUtf8();
}

void TestListViews::sceneNamesFitTheirField()
{
    QFETCH(QString, word);
    QFETCH(QByteArray, lastName);
    WordTranslator translator;
    translator.word = word;
    if (!word.isEmpty())
        QCoreApplication::installTranslator(&translator);
    ExPageHost *host = preview({listControl("SceneList")});
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(host);
    auto *frame = host->findChild<ExSceneListFrame *>();
    QCOMPARE(QByteArray(frame->scenes().last().name), lastName);
    QCOMPARE(frame->captionOf(11)->text(), QString::fromUtf8(lastName));
}

void TestListViews::creatorsInBothHosts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("inPopup");
    QTest::addColumn<QList<int>>("elements");

    const struct {
        const char *type;
        QList<int> elements;
        bool inPopup;
    } rows[] = {
        {"Screenbuttongroup", {30}, true}, {"Playbuttongroup", {31}, false}, {"PPTbuttongroup", {32}, false},
        {"SceneList", {35}, true},         {"SourceTab", {36, 37, 38}, true}, {"SearchWidget", {40}, true},
    };
    for (const auto &row : rows) {
        for (const bool popup : {false, true}) {
            QTest::newRow(qPrintable(QString::fromLatin1(row.type) + (popup ? " in a pop-up" : "")))
                << row.type << popup << (popup && !row.inPopup ? QList<int>{} : row.elements);
        }
    }
}

void TestListViews::creatorsInBothHosts()
{
    QFETCH(QString, type);
    QFETCH(bool, inPopup);
    QFETCH(QList<int>, elements);
    ExPageHost *host = preview({listControl(type, {{"ref", "r1"}, {"borderRadius", 9}, {"fontsize", 0}})}, inPopup);
    QVERIFY(host);
    QList<int> types;
    for (const CtrlElement &element : host->elements())
        types << element.elementType;
    QCOMPARE(types, elements);
    QCOMPARE(host->connectFailures(), 0);
    if (elements.isEmpty())
        return;
    const CtrlElement &first = host->elements().first();
    const bool keepsRef = type.endsWith(QLatin1String("group")) || type == QLatin1String("SearchWidget");
    QCOMPARE(first.ref, keepsRef ? QStringLiteral("r1") : QString());
    if (auto *frame = qobject_cast<ExButtonListFrame *>(first.widget)) {
        // A pop-up reads no corner radius: the wall buttons keep their own.
        QCOMPARE(frame->group()->buttonAt(1)->radius(), inPopup ? 4 : 9);
        QCOMPARE(frame->group()->buttonAt(1)->currentFontSize(), 14);
    }
    if (auto *scenes = qobject_cast<ExSceneListFrame *>(first.widget)) {
        // Before any wall choice a pop-up's scenes name the page's first wall.
        QSignalSpy spy(scenes, SIGNAL(signalScenePrevewShow(int, int)));
        QTest::mouseClick(scenes->list()->viewport(), Qt::LeftButton, {}, rowCentre(scenes->list(), 2));
        QCOMPARE(spy.value(0), (QList<QVariant>{0, 2}));
    }
}

// The tiled and button lists on one page, in rows and columns, with colours a pixel can
// tell apart: page-turn buttons red, items green, items showing off amber.
void TestListViews::listsLookLikeTheirControls()
{
    const char *const page[] = {
        R"({"type":"SceneList","name":"SceneColumn","x":1200,"y":20,"w":200,"h":600,"direction":1,
            "show_item_num":4,"item_normalBkColor":"#ff30a050","item_normalColor":"#ffffffff",
            "normalBkColor":"#ff303840","prev_button_normalBkColor":"#ffc03030",
            "next_button_normalBkColor":"#ffc03030"})",
        R"({"type":"Playbuttongroup","name":"Players","x":20,"y":560,"w":600,"h":60,"direction":0,
            "borderRadius":8,"item_normalBkColor":"#ff30a050","item_pressBkColor":"#ffe0a020",
            "item_normalColor":"#ffffffff","prev_button_normalBkColor":"#ffc03030",
            "next_button_normalBkColor":"#ffc03030","refresh_button_normalBkColor":"#ff8040c0"})",
        R"({"type":"PPTbuttongroup","name":"Screens","x":1440,"y":20,"w":120,"h":400,"direction":1,
            "show_item_num":4,"item_normalBkColor":"#ff30a050","item_pressBkColor":"#ffe0a020",
            "item_normalColor":"#ffffffff","prev_button_normalBkColor":"#ffc03030",
            "next_button_normalBkColor":"#ffc03030","normalBkColor":"#ff303840"})",
    };
    QJsonArray controls;
    for (const char *object : page)
        controls.append(jsonFixture(object));
    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    ExPageHost *host = preview(controls);
    QVERIFY(host);
    const QImage shot = host->grab().toImage();
    QVERIFY(saveGrabIfAsked(shot, QStringLiteral("preview_lists.png")));
    const QColor red(0xc0, 0x30, 0x30);
    const QColor green(0x30, 0xa0, 0x50);
    const QColor amber(0xe0, 0xa0, 0x20);
    const struct {
        QPoint at;
        QColor colour;
    } looks[] = {
        {{1300, 30}, red},                     // scene column: previous page on top
        {{1300, 80}, green},                   // a scene tile
        {{1300, 610}, red},                    // next page at the bottom
        {{25, 590}, QColor(0x80, 0x40, 0xc0)},   // players: refresh first
        {{50, 590}, red},                      // then previous page
        {{90, 570}, amber},                    // the first player shows off
        {{560, 575}, green},                   // the fifth player is whole
        {{615, 590}, red},                     // next page at the right end
        {{1453, 53}, amber},                   // presentation screens: the first shows off
        {{1500, 415}, red},                    // next page at the bottom
    };
    for (const auto &look : looks)
        QCOMPARE(shot.pixelColor(look.at), look.colour);
}

void TestListViews::listsOfAPageShareOneBudget_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("wanted");   // the rows of one list, all on one page
    QTest::newRow("walls") << "Screenbuttongroup" << int(ExScreenButtonGroup::kWallCount);
    QTest::newRow("scenes") << "SceneList" << int(ExSceneListFrame::kSceneCount);
    QTest::newRow("sources") << "SourceTab" << int(ExPreviewFrame::kSourceCount);
}

// More rows than the budget go in file order, one a list once it is spent;
// a reload builds the same again.
void TestListViews::listsOfAPageShareOneBudget()
{
    QFETCH(QString, type);
    QFETCH(int, wanted);
    QJsonArray controls;
    for (int i = CellBudget::kCellsPerPage / wanted + 2; i > 0; --i)
        controls.append(listControl(type, {{"show_item_num", wanted}}, 60, 20));
    ExPageHost *host = preview(controls);
    QVERIFY(host);
    for (int load = 0; load < 2; ++load) {
        host->resize(1900, 1000 + load);
        flushDeletes();
        QList<int> rows;
        for (const CtrlElement &element : host->elements()) {
            if (element.elementType == runControlTypeFromName(type))
                rows << element.widget->findChild<QListWidget *>()->count();
        }
        // The last list but one spends the budget, the last gets one row beyond.
        QCOMPARE(rows.first(), wanted);
        QCOMPARE(rows.last(), 1);
        QCOMPARE(std::accumulate(rows.begin(), rows.end(), 0), CellBudget::kCellsPerPage + 1);
    }
}

QTEST_MAIN(TestListViews)
#include "tst_listviews.moc"
