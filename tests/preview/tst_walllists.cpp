#include "preview/exbuttonlistframe.h"
#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/exqbutton.h"
#include "preview/exscenelistframe.h"
#include "preview/exscreenbuttongroup.h"
#include "preview/exstatusbutton.h"
#include "tests/canvas/pagefixture.h"

#include <QListWidget>
#include <QSignalSpy>

using namespace pagefixture;

namespace {

QJsonObject listControl(const QString &type, const QJsonObject &keys, int w = 400, int h = 60)
{
    QJsonObject object = control(type, type + QStringLiteral("_0"), 20, 20, w, h);
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// The wall names a user sees, in order.
QStringList shownWalls(const ExScreenButtonGroup *group)
{
    QStringList names;
    for (int row = 0; row < group->count(); ++row) {
        if (!group->item(row)->isHidden())
            names << group->buttonAt(row)->text();
    }
    return names;
}

QStringList wallNames(const QString &prefix, const QList<int> &ids)
{
    QStringList names;
    for (int id : ids)
        names << prefix + QString::number(id);
    return names;
}

} // namespace

class TestWallLists : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_workDir.isValid()); }
    void cleanup()
    {
        m_page.reset();
        m_popup.reset();
        flushDeletes();
        GlobalManager::resetInstance();
    }

    void wallPaging_data();
    void wallPaging();
    void wallSelection_data();
    void wallSelection();
    void frameSizes_data();
    void frameSizes();
    void creatorsInBothHosts_data();
    void creatorsInBothHosts();

private:
    // The controls on a page designed at 1920 x 1080, in a page host or a pop-up host of that size.
    ExPageHost *preview(const QJsonArray &controls, bool inPopup = false)
    {
        const QString path = m_workDir.filePath(QStringLiteral("walls.json"));
        QJsonArray page{pageObject(1920, 1080)};
        for (const QJsonValue &object : controls)
            page.append(object);
        if (!writePage(path, page))
            return nullptr;
        ExPageHost *host = nullptr;
        if (inPopup) {
            m_popup.reset(new ExPopPageWidget);
            m_popup->init(path, 1920, 1080);
            m_popup->resize(1920, 1080);
            host = m_popup.get();
        } else {
            m_page.reset(new ExPageWidget(1, path));
            m_page->resize(1920, 1080);
            host = m_page.get();
        }
        host->show();
        return QTest::qWaitForWindowExposed(host) ? host : nullptr;
    }

    TestWorkDir m_workDir;
    std::unique_ptr<ExPageWidget> m_page;
    std::unique_ptr<ExPopPageWidget> m_popup;
};

void TestWallLists::wallPaging_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("nexts");
    QTest::addColumn<int>("prevs");
    QTest::addColumn<QStringList>("shown");

    const QStringList all = wallNames("wall_", {0, 1, 2, 3, 4, 5, 6}) + wallNames("wall_", {0, 1, 2, 3, 4, 5});
    QTest::newRow("thirteen walls, none hidden at start") << "Screenbuttongroup" << 5 << 0 << 0 << all;
    QTest::newRow("next: rows 5 to 9") << "Screenbuttongroup" << 5 << 1 << 0 << QStringList(all.mid(5, 5));
    QTest::newRow("next again: rows 10 to 12") << "Screenbuttongroup" << 5 << 2 << 0 << QStringList(all.mid(10));
    QTest::newRow("a third next does nothing") << "Screenbuttongroup" << 5 << 3 << 0 << QStringList(all.mid(10));
    QTest::newRow("previous back") << "Screenbuttongroup" << 5 << 2 << 1 << QStringList(all.mid(5, 5));
    QTest::newRow("previous from page 0 does nothing") << "Screenbuttongroup" << 5 << 0 << 1 << all;
    QTest::newRow("0 per page is 5") << "Screenbuttongroup" << 0 << 1 << 0 << QStringList(all.mid(5, 5));
    QTest::newRow("-3 per page is 5") << "Screenbuttongroup" << -3 << 1 << 0 << QStringList(all.mid(5, 5));
    QTest::newRow("20 per page: one page") << "Screenbuttongroup" << 20 << 1 << 0 << all;
    QTest::newRow("presentation screens") << "PPTbuttongroup" << 5 << 1 << 0
                                          << wallNames("ppt_", {5, 6, 0, 1, 2});
    QTest::newRow("players") << "Playbuttongroup" << 4 << 3 << 0 << wallNames("video_", {5});
}

void TestWallLists::wallPaging()
{
    QFETCH(QString, type);
    QFETCH(int, perPage);
    QFETCH(int, nexts);
    QFETCH(int, prevs);
    QFETCH(QStringList, shown);
    ExPageHost *host = preview({listControl(type, {{"show_item_num", perPage}})});
    QVERIFY(host);
    auto *frame = host->findChild<ExButtonListFrame *>();
    for (int i = 0; i < nexts; ++i)
        QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
    for (int i = 0; i < prevs; ++i)
        QTest::mouseClick(frame->prevButton(), Qt::LeftButton);
    QCOMPARE(shownWalls(frame->group()), shown);
}

void TestWallLists::wallSelection_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("steps");      // "next" or a row to click
    QTest::addColumn<QStringList>("emitted");    // "type,id" of each choice
    QTest::addColumn<QString>("statuses");       // each row's status, 1 on
    QTest::addColumn<int>("sceneWall");          // the scene list's wall id after the steps

    QTest::newRow("at start the first wall shows off") << "Screenbuttongroup" << QStringList{} << QStringList{}
                                                       << "0111111111111" << 0;
    QTest::newRow("the first wall clicked turns on and is chosen")
        << "Screenbuttongroup" << QStringList{"0"} << QStringList{"1,0"} << "1111111111111" << 0;
    QTest::newRow("wall_3 of type 1") << "Screenbuttongroup" << QStringList{"3"} << QStringList{"1,3"}
                                      << "1110111111111" << 3;
    QTest::newRow("wall_3 of type 0") << "Screenbuttongroup" << QStringList{"next", "next", "10"}
                                      << QStringList{"0,3"} << "1111111111011" << 3;
    QTest::newRow("the current wall again emits nothing, looks on")
        << "Screenbuttongroup" << QStringList{"3", "3"} << QStringList{"1,3"} << "1111111111111" << 3;
    QTest::newRow("another wall") << "Screenbuttongroup" << QStringList{"3", "1"} << QStringList{"1,3", "1,1"}
                                  << "1011111111111" << 1;
    QTest::newRow("a play list selects for itself") << "Playbuttongroup" << QStringList{"2"} << QStringList{"1,2"}
                                                    << "1101111111111" << 0;
    QTest::newRow("a presentation list selects for itself")
        << "PPTbuttongroup" << QStringList{"4"} << QStringList{"1,4"} << "1111011111111" << 0;
}

void TestWallLists::wallSelection()
{
    QFETCH(QString, type);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, emitted);
    QFETCH(QString, statuses);
    QFETCH(int, sceneWall);
    ExPageHost *host = preview({listControl(type, {}), listControl("SceneList", {}, 600, 100)});
    QVERIFY(host);
    auto *frame = host->findChild<ExButtonListFrame *>();
    auto *scenes = host->findChild<ExSceneListFrame *>();
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
    // Only a screen list's choice reaches the page, and through it the scene list.
    QCOMPARE(walls.size(), type == QLatin1String("Screenbuttongroup") ? emitted.size() : 0);
    QCOMPARE(scenes->wallId(), sceneWall);
    QString looks;
    for (int row = 0; row < group->count(); ++row)
        looks += QString::number(group->buttonAt(row)->status());
    QCOMPARE(looks, statuses);
}

void TestWallLists::frameSizes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("group");
    QTest::addColumn<QSize>("cell");

    QTest::newRow("row") << "Screenbuttongroup" << QSize(400, 60) << 0 << QRect(20, 0, 360, 60) << QSize(62, 50);
    QTest::newRow("column") << "PPTbuttongroup" << QSize(100, 300) << 1 << QRect(0, 20, 100, 260)
                            << QSize(90, 42);
    // The play list's three gaps of 2 pixels come off the group, not off its last button.
    QTest::newRow("play row") << "Playbuttongroup" << QSize(400, 60) << 0 << QRect(44, 0, 334, 60)
                              << QSize(56, 50);
    QTest::newRow("play column") << "Playbuttongroup" << QSize(100, 300) << 1 << QRect(0, 44, 100, 234)
                                 << QSize(90, 36);
}

void TestWallLists::frameSizes()
{
    QFETCH(QString, type);
    QFETCH(QSize, frame);
    QFETCH(int, direction);
    QFETCH(QRect, group);
    QFETCH(QSize, cell);
    ExPageHost *host = preview({listControl(type, {{"direction", direction}}, frame.width(), frame.height())});
    QVERIFY(host);
    auto *built = host->findChild<ExButtonListFrame *>();
    QCOMPARE(built->size(), frame);
    QCOMPARE(built->group()->geometry(), group);
    QCOMPARE(built->group()->item(0)->sizeHint(), cell);
    // The page-turn buttons at either end, 20 pixels thick.
    const QRect next = built->nextButton()->geometry();
    QCOMPARE(direction == 0 ? next.right() : next.bottom(), direction == 0 ? frame.width() - 1 : frame.height() - 1);
    QCOMPARE(direction == 0 ? next.width() : next.height(), 20);
    const int prevAt = type == QLatin1String("Playbuttongroup") ? 22 : 0;
    QCOMPARE(built->prevButton()->geometry().topLeft(), direction == 0 ? QPoint(prevAt, 0) : QPoint(0, prevAt));
}

void TestWallLists::creatorsInBothHosts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("inPopup");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("objectName");

    const struct {
        const char *type;
        QList<int> elements;
        const char *className;
        const char *objectName;
        bool inPopup;
    } rows[] = {
        {"Screenbuttongroup", {30}, "ExScreenButtonListFrame", "ScreenButtonListGroup", true},
        {"Playbuttongroup", {31}, "ExPlayButtonListFrame", "PlayButtonListGroup", false},
        {"PPTbuttongroup", {32}, "ExPPTButtonListFrame", "PPTButtonListGroup", false},
        {"SceneList", {35}, "ExSceneListFrame", "scenewidget", true},
        {"SourceTab", {36, 37, 38}, "ExSourceStackedWidget", "", true},
        {"SearchWidget", {40}, "ExSearchWidget", "SearchWidget", true},
    };
    for (const auto &row : rows) {
        for (const bool popup : {false, true}) {
            QTest::newRow(qPrintable(QString::fromLatin1(row.type) + (popup ? " in a pop-up" : "")))
                << row.type << popup << (popup && !row.inPopup ? QList<int>{} : row.elements) << row.className
                << row.objectName;
        }
    }
}

void TestWallLists::creatorsInBothHosts()
{
    QFETCH(QString, type);
    QFETCH(bool, inPopup);
    QFETCH(QList<int>, elements);
    QFETCH(QString, className);
    QFETCH(QString, objectName);
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
    QCOMPARE(first.widget->metaObject()->className(), qPrintable(className));
    QCOMPARE(first.widget->objectName(), objectName);
    QCOMPARE(first.hostName, host->objectName());
    QCOMPARE(first.name, type + QStringLiteral("_0"));
    const bool keepsRef = type.endsWith(QLatin1String("group")) || type == QLatin1String("SearchWidget");
    QCOMPARE(first.ref, keepsRef ? QStringLiteral("r1") : QString());
    if (auto *frame = qobject_cast<ExButtonListFrame *>(first.widget)) {
        // A pop-up reads no corner radius: the wall buttons keep their own.
        ExStatusButton *button = frame->group()->buttonAt(1);
        QCOMPARE(button->radius(), inPopup ? 4 : 9);
        QCOMPARE(button->currentFontSize(), 14);
    }
    if (auto *scenes = qobject_cast<ExSceneListFrame *>(first.widget)) {
        // Before any wall choice a pop-up's scene names the page's first wall.
        QSignalSpy spy(scenes, SIGNAL(signalScenePrevewShow(int, int)));
        QTest::mouseClick(scenes->list()->viewport(), Qt::LeftButton, {},
                          scenes->list()->visualItemRect(scenes->list()->item(2)).center());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first(), (QList<QVariant>{0, 2}));
    }
}

QTEST_MAIN(TestWallLists)
#include "tst_walllists.moc"
