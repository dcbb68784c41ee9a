#include "uibase.h"

#include "core/fileutils.h"
#include "core/jsonutils.h"
#include "core/textutils.h"

#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <cmath>
#include <limits>

// Every applied object is logged; opening a page applies thousands, so the
// line is formatted only when asked for (QT_LOGGING_RULES="brivane.attributes.debug=true").
Q_LOGGING_CATEGORY(lcAttributes, "brivane.attributes", QtInfoMsg)

namespace {

// How a known key is normalised before it is stored.
enum class Group { Integer, String, Double, Object, Array, Unchanged };

// Which plain field, if any, a key mirrors.
enum class Mirror {
    None,
    X, Y, W, H,
    NormalBkColor, PressBkColor, NormalImage, PressImage, NormalColor, PressColor,
    Direction, TextPosition, TextRatio, PictureRatio,
    WidgetIndex, Name, Text, FontSize, Bold, TypeName, GroupId, BorderRadius,
};

struct KeyRule {
    Group group;
    Mirror mirror;
    bool repaint;
};

struct NamedRule {
    const char *key;
    KeyRule rule;
};

const NamedRule kOwnKeys[] = {
    {"x", {Group::Integer, Mirror::X, true}},
    {"y", {Group::Integer, Mirror::Y, true}},
    {"w", {Group::Integer, Mirror::W, true}},
    {"h", {Group::Integer, Mirror::H, true}},
    {"normalBkColor", {Group::String, Mirror::NormalBkColor, true}},
    {"pressBkColor", {Group::String, Mirror::PressBkColor, false}},
    {"normal_image_path", {Group::String, Mirror::NormalImage, true}},
    {"press_image_path", {Group::String, Mirror::PressImage, false}},
    {"normalColor", {Group::String, Mirror::NormalColor, true}},
    {"pressColor", {Group::String, Mirror::PressColor, false}},
    {"direction", {Group::Integer, Mirror::Direction, true}},
    {"text_position", {Group::Unchanged, Mirror::TextPosition, true}},
    {"text_radio", {Group::Double, Mirror::TextRatio, true}},
    {"bg_radio", {Group::Double, Mirror::PictureRatio, true}},
    {"widgetIndex", {Group::Integer, Mirror::WidgetIndex, false}},
    {"name", {Group::String, Mirror::Name, false}},
    {"text", {Group::String, Mirror::Text, true}},
    {"fontsize", {Group::Integer, Mirror::FontSize, true}},
    {"tagFontSize", {Group::Integer, Mirror::FontSize, true}},
    {"btn_size", {Group::Integer, Mirror::FontSize, true}},
    {"bold", {Group::Integer, Mirror::Bold, true}},
    {"type", {Group::String, Mirror::TypeName, false}},
    {"m_group_id", {Group::Integer, Mirror::GroupId, false}},
    {"group_hide", {Group::Integer, Mirror::None, true}},
    {"borderRadius", {Group::Integer, Mirror::BorderRadius, false}},
    {"playMode", {Group::Integer, Mirror::None, true}},
    {"tagVisible", {Group::Integer, Mirror::None, true}},
    {"titleBold", {Group::Integer, Mirror::None, true}},
    {"bgOpacity", {Group::Integer, Mirror::None, true}},
    {"titleVisible", {Group::Integer, Mirror::None, true}},
    {"grid_layout", {Group::Object, Mirror::None, false}},
    {"cmd_data_list", {Group::Array, Mirror::None, false}},
};

// Integer keys that only need their type kept straight.
const char *const kIntegerKeys[] = {
    "index", "audio_mode", "source_mode", "mode", "to_top", "feature_type", "protocol", "port",
    "data_type", "matrix_id", "matrix_button_type", "func_type", "relativeType", "relativeMethod",
    "page_direction", "turn_direction", "row", "col", "control", "preset", "speed", "PlaceId",
    "rowcol", "show_item_num", "page_turn_height", "layoutDirection", "btn_w", "hide_page_button",
    "meetingVendor", "min", "max", "step", "groove_margin_left", "groove_margin_top",
    "groove_margin_right", "groove_margin_bottom", "label_w", "label_h", "thumb_w", "thumb_h",
    "thumb_press_w", "thumb_press_h",
};

// String keys that only need their type kept straight. Image paths of the
// composite kinds are stored as typed; only the control's own two resolve.
const char *const kStringKeys[] = {
    "ref", "ip", "cmd_data", "on_cmd_data", "off_cmd_data", "matrix_index", "goto", "url",
    "process", "an_process", "wall_ids", "title",
    "prev_button_normalColor", "prev_button_pressColor", "prev_button_normalBkColor",
    "prev_button_pressBkColor", "prev_button_normal_image_path", "prev_button_press_image_path",
    "next_button_normalColor", "next_button_pressColor", "next_button_normalBkColor",
    "next_button_pressBkColor", "next_button_normal_image_path", "next_button_press_image_path",
    "item_normalColor", "item_pressColor", "item_normalBkColor", "titleFontColor",
    "item_pressBkColor", "item_normal_image_path", "item_press_image_path", "winBgColor",
    "tagFontColor", "btn_normalColor", "btn_pressColor", "btn_normalBkColor", "btn_pressBkColor",
    "btn_normal_image_path", "btn_press_image_path", "btn_text", "loginTitle", "win",
    "loginBtnText", "userPlaceholder", "pwdPlaceholder", "meetingIp", "normal_groove_pic",
    "active_groove_pic", "normal_thumb_pic", "active_thumb_pic", "normalLoginBtnImg",
    "hoverLoginBtnImg", "pressLoginBtnImg", "pressText", "off_text", "on_text", "textOffColor",
    "textOnColor", "bgOnColor", "bgOffColor", "sliderOnColor", "sliderOffColor", "btnFontColor",
    "cboxFontColor", "relativeControl",
    "room_1", "room_2", "room_3", "room_4", "room_5", "room_6", "room_7", "room_8", "room_9",
    "room_10",
};

const QHash<QString, KeyRule> &keyRules()
{
    static const QHash<QString, KeyRule> rules = [] {
        QHash<QString, KeyRule> table;
        for (const char *key : kIntegerKeys)
            table.insert(QLatin1String(key), {Group::Integer, Mirror::None, false});
        for (const char *key : kStringKeys)
            table.insert(QLatin1String(key), {Group::String, Mirror::None, false});
        for (const NamedRule &named : kOwnKeys)
            table.insert(QLatin1String(named.key), named.rule);
        return table;
    }();
    return rules;
}

// QJsonValue::toInt(0) without its undefined cast: an integral number in int
// range is itself, anything else is 0.
int integerOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d))
        return 0;
    if (d < double(std::numeric_limits<int>::min()) || d > double(std::numeric_limits<int>::max()))
        return 0;
    return int(d);
}

QJsonValue normalised(Group group, const QJsonValue &value)
{
    switch (group) {
    case Group::Integer:
        return integerOf(value);
    case Group::String:
        return value.isString() ? value : QJsonValue(QString());
    case Group::Double:
        return value.isDouble() ? value : QJsonValue(1.0);
    case Group::Object:
        return value.isObject() ? value : QJsonValue(QJsonObject());
    case Group::Array:
        return value.isArray() ? value : QJsonValue(QJsonArray());
    case Group::Unchanged:
        break;
    }
    return value;
}

double halfUp(double v)
{
    if (v >= 0)
        return std::trunc(v + 0.5);
    const double below = std::trunc(v - 1);
    return std::trunc(v - below + 0.5) + below;
}

int clampToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (v >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(v);
}

// Stored geometry for setScale and rescaleGeometry: a missing key or a
// non-number counts as 0.
int storedGeometry(const QJsonObject &attributes, const char *key)
{
    return integerOf(attributes.value(QLatin1String(key)));
}

} // namespace

int UIBase::roundHalfUp(double v)
{
    return clampToInt(halfUp(v));
}

int UIBase::screenCoordinate(double v)
{
    if (std::isnan(v))
        return 0;
    return int(qBound(-double(QWIDGETSIZE_MAX), v, double(QWIDGETSIZE_MAX)));
}

int UIBase::screenLength(double v)
{
    if (std::isnan(v))
        return 0;
    return int(qBound(0.0, v, double(QWIDGETSIZE_MAX)));
}

void UIBase::setAttributes(const QJsonObject &changes, bool repaint, bool viaSignal)
{
    qCDebug(lcAttributes).noquote() << "UIBase::setAttributes"
                                    << QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact));
    if (changes.isEmpty())
        return;

    if (viaSignal) {
        // The page applies the edit through its undo stack, which calls back
        // without the signal; until then the control stays as it is.
        QJsonObject updated = m_attributes;
        for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
            updated.insert(it.key(), it.value());
        emit signalAttributeChange(m_attributes, updated);
        return;
    }

    // A control's first object is taken whole, so that storing each key below
    // replaces a value in place instead of growing the object key by key.
    const bool whole = m_attributes.isEmpty();
    if (whole)
        m_attributes = changes;
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
        const QJsonValue value = it.value();
        applyKey(it.key(), value, false, whole ? &value : nullptr);
    }
    if (repaint)
        update();
}

QJsonObject UIBase::replaceAttributes(const QJsonObject &whole)
{
    const QJsonObject changed = jsonChanges(m_attributes, whole);
    for (auto it = changed.constBegin(); it != changed.constEnd(); ++it) {
        if (whole.contains(it.key()))
            continue;
        // Through a null first, so the mirror goes back to its empty value.
        setAttribute(it.key(), QJsonValue(), false);
        m_attributes.remove(it.key());
    }
    // The index is the object's again, as on a control made from it.
    m_widgetIndex = -1;
    for (auto it = whole.constBegin(); it != whole.constEnd(); ++it)
        setAttribute(it.key(), it.value(), false);
    update();
    return changed;
}

void UIBase::storeAttribute(const QString &key, const QJsonValue &value, const QJsonValue *held)
{
    // A first object taken whole already holds every key it brought: a value
    // kept as given needs no search of the object.
    if (held && *held == value)
        return;
    // Writing an equal value would still copy a shared object.
    const auto it = m_attributes.constFind(key);
    if (it == m_attributes.constEnd() || it.value() != value)
        m_attributes.insert(key, value);
}

void UIBase::setAttribute(const QString &key, const QJsonValue &value, bool repaint, bool unused)
{
    Q_UNUSED(unused)
    applyKey(key, value, repaint, nullptr);
}

void UIBase::applyKey(const QString &key, const QJsonValue &value, bool repaint, const QJsonValue *held)
{
    const auto &rules = keyRules();
    const auto found = rules.constFind(key);
    if (found == rules.constEnd()) {
        storeAttribute(key, value, held);
        return;
    }
    const KeyRule rule = found.value();

    switch (rule.mirror) {
    case Mirror::X:
    case Mirror::Y:
    case Mirror::W:
    case Mirror::H: {
        // A non-number keeps the widget where it is, in screen pixels.
        int stored = 0;
        if (value.isDouble()) {
            stored = integerOf(value);
        } else {
            const QRect g = geometry();
            stored = rule.mirror == Mirror::X   ? g.x()
                     : rule.mirror == Mirror::Y ? g.y()
                     : rule.mirror == Mirror::W ? g.width()
                                                : g.height();
        }
        storeAttribute(key, stored, held);
        applyGeometryKey(key, stored);
        break;
    }
    case Mirror::WidgetIndex:
        // Only a control without an index takes one; the object then tells
        // the index the control really has.
        if (m_widgetIndex == -1)
            m_widgetIndex = integerOf(value);
        storeAttribute(key, m_widgetIndex, held);
        break;
    case Mirror::TextPosition:
        storeAttribute(key, value, held);
        m_textPosition = integerOf(value);
        break;
    default: {
        const QJsonValue stored = normalised(rule.group, value);
        storeAttribute(key, stored, held);
        switch (rule.mirror) {
        case Mirror::NormalBkColor: m_normalBkColor = stored.toString(); break;
        case Mirror::PressBkColor: m_pressBkColor = stored.toString(); break;
        case Mirror::NormalImage: m_normalImageFile = imageFilePath(stored.toString()); break;
        case Mirror::PressImage: m_pressImageFile = imageFilePath(stored.toString()); break;
        case Mirror::NormalColor: m_normalColor = stored.toString(); break;
        case Mirror::PressColor: m_pressColor = stored.toString(); break;
        case Mirror::Direction: m_direction = stored.toInt(); break;
        case Mirror::TextRatio: m_textRatio = stored.toDouble(); break;
        case Mirror::PictureRatio: m_pictureRatio = stored.toDouble(); break;
        case Mirror::Text: m_text = stored.toString(); break;
        case Mirror::FontSize: m_fontSize = stored.toInt(); break;
        case Mirror::Bold: m_bold = stored.toInt(); break;
        case Mirror::TypeName: m_typeName = stored.toString(); break;
        case Mirror::GroupId: m_groupId = stored.toInt(); break;
        case Mirror::BorderRadius: m_borderRadius = stored.toInt(); break;
        case Mirror::Name: {
            m_name = stored.toString();
            // "Button_3" numbers the control; "Cmd_Button_3" and "Button_x" do not.
            const QStringList parts = m_name.split(QLatin1Char('_'), Qt::KeepEmptyParts);
            if (parts.size() == 2 && isDigits(parts.at(1))) {
                bool ok = false;
                const int index = parts.at(1).trimmed().toInt(&ok);
                if (ok)
                    m_widgetIndex = index;
            }
            break;
        }
        default:
            break;
        }
        break;
    }
    }

    if (rule.repaint && repaint)
        update();
}

void UIBase::applyGeometryKey(const QString &key, int stored)
{
    const int screen = (key == QLatin1String("w") || key == QLatin1String("h"))
                           ? screenLength(halfUp(stored * m_zoomScale))
                           : screenCoordinate(halfUp(stored * m_zoomScale));
    if (key == QLatin1String("x"))
        move(screen, y());
    else if (key == QLatin1String("y"))
        move(x(), screen);
    else if (key == QLatin1String("w"))
        resize(screen, height());
    else
        resize(width(), screen);
}

QString UIBase::getName() const
{
    return m_name;
}

void UIBase::setName(const QString &name)
{
    m_name = name;
    setAttribute(QStringLiteral("name"), name, true, true);
}

void UIBase::buildLayout()
{
}

void UIBase::applyAttributes(const QJsonObject &applied)
{
    Q_UNUSED(applied)
}

void UIBase::setScaleValue(double zoom)
{
    // A zoom of 0 would collapse every control and divide by zero when a
    // drag is reported; such a value is refused.
    if (std::isfinite(zoom) && zoom > 0)
        m_zoomScale = zoom;
}

void UIBase::setScale(double zoom)
{
    setScaleValue(zoom);
    const double x = storedGeometry(m_attributes, "x");
    const double y = storedGeometry(m_attributes, "y");
    const double w = storedGeometry(m_attributes, "w");
    const double h = storedGeometry(m_attributes, "h");
    setGeometry(screenCoordinate(std::trunc(x * m_zoomScale)),
                screenCoordinate(std::trunc(y * m_zoomScale)),
                screenLength(std::trunc(w * m_zoomScale)),
                screenLength(std::trunc(h * m_zoomScale)));
}

void UIBase::rescaleStoredGeometry(QJsonObject &attributes, double sx, double sy)
{
    const int x = clampToInt(std::trunc(storedGeometry(attributes, "x") * sx));
    const int y = clampToInt(std::trunc(storedGeometry(attributes, "y") * sy));
    const int w = clampToInt(std::trunc(storedGeometry(attributes, "w") * sx));
    const int h = clampToInt(std::trunc(storedGeometry(attributes, "h") * sy));
    attributes.insert(QStringLiteral("x"), x);
    attributes.insert(QStringLiteral("y"), y);
    attributes.insert(QStringLiteral("w"), w);
    attributes.insert(QStringLiteral("h"), h);
}

void UIBase::rescaleGeometry(double sx, double sy)
{
    rescaleStoredGeometry(m_attributes, sx, sy);
    setScale(m_zoomScale);
}

void UIBase::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void UIBase::setFileDir(const QString &folder)
{
    m_fileDir = folder;
}

QString UIBase::imageFilePath(const QString &path) const
{
    if (path.isEmpty())
        return QString();
    return m_fileDir + QLatin1Char('/') + fileNameOfPath(path);
}
