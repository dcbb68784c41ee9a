#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QPaintEvent;

// The corner cell of the preview's audio matrix: "输入" lower left,
// "输出" upper right, split by a diagonal, over an optional picture.
class ExTableCornerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ExTableCornerWidget(QWidget *parent = nullptr);
    ~ExTableCornerWidget() override;

    // Neither setter repaints.
    void setImagePath(const QString &path) { m_imagePath = path; }
    void setTextStyle(int pixelSize, const QColor &colour);

    // The two caption rectangles of a cell of that size, for an input
    // caption tw pixels wide and a caption font fh pixels high.
    static void captionRects(const QSize &cell, int tw, int fh, QRect *input, QRect *output);

    QString inputCaption() const { return m_inputCaption; }
    QString outputCaption() const { return m_outputCaption; }
    int pixelSize() const { return m_pixelSize; }
    QColor colour() const { return m_colour; }
    QString imagePath() const { return m_imagePath; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_inputCaption;
    QString m_outputCaption;
    int m_pixelSize = 14;
    QColor m_colour;
    QString m_imagePath;
};
