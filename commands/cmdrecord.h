#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <cstdint>

// One command object in memory. The address, user name and password live in
// fixed fields of at most 19 bytes of UTF-8, as the panel keeps them.
struct CmdRecord {
    static constexpr int kTextFieldSize = 20;

    int32_t ms = 0;  // interval after sending
    int32_t protocol = 0;
    char ip[kTextFieldSize] = {};
    char username[kTextFieldSize] = {};
    char password[kTextFieldSize] = {};
    int32_t port = 0;
    int32_t dataType = 0;
    int32_t httpMethod = 0;
    int32_t httpContentType = 0;
    int32_t frontMs = 0;  // interval before sending
    int32_t connectTimeout = 0;
    int32_t reconnectNum = 0;
    QString httpUrl;
    QString data;

    // Missing or wrongly typed keys, and numbers that are not whole int32
    // values, read as 0 or empty; other keys are not kept.
    static CmdRecord fromJson(const QJsonObject &object);
    // All fourteen keys.
    QJsonObject toJson() const;

    // Non-object elements are skipped.
    static QVector<CmdRecord> fromJsonArray(const QJsonArray &array);
    static QJsonArray toJsonArray(const QVector<CmdRecord> &records);

    // Cut to the field's size on a character boundary, without a word.
    void setIp(const QString &text);
    void setUsername(const QString &text);
    void setPassword(const QString &text);
    QString ipText() const;
    QString usernameText() const;
    QString passwordText() const;
};
