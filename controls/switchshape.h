#pragma once

#include <QJsonObject>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>

// The drawing of a slide switch, shared by the designer's switch and the
// preview's: a capsule track, a caption beside the knob and a round knob
// whose left edge, less the space, is knobX.
QPainterPath switchTrackPath(const QSize &size);
QRect switchCaptionRect(const QSize &size, int space, bool checked);
QRect switchKnobRect(const QSize &size, int space, int knobX);

// The on caption a switch shows: "text", where the designer keeps it, or a
// stored "on_text" when "text" holds no string.
QString switchOnCaption(const QJsonObject &attributes);
