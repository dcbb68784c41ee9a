#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "tests/testsupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList topLevelTexts(QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(0);
    return texts;
}

QList<int> visibleKinds(const SrcListWidget &palette)
{
    QList<int> kinds;
    for (int row = 0; row < palette.listWidget()->count(); ++row) {
        QListWidgetItem *item = palette.listWidget()->item(row);
        if (!item->isHidden())
            kinds << item->data(Qt::UserRole).toInt();
    }
    return kinds;
}
} // namespace

class TestSidePanels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void controlTreeGroupsByKindInArrivalOrder();
    void controlTreeRemovalDropsEmptyCategoryOnly();

    void paletteListsKindsThePageKindAllows();
    void pressingPaletteEntryArmsItsKind();

    void zoomStepsStopAtTheirEnds();
    void zoomFollowsManagerWithinRange_data();
    void zoomFollowsManagerWithinRange();

    void imageDialogListsProjectPictures();
    void imageDialogImportsOnce();
    void imageDialogPickAndButtons();
    void imageDialogDeletesPickedFile();
};

void TestSidePanels::controlTreeGroupsByKindInArrivalOrder()
{
    TestWorkDir dir;
    ControlFrame frame;
    frame.addControlItem(113, "Button_1");
    frame.addControlItem(113, "Button_2");
    frame.addControlItem(103, "ImageLabel_1");
    QTreeWidget *tree = frame.treeWidget();
    QCOMPARE(topLevelTexts(tree), QStringList({"Defualt", QString::fromUtf8("背景控件")}));
    QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->child(1)->text(0), QString("Button_2"));
    QCOMPARE(tree->topLevelItem(0)->data(0, Qt::UserRole + 1).toInt(), 0);
    QCOMPARE(tree->topLevelItem(0)->child(0)->data(0, Qt::UserRole + 1).toInt(), 1);
    QCOMPARE(tree->topLevelItem(1)->child(0)->data(0, Qt::UserRole).toInt(), 103);
    QVERIFY(tree->topLevelItem(1)->isExpanded());
    QVERIFY(tree->isHeaderHidden());
}

void TestSidePanels::controlTreeRemovalDropsEmptyCategoryOnly()
{
    TestWorkDir dir;
    ControlFrame frame;
    frame.addControlItem(129, "CmdButton_1");
    frame.addControlItem(104, "Label_1");
    // Names or kinds the tree does not hold change nothing.
    frame.removeControlItem(104, "Label_9");
    frame.removeControlItem(150, "Label_1");
    QCOMPARE(frame.controlNames(104), QStringList("Label_1"));

    frame.removeControlItem(129, "CmdButton_1");
    QCOMPARE(topLevelTexts(frame.treeWidget()), QStringList(QString::fromUtf8("文本控件")));
    QVERIFY(frame.controlNames(129).isEmpty());
    // A later control of that kind opens a new category at the end.
    frame.addControlItem(129, "CmdButton_2");
    QCOMPARE(topLevelTexts(frame.treeWidget()),
             QStringList({QString::fromUtf8("文本控件"), QString::fromUtf8("普通命令")}));

    frame.clearItems();
    QCOMPARE(frame.treeWidget()->topLevelItemCount(), 0);
    QVERIFY(frame.controlNames(104).isEmpty());
    frame.addControlItem(104, "Label_2");
    QCOMPARE(frame.controlNames(104), QStringList("Label_2"));
}

void TestSidePanels::paletteListsKindsThePageKindAllows()
{
    TestWorkDir dir;
    SrcListWidget palette;
    QCOMPARE(palette.listWidget()->count(), 38);
    QCOMPARE(palette.listWidget()->item(0)->text(), QString::fromUtf8("背景控件"));
    QCOMPARE(palette.listWidget()->item(37)->text(), QString::fromUtf8("会议按纽"));
    // Each entry's kind is one the page file knows.
    const QList<int> all = visibleKinds(palette);
    QCOMPARE(all.size(), 38);
    for (int kind : all)
        QVERIFY2(!designControlTypeName(kind).isEmpty(), qPrintable(QString::number(kind)));

    palette.setPageKind(2);
    QCOMPARE(visibleKinds(palette), QList<int>({104, 159, 101}));
    palette.setPageKind(3);
    QCOMPARE(visibleKinds(palette), QList<int>({159, 102}));
    palette.setPageKind(7);
    QCOMPARE(visibleKinds(palette), QList<int>({159, 102}));
    palette.setPageKind(1);
    QList<int> forms = all;
    forms.removeAll(101);
    forms.removeAll(102);
    QCOMPARE(visibleKinds(palette), forms);
    palette.setPageKind(0);
    QCOMPARE(visibleKinds(palette), forms);
}

void TestSidePanels::pressingPaletteEntryArmsItsKind()
{
    TestWorkDir dir;
    SrcListWidget palette;
    palette.resize(300, 900);
    palette.show();
    QVERIFY(QTest::qWaitForWindowExposed(&palette));
    QListWidget *list = palette.listWidget();
    QCOMPARE(GlobalManager::instance()->dropClass(), -1);

    const QRect rect = list->visualItemRect(list->item(21)); // 普通命令
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(GlobalManager::instance()->dropClass(), 129);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(GlobalManager::instance()->dropClass(), 129);
}

void TestSidePanels::zoomStepsStopAtTheirEnds()
{
    TestWorkDir dir;
    StatusBarFrame bar;
    QSignalSpy sent(&bar, SIGNAL(signalSliderScaleData(int)));
    QCOMPARE(bar.label()->text(), QString("100%"));

    bar.slider()->setValue(12);
    QTest::mousePress(bar.smallerButton(), Qt::LeftButton);
    QCOMPARE(bar.slider()->value(), 10);
    QCOMPARE(bar.label()->text(), QString("10%"));
    QTest::mouseRelease(bar.smallerButton(), Qt::LeftButton);
    QTest::mousePress(bar.smallerButton(), Qt::LeftButton);
    QCOMPARE(bar.slider()->value(), 10);
    QTest::mouseRelease(bar.smallerButton(), Qt::LeftButton);

    bar.slider()->setValue(290);
    sent.clear();
    QTest::mouseClick(bar.biggerButton(), Qt::LeftButton);
    QCOMPARE(bar.slider()->value(), 292);
    QTest::mouseClick(bar.biggerButton(), Qt::LeftButton);
    QCOMPARE(bar.slider()->value(), 292);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().first().toInt(), 292);
    QCOMPARE(bar.label()->text(), QString("292%"));
}

void TestSidePanels::zoomFollowsManagerWithinRange_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("sent");
    QTest::newRow("below") << 9 << 100 << 0;
    QTest::newRow("lowest") << 10 << 10 << 1;
    QTest::newRow("default zoom") << 68 << 68 << 1;
    QTest::newRow("same value") << 100 << 100 << 0;
    QTest::newRow("highest") << 300 << 300 << 1;
    QTest::newRow("above") << 301 << 100 << 0;
}

void TestSidePanels::zoomFollowsManagerWithinRange()
{
    QFETCH(int, percent);
    QFETCH(int, shown);
    QFETCH(int, sent);
    TestWorkDir dir;
    StatusBarFrame bar;
    QSignalSpy spy(&bar, SIGNAL(signalSliderScaleData(int)));
    bar.slotSetScaleData(percent);
    QCOMPARE(bar.slider()->value(), shown);
    QCOMPARE(bar.label()->text(), QString::number(shown) + "%");
    QCOMPARE(spy.count(), sent);
}

void TestSidePanels::imageDialogListsProjectPictures()
{
    TestWorkDir dir;
    writeFixture(dir.filePath("hall/a.png"), "png");
    writeFixture(dir.filePath("hall/b.JPG"), "jpg");
    writeFixture(dir.filePath("hall/c.jpeg"), "jpeg");
    writeFixture(dir.filePath("hall/notes.txt"), "txt");
    writeFixture(dir.filePath("hall/sub.png/inner.png"), "png");
    ImgDlg dialog;
    dialog.setPath(dir.filePath("hall"));

    QStringList names;
    for (int row = 0; row < dialog.listWidget()->count(); ++row)
        names << dialog.listWidget()->item(row)->text();
    names.sort();
    QCOMPARE(names, QStringList({"a.png", "c.jpeg"}));
    QListWidgetItem *first = dialog.listWidget()->findItems("a.png", Qt::MatchExactly).first();
    QCOMPARE(first->data(Qt::UserRole + 1).toString(), dir.filePath("hall") + "/a.png");
}

void TestSidePanels::imageDialogImportsOnce()
{
    TestWorkDir dir;
    writeFixture(dir.filePath("hall/a.png"), "old");
    writeFixture(dir.filePath("elsewhere/a.png"), "new");
    writeFixture(dir.filePath("elsewhere/b.png"), "b");
    ImgDlg dialog;
    dialog.setPath(dir.filePath("hall"));

    QVERIFY(!dialog.addImage(dir.filePath("elsewhere/a.png")));
    QCOMPARE(readFixture(dir.filePath("hall/a.png")), QByteArray("old"));
    QVERIFY(dialog.addImage(dir.filePath("elsewhere/b.png")));
    QCOMPARE(readFixture(dir.filePath("hall/b.png")), QByteArray("b"));
    QCOMPARE(dialog.listWidget()->count(), 2);
    QVERIFY(!dialog.addImage(dir.filePath("elsewhere/missing.png")));
    QCOMPARE(dialog.listWidget()->count(), 2);

    // What is no picture stays out, and nothing the folder holds is replaced.
    writeFixture(dir.filePath("hall/main.projectui"), "project");
    writeFixture(dir.filePath("elsewhere/main.projectui"), "other project");
    writeFixture(dir.filePath("hall/late.png"), "late"); // arrived after the listing
    writeFixture(dir.filePath("elsewhere/late.png"), "imported");
    QVERIFY(!dialog.addImage(dir.filePath("elsewhere/main.projectui")));
    QVERIFY(!dialog.addImage(dir.filePath("elsewhere/late.png")));
    QCOMPARE(readFixture(dir.filePath("hall/main.projectui")), QByteArray("project"));
    QCOMPARE(readFixture(dir.filePath("hall/late.png")), QByteArray("late"));
    QCOMPARE(dialog.listWidget()->count(), 2);
}

void TestSidePanels::imageDialogPickAndButtons()
{
    TestWorkDir dir;
    writeFixture(dir.filePath("hall/a.png"), "png");
    ImgDlg dialog;
    dialog.setPath(dir.filePath("hall"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget *list = dialog.listWidget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(dialog.selectedPath(), dir.filePath("hall") + "/a.png");

    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.selectedPath(), dir.filePath("hall") + "/a.png");

    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedPath(), dir.filePath("hall") + "/a.png");

    // A new folder forgets the pick.
    dialog.setPath(dir.filePath("hall"));
    QCOMPARE(dialog.selectedPath(), QString());
    QVERIFY(dialog.findChild<QPushButton *>("pushButton_6")->isHidden());
}

void TestSidePanels::imageDialogDeletesPickedFile()
{
    TestWorkDir dir;
    writeFixture(dir.filePath("hall/a.png"), "png");
    writeFixture(dir.filePath("hall/b.png"), "png");
    ImgDlg dialog;
    dialog.setPath(dir.filePath("hall"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(dialog.listWidget()->count(), 2);

    QListWidgetItem *item = dialog.listWidget()->findItems("b.png", Qt::MatchExactly).first();
    dialog.listWidget()->setCurrentItem(item);
    dialog.onImgSelected(item);
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(dir.filePath("hall/b.png")));
    QVERIFY(QFile::exists(dir.filePath("hall/a.png")));
    QCOMPARE(dialog.listWidget()->count(), 1);
    QCOMPARE(dialog.selectedPath(), QString());
}

QTEST_MAIN(TestSidePanels)
#include "tst_sidepanels.moc"
