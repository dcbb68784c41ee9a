#include "preview/expagewidget.h"
#include "preview/expreviewframe.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"
#include "preview/exscenelistframe.h"
#include "preview/exsearchwidget.h"
#include "preview/exsourcestackedwidget.h"
#include "preview/exsrcgrouplistwidget.h"
#include "tests/canvas/pagefixture.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTranslator>
#include <QTreeWidget>

using namespace pagefixture;

namespace {

// Gives "场景" the translation it is asked to.
class WordTranslator : public QTranslator
{
public:
    explicit WordTranslator(const QString &word)
        : m_word(word)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QByteArray(source) == "场景" ? m_word : QString();
    }

private:
    QString m_word;
};

QStringList shownCaptions(const ExTileListFrame *frame)
{
    QStringList captions;
    for (int row = 0; row < frame->list()->count(); ++row) {
        if (!frame->list()->item(row)->isHidden())
            captions << frame->captionOf(row)->text();
    }
    return captions;
}

QPoint rowCentre(const ExTileListFrame *frame, int row)
{
    return frame->list()->visualItemRect(frame->list()->item(row)).center();
}

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

    void tilePaging_data();
    void tilePaging();
    void tileSizes_data();
    void tileSizes();
    void pressMarksCaptions_data();
    void pressMarksCaptions();
    void searchBoxEmissions_data();
    void searchBoxEmissions();
    void searchBoxArrangement_data();
    void searchBoxArrangement();
    void pageTurnSwitchesSourcePage_data();
    void pageTurnSwitchesSourcePage();
    void sceneClickNamesWall_data();
    void sceneClickNamesWall();
    void sceneNamesFitTheirField_data();
    void sceneNamesFitTheirField();

private:
    // A page designed at 1920 x 1080 holding the control, previewed at that size.
    template <typename T>
    T *preview(const QString &type, const QJsonObject &keys = QJsonObject(), int w = 600, int h = 100,
               QJsonArray others = QJsonArray())
    {
        QJsonObject object = control(type, type + QStringLiteral("_0"), 20, 20, w, h);
        for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
            object.insert(it.key(), it.value());
        others.prepend(object);
        others.prepend(pageObject(1920, 1080));
        const QString path = m_workDir.filePath(QStringLiteral("home.json"));
        if (!writePage(path, others))
            return nullptr;
        m_host.reset(new ExPageWidget(1, path));
        m_host->resize(1920, 1080);
        m_host->show();
        if (!QTest::qWaitForWindowExposed(m_host.get()))
            return nullptr;
        return m_host->findChild<T *>();
    }

    // The tiles of a source view or a scene list.
    ExTileListFrame *tiles(const QString &type, const QJsonObject &keys, int w = 600, int h = 100)
    {
        if (type == QLatin1String("SourceTab"))
            return preview<ExPreviewFrame>(type, keys, w, h);
        return preview<ExSceneListFrame>(type, keys, w, h);
    }

    TestWorkDir m_workDir;
    std::unique_ptr<ExPageWidget> m_host;
};

void TestListViews::tilePaging_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("shown");

    const QList<int> firstSources{10, 11, 12, 13, 14};
    const QList<int> secondSources{15, 16, 17, 18, 19};
    QList<int> allSources;
    for (int k = 10; k <= 20; ++k)
        allSources << k;
    QList<int> allScenes;
    for (int i = 0; i < 12; ++i)
        allScenes << i;

    QTest::newRow("sources: first page") << "SourceTab" << 5 << QStringList{} << firstSources;
    QTest::newRow("sources: next") << "SourceTab" << 5 << QStringList{"next"} << secondSources;
    QTest::newRow("sources: last page shows one row") << "SourceTab" << 5 << QStringList{"next", "next"}
                                                      << QList<int>{20};
    QTest::newRow("sources: past the end") << "SourceTab" << 5 << QStringList{"next", "next", "next"}
                                           << QList<int>{20};
    QTest::newRow("sources: back") << "SourceTab" << 5 << QStringList{"next", "next", "prev"} << secondSources;
    QTest::newRow("sources: before the start") << "SourceTab" << 5 << QStringList{"prev"} << firstSources;
    QTest::newRow("sources: one page") << "SourceTab" << 20 << QStringList{"next"} << allSources;
    QTest::newRow("sources: 0 per page is 5") << "SourceTab" << 0 << QStringList{"next"} << secondSources;
    QTest::newRow("sources: empty search shows the surplus rows")
        << "SourceTab" << 5 << QStringList{"next", "next", "search:"} << QList<int>{20, 16, 17, 18, 19};
    QTest::newRow("sources: search hides rows lacking the text")
        << "SourceTab" << 5 << QStringList{"search:.12"} << QList<int>{12};
    QTest::newRow("sources: paging shows the new page") << "SourceTab" << 5 << QStringList{"search:.12", "next"}
                                                        << secondSources;
    QTest::newRow("scenes: every row until a page change") << "SceneList" << 5 << QStringList{} << allScenes;
    QTest::newRow("scenes: next") << "SceneList" << 5 << QStringList{"next"} << QList<int>{5, 6, 7, 8, 9};
    QTest::newRow("scenes: last page") << "SceneList" << 5 << QStringList{"next", "next", "next"}
                                       << QList<int>{10, 11};
    QTest::newRow("scenes: back") << "SceneList" << 5 << QStringList{"next", "next", "prev"}
                                  << QList<int>{5, 6, 7, 8, 9};
    QTest::newRow("scenes: one page") << "SceneList" << 12 << QStringList{"next"} << allScenes;
    QTest::newRow("scenes: a wall change refills from the first page")
        << "SceneList" << 5 << QStringList{"next", "next", "wall"} << allScenes;
    QTest::newRow("scenes: a scene search changes nothing") << "SceneList" << 5 << QStringList{"search:1"}
                                                            << allScenes;
}

void TestListViews::tilePaging()
{
    QFETCH(QString, type);
    QFETCH(int, perPage);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, shown);
    const bool sources = type == QLatin1String("SourceTab");
    ExTileListFrame *frame = tiles(type, {{"show_item_num", perPage}});
    QVERIFY(frame);
    for (const QString &step : steps) {
        if (step == QLatin1String("next"))
            QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
        else if (step == QLatin1String("prev"))
            QTest::mouseClick(frame->prevButton(), Qt::LeftButton);
        else if (step == QLatin1String("wall"))
            m_host->slotOnWallChange(0, 3);
        else if (sources)
            emit m_host->signalSourceSearch(step.mid(7));
        else
            emit m_host->signalSceneSearch(step.mid(7));
    }
    QStringList expected;
    for (int number : shown)
        expected << (sources ? QStringLiteral("192.168.1.%1") : QStringLiteral("场景%1")).arg(number);
    QCOMPARE(shownCaptions(frame), expected);
}

void TestListViews::tileSizes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QJsonObject>("keys");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<QSize>("list");
    QTest::addColumn<int>("buttonSize");

    QTest::newRow("source column") << "SourceTab" << QJsonObject{{"direction", 1}} << QSize(200, 400)
                                   << QSize(190, 63) << QSize(190, 320) << 30;
    QTest::newRow("source row reserves 30 a button") << "SourceTab"
                                                     << QJsonObject{{"direction", 0}, {"page_turn_height", 50}}
                                                     << QSize(600, 100) << QSize(103, 90) << QSize(520, 90) << 50;
    QTest::newRow("scene row") << "SceneList" << QJsonObject{{"direction", 0}} << QSize(600, 100) << QSize(103, 90)
                               << QSize(522, 90) << 30;
    QTest::newRow("scene column") << "SceneList" << QJsonObject{{"direction", 1}} << QSize(200, 400)
                                  << QSize(190, 63) << QSize(190, 322) << 30;
}

void TestListViews::tileSizes()
{
    QFETCH(QString, type);
    QFETCH(QJsonObject, keys);
    QFETCH(QSize, frame);
    QFETCH(QSize, tile);
    QFETCH(QSize, list);
    QFETCH(int, buttonSize);
    ExTileListFrame *built = tiles(type, keys, frame.width(), frame.height());
    QVERIFY(built);
    QCOMPARE(QSize(built->tileWidth(), built->tileHeight()), tile);
    QCOMPARE(built->list()->size(), list);
    QCOMPARE(built->list()->item(0)->sizeHint(), tile);
    const QSize button = built->nextButton()->size();
    QCOMPARE(built->orientation() == 0 ? button.width() : button.height(), buttonSize);
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
    QTest::newRow("pressed twice stays marked") << QStringList{"1", "1"} << 1
                                                << QStringList{none, sel, none, none, none};
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
    auto *frame = preview<ExPreviewFrame>(QStringLiteral("SourceTab"));
    QVERIFY(frame);
    for (const QString &step : steps) {
        if (step == QLatin1String("next"))
            QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
        else if (step == QLatin1String("prev"))
            QTest::mouseClick(frame->prevButton(), Qt::LeftButton);
        else
            QTest::mousePress(frame->list()->viewport(), Qt::LeftButton, {}, rowCentre(frame, step.toInt()));
    }
    QCOMPARE(frame->selectedIndex(), selected);
    QStringList got;
    for (int row = 0; row < frame->list()->count(); ++row)
        got << frame->captionOf(row)->objectName();
    QCOMPARE(got, names);
}

void TestListViews::searchBoxEmissions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("searches");

    QTest::newRow("typing sends nothing") << QStringList{"type"} << QStringList{};
    QTest::newRow("the button searches") << QStringList{"type", "button"} << QStringList{"Hall"};
    QTest::newRow("clearing by hand sends one empty search") << QStringList{"type", "erase"} << QStringList{""};
    QTest::newRow("the clear action sends two") << QStringList{"type", "clear"} << QStringList{"", ""};
    QTest::newRow("the clear action on an empty box sends one") << QStringList{"clear"} << QStringList{""};
}

void TestListViews::searchBoxEmissions()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, searches);
    auto *search = preview<ExSearchWidget>(QStringLiteral("SearchWidget"), {}, 400, 40);
    QVERIFY(search);
    QSignalSpy spy(m_host.get(), SIGNAL(signalSourceSearch(QString)));
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

void TestListViews::searchBoxArrangement_data()
{
    QTest::addColumn<QJsonObject>("keys");
    QTest::addColumn<int>("buttonIndex");   // -1: no layout
    QTest::addColumn<int>("buttonWidth");   // -1: free

    QTest::newRow("0: button first") << QJsonObject{{"direction", 0}} << 0 << 60;
    QTest::newRow("layoutDirection wins over direction") << QJsonObject{{"direction", 0}, {"layoutDirection", 1}}
                                                         << 1 << 60;
    QTest::newRow("2: no layout") << QJsonObject{{"layoutDirection", 2}} << -1 << 60;
    QTest::newRow("btn_w fixes the width") << QJsonObject{{"btn_w", 90}} << 0 << 90;
    QTest::newRow("btn_w 0 leaves it free") << QJsonObject{{"btn_w", 0}, {"layoutDirection", 1}} << 1 << -1;
}

void TestListViews::searchBoxArrangement()
{
    QFETCH(QJsonObject, keys);
    QFETCH(int, buttonIndex);
    QFETCH(int, buttonWidth);
    auto *search = preview<ExSearchWidget>(QStringLiteral("SearchWidget"), keys, 400, 40);
    QVERIFY(search);
    QCOMPARE(search->layout() ? search->layout()->indexOf(search->button()) : -1, buttonIndex);
    QCOMPARE(search->button()->maximumWidth(), buttonWidth < 0 ? QWIDGETSIZE_MAX : buttonWidth);
}

void TestListViews::pageTurnSwitchesSourcePage_data()
{
    QTest::addColumn<QList<int>>("turns");   // the "index" of each page-turn button clicked
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("rootShownAfterSearch");

    QTest::newRow("to the tree") << QList<int>{1} << 1 << false;
    QTest::newRow("beyond the pages") << QList<int>{1, 2} << 1 << false;
    QTest::newRow("negative") << QList<int>{1, -1} << 1 << false;
    QTest::newRow("back to the tiles") << QList<int>{1, 0} << 0 << true;
}

void TestListViews::pageTurnSwitchesSourcePage()
{
    QFETCH(QList<int>, turns);
    QFETCH(int, page);
    QFETCH(bool, rootShownAfterSearch);
    QJsonArray buttons;
    for (int index : {-1, 0, 1, 2}) {
        QJsonObject button = control("SourceTurnButton", QStringLiteral("Turn%1").arg(index), 800 + 100 * index, 20,
                                     80, 40);
        button.insert(QStringLiteral("index"), index);
        buttons.append(button);
    }
    auto *stack = preview<ExSourceStackedWidget>(QStringLiteral("SourceTab"), {}, 600, 100, buttons);
    QVERIFY(stack);
    for (int index : turns)
        QTest::mouseClick(m_host->findChild<QWidget *>(QStringLiteral("Turn%1").arg(index)), Qt::LeftButton);
    QCOMPARE(stack->currentIndex(), page);
    // A search reaches only the page shown.
    auto *tree = stack->findChild<ExSrcGroupListWidget *>();
    emit m_host->signalSourceSearch(QStringLiteral("hall"));
    QCOMPARE(!tree->rootItem()->isHidden(), rootShownAfterSearch);
    emit m_host->signalSourceSearch(QString());
    QVERIFY(!tree->rootItem()->isHidden());
}

void TestListViews::sceneClickNamesWall_data()
{
    QTest::addColumn<bool>("wallChange");
    QTest::addColumn<int>("wallId");

    QTest::newRow("the page's first wall") << false << 0;
    QTest::newRow("a chosen wall") << true << 3;
}

void TestListViews::sceneClickNamesWall()
{
    QFETCH(bool, wallChange);
    QFETCH(int, wallId);
    auto *frame = preview<ExSceneListFrame>(QStringLiteral("SceneList"), {{"show_item_num", 5}});
    QVERIFY(frame);
    if (wallChange)
        m_host->slotOnWallChange(0, 3);
    QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
    QSignalSpy spy(frame, SIGNAL(signalScenePrevewShow(int, int)));
    QTest::mouseClick(frame->list()->viewport(), Qt::LeftButton, {}, rowCentre(frame, 7));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first(), (QList<QVariant>{wallId, 7}));
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
    WordTranslator translator(word);
    if (!word.isEmpty())
        QCoreApplication::installTranslator(&translator);
    auto *frame = preview<ExSceneListFrame>(QStringLiteral("SceneList"));
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(frame);
    const SceneRecord &last = frame->scenes().last();
    QCOMPARE(QByteArray(last.name), lastName);
    QCOMPARE(frame->captionOf(11)->text(), QString::fromUtf8(lastName));
}

QTEST_MAIN(TestListViews)
#include "tst_listviews.moc"
