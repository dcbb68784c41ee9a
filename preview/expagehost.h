#pragma once

#include "preview/exstylereader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

struct ExHostLink;

// One run-time widget that a page host built, as the host's registry keeps it.
struct CtrlElement {
    QWidget *widget = nullptr;
    int elementType = -1;   // run-time type id it was registered under
    int reserved = 0;
    QString hostName;       // object name of the host that built it
    QString ref;            // the control's "ref", for the kinds that read one
    QString name;           // the control's "name"
};

// What the run-time page host and its pop-up twin share: reading a saved page
// file, scaling its design size to the host's, painting the page background
// and building one run-time widget per control entry through one dispatch
// table. It is the hub its widgets talk through: they are wired to its relay
// signals, and its selection slots give buttons their group behaviour. The
// pop-up flavour builds fewer kinds and reads no pressed text, corner radius
// or text layout.
class ExPageHost : public QWidget
{
    Q_OBJECT

public:
    enum Flavour { PageHost, PopupHost };

    ~ExPageHost() override;

    void loadPageFile();
    // Builds the run-time widget of one control; kinds without a creator in
    // this flavour of host are skipped.
    void createElement(const QString &typeName, const QJsonObject &record);
    void addElement(CtrlElement element);
    void destoryElement();
    // For a host's destructor: what destoryElement does, except that its own
    // children are left to go with it.
    void releaseElements();

    // The text after the last "\" or "/", or the whole text.
    static QString fileNameOfPath(const QString &path);
    // A picture name resolved against the page file's folder by its bare
    // file name; an empty name stays empty.
    QString resolveImagePath(const QString &name) const;
    // The shared style readers at the host's current scales and folder.
    ExStyleReader reader() const;
    // Kinds that have a creator in the given flavour of host.
    static bool hasCreator(int typeId, Flavour flavour);
    // The first page object of a page file's "Control" array, or an empty
    // object when it has none.
    static QJsonObject pageObjectOf(const QJsonArray &controls);

    bool isPopup() const { return m_flavour == PopupHost; }
    int listMode() const { return m_listMode; }
    QString pageFile() const { return m_pageFile; }
    QString basePath() const { return m_basePath; }
    int designWidth() const { return m_designWidth; }
    int designHeight() const { return m_designHeight; }
    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    QString bkColor() const { return m_bkColor; }
    QString bkImage() const { return m_bkImage; }
    const QPixmap &bkPixmap() const { return m_bkPixmap; }
    const QVector<CtrlElement> &elements() const { return m_ctrlElement; }
    int wallType() const { return m_wallType; }
    int wallId() const { return m_wallID; }
    // How many times the page file was read.
    int loadCount() const { return m_loadCount; }
    // Connections a creator asked for that Qt refused; each is also warned of.
    int connectFailures() const { return m_connectFailures; }

signals:
    void signalShowMainWindow();
    void signalSwitchPage(QString);
    void signalWallChange(int wallType, int wallID);
    void signalCleanScreen();
    void signalCleanAllScreen();
    void signalOpenFullScreen();
    void signalSetMatrixDiv(int row, int col);
    void signalSetMatrixNext(int);
    void signalAudioModeChange(int);
    void signalGetAudioModeData(int);
    void signalSourceModeChange(int, int);
    void signalGetSourceModeData(int);
    void signalAudioChange(int, int);
    void signalGetAudioSwitchData(int);
    void signalGetAudioMuteData(int);
    void signalGetAudioVolumeData(int);
    void signalUpdateScene();
    void signalUpdatePlan();
    void signalCallPlan();
    void signalCallScene(int wall_type, int wall_id, int sceneID);
    void signalSignalDragEnd(QRect rect, char *buffer, int size);
    void signalStopPollScenes(int wall_type, int wall_id);
    void signalSourceSearch(QString);
    void signalSceneSearch(QString);
    void signalsSourcePageTurn(int);
    void signalGetVideoStatusData(int);

public slots:
    // The slots without a body stand for panel functions the offline
    // preview does not have: the widgets wired to them change only their look.
    void slotOnWallChange(int wallType, int wallID);
    void slotOnMatricDivBtnClicked(int row, int col) { Q_UNUSED(row) Q_UNUSED(col) }
    void slotOnMatricPageBtnClicked(int next) { Q_UNUSED(next) }
    void slotOnHomeButtonClick() {}
    void slotOnCleanButtonClick() {}
    void slotOnCleanAllButtonClick() {}
    void slotOnAllFullButtonClick() {}
    // Only the page host opens pop-ups; inside one a page button only
    // changes its look.
    virtual void slotOnPageButtonClick() {}
    void slotAudioModeSelect();
    void slotPreLayoutModeSelect();
    void slotSourceModeSelect();
    void slotOnAudioMute(int status) { Q_UNUSED(status) }
    void slotOnAudioSwitch(bool checked) { Q_UNUSED(checked) }
    void slotOnAudioStatusChange(int status) { Q_UNUSED(status) }
    void slotOnAudioVolumeChange(int volume) { Q_UNUSED(volume) }
    void slotMoreCmdButtonSelect();
    void slotCmdButtonSelect();
    void slotAudioModeData(int, int, int) {}
    void slotAudioData(int, int, int, int, int) {}
    void slotOnFilePageTurnButtonClick() {}
    void slotOnPtzButtonClick() {}
    void slotOnVideoStatusChange(int) {}

protected:
    ExPageHost(Flavour flavour, int listMode, const QString &pageFile, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // The "Control" array of a page file; false, with the parser's complaint
    // in the debug stream, when the file cannot be read as one. *refusal says
    // which file and why when it was refused unread.
    static bool readPageControls(const QString &path, QJsonArray *controls, QString *refusal = nullptr);
    // A whole JSON number; one with a fraction counts as 0.
    static int wholeNumber(const QJsonValue &value);
    // The debug line of a host event, under the host's own class name.
    void logEvent(const char *what) const;
    // Selects the sender among the registered buttons of one kind (and one
    // group, unless the group is -1) and deselects the others.
    void selectAmong(const QObject *sender, int typeId, int groupId);

    int m_designWidth = 0;
    int m_designHeight = 0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    QString m_bkColor;
    QString m_bkImage;
    QPixmap m_bkPixmap;
    QString m_pageFile;
    QString m_basePath = QStringLiteral("./");
    int m_listMode = 0;
    int m_wallID = -1;
    int m_height = 0;
    int m_width = 0;
    int m_wallType = -1;
    QVector<CtrlElement> m_ctrlElement;

private:
    using Creator = void (ExPageHost::*)(const QJsonObject &record, int typeId);
    static Creator creatorOf(int typeId, Flavour flavour);

    // Creators, one per family; the dispatch tables map kinds onto them.
    void createSlider(const QJsonObject &record, int typeId);
    void createAudioVumeterBar(const QJsonObject &record, int typeId);
    void createWallStack(const QJsonObject &record, int typeId);
    void createAudioMatrixWidget(const QJsonObject &record, int typeId);
    void createLoginWidget(const QJsonObject &record, int typeId);
    void createPlaceWidget(const QJsonObject &record, int typeId);
    void createButton(const QJsonObject &record, int typeId);
    void createLabel(const QJsonObject &record, int typeId);
    void createAudioLabel(const QJsonObject &record, int typeId);
    void createImageLabel(const QJsonObject &record, int typeId);
    void createStatusButton(const QJsonObject &record, int typeId);
    void createCmdStatusButton(const QJsonObject &record, int typeId);
    // The wall and play button lists, source views, search boxes and scene lists.
    void createListView(const QJsonObject &record, int typeId);

    // The corner radius of the control; the pop-up host keeps the widget's own.
    bool readRadius(const QJsonObject &record, int *radius) const;
    // A string connection whose failure is warned of and counted.
    bool wire(const QObject *sender, const char *signal, const QObject *receiver, const char *method,
              Qt::ConnectionType type = Qt::AutoConnection);
    // Makes the connections of a kind's table between a widget and the host.
    void link(QObject *widget, const ExHostLink *links, int count, Qt::ConnectionType type = Qt::AutoConnection);
    void registerElement(QWidget *widget, int typeId, const QString &name, const QString &ref = QString());

    // Gives the registered lists' rows back to the page's cell budget.
    void releaseRows();

    Flavour m_flavour;
    int m_loadCount = 0;
    bool m_refusalTold = false;
    // Rows the registered lists took from the page's cell budget.
    int m_rowsTaken = 0;
    int m_connectFailures = 0;
};
