#pragma once

#include <QPixmap>
#include <QRect>
#include <QStackedWidget>
#include <QString>

class ExWallPage;
class QPaintEvent;

// The video wall or matrix of a page: a stack of wall pages that passes the
// page's wall commands to the current wall, tagged with its type and id. In
// the preview it holds no walls, so it shows its background and the commands
// end here.
class ExWallStackedWidget : public QStackedWidget
{
    Q_OBJECT

public:
    explicit ExWallStackedWidget(QWidget *parent = nullptr);
    ~ExWallStackedWidget() override;

    // Stores the four values; the normal colour and picture are drawn.
    void setStyles(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                   const QString &pressImage);

    QString bkColor() const { return m_bkColor; }
    const QPixmap &bkPixmap() const { return m_bkPixmap; }

signals:
    void signalAudioChange(int, int, int, int);
    void signalAudioModeChange(int, int, int);
    void signalSetMatixDiv(int wallType, int wallID, int row, int col);
    void signalSetMatrixNext(int wallType, int wallID, int next);
    void signalCallScene(int wallType, int wallID, int sceneID);
    void signalDragSignalEnd(int wallType, int wallID, QRect rect, char *fillStream, int size);
    void signalCleanScreen(QWidget *);
    void signalCleanAllScreen(QWidget *);
    void signalOpenAllScreen(QWidget *);
    void signalGetAudioData(int, int, int, int, int);
    void signalGetAudioModeData(int, int, int);

public slots:
    void slotOnCurrentChanged(int wallType, int wallID);
    void slotOnCleanScreen();
    void slotOnCleanAllScreen();
    void slotOnOpenAllFullScreen();
    void slotOnSetMatixDiv(int row, int col);
    void slotOnSetMatrixNext(int next);
    void slotOnCallScene(int wall_type, int wall_id, int sceneID);
    void slotOnStopPollScene(int wall_type, int wall_id);
    void slotOnDragSignalEnd(QRect rect, char *fillStream, int size);
    void slotOnAudioChange(int a, int b);
    void slotOnGetAudioData(int, int, int, int, int);
    void slotOnAudioModeChange(int mode);
    void slotOnGetAudioModeData(int wall_type, int wall_id, int audioMode);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ExWallPage *currentWall() const;
    // The current wall, when it is the wall of that type and id.
    ExWallPage *currentWall(int wallType, int wallId) const;

    QString m_bkColor;
    QString m_normalBkColor;
    QString m_pressBkColor;
    QString m_normalImage;
    QString m_pressImage;
    QPixmap m_bkPixmap;
};
