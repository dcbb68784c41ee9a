#pragma once

#include <QRect>
#include <QWidget>

// One video wall as the wall stack shows it: the wall's type and id and the
// commands the stack hands it. The offline preview adds none to a stack.
class ExWallPage : public QWidget
{
    Q_OBJECT

public:
    ExWallPage(int wallType, int wallId, QWidget *parent = nullptr);

    int wallType() const { return m_wallType; }
    int wallId() const { return m_wallId; }

signals:
    void signalSetMatrixDiv(int wallType, int wallID, int row, int col);
    void signalSetMatrixNext(int wallType, int wallID, int next);
    void signalCallScene(int wallType, int wallID, int sceneID);
    void signalDragSignalEnd(int wallType, int wallID, QRect, char *fillStream, int size);
    void signalCleanScreen(QWidget *);
    void signalCleanAllScreen(QWidget *);
    void signalOpenAllScreen(QWidget *);
    void signalAudioChange(int, int, int, int);
    void signalGetAudioData(int, int, int, int, int);
    void signalAudioModeChange(int, int, int);
    void signalGetAudioModeData(int, int, int);
    void signalStopPollScenes(int wallType, int wallID);

private:
    int m_wallType;
    int m_wallId;
};
