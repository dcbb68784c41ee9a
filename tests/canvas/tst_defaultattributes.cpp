#include "canvas/defaultattributes.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text of the canvas context, so the test sees which values went
// through translation and in which context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "UIPage") != 0 || !source || !*source)
            return QString();
        return QStringLiteral("<tr>") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

// One row per kind, written down from the list of defaults: the kind's own
// keys in order as [key, value] pairs. A text starting with "†" is translated.
struct Expected {
    int id;
    const char *typeName;
    const char *keys;
};

const Expected kExpected[] = {
    {101, "LoginWidget", R"([["text","†登录框"]])"},
    {102, "PlaceWidget", R"([["text","†场所列表"],["direction",1]])"},
    {103, "ImageLabel", R"([["text",""],["normalBkColor","#334e6ef2"],["direction",0]])"},
    {104, "Label", R"([["text","†文本文件"],["direction",0]])"},
    {105, "TimeLabel", R"([["text",""],["direction",0]])"},
    {106, "VideoWidget", R"([["text",""],["direction",0],["url",""],["title",""]])"},
    {107, "SearchWidget", R"([["layoutDirection",1],["text",""],["pressText",""],["btn_w",30],
        ["btn_text","†搜索"],["btn_normalColor","†#FFFFFF"],["btn_pressColor","†#133050"],
        ["btn_normalBkColor","†#0000ff"],["btn_pressBkColor","†#0000ff"],
        ["btn_normal_image_path",""],["btn_press_image_path",""]])"},
    {108, "AudioLabel", R"([["text","†当前音频"],["normalBkColor","#334e6ef2"],["direction",0]])"},
    {109, "VirWall", R"([["text","†大屏区域"],["classify_index",0]])"},
    {110, "Matrix", R"([["text","†矩阵区域"]])"},
    {111, "SceneList", R"([["text","†场景列表"],["direction",1],["show_item_num",5],
        ["page_turn_height",30],
        ["prev_button_normalBkColor","#ff0000ff"],["prev_button_pressBkColor","#ff0000ff"],
        ["prev_button_normal_image_path",""],["prev_button_press_image_path",""],
        ["prev_button_normalColor","#ffffffff"],["prev_button_pressColor","#ffc9af4e"],
        ["next_button_normalBkColor","#ff0000ff"],["next_button_pressBkColor","#ff0000ff"],
        ["next_button_normal_image_path",""],["next_button_press_image_path",""],
        ["next_button_normalColor","#ffffffff"],["next_button_pressColor","#ffc9af4e"],
        ["item_normalBkColor","#ff0000ff"],["item_pressBkColor","#ff0000ff"],
        ["item_normal_image_path",""],["item_press_image_path",""],
        ["item_normalColor","#ffffffff"],["item_pressColor","#ffc9af4e"]])"},
    {112, "SourceTab", R"([["text","†信源"],["direction",1],["show_item_num",5],
        ["page_turn_height",30],
        ["prev_button_normalBkColor","#ff0000ff"],["prev_button_pressBkColor","#ff0000ff"],
        ["prev_button_normal_image_path",""],["prev_button_press_image_path",""],
        ["prev_button_normalColor","#ff0000ff"],["prev_button_pressColor","#ffffffff"],
        ["next_button_normalBkColor","#ff0000ff"],["next_button_pressBkColor","#ff0000ff"],
        ["next_button_normal_image_path",""],["next_button_press_image_path",""],
        ["next_button_normalColor","#ff0000ff"],["next_button_pressColor","#ffffffff"],
        ["classify_index",0],["group_hide",0]])"},
    {113, "Button", R"([["text","†普通按钮"],["direction",0]])"},
    {114, "AllFullButton", R"([["text","†一键开窗"],["direction",0]])"},
    {115, "ToTopButton", R"([["text","†置底"],["direction",0],["to_top",0]])"},
    {116, "CleanButton", R"([["text","†清屏"],["direction",0]])"},
    {117, "CleanAllMatrixButton", R"([["text","†清除所有屏幕"],["direction",0]])"},
    {118, "PlanStopButton", R"([["text","†停止轮询"]])"},
    {119, "PlanSaveButton", R"([["text","†保存轮询"],["direction",0]])"},
    {120, "OSDButton", R"([["text","†OSD"],["direction",0]])"},
    {121, "BackgroundImageButton", R"([["text","†底图"],["direction",0]])"},
    {122, "SceneSaveButton", R"([["text","†保存场景"],["direction",0]])"},
    {123, "CallPreLayoutButton", R"([["text","†启用布局"],["direction",0]])"},
    {124, "PreLayoutSwitchButton", R"([["textOffColor","†#FF409EFF"],["textOnColor","†#FF606266"],
        ["bgOffColor","†#FF6F7A7E"],["bgOnColor","†#FF159C77"],["sliderOffColor","†#FFFFFFFF"],
        ["sliderOnColor","†#FFFFFFFF"],["text","†开启布局"],["off_text","†关闭布局"],
        ["on_IntVal",1],["off_IntVal",0]])"},
    {125, "HomeButton", R"([["text","†首页"],["direction",0]])"},
    {126, "PageButton", R"([["text","†切换页面"],["direction",0],["func_type",0],["goto",""],
        ["PlaceId",-1],["pwd",""],["verify_type",0],["on_cmd_data_list",[]],
        ["off_cmd_data_list",[]]])"},
    {127, "OpenUrlButton", R"([["text","†打开网址"],["direction",0],["url",""]])"},
    {128, "OpenProcessButton", R"([["text","†打开程序"],["direction",0],["process",""],
        ["an_process",""]])"},
    {129, "CmdButton", R"([["text","†命令按钮"],["pressText","†命令按钮"],["direction",0],
        ["self_locking",0],["m_group_id",0],["on_cmd_data_list",[]],["off_cmd_data_list",[]],
        ["select_cmd_data_list",[]]])"},
    {130, "CmdStatusButton", R"([["textOffColor","†#FF409EFF"],["textOnColor","†#FF606266"],
        ["bgOffColor","†#FF6F7A7E"],["bgOnColor","†#FF159C77"],["sliderOffColor","†#FFFFFFFF"],
        ["sliderOnColor","†#FFFFFFFF"],["text","†开启"],["off_text","†关闭"],
        ["on_cmd_data_list",[]],["off_cmd_data_list",[]]])"},
    {131, "CmdProgress", R"([["text",""],["direction",0],["min",0],["max",100],["step",1],
        ["label_w",24],["label_h",20],["groove_margin_left",0],["groove_margin_top",2],
        ["groove_margin_right",0],["groove_margin_bottom",2],["thumb_w",20],["thumb_h",20],
        ["thumb_press_w",20],["thumb_press_h",20],["normal_groove_pic",""],
        ["active_groove_pic",""],["normal_thumb_pic",""],["active_thumb_pic",""],
        ["cmd_progress_mode",0],["feedback",{}],["unit",""],["multiples",1],
        ["on_cmd_data_list",[]]])"},
    {133, "CmdRelativeButton", R"([["text","†关联命令"],["pressText","†关联命令"],["direction",0],
        ["self_locking",0],["m_group_id",0],["on_cmd_data_list",[]],["off_cmd_data_list",[]],
        ["select_cmd_data_list",[]]])"},
    {134, "MatrixButton", R"([["text","†矩阵按钮"],["pressText","†矩阵按钮"],["direction",0],
        ["m_group_id",0],["on_cmd_data_list",[]],["matrix_id",0],["matrix_button_type",0],
        ["matrix_index","0"]])"},
    {135, "Screenbuttongroup", R"([["text",""],["direction",0],
        ["item_normalBkColor","#ff0000ff"],["item_pressBkColor","#ff0000ff"],
        ["item_normal_image_path",""],["item_press_image_path",""],
        ["item_normalColor","#000000"],["item_pressColor",""],
        ["show_item_num",5],["page_turn_height",30],
        ["prev_button_normalBkColor","#ff0000ff"],["prev_button_pressBkColor","#ff0000ff"],
        ["prev_button_normal_image_path",""],["prev_button_press_image_path",""],
        ["prev_button_normalColor","#ffffffff"],["prev_button_pressColor","#ffc9af4e"],
        ["next_button_normalBkColor","#ff0000ff"],["next_button_pressBkColor","#ff0000ff"],
        ["next_button_normal_image_path",""],["next_button_press_image_path",""],
        ["next_button_normalColor","#ffffffff"],["next_button_pressColor","#ffc9af4e"]])"},
    {136, "Playbuttongroup", R"([["text",""],["direction",1],
        ["item_normalBkColor","#ff0000ff"],["item_pressBkColor","#ff0000ff"],
        ["item_normal_image_path",""],["item_press_image_path",""],
        ["item_normalColor","#000000"],["item_pressColor",""],
        ["show_item_num",10],["page_turn_height",30],
        ["prev_button_normalBkColor","#ff0000ff"],["prev_button_pressBkColor","#ff0000ff"],
        ["prev_button_normal_image_path",""],["prev_button_press_image_path",""],
        ["prev_button_normalColor","#ffffffff"],["prev_button_pressColor","#ffc9af4e"],
        ["next_button_normalBkColor","#ff0000ff"],["next_button_pressBkColor","#ff0000ff"],
        ["next_button_normal_image_path",""],["next_button_press_image_path",""],
        ["next_button_normalColor","#ffffffff"],["next_button_pressColor","#ffc9af4e"],
        ["refresh_button_normalBkColor","#ff0000ff"],["refresh_button_pressBkColor","#ff0000ff"],
        ["refresh_button_normal_image_path",""],["refresh_button_press_image_path",""],
        ["refresh_button_normalColor","#ffffffff"],["refresh_button_pressColor","#ffc9af4e"],
        ["get_cmd_data_list",[]]])"},
    {137, "PPTbuttongroup", R"([["text",""],["direction",1],
        ["item_normalBkColor","#ff0000ff"],["item_pressBkColor","#ff0000ff"],
        ["item_normal_image_path",""],["item_press_image_path",""],
        ["item_normalColor","#000000"],["item_pressColor",""],
        ["show_item_num",10],["page_turn_height",30],
        ["prev_button_normalBkColor","#ff0000ff"],["prev_button_pressBkColor","#ff0000ff"],
        ["prev_button_normal_image_path",""],["prev_button_press_image_path",""],
        ["prev_button_normalColor","#ffffffff"],["prev_button_pressColor","#ffc9af4e"],
        ["next_button_normalBkColor","#ff0000ff"],["next_button_pressBkColor","#ff0000ff"],
        ["next_button_normal_image_path",""],["next_button_press_image_path",""],
        ["next_button_normalColor","#ffffffff"],["next_button_pressColor","#ffc9af4e"],
        ["get_cmd_data_list",[]]])"},
    {138, "MatrixPageBtn", R"([["text","†矩阵翻页"],["direction",0],["page_direction",0]])"},
    {139, "MatrixDivBtn", R"([["text","†矩阵数量"],["direction",0]])"},
    {140, "GridSettingButton", R"([["text","†分屏模式"],["direction",0]])"},
    {141, "AllGridSettingButton", R"([["text","†所有布局模式"],["direction",0]])"},
    {143, "AudioButton", R"([["direction",0],["text","†开启"],["off_text","†关闭"]])"},
    {144, "AudioMuteButton", R"([["text","†静音"],["direction",0]])"},
    {145, "AudioVolumeWidget", R"([["text",""],["direction",0],["min",0],["max",100],["step",1],
        ["label_w",24],["label_h",20],["groove_margin_left",0],["groove_margin_top",2],
        ["groove_margin_right",0],["groove_margin_bottom",2],["thumb_w",20],["thumb_h",20],
        ["thumb_press_w",20],["thumb_press_h",20],["normal_groove_pic",""],
        ["active_groove_pic",""],["normal_thumb_pic",""],["active_thumb_pic",""]])"},
    {146, "AudioModeButton", R"([["text","†音视频"],["direction",0],["audio_mode",0],
        ["m_group_id",0]])"},
    {148, "AudioSwicthButton", R"([["text",""]])"},
    {149, "SourceTurnButton", R"([["text","†信源分组"],["direction",0],["index",0]])"},
    {150, "SourceModeButton", R"([["text","†主码流"],["direction",0],["source_mode",0],
        ["m_group_id",0]])"},
    {151, "PreLayoutModeButton", R"([["text","†预布局模式"],["direction",0],["mode",0],
        ["m_group_id",0]])"},
    {153, "PtzButton", R"([["direction",0],["text","†复位"],["control",0],["speed",0],
        ["preset",0]])"},
    {154, "FilePageTurnButton", R"([["direction",0],["text","†next"],["turn_direction",0]])"},
    {155, "VideoResetButton", R"([["direction",0],["text","†从头开始"],["pressText","†从头开始"]])"},
    {156, "VideoButton", R"([["direction",0],["text","†播放"],["off_text","†暂停"]])"},
    {157, "VideoProgress", R"([["text",""],["direction",0],["min",0],["max",100],["step",1],
        ["label_w",24],["label_h",20],["groove_margin_left",0],["groove_margin_top",2],
        ["groove_margin_right",0],["groove_margin_bottom",2],["thumb_w",20],["thumb_h",20],
        ["thumb_press_w",20],["thumb_press_h",20],["normal_groove_pic",""],
        ["active_groove_pic",""],["normal_thumb_pic",""],["active_thumb_pic",""]])"},
    {158, "KvmButton", R"([["text","†Kvm接管"],["direction",0]])"},
    {159, "FeatureButton", R"([["text","†功能按钮"],["direction",0],["self_locking",0],
        ["m_group_id",0],["feature_type",0]])"},
    {160, "MouseKeyButton", R"([["text","†按键按钮"],["direction",0],["self_locking",0],
        ["m_group_id",0],["feature_type",0]])"},
    {161, "MuxFeatureButton", R"([["text","†自锁功能按钮"],["direction",0],["self_locking",0],
        ["m_group_id",0],["feature_type",0]])"},
    {162, "AudioVumeterBar", R"([["text","†音频音柱"],["direction",0],["self_locking",0],
        ["m_group_id",0],["data_type",0],["ip","0.0.0.0"]])"},
    {163, "AudioMatrixWidget", R"([["direction",0],["text","†音频矩阵"],["btn_text","†切换"],
        ["btn_normal_image_path",""],["btn_press_image_path",""],["control",0]])"},
    {164, "MeetingButton", R"([["direction",0],["text","†会议"],["meetingVendor",0],
        ["meetingIp",""],["btn_normal_image_path",""],["btn_press_image_path",""],["control",0]])"},
};

// The value a transcribed cell stands for: "†" texts as the marking
// translator renders them.
QJsonValue expectedValue(const QJsonValue &cell, bool marked)
{
    const QString dagger = QStringLiteral("†");
    if (cell.isString() && cell.toString().startsWith(dagger)) {
        const QString text = cell.toString().mid(dagger.size());
        return marked ? QStringLiteral("<tr>") + text : text;
    }
    return cell;
}

QByteArray describe(const QString &key, const QJsonValue &value)
{
    return (key + QLatin1String(" = ")
            + QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)))
        .toUtf8();
}

} // namespace

class TestDefaultAttributes : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void everyKindMatchesTranscription_data();
    void everyKindMatchesTranscription();
    void everyPlaceableKindHasDefaults();
    void kindsWithoutDefaultsGetOnlyCommonKeys_data();
    void kindsWithoutDefaultsGetOnlyCommonKeys();
    void commonKeysComeFirstAndKindKeysWin();
    void storedGeometryRoundsHalfUp_data();
    void storedGeometryRoundsHalfUp();
    void realTranslationStoresLanguageOfTheMoment();
};

void TestDefaultAttributes::everyKindMatchesTranscription_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<bool>("marked");
    for (bool marked : {true, false}) {
        for (const Expected &row : kExpected) {
            const QByteArray tag = QByteArray::number(row.id) + ' ' + row.typeName
                + (marked ? " translated" : " untranslated");
            QTest::newRow(tag.constData()) << row.id << QString::fromLatin1(row.typeName)
                                           << QByteArray(row.keys) << marked;
        }
    }
}

void TestDefaultAttributes::everyKindMatchesTranscription()
{
    QFETCH(int, id);
    QFETCH(QString, typeName);
    QFETCH(QByteArray, keys);
    QFETCH(bool, marked);

    MarkingTranslator translator;
    if (marked)
        QCoreApplication::installTranslator(&translator);

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(keys, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray pairs = doc.array();

    QVERIFY(DefaultAttributes::hasKind(id));
    const QVector<DefaultAttributes::KeyValue> actual = DefaultAttributes::kindKeys(id);
    QCOMPARE(actual.size(), pairs.size());
    for (int i = 0; i < pairs.size(); ++i) {
        const QString key = pairs.at(i).toArray().at(0).toString();
        const QJsonValue value = expectedValue(pairs.at(i).toArray().at(1), marked);
        QCOMPARE(actual.at(i).first, key);
        QVERIFY2(actual.at(i).second == value, describe(key, actual.at(i).second).constData());
        // Numbers, texts, arrays and objects are told apart in the file.
        QCOMPARE(actual.at(i).second.type(), value.type());
    }

    // The whole object: the kind's keys on top of the common ones.
    const QJsonObject full = DefaultAttributes::build(id, QRect(1, 2, 3, 4), typeName, 7);
    for (const QJsonValue &pair : pairs) {
        const QString key = pair.toArray().at(0).toString();
        QCOMPARE(full.value(key), expectedValue(pair.toArray().at(1), marked));
    }
    QCOMPARE(full.value("type").toString(), typeName);
    QCOMPARE(full.value("name").toString(), typeName + "_7");

    if (marked)
        QCoreApplication::removeTranslator(&translator);
}

void TestDefaultAttributes::everyPlaceableKindHasDefaults()
{
    TestWorkDir work;
    // Every design kind but the page and the wall grid button can be placed,
    // and the transcription covers each of them exactly once.
    QSet<int> transcribed;
    for (const Expected &row : kExpected) {
        QVERIFY(!transcribed.contains(row.id));
        transcribed.insert(row.id);
        QCOMPARE(designControlTypeName(row.id), QString::fromLatin1(row.typeName));
    }
    for (const ControlTypeEntry &entry : GlobalManager::instance()->controlTypeTable()) {
        const bool placeable = entry.id != 100 && entry.id != 142;
        QCOMPARE(DefaultAttributes::hasKind(entry.id), placeable);
        QCOMPARE(transcribed.contains(entry.id), placeable);
    }
    QCOMPARE(transcribed.size(), 60);
}

void TestDefaultAttributes::kindsWithoutDefaultsGetOnlyCommonKeys_data()
{
    QTest::addColumn<int>("id");
    for (int id : {100, 132, 142, 147, 152, 165, 0, -1})
        QTest::newRow(QByteArray::number(id).constData()) << id;
}

void TestDefaultAttributes::kindsWithoutDefaultsGetOnlyCommonKeys()
{
    QFETCH(int, id);
    QVERIFY(!DefaultAttributes::hasKind(id));
    QVERIFY(DefaultAttributes::kindKeys(id).isEmpty());
    QCOMPARE(DefaultAttributes::build(id, QRect(0, 0, 10, 10), "X", 0).size(), 18);
}

void TestDefaultAttributes::commonKeysComeFirstAndKindKeysWin()
{
    const QVector<DefaultAttributes::KeyValue> common =
        DefaultAttributes::commonKeys(QRect(50, 75, 167, 83), "Button", 5);
    const char *const order[] = {"x", "y", "w", "h", "normalBkColor", "pressBkColor",
                                 "normal_image_path", "press_image_path", "normalColor",
                                 "pressColor", "fontsize", "bold", "text_position", "text_radio",
                                 "bg_radio", "type", "widgetIndex", "name"};
    QCOMPARE(common.size(), int(sizeof(order) / sizeof(order[0])));
    for (int i = 0; i < common.size(); ++i)
        QCOMPARE(common.at(i).first, QString::fromLatin1(order[i]));

    const QJsonObject button = DefaultAttributes::build(113, QRect(50, 75, 167, 83), "Button", 5);
    const QJsonObject expected{
        {"x", 50}, {"y", 75}, {"w", 167}, {"h", 83}, {"normalBkColor", ""}, {"pressBkColor", ""},
        {"normal_image_path", ""}, {"press_image_path", ""}, {"normalColor", "#ffffffff"},
        {"pressColor", "#ffc9af4e"}, {"fontsize", 14}, {"bold", 0}, {"text_position", 0},
        {"text_radio", 1.0}, {"bg_radio", 1.0}, {"type", "Button"}, {"widgetIndex", 5},
        {"name", "Button_5"}, {"text", QString::fromUtf8("普通按钮")}, {"direction", 0}};
    QCOMPARE(button, expected);
}

void TestDefaultAttributes::storedGeometryRoundsHalfUp_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("stored");
    QTest::newRow("zoom 0.6") << QRect(30, 45, 100, 50) << 0.6 << QRect(50, 75, 167, 83);
    QTest::newRow("zoom 2, half goes up") << QRect(0, 0, 5, 5) << 2.0 << QRect(0, 0, 3, 3);
    QTest::newRow("zoom 1") << QRect(10, 20, 30, 40) << 1.0 << QRect(10, 20, 30, 40);
    QTest::newRow("negative half goes up") << QRect(-5, -3, 10, 10) << 2.0 << QRect(-2, -1, 5, 5);
    QTest::newRow("band drawn backwards") << QRect(QPoint(129, 94), QPoint(30, 45)) << 0.6
                                          << QRect(50, 75, 167, 83);
}

void TestDefaultAttributes::storedGeometryRoundsHalfUp()
{
    QFETCH(QRect, pixels);
    QFETCH(double, scale);
    QFETCH(QRect, stored);
    QCOMPARE(DefaultAttributes::storedRect(pixels, scale), stored);
}

void TestDefaultAttributes::realTranslationStoresLanguageOfTheMoment()
{
    TestWorkDir work(TestWorkDir::WithAssets);
    QVERIFY(work.isValid());
    GlobalManager *manager = GlobalManager::instance();

    manager->setLanguage(0);
    manager->loadTranslator();
    QCOMPARE(DefaultAttributes::kindKeys(113).at(0).second.toString(), QString::fromUtf8("普通按钮"));

    manager->setLanguage(1);
    manager->loadTranslator();
    QCOMPARE(DefaultAttributes::kindKeys(113).at(0).second.toString(), QString::fromUtf8("普通按鈕"));
    QCOMPARE(DefaultAttributes::kindKeys(129).at(1).second.toString(), QString::fromUtf8("命令按鈕"));

    manager->setLanguage(2);
    manager->loadTranslator();
    QCOMPARE(DefaultAttributes::kindKeys(113).at(0).second.toString(), QString("Button"));
    // Untranslated keys stay as they are whatever the language.
    QCOMPARE(DefaultAttributes::kindKeys(134).last().second.toString(), QString("0"));
}

QTEST_MAIN(TestDefaultAttributes)
#include "tst_defaultattributes.moc"
