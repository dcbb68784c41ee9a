#pragma once

#include <QLabel>
#include <QPixmap>

// Shows one picture centred, shrunk to fit with its proportions kept, never
// enlarged.
class ImgLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ImgLabel(QWidget *parent = nullptr);

    // An empty or unreadable path leaves no picture.
    void setImage(const QString &path);
    QString imagePath() const { return m_path; }
    const QPixmap &image() const { return m_pixmap; }

    // Where a picture of that size is drawn in an area of that size; empty
    // when either has no area.
    static QRect fittedRect(const QSize &area, const QSize &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QString m_path;
};
