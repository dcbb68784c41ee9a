#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

// The record on every row editor and row button that commits: which kind's
// page the row belongs to, its table row, its key, and the JSON value that a
// dialog row edits. The widget owns it (QObject user data id 256).
class PropData : public QObjectUserData
{
public:
    static constexpr uint kUserDataId = 256;

    PropData(int nClass, int nRow, const QString &key, const QJsonObject &obj = QJsonObject(),
             const QJsonArray &arr = QJsonArray());
    ~PropData() override;

    // The record attached to widget, or null.
    static PropData *of(const QObject *widget);
    // Attaches a new record to widget, replacing (and deleting) an old one.
    static PropData *attach(QObject *widget, int nClass, int nRow, const QString &key,
                            const QJsonObject &obj = QJsonObject(), const QJsonArray &arr = QJsonArray());

    void setJsonArray(const QJsonArray &array) { arr = array; }
    void setJsonObject(const QJsonObject &object) { obj = object; }

    int nClass;
    int nRow;
    QString key;
    QJsonObject obj;
    QJsonArray arr;
};
