#include "globalmanager.h"

#include "core/fileutils.h"
#include "core/notifier.h"
#include "core/wholefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {
const char kMidCtrlsKey[] = "MidCtrls";
const char kCmdsKey[] = "cmds";
const char kEventsKey[] = "Events";

bool isNumber(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).isDouble();
}

bool isString(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).isString();
}

int intOf(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toInt();
}

QString stringOf(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

// The whole file parsed, or a null document when it was not read or is broken.
QJsonDocument parsedDocument(const WholeFile &file, QJsonParseError *error = nullptr)
{
    if (!file.isRead())
        return QJsonDocument();
    QJsonParseError localError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.bytes(), &localError);
    if (error)
        *error = localError;
    return localError.error == QJsonParseError::NoError ? doc : QJsonDocument();
}

bool readCommand(const QJsonObject &object, MidCtrlCmdRecord *cmd)
{
    if (!isNumber(object, "uuid") || !isString(object, "name") || !isString(object, "data")
        || !isNumber(object, "data_type") || !isNumber(object, "ms") || !isNumber(object, "send_type"))
        return false;
    cmd->uuid = intOf(object, "uuid");
    setRecordText(cmd->name, stringOf(object, "name"));
    setRecordText(cmd->data, stringOf(object, "data"));
    cmd->data_type = intOf(object, "data_type");
    cmd->ms = intOf(object, "ms");
    cmd->send_type = intOf(object, "send_type");
    return true;
}

// *whole becomes false when anything of the object is left out: written
// back, the record would lose it.
bool readDevice(const QJsonObject &object, MidCtrlRecord *device, bool *whole)
{
    if (!isNumber(object, "uuid") || !isString(object, "ip") || !isNumber(object, "port")
        || !isNumber(object, "protocol")) {
        *whole = false;
        return false;
    }
    device->uuid = intOf(object, "uuid");
    setRecordText(device->ip, stringOf(object, "ip"));
    device->protocol = intOf(object, "protocol");
    device->port = intOf(object, "port");
    setRecordText(device->name, isString(object, "name") ? stringOf(object, "name") : QString());
    const QJsonValue cmds = object.value(QLatin1String(kCmdsKey));
    if ((object.contains(QLatin1String("name")) && !isString(object, "name"))
        || (!cmds.isUndefined() && !cmds.isArray()))
        *whole = false;
    for (const QJsonValue &element : cmds.toArray()) {
        MidCtrlCmdRecord cmd;
        if (element.isObject() && readCommand(element.toObject(), &cmd))
            device->cmds.push_back(cmd);
        else
            *whole = false;
    }
    return true;
}

QJsonObject deviceObject(const MidCtrlRecord &device)
{
    QJsonArray cmds;
    for (const MidCtrlCmdRecord &cmd : device.cmds) {
        QJsonObject object;
        object.insert(QStringLiteral("uuid"), cmd.uuid);
        object.insert(QStringLiteral("name"), recordText(cmd.name));
        object.insert(QStringLiteral("data"), recordText(cmd.data));
        object.insert(QStringLiteral("data_type"), cmd.data_type);
        object.insert(QStringLiteral("send_type"), cmd.send_type);
        object.insert(QStringLiteral("ms"), cmd.ms);
        cmds.append(object);
    }
    QJsonObject object;
    object.insert(QStringLiteral("uuid"), device.uuid);
    object.insert(QStringLiteral("name"), recordText(device.name));
    object.insert(QStringLiteral("ip"), recordText(device.ip));
    object.insert(QStringLiteral("port"), device.port);
    object.insert(QStringLiteral("protocol"), device.protocol);
    object.insert(QLatin1String(kCmdsKey), cmds);
    return object;
}

bool isGridTemplate(const QJsonValue &value)
{
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    return isString(object, "name") && isNumber(object, "standard") && isNumber(object, "gridmode")
           && isNumber(object, "row") && isNumber(object, "col");
}
} // namespace

void GlobalManager::loadMidCtrls(const QString &fileName)
{
    m_midCtrls.clear();
    m_midCtrlRead = MidCtrlRead::Whole;
    if (projectPath().isEmpty() || !isSafePageFile(fileName))
        return;
    const WholeFile file = WholeFile::read(projectPath() + QLatin1Char('/') + fileName, WholeFile::Kind::DeviceFile);
    // A project without devices.
    if (file.status() == WholeFile::Missing)
        return;
    if (file.isRefused()) {
        m_midCtrlRead = MidCtrlRead::Refused;
        m_midCtrlProblem = file.problem();
        return;
    }
    m_midCtrlRead = MidCtrlRead::Unparseable;
    if (!file.isRead())
        return;
    const QByteArray &bytes = file.bytes();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const QJsonValue devices = doc.object().value(QLatin1String(kMidCtrlsKey));
    // An empty file holds no devices and loses nothing when written.
    if (bytes.trimmed().isEmpty())
        m_midCtrlRead = MidCtrlRead::Whole;
    if (error.error != QJsonParseError::NoError || !doc.isObject() || !devices.isArray())
        return;
    bool whole = true;
    for (const QJsonValue &element : devices.toArray()) {
        MidCtrlRecord device;
        if (element.isObject() && readDevice(element.toObject(), &device, &whole))
            m_midCtrls.append(device);
        else
            whole = false;
    }
    m_midCtrlRead = whole ? MidCtrlRead::Whole : MidCtrlRead::Incomplete;
}

FileWrite GlobalManager::saveMidCtrls()
{
    // With no project open there is no folder to write into.
    if (projectPath().isEmpty())
        return FileWrite(QString(), FileWrite::FolderMissing);
    if (m_midCtrlRead != MidCtrlRead::Whole)
        return FileWrite(projectPath() + QLatin1Char('/') + m_midCtrlFile, FileWrite::Failed,
                         midCtrlsReadOnlyReason());
    return writeMidCtrls(projectPath(), m_midCtrls);
}

QString GlobalManager::midCtrlsReadOnlyReason() const
{
    const QString path = QDir::toNativeSeparators(projectPath() + QLatin1Char('/') + m_midCtrlFile);
    switch (m_midCtrlRead) {
    case MidCtrlRead::Refused:
        return m_midCtrlProblem + QLatin1Char('\n') + tr("中控将以只读方式打开，文件保持不变");
    case MidCtrlRead::Unparseable:
        return tr("中控文件无法解析，中控将以只读方式打开，文件保持不变：") + path;
    case MidCtrlRead::Incomplete:
        return tr("中控文件中有不完整的中控或指令，中控将以只读方式打开，文件保持不变：") + path;
    case MidCtrlRead::Whole:
        break;
    }
    // Edits that could never be saved are not taken: a link to nothing, no
    // permission, a folder that is gone.
    if (projectPath().isEmpty())
        return QString();
    const FileWrite writable = checkWritable(projectPath() + QLatin1Char('/') + m_midCtrlFile);
    return writable.problem(tr("中控文件无法写入，中控将以只读方式打开，文件保持不变："));
}

FileWrite GlobalManager::writeMidCtrls(const QString &folder, const QVector<MidCtrlRecord> &records)
{
    if (folder.isEmpty())
        return FileWrite(folder, FileWrite::FolderMissing);
    QJsonArray devices;
    for (const MidCtrlRecord &device : records)
        devices.append(deviceObject(device));
    QJsonObject root;
    root.insert(QLatin1String(kMidCtrlsKey), devices);
    return writeFileAtomically(folder + QLatin1Char('/') + m_midCtrlFile, QJsonDocument(root).toJson(),
                               WholeFile::limit(WholeFile::Kind::DeviceFile));
}

void GlobalManager::loadEvents(const QString &fileName)
{
    if (projectPath().isEmpty() || !isSafePageFile(fileName))
        return;
    const WholeFile file = readSayingRefusal(projectPath() + QLatin1Char('/') + fileName, WholeFile::Kind::EventFile);
    const QJsonDocument doc = parsedDocument(file);
    const QJsonValue events = doc.object().value(QLatin1String(kEventsKey));
    if (!doc.isObject() || !events.isArray())
        return;
    // Events are not used yet; the file is only checked.
    int count = 0;
    for (const QJsonValue &element : events.toArray()) {
        if (element.toObject().value(QStringLiteral("uuid")).isString())
            ++count;
    }
    qDebug() << "GlobalManager::loadEvents" << count;
}

QString GlobalManager::gridTemplatePath() const
{
    const char *folder = m_language == 1 ? "/zh_tw/template.json"
                       : m_language == 2 ? "/en/template.json"
                                         : "/zh_cn/template.json";
    return QStringLiteral("./data_template/grid_template") + QLatin1String(folder);
}

WholeFile GlobalManager::readSayingRefusal(const QString &path, WholeFile::Kind kind)
{
    WholeFile file = WholeFile::read(path, kind);
    if (file.isRefused())
        Notifier::information(nullptr, tr("提示"), file.problem());
    return file;
}

bool GlobalManager::loadGridTemplates()
{
    m_gridTemplates = QJsonArray();
    m_gridTemplatesRefused = false;
    const QString path = gridTemplatePath();
    if (!QFile::exists(path))
        return false;
    const WholeFile file = readSayingRefusal(path, WholeFile::Kind::GridTemplateFile);
    if (file.isRefused()) {
        m_gridTemplatesRefused = true;
        return false;
    }
    QJsonParseError error;
    error.error = QJsonParseError::NoError;
    const QJsonDocument doc = parsedDocument(file, &error);
    if (error.error != QJsonParseError::NoError || doc.isNull()) {
        qDebug() << "parse grid json file error" << error.errorString();
        return false;
    }
    if (!doc.isArray())
        return false;
    for (const QJsonValue &element : doc.array()) {
        if (isGridTemplate(element))
            m_gridTemplates.append(element);
    }
    return true;
}

FileWrite GlobalManager::saveGridTemplates(QJsonArray templates)
{
    // Said with its whole path; the one read is relative to the program's folder.
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(gridTemplatePath()));
    if (m_gridTemplatesRefused)
        return FileWrite(path, FileWrite::Failed, tr("该文件读取时被拒绝，不会被覆盖"));
    // The language folder is not created: a missing one means no templates
    // are kept for that language.
    return writeFileAtomically(path, QJsonDocument(templates).toJson(),
                               WholeFile::limit(WholeFile::Kind::GridTemplateFile));
}
