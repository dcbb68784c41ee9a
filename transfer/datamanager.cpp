#include "datamanager.h"

#include "core/designerfolders.h"
#include "core/notifier.h"
#include "core/textutils.h"
#include "transfer/dataserver.h"
#include "transfer/packageformat.h"
#include "transfer/uploadserver.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const int kFontPixels = 20;
const int kRowHeight = 32;
const int kButtonWidth = 90;
const int kButtonHeight = 30;
const char kAddressPattern[] =
    "^((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)$";

// Log lines are plain text: paths and names must never be read as markup.
void appendLine(QTextEdit *log, const QString &text)
{
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    if (!log->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
}

QPushButton *makeButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    // At least as wide as planned; wider when the text needs it.
    button->setMinimumWidth(kButtonWidth);
    button->setMinimumHeight(kButtonHeight);
    return button;
}

QHBoxLayout *buttonRow(const char *objectName, QPushButton *first, QPushButton *second)
{
    auto *row = new QHBoxLayout;
    row->setObjectName(QLatin1String(objectName));
    row->addStretch();
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

} // namespace

DataManager::DataManager(QWidget *parent)
    : QWidget(parent)
{
    setupUi();
    QFont font = QApplication::font();
    font.setPixelSize(kFontPixels);

    m_server = new DataServer(this);
    m_server->setPort(kPanelPort);
    const QString appDir = DesignerFolders::instance()->appDir();
    m_server->setTargets(appDir + QStringLiteral("/db.bin"), appDir + QStringLiteral("/config_path"),
                         appDir + QStringLiteral("/all_path"));
    m_localIp->setText(DataServer::localIpv4Address());
    m_localIp->setFont(font);
    connect(m_server, SIGNAL(serverStartError(QString)), this, SLOT(openServerReturn(QString)));
    connect(m_server, SIGNAL(connected(QString)), this, SLOT(onHasClientConnected(QString)));
    connect(m_server, SIGNAL(writeDataError(QString)), this, SLOT(onWriteDataError(QString)));
    connect(m_server, SIGNAL(writeDataSuccess(QString)), this, SLOT(onWriteDataSuccess(QString)));
    connect(m_server, SIGNAL(disconnected(bool)), this, SLOT(onDisconnected(bool)));
    connect(m_serverButton, SIGNAL(clicked()), this, SLOT(openServerBtnClicked()));

    m_initButton->hide();
    m_receiveLog->setReadOnly(true);
    // The sending half, the one a user sees, reads in the same size as the other.
    const QList<QWidget *> large = {m_receiveLog, m_receiveCaption, m_localIpCaption, m_serverButton,
                                    m_dataButton, m_configButton, m_initButton,
                                    m_remoteCaption, m_address, m_sendCaption, m_sendLog};
    for (QWidget *widget : large)
        widget->setFont(font);

    m_address->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QLatin1String(kAddressPattern)), m_address));

    m_dataButton->hide();
    connect(m_dataButton, SIGNAL(clicked()), this, SLOT(onUploadData()));
    m_dataUploader = new UploadServer(this);
    connect(m_dataUploader, SIGNAL(occurrError(QString)), this, SLOT(onDataMentionString(QString)));
    connect(m_dataUploader, SIGNAL(serverFinish()), this, SLOT(onDataFinish()));

    connect(m_configButton, SIGNAL(clicked()), this, SLOT(onUploadConfig()));
    m_configUploader = new UploadServer(this);
    connect(m_configUploader, SIGNAL(occurrError(QString)), this, SLOT(onConfigMentionString(QString)));
    connect(m_configUploader, SIGNAL(serverFinish()), this, SLOT(onConfigFinish()));

    m_serverButton->hide();
}

DataManager::~DataManager()
{
    disconnect(m_server, nullptr, this, nullptr);
    m_server->closeServer();
    // A worker still running would report into a page that is going away,
    // and must not be freed before its thread has ended.
    for (UploadServer *uploader : {m_dataUploader, m_configUploader}) {
        disconnect(uploader, nullptr, this, nullptr);
        uploader->stopUpload();
    }
}

void DataManager::setupUi()
{
    setObjectName(QStringLiteral("DataManager"));
    resize(1129, 561);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto *columns = new QHBoxLayout(this);
    columns->setObjectName(QStringLiteral("horizontalLayout_5"));

    m_receiveBox = new QGroupBox(this);
    m_receiveBox->setObjectName(QStringLiteral("groupBox"));
    auto *receive = new QVBoxLayout(m_receiveBox);
    receive->setObjectName(QStringLiteral("verticalLayout_4"));
    auto *localRow = new QHBoxLayout;
    localRow->setObjectName(QStringLiteral("horizontalLayout"));
    localRow->setSpacing(0);
    m_localIpCaption = new QLabel(m_receiveBox);
    m_localIpCaption->setObjectName(QStringLiteral("label_4"));
    m_localIpCaption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_localIpCaption->setFixedHeight(kRowHeight);
    m_localIp = new QLabel(m_receiveBox);
    m_localIp->setObjectName(QStringLiteral("label"));
    m_localIp->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_localIp->setMinimumWidth(78);
    m_localIp->setFixedHeight(kRowHeight);
    localRow->addWidget(m_localIpCaption);
    localRow->addWidget(m_localIp);
    receive->addLayout(localRow);
    auto *receiveLog = new QVBoxLayout;
    receiveLog->setObjectName(QStringLiteral("verticalLayout"));
    m_receiveCaption = new QLabel(m_receiveBox);
    m_receiveCaption->setObjectName(QStringLiteral("label_2"));
    m_receiveLog = new QTextEdit(m_receiveBox);
    m_receiveLog->setObjectName(QStringLiteral("textEdit"));
    receiveLog->addWidget(m_receiveCaption);
    receiveLog->addWidget(m_receiveLog);
    receive->addLayout(receiveLog);
    m_serverButton = makeButton(m_receiveBox, "pushButton");
    m_initButton = makeButton(m_receiveBox, "pushButton_4");
    receive->addLayout(buttonRow("horizontalLayout_4", m_serverButton, m_initButton));

    m_sendBox = new QGroupBox(this);
    m_sendBox->setObjectName(QStringLiteral("groupBox_2"));
    auto *send = new QVBoxLayout(m_sendBox);
    send->setObjectName(QStringLiteral("verticalLayout_2"));
    auto *remoteRow = new QHBoxLayout;
    remoteRow->setObjectName(QStringLiteral("horizontalLayout_3"));
    remoteRow->setContentsMargins(-1, -1, 0, 0);
    m_remoteCaption = new QLabel(m_sendBox);
    m_remoteCaption->setObjectName(QStringLiteral("label_5"));
    m_remoteCaption->setFixedHeight(kRowHeight);
    m_address = new QLineEdit(m_sendBox);
    m_address->setObjectName(QStringLiteral("lineEdit"));
    m_address->setFixedHeight(kRowHeight);
    remoteRow->addWidget(m_remoteCaption);
    remoteRow->addWidget(m_address);
    send->addLayout(remoteRow);
    auto *sendLog = new QVBoxLayout;
    sendLog->setObjectName(QStringLiteral("verticalLayout_3"));
    m_sendCaption = new QLabel(m_sendBox);
    m_sendCaption->setObjectName(QStringLiteral("label_3"));
    m_sendLog = new QTextEdit(m_sendBox);
    m_sendLog->setObjectName(QStringLiteral("textEdit_3"));
    sendLog->addWidget(m_sendCaption);
    sendLog->addWidget(m_sendLog);
    send->addLayout(sendLog);
    m_dataButton = makeButton(m_sendBox, "pushButton_2");
    m_configButton = makeButton(m_sendBox, "pushButton_3");
    send->addLayout(buttonRow("horizontalLayout_2", m_dataButton, m_configButton));

    columns->addWidget(m_receiveBox);
    columns->addWidget(m_sendBox);
    retranslateUi();
}

void DataManager::retranslateUi()
{
    setWindowTitle(tr("Form"));
    m_receiveBox->setTitle(tr("下载管理"));
    m_localIpCaption->setText(tr("本地IP: "));
    m_localIp->setText(QStringLiteral("text"));
    m_receiveCaption->setText(tr("传输信息"));
    m_serverButton->setText(tr("打开服务"));
    m_initButton->setText(tr("初始化配置"));
    m_sendBox->setTitle(tr("上传管理"));
    m_remoteCaption->setText(tr("远程IP: "));
    m_sendCaption->setText(tr("传输信息"));
    m_dataButton->setText(tr("上传数据"));
    m_configButton->setText(tr("上传配置"));
}

void DataManager::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

QString DataManager::checkedAddress()
{
    const QString address = m_address->text();
    if (isIpv4Address(address))
        return address;
    Notifier::information(nullptr, tr("提示"), tr("输入IP不正确，请输入正确的IP地址"));
    return QString();
}

bool DataManager::mayClose()
{
    if (!m_configUploader->isBusy() && !m_dataUploader->isBusy())
        return true;
    // Closed in silence, the page would leave the user thinking the panel
    // has the project. Enter loses nothing: the upload goes on.
    if (Notifier::question(window(), tr("提示"), stopQuestion(), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    if (m_configUploader->isBusy())
        stopConfigUpload();
    if (m_dataUploader->isBusy())
        stopDataUpload();
    return true;
}

QString DataManager::stopQuestion()
{
    return tr("正在上传，是否停止上传?");
}

void DataManager::uploadEnded(const UploadServer *other)
{
    // Nothing is left to stop: the page closes, as the user asked.
    if (!other->isBusy())
        Notifier::withdraw(stopQuestion(), QMessageBox::Yes);
}

void DataManager::stopConfigUpload()
{
    m_configUploader->stopUpload();
    m_configButton->setText(tr("上传配置"));
    m_dataButton->setEnabled(true);
}

void DataManager::stopDataUpload()
{
    m_dataUploader->stopUpload();
    m_dataButton->setText(tr("上传数据"));
    m_configButton->setEnabled(true);
}

void DataManager::onUploadConfig()
{
    if (m_configUploader->isBusy()) {
        stopConfigUpload();
        return;
    }
    const QString address = checkedAddress();
    if (address.isEmpty())
        return;
    const DesignerFolders *folders = DesignerFolders::instance();
    if (!folders->isProjectOpen()) {
        Notifier::information(nullptr, tr("提示"), tr("项目地址为空"));
        return;
    }
    m_configUploader->setUploadSource(folders->projectDir(), PackageFormat::Config);
    m_configUploader->startUpload(address, m_panelPort);
    m_configButton->setText(tr("停止上传"));
    m_dataButton->setEnabled(false);
}

void DataManager::onUploadData()
{
    if (m_dataUploader->isBusy()) {
        stopDataUpload();
        return;
    }
    const QString address = checkedAddress();
    if (address.isEmpty())
        return;
    // Which data file this sends is not settled; the button stays hidden.
    m_dataUploader->setUploadSource(QString(), PackageFormat::Data);
    m_dataUploader->startUpload(address, m_panelPort);
    m_dataButton->setText(tr("停止上传"));
    m_configButton->setEnabled(false);
}

void DataManager::onInitData()
{
}

void DataManager::openServerBtnClicked()
{
    if (m_server->isListening()) {
        m_serverButton->setText(tr("打开服务"));
        m_server->closeServer();
        m_receiveLog->clear();
        return;
    }
    m_server->openServer();
    if (m_server->isListening()) {
        m_serverButton->setText(tr("关闭服务"));
        m_receiveLog->setPlainText(tr("listen to %1 success. waiting for uploading").arg(m_server->serverPort()));
    }
}

void DataManager::openServerReturn(QString text)
{
    m_receiveLog->setPlainText(text);
}

void DataManager::onHasClientConnected(QString clientIP)
{
    m_receiveLog->setPlainText(tr("来自%1的连接").arg(clientIP));
}

void DataManager::onWriteDataError(QString text)
{
    appendLine(m_receiveLog, text);
}

void DataManager::onWriteDataSuccess(QString text)
{
    appendLine(m_receiveLog, text);
}

void DataManager::onDisconnected(bool success)
{
    appendLine(m_receiveLog, success ? tr("上传成功 !") : tr("上传失败 !"));
}

void DataManager::onDataMentionString(QString text)
{
    appendLine(m_sendLog, text);
}

void DataManager::onDataFinish()
{
    m_dataButton->setText(tr("上传数据"));
    m_configButton->setEnabled(true);
    uploadEnded(m_configUploader);
}

void DataManager::onConfigMentionString(QString text)
{
    appendLine(m_sendLog, text);
}

void DataManager::onConfigFinish()
{
    m_configButton->setText(tr("上传配置"));
    m_dataButton->setEnabled(true);
    uploadEnded(m_dataUploader);
}
