#include "replacecmddlg.h"

#include "commands/cmdprotocol.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"
#include "core/textutils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

enum FieldKind { AddressEdit, PlainEdit, NumberEdit, ProtocolBox, CountSpin };

struct RowInfo {
    int group;  // 0 "是否查找", 1 "是否替换"
    const char *checkName;
    const char *labelName;
    const char *label;
    const char *fieldName;
    FieldKind kind;
    int maximum;  // of a number edit
    const char *slot;
};

const RowInfo kRows[] = {
    // Any text: what is searched for may be a malformed stored address.
    {0, "checkBox", "label", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "查找命令IP"), "lineEdit", PlainEdit, 0,
     SLOT(cboxQryIpStateChange(int))},
    {0, "checkBox_5", "label_5", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "端口"), "qryEditPort", PlainEdit, 0,
     SLOT(cboxQryPortStateChange(int))},
    {1, "checkBox_4", "label_4", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "替换命令IP"), "lineEdit_2", AddressEdit, 0,
     SLOT(cboxReplaceIpStateChange(int))},
    {1, "cboxPort", "label_2", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "端口"), "editPort", NumberEdit, 65535,
     SLOT(cboxPortStateChange(int))},
    {1, "cboxProtocol", "label_3", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "协议"), "cbProtocol", ProtocolBox, 0,
     SLOT(cboxProtocolStateChange(int))},
    {1, "cboxTimeout", "label_6", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "连接超时(ms)"), "editTimeout", NumberEdit,
     5000, SLOT(cboxTimeoutStateChange(int))},
    {1, "cboxBeforeSendInterval", "label_7", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "发送前间隔(ms)"),
     "editBeforeSendInterval", NumberEdit, 1000000, SLOT(cboxBeforeSendIntStateChange(int))},
    {1, "cboxAfterSendInterval", "label_8", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "发送后间隔(ms)"),
     "editAfterSendInterval", NumberEdit, 1000000, SLOT(cboxAfterSendIntStateChange(int))},
    {1, "cboxReconnCount", "labReconnectCount", QT_TRANSLATE_NOOP("ReplaceCmdDlg", "重连次数(0~5)"),
     "spReconnNum", CountSpin, 0, SLOT(cboxReconnCountStateChange(int))},
};

const char kIpv4Pattern[] = "^((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)$";

QSpacerItem *horizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

bool isPort(const QString &text)
{
    bool ok = false;
    const int port = text.toInt(&ok, 10);
    return ok && port >= 1 && port <= 65535;
}

} // namespace

ReplaceCmdDlg::ReplaceCmdDlg(QWidget *parent)
    : QDialog(parent)
{
    static_assert(sizeof kRows / sizeof kRows[0] == RowCount, "one description per row");
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    for (int row = 0; row < RowCount; ++row)
        connect(m_checks[row], SIGNAL(stateChanged(int)), this, kRows[row].slot);
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
}

ReplaceCmdDlg::~ReplaceCmdDlg() = default;

void ReplaceCmdDlg::setupUi()
{
    setObjectName(QStringLiteral("ReplaceCmdDlg"));
    resize(660, 462);
    auto *column = new QVBoxLayout(this);
    column->setObjectName(QStringLiteral("verticalLayout"));

    QGroupBox *groups[2] = {new QGroupBox(this), new QGroupBox(this)};
    groups[0]->setObjectName(QStringLiteral("groupBox"));
    groups[1]->setObjectName(QStringLiteral("groupBox_2"));
    QVBoxLayout *groupLayouts[2] = {new QVBoxLayout(groups[0]), new QVBoxLayout(groups[1])};

    for (int row = 0; row < RowCount; ++row) {
        const RowInfo &info = kRows[row];
        QGroupBox *group = groups[info.group];
        auto *check = new QCheckBox(group);
        check->setObjectName(QLatin1String(info.checkName));
        auto *label = new QLabel(group);
        label->setObjectName(QLatin1String(info.labelName));

        QWidget *field = nullptr;
        if (info.kind == ProtocolBox) {
            m_protocolBox = new QComboBox(group);
            m_protocolBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            field = m_protocolBox;
        } else if (info.kind == CountSpin) {
            m_reconnectSpin = new QSpinBox(group);
            m_reconnectSpin->setRange(0, 5);
            field = m_reconnectSpin;
        } else {
            auto *edit = new QLineEdit(group);
            if (info.kind == AddressEdit)
                edit->setValidator(
                    new QRegularExpressionValidator(QRegularExpression(QLatin1String(kIpv4Pattern)), edit));
            else if (info.kind == NumberEdit)
                edit->setValidator(new QIntValidator(0, info.maximum, edit));
            field = edit;
        }
        field->setObjectName(QLatin1String(info.fieldName));
        field->setMinimumHeight(30);
        field->setEnabled(false);

        auto *line = new QHBoxLayout;
        line->addWidget(check);
        line->addWidget(label);
        line->addWidget(field, 1);
        groupLayouts[info.group]->addLayout(line);
        m_checks[row] = check;
        m_fields[row] = field;
    }
    column->addWidget(groups[0]);
    column->addWidget(groups[1]);
    column->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto *buttons = new QHBoxLayout;
    buttons->addItem(horizontalSpacer());
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("pushButton"));
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("pushButton_2"));
    for (QPushButton *button : {m_okButton, m_cancelButton}) {
        button->setMinimumSize(90, 30);
        buttons->addWidget(button);
    }
    buttons->addItem(horizontalSpacer());
    column->addLayout(buttons);

    retranslateUi();
    // Finding by address is what the dialog is for; it starts ticked.
    m_checks[QryIp]->setChecked(true);
    m_fields[QryIp]->setEnabled(true);
}

void ReplaceCmdDlg::retranslateUi()
{
    setWindowTitle(tr("命令IP替换"));
    findChild<QGroupBox *>(QStringLiteral("groupBox"))->setTitle(tr("是否查找"));
    findChild<QGroupBox *>(QStringLiteral("groupBox_2"))->setTitle(tr("是否替换"));
    // All fields start in one column, however long a translated label is.
    int labelWidth = 140;
    for (const RowInfo &info : kRows) {
        auto *label = findChild<QLabel *>(QLatin1String(info.labelName));
        label->setText(tr(info.label));
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    }
    for (const RowInfo &info : kRows)
        findChild<QLabel *>(QLatin1String(info.labelName))->setMinimumWidth(labelWidth);
    m_protocolBox->clear();
    for (int code = 0; code < CmdProtocol::Count; ++code)
        m_protocolBox->addItem(CmdProtocol::displayName(code), code);
    m_okButton->setText(tr("确定"));
    m_cancelButton->setText(tr("取消"));
}

bool ReplaceCmdDlg::ticked(Row row) const
{
    return m_checks[row]->isChecked();
}

QString ReplaceCmdDlg::fieldText(Row row) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(m_fields[row]))
        return edit->text();
    return QString();
}

int ReplaceCmdDlg::tickedNumber(Row row) const
{
    return ticked(row) ? fieldText(row).toInt() : -1;
}

QString ReplaceCmdDlg::failedCheck() const
{
    if (ticked(QryIp) && fieldText(QryIp).isEmpty())
        return tr("查找IP为空");
    if (ticked(QryPort)) {
        if (fieldText(QryPort).isEmpty())
            return tr("查找端口为空");
        // Letters would read as port 0 and find the wrong commands.
        if (!isPort(fieldText(QryPort)))
            return tr("查找端口必须在1-65535之间");
    }
    if (ticked(ReplaceIp)) {
        if (fieldText(ReplaceIp).isEmpty())
            return tr("替换的IP为空");
        if (!isIpv4Address(fieldText(ReplaceIp)))
            return tr("新的IP不是有效的IP地址");
    }
    if (ticked(Port)) {
        if (fieldText(Port).isEmpty())
            return tr("替换的端口为空");
        // The validator lets 0 and five-digit values above the range stand.
        if (!isPort(fieldText(Port)))
            return tr("替换的端口必须在1-65535之间");
    }
    if (ticked(Timeout) && fieldText(Timeout).isEmpty())
        return tr("替换的连接超时为空");
    if (ticked(BeforeSend) && fieldText(BeforeSend).isEmpty())
        return tr("替换的发送前间隔为空");
    if (ticked(AfterSend) && fieldText(AfterSend).isEmpty())
        return tr("替换的发送后间隔为空");
    return QString();
}

void ReplaceCmdDlg::btnClicked()
{
    if (sender() == m_cancelButton) {
        reject();
        return;
    }
    const QString failure = failedCheck();
    if (!failure.isEmpty()) {
        Notifier::information(this, tr("提示"), failure);
        return;
    }
    accept();
}

CMD_BTN_ARGS ReplaceCmdDlg::getReplaceArgs() const
{
    CMD_BTN_ARGS args;
    args.port = tickedNumber(Port);
    args.protocol = ticked(Protocol) ? m_protocolBox->currentIndex() : -1;
    args.connectTimeout = tickedNumber(Timeout);
    args.beforeSendInterval = tickedNumber(BeforeSend);
    args.afterSendInterval = tickedNumber(AfterSend);
    args.reconnectNum = ticked(ReconnCount) ? m_reconnectSpin->text().toInt() : -1;
    args.findIp = fieldText(QryIp);
    if (ticked(ReplaceIp))
        args.newIp = fieldText(ReplaceIp);
    args.findIpEnabled = ticked(QryIp);
    args.findPortEnabled = ticked(QryPort);
    if (args.findPortEnabled)
        args.findPort = fieldText(QryPort).toInt();
    return args;
}

void ReplaceCmdDlg::cboxPortStateChange(int state)
{
    m_fields[Port]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxProtocolStateChange(int state)
{
    m_fields[Protocol]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxTimeoutStateChange(int state)
{
    m_fields[Timeout]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxBeforeSendIntStateChange(int state)
{
    m_fields[BeforeSend]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxAfterSendIntStateChange(int state)
{
    m_fields[AfterSend]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxReconnCountStateChange(int state)
{
    m_fields[ReconnCount]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxQryPortStateChange(int state)
{
    m_fields[QryPort]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxQryIpStateChange(int state)
{
    m_fields[QryIp]->setEnabled(state != Qt::Unchecked);
}

void ReplaceCmdDlg::cboxReplaceIpStateChange(int state)
{
    m_fields[ReplaceIp]->setEnabled(state != Qt::Unchecked);
}
