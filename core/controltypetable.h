#pragma once

#include <QString>
#include <QVector>

// One kind of control: the id the canvas keys on and the "type" name written
// to the page file.
struct ControlTypeEntry {
    int id;
    QString name;
};

// The kinds a designer can place, in the order the palette and tables use.
QVector<ControlTypeEntry> designControlTypes();

// Finds a design kind's name by id, or an empty string.
QString designControlTypeName(int id);
// Finds a design kind's id by its exact name, or -1.
int designControlTypeId(const QString &name);

// The kinds the offline preview can build. The two tables meet only through
// the name; their ids are unrelated.
int runControlTypeCount();
const ControlTypeEntry &runControlTypeAt(int index);
int runControlTypeFromName(const QString &name);
