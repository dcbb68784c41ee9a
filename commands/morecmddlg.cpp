#include "morecmddlg.h"

#include "commands/cmdprotocol.h"
#include "commands/cmdrowitem.h"
#include "commands/kivcommondatastructure.h"
#include "core/dialogkeys.h"
#include "core/notifier.h"
#include "core/textutils.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

enum Column {
    ColProtocol,
    ColIp,
    ColPort,
    ColDataType,
    ColMs,
    ColFrontMs,
    ColData,
    ColUsername,
    ColPassword,
    ColConnectTimeout,
    ColReconnectNum,
    ColHttpUrl,
    ColHttpMethod,
    ColHttpContentType,
    ColumnCount
};

struct ColumnInfo {
    const char *header;
    bool translated;
    int width;
    const char *widest;  // a cell text the column should show whole
};

const ColumnInfo kColumns[ColumnCount] = {
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "协议"), true, 50, "telnet"},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "IP"), true, 100, "255.255.255.255"},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "端口"), true, 45, "65535"},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "数据类型"), true, 70, "ASCII"},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "发送后间隔"), true, 80, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "发送前间隔"), true, 80, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "数据"), true, 160, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "用户名"), true, 60, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "密码"), true, 60, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "连接超时"), true, 63, ""},
    {QT_TRANSLATE_NOOP("MoreCmdDlg", "重连次数"), true, 63, ""},
    {"HTTP URL", false, 128, ""},
    {"HTTP_METHOD", false, 80, ""},
    {"HTTP TYPE", false, 120, ""},
};

// Labels of the edit form, top to bottom, named "label", "label_2", ...
const char *const kFormLabels[] = {
    QT_TRANSLATE_NOOP("MoreCmdDlg", "索引"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "数据类型"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "协议"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "IP地址"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "端口"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "用户名"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "密码"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "Http地址"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "Http请求方式"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "Http请求头"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "发送前间隔ms"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "发送后间隔ms"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "连接超时(ms)"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "重连次数(0~5)"),
    QT_TRANSLATE_NOOP("MoreCmdDlg", "数据"),
};

const int kDataTypeHex = 0;
const int kDataTypeAscii = 1;

const char kIpv4Pattern[] = "^((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)$";

QLineEdit *lineEdit(QWidget *parent, const char *name, QValidator *validator = nullptr)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (validator) {
        validator->setParent(edit);
        edit->setValidator(validator);
    }
    return edit;
}

QPushButton *pushButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumHeight(30);
    return button;
}

QSpacerItem *horizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QSpacerItem *verticalSpacer()
{
    return new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

} // namespace

MoreCmdDlg::MoreCmdDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    // Enter neither adds a row nor closes over what is typed in the fields.
    dialogkeys::enterPresses(this, nullptr);

    connect(m_modeGroup, SIGNAL(idToggled(int, bool)), this, SLOT(onButtonGroupToggled(int, bool)));
    connect(m_dataEdit, SIGNAL(textChanged()), this, SLOT(onTextChanged()));
    connect(m_table, SIGNAL(itemClicked(QTableWidgetItem *)), this, SLOT(onItemClicked(QTableWidgetItem *)));
    connect(m_table, SIGNAL(itemEntered(QTableWidgetItem *)), this, SLOT(slotItemEnter(QTableWidgetItem *)));
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_saveButton, SIGNAL(clicked()), this, SLOT(onAdd()));
    connect(m_upButton, SIGNAL(clicked()), this, SLOT(onUp()));
    connect(m_downButton, SIGNAL(clicked()), this, SLOT(onDown()));
    connect(m_deleteButton, SIGNAL(clicked()), this, SLOT(onDel()));
    connect(m_updateButton, SIGNAL(clicked()), this, SLOT(onUpdate()));
    connect(m_protocolBox, SIGNAL(currentIndexChanged(int)), this, SLOT(onProtocolComboBoxChanged(int)));
}

MoreCmdDlg::~MoreCmdDlg() = default;

void MoreCmdDlg::setupUi()
{
    setObjectName(QStringLiteral("MoreCmdDlg"));
    resize(1304, 758);
    auto *columns = new QHBoxLayout(this);
    columns->setObjectName(QStringLiteral("horizontalLayout"));

    // Left: the fields of one command.
    auto *form = new QGridLayout;
    form->setObjectName(QStringLiteral("gridLayout"));
    m_insertButton = new QRadioButton(this);
    m_insertButton->setObjectName(QStringLiteral("radioButton"));
    m_insertButton->setMinimumWidth(90);
    m_modifyButton = new QRadioButton(this);
    m_modifyButton->setObjectName(QStringLiteral("radioButton_2"));
    m_modifyButton->setMinimumWidth(90);
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->addButton(m_insertButton, 0);
    m_modeGroup->addButton(m_modifyButton, 1);
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(m_insertButton);
    modeRow->addWidget(m_modifyButton);
    modeRow->addItem(horizontalSpacer());
    form->addLayout(modeRow, 0, 0, 1, 2);

    m_indexEdit = lineEdit(this, "lineEdit_4");
    m_dataTypeBox = new QComboBox(this);
    m_dataTypeBox->setObjectName(QStringLiteral("comboBox_2"));
    m_protocolBox = new QComboBox(this);
    m_protocolBox->setObjectName(QStringLiteral("comboBox"));
    m_ipEdit = lineEdit(this, "lineEdit",
                        new QRegularExpressionValidator(QRegularExpression(QLatin1String(kIpv4Pattern)), nullptr));
    m_portEdit = lineEdit(this, "lineEdit_2", new QIntValidator(0, 65535, nullptr));
    m_usernameEdit = lineEdit(this, "lineEdit_7");
    m_passwordEdit = lineEdit(this, "lineEdit_6");
    m_httpUrlEdit = lineEdit(this, "lineEdit_5");
    m_httpMethodBox = new QComboBox(this);
    m_httpMethodBox->setObjectName(QStringLiteral("comboBox_4"));
    m_httpContentTypeBox = new QComboBox(this);
    m_httpContentTypeBox->setObjectName(QStringLiteral("comboBox_3"));
    m_frontMsEdit = lineEdit(this, "editSendDelayBefore", new QIntValidator(0, 1000000, nullptr));
    m_msEdit = lineEdit(this, "lineEdit_3", new QIntValidator(0, 1000000, nullptr));
    m_connectTimeoutEdit = lineEdit(this, "editConnTimeout", new QIntValidator(0, 5000, nullptr));
    m_reconnectSpin = new QSpinBox(this);
    m_reconnectSpin->setObjectName(QStringLiteral("spReconnNum"));
    m_reconnectSpin->setRange(0, 5);
    m_dataEdit = new QTextEdit(this);
    m_dataEdit->setObjectName(QStringLiteral("textEdit"));
    // The payload is characters only; pasted markup must not become formatting.
    m_dataEdit->setAcceptRichText(false);

    QWidget *const fields[] = {m_indexEdit, m_dataTypeBox, m_protocolBox, m_ipEdit, m_portEdit,
                               m_usernameEdit, m_passwordEdit, m_httpUrlEdit, m_httpMethodBox,
                               m_httpContentTypeBox, m_frontMsEdit, m_msEdit, m_connectTimeoutEdit,
                               m_reconnectSpin, m_dataEdit};
    static_assert(sizeof fields / sizeof fields[0] == sizeof kFormLabels / sizeof kFormLabels[0],
                  "one label per field");
    for (int i = 0; i < int(sizeof fields / sizeof fields[0]); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(i == 0 ? QStringLiteral("label") : QStringLiteral("label_%1").arg(i + 1));
        label->setMinimumWidth(80);
        // The data label stays beside the first line of the tall data field.
        form->addWidget(label, i + 1, 0, fields[i] == m_dataEdit ? Qt::AlignTop : Qt::Alignment());
        form->addWidget(fields[i], i + 1, 1);
    }
    columns->addLayout(form);

    // Middle: the save button between two spacers.
    auto *middle = new QVBoxLayout;
    middle->addItem(verticalSpacer());
    m_saveButton = pushButton(this, "pushButton_3");
    middle->addWidget(m_saveButton);
    middle->addItem(verticalSpacer());
    columns->addLayout(middle);

    // Right: row buttons, the table, OK and Cancel.
    auto *right = new QVBoxLayout;
    auto *rowButtons = new QHBoxLayout;
    m_upButton = pushButton(this, "pushButton_4");
    m_downButton = pushButton(this, "pushButton_5");
    m_updateButton = pushButton(this, "pushButton_7");
    m_deleteButton = pushButton(this, "pushButton_6");
    for (QPushButton *button : {m_upButton, m_downButton, m_updateButton, m_deleteButton})
        rowButtons->addWidget(button);
    rowButtons->addItem(horizontalSpacer());
    right->addLayout(rowButtons);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    right->addWidget(m_table);
    auto *bottom = new QHBoxLayout;
    bottom->addItem(horizontalSpacer());
    m_okButton = pushButton(this, "pushButton");
    m_cancelButton = pushButton(this, "pushButton_2");
    bottom->addWidget(m_okButton);
    bottom->addWidget(m_cancelButton);
    bottom->addItem(horizontalSpacer());
    right->addLayout(bottom);
    columns->addLayout(right, 1);

    setupTable();
    retranslateUi();

    m_insertButton->setChecked(true);
    m_indexEdit->setText(QStringLiteral("0"));
    m_dataTypeBox->setCurrentIndex(kDataTypeAscii);
    m_frontMsEdit->setText(QStringLiteral("0"));
    m_msEdit->setText(QStringLiteral("0"));
    m_connectTimeoutEdit->setText(QStringLiteral("0"));
    for (QWidget *idle : {static_cast<QWidget *>(m_httpUrlEdit), static_cast<QWidget *>(m_httpMethodBox),
                          static_cast<QWidget *>(m_httpContentTypeBox),
                          static_cast<QWidget *>(m_connectTimeoutEdit), static_cast<QWidget *>(m_indexEdit)})
        idle->setEnabled(false);
}

void MoreCmdDlg::setupTable()
{
    m_table->setColumnCount(ColumnCount);
    QHeaderView *header = m_table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    header->setSectionResizeMode(ColProtocol, QHeaderView::Fixed);
    m_table->verticalHeader()->setVisible(false);
    m_table->setShowGrid(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setMinimumWidth(280);
}

void MoreCmdDlg::retranslateUi()
{
    setWindowTitle(tr("Dialog"));
    m_insertButton->setText(tr("插入"));
    m_modifyButton->setText(tr("修改"));
    for (int i = 0; i < int(sizeof kFormLabels / sizeof kFormLabels[0]); ++i) {
        const QString name = i == 0 ? QStringLiteral("label") : QStringLiteral("label_%1").arg(i + 1);
        findChild<QLabel *>(name)->setText(tr(kFormLabels[i]));
    }

    const QSignalBlocker blockType(m_dataTypeBox);
    const QSignalBlocker blockProtocol(m_protocolBox);
    m_dataTypeBox->clear();
    m_dataTypeBox->addItem(tr("HEX"), kDataTypeHex);
    m_dataTypeBox->addItem(tr("ASCII"), kDataTypeAscii);
    m_protocolBox->clear();
    for (int code = 0; code < CmdProtocol::Count; ++code)
        m_protocolBox->addItem(CmdProtocol::displayName(code), code);
    m_httpMethodBox->clear();
    m_httpMethodBox->addItems({QStringLiteral("GET"), QStringLiteral("POST")});
    m_httpContentTypeBox->clear();
    m_httpContentTypeBox->addItems({QStringLiteral("x-www-form-urlencoded"), QStringLiteral("application/json")});

    m_saveButton->setText(tr("保存"));
    m_upButton->setText(tr("上移"));
    m_downButton->setText(tr("下移"));
    m_updateButton->setText(tr("更新"));
    m_deleteButton->setText(tr("删除"));
    m_okButton->setText(tr("确定"));
    m_cancelButton->setText(tr("取消"));

    QStringList headers;
    for (const ColumnInfo &column : kColumns)
        headers.append(column.translated ? tr(column.header) : QLatin1String(column.header));
    m_table->setHorizontalHeaderLabels(headers);

    // The widths suit a small font; with a larger one headers and short
    // values would be cut, so a column grows to show them whole.
    const int padding = 20;
    for (int column = 0; column < ColumnCount; ++column) {
        const int header = m_table->horizontalHeader()->fontMetrics().horizontalAdvance(headers.at(column));
        const int widest = m_table->fontMetrics().horizontalAdvance(QLatin1String(kColumns[column].widest));
        m_table->setColumnWidth(column, qMax(kColumns[column].width, qMax(header, widest) + padding));
    }
}

void MoreCmdDlg::setCmdArray(const QJsonArray &commands)
{
    // Rows, not just cells, go: a second load must not leave blank rows above.
    m_table->setRowCount(0);
    for (const CmdRecord &record : CmdRecord::fromJsonArray(commands)) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        fillRow(row, std::make_unique<CmdUserData>(record));
    }
    setInsertMode();
    m_msEdit->setText(QStringLiteral("0"));
}

void MoreCmdDlg::fillRow(int row, std::unique_ptr<CmdUserData> userData)
{
    const CmdRecord &record = userData->cmdRecord();
    // Cells show what the list will hold, the cut fixed-size fields included.
    QString texts[ColumnCount];
    texts[ColIp] = record.ipText();
    texts[ColPort] = QString::number(record.port);
    texts[ColDataType] = record.dataType == kDataTypeHex ? QStringLiteral("HEX") : QStringLiteral("ASCII");
    texts[ColMs] = QString::number(record.ms);
    texts[ColFrontMs] = QString::number(record.frontMs);
    texts[ColData] = record.data;
    texts[ColUsername] = record.usernameText();
    texts[ColPassword] = record.passwordText();
    texts[ColConnectTimeout] = QString::number(record.connectTimeout);
    texts[ColReconnectNum] = QString::number(record.reconnectNum);
    texts[ColHttpUrl] = record.httpUrl;
    texts[ColHttpMethod] = QString::number(record.httpMethod);
    texts[ColHttpContentType] = QString::number(record.httpContentType);

    m_table->setItem(row, ColProtocol, new CmdRowItem(CmdProtocol::name(record.protocol), std::move(userData)));
    for (int column = ColProtocol + 1; column < ColumnCount; ++column)
        m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
}

CmdUserData *MoreCmdDlg::rowData(int row) const
{
    auto *item = dynamic_cast<CmdRowItem *>(m_table->item(row, ColProtocol));
    return item ? item->userData() : nullptr;
}

void MoreCmdDlg::toJsonArray()
{
    QVector<CmdRecord> records;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (const CmdUserData *userData = rowData(row))
            records.append(userData->cmdRecord());
    }
    m_cmdArray = CmdRecord::toJsonArray(records);
}

void MoreCmdDlg::btnClicked()
{
    if (sender() == m_cancelButton) {
        reject();
        return;
    }
    toJsonArray();
    accept();
}

void MoreCmdDlg::onButtonGroupToggled(int id, bool checked)
{
    qDebug() << "mode" << id << checked;
    if (!checked)
        return;
    m_mode = id;
    m_indexEdit->setEnabled(id != 0);
}

void MoreCmdDlg::onProtocolComboBoxChanged(int index)
{
    const bool http = index == CmdProtocol::Http;
    m_ipEdit->setEnabled(!http);
    m_portEdit->setEnabled(!http);
    m_httpUrlEdit->setEnabled(http);
    m_httpMethodBox->setEnabled(http);
    m_httpContentTypeBox->setEnabled(http);
    // Only the raw transports send hexadecimal payloads.
    const bool raw = index == CmdProtocol::Udp || index == CmdProtocol::Tcp;
    m_dataTypeBox->setEnabled(raw);
    if (!raw)
        m_dataTypeBox->setCurrentIndex(kDataTypeAscii);
    if (raw)
        m_connectTimeoutEdit->setEnabled(index == CmdProtocol::Tcp);
}

void MoreCmdDlg::onTextChanged()
{
    if (m_noDataFilter != 0)
        return;
    if (m_dataEdit->blockSignals(true))
        return;
    QString text = m_dataEdit->toPlainText();
    if (m_dataTypeBox->currentData().toInt() == kDataTypeHex)
        text = KivCommonDataStructure::filterInputText(text, KivCommonDataStructure::InputFormatHex).toLower();
    m_dataEdit->setPlainText(text);
    m_dataEdit->moveCursor(QTextCursor::End);
    m_dataEdit->blockSignals(false);
}

CmdRecord MoreCmdDlg::recordFromForm() const
{
    const auto number = [](const QLineEdit *edit) { return edit->text().trimmed().toInt(); };
    CmdRecord record;
    record.ms = number(m_msEdit);
    record.protocol = m_protocolBox->currentData().toInt();
    record.setIp(m_ipEdit->text().trimmed());
    record.setUsername(m_usernameEdit->text().trimmed());
    record.setPassword(m_passwordEdit->text().trimmed());
    record.port = number(m_portEdit);
    record.dataType = m_dataTypeBox->currentData().toInt();
    // A stored code the boxes have no entry for stays until the user picks one.
    record.httpMethod = m_httpMethodBox->currentIndex() < 0 ? m_loadedHttpMethod : m_httpMethodBox->currentIndex();
    record.httpContentType =
        m_httpContentTypeBox->currentIndex() < 0 ? m_loadedHttpContentType : m_httpContentTypeBox->currentIndex();
    record.frontMs = number(m_frontMsEdit);
    record.connectTimeout = number(m_connectTimeoutEdit);
    record.reconnectNum = m_reconnectSpin->value();
    record.httpUrl = m_httpUrlEdit->text().trimmed();
    record.data = m_dataEdit->toPlainText().trimmed();
    return record;
}

bool MoreCmdDlg::checkConnection(const CmdRecord &record)
{
    // The validators let partial entries stand; a panel cannot reach them.
    if (record.protocol == CmdProtocol::Http)
        return true;
    if (!isIpv4Address(record.ipText())) {
        Notifier::information(this, tr("提示"), tr("输入IP不正确，请输入正确的IP地址"));
        return false;
    }
    if (record.port < 1 || record.port > 65535) {
        Notifier::information(this, tr("提示"), tr("端口必须在1-65535之间"));
        return false;
    }
    return true;
}

void MoreCmdDlg::onAdd()
{
    const CmdRecord record = recordFromForm();
    if (m_mode == 0) {
        if (!checkConnection(record))
            return;
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        fillRow(row, std::make_unique<CmdUserData>(record));
        setInsertMode();
        return;
    }
    const int row = m_indexEdit->text().trimmed().toInt();
    if (row < 0 || row >= m_table->rowCount()) {
        Notifier::information(this, tr("提示"), tr("数据不存在,请检查索引是否正确！"));
        return;
    }
    if (!checkConnection(record))
        return;
    fillRow(row, std::make_unique<CmdUserData>(record));
}

void MoreCmdDlg::setInsertMode()
{
    m_insertButton->setChecked(true);
    m_indexEdit->setEnabled(false);
    m_indexEdit->setText(QStringLiteral("0"));
}

void MoreCmdDlg::onUpdate()
{
    const int row = m_table->currentRow();
    const CmdUserData *userData = row >= 0 ? rowData(row) : nullptr;
    if (!userData) {
        Notifier::critical(this, tr("提示"), tr("未选中数据"));
        return;
    }
    const CmdRecord record = userData->cmdRecord();
    m_indexEdit->setText(QString::number(row));
    m_ipEdit->setText(record.ipText());
    m_portEdit->setText(QString::number(record.port));
    m_msEdit->setText(QString::number(record.ms));
    m_usernameEdit->setText(record.usernameText());
    m_passwordEdit->setText(record.passwordText());
    m_frontMsEdit->setText(QString::number(record.frontMs));
    m_connectTimeoutEdit->setText(QString::number(record.connectTimeout));
    m_reconnectSpin->setValue(record.reconnectNum);
    m_protocolBox->setCurrentIndex(record.protocol >= 0 && record.protocol < CmdProtocol::Count ? record.protocol : CmdProtocol::Udp);
    m_dataTypeBox->setCurrentIndex(record.dataType == kDataTypeAscii ? kDataTypeAscii : kDataTypeHex);
    {
        // The stored payload is shown as stored: the filter is for typing only.
        const QSignalBlocker block(m_dataEdit);
        m_dataEdit->setPlainText(record.data);
        m_dataEdit->moveCursor(QTextCursor::End);
    }
    m_modifyButton->setChecked(true);
    m_indexEdit->setEnabled(true);
    m_httpUrlEdit->setText(record.httpUrl);
    m_httpContentTypeBox->setCurrentIndex(record.httpContentType);
    m_httpMethodBox->setCurrentIndex(record.httpMethod);
    m_loadedHttpMethod = record.httpMethod;
    m_loadedHttpContentType = record.httpContentType;
}

void MoreCmdDlg::onDel()
{
    const int row = m_table->currentRow();
    if (row < 0) {
        Notifier::critical(this, tr("提示"), tr("未选中数据"));
        return;
    }
    m_table->removeRow(row);
}

void MoreCmdDlg::onUp()
{
    moveCurrentRow(-1);
}

void MoreCmdDlg::onDown()
{
    moveCurrentRow(1);
}

void MoreCmdDlg::moveCurrentRow(int step)
{
    const int row = m_table->currentRow();
    if (row < 0) {
        Notifier::critical(this, tr("出现错误"),
                           m_table->rowCount() > 0 ? tr("无法移动：未选中数据") : tr("无法移动：表格没有数据"));
        return;
    }
    const int target = row + step;
    if (target < 0 || target >= m_table->rowCount())
        return;
    swapRows(row, target);
    m_table->setCurrentCell(target, ColProtocol);
}

void MoreCmdDlg::swapRows(int a, int b)
{
    // The cells change places whole; each protocol cell takes its record along.
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem *first = m_table->takeItem(a, column);
        QTableWidgetItem *second = m_table->takeItem(b, column);
        m_table->setItem(a, column, second);
        m_table->setItem(b, column, first);
    }
}

void MoreCmdDlg::onItemClicked(QTableWidgetItem *)
{
}

void MoreCmdDlg::slotItemEnter(QTableWidgetItem *item)
{
    // Cell texts are data; a tooltip would otherwise render them as markup.
    const QString text = item ? item->text() : QString();
    QToolTip::showText(QCursor::pos(), text.isEmpty() ? QString() : Qt::convertFromPlainText(text));
}
