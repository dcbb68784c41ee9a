#pragma once

#include <QJsonValue>

#include <cmath>
#include <limits>

// A JSON number as an int, its fraction cut toward zero and held to the int
// range; anything else (also NaN) gives the fallback.
inline int jsonNumberAsInt(const QJsonValue &value, int fallback)
{
    if (!value.isDouble())
        return fallback;
    const double d = value.toDouble();
    if (std::isnan(d))
        return fallback;
    if (d <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (d >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(d);
}
