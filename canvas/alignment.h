#pragma once

#include <QJsonObject>
#include <QVector>

// The arithmetic of lining up selected controls, on their stored attribute
// objects. All of it is integer arithmetic; halves are taken by integer
// division toward zero.
namespace Alignment {

// The numbers the main window's alignment actions pass, in this order.
enum Operation {
    AlignLeft = 0,
    AlignRight = 1,
    AlignTop = 2,
    AlignBottom = 3,
    AlignVCenter = 4,   // same centre x
    AlignHCenter = 5,   // same centre y
    DistributeV = 6,
    DistributeH = 7,
    SameSize = 8,
    CenterInPageV = 9,
    CenterInPageH = 10,
};

// One control's new attribute object; index is its place in the selection.
struct Change {
    int index;
    QJsonObject attributes;
};

struct Plan {
    enum Status {
        Nothing,          // silently nothing to do
        NoValidControl,   // the user is told that no control qualifies
        Apply,            // push one step per change, in order
    };
    Status status = Nothing;
    QVector<Change> changes;
};

// A control takes part when "x", "y", "w" and "h" are all JSON numbers.
bool qualifies(const QJsonObject &attributes);

// What an operation does to the selection (attribute objects in selection
// order); the page object supplies "w" and "h" for centring in the page.
Plan plan(int operation, const QVector<QJsonObject> &selection, const QJsonObject &page);

} // namespace Alignment
