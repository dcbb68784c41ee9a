#include "canvas/defaultattributes.h"
#include "controls/uiswitchbuttonbase.h"
#include "core/controltypetable.h"
#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/exshownumbutton.h"
#include "preview/exstatusbutton.h"
#include "preview/exswitchbutton.h"
#include "tests/canvas/pagefixture.h"

#include <QSignalSpy>

#include <utility>

using namespace pagefixture;

namespace {

// One page file in both hosts: the page host and a pop-up host at 1920 x 1080.
struct Hosts {
    explicit Hosts(const QString &path)
        : page(1, path)
    {
        page.resize(1920, 1080);
        popup.init(path, 1920, 1080);
        popup.resize(1920, 1080);
        page.show();
        popup.show();
    }
    ExPageHost *host(bool inPopup) { return inPopup ? static_cast<ExPageHost *>(&popup) : &page; }
    ExPageWidget page;
    ExPopPageWidget popup;
};

QWidget *widgetNamed(const ExPageHost *host, const QString &name)
{
    for (const CtrlElement &element : host->elements()) {
        if (element.name == name)
            return element.widget;
    }
    return nullptr;
}

QJsonObject withKeys(QJsonObject object, const QJsonObject &keys)
{
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// Qt's complaints about string connections naming no such signal or slot,
// and about sizes beyond its widget limit.
QStringList g_refused;
QtMessageHandler g_previous = nullptr;
void recordRefusals(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QObject::connect")) || message.startsWith(QLatin1String("QObject::disconnect"))
        || message.contains(QLatin1String("largest allowed size")))
        g_refused << message;
    g_previous(type, context, message);
}

} // namespace

class TestRunKinds : public QObject
{
    Q_OBJECT

private slots:
    // Every connection a creator or a widget makes, or undoes, must exist.
    void initTestCase() { g_previous = qInstallMessageHandler(recordRefusals); }
    void init() { QVERIFY(m_workDir.isValid()); }
    void cleanup()
    {
        GlobalManager::resetInstance();
        flushDeletes();
        const QStringList refused = std::exchange(g_refused, QStringList());
        QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QLatin1Char('\n'))));
    }

    void kindBuildsInItsHosts_data();
    void kindBuildsInItsHosts();
    void modeSelection_data();
    void modeSelection();
    void clickEmitsOwnKeys();
    void switchKnobTickByTick_data();
    void switchKnobTickByTick();
    void statusButtonSequence_data();
    void statusButtonSequence();
    void hugeSizesStayWithinTheWidgetLimit();
    void switchOnCaptionUnderEitherKey();

private:
    QString writeOne(const QJsonObject &object)
    {
        const QString path = m_workDir.filePath(QStringLiteral("page.json"));
        return writePage(path, {pageObject(1920, 1080), object}) ? path : QString();
    }
    TestWorkDir m_workDir;
};

void TestRunKinds::kindBuildsInItsHosts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("inPopup");
    // Click kinds of the macro table, paging and two-state buttons; page-only kinds.
    for (const char *type : {"SceneSaveButton", "OSDButton", "MatrixPageBtn", "AudioButton", "HomeButton"})
        QTest::newRow(type) << type << true;
    for (const char *type : {"FeatureButton", "MeetingButton"})
        QTest::newRow(type) << type << false;
}

void TestRunKinds::kindBuildsInItsHosts()
{
    QFETCH(QString, type);
    QFETCH(bool, inPopup);
    const QString path = writeOne(control(type.toLower(), type + QStringLiteral("_3"), 10, 20, 120, 40));
    Hosts hosts(path);
    QTest::mouseClick(hosts.page.elements().first().widget, Qt::LeftButton);
    for (const bool popup : {false, true}) {
        const ExPageHost *host = hosts.host(popup);
        QCOMPARE(host->elements().size(), popup && !inPopup ? 0 : 1);
        if (!host->elements().isEmpty())
            QCOMPARE(host->elements().first().elementType, runControlTypeFromName(type));
    }
}

void TestRunKinds::modeSelection_data()
{
    QTest::addColumn<bool>("inPopup");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("page: mode 0 after the load") << false << QStringList{} << QStringList{"s0"};
    QTest::newRow("pop-up: none after the load") << true << QStringList{} << QStringList{};
    const QStringList clicks{"s2", "a1", "p1", "a2", "p2"};
    QTest::newRow("pop-up: clicks across groups") << true << clicks << QStringList{"a2", "p2", "s2"};
}

void TestRunKinds::modeSelection()
{
    QFETCH(bool, inPopup);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, selected);
    QJsonArray controls{pageObject(1920, 1080)};
    const struct {
        const char *type, *name, *key;
        int mode;
    } buttons[] = {{"AudioModeButton", "a1", "audio_mode", 1},  {"AudioModeButton", "a2", "audio_mode", 2},
                   {"PreLayoutModeButton", "p1", "mode", 0},     {"PreLayoutModeButton", "p2", "mode", 1},
                   {"SourceModeButton", "s0", "source_mode", 0}, {"SourceModeButton", "s2", "source_mode", 2}};
    int group = 0;
    for (const auto &button : buttons) {
        controls.append(withKeys(control(button.type, button.name, 100 * group, 10, 80, 40),
                                 {{button.key, button.mode}, {"m_group_id", ++group}}));
    }
    const QString path = m_workDir.filePath(QStringLiteral("modes.json"));
    QVERIFY(writePage(path, controls));
    Hosts hosts(path);
    ExPageHost *host = hosts.host(inPopup);
    for (const QString &name : clicks)
        QTest::mouseClick(widgetNamed(host, name), Qt::LeftButton);
    QStringList got;
    for (const CtrlElement &element : host->elements()) {
        if (qobject_cast<ExQButton *>(element.widget)->isSelected())
            got << element.name;
    }
    got.sort();
    QCOMPARE(got, selected);
}

void TestRunKinds::clickEmitsOwnKeys()
{
    const QString path = m_workDir.filePath(QStringLiteral("keys.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080),
                             withKeys(control("MatrixDivBtn", "d", 10, 10, 80, 40), {{"row", "1"}, {"col", 3}}),
                             withKeys(control("SourceTurnButton", "t", 100, 10, 80, 40), {{"index", 1}})}));
    Hosts hosts(path);
    auto *divide = qobject_cast<ExShowNumButton *>(widgetNamed(&hosts.page, "d"));
    QSignalSpy division(divide, SIGNAL(signalSetMartix(int, int)));
    QSignalSpy turn(&hosts.page, SIGNAL(signalsSourcePageTurn(int)));
    QTest::mouseClick(divide, Qt::LeftButton);
    QTest::mouseClick(widgetNamed(&hosts.page, "t"), Qt::LeftButton);
    // A row that is not a number counts as 2.
    QCOMPARE(division.value(0), (QVariantList{2, 3}));
    QCOMPARE(turn.value(0), QVariantList{1});
    divide->onWallChange(1, 7);
    QVERIFY(divide->isHidden());
    // One nobody configured divides into 2 x 2.
    ExShowNumButton fresh;
    QSignalSpy unset(&fresh, SIGNAL(signalSetMartix(int, int)));
    fresh.click();
    QCOMPARE(unset.value(0), (QVariantList{2, 2}));
}

void TestRunKinds::switchKnobTickByTick_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QList<int>>("knob");   // after the press, then after each tick until it stops
    QTest::newRow("105 x 30 passes 80") << QSize(105, 30) << true << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 75};
    QTest::newRow("8 pixels wide arrives") << QSize(8, 4) << true << QList<int>{0, 1, 2, 3, 4, 4};
    QTest::newRow("no animation jumps") << QSize(100, 30) << false << QList<int>{70};
}

void TestRunKinds::switchKnobTickByTick()
{
    QFETCH(QSize, size);
    QFETCH(bool, animation);
    QFETCH(QList<int>, knob);
    ExSwitchButton button;
    button.resize(size);
    button.setAnimation(animation);
    QSignalSpy status(&button, SIGNAL(statusChanged(bool)));
    QVERIFY(saveGrabIfAsked(button.grab().toImage(), QStringLiteral("switch_off.png")));
    QTest::mousePress(&button, Qt::LeftButton);
    QList<int> got{button.knobX()};
    while (button.isSliding() && got.size() < 40) {
        button.UpdateValue();
        got << button.knobX();
    }
    QCOMPARE(got, knob);
    QCOMPARE(status.value(0), QVariantList{true});
    QVERIFY(saveGrabIfAsked(button.grab().toImage(), QStringLiteral("switch_on.png")));
}

void TestRunKinds::statusButtonSequence_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("inPopup");
    QTest::addColumn<QByteArray>("hostSignal");
    QTest::newRow("audio") << "AudioButton" << false << QByteArray("signalGetAudioSwitchData");
    QTest::newRow("video in a pop-up") << "VideoButton" << true << QByteArray("signalGetVideoStatusData");
}

void TestRunKinds::statusButtonSequence()
{
    QFETCH(QString, type);
    QFETCH(bool, inPopup);
    QFETCH(QByteArray, hostSignal);
    Hosts hosts(writeOne(withKeys(control(type, QStringLiteral("s"), 10, 10, 120, 40),
                                  {{"text", "开"}, {"off_text", "关"}, {"normalBkColor", "#ff00ff00"},
                                   {"pressBkColor", "#ff0000ff"}, {"borderRadius", 9}})));
    ExPageHost *host = hosts.host(inPopup);
    auto *button = qobject_cast<ExStatusButton *>(host->elements().first().widget);
    QCOMPARE(button->radius(), inPopup ? 4 : 9);
    QSignalSpy spy(button, SIGNAL(signalStatusChange(int)));
    QStringList looks{button->currentText(), button->currentBkColor()};
    QVERIFY(saveGrabIfAsked(button->grab().toImage(), type + QStringLiteral("_off.png")));
    QTest::mouseClick(button, Qt::LeftButton);
    looks << button->currentText() << button->currentBkColor();
    QVERIFY(saveGrabIfAsked(button->grab().toImage(), type + QStringLiteral("_on.png")));
    QTest::mouseClick(button, Qt::LeftButton);
    for (const int status : {5, 0}) {
        // The host's status signal sets the look without a word back.
        QVERIFY(QMetaObject::invokeMethod(host, hostSignal.constData(), Q_ARG(int, status)));
        looks << button->currentText();
    }
    QCOMPARE(looks, (QStringList{"关", "#ff0000ff", "开", "#ff00ff00", "开", "关"}));
    QCOMPARE(QList<QVariantList>(spy), (QList<QVariantList>{{1}, {0}}));
}

// Neither an int overflow (the sanitizer stops the test) nor Qt's complaint.
void TestRunKinds::hugeSizesStayWithinTheWidgetLimit()
{
    const QString path = m_workDir.filePath(QStringLiteral("huge.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080),
                             jsonFixture(R"({"type": "SourceTab", "w": 300, "h": 200, "direction": 1,
                                             "page_turn_height": 2000000000})"),
                             jsonFixture(R"({"type": "SearchWidget", "w": 300, "h": 40, "btn_w": 2e9})"),
                             jsonFixture(R"({"type": "AudioVolumeWidget", "label_w": 2e9, "label_h": 2e9})")}));
    Hosts hosts(path);
    QCOMPARE(hosts.page.elements().size() + hosts.popup.elements().size(), 10);
}

// The designer's switch and the preview's show the on caption where the row
// and a new switch keep it, and also a file's caption kept under "on_text".
void TestRunKinds::switchOnCaptionUnderEitherKey()
{
    const QJsonObject made = DefaultAttributes::build(130, QRect(10, 10, 120, 40), "CmdStatusButton", 0);
    QJsonObject other = made;
    other.remove("text");
    other.insert("on_text", "Live");
    for (const auto &[object, caption] : {std::pair(made, QString::fromUtf8("开启")), std::pair(other, QString("Live"))}) {
        QWidget canvas;
        QCOMPARE(static_cast<UISwitchButtonBase *>(buildComposite(130, &canvas, object))->onText(), caption);
        Hosts hosts(writeOne(object));
        QCOMPARE(qobject_cast<ExSwitchButton *>(hosts.page.elements().first().widget)->textOn(), caption);
    }
}

QTEST_MAIN(TestRunKinds)
#include "tst_runkinds.moc"
