#include "uiaudiomatrixheader.h"

#include <QBoxLayout>
#include <QLabel>
#include <QRadioButton>

UIAudioMatrixHeader::UIAudioMatrixHeader(QWidget *parent, const QStringList &captions,
                                         const DrawnCaption::Style &style)
    : BaseItem(parent)
    , m_texts(captions)
{
    QVBoxLayout *column = newColumn();
    for (int i = 0; i < captions.size(); ++i) {
        auto *caption = new DrawnCaption(this, i == 0 ? DrawnCaption::Label : DrawnCaption::RadioButton,
                                         captions.at(i), style);
        m_drawn.append(caption);
        column->addItem(caption);
    }
    setLayout(column);
}

UIAudioMatrixHeader::UIAudioMatrixHeader(QWidget *parent, const QStringList &captions, const QFont &font,
                                         const QString &styleSheet)
    : BaseItem(parent)
    , m_texts(captions)
{
    // The sheet makes the captions transparent and gives them the colour.
    setStyleSheet(styleSheet);
    QVBoxLayout *column = newColumn();
    for (int i = 0; i < captions.size(); ++i) {
        QWidget *caption = i == 0 ? static_cast<QWidget *>(new QLabel(captions.at(i), this))
                                  : new QRadioButton(captions.at(i), this);
        caption->setFont(font);
        // A preview only: presses go through to the control so that it can
        // be selected and dragged, never to the buttons.
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (i > 0)
            caption->setFocusPolicy(Qt::NoFocus);
        m_widgets.append(caption);
        column->addWidget(caption);
    }
    setLayout(column);
}

QVBoxLayout *UIAudioMatrixHeader::newColumn()
{
    // Filled before the cell takes it, and taken as laid out already: a
    // layout set otherwise posts the cell a layout request, which Qt checks
    // against every event a loading page has posted so far, as the cell's
    // polish request is among them. The cell lays it out when shown.
    auto *column = new QVBoxLayout;
    column->invalidate();
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setAlignment(Qt::AlignHCenter);
    return column;
}

QRect UIAudioMatrixHeader::captionRect(int index) const
{
    if (index < 0 || index >= m_texts.size())
        return QRect();
    return drawsCaptions() ? m_drawn.at(index)->drawnRect() : m_widgets.at(index)->geometry();
}

QPalette UIAudioMatrixHeader::captionPalette(int index) const
{
    if (index < 0 || index >= m_texts.size())
        return QPalette();
    return drawsCaptions() ? m_drawn.at(index)->palette() : m_widgets.at(index)->palette();
}

void UIAudioMatrixHeader::paintEvent(QPaintEvent *event)
{
    BaseItem::paintEvent(event);
    // In the order the widgets were made, each over the one before.
    for (const DrawnCaption *caption : qAsConst(m_drawn))
        caption->paint();
}
