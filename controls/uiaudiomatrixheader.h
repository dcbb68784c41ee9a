#pragma once

#include "controls/baseitem.h"
#include "controls/drawncaption.h"

#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QVector>

class QVBoxLayout;

// A header of the audio matrix: its caption above the names of the ports,
// each with a radio mark, in a column centred across the cell. In a colour
// QColor reads the cell draws them itself, where and as a label and radio
// buttons in that column would draw them: as widgets, the captions of one
// matrix were forty widgets to build, measure and show. A colour only a
// style sheet reads keeps the widgets under the sheet.
class UIAudioMatrixHeader : public BaseItem
{
    Q_OBJECT
public:
    // The first caption is the header's own, the others the ports'.
    UIAudioMatrixHeader(QWidget *parent, const QStringList &captions, const DrawnCaption::Style &style);
    UIAudioMatrixHeader(QWidget *parent, const QStringList &captions, const QFont &font, const QString &styleSheet);

    QStringList captions() const { return m_texts; }
    // Where each caption shows in the cell once the cell is laid out.
    QRect captionRect(int index) const;
    // The palette each caption is drawn with.
    QPalette captionPalette(int index) const;
    // Whether the cell draws its captions (else they are widgets).
    bool drawsCaptions() const { return !m_drawn.isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *newColumn();

    QStringList m_texts;
    QVector<DrawnCaption *> m_drawn;   // items of the column, which owns them
    QVector<QWidget *> m_widgets;   // or the caption widgets
};
