#include "preview/exaudiomodebutton.h"
#include "preview/expagebutton.h"
#include "preview/expagewidget.h"
#include "tests/canvas/pagefixture.h"

#include <QPointer>
#include <QSignalSpy>

using namespace pagefixture;

namespace {

// name, run-time id, group, self-locking, mode, the host slot its click reaches
struct Registered {
    const char *name;
    int typeId;
    int group;
    int selfLocking;
    int mode;
    const char *slot;
};

const Registered kButtons[] = {
    {"A", 6, 2, 0, 0, SLOT(slotCmdButtonSelect())},
    {"B", 6, 2, 0, 0, SLOT(slotCmdButtonSelect())},
    {"C", 6, 3, 0, 0, SLOT(slotCmdButtonSelect())},
    {"S", 6, 0, 1, 0, SLOT(slotCmdButtonSelect())},
    {"Z", 6, 0, 0, 0, SLOT(slotCmdButtonSelect())},
    {"F1", 20, 1, 0, 0, SLOT(slotOnFeatureButtonClick())},
    {"F2", 20, 1, 0, 0, SLOT(slotOnFeatureButtonClick())},
    {"M5", 44, 0, 0, 5, SLOT(slotAudioModeSelect())},
    {"M2", 44, 4, 0, 2, SLOT(slotAudioModeSelect())},
    {"P1", 18, 1, 0, 0, SLOT(slotPreLayoutModeSelect())},
    {"P2", 18, 2, 0, 0, SLOT(slotPreLayoutModeSelect())},
    {"R1", 45, 1, 0, 0, SLOT(slotSourceModeSelect())},
    {"R2", 45, 2, 0, 0, SLOT(slotSourceModeSelect())},
};

ExQButton *makeButton(const Registered &row, QWidget *host)
{
    if (row.typeId == 44) {
        auto *button = new ExAudioModeButton(host);
        button->setMode(row.mode);
        return button;
    }
    return new ExQButton(host);
}

} // namespace

class TestPageRelay : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_workDir.isValid()); }
    void cleanup() { GlobalManager::resetInstance(); }

    void clickSequences_data();
    void clickSequences();
    void loadSignalsAndReloadsKeepOneSet();
    void pageButtonTarget_data();
    void pageButtonTarget();

private:
    TestWorkDir m_workDir;
};

void TestPageRelay::clickSequences_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QList<int>>("audioModes");

    QTest::newRow("group interlock") << QStringList{"A", "C", "B"} << QStringList{"B", "C"} << QList<int>{};
    QTest::newRow("self-locking toggles alone") << QStringList{"A", "S", "S", "S"} << QStringList{"A", "S"}
                                                << QList<int>{};
    QTest::newRow("group 0 selects nothing") << QStringList{"Z"} << QStringList{} << QList<int>{};
    QTest::newRow("feature group, queued") << QStringList{"F1", "F2"} << QStringList{"F2"} << QList<int>{};
    QTest::newRow("audio mode outside 0-2 emitted as 0") << QStringList{"M5", "M2"} << QStringList{"M2"}
                                                         << QList<int>{0, 2};
}

void TestPageRelay::clickSequences()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, selected);
    QFETCH(QList<int>, audioModes);
    ExPageWidget host(1, QString());
    host.resize(800, 400);
    QMap<QString, ExQButton *> buttons;
    int x = 0;
    for (const Registered &row : kButtons) {
        ExQButton *button = makeButton(row, &host);
        button->setGroupId(row.group);
        button->setSelfLocking(row.selfLocking);
        button->setGeometry(x, 0, 40, 40);
        x += 50;
        QVERIFY(QObject::connect(button, SIGNAL(clicked()), &host, row.slot,
                                 row.typeId == 20 ? Qt::QueuedConnection : Qt::AutoConnection));
        CtrlElement element;
        element.widget = button;
        element.elementType = row.typeId;
        host.addElement(element);
        buttons.insert(QLatin1String(row.name), button);
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy modes(&host, SIGNAL(signalAudioModeChange(int)));

    for (const QString &name : clicks) {
        QTest::mouseClick(buttons.value(name), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QStringList got;
    for (auto it = buttons.constBegin(); it != buttons.constEnd(); ++it) {
        if (it.value()->isSelected())
            got << it.key();
    }
    QCOMPARE(got, selected);
    QList<int> emitted;
    for (const QList<QVariant> &arguments : qAsConst(modes))
        emitted << arguments.first().toInt();
    QCOMPARE(emitted, audioModes);
}

void TestPageRelay::loadSignalsAndReloadsKeepOneSet()
{
    const QString path = m_workDir.filePath(QStringLiteral("home.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), control("CmdButton", "a", 0, 0, 80, 40),
                             control("Label", "b", 100, 0, 80, 40)}));
    ExPageWidget host(1, path);
    QSignalSpy walls(&host, SIGNAL(signalWallChange(int, int)));
    QSignalSpy modes(&host, SIGNAL(signalGetSourceModeData(int)));
    host.resize(960, 540);
    host.show();
    QPointer<QWidget> first = host.elements().first().widget;
    host.resize(1000, 560);
    host.resize(1100, 600);
    QCOMPARE(host.loadCount(), 3);
    QCOMPARE(host.elements().size(), 2);
    QCOMPARE(walls.size(), 3);
    QCOMPARE(walls.last(), (QList<QVariant>{1, 0}));
    QCOMPARE(modes.last(), QList<QVariant>{0});
    QCOMPARE(host.wallType(), 1);
    flushDeletes();
    QVERIFY(first.isNull());
    QCOMPARE(host.findChildren<ExQButton *>().size(), 1);
}

void TestPageRelay::pageButtonTarget_data()
{
    QTest::addColumn<int>("functionType");
    QTest::addColumn<QString>("gotoPage");
    QTest::addColumn<QString>("target");
    QTest::newRow("0 adds .json") << 0 << "main" << "main.json";
    QTest::newRow("letter case counts") << 1 << "Main.JSON" << "Main.JSON.json";
    QTest::newRow("other types unchanged") << 2 << "main" << "main";
}

void TestPageRelay::pageButtonTarget()
{
    QFETCH(int, functionType);
    QFETCH(QString, gotoPage);
    QFETCH(QString, target);
    QCOMPARE(ExPageButton::targetPage(functionType, gotoPage), target);
}

QTEST_MAIN(TestPageRelay)
#include "tst_pagerelay.moc"
