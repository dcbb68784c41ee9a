#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class DataServer;
class QTextEdit;
class UploadServer;

// The transfer page: sends the open project to a panel's address and shows
// every stage of the upload in its log; holds the receive server, which only
// code reaches (its button stays hidden).
class DataManager : public QWidget
{
    Q_OBJECT

public:
    static const int kPanelPort = 8861;

    explicit DataManager(QWidget *parent = nullptr);
    ~DataManager() override;

    // Test seam: the port the uploads go to (kPanelPort in the program).
    void setPanelPort(int port) { m_panelPort = port; }
    UploadServer *configUploader() const { return m_configUploader; }
    DataServer *dataServer() const { return m_server; }

    // True when no upload runs, or when the user agreed to stop the one that
    // does, which is then stopped as 停止上传 stops it.
    bool mayClose();

public slots:
    void openServerReturn(QString text);
    void onWriteDataError(QString text);
    void onWriteDataSuccess(QString text);
    void openServerBtnClicked();
    void onHasClientConnected(QString clientIP);
    void onDisconnected(bool success);
    void onInitData();
    void onUploadData();
    void onUploadConfig();
    void onDataMentionString(QString text);
    void onDataFinish();
    void onConfigMentionString(QString text);
    void onConfigFinish();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupUi();
    void retranslateUi();
    // The address typed in, or empty after telling the user it is not one.
    QString checkedAddress();
    static QString stopQuestion();
    // An upload has ended: a question whether to stop it, still open, is
    // settled unless the other uploader runs.
    void uploadEnded(const UploadServer *other);
    void stopConfigUpload();
    void stopDataUpload();

    QGroupBox *m_receiveBox = nullptr;
    QGroupBox *m_sendBox = nullptr;
    QLabel *m_localIpCaption = nullptr;
    QLabel *m_localIp = nullptr;
    QLabel *m_receiveCaption = nullptr;
    QTextEdit *m_receiveLog = nullptr;
    QPushButton *m_serverButton = nullptr;
    QPushButton *m_initButton = nullptr;
    QLabel *m_remoteCaption = nullptr;
    QLineEdit *m_address = nullptr;
    QLabel *m_sendCaption = nullptr;
    QTextEdit *m_sendLog = nullptr;
    QPushButton *m_dataButton = nullptr;
    QPushButton *m_configButton = nullptr;

    DataServer *m_server = nullptr;
    UploadServer *m_dataUploader = nullptr;
    UploadServer *m_configUploader = nullptr;
    int m_panelPort = kPanelPort;
};
