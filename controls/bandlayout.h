#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Splits a control of the given size into its picture and text areas by a
// layout code: 0 both whole (and both ratios back to 1.0), 1 text above the
// picture, 2 picture above the text, 3 text left of the picture, any other
// code picture left of the text. The first band takes its ratio as it is, the
// far one its ratio capped at 1; a band never exceeds Qt's widget limit.
void splitBands(const QSize &size, int code, double *textRatio, double *pictureRatio, QRect *picture,
                QRect *text);

// A copy of the picture clipped to a rounded rectangle, cut in the picture's
// own pixels; a radius of 0 or less gives the picture itself.
QPixmap roundedPixmap(const QPixmap &picture, int radius);

// Whether the painter maps whole pixels onto whole device pixels (it moves
// by whole pixels only): a rectangle on whole pixels then covers the same
// pixels with antialiasing or without.
bool keepsWholePixels(const QPainter &painter);

// A stored colour text ("#rrggbb" or "#aarrggbb"); an empty or unreadable
// text paints nothing rather than Qt's opaque black.
QColor colourOfText(const QString &text);
