#include "iniutils.h"

#include <QDebug>
#include <QSettings>

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
void writeIniValue(const QString &file, const QString &key, int value)
{
    qDebug() << "writeIniValue" << file << key << value;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

void writeIniValueQuiet(const QString &file, const QString &key, const QString &value)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}
