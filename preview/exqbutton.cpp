#include "exqbutton.h"

#include "controls/bandlayout.h"
#include "core/fileutils.h"
#include "preview/exscale.h"

#include <QPainter>

namespace {

bool isRatio(double value)
{
    return value > 0 && value <= 1;
}

} // namespace

ExQButton::ExQButton(QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(QStringLiteral("ExQButton"));
    answerTouchesOnly(this);
    // Checked when compiled: a page makes one button per control, and
    // resolving these by name each time showed in its loading time.
    connect(this, &QAbstractButton::pressed, this, &ExQButton::onPress);
    connect(this, &QAbstractButton::released, this, &ExQButton::onRelease);
}

ExQButton::~ExQButton() = default;

void ExQButton::answerTouchesOnly(QPushButton *button)
{
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
}

void ExQButton::setTextStyle(const QString &text, int fontSize, int bold, const QString &normalColor,
                             const QString &pressColor)
{
    m_normalText = text;
    m_pressText = text;
    m_currentText = text;
    m_fontSize = fontSize < 1 ? 14 : fontSize;
    m_bold = bold;
    m_normalTextColor = normalColor;
    m_currentTextColor = normalColor;
    m_pressTextColor = pressColor;
}

void ExQButton::setImages(const QString &normalBkColor, const QString &pressBkColor, const QString &normalImage,
                          const QString &pressImage)
{
    m_normalBkColor = normalBkColor;
    m_pressBkColor = pressBkColor;
    m_normalImage = normalImage;
    m_pressImage = pressImage;
    m_currentBkColor = normalBkColor;
    m_currentPicture = QPixmap(loadablePicture(normalImage));
}

void ExQButton::setPressText(const QString &text)
{
    m_pressText = text;
}

void ExQButton::setDirection(int code, double textRatio, double pictureRatio)
{
    m_layoutCode = code;
    if (isRatio(textRatio))
        m_textRatio = textRatio;
    if (isRatio(pictureRatio))
        m_pictureRatio = pictureRatio;
}

QFont ExQButton::paintFont() const
{
    return runtimeFont(m_fontSize, m_bold);
}

void ExQButton::layoutRects(QRect *picture, QRect *text)
{
    splitBands(size(), m_layoutCode, &m_textRatio, &m_pictureRatio, picture, text);
}

void ExQButton::showLook(bool pressed)
{
    m_currentTextColor = pressed ? m_pressTextColor : m_normalTextColor;
    // An empty path gives a null picture without touching the disk.
    m_currentPicture = QPixmap(loadablePicture(pressed ? m_pressImage : m_normalImage));
    m_currentBkColor = pressed ? m_pressBkColor : m_normalBkColor;
}

void ExQButton::onPress()
{
    if (m_pressing)
        return;
    m_pressing = true;
    m_currentText = m_pressText;
    showLook(true);
    emit signalOnPress();
    m_pressing = false;
    update();
}

void ExQButton::onRelease()
{
    if (m_releasing)
        return;
    m_releasing = true;
    if (m_groupId != 0) {
        emit signalOnRelease();
        m_releasing = false;
        return;
    }
    m_currentText = m_normalText;
    showLook(false);
    emit signalOnRelease();
    m_releasing = false;
    update();
}

void ExQButton::onSelect(bool bFlag)
{
    if (bFlag == m_selected)
        return;
    m_selected = bFlag;
    showLook(bFlag);
    update();
}

void ExQButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QRect pictureArea;
    QRect textArea;
    layoutRects(&pictureArea, &textArea);

    if (m_currentPicture.isNull()) {
        if (!m_currentBkColor.isEmpty() && m_radius <= 0 && keepsWholePixels(painter)) {
            // The same pixels as with antialiasing, which would send every
            // row of the fill through the rasterizer: the dearest part of a
            // page of buttons.
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(pictureArea, colourOfText(m_currentBkColor));
            painter.setRenderHint(QPainter::Antialiasing);
        } else if (!m_currentBkColor.isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colourOfText(m_currentBkColor));
            painter.drawRoundedRect(pictureArea, m_radius, m_radius, Qt::AbsoluteSize);
        }
    } else if (m_stretchPicture) {
        painter.drawPixmap(pictureArea, roundedPixmap(m_currentPicture, m_radius));
    } else if (!pictureArea.isEmpty()) {
        // Fitted inside the area with its aspect ratio, centred on the free axis.
        const QSize area = pictureArea.size();
        const QSize source = m_currentPicture.size();
        QPixmap fitted;
        QRect target;
        if (qint64(source.height()) * area.width() > qint64(source.width()) * area.height()) {
            fitted = m_currentPicture.scaledToHeight(area.height(), Qt::FastTransformation);
            target = QRect((area.width() - fitted.width()) / 2, 0, fitted.width(), area.height());
        } else {
            fitted = m_currentPicture.scaledToWidth(area.width(), Qt::FastTransformation);
            target = QRect(0, (area.height() - fitted.height()) / 2, area.width(), fitted.height());
        }
        painter.drawPixmap(target, roundedPixmap(fitted, m_radius));
    }

    if (m_currentText.isEmpty())
        return;
    painter.setPen(runtimeTextColour(m_currentTextColor));
    painter.setFont(paintFont());
    if (m_verticalText == 0) {
        painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignVCenter, m_currentText);
        return;
    }
    // One character per line, with an empty line above and below.
    const QString vertical = m_currentText.split(QString(), Qt::KeepEmptyParts).join(QLatin1Char('\n'));
    painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, vertical);
}
