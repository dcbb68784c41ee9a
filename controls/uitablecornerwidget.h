#pragma once

#include "controls/baseitem.h"

#include <QString>

// The corner cell of the audio matrix preview: a box split by its diagonal,
// "输入" below the diagonal and "输出" above it.
class UITableCornerWidget : public BaseItem
{
    Q_OBJECT
public:
    explicit UITableCornerWidget(QWidget *parent = nullptr);

    QString inputCaption() const { return m_inputCaption; }
    QString outputCaption() const { return m_outputCaption; }
    // Where the two captions are drawn, in the cell's own coordinates.
    QRect inputCaptionRect() const;
    QRect outputCaptionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont captionFont() const;

    QString m_inputCaption;
    QString m_outputCaption;
};
