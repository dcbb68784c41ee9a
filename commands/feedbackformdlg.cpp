#include "feedbackformdlg.h"

#include "commands/jsmanager.h"
#include "commands/kivcommondatastructure.h"
#include "commands/midctrldlg.h"
#include "core/dialogkeys.h"
#include "core/jsonutils.h"
#include "core/notifier.h"
#include "core/textutils.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const char kFeedbackUuid[] = "feedback_uuid";
const char kEventUuid[] = "feedback_event_uuid";
const char kFunctionName[] = "function_name";
const char kFunctionArgs[] = "function_args";
const char kInArgsType[] = "in_args_type";
const char kOutArgsType[] = "out_args_type";
const char kFeedbackType[] = "feedback_type";
const char kTestData[] = "test_data";

struct RowInfo {
    const char *labelName;
    const char *label;
};

// Top to bottom; each label's field is made in setupUi in the same order.
const RowInfo kRows[] = {
    {"label", QT_TRANSLATE_NOOP("FeedBackFormDlg", "中控(UUID)")},
    {"label_2", QT_TRANSLATE_NOOP("FeedBackFormDlg", "中控命令(UUID)")},
    {"label_3", QT_TRANSLATE_NOOP("FeedBackFormDlg", "反馈函数")},
    {"label_5", QT_TRANSLATE_NOOP("FeedBackFormDlg", "函数输入参数(多个参数用逗号(,)隔开)")},
    {"label_7", QT_TRANSLATE_NOOP("FeedBackFormDlg", "输入参数类型")},
    {"label_6", QT_TRANSLATE_NOOP("FeedBackFormDlg", "输出类型")},
    {"label_8", QT_TRANSLATE_NOOP("FeedBackFormDlg", "反馈类型")},
    {"label_4", QT_TRANSLATE_NOOP("FeedBackFormDlg", "反馈数据测试")},
};

const char *const kArgTypes[] = {
    QT_TRANSLATE_NOOP("FeedBackFormDlg", "Integer"),
    QT_TRANSLATE_NOOP("FeedBackFormDlg", "String"),
};
const char *const kFeedbackTypes[] = {
    QT_TRANSLATE_NOOP("FeedBackFormDlg", "设置状态"),
    QT_TRANSLATE_NOOP("FeedBackFormDlg", "设置文本"),
};

const int kTypeInteger = 0;
const int kTypeString = 1;
const int kFieldHeight = 32;
const int kLabelWidth = 80;

QLineEdit *lineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox *twoEntryBox(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItem(QString(), 0);
    box->addItem(QString(), 1);
    return box;
}

QPushButton *button(QWidget *parent, const char *name)
{
    auto *widget = new QPushButton(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setMinimumSize(140, kFieldHeight);
    return widget;
}

int intOf(const QJsonObject &object, const char *key)
{
    int value = 0;
    jsonInt(object, QLatin1String(key), &value);
    return value;
}

QString stringOf(const QJsonObject &object, const char *key)
{
    QString value;
    jsonString(object, QLatin1String(key), &value);
    return value;
}

// A stored type outside the box's entries shows the first entry.
void chooseIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

// A decimal integer typed in a box; anything else is 0.
int decimalIn(const QLineEdit *edit)
{
    return edit->text().trimmed().toInt(nullptr, 10);
}

} // namespace

FeedBackFormDlg::FeedBackFormDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_saveButton);
    m_inTypeBox->setCurrentIndex(0);
    m_outTypeBox->setCurrentIndex(0);
    m_feedbackTypeBox->setCurrentIndex(0);
    m_inTypeBox->setEnabled(false);
    m_outTypeBox->setEnabled(false);
    connect(m_viewButton, SIGNAL(clicked()), this, SLOT(onView()));
    connect(m_testButton, SIGNAL(clicked()), this, SLOT(onTest()));
    connect(m_clearButton, SIGNAL(clicked()), this, SLOT(onClear()));
    connect(m_saveButton, SIGNAL(clicked()), this, SLOT(onSave()));
    connect(m_testDataEdit, SIGNAL(textChanged()), this, SLOT(onTextChanged()));
    connect(m_feedbackTypeBox, SIGNAL(currentIndexChanged(int)), this, SLOT(onFeedBackTypeIndexChanged(int)));
}

FeedBackFormDlg::~FeedBackFormDlg() = default;

void FeedBackFormDlg::setupUi()
{
    setObjectName(QStringLiteral("FeedBackFormDlg"));
    resize(1108, 655);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));

    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("label_9"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setMinimumHeight(kFieldHeight);
    column->addWidget(heading);

    m_uuidEdit = lineEdit(this, "lineEdit");
    m_eventUuidEdit = lineEdit(this, "lineEdit_2");
    m_functionEdit = lineEdit(this, "lineEdit_3");
    m_argsEdit = lineEdit(this, "lineEdit_5");
    m_inTypeBox = twoEntryBox(this, "comboBox_5");
    m_outTypeBox = twoEntryBox(this, "comboBox_4");
    m_feedbackTypeBox = twoEntryBox(this, "comboBox_6");
    m_testDataEdit = new QTextEdit(this);
    m_testDataEdit->setObjectName(QStringLiteral("textEdit"));
    // Test data is text; pasted markup must not become formatting.
    m_testDataEdit->setAcceptRichText(false);

    QWidget *fields[] = {m_uuidEdit,  m_eventUuidEdit, m_functionEdit,    m_argsEdit,
                         m_inTypeBox, m_outTypeBox,    m_feedbackTypeBox, m_testDataEdit};
    for (int i = 0; i < int(sizeof fields / sizeof fields[0]); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(kRows[i].labelName));
        label->setMinimumWidth(kLabelWidth);
        label->setWordWrap(true);
        fields[i]->setMinimumHeight(kFieldHeight);
        auto *row = new QHBoxLayout;
        row->addWidget(label, 1);
        row->addWidget(fields[i], 2);
        column->addLayout(row);
    }
    column->addItem(new QSpacerItem(20, 216, QSizePolicy::Minimum, QSizePolicy::Expanding));

    m_viewButton = button(this, "pushButton_2");
    m_testButton = button(this, "pushButton_4");
    m_clearButton = button(this, "pushButton");
    m_saveButton = button(this, "pushButton_3");
    auto *buttons = new QHBoxLayout;
    buttons->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    for (QPushButton *each : {m_viewButton, m_testButton, m_clearButton, m_saveButton})
        buttons->addWidget(each);
    buttons->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    column->addLayout(buttons);
    retranslateUi();
}

void FeedBackFormDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    findChild<QLabel *>(QStringLiteral("label_9"))->setText(tr("输入对应的中控参数和函数名"));
    for (const RowInfo &row : kRows)
        findChild<QLabel *>(QLatin1String(row.labelName))->setText(tr(row.label));
    for (int i = 0; i < 2; ++i) {
        m_inTypeBox->setItemText(i, tr(kArgTypes[i]));
        m_outTypeBox->setItemText(i, tr(kArgTypes[i]));
        m_feedbackTypeBox->setItemText(i, tr(kFeedbackTypes[i]));
    }
    m_viewButton->setText(tr("查看中控"));
    m_testButton->setText(tr("测试"));
    m_clearButton->setText(tr("清除"));
    m_saveButton->setText(tr("保存"));
}

void FeedBackFormDlg::setData(QJsonObject feedback)
{
    m_uuidEdit->setText(QString::number(intOf(feedback, kFeedbackUuid)));
    m_eventUuidEdit->setText(QString::number(intOf(feedback, kEventUuid)));
    m_functionEdit->setText(stringOf(feedback, kFunctionName));
    m_argsEdit->setText(stringOf(feedback, kFunctionArgs));
    chooseIndex(m_inTypeBox, intOf(feedback, kInArgsType));
    chooseIndex(m_outTypeBox, intOf(feedback, kOutArgsType));
    // Feedback type 1 enables the two type boxes through the type rule.
    chooseIndex(m_feedbackTypeBox, intOf(feedback, kFeedbackType));
    // Runs the test-data filter, so stored data shows re-formatted.
    m_testDataEdit->setPlainText(stringOf(feedback, kTestData));
}

void FeedBackFormDlg::onFeedBackTypeIndexChanged(int index)
{
    if (index == 0) {
        m_inTypeBox->setEnabled(false);
        m_outTypeBox->setEnabled(false);
        m_inTypeBox->setCurrentIndex(0);
        m_outTypeBox->setCurrentIndex(0);
    } else if (index == 1) {
        m_inTypeBox->setEnabled(true);
        m_outTypeBox->setEnabled(true);
    }
}

void FeedBackFormDlg::onTextChanged()
{
    const QSignalBlocker blocker(m_testDataEdit);
    const QString text = m_testDataEdit->toPlainText();
    const QString filtered =
        KivCommonDataStructure::filterInputText(text, KivCommonDataStructure::InputFormatHex).toLower();
    // Text the filter keeps as it is stays, and so does the cursor in it.
    if (filtered == text)
        return;
    m_testDataEdit->setPlainText(filtered);
    m_testDataEdit->moveCursor(QTextCursor::End);
}

void FeedBackFormDlg::onSave()
{
    QJsonObject result;
    result.insert(QLatin1String(kFunctionName), m_functionEdit->text().trimmed());
    result.insert(QLatin1String(kFunctionArgs), m_argsEdit->text().trimmed());
    result.insert(QLatin1String(kFeedbackUuid), decimalIn(m_uuidEdit));
    result.insert(QLatin1String(kEventUuid), decimalIn(m_eventUuidEdit));
    result.insert(QLatin1String(kTestData), m_testDataEdit->toPlainText().trimmed());
    result.insert(QLatin1String(kInArgsType), m_inTypeBox->currentData().toInt());
    result.insert(QLatin1String(kOutArgsType), m_outTypeBox->currentData().toInt());
    result.insert(QLatin1String(kFeedbackType), m_feedbackTypeBox->currentData().toInt());
    m_result = result;
    accept();
}

void FeedBackFormDlg::onClear()
{
    m_result = QJsonObject();
    accept();
}

void FeedBackFormDlg::onView()
{
    // Read-only: the user looks up uuids and types them here. Not shown before
    // exec(): modality is taken on showing, and a list shown modeless would be
    // a window this modal dialog blocks, behind it and deaf to the user.
    MidCtrlDlg dialog;
    dialog.setEditDisabled(true);
    dialog.exec();
}

void FeedBackFormDlg::onTest()
{
    const QString functionName = m_functionEdit->text().trimmed();
    const QString argText = m_argsEdit->text().trimmed();
    const QString hexData =
        QString::fromLatin1(textToByteArray(m_testDataEdit->toPlainText().trimmed()).toHex()).toUpper();
    // Empty pieces count: an empty text is one empty argument.
    const QStringList pieces = argText.split(QLatin1Char(','));
    QList<int> numbers;
    for (const QString &piece : pieces)
        numbers.append(piece.toInt(nullptr, 10));

    JsManager *js = JsManager::instance();
    const int inType = m_inTypeBox->currentData().toInt();
    const int outType = m_outTypeBox->currentData().toInt();
    QString report;
    int number = 0;
    QString text;
    if (inType == kTypeInteger && outType == kTypeInteger)
        js->callFuncIntToInt(functionName, hexData, numbers, number, report);
    else if (inType == kTypeInteger && outType == kTypeString)
        js->callFuncIntToStr(functionName, hexData, numbers, text, report);
    else if (inType == kTypeString && outType == kTypeInteger)
        js->callFuncStrToInt(functionName, hexData, pieces, number, report);
    else if (inType == kTypeString && outType == kTypeString)
        js->callFuncStrToStr(functionName, hexData, pieces, text, report);
    else
        return;
    Notifier::information(nullptr, tr("提示"), report);
}
