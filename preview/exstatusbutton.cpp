#include "exstatusbutton.h"

#include "controls/bandlayout.h"
#include "core/fileutils.h"
#include "preview/exqbutton.h"
#include "preview/exscale.h"

#include <QApplication>
#include <QPainter>

namespace {

int storedFontSize(int fontSize)
{
    return fontSize <= 0 ? 14 : fontSize;
}

} // namespace

ExStatusButton::ExStatusButton(QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(QStringLiteral("ExStatusButton"));
    ExQButton::answerTouchesOnly(this);
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

ExStatusButton::~ExStatusButton()
{
    disconnect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

void ExStatusButton::setStyles(const QString &onBkColor, const QString &offBkColor, const QString &onImage,
                               const QString &offImage)
{
    m_onBkColor = onBkColor;
    m_offBkColor = offBkColor;
    m_onImage = onImage;
    m_offImage = offImage;
}

void ExStatusButton::setOnText(const QString &text, int fontSize, int bold, const QString &color)
{
    m_onText = text;
    m_onFontSize = storedFontSize(fontSize);
    m_onBold = bold;
    m_onTextColor = color;
}

void ExStatusButton::setOffText(const QString &text, int fontSize, int bold, const QString &color)
{
    m_offText = text;
    m_offFontSize = storedFontSize(fontSize);
    m_offBold = bold;
    m_offTextColor = color;
}

void ExStatusButton::showStatus(int status)
{
    const bool on = status != 0;
    m_currentBkColor = on ? m_onBkColor : m_offBkColor;
    m_currentTextColor = on ? m_onTextColor : m_offTextColor;
    m_currentText = on ? m_onText : m_offText;
    m_currentBold = on ? m_onBold : m_offBold;
    m_currentFontSize = on ? m_onFontSize : m_offFontSize;
    // An empty path gives a null picture without touching the disk.
    m_currentPicture = QPixmap(loadablePicture(on ? m_onImage : m_offImage));
}

void ExStatusButton::setStatus(int status)
{
    m_status = status;
    showStatus(status);
    update();
}

void ExStatusButton::onClicked()
{
    m_status = m_status == 0 ? 1 : 0;
    showStatus(m_status);
    emit signalStatusChange(m_status);
    update();
}

void ExStatusButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_currentPicture.isNull()) {
        painter.drawPixmap(rect(), roundedPixmap(m_currentPicture, m_radius));
    } else if (!m_currentBkColor.isEmpty()) {
        painter.setBrush(colourOfText(m_currentBkColor));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(rect(), m_radius, m_radius);
    }
    if (m_currentText.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setPointSize(m_currentFontSize);
    font.setWeight(m_currentBold != 0 ? 75 : 50);
    painter.setFont(font);
    painter.setPen(runtimeTextColour(m_currentTextColor));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter, m_currentText);
}
