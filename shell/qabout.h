#pragma once

#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

// The about window: plays the animation "about.gif" of the working
// directory, with one button that pauses and resumes it.
class QAbout : public QWidget
{
    Q_OBJECT

public:
    explicit QAbout(QWidget *parent = nullptr);

    QPushButton *playButton() const { return m_button; }
    QMovie *movie() const { return m_movie; }

private slots:
    void togglePlaying();

private:
    QLabel *m_label = nullptr;
    QMovie *m_movie = nullptr;
    QPushButton *m_button = nullptr;
};
