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

QStringList listed(const ImgDlg &dialog)
{
    QStringList names;
    for (int row = 0; row < dialog.listWidget()->count(); ++row)
        names << dialog.listWidget()->item(row)->text();
    names.sort();
    return names;
}
} // namespace

class TestSidePanels : public QObject
{
    Q_OBJECT

private slots:
    void init() { work.reset(new TestWorkDir); }
    void cleanup()
    {
        GlobalManager::resetInstance();
        work.reset();
    }

    void controlTreeGroupsByKindInArrivalOrder();
    void paletteListsKindsThePageKindAllows();
    void zoomFollowsManagerAndStepsWithinRange_data();
    void zoomFollowsManagerAndStepsWithinRange();
    void imageDialogListsAndImportsPicturesOnly();
    void imageDialogPicksAndDeletes();

private:
    std::unique_ptr<TestWorkDir> work;
};

void TestSidePanels::controlTreeGroupsByKindInArrivalOrder()
{
    ControlFrame frame;
    frame.addControlItem(113, "Button_1");
    frame.addControlItem(113, "Button_2");
    frame.addControlItem(103, "ImageLabel_1");
    frame.addControlItem(129, "CmdButton_1");
    QTreeWidget *tree = frame.treeWidget();
    QCOMPARE(topLevelTexts(tree), QStringList({"Defualt", QString::fromUtf8("背景控件"), QString::fromUtf8("普通命令")}));
    QCOMPARE(frame.controlNames(113), QStringList({"Button_1", "Button_2"}));
    QCOMPARE(tree->topLevelItem(1)->child(0)->data(0, Qt::UserRole).toInt(), 103);
    QVERIFY(tree->topLevelItem(1)->isExpanded());
    // Names or kinds the tree does not hold change nothing; an emptied
    // category goes, and comes back at the end.
    frame.removeControlItem(103, "ImageLabel_9");
    frame.removeControlItem(150, "ImageLabel_1");
    frame.removeControlItem(103, "ImageLabel_1");
    QCOMPARE(topLevelTexts(tree), QStringList({"Defualt", QString::fromUtf8("普通命令")}));
    frame.addControlItem(103, "ImageLabel_2");
    QCOMPARE(topLevelTexts(tree).last(), QString::fromUtf8("背景控件"));
    frame.clearItems();
    QCOMPARE(tree->topLevelItemCount(), 0);
    QVERIFY(frame.controlNames(113).isEmpty());
}

void TestSidePanels::paletteListsKindsThePageKindAllows()
{
    SrcListWidget palette;
    // Each entry's kind is one the page file knows.
    const QList<int> all = visibleKinds(&palette);
    QCOMPARE(all.size(), 38);
    for (int kind : all)
        QVERIFY2(!designControlTypeName(kind).isEmpty(), qPrintable(QString::number(kind)));
    palette.setPageKind(2);
    QCOMPARE(visibleKinds(&palette), QList<int>({104, 159, 101}));
    palette.setPageKind(3);
    QCOMPARE(visibleKinds(&palette), QList<int>({159, 102}));
    palette.setPageKind(1);
    QList<int> forms = all;
    forms.removeAll(101);
    forms.removeAll(102);
    QCOMPARE(visibleKinds(&palette), forms);
}

void TestSidePanels::zoomFollowsManagerAndStepsWithinRange_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("sent");
    QTest::newRow("below") << 9 << 100 << 0;
    QTest::newRow("lowest") << 10 << 10 << 1;
    QTest::newRow("same value") << 100 << 100 << 0;
    QTest::newRow("highest") << 300 << 300 << 1;
    QTest::newRow("above") << 301 << 100 << 0;
}

void TestSidePanels::zoomFollowsManagerAndStepsWithinRange()
{
    QFETCH(int, percent);
    QFETCH(int, shown);
    QFETCH(int, sent);
    StatusBarFrame bar;
    QSignalSpy spy(&bar, SIGNAL(signalSliderScaleData(int)));
    bar.slotSetScaleData(percent);
    QCOMPARE(bar.slider()->value(), shown);
    QCOMPARE(bar.label()->text(), QString::number(shown) + "%");
    QCOMPARE(spy.count(), sent);
    // The step buttons stop at the ends.
    spy.clear();
    bar.slider()->setValue(12);
    QTest::mouseClick(bar.smallerButton(), Qt::LeftButton);
    QTest::mouseClick(bar.smallerButton(), Qt::LeftButton);
    QCOMPARE(bar.slider()->value(), 10);
    bar.slider()->setValue(290);
    QTest::mouseClick(bar.biggerButton(), Qt::LeftButton);
    QTest::mouseClick(bar.biggerButton(), Qt::LeftButton);
    QCOMPARE(bar.label()->text(), QString("292%"));
    QCOMPARE(spy.last().first().toInt(), 292);
}

void TestSidePanels::imageDialogListsAndImportsPicturesOnly()
{
    for (const char *file : {"a.png", "b.JPG", "c.jpeg", "notes.txt", "sub.png/inner.png", "main.projectui"})
        writeFixture(work->filePath("hall/") + file, "old");
    for (const char *file : {"a.png", "d.png", "late.png", "main.projectui"})
        writeFixture(work->filePath("elsewhere/") + file, "new");
    ImgDlg dialog;
    dialog.setPath(work->filePath("hall"));
    QCOMPARE(listed(dialog), QStringList({"a.png", "c.jpeg"}));
    QCOMPARE(dialog.listWidget()->findItems("a.png", Qt::MatchExactly).first()->data(Qt::UserRole + 1).toString(),
             work->filePath("hall/a.png"));
    // A picture is imported once; nothing the folder holds is replaced, also
    // not a file that arrived after the listing; what is no picture stays out.
    writeFixture(work->filePath("hall/late.png"), "old");
    QVERIFY(dialog.addImage(work->filePath("elsewhere/d.png")));
    for (const char *file : {"a.png", "late.png", "main.projectui", "missing.png"})
        QVERIFY2(!dialog.addImage(work->filePath("elsewhere/") + file), file);
    QCOMPARE(readFixture(work->filePath("hall/d.png")), QByteArray("new"));
    for (const char *file : {"a.png", "late.png", "main.projectui"})
        QCOMPARE(readFixture(work->filePath("hall/") + file), QByteArray("old"));
    QCOMPARE(listed(dialog), QStringList({"a.png", "c.jpeg", "d.png"}));
}

void TestSidePanels::imageDialogPicksAndDeletes()
{
    writeFixture(work->filePath("hall/a.png"), "png");
    writeFixture(work->filePath("hall/b.png"), "png");
    ImgDlg dialog;
    dialog.setPath(work->filePath("hall"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Delete without a pick removes nothing.
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(dialog.listWidget()->count(), 2);
    QListWidget *list = dialog.listWidget();
    QListWidgetItem *b = list->findItems("b.png", Qt::MatchExactly).first();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(b).center());
    QCOMPARE(dialog.selectedPath(), work->filePath("hall/b.png"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedPath(), work->filePath("hall/b.png"));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(work->filePath("hall/b.png")));
    QCOMPARE(listed(dialog), QStringList("a.png"));
    QCOMPARE(dialog.selectedPath(), QString());
    // Cancel rejects; a new folder forgets the pick.
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.setPath(work->filePath("hall"));
    QVERIFY(dialog.findChild<QPushButton *>("pushButton_6")->isHidden());
}

QTEST_MAIN(TestSidePanels)
#include "tst_sidepanels.moc"
