#include "iniutils.h"

#include "core/fileutils.h"
#include "core/wholefile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

namespace {

// Far more than the few keys the designer keeps.
const qint64 kIniBound = 1 << 20;

// QSettings commits through QSaveFile, which in Qt 5.15 puts a file that a
// full disk cut short, or left empty, in place of the old one. So the value
// is set on a copy in a private folder, and only a copy that reads back with
// every key goes over the file, through the checked writer; otherwise the
// file stays as it was. The folder is made in the system's temporary folder:
// one that a crash leaves behind is swept there, not left in the run folder.
bool writeIni(const QString &file, const QString &key, const QVariant &value)
{
    const QFileInfo info(file);
    QByteArray previous;
    if (info.exists() || info.isSymLink()) {
        const WholeFile old = WholeFile::read(file, kIniBound);
        if (!old.isRead()) {
            qDebug() << "settings not written:" << old.problem();
            return false;
        }
        previous = old.bytes();
    }
    QTemporaryDir scratch;
    const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
    if (!scratch.isValid() || !writeFileAtomically(draft, previous)) {
        qDebug() << "settings not written: no room for a scratch copy of" << file << "in" << QDir::tempPath();
        return false;
    }
    QVariantMap expected;
    {
        QSettings settings(draft, QSettings::IniFormat);
        for (const QString &each : settings.allKeys())
            expected.insert(each, settings.value(each));
        settings.setValue(key, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    // Read back under a name QSettings has not seen: under the draft's own it
    // would answer from what it meant to write, not from the disk.
    const QString check = scratch.filePath(QStringLiteral("check.ini"));
    if (!QFile::rename(draft, check))
        return false;
    // Every other key as it was, and this one as set (keys listed as
    // QSettings lists them, without the slashes around).
    const QString changed = key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
    QSettings written(check, QSettings::IniFormat);
    bool whole = written.status() == QSettings::NoError && written.value(key).toString() == value.toString();
    for (auto it = expected.constBegin(); whole && it != expected.constEnd(); ++it)
        whole = it.key() == changed || written.value(it.key()) == it.value();
    const WholeFile bytes = WholeFile::read(check, kIniBound);
    if (!whole || !bytes.isRead()) {
        qDebug() << "settings not written: the copy did not read back whole" << file;
        return false;
    }
    const QDateTime before = info.exists() ? info.lastModified() : QDateTime();
    const FileWrite outcome = writeFileAtomically(file, bytes.bytes());
    if (!outcome) {
        qDebug() << "settings not written:" << outcome.problem();
        return false;
    }
    // QSettings keeps what it read of a file until its size or time changes;
    // a new file of the same size within the same clock tick would still
    // read as the old one.
    if (before.isValid() && QFileInfo(file).lastModified() <= before) {
        QFile written(file);
        if (written.open(QIODevice::ReadOnly))
            written.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    }
    return true;
}

} // namespace

bool iniContains(const QString &file, const QString &key)
{
    QSettings settings(file, QSettings::IniFormat);
    return settings.contains(key);
}

int readIniInt(const QString &file, const QString &key)
{
    QSettings settings(file, QSettings::IniFormat);
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : 0;
}

QString readIniString(const QString &file, const QString &key)
{
    QSettings settings(file, QSettings::IniFormat);
    return settings.value(key).toString();
}

// Written through at once: a crash right after a language switch still
// starts the next run in the chosen language.
bool writeIniValue(const QString &file, const QString &key, int value)
{
    qDebug() << "writeIniValue" << file << key << value;
    return writeIni(file, key, value);
}

bool writeIniValueQuiet(const QString &file, const QString &key, const QString &value)
{
    return writeIni(file, key, value);
}
