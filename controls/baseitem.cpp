#include "baseitem.h"

#include "core/fileutils.h"
#include "core/jsonutils.h"
#include "core/screenscale.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

enum class StyleKind { Left, Top, Width, Height, String, Int, NormalPicture, PressPicture };

struct StyleKey
{
    const char *key;
    StyleKind kind;
    QString BaseItem::*stringField;
    int BaseItem::*intField;
    bool repaints;
};

// Member pointers to the cell's protected fields can only be formed from a
// subclass, so the key table lives in one that is never instantiated.
struct StyleTable : BaseItem
{
    static const StyleKey *find(const QString &key)
    {
        static const StyleKey keys[] = {
            {"x", StyleKind::Left, nullptr, nullptr, true},
            {"y", StyleKind::Top, nullptr, nullptr, true},
            {"w", StyleKind::Width, nullptr, nullptr, true},
            {"h", StyleKind::Height, nullptr, nullptr, true},
            {"normalBkColor", StyleKind::String, &StyleTable::m_normalBkColor, nullptr, true},
            {"pressBkColor", StyleKind::String, &StyleTable::m_pressBkColor, nullptr, false},
            {"normal_image_path", StyleKind::NormalPicture, nullptr, nullptr, true},
            {"press_image_path", StyleKind::PressPicture, nullptr, nullptr, false},
            {"normalColor", StyleKind::String, &StyleTable::m_normalColor, nullptr, true},
            {"pressColor", StyleKind::String, &StyleTable::m_pressColor, nullptr, false},
            {"direction", StyleKind::Int, nullptr, &StyleTable::m_direction, true},
            {"text", StyleKind::String, &StyleTable::m_text, nullptr, true},
            {"fontsize", StyleKind::Int, nullptr, &StyleTable::m_fontSize, true},
            {"bold", StyleKind::Int, nullptr, &StyleTable::m_bold, true},
        };
        for (const StyleKey &entry : keys) {
            if (key == QLatin1String(entry.key))
                return &entry;
        }
        return nullptr;
    }
};

const QColor kFrameColor(196, 199, 206);
const char kNoBackground[] = "#00ffffff";

}

BaseItem::BaseItem(QWidget *parent)
    : QWidget(parent)
    , m_parent(parent)
{
    // Hover moves go on to the control around the cell (a cell ignores them),
    // so its edge cursor follows the mouse over the cells too.
    setMouseTracking(true);
}

QString BaseItem::imageFilePath(const QString &path) const
{
    if (path.isEmpty())
        return QString();
    return m_fileDir + QLatin1Char('/') + fileNameOfPath(path);
}

void BaseItem::setStyle(const QJsonObject &style, bool repaint)
{
    if (style.isEmpty())
        return;
    for (auto it = style.constBegin(); it != style.constEnd(); ++it)
        setStyleValue(it.key(), it.value(), false);
    if (repaint)
        update();
}

void BaseItem::setStyleValue(const QString &key, const QJsonValue &value, bool repaint)
{
    const StyleKey *entry = StyleTable::find(key);
    if (!entry)
        return;

    const QString text = value.isString() ? value.toString() : QString();
    QJsonValue stored;
    switch (entry->kind) {
    case StyleKind::Left:
    case StyleKind::Top:
    case StyleKind::Width:
    case StyleKind::Height: {
        QRect rect = geometry();
        const int current[] = {rect.x(), rect.y(), rect.width(), rect.height()};
        const int index = int(entry->kind) - int(StyleKind::Left);
        if (!value.isDouble()) {
            // Not a number: the cell keeps its place and the style records it.
            stored = current[index];
            break;
        }
        const int number = jsonNumberAsInt(value, 0);
        const int scaled = qRound(number * m_scale);
        stored = number;
        if (entry->kind == StyleKind::Left)
            rect.moveLeft(scaled);
        else if (entry->kind == StyleKind::Top)
            rect.moveTop(scaled);
        else if (entry->kind == StyleKind::Width)
            rect.setWidth(scaled);
        else
            rect.setHeight(scaled);
        setGeometry(rect);
        break;
    }
    case StyleKind::String:
        this->*(entry->stringField) = text;
        stored = text;
        break;
    case StyleKind::Int: {
        const int number = value.isDouble() ? jsonNumberAsInt(value, 0) : 0;
        this->*(entry->intField) = number;
        stored = number;
        break;
    }
    case StyleKind::NormalPicture:
        m_normalPictureFile = imageFilePath(text);
        stored = text;
        break;
    case StyleKind::PressPicture:
        m_pressPictureFile = imageFilePath(text);
        stored = text;
        break;
    }
    m_style.insert(key, stored);

    if (repaint && entry->repaints)
        update();
}

QFont BaseItem::textFont() const
{
    QFont font;
    if (m_fontSize > 0) {
        const double fitScale = screenMetrics().fit;
        // In floating point: a stored size near the int limit on a large
        // screen must not wrap around; it is held at the largest widget size.
        const double pixels = std::trunc(std::trunc(m_fontSize * fitScale) * m_scale);
        // A tiny zoom can round the size to nothing; keep the default then.
        if (pixels >= 1)
            font.setPixelSize(int(std::min(pixels, double(QWIDGETSIZE_MAX))));
    }
    font.setWeight(m_bold != 0 ? QFont::Bold : QFont::Normal);
    return font;
}

QString BaseItem::displayText() const
{
    if (m_direction == 0)
        return m_text;
    // One character per line, with an empty line before and after.
    return m_text.split(QString(), Qt::KeepEmptyParts).join(QLatin1Char('\n'));
}

void BaseItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFace(painter);
}

void BaseItem::paintFace(QPainter &painter)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area(0, 0, width(), height());

    bool pictureDrawn = false;
    if (!m_normalPictureFile.isEmpty()) {
        m_picture = QPixmap(loadablePicture(m_normalPictureFile));
        if (!m_picture.isNull()) {
            painter.drawPixmap(area, m_picture);
            pictureDrawn = true;
        }
    }
    if (!pictureDrawn) {
        const QColor background(m_normalBkColor.isEmpty() ? QString::fromLatin1(kNoBackground) : m_normalBkColor);
        if (background.isValid() && background.alpha() > 0)
            painter.fillRect(area, background);
    }

    painter.setPen(QPen(kFrameColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    if (m_text.isEmpty())
        return;
    painter.setPen(QColor(m_normalColor.isEmpty() ? m_fallbackTextColor : m_normalColor));
    painter.setFont(textFont());
    if (m_direction != 0) {
        // Set, not added: adding it on every paint would carry into other flags.
        m_alignment |= Qt::TextWordWrap;
    }
    painter.drawText(area, m_alignment, displayText());
}
