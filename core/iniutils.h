#pragma once

#include <QString>

// Ini access: every call opens the named file afresh, so two callers never
// see a stale cached copy of each other's settings.
bool iniContains(const QString &file, const QString &key);
int readIniInt(const QString &file, const QString &key);
QString readIniString(const QString &file, const QString &key);
// False, with the file as it was, when the whole new file could not be
// written (a full disk among others).
bool writeIniValue(const QString &file, const QString &key, int value);
bool writeIniValueQuiet(const QString &file, const QString &key, const QString &value);
