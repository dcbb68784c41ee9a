#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QSet>
#include <QtTest>

namespace {

struct Row {
    int id;
    const char *name;
};

// Transcribed by hand from the list of kinds, in the order the designer keeps
// them; page files and older projects depend on every name as written here.
const Row kExpectedDesign[] = {
    {100, "Page"}, {103, "ImageLabel"}, {104, "Label"}, {105, "TimeLabel"},
    {106, "VideoWidget"}, {108, "AudioLabel"}, {113, "Button"}, {114, "AllFullButton"},
    {115, "ToTopButton"}, {116, "CleanButton"}, {117, "CleanAllMatrixButton"},
    {118, "PlanStopButton"}, {119, "PlanSaveButton"}, {120, "OSDButton"},
    {121, "BackgroundImageButton"}, {122, "SceneSaveButton"}, {123, "CallPreLayoutButton"},
    {124, "PreLayoutSwitchButton"}, {158, "KvmButton"}, {125, "HomeButton"},
    {126, "PageButton"}, {127, "OpenUrlButton"}, {128, "OpenProcessButton"},
    {129, "CmdButton"}, {133, "CmdRelativeButton"}, {109, "VirWall"}, {110, "Matrix"},
    {111, "SceneList"}, {112, "SourceTab"}, {135, "Screenbuttongroup"},
    {136, "Playbuttongroup"}, {137, "PPTbuttongroup"}, {138, "MatrixPageBtn"},
    {139, "MatrixDivBtn"}, {140, "GridSettingButton"}, {141, "AllGridSettingButton"},
    {142, "WallGridSettingButton"}, {143, "AudioButton"}, {156, "VideoButton"},
    {155, "VideoResetButton"}, {130, "CmdStatusButton"}, {131, "CmdProgress"},
    {154, "FilePageTurnButton"}, {153, "PtzButton"}, {144, "AudioMuteButton"},
    {145, "AudioVolumeWidget"}, {157, "VideoProgress"}, {146, "AudioModeButton"},
    {148, "AudioSwicthButton"}, {149, "SourceTurnButton"}, {150, "SourceModeButton"},
    {151, "PreLayoutModeButton"}, {107, "SearchWidget"}, {134, "MatrixButton"},
    {159, "FeatureButton"}, {160, "MouseKeyButton"}, {161, "MuxFeatureButton"},
    {162, "AudioVumeterBar"}, {101, "LoginWidget"}, {102, "PlaceWidget"},
    {163, "AudioMatrixWidget"}, {164, "MeetingButton"},
};

const Row kExpectedRun[] = {
    {0, "Page"}, {5, "HomeButton"}, {6, "CmdButton"}, {7, "CmdCommonStatusButton"},
    {8, "CmdRelativeButton"}, {10, "CmdStatusButton"}, {11, "MoreCmdButton"},
    {12, "CleanButton"}, {13, "SceneSaveButton"}, {14, "PlanSaveButton"},
    {15, "PlanStopButton"}, {16, "CallPreLayoutButton"}, {17, "PreLayoutSwitchButton"},
    {18, "PreLayoutModeButton"}, {2, "Label"}, {3, "Button"}, {1, "ImageLabel"},
    {4, "AudioLabel"}, {19, "PageButton"}, {20, "FeatureButton"}, {61, "MuxFeatureButton"},
    {23, "ToTopButton"}, {21, "OpenUrlButton"}, {22, "OpenProcessButton"}, {24, "OSDButton"},
    {25, "BackgroundImageButton"}, {26, "GridSettingButton"}, {27, "AllGridSettingButton"},
    {28, "MatrixDivBtn"}, {29, "MatrixNodeDivBtn"}, {30, "Screenbuttongroup"},
    {31, "Playbuttongroup"}, {32, "PPTbuttongroup"}, {33, "VirWall"}, {34, "Matrix"},
    {35, "SceneList"}, {36, "SourceTab"}, {37, "PreviewFrame"}, {38, "SourceGroup"},
    {39, "SourceList"}, {40, "SearchWidget"}, {41, "AudioVolumeWidget"},
    {42, "WallAudioSwitchWidget"}, {43, "AudioButton"}, {44, "AudioModeButton"},
    {45, "SourceModeButton"}, {46, "WallAudioMuteWidget"}, {47, "WinInfoButton"},
    {48, "WinToBottomButton"}, {49, "WallOsdButton"}, {50, "SourceTurnButton"},
    {51, "MatrixPageBtn"}, {52, "CleanAllMatrixButton"}, {53, "AllFullButton"},
    {54, "FilePageTurnButton"}, {55, "PtzButton"}, {56, "VideoButton"},
    {57, "VideoResetButton"}, {58, "KvmButton"}, {59, "MatrixButton"},
    {60, "VideoProgress"}, {9, "CmdProgress"}, {62, "AudioVumeterBar"},
    {63, "LoginWidget"}, {64, "PlaceWidget"}, {65, "AudioMatrixWidget"},
    {66, "MeetingButton"},
};

QVector<ControlTypeEntry> runRows()
{
    QVector<ControlTypeEntry> rows;
    for (int i = 0; i < runControlTypeCount(); ++i)
        rows.append(runControlTypeAt(i));
    return rows;
}

} // namespace

class TestControlTypes : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void tablesMatchTranscription_data();
    void tablesMatchTranscription();
    void designLookupMissesGapsAndOtherCase();
    void runLookupIgnoresCase_data();
    void runLookupIgnoresCase();
};

void TestControlTypes::tablesMatchTranscription_data()
{
    QTest::addColumn<bool>("design");
    QTest::newRow("design table held by GlobalManager") << true;
    QTest::newRow("run-time table") << false;
}

void TestControlTypes::tablesMatchTranscription()
{
    QFETCH(bool, design);
    TestWorkDir work;
    QVERIFY(work.isValid());

    QVector<ControlTypeEntry> expected;
    if (design) {
        for (const Row &row : kExpectedDesign)
            expected.append({row.id, QString::fromLatin1(row.name)});
    } else {
        for (const Row &row : kExpectedRun)
            expected.append({row.id, QString::fromLatin1(row.name)});
    }
    const QVector<ControlTypeEntry> actual =
        design ? GlobalManager::instance()->controlTypeTable() : runRows();

    QCOMPARE(actual.size(), design ? 62 : 67);
    QCOMPARE(actual.size(), expected.size());
    QSet<int> ids;
    QSet<QString> names;
    for (int i = 0; i < expected.size(); ++i) {
        const QByteArray where = QByteArray("row ") + QByteArray::number(i + 1);
        QVERIFY2(actual.at(i).id == expected.at(i).id, where.constData());
        QVERIFY2(actual.at(i).name == expected.at(i).name, where.constData());
        ids.insert(actual.at(i).id);
        names.insert(actual.at(i).name.toLower());

        // Both ways of finding a row lead back to it.
        if (design) {
            QCOMPARE(designControlTypeName(expected.at(i).id), expected.at(i).name);
            QCOMPARE(designControlTypeId(expected.at(i).name), expected.at(i).id);
        } else {
            QCOMPARE(runControlTypeFromName(expected.at(i).name), expected.at(i).id);
        }
    }
    // Unique ids, and names unique even without regard to case, which the
    // run-time lookup relies on.
    QCOMPARE(ids.size(), expected.size());
    QCOMPARE(names.size(), expected.size());
    if (!design) {
        for (int id = 0; id <= 66; ++id)
            QVERIFY2(ids.contains(id), QByteArray::number(id).constData());
    }
}

void TestControlTypes::designLookupMissesGapsAndOtherCase()
{
    TestWorkDir work;
    for (int id : {132, 147, 152, 99, 165, -1})
        QVERIFY(designControlTypeName(id).isEmpty());
    // Design names are matched exactly: page files store them as written.
    for (const char *name : {"page", "", "MoreCmdButton"})
        QCOMPARE(designControlTypeId(name), -1);

    // initControlTypes refills rather than appends.
    GlobalManager::instance()->initControlTypes();
    QCOMPARE(GlobalManager::instance()->controlTypeTable().size(), 62);
}

void TestControlTypes::runLookupIgnoresCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::newRow("lower case") << QString("matrix") << 34;
    QTest::newRow("capitals") << QString("MATRIXPAGEBTN") << 51;
    QTest::newRow("as written") << QString("CallPreLayoutButton") << 16;
    QTest::newRow("mixed case") << QString("pPtButtonGroup") << 32;
    QTest::newRow("design-only kind") << QString("TimeLabel") << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("leading blank") << QString(" Matrix") << -1;
    QTest::newRow("trailing blank") << QString("Matrix ") << -1;
    QTest::newRow("prefix only") << QString("Matri") << -1;
}

void TestControlTypes::runLookupIgnoresCase()
{
    QFETCH(QString, name);
    QFETCH(int, id);
    QCOMPARE(runControlTypeFromName(name), id);
}

QTEST_MAIN(TestControlTypes)
#include "tst_controltypes.moc"
