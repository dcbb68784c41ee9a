#include "app/globalmanager.h"
#include "commands/feedbackformdlg.h"
#include "commands/morecmddlg.h"
#include "commands/mousekeydlg.h"
#include "properties/propdata.h"
#include "properties/propertywidget.h"
#include "shell/imgdlg.h"
#include "tests/properties/panelfixture.h"
#include "wall/gridmanagerdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace pagefixture;

namespace {

const int kLabel = 104;

void click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
}

} // namespace

class TestDialogRows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void feedbackRowCommitsOneUndoStep_data();
    void feedbackRowCommitsOneUndoStep();
    void dialogCommitsToTheControlItOpenedFor();
    void dialogForAControlDeletedMeanwhileCommitsNothing();
    void customLayoutsRefillTheBoxWithoutCommitting();
    void imageDialogOpensOnTheRowsPicture();

private:
    QPushButton *rowButton(const char *key, int which = 0) const
    {
        QWidget *cell = m_panel->tableWidget()->cellWidget(m_panel->rowOf(kLabel, key), 1);
        return cell->findChildren<QPushButton *>().at(which);
    }
    void show(UIBase *control) { m_panel->showProperty(control, kLabel, control->attributes()); }
    int steps() const { return m_page->undoStack()->count(); }

    PanelFixture p;
    PropertyWidget *m_panel = nullptr;
    UIPage *m_page = nullptr;
    UIBase *m_label1 = nullptr;
    UIBase *m_label2 = nullptr;
};

void TestDialogRows::init()
{
    QVERIFY(p.setUp(QSize(1200, 800)));
    m_panel = p.panel;
    m_page = p.page;
    // The label's page made of the dialog rows alone.
    m_panel->addFeedbackRow(kLabel, "feedback", "反馈", "参数", QJsonObject());
    m_panel->addCommandListRow(kLabel, "on_cmd_data_list", "命令", QJsonArray());
    m_panel->addKeyListRow(kLabel, "mouse_keys", "按键", QJsonArray());
    m_panel->addGridLayoutRow(kLabel, "layout", "布局", QJsonArray{QJsonObject{{"name", "old"}}});
    const QJsonObject bound{{"feedback", QJsonObject{{"feedback_uuid", 100001}}}};
    m_label1 = addControl(m_page, kLabel, "Label_1", 10, 10, 100, 40, bound);
    m_label2 = addControl(m_page, kLabel, "Label_2", 10, 100, 100, 40);
    show(m_label1);
}

void TestDialogRows::cleanup()
{
    p.tearDown();
}

void TestDialogRows::feedbackRowCommitsOneUndoStep_data()
{
    QTest::addColumn<QString>("button");   // "" closes the window
    QTest::addColumn<int>("uuid");         // -1: no binding left
    QTest::addColumn<int>("newSteps");

    QTest::newRow("save") << "pushButton_3" << 100002 << 1;
    QTest::newRow("clear") << "pushButton" << -1 << 1;
    QTest::newRow("closed") << "" << 100001 << 0;
}

void TestDialogRows::feedbackRowCommitsOneUndoStep()
{
    QFETCH(QString, button);
    QFETCH(int, uuid);
    QFETCH(int, newSteps);

    const int before = steps();
    bool modal = false;
    whenShown<FeedBackFormDlg>([button, &modal](FeedBackFormDlg *dialog) {
        // Modal: no other row can open a second one meanwhile.
        modal = QApplication::activeModalWidget() == dialog;
        // The dialog opens on the control's binding.
        QCOMPARE(dialog->findChild<QLineEdit *>("lineEdit")->text(), QString("100001"));
        dialog->findChild<QLineEdit *>("lineEdit")->setText("100002");
        if (button.isEmpty())
            dialog->close();
        else
            click(dialog, qPrintable(button));
    });
    QTest::mouseClick(rowButton("feedback"), Qt::LeftButton);

    QVERIFY(modal);
    QCOMPARE(steps(), before + newSteps);
    const QJsonObject feedback = m_label1->attributes().value("feedback").toObject();
    if (uuid < 0)
        QCOMPARE(feedback, QJsonObject());
    else
        QCOMPARE(feedback.value("feedback_uuid").toInt(), uuid);
    QCOMPARE(PropData::of(rowButton("feedback"))->obj, feedback);
    if (newSteps) {
        m_page->undoStack()->undo();
        QCOMPARE(m_label1->attributes().value("feedback").toObject().value("feedback_uuid").toInt(), 100001);
    }
}

void TestDialogRows::dialogCommitsToTheControlItOpenedFor()
{
    const int before = steps();
    whenShown<MouseKeyDlg>([this](MouseKeyDlg *dialog) {
        // The user selects another control while the dialog runs.
        show(m_label2);
        click(dialog, "pushButton");
        click(dialog, "pushButton_3");
    });
    QTest::mouseClick(rowButton("mouse_keys"), Qt::LeftButton);
    QCOMPARE(steps(), before + 1);
    QCOMPARE(m_label1->attributes().value("mouse_keys").toArray(), QJsonArray{"KEY_RESERVED"});
    QVERIFY(!m_label2->attributes().contains("mouse_keys"));
    // The row shows the second control's keys, not the first one's.
    QCOMPARE(PropData::of(rowButton("mouse_keys"))->arr, QJsonArray());
}

void TestDialogRows::dialogForAControlDeletedMeanwhileCommitsNothing()
{
    const int before = steps();
    whenShown<MoreCmdDlg>([this](MoreCmdDlg *dialog) {
        m_page->deleteControl(m_label1);
        flushDeletes();
        click(dialog, "pushButton");
    });
    QTest::mouseClick(rowButton("on_cmd_data_list"), Qt::LeftButton);
    // The deletion is the only step; its undo brings the control back as it was.
    QCOMPARE(steps(), before + 1);
    m_page->undoStack()->undo();
    QVERIFY(!m_page->findControl(kLabel, "Label_1")->attributes().contains("on_cmd_data_list"));
}

void TestDialogRows::customLayoutsRefillTheBoxWithoutCommitting()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(writeFixture(manager->gridTemplatePath(),
                         R"([{"id": 1, "name": "wall", "standard": 1, "gridmode": 0, "row": 2, "col": 2}])"));
    m_label1->setAttributes(QJsonObject{{"layout", QJsonObject{{"name", "wall"}}}}, true, false);
    const int before = steps();
    whenShown<GridManagerDlg>([](GridManagerDlg *dialog) {
        dialog->findChild<QSpinBox *>("spinBox_3")->setValue(7);
        click(dialog, "pushButton");
    });
    QTest::mouseClick(rowButton("layout"), Qt::LeftButton);

    auto *combo = qobject_cast<QComboBox *>(m_panel->editorAt(m_panel->rowOf(kLabel, "layout")));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QString("wall"));
    QCOMPARE(PropData::of(combo)->arr.size(), 2);
    QCOMPARE(steps(), before);
}

void TestDialogRows::imageDialogOpensOnTheRowsPicture()
{
    QVERIFY(writeColourPicture(p.project.project + "/a.png", Qt::red));
    m_panel->addImageRow(kLabel, "normal_image_path", "图片", QString());
    m_label1->setAttributes(QJsonObject{{"normal_image_path", "a.png"}}, true, false);
    show(m_label1);
    const int before = steps();
    QString openedOn;
    whenShown<ImgDlg>([&openedOn](ImgDlg *dialog) {
        if (QListWidgetItem *item = dialog->listWidget()->currentItem())
            openedOn = item->text();
        click(dialog, "pushButton_2");
    });
    QTest::mouseClick(rowButton("normal_image_path"), Qt::LeftButton);
    // Accepted as it opened, it changes nothing.
    QCOMPARE(openedOn, QString("a.png"));
    QCOMPARE(steps(), before);
    QCOMPARE(m_label1->attributes().value("normal_image_path"), QJsonValue("a.png"));
}

QTEST_MAIN(TestDialogRows)
#include "tst_dialogrows.moc"
