#include "controls/plaincontrols.h"
#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QSet>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

// Transcribed by hand from the kind list, independently of the code's table.
struct ExpectedKind {
    const char *className;   // as the meta-object reports it
    int id;
    const char *typeName;
    const char *classTag;
};

const ExpectedKind kExpected[] = {
    {"UIImageLabel", 103, "ImageLabel", "imagelabel"},
    {"UILabel", 104, "Label", "label"},
    {"UITimeLabel", 105, "TimeLabel", "TimeLabel"},
    {"UIVideoWidget", 106, "VideoWidget", "VideoWidget"},
    {"UIAudioLabel", 108, "AudioLabel", "Audiolabel"},
    {"UIVirwall", 109, "VirWall", "virwall"},
    {"UIMatrix", 110, "Matrix", "matrix"},
    {"UIButton", 113, "Button", "button"},
    {"UIAllFullButton", 114, "AllFullButton", "AllFullButton"},
    {"UIToTopButton", 115, "ToTopButton", "totopbutton"},
    {"UICleanButton", 116, "CleanButton", "cleanbutton"},
    {"UICleanAllMatrixButton", 117, "CleanAllMatrixButton", "cleanallwindowbutton"},
    {"UIPlanStopButton", 118, "PlanStopButton", "planstopbutton"},
    {"UIPlanSaveButton", 119, "PlanSaveButton", "plansavebutton"},
    {"UIOSDButton", 120, "OSDButton", "OSDButton"},
    {"UIBackgroundImageButton", 121, "BackgroundImageButton", "BackgroundImageButton"},
    {"UISceneSaveButton", 122, "SceneSaveButton", "scenesavebutton"},
    {"UICallPreLayoutButton", 123, "CallPreLayoutButton", "callprelayoutbutton"},
    {"UIHomeButton", 125, "HomeButton", "homebutton"},
    {"UIPageButton", 126, "PageButton", "pagebutton"},
    {"UIOpenUrlButton", 127, "OpenUrlButton", "openurlbutton"},
    {"UIOpenProcessButton", 128, "OpenProcessButton", "openprocessbutton"},
    {"UICmdButton", 129, "CmdButton", "CmdButton"},
    {"UICmdRelativeButton", 133, "CmdRelativeButton", "CmdRelativeButton"},
    {"UIMatrixButton", 134, "MatrixButton", "matrixbutton"},
    {"UIMatrixPageButton", 138, "MatrixPageBtn", "matrixpagebutton"},
    {"UIMatrixShowNumButton", 139, "MatrixDivBtn", "matrixshownumbutton"},
    {"UIGridSettingButton", 140, "GridSettingButton", "uigridsettingbutton"},
    {"UIAllGridSettingButton", 141, "AllGridSettingButton", "uiallgridsettingbutton"},
    {"UIAudioButton", 143, "AudioButton", "uiaudiobutton"},
    {"UIAudioMuteButton", 144, "AudioMuteButton", "uiaudiomutebutton"},
    {"UIAudioModeButton", 146, "AudioModeButton", "UIAudioModeButton"},
    {"UIAudioSwitchButton", 148, "AudioSwicthButton", "UIAudioSwitchButton"},
    {"UISourceTurnButton", 149, "SourceTurnButton", "sourceturnbutton"},
    {"UISourceModeButton", 150, "SourceModeButton", "UISourceModeButton"},
    {"UIPreLayoutModeButton", 151, "PreLayoutModeButton", "UIPreLayoutModeButton"},
    {"UIPtzButton", 153, "PtzButton", "ptzbutton"},
    {"UIFilePageTurnButton", 154, "FilePageTurnButton", "uifileturnbutton"},
    {"UIVideoResetButton", 155, "VideoResetButton", "VideoResetButton"},
    {"UIVideoButton", 156, "VideoButton", "uivideobutton"},
    {"UIKvmButton", 158, "KvmButton", "kvmbutton"},
    {"UIFeatureButton", 159, "FeatureButton", "UIFeatureButton"},
    {"UIMouseKeyButton", 160, "MouseKeyButton", "UIMouseKeyButton"},
    {"UIMuxFeatureButton", 161, "MuxFeatureButton", "UIMuxFeatureButton"},
    // Reports the meta-object of its base.
    {"UIBase", 162, "AudioVumeterBar", "AudioVumeterBar"},
};

} // namespace

class TestPlainControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyKindReportsIdTagAndClassName_data();
    void everyKindReportsIdTagAndClassName();
    void tableHoldsExactlyTheTranscribedKinds();
    void nonPlainIdsCreateNothing_data();
    void nonPlainIdsCreateNothing();
    void kindKeysAreKeptButNotDrawn();

private:
    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestPlainControls::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_page.reset(new QWidget);
    m_page->resize(300, 200);
}

void TestPlainControls::cleanup()
{
    m_page.reset();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

void TestPlainControls::everyKindReportsIdTagAndClassName_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("classTag");
    for (const ExpectedKind &kind : kExpected)
        QTest::newRow(kind.typeName) << kind.id << kind.className << kind.typeName << kind.classTag;
    // The wall's grid button is made and reported as the plain grid button.
    QTest::newRow("WallGridSettingButton") << 142 << "UIGridSettingButton" << "WallGridSettingButton"
                                           << "uigridsettingbutton";
}

void TestPlainControls::everyKindReportsIdTagAndClassName()
{
    QFETCH(int, id);
    QFETCH(QString, className);
    QFETCH(QString, typeName);
    QFETCH(QString, classTag);

    UIBase *control = createPlainControl(id, m_page.get());
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_page.get());
    QCOMPARE(control->getType(), id == 142 ? 140 : id);
    QCOMPARE(control->classTag(), classTag);
    QCOMPARE(QString(control->metaObject()->className()), className);
    // The type name the page file carries for this id.
    QCOMPARE(designControlTypeName(id), typeName);
    QVERIFY(isPlainKind(id));
}

void TestPlainControls::tableHoldsExactlyTheTranscribedKinds()
{
    const QVector<PlainKindInfo> &kinds = plainKinds();
    QCOMPARE(kinds.size(), int(std::size(kExpected)));
    QSet<int> ids;
    QSet<QString> tags;
    for (const PlainKindInfo &kind : kinds) {
        ids.insert(kind.typeId);
        tags.insert(QString::fromLatin1(kind.classTag));
    }
    QSet<int> expectedIds;
    for (const ExpectedKind &kind : kExpected)
        expectedIds.insert(kind.id);
    QCOMPARE(ids, expectedIds);
    QCOMPARE(tags.size(), kinds.size()); // no two kinds share a tag

    // The class names of the table are the C++ class names, also for the kind
    // whose meta-object is its base's.
    for (const PlainKindInfo &kind : kinds) {
        std::unique_ptr<UIBase> control(createPlainControl(kind.typeId, nullptr));
        if (kind.typeId != 162)
            QCOMPARE(control->metaObject()->className(), kind.className);
    }
    QVERIFY(qobject_cast<UILabel *>(std::unique_ptr<UIBase>(createPlainControl(104, nullptr)).get()));
}

void TestPlainControls::nonPlainIdsCreateNothing_data()
{
    QTest::addColumn<int>("id");
    // The page, the composite kinds, the gaps and ids outside the range.
    for (int id : {100, 101, 102, 107, 111, 112, 124, 130, 131, 132, 135, 136, 137, 145, 147, 152,
                   157, 163, 164, 0, -1, 99, 165, 1000})
        QTest::newRow(QByteArray::number(id).constData()) << id;
}

void TestPlainControls::nonPlainIdsCreateNothing()
{
    QFETCH(int, id);
    QVERIFY(!isPlainKind(id));
    QVERIFY(!createPlainControl(id, m_page.get()));
    QVERIFY(m_page->children().isEmpty());
}

void TestPlainControls::kindKeysAreKeptButNotDrawn()
{
    const QJsonObject common{{"x", 10}, {"y", 10}, {"w", 120}, {"h", 50}, {"text", "Go"},
                             {"normalBkColor", "#ff3366cc"}, {"normalColor", "#ffffffff"}};
    UIBase *plain = createPlainControl(126, m_page.get());
    plain->setAttributes(common, true, false);

    QJsonObject withKeys = common;
    const QJsonArray commands{QJsonObject{{"ip", "192.168.1.20"}, {"port", 4001}, {"data", "01 02"}}};
    withKeys.insert("goto", "page_2");
    withKeys.insert("on_cmd_data_list", commands);
    withKeys.insert("feedback", QJsonObject{{"uuid", 200001}});
    withKeys.insert("mouse_keys", "not an array");
    withKeys.insert("someFutureKey", 3.75);
    UIBase *bound = createPlainControl(126, m_page.get());
    bound->setAttributes(withKeys, true, false);

    // Binding and unknown keys are stored exactly as given.
    QCOMPARE(bound->attributes(), withKeys);
    QCOMPARE(bound->grab().toImage(), plain->grab().toImage());
}

QTEST_MAIN(TestPlainControls)
#include "tst_plaincontrols.moc"
