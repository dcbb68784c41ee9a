#include "midctrlcmdformdlg.h"

#include "commands/kivcommondatastructure.h"
#include "commands/recordform.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const int kDataTypeHex = 0;

struct LabelText {
    const char *name;
    const char *text;
};

const LabelText kLabels[] = {
    {"label_4", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "UUID")},
    {"label_5", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "名称")},
    {"label_3", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "发送类型")},
    {"label", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "间隔时间(ms)")},
    {"label_2", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "数据类型")},
    {"label_6", QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "数据")},
};

const char *const kSendTypes[] = {
    QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "只发一次"),
    QT_TRANSLATE_NOOP("MidCtrlCmdFormDlg", "循环发送"),
};

QLineEdit *lineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox *comboBox(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItem(QString(), 0);
    box->addItem(QString(), 1);
    return box;
}

// A two-entry box set from a stored value: anything but 0 is the second.
void chooseBinary(QComboBox *box, int value)
{
    box->setCurrentIndex(value != 0 ? 1 : 0);
}

} // namespace

MidCtrlCmdFormDlg::MidCtrlCmdFormDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_saveButton);
    connect(m_saveButton, SIGNAL(clicked()), this, SLOT(onSave()));
    connect(m_dataEdit, SIGNAL(textChanged()), this, SLOT(onTextChanged()));
}

MidCtrlCmdFormDlg::~MidCtrlCmdFormDlg() = default;

void MidCtrlCmdFormDlg::setupUi()
{
    setObjectName(QStringLiteral("MidCtrlCmdFormDlg"));
    resize(769, 535);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));

    m_uuidEdit = lineEdit(this, "lineEdit_4");
    m_uuidEdit->setEnabled(false);
    m_nameEdit = lineEdit(this, "lineEdit_5");
    m_sendTypeBox = comboBox(this, "comboBox_3");
    m_msEdit = lineEdit(this, "lineEdit_3");
    m_msEdit->setValidator(new QIntValidator(0, 1000000, m_msEdit));
    m_dataTypeBox = comboBox(this, "comboBox_2");
    m_dataEdit = new QTextEdit(this);
    m_dataEdit->setObjectName(QStringLiteral("textEdit"));
    // Data is characters only; pasted markup must not become formatting.
    m_dataEdit->setAcceptRichText(false);

    QWidget *fields[] = {m_uuidEdit, m_nameEdit, m_sendTypeBox, m_msEdit, m_dataTypeBox, m_dataEdit};
    const int count = int(sizeof fields / sizeof fields[0]);
    for (int i = 0; i < count; ++i)
        addRecordFormRow(column, kLabels[i].name, fields[i], fields[i] == m_dataEdit);
    m_saveButton = addRecordFormSaveRow(column);
    retranslateUi();
}

void MidCtrlCmdFormDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    for (const LabelText &label : kLabels)
        findChild<QLabel *>(QLatin1String(label.name))->setText(tr(label.text));
    for (int i = 0; i < 2; ++i)
        m_sendTypeBox->setItemText(i, tr(kSendTypes[i]));
    m_dataTypeBox->setItemText(0, QStringLiteral("HEX"));
    m_dataTypeBox->setItemText(1, QStringLiteral("ASCII"));
    m_saveButton->setText(tr("保存"));
    alignRecordFormLabels(this);
}

void MidCtrlCmdFormDlg::setData(const MidCtrlCmdRecord &record)
{
    m_record = record;
    chooseBinary(m_dataTypeBox, record.data_type);
    chooseBinary(m_sendTypeBox, record.send_type);
    m_msEdit->setText(QString::number(record.ms));
    m_uuidEdit->setText(QString::number(record.uuid));
    m_nameEdit->setText(recordText(record.name));
    // Last, so that the filter runs with the data type already set.
    m_dataEdit->setPlainText(recordText(record.data));
}

void MidCtrlCmdFormDlg::onSave()
{
    const QString name = m_nameEdit->text().trimmed();
    const QString data = m_dataEdit->toPlainText().trimmed();
    if (data.isEmpty()) {
        Notifier::information(nullptr, tr("提示"), tr("数据不能为空"));
        return;
    }
    if (name.isEmpty()) {
        Notifier::information(nullptr, tr("提示"), tr("中控名称不能为空"));
        return;
    }
    MidCtrlCmdRecord record;
    setRecordText(record.data, data);
    setRecordText(record.name, name);
    record.uuid = m_uuidEdit->text().trimmed().toInt();
    record.ms = m_msEdit->text().trimmed().toInt();
    record.send_type = m_sendTypeBox->currentData().toInt();
    record.data_type = m_dataTypeBox->currentData().toInt();
    m_record = record;
    accept();
}

void MidCtrlCmdFormDlg::onTextChanged()
{
    if (m_dataEdit->signalsBlocked())
        return;
    const QSignalBlocker blocker(m_dataEdit);
    const QString text = m_dataEdit->toPlainText();
    const QString filtered =
        m_dataTypeBox->currentData().toInt() == kDataTypeHex
            ? KivCommonDataStructure::filterInputText(text, KivCommonDataStructure::InputFormatHex).toLower()
            : KivCommonDataStructure::filterInputText(text, KivCommonDataStructure::InputFormatAscii);
    // Text the filter keeps as it is stays, and so does the cursor in it.
    if (filtered == text)
        return;
    m_dataEdit->setPlainText(filtered);
    m_dataEdit->moveCursor(QTextCursor::End);
}
