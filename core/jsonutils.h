#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QRect>
#include <QString>
#include <QVector>

#include <initializer_list>

// Typed reads of one JSON member. The caller sets its variable to the default
// first; it is written only when the result is 0.
enum JsonReadStatus {
    JsonValueRead = 0,
    JsonKeyMissing = 1,
    JsonWrongType = 2,
};

// A JSON number, its fraction cut off (toward zero); values beyond the int
// range are held at its limits.
int jsonInt(const QJsonObject &object, const QString &key, int *value);
int jsonString(const QJsonObject &object, const QString &key, QString *value);
// The same for keys spelled in the code, looked up without a QString made
// for each call.
int jsonInt(const QJsonObject &object, QLatin1String key, int *value);
int jsonString(const QJsonObject &object, QLatin1String key, QString *value);
// Appends one rectangle per object of the array {"x", "y", "w", "h"}; other
// elements are skipped, and a member is used only when it is a number of 0
// or more.
int jsonRect(const QJsonObject &object, const QString &key, QVector<QRect> *rects);

// Several members in one call, each key with the variable it fills; a
// variable keeps its value when its key is missing or of another type.
struct JsonIntKey {
    const char *key;
    int *value;
};

struct JsonStringKey {
    const char *key;
    QString *value;
};

void jsonInts(const QJsonObject &object, std::initializer_list<JsonIntKey> keys);
void jsonStrings(const QJsonObject &object, std::initializer_list<JsonStringKey> keys);

int clearJsonArray(QJsonArray &array);

// A JSON number as an int, its fraction cut toward zero and held to the int
// range; anything else gives the fallback.
int jsonNumberAsInt(const QJsonValue &value, int fallback);

// What turns `from` into `to`: the members of `to` that `from` lacks or holds
// with another value, and a null for each member `from` has and `to` lacks.
QJsonObject jsonChanges(const QJsonObject &from, const QJsonObject &to);
