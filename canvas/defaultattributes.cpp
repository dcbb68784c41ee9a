#include "defaultattributes.h"

#include "controls/uibase.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>

namespace {

enum class Kind : unsigned char { Int, Real, Text, Translated, Array, Object };

// One default key. Texts marked Translated pass through the translation of
// the page canvas when the object is built.
struct KeyDef {
    const char *key;
    Kind kind;
    int number;
    const char *text;
};

constexpr KeyDef num(const char *key, int value) { return {key, Kind::Int, value, nullptr}; }
constexpr KeyDef real(const char *key, int value) { return {key, Kind::Real, value, nullptr}; }
constexpr KeyDef str(const char *key, const char *value = "") { return {key, Kind::Text, 0, value}; }
constexpr KeyDef trs(const char *key, const char *value) { return {key, Kind::Translated, 0, value}; }
constexpr KeyDef arr(const char *key) { return {key, Kind::Array, 0, nullptr}; }
constexpr KeyDef obj(const char *key) { return {key, Kind::Object, 0, nullptr}; }

// A kind whose own keys differ from its neighbours' only by one text; a null
// text stands for the empty string, which is not translated.
struct TextKind {
    int id;
    const char *text;
};

KeyDef textKey(const char *key, const char *text)
{
    return text ? trs(key, text) : str(key);
}

// "text" and "direction" 0.
const TextKind kTextDirectionKinds[] = {
    {104, QT_TRANSLATE_NOOP("UIPage", "文本文件")},
    {105, nullptr},
    {113, QT_TRANSLATE_NOOP("UIPage", "普通按钮")},
    {114, QT_TRANSLATE_NOOP("UIPage", "一键开窗")},
    {116, QT_TRANSLATE_NOOP("UIPage", "清屏")},
    {117, QT_TRANSLATE_NOOP("UIPage", "清除所有屏幕")},
    {119, QT_TRANSLATE_NOOP("UIPage", "保存轮询")},
    {120, QT_TRANSLATE_NOOP("UIPage", "OSD")},
    {121, QT_TRANSLATE_NOOP("UIPage", "底图")},
    {122, QT_TRANSLATE_NOOP("UIPage", "保存场景")},
    {123, QT_TRANSLATE_NOOP("UIPage", "启用布局")},
    {125, QT_TRANSLATE_NOOP("UIPage", "首页")},
    {139, QT_TRANSLATE_NOOP("UIPage", "矩阵数量")},
    {140, QT_TRANSLATE_NOOP("UIPage", "分屏模式")},
    {141, QT_TRANSLATE_NOOP("UIPage", "所有布局模式")},
    {144, QT_TRANSLATE_NOOP("UIPage", "静音")},
    {158, QT_TRANSLATE_NOOP("UIPage", "Kvm接管")},
};

// "text" alone.
const TextKind kTextOnlyKinds[] = {
    {101, QT_TRANSLATE_NOOP("UIPage", "登录框")},
    {110, QT_TRANSLATE_NOOP("UIPage", "矩阵区域")},
    {118, QT_TRANSLATE_NOOP("UIPage", "停止轮询")},
    {148, nullptr},
};

// Command buttons: the text doubles as the pressed text.
const TextKind kCommandKinds[] = {
    {129, QT_TRANSLATE_NOOP("UIPage", "命令按钮")},
    {133, QT_TRANSLATE_NOOP("UIPage", "关联命令")},
};

const TextKind kFeatureKinds[] = {
    {159, QT_TRANSLATE_NOOP("UIPage", "功能按钮")},
    {160, QT_TRANSLATE_NOOP("UIPage", "按键按钮")},
    {161, QT_TRANSLATE_NOOP("UIPage", "自锁功能按钮")},
};

// The colours of the two slide switches come before their own keys.
const KeyDef kSwitchColours[] = {
    trs("textOffColor", QT_TRANSLATE_NOOP("UIPage", "#FF409EFF")),
    trs("textOnColor", QT_TRANSLATE_NOOP("UIPage", "#FF606266")),
    trs("bgOffColor", QT_TRANSLATE_NOOP("UIPage", "#FF6F7A7E")),
    trs("bgOnColor", QT_TRANSLATE_NOOP("UIPage", "#FF159C77")),
    trs("sliderOffColor", QT_TRANSLATE_NOOP("UIPage", "#FFFFFFFF")),
    trs("sliderOnColor", QT_TRANSLATE_NOOP("UIPage", "#FFFFFFFF")),
};

const KeyDef kSliderKeys[] = {
    str("text"), num("direction", 0), num("min", 0), num("max", 100), num("step", 1),
    num("label_w", 24), num("label_h", 20),
    num("groove_margin_left", 0), num("groove_margin_top", 2),
    num("groove_margin_right", 0), num("groove_margin_bottom", 2),
    num("thumb_w", 20), num("thumb_h", 20), num("thumb_press_w", 20), num("thumb_press_h", 20),
    str("normal_groove_pic"), str("active_groove_pic"),
    str("normal_thumb_pic"), str("active_thumb_pic"),
};

const int kSliderKinds[] = {131, 145, 157};

// The five list controls share one page-turn block; a column per kind. A
// null cell leaves the key out for that kind, an Int row holds decimal text.
const int kListKinds[] = {111, 135, 136, 137, 112};
constexpr int kListCount = int(sizeof(kListKinds) / sizeof(kListKinds[0]));

struct ListRow {
    const char *key;
    Kind kind;
    const char *cells[kListCount];
};

const char *const kBlue = "#ff0000ff";
const char *const kWhite = "#ffffffff";
const char *const kGold = "#ffc9af4e";
const char *const kBlack = "#000000";

const ListRow kListRows[] = {
    {"text", Kind::Translated,
     {QT_TRANSLATE_NOOP("UIPage", "场景列表"), "", "", "", QT_TRANSLATE_NOOP("UIPage", "信源")}},
    {"direction", Kind::Int, {"1", "0", "1", "1", "1"}},
    {"item_normalBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, nullptr}},
    {"item_pressBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, nullptr}},
    {"item_normal_image_path", Kind::Text, {"", "", "", "", nullptr}},
    {"item_press_image_path", Kind::Text, {"", "", "", "", nullptr}},
    {"item_normalColor", Kind::Text, {kWhite, kBlack, kBlack, kBlack, nullptr}},
    {"item_pressColor", Kind::Text, {kGold, "", "", "", nullptr}},
    {"show_item_num", Kind::Int, {"5", "5", "10", "10", "5"}},
    {"page_turn_height", Kind::Int, {"30", "30", "30", "30", "30"}},
    {"prev_button_normalBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, kBlue}},
    {"prev_button_pressBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, kBlue}},
    {"prev_button_normal_image_path", Kind::Text, {"", "", "", "", ""}},
    {"prev_button_press_image_path", Kind::Text, {"", "", "", "", ""}},
    {"prev_button_normalColor", Kind::Text, {kWhite, kWhite, kWhite, kWhite, kBlue}},
    {"prev_button_pressColor", Kind::Text, {kGold, kGold, kGold, kGold, kWhite}},
    {"next_button_normalBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, kBlue}},
    {"next_button_pressBkColor", Kind::Text, {kBlue, kBlue, kBlue, kBlue, kBlue}},
    {"next_button_normal_image_path", Kind::Text, {"", "", "", "", ""}},
    {"next_button_press_image_path", Kind::Text, {"", "", "", "", ""}},
    {"next_button_normalColor", Kind::Text, {kWhite, kWhite, kWhite, kWhite, kBlue}},
    {"next_button_pressColor", Kind::Text, {kGold, kGold, kGold, kGold, kWhite}},
    {"refresh_button_normalBkColor", Kind::Text, {nullptr, nullptr, kBlue, nullptr, nullptr}},
    {"refresh_button_pressBkColor", Kind::Text, {nullptr, nullptr, kBlue, nullptr, nullptr}},
    {"refresh_button_normal_image_path", Kind::Text, {nullptr, nullptr, "", nullptr, nullptr}},
    {"refresh_button_press_image_path", Kind::Text, {nullptr, nullptr, "", nullptr, nullptr}},
    {"refresh_button_normalColor", Kind::Text, {nullptr, nullptr, kWhite, nullptr, nullptr}},
    {"refresh_button_pressColor", Kind::Text, {nullptr, nullptr, kGold, nullptr, nullptr}},
    {"get_cmd_data_list", Kind::Array, {nullptr, nullptr, "", "", nullptr}},
    {"classify_index", Kind::Int, {nullptr, nullptr, nullptr, nullptr, "0"}},
    {"group_hide", Kind::Int, {nullptr, nullptr, nullptr, nullptr, "0"}},
};

KeyDef listCell(const ListRow &row, const char *cell)
{
    if (row.kind == Kind::Int)
        return num(row.key, QByteArray(cell).toInt());
    if (row.kind == Kind::Translated)
        return textKey(row.key, *cell ? cell : nullptr);
    return {row.key, row.kind, 0, cell};
}

QVector<KeyDef> listKeys(int column)
{
    QVector<KeyDef> keys;
    QVector<KeyDef> items;
    // The scene list writes its item keys after the page-turn buttons.
    const bool itemsLast = kListKinds[column] == 111;
    for (const ListRow &row : kListRows) {
        const char *cell = row.cells[column];
        if (!cell)
            continue;
        if (itemsLast && QByteArray(row.key).startsWith("item_"))
            items.append(listCell(row, cell));
        else
            keys.append(listCell(row, cell));
        if (itemsLast && qstrcmp(row.key, "next_button_pressColor") == 0)
            keys += items;
    }
    return keys;
}

QVector<KeyDef> commandKeys(const char *text)
{
    return {trs("text", text), trs("pressText", text), num("direction", 0),
            num("self_locking", 0), num("m_group_id", 0), arr("on_cmd_data_list"),
            arr("off_cmd_data_list"), arr("select_cmd_data_list")};
}

QVector<KeyDef> featureKeys(const char *text)
{
    return {trs("text", text), num("direction", 0), num("self_locking", 0),
            num("m_group_id", 0), num("feature_type", 0)};
}

const QHash<int, QVector<KeyDef>> &kindTable()
{
    static const QHash<int, QVector<KeyDef>> table = [] {
        QHash<int, QVector<KeyDef>> t;
        for (const TextKind &k : kTextDirectionKinds)
            t.insert(k.id, {textKey("text", k.text), num("direction", 0)});
        for (const TextKind &k : kTextOnlyKinds)
            t.insert(k.id, {textKey("text", k.text)});
        for (const TextKind &k : kCommandKinds)
            t.insert(k.id, commandKeys(k.text));
        for (const TextKind &k : kFeatureKinds)
            t.insert(k.id, featureKeys(k.text));

        const QVector<KeyDef> colours(std::begin(kSwitchColours), std::end(kSwitchColours));
        t.insert(124, colours + QVector<KeyDef>{
            trs("text", QT_TRANSLATE_NOOP("UIPage", "开启布局")),
            trs("off_text", QT_TRANSLATE_NOOP("UIPage", "关闭布局")),
            num("on_IntVal", 1), num("off_IntVal", 0)});
        t.insert(130, colours + QVector<KeyDef>{
            trs("text", QT_TRANSLATE_NOOP("UIPage", "开启")),
            trs("off_text", QT_TRANSLATE_NOOP("UIPage", "关闭")),
            arr("on_cmd_data_list"), arr("off_cmd_data_list")});

        const QVector<KeyDef> slider(std::begin(kSliderKeys), std::end(kSliderKeys));
        for (int id : kSliderKinds)
            t.insert(id, slider);
        t[131] += {num("cmd_progress_mode", 0), obj("feedback"), str("unit"), num("multiples", 1),
                   arr("on_cmd_data_list")};

        for (int column = 0; column < kListCount; ++column)
            t.insert(kListKinds[column], listKeys(column));

        t.insert(102, {trs("text", QT_TRANSLATE_NOOP("UIPage", "场所列表")), num("direction", 1)});
        t.insert(103, {str("text"), str("normalBkColor", "#334e6ef2"), num("direction", 0)});
        t.insert(106, {str("text"), num("direction", 0), str("url"), str("title")});
        t.insert(107, {num("layoutDirection", 1), str("text"), str("pressText"), num("btn_w", 30),
                       trs("btn_text", QT_TRANSLATE_NOOP("UIPage", "搜索")),
                       trs("btn_normalColor", QT_TRANSLATE_NOOP("UIPage", "#FFFFFF")),
                       trs("btn_pressColor", QT_TRANSLATE_NOOP("UIPage", "#133050")),
                       trs("btn_normalBkColor", QT_TRANSLATE_NOOP("UIPage", "#0000ff")),
                       trs("btn_pressBkColor", QT_TRANSLATE_NOOP("UIPage", "#0000ff")),
                       str("btn_normal_image_path"), str("btn_press_image_path")});
        t.insert(108, {trs("text", QT_TRANSLATE_NOOP("UIPage", "当前音频")),
                       str("normalBkColor", "#334e6ef2"), num("direction", 0)});
        t.insert(109, {trs("text", QT_TRANSLATE_NOOP("UIPage", "大屏区域")), num("classify_index", 0)});
        t.insert(115, {trs("text", QT_TRANSLATE_NOOP("UIPage", "置底")), num("direction", 0),
                       num("to_top", 0)});
        t.insert(126, {trs("text", QT_TRANSLATE_NOOP("UIPage", "切换页面")), num("direction", 0),
                       num("func_type", 0), str("goto"), num("PlaceId", -1), str("pwd"),
                       num("verify_type", 0), arr("on_cmd_data_list"), arr("off_cmd_data_list")});
        t.insert(127, {trs("text", QT_TRANSLATE_NOOP("UIPage", "打开网址")), num("direction", 0),
                       str("url")});
        t.insert(128, {trs("text", QT_TRANSLATE_NOOP("UIPage", "打开程序")), num("direction", 0),
                       str("process"), str("an_process")});
        t.insert(134, {trs("text", QT_TRANSLATE_NOOP("UIPage", "矩阵按钮")),
                       trs("pressText", QT_TRANSLATE_NOOP("UIPage", "矩阵按钮")), num("direction", 0),
                       num("m_group_id", 0), arr("on_cmd_data_list"), num("matrix_id", 0),
                       num("matrix_button_type", 0), str("matrix_index", "0")});
        t.insert(138, {trs("text", QT_TRANSLATE_NOOP("UIPage", "矩阵翻页")), num("direction", 0),
                       num("page_direction", 0)});
        t.insert(143, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "开启")),
                       trs("off_text", QT_TRANSLATE_NOOP("UIPage", "关闭"))});
        t.insert(146, {trs("text", QT_TRANSLATE_NOOP("UIPage", "音视频")), num("direction", 0),
                       num("audio_mode", 0), num("m_group_id", 0)});
        t.insert(149, {trs("text", QT_TRANSLATE_NOOP("UIPage", "信源分组")), num("direction", 0),
                       num("index", 0)});
        t.insert(150, {trs("text", QT_TRANSLATE_NOOP("UIPage", "主码流")), num("direction", 0),
                       num("source_mode", 0), num("m_group_id", 0)});
        t.insert(151, {trs("text", QT_TRANSLATE_NOOP("UIPage", "预布局模式")), num("direction", 0),
                       num("mode", 0), num("m_group_id", 0)});
        t.insert(153, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "复位")),
                       num("control", 0), num("speed", 0), num("preset", 0)});
        t.insert(154, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "next")),
                       num("turn_direction", 0)});
        t.insert(155, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "从头开始")),
                       trs("pressText", QT_TRANSLATE_NOOP("UIPage", "从头开始"))});
        t.insert(156, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "播放")),
                       trs("off_text", QT_TRANSLATE_NOOP("UIPage", "暂停"))});
        t.insert(162, {trs("text", QT_TRANSLATE_NOOP("UIPage", "音频音柱")), num("direction", 0),
                       num("self_locking", 0), num("m_group_id", 0), num("data_type", 0),
                       str("ip", "0.0.0.0")});
        t.insert(163, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "音频矩阵")),
                       trs("btn_text", QT_TRANSLATE_NOOP("UIPage", "切换")),
                       str("btn_normal_image_path"), str("btn_press_image_path"), num("control", 0)});
        t.insert(164, {num("direction", 0), trs("text", QT_TRANSLATE_NOOP("UIPage", "会议")),
                       num("meetingVendor", 0), str("meetingIp"), str("btn_normal_image_path"),
                       str("btn_press_image_path"), num("control", 0)});
        return t;
    }();
    return table;
}

QJsonValue valueOf(const KeyDef &def)
{
    switch (def.kind) {
    case Kind::Int:
        return def.number;
    case Kind::Real:
        return double(def.number);
    case Kind::Text:
        return QString::fromUtf8(def.text);
    case Kind::Translated:
        return QCoreApplication::translate("UIPage", def.text);
    case Kind::Array:
        return QJsonArray();
    case Kind::Object:
        return QJsonObject();
    }
    return QJsonValue();
}

} // namespace

namespace DefaultAttributes {

bool hasKind(int nClass)
{
    return kindTable().contains(nClass);
}

QVector<KeyValue> kindKeys(int nClass)
{
    QVector<KeyValue> keys;
    const auto it = kindTable().constFind(nClass);
    if (it == kindTable().constEnd())
        return keys;
    for (const KeyDef &def : it.value())
        keys.append({QString::fromLatin1(def.key), valueOf(def)});
    return keys;
}

QVector<KeyValue> commonKeys(const QRect &stored, const QString &typeName, int widgetIndex)
{
    const KeyDef styled[] = {
        str("normalBkColor"), str("pressBkColor"), str("normal_image_path"), str("press_image_path"),
        str("normalColor", "#ffffffff"), str("pressColor", "#ffc9af4e"), num("fontsize", 14),
        num("bold", 0), num("text_position", 0), real("text_radio", 1), real("bg_radio", 1),
    };
    QVector<KeyValue> keys = {
        {QStringLiteral("x"), stored.x()},
        {QStringLiteral("y"), stored.y()},
        {QStringLiteral("w"), stored.width()},
        {QStringLiteral("h"), stored.height()},
    };
    for (const KeyDef &def : styled)
        keys.append({QString::fromLatin1(def.key), valueOf(def)});
    keys.append({QStringLiteral("type"), typeName});
    keys.append({QStringLiteral("widgetIndex"), widgetIndex});
    keys.append({QStringLiteral("name"), controlName(typeName, widgetIndex)});
    return keys;
}

QJsonObject build(int nClass, const QRect &stored, const QString &typeName, int widgetIndex)
{
    QJsonObject object;
    for (const KeyValue &kv : commonKeys(stored, typeName, widgetIndex))
        object.insert(kv.first, kv.second);
    for (const KeyValue &kv : kindKeys(nClass))
        object.insert(kv.first, kv.second);
    return object;
}

QRect storedRect(const QRect &pixels, double scale)
{
    QRect r = pixels;
    if (r.right() < r.left()) {
        const int left = r.left();
        r.setLeft(r.right());
        r.setRight(left);
    }
    if (r.bottom() < r.top()) {
        const int top = r.top();
        r.setTop(r.bottom());
        r.setBottom(top);
    }
    // A scale that is not above 0 never reaches a page; 1 keeps the pixels.
    const double s = scale > 0 ? scale : 1.0;
    return QRect(UIBase::roundHalfUp(r.left() / s), UIBase::roundHalfUp(r.top() / s),
                 UIBase::roundHalfUp(r.width() / s), UIBase::roundHalfUp(r.height() / s));
}

QString controlName(const QString &typeName, int widgetIndex)
{
    return typeName + QLatin1Char('_') + QString::number(widgetIndex);
}

} // namespace DefaultAttributes
