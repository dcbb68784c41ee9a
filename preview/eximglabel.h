#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

class QPaintEvent;

// The run-time picture label: only its picture, over the whole label.
class ExImgLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ExImgLabel(QWidget *parent = nullptr);
    ~ExImgLabel() override;

    // Only the picture (third argument) is used; the rest keeps the
    // creators' one calling shape.
    void setImages(const QString &color, const QString &pressColor, const QString &image,
                   const QString &pressImage, int unused);
    void setRadius(int radius) { m_radius = radius; }

    int radius() const { return m_radius; }
    QString imagePath() const { return m_imagePath; }
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_radius = 0;
    QPixmap m_picture;
    QString m_imagePath;
};
