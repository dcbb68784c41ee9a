#include "app/globalmanager.h"
#include "canvas/defaultattributes.h"
#include "core/controltypetable.h"
#include "core/fileutils.h"
#include "core/jsonutils.h"
#include "properties/propdata.h"
#include "properties/propertywidget.h"
#include "tests/properties/panelfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTextEdit>

using namespace pagefixture;

namespace {

// A row as the user meets it, read from its widgets:
// key|label|kind|what it shows when built|e(ditable) or f(ixed)|range or options.
QString describe(PropertyWidget &panel, int row)
{
    QTableWidget *table = panel.tableWidget();
    const QTableWidgetItem *item = table->item(row, 0);
    if (table->columnSpan(row, 0) == 2)
        return '[' + item->text() + ']';
    QWidget *cell = table->cellWidget(row, 1);
    QWidget *editor = panel.editorAt(row);
    QString kind = "read-only", shown = cell->findChild<QLabel *>() ? cell->findChild<QLabel *>()->text() : "";
    QStringList extra;
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        const auto *range = qobject_cast<const QIntValidator *>(line->validator());
        kind = range ? "int" : "real";
        shown = line->text();
        if (range)
            extra << QString("%1..%2").arg(range->bottom()).arg(range->top());
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        kind = cell->findChild<QPushButton *>() ? "grid" : "choice";
        shown = QString::number(combo->currentIndex());
        for (int i = 0; i < combo->count(); ++i)
            extra << QString("%1:%2").arg(combo->itemData(i).toInt()).arg(combo->itemText(i));
        if (extra.size() > 12)
            extra = QStringList{QString("%1 options").arg(extra.size())};
    } else if (auto *text = qobject_cast<QTextEdit *>(editor)) {
        const bool picker = cell->findChildren<QPushButton *>().size() == 2;
        kind = !picker ? "text" : PropData::of(text) ? "colour" : "image";
        shown = text->toPlainText();
    } else if (auto *button = qobject_cast<QPushButton *>(editor)) {
        kind = "button";
        shown = button->text();
    }
    const QString editable = editor && editor->isEnabled() ? "e" : "f";
    return QStringList{item->data(RoleKey).toString(), item->text(), kind, shown, editable, extra.join(',')}.join('|');
}

} // namespace

class TestPropertyPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageShapes_data();
    void pageShapes();
    void everyKindOnceMakesTheWholeTable();
    void rowsAsTheUserMeetsThem_data();
    void rowsAsTheUserMeetsThem();
    void choicesStoreValuesThatSkipPositions_data();
    void choicesStoreValuesThatSkipPositions();
    void everyEditableRowEditsItsControlAndSurvivesReopening();
    void visitingEveryRowChangesNothing();
    void rowsTakeOnlyWhatTheControlCanDraw_data();
    void rowsTakeOnlyWhatTheControlCanDraw();

private:
    UIPage *reopen();
    // Clicks into every editor the shown page offers and out again, typing nothing.
    void visitShownRows();
    int steps() const { return m_page->undoStack()->count(); }

    PanelFixture p;
    PropertyWidget *m_panel = nullptr;
    UIPage *m_page = nullptr;
};

void TestPropertyPages::init()
{
    QVERIFY(p.setUp(QSize(1700, 900)));
    m_panel = p.panel;
    m_page = p.page;
}

void TestPropertyPages::cleanup()
{
    p.tearDown();
}

UIPage *TestPropertyPages::reopen()
{
    GlobalManager *manager = GlobalManager::instance();
    manager->saveAllPages();
    manager->slotPageClose(p.project.tabs->currentIndex());
    flushDeletes();
    if (p.project.tabs->count() != 0 || !manager->openPageTab("home", 0))
        return nullptr;
    return m_page = manager->currentPage();
}

void TestPropertyPages::pageShapes_data()
{
    QTest::addColumn<int>("nClass");
    for (int nClass = 100; nClass <= 164; ++nClass) {
        if (nClass != 132 && nClass != 142 && nClass != 147 && nClass != 152)
            QTest::addRow("%d", nClass) << nClass;
    }
}

// What holds on every page: the head, keys met once, choices whose options
// can all be told apart, and integer rows that show a value their editor
// would take.
void TestPropertyPages::pageShapes()
{
    QFETCH(int, nClass);

    PropertyWidget panel;
    panel.createProperty(nClass);
    const QVector<int> page = panel.pageRows(nClass);
    QCOMPARE(describe(panel, page.at(0)), QString("[通用]"));
    QVERIFY(describe(panel, page.at(1)).startsWith("ui_type|控件类型|read-only|"));
    QVERIFY(describe(panel, page.at(2)).contains(QRegularExpression("^name\\|控件名称\\|text\\|UI\\w+\\|f\\|$")));

    QSet<QString> keys;
    for (int row : page.mid(1)) {
        if (panel.tableWidget()->columnSpan(row, 0) == 2)
            continue;
        const QString key = panel.tableWidget()->item(row, 0)->data(RoleKey).toString();
        QVERIFY2(!keys.contains(key), qPrintable(key));
        keys.insert(key);
        if (auto *combo = qobject_cast<QComboBox *>(panel.editorAt(row))) {
            QSet<int> values;
            for (int i = 0; i < combo->count(); ++i)
                values.insert(combo->itemData(i).toInt());
            QVERIFY2(values.size() == combo->count(), qPrintable(key));
        }
        if (auto *line = qobject_cast<QLineEdit *>(panel.editorAt(row))) {
            QString text = line->text();
            int position = 0;
            QVERIFY2(!line->validator() || line->validator()->validate(text, position) == QValidator::Acceptable,
                     qPrintable(key));
        }
    }
}

void TestPropertyPages::everyKindOnceMakesTheWholeTable()
{
    QStringList kinds;
    for (int nClass = 99; nClass <= 165; ++nClass) {
        // The open page's own rows are there already.
        if (!m_panel->hasPage(nClass))
            m_panel->createProperty(nClass);
        if (m_panel->hasPage(nClass))
            kinds << QString::number(nClass);
    }
    QCOMPARE(m_panel->tableWidget()->rowCount(), 1450);
    QCOMPARE(kinds.size(), 61);
    for (const char *none : {"99", "132", "142", "147", "152", "165"})
        QVERIFY(!kinds.contains(none));
}

void TestPropertyPages::rowsAsTheUserMeetsThem_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<QString>("row");

    QTest::newRow("control type") << 129 << "ui_type|控件类型|read-only|普通命令|f|";
    QTest::newRow("page size is fixed") << 100 << "w|宽|int|0|f|0..100000000";
    QTest::newRow("place id unset") << 100 << "PlaceId|场所ID|int|-1|e|-1..100000000";
    QTest::newRow("standard choice") << 129 << "text_position|文字位置|choice|0|e|0:居中,1:居上,2:居下,3:居左,4:居右";
    QTest::newRow("colour") << 129 << "pressBkColor|背景激活颜色|colour|#00000000|e|";
    QTest::newRow("command list") << 129 << "off_cmd_data_list|弹起命令参数|button|命令信息|e|";
    QTest::newRow("audio matrix text") << 163 << "btn_text|按纽文本|text|切换|e|";
    QTest::newRow("feature options") << 159 << "feature_type|功能类型|choice|0|e|48 options";
}

void TestPropertyPages::rowsAsTheUserMeetsThem()
{
    QFETCH(int, nClass);
    QFETCH(QString, row);

    PropertyWidget panel;
    panel.createProperty(nClass);
    QStringList shown;
    for (int at : panel.pageRows(nClass))
        shown << describe(panel, at);
    QVERIFY2(shown.contains(row), qPrintable(shown.join('\n')));
}

void TestPropertyPages::choicesStoreValuesThatSkipPositions_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("value");

    QTest::newRow("relation ppt") << 133 << "relativeType" << "ppt" << 130;
    QTest::newRow("camera speed") << 153 << "speed" << "0.5" << 5;
    QTest::newRow("PPT pause keeps 23") << 159 << "feature_type" << "PPT暂停播放" << 23;
    QTest::newRow("PPT autoplay") << 159 << "feature_type" << "PPT自动播放" << 27;
    QTest::newRow("PPT first page") << 159 << "feature_type" << "PPT回首页" << 28;
    QTest::newRow("the same value, another list") << 161 << "feature_type" << "锁屏" << 1;
}

// Chosen, stored as the option's value, shown again from it after another
// control, and after saving and reopening; the format painter leaves it.
void TestPropertyPages::choicesStoreValuesThatSkipPositions()
{
    QFETCH(int, nClass);
    QFETCH(QString, key);
    QFETCH(QString, option);
    QFETCH(int, value);

    UIBase *chosen = addControl(m_page, nClass, "Chosen_1", 10, 10, 120, 50);
    UIBase *other = addControl(m_page, nClass, "Other_2", 200, 10, 120, 50);
    QVERIFY(select({chosen}));
    auto *combo = qobject_cast<QComboBox *>(m_panel->editorAt(m_panel->rowOf(nClass, key)));
    const int before = steps();
    combo->setCurrentIndex(combo->findText(option));
    QCOMPARE(steps(), before + 1);
    QCOMPARE(chosen->attributes().value(key), QJsonValue(value));
    QVERIFY(select({other}));
    QVERIFY(select({chosen}));
    QCOMPARE(combo->currentText(), option);

    // Painting the chosen one's look onto the other keeps the other's function.
    if (key == "feature_type") {
        QVERIFY(m_page->setFormatPainter());
        QVERIFY(select({other}));
        QCOMPARE(other->attributes().value(key), QJsonValue(0));
        QCOMPARE(combo->currentIndex(), 0);
    }

    QVERIFY(reopen());
    QVERIFY(select({m_page->findControl(nClass, "Chosen_1")}));
    QCOMPARE(m_page->findControl(nClass, "Chosen_1")->attributes().value(key), QJsonValue(value));
    QCOMPARE(combo->currentText(), option);
}

// As a user would try it: each editable row of every kind, changed once,
// changes the control at once as one undo step and is there after reopening.
void TestPropertyPages::everyEditableRowEditsItsControlAndSurvivesReopening()
{
    QHash<QString, QJsonObject> committed;
    int placed = 0;
    for (int nClass = 101; nClass <= 164; ++nClass) {
        const QString name = QString("Kind%1_1").arg(nClass);
        UIBase *control = addControl(m_page, nClass, name, placed % 8 * 150, placed / 8 * 85, 140, 80);
        if (!control)
            continue;
        ++placed;
        QVERIFY2(select({control}), qPrintable(name));
        for (int row : m_panel->pageRows(nClass)) {
            QWidget *editor = m_panel->editorAt(row);
            if (!editor || !editor->isEnabled())
                continue;
            const QString key = PropData::of(editor) ? PropData::of(editor)->key : QString();
            QJsonValue value;
            const int before = steps();
            if (auto *line = qobject_cast<QLineEdit *>(editor)) {
                const bool whole = line->validator();
                value = whole ? QJsonValue(line->text() == "7" ? 9 : 7) : QJsonValue(0.5);
                line->clear();
                QTest::keyClicks(line, whole ? QString::number(value.toInt()) : QString("0.5"));
                QTest::keyClick(line, Qt::Key_Return);
            } else if (auto *text = qobject_cast<QTextEdit *>(editor); text && !text->isReadOnly()) {
                value = QString("edited " + key);
                text->setPlainText(value.toString());
                QFocusEvent out(QEvent::FocusOut);
                QApplication::sendEvent(text, &out);
            } else if (auto *combo = qobject_cast<QComboBox *>(editor); combo && combo->count() > 1) {
                const int index = combo->currentIndex() == combo->count() - 1 ? 0 : combo->count() - 1;
                value = combo->itemData(index).toInt();
                combo->setCurrentIndex(index);
            } else {
                continue;
            }
            QVERIFY2(steps() == before + 1, qPrintable(name + ' ' + key));
            QVERIFY2(control->attributes().value(key) == value, qPrintable(name + ' ' + key));
            committed[name].insert(key, value);
        }
    }
    QCOMPARE(placed, 61);

    QVERIFY(reopen());
    for (auto it = committed.constBegin(); it != committed.constEnd(); ++it) {
        const UIBase *control = m_page->findControl(it.key().mid(4, 3).toInt(), it.key());
        QVERIFY2(control, qPrintable(it.key()));
        for (auto edit = it->constBegin(); edit != it->constEnd(); ++edit)
            QVERIFY2(control->attributes().value(edit.key()) == edit.value(), qPrintable(it.key() + ' ' + edit.key()));
    }
}

void TestPropertyPages::visitShownRows()
{
    QTableWidget *table = m_panel->tableWidget();
    for (int row : m_panel->pageRows(m_panel->shownClass())) {
        QWidget *editor = m_panel->editorAt(row);
        if (table->isRowHidden(row) || !editor || !editor->isEnabled() || qobject_cast<QPushButton *>(editor))
            continue;
        // As between a user's clicks, the table lays out what it now shows.
        table->scrollToItem(table->item(row, 0));
        QCoreApplication::processEvents();
        auto *area = qobject_cast<QAbstractScrollArea *>(editor);
        QTest::mouseClick(area ? area->viewport() : editor, Qt::LeftButton);
        // A click opens a choice's list; Escape closes it unchosen. The
        // offscreen platform, unlike a window system, does not then give the
        // window its activation back.
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(p.window);
        }
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY2(editor->hasFocus(), qPrintable(table->item(row, 0)->text()));
    }
}

// As a user looks around: every row of every kind's page entered and left,
// on the controls of the template project (which lack keys such as
// "borderRadius") and on new controls of every kind with their defaults.
void TestPropertyPages::visitingEveryRowChangesNothing()
{
    GlobalManager *manager = GlobalManager::instance();
    const QString project = p.project.workDir->filePath("template");
    QVERIFY(QDir().mkpath(project));
    QVERIFY(copyDirectory(qEnvironmentVariable("BRIVANE_RUN_DIR") + "/template/config/zh_cn", project, true));
    QVERIFY(manager->openProject(project + "/main.projectui"));
    QVERIFY(manager->openPageTab("home", 0));
    m_page = manager->currentPage();
    const int loaded = m_page->controlCount();
    QVERIFY(loaded > 0);
    int added = 0;
    for (const ControlTypeEntry &kind : designControlTypes()) {
        if (!DefaultAttributes::hasKind(kind.id))
            continue;
        m_page->addNewControl(kind.id, QRect(added % 12 * 60, 300 + added / 12 * 40, 55, 35));
        ++added;
    }
    QCOMPARE(m_page->controlCount(), loaded + added);

    QList<UIBase *> shown{m_page};
    QHash<UIBase *, QJsonObject> before{{m_page, m_page->attributes()}};
    for (const QList<UIBase *> &kind : m_page->controls()) {
        for (UIBase *control : kind) {
            shown.append(control);
            before.insert(control, control->attributes());
        }
    }
    const int steps = this->steps();
    m_page->setModified(false);
    const QPoint emptyPlace(2, m_page->height() - 2);
    for (UIBase *control : qAsConst(shown)) {
        if (control == m_page)
            QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, emptyPlace);
        else
            QVERIFY(select({control}));
        QCOMPARE(m_panel->currentControl(), control);
        visitShownRows();
        if (QTest::currentTestFailed())
            return;
    }
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, emptyPlace);

    for (UIBase *control : qAsConst(shown)) {
        const QJsonObject changed = jsonChanges(before.value(control), control->attributes());
        QVERIFY2(changed.isEmpty(), qPrintable(control->getName() + ' ' + QJsonDocument(changed).toJson()));
    }
    QCOMPARE(this->steps(), steps);
    QVERIFY(!m_page->isModified());
}

void TestPropertyPages::rowsTakeOnlyWhatTheControlCanDraw_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("typed");
    QTest::addColumn<bool>("committed");

    // The login form's opacity is the alpha of its background.
    QTest::newRow("opacity 255") << 101 << "bgOpacity" << 255 << true;
    QTest::newRow("opacity 256") << 101 << "bgOpacity" << 256 << false;
    // A list draws at most one item per pixel of the longest page.
    QTest::newRow("items of the longest page") << 111 << "show_item_num" << 15360 << true;
    QTest::newRow("more items") << 136 << "show_item_num" << 15361 << false;
}

void TestPropertyPages::rowsTakeOnlyWhatTheControlCanDraw()
{
    QFETCH(int, nClass);
    QFETCH(QString, key);
    QFETCH(int, typed);
    QFETCH(bool, committed);

    UIBase *control = addControl(m_page, nClass, "Bounded_1", 10, 10, 300, 200);
    QVERIFY(select({control}));
    const QJsonValue before = control->attributes().value(key);
    auto *edit = qobject_cast<QLineEdit *>(m_panel->editorAt(m_panel->rowOf(nClass, key)));
    edit->clear();
    QTest::keyClicks(edit, QString::number(typed));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(control->attributes().value(key), committed ? QJsonValue(typed) : before);
}

QTEST_MAIN(TestPropertyPages)
#include "tst_propertypages.moc"
