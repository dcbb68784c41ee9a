#include "app/globalmanager.h"
#include "canvas/alignment.h"
#include "commands/cmdrecord.h"
#include "commands/morecmddlg.h"
#include "controls/mycolordialog.h"
#include "properties/propdata.h"
#include "properties/propertywidget.h"
#include "tests/properties/panelfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

using namespace pagefixture;

Q_DECLARE_METATYPE(PropertyRowOp)

namespace {

const int kLabel = 104;
const int kButton = 113;
const int kCmdButton = 129;
const int kPage = UIPage::kPageTypeId;

// One command to the address, as the command dialog writes it.
QJsonArray commandList(const QString &ip)
{
    CmdRecord command = CmdRecord::fromJson({{"port", 5000}, {"data", "aa 01"}});
    command.setIp(ip);
    return CmdRecord::toJsonArray({command});
}

// A stored value as a row shows it: a number, or a list as compact JSON.
QString textOf(const QJsonValue &value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::number(value.toInt());
}

// Appends one row of the kind to the label's page.
void addRow(PropertyWidget &panel, PropertyRowOp op, const QString &key)
{
    const QJsonArray layouts{QJsonObject{{"name", "1x1"}}, 5, QJsonObject{{"name", "2x2"}}};
    switch (op) {
    case PropertyRowOp::Text: panel.addTextRow(kLabel, key, "label", "t", true); break;
    case PropertyRowOp::Integer: panel.addIntRow(kLabel, key, "label", "0", true, 0, 100000000); break;
    case PropertyRowOp::Real: panel.addRealRow(kLabel, key, "label", "1.0", true); break;
    case PropertyRowOp::Choice: panel.addChoiceRow(kLabel, key, "label", {{0, "a"}, {5, "b"}}, 1, true); break;
    case PropertyRowOp::Colour: panel.addColorRow(kLabel, key, "label", "#00000000"); break;
    case PropertyRowOp::Image: panel.addImageRow(kLabel, key, "label", QString()); break;
    case PropertyRowOp::CommandList: panel.addCommandListRow(kLabel, key, "label", QJsonArray()); break;
    case PropertyRowOp::GridLayout: panel.addGridLayoutRow(kLabel, key, "label", layouts); break;
    default: break;
    }
}

// What a row shows: a line's or text's text, a combo's index, the JSON
// that a button's record holds.
QString shownIn(PropertyWidget &panel, int row)
{
    QWidget *editor = panel.editorAt(row);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->text();
    if (auto *text = qobject_cast<QTextEdit *>(editor))
        return text->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        return QString::number(combo->currentIndex());
    const PropData *data = PropData::of(editor);
    const QJsonDocument json = data->obj.isEmpty() ? QJsonDocument(data->arr) : QJsonDocument(data->obj);
    return QString::fromUtf8(json.toJson(QJsonDocument::Compact));
}

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
            if (colour.isValid())
                dialog->setCurrentColor(colour);
            colour.isValid() ? dialog->accept() : dialog->reject();
        }
    });
}

} // namespace

class TestPropertyWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fillRulesPerKind_data();
    void fillRulesPerKind();
    void selectionBuildsEachPageOnceAndShowsOnlyIt();
    void numberRowsCommitOneUndoStep_data();
    void numberRowsCommitOneUndoStep();
    void undoAndRedoRefillTheRows();
    void commitsCarryValuesNotPositions();
    void colourRowsCommitArgbAndRememberPerKey();
    void typingGoesToItsOwnControlOnlyWhenChanged();
    void visitCommitsNothing_data();
    void visitCommitsNothing();
    void oneLineRowsStoreNoBreaks_data();
    void oneLineRowsStoreNoBreaks();
    void rowsFollowChangesMadeElsewhere_data();
    void rowsFollowChangesMadeElsewhere();
    void toolBarUndoTakesBackTypingAndKeepsTheRedo();
    void rowOfAnotherKindOrGoneControlCommitsNothing();

private:
    int rowOf(int nClass, const char *key) const { return m_panel->rowOf(nClass, QLatin1String(key)); }
    template <typename T>
    T *editor(int nClass, const char *key) const { return qobject_cast<T *>(m_panel->editorAt(rowOf(nClass, key))); }
    void type(int nClass, const char *key, const QString &text);
    // Clicks into the row's editor and tabs out of it, typing nothing.
    void visit(int nClass, const char *key);
    void clickRowButton(int nClass, const char *key, int which);
    QJsonValue value(UIBase *control, const char *key) const { return control->attributes().value(key); }
    int steps() const { return m_page->undoStack()->count(); }

    PanelFixture p;
    PropertyWidget *m_panel = nullptr;
    UIPage *m_page = nullptr;
    UIBase *m_label1 = nullptr;
    UIBase *m_label2 = nullptr;
    UIBase *m_button = nullptr;
};

void TestPropertyWidget::init()
{
    // Wider than 16:9 and a fit scale other than 1, so every scaled size shows.
    GlobalManager::instance()->setScreenMetrics(96.0, 1.5, 1.34);
    QVERIFY(p.setUp(QSize(1200, 800)));
    m_panel = p.panel;
    m_page = p.page;
    m_label1 = addControl(m_page, kLabel, "Label_1", 10, 10, 100, 40, {{"text", "one"}, {"text_radio", 1.5}});
    m_label2 = addControl(m_page, kLabel, "Label_2", 10, 100, 100, 40, {{"text", "two"}});
    m_button = addControl(m_page, kButton, "Button_1", 200, 10, 100, 40);
    QApplication::setActiveWindow(p.window);
    QVERIFY(QTest::qWaitForWindowActive(p.window));
}

void TestPropertyWidget::cleanup()
{
    p.tearDown();
}

void TestPropertyWidget::type(int nClass, const char *key, const QString &text)
{
    auto *edit = editor<QLineEdit>(nClass, key);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestPropertyWidget::visit(int nClass, const char *key)
{
    QWidget *edit = m_panel->editorAt(rowOf(nClass, key));
    auto *area = qobject_cast<QAbstractScrollArea *>(edit);
    QTest::mouseClick(area ? area->viewport() : edit, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
}

void TestPropertyWidget::clickRowButton(int nClass, const char *key, int which)
{
    QWidget *cell = m_panel->tableWidget()->cellWidget(rowOf(nClass, key), 1);
    QTest::mouseClick(cell->findChildren<QPushButton *>().at(which), Qt::LeftButton);
}

void TestPropertyWidget::fillRulesPerKind_data()
{
    QTest::addColumn<PropertyRowOp>("op");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("before"); // what the control shown before held
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("shown");

    using Op = PropertyRowOp;
    QTest::newRow("integer missing") << Op::Integer << "x" << QByteArray("{\"x\": 9}") << QByteArray("{}") << "0";
    QTest::newRow("real missing") << Op::Real << "text_radio" << QByteArray("{\"text_radio\": 3}") << QByteArray("{}")
                                  << "1.00";
    QTest::newRow("choice value of no option") << Op::Choice << "bold" << QByteArray("{}")
                                               << QByteArray("{\"bold\": 7}") << "-1";
    QTest::newRow("colour key of no list") << Op::Colour << "textOnColor" << QByteArray("{\"textOnColor\": \"#ff010203\"}")
                                           << QByteArray("{}") << "";
    QTest::newRow("image file name") << Op::Image << "normal_image_path" << QByteArray("{}")
                                     << QByteArray("{\"normal_image_path\": \"a/b/c.png\"}") << "c.png";
    QTest::newRow("text with markup stays text") << Op::Text << "text" << QByteArray("{}")
                                                 << QByteArray("{\"text\": \"<b>a/b</b>\"}") << "<b>a/b</b>";
    QTest::newRow("command list missing") << Op::CommandList << "on_cmd_data_list"
                                          << QByteArray("{\"on_cmd_data_list\": [1]}") << QByteArray("{}") << "[]";
    QTest::newRow("grid layout of no item") << Op::GridLayout << "grid_layout" << QByteArray("{}")
                                            << QByteArray("{\"grid_layout\": {\"name\": \"9x9\"}}") << "-1";
    QTest::newRow("grid layout missing") << Op::GridLayout << "grid_layout" << QByteArray("{}") << QByteArray("{}")
                                         << "-1";
}

void TestPropertyWidget::fillRulesPerKind()
{
    QFETCH(PropertyRowOp, op);
    QFETCH(QString, key);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, data);
    QFETCH(QString, shown);

    PropertyWidget panel;
    addRow(panel, op, key);
    QWidget control;
    panel.showProperty(&control, kLabel, jsonFixture(before));
    panel.fillProperty(kLabel, jsonFixture(data));
    QCOMPARE(shownIn(panel, 0), shown);
}

void TestPropertyWidget::selectionBuildsEachPageOnceAndShowsOnlyIt()
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
    // The page in front shows itself from the start.
    QCOMPARE(m_panel->currentControl(), m_page);
    const int built = table->rowCount();
    QVERIFY(select({m_label1}));
    QCOMPARE(table->columnWidth(0), 107);  // 80 at the fit scale
    QCOMPARE(table->rowCount(), built + 27);
    QCOMPARE(visibleRows(), m_panel->pageRows(kLabel));
    QCOMPARE(editor<QTextEdit>(kLabel, "name")->toPlainText(), QString("Label_1"));
    QVERIFY(!editor<QTextEdit>(kLabel, "name")->isEnabled());

    QVERIFY(select({m_button}));
    QCOMPARE(table->rowCount(), built + 27 + 24);
    QCOMPARE(visibleRows(), m_panel->pageRows(kButton));
    QCOMPARE(table->columnSpan(m_panel->pageRows(kButton).first(), 0), 2);

    // The second label reuses the label's rows.
    QVERIFY(select({m_label2}));
    QCOMPARE(table->rowCount(), built + 27 + 24);
    QCOMPARE(visibleRows(), m_panel->pageRows(kLabel));
    QCOMPARE(editor<QTextEdit>(kLabel, "text")->toPlainText(), QString("two"));

    // An ordinary page offers no position of its own.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 600));
    QCOMPARE(table->rowCount(), built + 27 + 24);
    QVector<int> pageRows = m_panel->pageRows(100);
    for (const char *key : {"x", "y", "fixed_position"})
        pageRows.removeOne(rowOf(100, key));
    QCOMPARE(visibleRows(), pageRows);
    QCOMPARE(editor<QLineEdit>(100, "PlaceId")->text(), QString("-1"));
    QCOMPARE(steps(), 3);
}

void TestPropertyWidget::numberRowsCommitOneUndoStep_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QJsonValue>("stored"); // undefined: nothing committed
    QTest::addColumn<QString>("shown");

    const QJsonValue nothing(QJsonValue::Undefined);
    QTest::newRow("font size floors at 4") << "fontsize" << "2" << QJsonValue(4) << "4";
    QTest::newRow("real") << "text_radio" << "0.75" << QJsonValue(0.75) << "0.75";
    QTest::newRow("real given letters") << "text_radio" << "abc" << nothing << "1.50";
    QTest::newRow("real cut short") << "text_radio" << "1e" << nothing << "1.50";
    QTest::newRow("real emptied") << "text_radio" << "" << nothing << "1.50";
    QTest::newRow("integer without group separators") << "x" << "1,000" << QJsonValue(1000) << "1000";
    QTest::newRow("integer emptied") << "x" << "" << nothing << "10";
}

void TestPropertyWidget::numberRowsCommitOneUndoStep()
{
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QJsonValue, stored);
    QFETCH(QString, shown);

    QVERIFY(select({m_label1}));
    const int before = steps();
    type(kLabel, key.toLatin1().constData(), typed);
    QCOMPARE(steps(), before + (stored.isUndefined() ? 0 : 1));
    if (!stored.isUndefined())
        QCOMPARE(m_label1->attributes().value(key), stored);
    QCOMPARE(editor<QLineEdit>(kLabel, key.toLatin1().constData())->text(), shown);
}

void TestPropertyWidget::undoAndRedoRefillTheRows()
{
    QVERIFY(select({m_label1}));
    type(kLabel, "x", "40");
    QCOMPARE(value(m_label1, "x"), QJsonValue(40));
    m_page->undo();
    QCOMPARE(editor<QLineEdit>(kLabel, "x")->text(), QString("10"));
    m_page->redo();
    QCOMPARE(editor<QLineEdit>(kLabel, "x")->text(), QString("40"));

    // The page's own rows go to the page.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 600));
    type(100, "PlaceId", "7");
    QCOMPARE(m_page->pageInfo().placeId, 7);
    m_page->undo();
    QCOMPARE(editor<QLineEdit>(100, "PlaceId")->text(), QString("-1"));
}

void TestPropertyWidget::commitsCarryValuesNotPositions()
{
    m_panel->showProperty(m_label1, kLabel, m_label1->attributes());
    m_panel->addChoiceRow(kLabel, "feature_type", "功能", {{23, "a"}, {128, "b"}}, 0, true);
    editor<QComboBox>(kLabel, "feature_type")->setCurrentIndex(1);
    QCOMPARE(value(m_label1, "feature_type"), QJsonValue(128));

    // Elements without a name get no item, so item 1 is element 3.
    const QJsonArray layouts{QJsonObject{{"name", "1x1"}}, 5, QJsonObject{{"row", 2}},
                             QJsonObject{{"name", "2x2"}, {"row", 2}}};
    m_panel->addGridLayoutRow(kLabel, "grid_layout", "布局", layouts);
    // Nothing stored shows nothing chosen, so the first item too is a choice.
    m_panel->refreshProperty(m_label1, kLabel, m_label1->attributes());
    editor<QComboBox>(kLabel, "grid_layout")->setCurrentIndex(0);
    QVERIFY(value(m_label1, "grid_layout").isObject());
    editor<QComboBox>(kLabel, "grid_layout")->setCurrentIndex(1);
    QCOMPARE(value(m_label1, "grid_layout"), QJsonValue(layouts.at(3)));

    m_panel->addIntRow(kLabel, "m_group_id", "组", "0", true, 0, 100000000);
    type(kLabel, "m_group_id", "7");
    type(kLabel, "m_group_id", "3");
    QCOMPARE(value(m_label1, "m_group_id"), QJsonValue(3));
    QCOMPARE(GlobalManager::instance()->maxId(), 7);
}

void TestPropertyWidget::colourRowsCommitArgbAndRememberPerKey()
{
    QVERIFY(select({m_label1}));
    QColor openedOn;
    answerColourDialog(QColor(255, 0, 0, 128), &openedOn);
    clickRowButton(kLabel, "normalColor", 0);
    QCOMPARE(openedOn, QColor("#ffffff"));
    QCOMPARE(value(m_label1, "normalColor"), QJsonValue("#80ff0000"));
    QCOMPARE(editor<QTextEdit>(kLabel, "normalColor")->toPlainText(), QString("#80ff0000"));
    clickRowButton(kLabel, "normal_image_path", 1);
    QCOMPARE(value(m_label1, "normal_image_path"), QJsonValue(""));

    // That key's next dialog opens there, on any control; other keys do not.
    QVERIFY(select({m_button}));
    const int before = steps();
    answerColourDialog(QColor(), &openedOn);
    clickRowButton(kButton, "normalColor", 0);
    QCOMPARE(openedOn, QColor(255, 0, 0, 128));
    answerColourDialog(QColor(), &openedOn);
    clickRowButton(kButton, "pressColor", 0);
    QCOMPARE(openedOn, QColor("#ffffff"));
    QCOMPARE(steps(), before);
}

void TestPropertyWidget::typingGoesToItsOwnControlOnlyWhenChanged()
{
    // Declared for the mediator, never sent: edits go to the control itself.
    QSignalSpy undeclared(m_panel, SIGNAL(signalUiWidgetDataChange(int,void*,QString,QJsonValue)));
    QVERIFY(undeclared.isValid());
    QVERIFY(select({m_label1}));
    auto *text = editor<QTextEdit>(kLabel, "text");
    const int before = steps();
    m_page->setModified(false);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(steps(), before);
    QVERIFY(!m_page->isModified());
    // Enter finishes a one-line row and keeps the focus there.
    QTest::keyClick(text, Qt::Key_End);
    QTest::keyClicks(text, " on");
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(value(m_label1, "text"), QJsonValue("one on"));
    QTest::keyClicks(text, "!");
    // The control tree selects without taking the focus.
    m_page->slotSelectControl(kLabel, "Label_2", m_page);
    QCOMPARE(value(m_label1, "text"), QJsonValue("one on!"));
    // Tab moves on, and leaves Label_2 as it was.
    QTest::keyClick(text, Qt::Key_Tab);
    QVERIFY(!text->hasFocus());
    QCOMPARE(steps(), before + 2);
    QCOMPARE(undeclared.count(), 0);
}

void TestPropertyWidget::visitCommitsNothing_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");

    // A key the control lacks shows the row's empty value, which a commit
    // would store (the font size through its floor of 4).
    QTest::newRow("font size missing") << kLabel << QByteArray("{}") << "fontsize" << "0";
    QTest::newRow("background share missing") << kLabel << QByteArray("{}") << "bg_radio" << "1.00";
    QTest::newRow("real shown rounded") << kLabel << QByteArray("{\"text_radio\": 0.125}") << "text_radio" << "0.13";
    // The switch shows a stored "on_text" when "text" is missing, and so does its row.
    QTest::newRow("switch caption under on_text") << 130 << QByteArray("{\"on_text\": \"开\"}") << "text" << "开";
    // The edit shows a stored "\r\n" as a plain break, not the text itself.
    QTest::newRow("caption with a CR LF break") << kLabel << QByteArray("{\"text\": \"one\\r\\ntwo\"}") << "text"
                                                << "one\ntwo";
}

void TestPropertyWidget::visitCommitsNothing()
{
    QFETCH(int, nClass);
    QFETCH(QByteArray, stored);
    QFETCH(QString, key);
    QFETCH(QString, shown);

    UIBase *control = addControl(m_page, nClass, "Visited_4", 10, 200, 120, 50, jsonFixture(stored));
    QVERIFY(select({control}));
    const QJsonObject before = control->attributes();
    const int beforeSteps = steps();
    m_page->setModified(false);
    const QByteArray name = key.toLatin1();
    QCOMPARE(shownIn(*m_panel, rowOf(nClass, name)), shown);
    visit(nClass, name);
    QVERIFY(select({m_label1}));
    QCOMPARE(control->attributes(), before);
    QCOMPARE(steps(), beforeSteps);
    QVERIFY(!m_page->isModified());
}

void TestPropertyWidget::oneLineRowsStoreNoBreaks_data()
{
    QTest::addColumn<QString>("pasted"); // put on the clipboard and pasted with Ctrl+V
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("enter");
    QTest::addColumn<QString>("stored");

    QTest::newRow("keypad enter commits") << "" << " on" << int(Qt::Key_Enter) << "one on";
    QTest::newRow("pasted breaks and tabs") << "a\nb\tc\u2029d" << "" << int(Qt::Key_Return) << "onea b c d";
}

void TestPropertyWidget::oneLineRowsStoreNoBreaks()
{
    QFETCH(QString, pasted);
    QFETCH(QString, typed);
    QFETCH(int, enter);
    QFETCH(QString, stored);

    QVERIFY(select({m_label1}));
    auto *text = editor<QTextEdit>(kLabel, "text");
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_End);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    }
    QTest::keyClicks(text, typed);
    QTest::keyClick(text, Qt::Key(enter), enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    // Committed by the key, with the focus still in the row.
    QVERIFY(text->hasFocus());
    QCOMPARE(value(m_label1, "text"), QJsonValue(stored));
    QCOMPARE(text->toPlainText(), stored);
}

void TestPropertyWidget::rowsFollowChangesMadeElsewhere_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("nClass"); // of what is on view: a control, or the page itself
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown"); // what is then stored and the row shows; "" any new value

    QTest::newRow("arrow key") << "arrow" << kLabel << "x" << "401";
    QTest::newRow("undo of the second of two arrow keys") << "undo" << kLabel << "x" << "401";
    // 1280 x 720 to 160 x 64: an eighth of the width.
    QTest::newRow("page resolution") << "resize" << kLabel << "x" << "50";
    QTest::newRow("page resolution, the page on view: width") << "resize" << kPage << "w" << "160";
    QTest::newRow("page resolution, the page on view: height") << "resize" << kPage << "h" << "64";
    // To the left edge of Label_1, selected first.
    QTest::newRow("align left") << "align" << kLabel << "x" << "10";
    // Its middle at the page's: 640 - 50.
    QTest::newRow("centre across the page") << "centre" << kLabel << "x" << "590";
    // A new group, after whichever was the last.
    QTest::newRow("interlock") << "lock" << kCmdButton << "m_group_id" << "";
    // The button's commands go to 10.0.0.5; Source_6's to 10.0.0.9.
    const QString readdressed = textOf(commandList("10.0.0.9"));
    QTest::newRow("command list pasted") << "paste" << kCmdButton << "on_cmd_data_list" << readdressed;
    QTest::newRow("command IP replaced") << "replace" << kCmdButton << "on_cmd_data_list" << readdressed;
}

// A row that went on showing the old value would write it back: a line on a
// visit, a command list through its dialog opened on the stale list. The save
// would keep it.
void TestPropertyWidget::rowsFollowChangesMadeElsewhere()
{
    QFETCH(QString, route);
    QFETCH(int, nClass);
    QFETCH(QString, key);
    QFETCH(QString, shown);

    GlobalManager *manager = GlobalManager::instance();
    const bool commands = nClass == kCmdButton;
    UIBase *control = addControl(m_page, commands ? kCmdButton : kLabel, "Moved_5", 400, 200, 100, 40,
                                 commands ? QJsonObject{{"on_cmd_data_list", commandList("10.0.0.5")}} : QJsonObject());
    if (route == "paste") {
        UIBase *source = addControl(m_page, kCmdButton, "Source_6", 600, 300, 100, 40,
                                    {{"on_cmd_data_list", commandList("10.0.0.9")}});
        QVERIFY(select({source}));
        manager->slotCopyCmd();
    }
    UIBase *target = control;
    if (nClass == kPage) {
        target = m_page;
        QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(2, m_page->height() - 2));
    } else {
        QVERIFY(select(route == "align" ? QList<UIBase *>{m_label1, control} : QList<UIBase *>{control}));
    }
    QCOMPARE(m_panel->currentControl(), target);
    const QByteArray name = key.toLatin1();
    const QString before = shownIn(*m_panel, rowOf(nClass, name));

    if (route == "resize") {
        manager->slotSetResData("home", 160, 64);
    } else if (route == "align") {
        manager->alignControls(Alignment::AlignLeft);
    } else if (route == "centre") {
        manager->alignControls(Alignment::CenterInPageH);
    } else if (route == "lock") {
        manager->slotAllLock();
    } else if (route == "paste") {
        manager->slotPasteCmd();
    } else if (route == "replace") {
        CMD_BTN_ARGS args;
        args.findIpEnabled = true;
        args.findIp = "10.0.0.5";
        args.newIp = "10.0.0.9";
        manager->slotReplaceArgsCmd(args);
    } else {
        QTest::keyClick(m_page, Qt::Key_Right);
        if (route == "undo") {
            QTest::keyClick(m_page, Qt::Key_Right);
            manager->slotUndo();
        }
    }
    const QString stored = textOf(target->attributes().value(key));
    QVERIFY(stored != before);
    if (!shown.isEmpty())
        QCOMPARE(stored, shown);
    QCOMPARE(shownIn(*m_panel, rowOf(nClass, name)), stored);

    if (key == "on_cmd_data_list") {
        whenShown<MoreCmdDlg>([](MoreCmdDlg *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        });
        clickRowButton(nClass, name, 0);
    } else if (m_panel->editorAt(rowOf(nClass, name))->isEnabled()) {
        // The page's size rows only show it.
        visit(nClass, name);
    }
    manager->saveAllPages();
    QJsonObject saved;
    for (const QJsonValue element : readPage(p.project.pagePath("home"))) {
        if (element.toObject().value("name") == target->attributes().value("name"))
            saved = element.toObject();
    }
    QCOMPARE(textOf(saved.value(key)), stored);
}

void TestPropertyWidget::toolBarUndoTakesBackTypingAndKeepsTheRedo()
{
    QVERIFY(select({m_label1}));
    auto *text = editor<QTextEdit>(kLabel, "text");
    text->setFocus();
    QTest::keyClicks(text, "the ");
    // The tool bar takes no focus: the typing is still in the row.
    GlobalManager::instance()->slotUndo();
    QCOMPARE(text->toPlainText(), QString("one"));
    // Leaving the refilled row commits nothing, so the redo is still there.
    m_panel->setFocus();
    GlobalManager::instance()->slotRedo();
    QCOMPARE(value(m_label1, "text"), QJsonValue("the one"));
}

void TestPropertyWidget::rowOfAnotherKindOrGoneControlCommitsNothing()
{
    QVERIFY(select({m_label1}));
    m_panel->applyToCurrentControl(kButton, {{"text", "wrong"}});
    QCOMPARE(value(m_label1, "text"), QJsonValue("one"));

    // A control that goes without anyone telling the panel.
    auto *stray = new UIBase;
    m_panel->showProperty(stray, kLabel, QJsonObject());
    delete stray;
    QVERIFY(!m_panel->currentControl());
    type(kLabel, "x", "5");
    QCOMPARE(steps(), 3);
}

QTEST_MAIN(TestPropertyWidget)
#include "tst_propertywidget.moc"
