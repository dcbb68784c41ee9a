#include "midctrformdlg.h"

#include "commands/recordform.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const char kIpv4Pattern[] = "^((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)$";

struct LabelText {
    const char *name;
    const char *text;
};

const LabelText kLabels[] = {
    {"label_4", QT_TRANSLATE_NOOP("MidCtrFormDlg", "UUID")},
    {"label_3", QT_TRANSLATE_NOOP("MidCtrFormDlg", "名称")},
    {"label_5", QT_TRANSLATE_NOOP("MidCtrFormDlg", "协议")},
    {"label", QT_TRANSLATE_NOOP("MidCtrFormDlg", "IP地址")},
    {"label_2", QT_TRANSLATE_NOOP("MidCtrFormDlg", "端口")},
};

QLineEdit *lineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// A number typed in a box: 0 when empty or not a number.
int numberIn(const QLineEdit *edit)
{
    return edit->text().trimmed().toInt();
}

} // namespace

MidCtrFormDlg::MidCtrFormDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_saveButton);
    connect(m_saveButton, SIGNAL(clicked()), this, SLOT(onSave()));
}

MidCtrFormDlg::~MidCtrFormDlg() = default;

void MidCtrFormDlg::setupUi()
{
    setObjectName(QStringLiteral("MidCtrFormDlg"));
    resize(532, 412);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));

    m_uuidEdit = lineEdit(this, "lineEdit_4");
    m_uuidEdit->setEnabled(false);
    m_nameEdit = lineEdit(this, "lineEdit_3");
    m_protocolBox = new QComboBox(this);
    m_protocolBox->setObjectName(QStringLiteral("comboBox"));
    m_ipEdit = lineEdit(this, "lineEdit");
    m_ipEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QLatin1String(kIpv4Pattern)), m_ipEdit));
    m_portEdit = lineEdit(this, "lineEdit_2");
    m_portEdit->setValidator(new QIntValidator(0, 65535, m_portEdit));

    QWidget *fields[] = {m_uuidEdit, m_nameEdit, m_protocolBox, m_ipEdit, m_portEdit};
    for (int i = 0; i < int(sizeof fields / sizeof fields[0]); ++i)
        addRecordFormRow(column, kLabels[i].name, fields[i]);
    m_saveButton = addRecordFormSaveRow(column);

    m_protocolBox->addItem(QString(), 0);
    m_protocolBox->addItem(QString(), 1);
    m_protocolBox->setCurrentIndex(1);
    retranslateUi();
}

void MidCtrFormDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    for (const LabelText &label : kLabels)
        findChild<QLabel *>(QLatin1String(label.name))->setText(tr(label.text));
    m_protocolBox->setItemText(0, tr("udp"));
    m_protocolBox->setItemText(1, tr("tcp"));
    m_saveButton->setText(tr("保存"));
    alignRecordFormLabels(this);
}

void MidCtrFormDlg::setData(const MidCtrlRecord &record)
{
    m_record = MidCtrlRecord();
    m_record.uuid = record.uuid;
    m_record.protocol = record.protocol;
    m_record.port = record.port;
    setRecordText(m_record.name, recordText(record.name));
    setRecordText(m_record.ip, recordText(record.ip));

    // The device table shows any protocol but 0 as tcp; so does the form.
    m_protocolBox->setCurrentIndex(m_record.protocol != 0 ? 1 : 0);
    m_uuidEdit->setText(QString::number(m_record.uuid));
    m_portEdit->setText(QString::number(m_record.port));
    m_nameEdit->setText(recordText(m_record.name));
    m_ipEdit->setText(recordText(m_record.ip));
}

void MidCtrFormDlg::onSave()
{
    const QString ip = m_ipEdit->text().trimmed();
    const QString name = m_nameEdit->text().trimmed();
    if (ip.isEmpty()) {
        Notifier::information(nullptr, tr("提示"), tr("ip不能为空"));
        return;
    }
    if (name.isEmpty()) {
        Notifier::information(nullptr, tr("提示"), tr("中控名称不能为空"));
        return;
    }
    MidCtrlRecord record;
    setRecordText(record.ip, ip);
    setRecordText(record.name, name);
    record.protocol = m_protocolBox->currentIndex();
    record.port = numberIn(m_portEdit);
    record.uuid = numberIn(m_uuidEdit);
    m_record = record;
    accept();
}
