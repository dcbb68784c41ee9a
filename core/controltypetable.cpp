#include "controltypetable.h"

#include <QHash>

#include <iterator>

namespace {

struct RawEntry {
    int id;
    const char *name;
};

// Names are written to and compared with page files exactly as they stand,
// misspellings included.
const RawEntry kDesignTypes[] = {
    {100, "Page"}, {103, "ImageLabel"}, {104, "Label"}, {105, "TimeLabel"}, {106, "VideoWidget"},
    {108, "AudioLabel"}, {113, "Button"}, {114, "AllFullButton"}, {115, "ToTopButton"},
    {116, "CleanButton"}, {117, "CleanAllMatrixButton"}, {118, "PlanStopButton"},
    {119, "PlanSaveButton"}, {120, "OSDButton"}, {121, "BackgroundImageButton"},
    {122, "SceneSaveButton"}, {123, "CallPreLayoutButton"}, {124, "PreLayoutSwitchButton"},
    {158, "KvmButton"}, {125, "HomeButton"}, {126, "PageButton"}, {127, "OpenUrlButton"},
    {128, "OpenProcessButton"}, {129, "CmdButton"}, {133, "CmdRelativeButton"}, {109, "VirWall"},
    {110, "Matrix"}, {111, "SceneList"}, {112, "SourceTab"}, {135, "Screenbuttongroup"},
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

const RawEntry kRunTypes[] = {
    {0, "Page"}, {5, "HomeButton"}, {6, "CmdButton"}, {7, "CmdCommonStatusButton"},
    {8, "CmdRelativeButton"}, {10, "CmdStatusButton"}, {11, "MoreCmdButton"}, {12, "CleanButton"},
    {13, "SceneSaveButton"}, {14, "PlanSaveButton"}, {15, "PlanStopButton"},
    {16, "CallPreLayoutButton"}, {17, "PreLayoutSwitchButton"}, {18, "PreLayoutModeButton"},
    {2, "Label"}, {3, "Button"}, {1, "ImageLabel"}, {4, "AudioLabel"}, {19, "PageButton"},
    {20, "FeatureButton"}, {61, "MuxFeatureButton"}, {23, "ToTopButton"}, {21, "OpenUrlButton"},
    {22, "OpenProcessButton"}, {24, "OSDButton"}, {25, "BackgroundImageButton"},
    {26, "GridSettingButton"}, {27, "AllGridSettingButton"}, {28, "MatrixDivBtn"},
    {29, "MatrixNodeDivBtn"}, {30, "Screenbuttongroup"}, {31, "Playbuttongroup"},
    {32, "PPTbuttongroup"}, {33, "VirWall"}, {34, "Matrix"}, {35, "SceneList"}, {36, "SourceTab"},
    {37, "PreviewFrame"}, {38, "SourceGroup"}, {39, "SourceList"}, {40, "SearchWidget"},
    {41, "AudioVolumeWidget"}, {42, "WallAudioSwitchWidget"}, {43, "AudioButton"},
    {44, "AudioModeButton"}, {45, "SourceModeButton"}, {46, "WallAudioMuteWidget"},
    {47, "WinInfoButton"}, {48, "WinToBottomButton"}, {49, "WallOsdButton"},
    {50, "SourceTurnButton"}, {51, "MatrixPageBtn"}, {52, "CleanAllMatrixButton"},
    {53, "AllFullButton"}, {54, "FilePageTurnButton"}, {55, "PtzButton"}, {56, "VideoButton"},
    {57, "VideoResetButton"}, {58, "KvmButton"}, {59, "MatrixButton"}, {60, "VideoProgress"},
    {9, "CmdProgress"}, {62, "AudioVumeterBar"}, {63, "LoginWidget"}, {64, "PlaceWidget"},
    {65, "AudioMatrixWidget"}, {66, "MeetingButton"},
};

const QVector<ControlTypeEntry> &runTable()
{
    static const QVector<ControlTypeEntry> table = [] {
        QVector<ControlTypeEntry> rows;
        for (const RawEntry &raw : kRunTypes)
            rows.append({raw.id, QString::fromLatin1(raw.name)});
        return rows;
    }();
    return table;
}

} // namespace

QVector<ControlTypeEntry> designControlTypes()
{
    QVector<ControlTypeEntry> rows;
    rows.reserve(int(std::size(kDesignTypes)));
    for (const RawEntry &raw : kDesignTypes)
        rows.append({raw.id, QString::fromLatin1(raw.name)});
    return rows;
}

QString designControlTypeName(int id)
{
    for (const RawEntry &raw : kDesignTypes) {
        if (raw.id == id)
            return QString::fromLatin1(raw.name);
    }
    return QString();
}

int designControlTypeId(const QString &name)
{
    for (const RawEntry &raw : kDesignTypes) {
        if (name == QLatin1String(raw.name))
            return raw.id;
    }
    return -1;
}

int runControlTypeCount()
{
    return runTable().size();
}

const ControlTypeEntry &runControlTypeAt(int index)
{
    return runTable().at(index);
}

int runControlTypeFromName(const QString &name)
{
    // Asked once for every control of a page being previewed: the folded
    // names are hashed once instead of compared with each row in turn.
    static const QHash<QString, int> ids = [] {
        QHash<QString, int> byName;
        for (const ControlTypeEntry &entry : runTable()) {
            const QString key = entry.name.toCaseFolded();
            if (!byName.contains(key))
                byName.insert(key, entry.id);
        }
        return byName;
    }();
    return ids.value(name.toCaseFolded(), -1);
}
