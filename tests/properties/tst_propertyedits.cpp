#include "app/globalmanager.h"
#include "controls/mycolordialog.h"
#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

using namespace pagefixture;

namespace {

const int kLabel = 104;
const int kButton = 113;

// Answers the colour dialog that the next click opens: confirms colour, or
// cancels when it is invalid; reports the colour it opened on.
void answerColourDialog(const QColor &colour, QColor *openedOn)
{
    QTimer::singleShot(0, [colour, openedOn] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<MyColorDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            *openedOn = dialog->currentColor();
            if (colour.isValid()) {
                dialog->setCurrentColor(colour);
                dialog->accept();
            } else {
                dialog->reject();
            }
        }
    });
}

} // namespace

class TestPropertyEdits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectionBuildsEachPageOnceAndShowsOnlyIt();
    void numberRowsCommitOneUndoStep_data();
    void numberRowsCommitOneUndoStep();
    void undoAndRedoRefillTheRows();
    void choiceCommitsTheOptionValue();
    void groupIdRaisesTheLargestId();
    void colourDialogCommitsArgbAndRemembersPerKey();
    void clearButtonCommitsEmptyText();
    void textRowLeftAfterSelectionMovedCommitsNothing();
    void rowOfAnotherKindOrGoneControlCommitsNothing();
    void gridLayoutCommitsTheChosenElement();

private:
    int rowOf(int nClass, const char *key) const { return m_panel->rowOf(nClass, QLatin1String(key)); }
    template <typename T>
    T *editor(int nClass, const char *key) const { return qobject_cast<T *>(m_panel->editorAt(rowOf(nClass, key))); }
    void clickPickButton(int nClass, const char *key, int which);
    QString text(UIBase *control, const char *key) const { return control->attributes().value(key).toString(); }
    int steps() const { return m_page->undoStack()->count(); }

    ProjectFixture f;
    QWidget *m_window = nullptr;
    PropertyWidget *m_panel = nullptr;
    UIPage *m_page = nullptr;
    UIBase *m_label1 = nullptr;
    UIBase *m_label2 = nullptr;
    UIBase *m_button = nullptr;
};

void TestPropertyEdits::init()
{
    QVERIFY(f.setUp());
    GlobalManager *manager = GlobalManager::instance();
    m_window = new QWidget;
    auto *row = new QHBoxLayout(m_window);
    m_panel = new PropertyWidget;
    row->addWidget(f.tabs, 1);
    row->addWidget(m_panel);
    manager->setPropertyWidget(m_panel);
    QVERIFY(manager->createPage("home", 1280, 720, 0));
    QVERIFY(manager->openPageTab("home", 0));
    m_page = manager->currentPage();
    m_label1 = addControl(m_page, kLabel, "Label_1", 10, 10, 100, 40, {{"text", "one"}, {"text_radio", 1.5}});
    m_label2 = addControl(m_page, kLabel, "Label_2", 10, 100, 100, 40, {{"text", "two"}});
    m_button = addControl(m_page, kButton, "Button_1", 200, 10, 100, 40);
    m_window->resize(1200, 800);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestPropertyEdits::cleanup()
{
    GlobalManager::instance()->setPropertyWidget(nullptr);
    f.tabs->setParent(nullptr);
    delete m_window;
    f.tearDown();
}

void TestPropertyEdits::clickPickButton(int nClass, const char *key, int which)
{
    const QList<QPushButton *> buttons =
        m_panel->tableWidget()->cellWidget(rowOf(nClass, key), 1)->findChildren<QPushButton *>();
    QTest::mouseClick(buttons.at(which), Qt::LeftButton);
}

void TestPropertyEdits::selectionBuildsEachPageOnceAndShowsOnlyIt()
{
    QTableWidget *table = m_panel->tableWidget();
    auto visibleRows = [table] {
        QVector<int> rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (!table->isRowHidden(row))
                rows.append(row);
        }
        return rows;
    };
    QVERIFY(select({m_label1}));
    QCOMPARE(table->rowCount(), 27);
    QCOMPARE(visibleRows(), m_panel->pageRows(kLabel));
    QCOMPARE(editor<QTextEdit>(kLabel, "name")->toPlainText(), QString("Label_1"));
    QVERIFY(!editor<QTextEdit>(kLabel, "name")->isEnabled());

    QVERIFY(select({m_button}));
    QCOMPARE(table->rowCount(), 27 + 24);
    QCOMPARE(visibleRows(), m_panel->pageRows(kButton));
    QCOMPARE(table->columnSpan(m_panel->pageRows(kButton).first(), 0), 2);

    // The second label reuses the label's rows.
    QVERIFY(select({m_label2}));
    QCOMPARE(table->rowCount(), 27 + 24);
    QCOMPARE(visibleRows(), m_panel->pageRows(kLabel));
    QCOMPARE(editor<QTextEdit>(kLabel, "text")->toPlainText(), QString("two"));

    // An ordinary page offers no position of its own.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 600));
    QCOMPARE(table->rowCount(), 27 + 24 + 15);
    QVector<int> pageRows = m_panel->pageRows(100);
    for (const char *key : {"x", "y", "fixed_position"})
        pageRows.removeOne(rowOf(100, key));
    QCOMPARE(visibleRows(), pageRows);
    QCOMPARE(editor<QLineEdit>(100, "PlaceId")->text(), QString("-1"));
    QCOMPARE(steps(), 3);
}

void TestPropertyEdits::numberRowsCommitOneUndoStep_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QJsonValue>("stored"); // undefined: nothing committed
    QTest::addColumn<QString>("shown");

    QTest::newRow("integer") << "borderRadius" << "0" << QJsonValue(0) << "0";
    QTest::newRow("font size floors at 4") << "fontsize" << "2" << QJsonValue(4) << "4";
    QTest::newRow("font size 4") << "fontsize" << "4" << QJsonValue(4) << "4";
    QTest::newRow("real") << "text_radio" << "0.75" << QJsonValue(0.75) << "0.75";
    QTest::newRow("real given letters") << "text_radio" << "abc" << QJsonValue(QJsonValue::Undefined) << "1.50";
    QTest::newRow("real cut short") << "text_radio" << "1e" << QJsonValue(QJsonValue::Undefined) << "1.50";
    QTest::newRow("real emptied") << "text_radio" << "" << QJsonValue(QJsonValue::Undefined) << "1.50";
}

void TestPropertyEdits::numberRowsCommitOneUndoStep()
{
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QJsonValue, stored);
    QFETCH(QString, shown);

    QVERIFY(select({m_label1}));
    const int before = steps();
    auto *edit = editor<QLineEdit>(kLabel, key.toLatin1().constData());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(steps(), before + (stored.isUndefined() ? 0 : 1));
    if (!stored.isUndefined())
        QCOMPARE(m_label1->attributes().value(key), stored);
    QCOMPARE(edit->text(), shown);
}

void TestPropertyEdits::undoAndRedoRefillTheRows()
{
    QVERIFY(select({m_label1}));
    auto *x = editor<QLineEdit>(kLabel, "x");
    x->clear();
    QTest::keyClicks(x, "40");
    QTest::keyClick(x, Qt::Key_Return);
    QCOMPARE(m_label1->attributes().value("x"), QJsonValue(40));
    m_page->undo();
    QCOMPARE(x->text(), QString("10"));
    m_page->redo();
    QCOMPARE(x->text(), QString("40"));

    // The page's own rows too.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 600));
    auto *placeId = editor<QLineEdit>(100, "PlaceId");
    placeId->clear();
    QTest::keyClicks(placeId, "7");
    QTest::keyClick(placeId, Qt::Key_Return);
    QCOMPARE(m_page->pageInfo().placeId, 7);
    m_page->undo();
    QCOMPARE(placeId->text(), QString("-1"));
}

void TestPropertyEdits::choiceCommitsTheOptionValue()
{
    m_panel->showProperty(m_label1, kLabel, m_label1->attributes());
    m_panel->addChoiceRow(kLabel, "feature_type", "功能", {{23, "a"}, {128, "b"}}, 0, true);
    auto *combo = editor<QComboBox>(kLabel, "feature_type");
    combo->setCurrentIndex(1);
    QCOMPARE(m_label1->attributes().value("feature_type"), QJsonValue(128));
}

void TestPropertyEdits::groupIdRaisesTheLargestId()
{
    m_panel->showProperty(m_button, kButton, m_button->attributes());
    m_panel->addIntRow(kButton, "m_group_id", "组", "0", true, 0, 100000000);
    auto *group = editor<QLineEdit>(kButton, "m_group_id");
    for (const char *typed : {"7", "3"}) {
        group->clear();
        QTest::keyClicks(group, typed);
        QTest::keyClick(group, Qt::Key_Return);
    }
    QCOMPARE(m_button->attributes().value("m_group_id"), QJsonValue(3));
    QCOMPARE(GlobalManager::instance()->maxId(), 7);
}

void TestPropertyEdits::colourDialogCommitsArgbAndRemembersPerKey()
{
    QVERIFY(select({m_label1}));
    QColor openedOn;
    answerColourDialog(QColor(255, 0, 0, 128), &openedOn);
    clickPickButton(kLabel, "normalColor", 0);
    QCOMPARE(openedOn, QColor("#ffffff"));
    QCOMPARE(text(m_label1, "normalColor"), QString("#80ff0000"));
    QCOMPARE(editor<QTextEdit>(kLabel, "normalColor")->toPlainText(), QString("#80ff0000"));

    // The next dialog of that key opens there, on any control; others do not.
    QVERIFY(select({m_button}));
    const int before = steps();
    answerColourDialog(QColor(), &openedOn);
    clickPickButton(kButton, "normalColor", 0);
    QCOMPARE(openedOn, QColor(255, 0, 0, 128));
    answerColourDialog(QColor(), &openedOn);
    clickPickButton(kButton, "pressColor", 0);
    QCOMPARE(openedOn, QColor("#ffffff"));
    QCOMPARE(steps(), before);
}

void TestPropertyEdits::clearButtonCommitsEmptyText()
{
    QVERIFY(select({m_label1}));
    clickPickButton(kLabel, "normal_image_path", 1);
    QCOMPARE(m_label1->attributes().value("normal_image_path"), QJsonValue(""));
}

void TestPropertyEdits::textRowLeftAfterSelectionMovedCommitsNothing()
{
    QVERIFY(select({m_label1}));
    auto *edit = editor<QTextEdit>(kLabel, "text");
    edit->setFocus();
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "!");
    const int before = steps();
    // The control tree selects without taking the focus.
    m_page->slotSelectControl(kLabel, "Label_2", m_page);
    m_panel->setFocus();
    QApplication::processEvents();
    QCOMPARE(steps(), before);
    QCOMPARE(text(m_label1, "text"), QString("one"));
    QCOMPARE(text(m_label2, "text"), QString("two"));

    // Leaving it while its control is on view commits, changed or not.
    edit->setFocus();
    m_panel->setFocus();
    QCOMPARE(steps(), before + 1);
}

void TestPropertyEdits::rowOfAnotherKindOrGoneControlCommitsNothing()
{
    QVERIFY(select({m_label1}));
    m_panel->applyToCurrentControl(kButton, {{"text", "wrong"}});
    QCOMPARE(text(m_label1, "text"), QString("one"));

    // A control that goes without the page telling the panel.
    auto *stray = new UIBase;
    m_panel->showProperty(stray, kLabel, QJsonObject());
    delete stray;
    QVERIFY(!m_panel->currentControl());
    auto *x = editor<QLineEdit>(kLabel, "x");
    QTest::keyClicks(x, "5");
    QTest::keyClick(x, Qt::Key_Return);
    QCOMPARE(steps(), 3);
}

void TestPropertyEdits::gridLayoutCommitsTheChosenElement()
{
    const QJsonArray layouts{QJsonObject{{"name", "1x1"}}, 5, QJsonObject{{"row", 2}},
                             QJsonObject{{"name", "2x2"}, {"row", 2}}};
    m_panel->showProperty(m_label1, kLabel, m_label1->attributes());
    m_panel->addGridLayoutRow(kLabel, "grid_layout", "布局", layouts);
    auto *combo = editor<QComboBox>(kLabel, "grid_layout");
    QCOMPARE(combo->count(), 2);
    combo->setCurrentIndex(1);
    QCOMPARE(m_label1->attributes().value("grid_layout"), QJsonValue(layouts.at(3)));
}

QTEST_MAIN(TestPropertyEdits)
#include "tst_propertyedits.moc"
