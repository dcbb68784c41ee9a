#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QPair>
#include <QRect>
#include <QString>
#include <QVector>

// The attribute object a new control starts with. The texts of the kinds are
// translated in the context "UIPage" when the object is built, so a control
// keeps the language that was active when it was added.
namespace DefaultAttributes {

using KeyValue = QPair<QString, QJsonValue>;

// Whether the kind has default keys, i.e. whether new controls of it can be
// added from the palette.
bool hasKind(int nClass);

// The kind's own keys in their order; empty for a kind without defaults.
QVector<KeyValue> kindKeys(int nClass);

// The keys every new control starts with, in their order.
QVector<KeyValue> commonKeys(const QRect &stored, const QString &typeName, int widgetIndex);

// The whole object: the common keys, then the kind's keys, which replace a
// common key of the same name. A kind without defaults gets the common keys.
QJsonObject build(int nClass, const QRect &stored, const QString &typeName, int widgetIndex);

// A band or drop rectangle in page-widget pixels at the given edit scale, as
// stored page units: edges that were drawn backwards are exchanged first, and
// each value is rounded half up.
QRect storedRect(const QRect &pixels, double scale);

// "Button" and 3 give "Button_3".
QString controlName(const QString &typeName, int widgetIndex);

} // namespace DefaultAttributes
