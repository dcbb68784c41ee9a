#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QSlider;
class QToolButton;

// The zoom bar of the status bar: the edit zoom of the current page in
// percent, changed with a slider and two step buttons.
class StatusBarFrame : public QFrame
{
    Q_OBJECT

public:
    explicit StatusBarFrame(QWidget *parent = nullptr);
    ~StatusBarFrame() override;

    QSlider *slider() const { return m_horizontalSlider; }
    QLabel *label() const { return m_label; }
    QToolButton *smallerButton() const { return m_toolButton; }
    QToolButton *biggerButton() const { return m_toolButton2; }

signals:
    void signalSliderScaleData(int percent);

public slots:
    void slotSetScaleData(int percent);
    void slotScaleSmall();
    void slotScaleBig();
    void slotScaleChange(int value);

private:
    void setupUi();

    QHBoxLayout *m_horizontalLayout2 = nullptr;
    QHBoxLayout *m_horizontalLayout = nullptr;
    QLabel *m_label = nullptr;
    QToolButton *m_toolButton = nullptr;
    QSlider *m_horizontalSlider = nullptr;
    QToolButton *m_toolButton2 = nullptr;
};
