#include "alignment.h"

#include "core/jsonutils.h"

#include <QJsonValue>

#include <climits>

namespace {

// Sums of extreme stored values would overflow int; they are worked out wide
// and pinned to int when written back.
using Wide = qint64;

struct Box {
    Wide x = 0;
    Wide y = 0;
    Wide w = 0;
    Wide h = 0;
};

int readInt(const QJsonObject &object, const char *key)
{
    int value = 0;
    jsonInt(object, QLatin1String(key), &value);
    return value;
}

Box boxOf(const QJsonObject &object)
{
    return {readInt(object, "x"), readInt(object, "y"), readInt(object, "w"), readInt(object, "h")};
}

int pinned(Wide v)
{
    return int(qBound(Wide(INT_MIN), v, Wide(INT_MAX)));
}

Wide half(Wide v)
{
    return v / 2;   // toward zero, also for negative values
}

// Alignment to the first qualifying control, for every selected control.
Alignment::Plan alignToReference(int operation, const QVector<QJsonObject> &selection)
{
    Alignment::Plan plan;
    if (selection.size() < 2)
        return plan;
    int reference = -1;
    for (int i = 0; i < selection.size() && reference < 0; ++i) {
        if (Alignment::qualifies(selection.at(i)))
            reference = i;
    }
    if (reference < 0) {
        plan.status = Alignment::Plan::NoValidControl;
        return plan;
    }
    const Box r = boxOf(selection.at(reference));

    plan.status = Alignment::Plan::Apply;
    for (int i = 0; i < selection.size(); ++i) {
        QJsonObject object = selection.at(i);
        const Box own = boxOf(object);
        switch (operation) {
        case Alignment::AlignLeft:
            object.insert(QStringLiteral("x"), pinned(r.x));
            break;
        case Alignment::AlignRight:
            object.insert(QStringLiteral("x"), pinned(r.x + r.w - own.w));
            break;
        case Alignment::AlignTop:
            object.insert(QStringLiteral("y"), pinned(r.y));
            break;
        case Alignment::AlignBottom:
            object.insert(QStringLiteral("y"), pinned(r.y + r.h - own.h));
            break;
        case Alignment::AlignVCenter:
            object.insert(QStringLiteral("x"), pinned(qMax(r.x + half(r.w) - half(own.w), Wide(0))));
            break;
        case Alignment::AlignHCenter:
            object.insert(QStringLiteral("y"), pinned(qMax(r.y + half(r.h) - half(own.h), Wide(0))));
            break;
        case Alignment::SameSize:
            object.insert(QStringLiteral("w"), pinned(r.w));
            object.insert(QStringLiteral("h"), pinned(r.h));
            break;
        default:
            break;
        }
        plan.changes.append({i, object});
    }
    return plan;
}

// Equal gaps along one axis; the group keeps its overall extent.
Alignment::Plan distribute(bool horizontal, const QVector<QJsonObject> &selection)
{
    Alignment::Plan plan;
    if (selection.size() < 2)
        return plan;

    struct Member {
        int index;
        Wide pos;
        Wide size;
        Wide centre;
    };
    QVector<Member> members;
    Wide low = INT_MAX;
    Wide high = 0;
    Wide total = 0;
    for (int i = 0; i < selection.size(); ++i) {
        if (!Alignment::qualifies(selection.at(i)))
            continue;
        const Box b = boxOf(selection.at(i));
        const Wide pos = horizontal ? b.x : b.y;
        const Wide size = horizontal ? b.w : b.h;
        low = qMin(low, pos);
        high = qMax(high, pos + size);
        total += size;
        const Member m{i, pos, size, pos + half(size)};
        // Before the first strictly greater centre: equal centres keep the
        // order in which they were selected.
        int at = members.size();
        for (int k = 0; k < members.size(); ++k) {
            if (members.at(k).centre > m.centre) {
                at = k;
                break;
            }
        }
        members.insert(at, m);
    }
    const int n = members.size();
    if (n < 2)
        return plan;

    const Wide gap = (high - total - low) / (n - 1);
    const QString key = horizontal ? QStringLiteral("x") : QStringLiteral("y");
    plan.status = Alignment::Plan::Apply;
    Wide pos = low;
    for (const Member &m : members) {
        const Wide end = pos + m.size;
        QJsonObject object = selection.at(m.index);
        object.insert(key, pinned(end > high ? high - m.size : pos));
        plan.changes.append({m.index, object});
        pos = end + gap;
    }
    return plan;
}

// Moves the whole selection so that the group's centre is the page's.
Alignment::Plan centreInPage(bool horizontal, const QVector<QJsonObject> &selection,
                             const QJsonObject &page)
{
    Alignment::Plan plan;
    const QJsonValue extent = page.value(horizontal ? QLatin1String("w") : QLatin1String("h"));
    if (!extent.isDouble())
        return plan;
    const Wide pageSize = readInt(page, horizontal ? "w" : "h");

    Wide low = pageSize;
    Wide high = 0;
    bool any = false;
    for (const QJsonObject &object : selection) {
        if (!Alignment::qualifies(object))
            continue;
        any = true;
        const Box b = boxOf(object);
        const Wide pos = horizontal ? b.x : b.y;
        const Wide size = horizontal ? b.w : b.h;
        low = qMin(low, pos);
        high = qMax(high, pos + size);
    }
    if (!any) {
        plan.status = Alignment::Plan::NoValidControl;
        return plan;
    }

    const Wide delta = half(pageSize) - half(low + high);
    const QString key = horizontal ? QStringLiteral("x") : QStringLiteral("y");
    plan.status = Alignment::Plan::Apply;
    for (int i = 0; i < selection.size(); ++i) {
        QJsonObject object = selection.at(i);
        const Box b = boxOf(object);
        object.insert(key, pinned(qMax((horizontal ? b.x : b.y) + delta, Wide(0))));
        plan.changes.append({i, object});
    }
    return plan;
}

} // namespace

namespace Alignment {

bool qualifies(const QJsonObject &attributes)
{
    for (const char *key : {"x", "y", "w", "h"}) {
        if (!attributes.value(QLatin1String(key)).isDouble())
            return false;
    }
    return true;
}

Plan plan(int operation, const QVector<QJsonObject> &selection, const QJsonObject &page)
{
    switch (operation) {
    case AlignLeft:
    case AlignRight:
    case AlignTop:
    case AlignBottom:
    case AlignVCenter:
    case AlignHCenter:
    case SameSize:
        return alignToReference(operation, selection);
    case DistributeV:
        return distribute(false, selection);
    case DistributeH:
        return distribute(true, selection);
    case CenterInPageV:
        return centreInPage(false, selection, page);
    case CenterInPageH:
        return centreInPage(true, selection, page);
    default:
        return Plan();
    }
}

} // namespace Alignment
