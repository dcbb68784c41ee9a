#include "app/globalmanager.h"
#include "properties/propdata.h"
#include "properties/propertywidget.h"
#include "tests/testsupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(PropertyRowOp)

namespace {

const int kLabel = 104;

// Layouts whose second element has no name: it gets no item.
QJsonArray layouts()
{
    return QJsonArray{QJsonObject{{"name", "1x1"}}, QJsonObject{{"row", 2}}, QJsonObject{{"name", "2x2"}}};
}

// Appends one row of the kind under the label's page, with key "k".
void addRow(PropertyWidget &panel, PropertyRowOp op, const QString &key = "k", const QString &label = "label")
{
    switch (op) {
    case PropertyRowOp::Header: panel.addHeaderRow(kLabel, label, QString()); break;
    case PropertyRowOp::ReadOnly: panel.addReadOnlyRow(kLabel, key, label, "title"); break;
    case PropertyRowOp::Text: panel.addTextRow(kLabel, key, label, "t", true); break;
    case PropertyRowOp::Integer: panel.addIntRow(kLabel, key, label, "0", true, 0, 100000000); break;
    case PropertyRowOp::PlainInteger: panel.addPlainIntRow(kLabel, key, label, "-1", true); break;
    case PropertyRowOp::Real: panel.addRealRow(kLabel, key, label, "1.0", true); break;
    case PropertyRowOp::Choice: panel.addChoiceRow(kLabel, key, label, {{0, "a"}, {5, "b"}}, 1, true); break;
    case PropertyRowOp::Colour: panel.addColorRow(kLabel, key, label, "#00000000"); break;
    case PropertyRowOp::Image: panel.addImageRow(kLabel, key, label, QString()); break;
    case PropertyRowOp::Feedback: panel.addFeedbackRow(kLabel, key, label, "参数", QJsonObject()); break;
    case PropertyRowOp::CommandList: panel.addCommandListRow(kLabel, key, label, QJsonArray()); break;
    case PropertyRowOp::KeyList: panel.addKeyListRow(kLabel, key, label, QJsonArray()); break;
    case PropertyRowOp::GridLayout: panel.addGridLayoutRow(kLabel, key, label, layouts()); break;
    case PropertyRowOp::Run: break;
    }
}

// What a row's editor shows: a line's or text's text, a combo's index, the
// JSON a button's record holds.
QString shown(PropertyWidget &panel, int row)
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

} // namespace

class TestPropertyRows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshPanelIsAnEmptyTwoColumnTable();
    void rowModelPerKind_data();
    void rowModelPerKind();
    void fillRulesPerKind_data();
    void fillRulesPerKind();
    void kindWithoutPageShowsNothingAndGetsNoEntry();

private:
    std::unique_ptr<TestWorkDir> m_dir;
};

void TestPropertyRows::init()
{
    m_dir.reset(new TestWorkDir);
    // A screen wider than 16:9 and a fit scale other than 1, so that every
    // scaled size shows.
    GlobalManager::instance()->setScreenMetrics(96.0, 1.5, 1.34);
}

void TestPropertyRows::cleanup()
{
    GlobalManager::resetInstance();
    m_dir.reset();
}

void TestPropertyRows::freshPanelIsAnEmptyTwoColumnTable()
{
    PropertyWidget panel;
    QTableWidget *table = panel.tableWidget();
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnWidth(0), 107);
    QVERIFY(table->horizontalHeader()->isHidden());
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(panel.rememberedColour("normalBkColor"), QString("#ffffff"));
    QCOMPARE(panel.rememberedColour("winBgColor"), QString("#ffffff"));
}

void TestPropertyRows::rowModelPerKind_data()
{
    QTest::addColumn<PropertyRowOp>("op");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("kind");     // -1: none stored
    QTest::addColumn<int>("height");   // -1: the table's default
    QTest::addColumn<QByteArray>("editor");
    QTest::addColumn<int>("records");  // widgets of the row carrying a record
    QTest::addColumn<int>("minimum");  // of the integer validator; 1: none
    QTest::addColumn<int>("maximum");

    const int none = 1;
    QTest::newRow("header") << PropertyRowOp::Header << "通用" << -1 << -1 << QByteArray() << 0 << none << none;
    QTest::newRow("read-only") << PropertyRowOp::ReadOnly << "控件类型" << 0 << -1 << QByteArray() << 0 << none << none;
    QTest::newRow("text") << PropertyRowOp::Text << "文本" << 2 << -1 << QByteArray("MyTextEdit") << 1 << none << none;
    QTest::newRow("integer, 9 characters") << PropertyRowOp::Integer << "123456789" << 1 << -1
                                           << QByteArray("MyNumberEdit") << 1 << 0 << 100000000;
    QTest::newRow("integer, 10 characters") << PropertyRowOp::Integer << "1234567890" << 1 << 40
                                            << QByteArray("MyNumberEdit") << 1 << 0 << 100000000;
    QTest::newRow("integer, 15 characters") << PropertyRowOp::Integer << "123456789012345" << 1 << 60
                                            << QByteArray("MyNumberEdit") << 1 << 0 << 100000000;
    QTest::newRow("plain integer, long label") << PropertyRowOp::PlainInteger << "123456789012345" << 1 << -1
                                               << QByteArray("MyNumberEdit") << 1 << -1 << 100000000;
    QTest::newRow("real") << PropertyRowOp::Real << "123456789012345" << 64 << -1 << QByteArray("MyNumberEdit")
                          << 1 << none << none;
    QTest::newRow("choice") << PropertyRowOp::Choice << "字体加粗" << 16 << 60 << QByteArray("MyComboBox") << 1
                            << none << none;
    QTest::newRow("colour") << PropertyRowOp::Colour << "颜色" << 2 << 75 << QByteArray("MyTextEdit") << 3 << none
                            << none;
    QTest::newRow("image") << PropertyRowOp::Image << "图片" << 2 << 75 << QByteArray("MyTextEdit") << 2 << none
                           << none;
    QTest::newRow("feedback") << PropertyRowOp::Feedback << "反馈" << 32 << 30 << QByteArray("QPushButton") << 1
                              << none << none;
    QTest::newRow("command list") << PropertyRowOp::CommandList << "命令" << 32 << 30 << QByteArray("QPushButton")
                                  << 1 << none << none;
    QTest::newRow("key list") << PropertyRowOp::KeyList << "按键" << 32 << 30 << QByteArray("QPushButton") << 1
                              << none << none;
    QTest::newRow("grid layout") << PropertyRowOp::GridLayout << "布局" << 16 << 60 << QByteArray("MyComboBox") << 2
                                 << none << none;
}

void TestPropertyRows::rowModelPerKind()
{
    QFETCH(PropertyRowOp, op);
    QFETCH(QString, label);
    QFETCH(int, kind);
    QFETCH(int, height);
    QFETCH(QByteArray, editor);
    QFETCH(int, records);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    PropertyWidget panel;
    QTableWidget *table = panel.tableWidget();
    addRow(panel, PropertyRowOp::Text, "before");
    addRow(panel, op, "k", label);
    const int row = 1;
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(panel.pageRows(kLabel), QVector<int>({0, 1}));

    const QTableWidgetItem *item = table->item(row, 0);
    QCOMPARE(item->text(), label);
    QVERIFY(!(item->flags() & Qt::ItemIsEditable));
    QCOMPARE(item->data(RoleKind).isValid() ? item->data(RoleKind).toInt() : -1, kind);
    QCOMPARE(table->rowHeight(row), height < 0 ? table->verticalHeader()->defaultSectionSize() : height);
    if (op == PropertyRowOp::Header) {
        QCOMPARE(item->data(RoleEditor).toLongLong(), 0);
        QCOMPARE(table->columnSpan(row, 0), 2);
        QVERIFY(item->font().bold());
        return;
    }
    QCOMPARE(item->data(RoleKey).toString(), QString("k"));
    if (op == PropertyRowOp::ReadOnly) {
        QCOMPARE(item->data(RoleEditor).toLongLong(), 1);
        QVERIFY(!panel.editorAt(row));
        return;
    }
    QWidget *rowEditor = panel.editorAt(row);
    QVERIFY(rowEditor && rowEditor->inherits(editor));
    QVERIFY(table->cellWidget(row, 1)->isAncestorOf(rowEditor));

    QList<QWidget *> recorded;
    for (QWidget *widget : table->cellWidget(row, 1)->findChildren<QWidget *>()) {
        if (const PropData *data = PropData::of(widget)) {
            QCOMPARE(data->nClass, kLabel);
            QCOMPARE(data->nRow, row);
            QCOMPARE(data->key, QString("k"));
            recorded.append(widget);
        }
    }
    QCOMPARE(recorded.size(), records);

    const auto *line = qobject_cast<QLineEdit *>(rowEditor);
    const auto *validator = line ? qobject_cast<const QIntValidator *>(line->validator()) : nullptr;
    QCOMPARE(validator ? validator->bottom() : 1, minimum);
    QCOMPARE(validator ? validator->top() : 1, maximum);
}

void TestPropertyRows::fillRulesPerKind_data()
{
    QTest::addColumn<PropertyRowOp>("op");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("previous"); // what the control shown before held
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("shown");

    const PropertyRowOp integer = PropertyRowOp::Integer;
    QTest::newRow("integer missing") << integer << "x" << QByteArray("{\"x\": 9}") << QByteArray("{}") << "0";
    QTest::newRow("integer with a fraction") << integer << "x" << QByteArray("{}") << QByteArray("{\"x\": 12.7}")
                                             << "0";
    QTest::newRow("integer written as text") << integer << "x" << QByteArray("{}") << QByteArray("{\"x\": \"12\"}")
                                             << "0";
    QTest::newRow("show_item_num missing") << integer << "show_item_num" << QByteArray("{}") << QByteArray("{}") << "5";
    QTest::newRow("PlaceId missing") << PropertyRowOp::PlainInteger << "PlaceId" << QByteArray("{\"PlaceId\": 3}")
                                     << QByteArray("{}") << "-1";
    QTest::newRow("integer key of no list") << integer << "on_IntVal" << QByteArray("{\"on_IntVal\": 3}")
                                            << QByteArray("{}") << "0";
    QTest::newRow("real missing") << PropertyRowOp::Real << "text_radio" << QByteArray("{\"text_radio\": 3}")
                                  << QByteArray("{}") << "1.00";
    QTest::newRow("real half") << PropertyRowOp::Real << "bg_radio" << QByteArray("{}")
                               << QByteArray("{\"bg_radio\": 0.5}") << "0.50";
    QTest::newRow("choice by value") << PropertyRowOp::Choice << "bold" << QByteArray("{}")
                                     << QByteArray("{\"bold\": 5}") << "1";
    QTest::newRow("choice value of no option") << PropertyRowOp::Choice << "bold" << QByteArray("{}")
                                               << QByteArray("{\"bold\": 7}") << "-1";
    QTest::newRow("choice missing") << PropertyRowOp::Choice << "group_hide" << QByteArray("{\"group_hide\": 5}")
                                    << QByteArray("{}") << "0";
    QTest::newRow("colour as written") << PropertyRowOp::Colour << "normalColor" << QByteArray("{}")
                                       << QByteArray("{\"normalColor\": \"#FF112233\"}") << "#FF112233";
    QTest::newRow("colour key of no list") << PropertyRowOp::Colour << "textOnColor"
                                           << QByteArray("{\"textOnColor\": \"#ff010203\"}") << QByteArray("{}")
                                           << "";
    QTest::newRow("image shows its file name") << PropertyRowOp::Image << "normal_image_path" << QByteArray("{}")
                                               << QByteArray("{\"normal_image_path\": \"a/b/c.png\"}") << "c.png";
    QTest::newRow("text with markup stays text") << PropertyRowOp::Text << "text" << QByteArray("{}")
                                                 << QByteArray("{\"text\": \"<b>a/b</b>\"}") << "<b>a/b</b>";
    QTest::newRow("command list missing") << PropertyRowOp::CommandList << "on_cmd_data_list"
                                          << QByteArray("{\"on_cmd_data_list\": [1]}") << QByteArray("{}") << "[]";
    QTest::newRow("feedback of another type") << PropertyRowOp::Feedback << "feedback"
                                              << QByteArray("{\"feedback\": {\"a\": 1}}")
                                              << QByteArray("{\"feedback\": []}") << "[]";
    QTest::newRow("grid layout by name") << PropertyRowOp::GridLayout << "grid_layout" << QByteArray("{}")
                                         << QByteArray("{\"grid_layout\": {\"name\": \"2x2\"}}") << "1";
    QTest::newRow("grid layout of no item") << PropertyRowOp::GridLayout << "grid_layout" << QByteArray("{}")
                                            << QByteArray("{\"grid_layout\": {\"name\": \"9x9\"}}") << "-1";
    QTest::newRow("grid layout missing") << PropertyRowOp::GridLayout << "grid_layout"
                                         << QByteArray("{\"grid_layout\": {\"name\": \"2x2\"}}")
                                         << QByteArray("{}") << "0";
}

void TestPropertyRows::fillRulesPerKind()
{
    QFETCH(PropertyRowOp, op);
    QFETCH(QString, key);
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, data);
    QFETCH(QString, shown);

    PropertyWidget panel;
    addRow(panel, op, key);
    QWidget control;
    panel.showProperty(&control, kLabel, jsonFixture(previous));
    panel.fillProperty(kLabel, jsonFixture(data));
    QCOMPARE(::shown(panel, 0), shown);
    QVERIFY(!panel.tableWidget()->isRowHidden(0));
}

void TestPropertyRows::kindWithoutPageShowsNothingAndGetsNoEntry()
{
    PropertyWidget panel;
    QWidget button;
    QWidget wallButton;
    panel.showProperty(&button, 113, QJsonObject());
    const int rows = panel.tableWidget()->rowCount();
    QVERIFY(rows > 0);
    panel.showProperty(&wallButton, 142, QJsonObject());
    QCOMPARE(panel.tableWidget()->rowCount(), rows);
    QVERIFY(!panel.hasPage(142));
    QCOMPARE(panel.currentControl(), &wallButton);
    for (int row = 0; row < rows; ++row)
        QVERIFY(panel.tableWidget()->isRowHidden(row));
}

QTEST_MAIN(TestPropertyRows)
#include "tst_propertyrows.moc"
