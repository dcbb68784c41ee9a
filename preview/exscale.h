#pragma once

// Scaling of design pixels to the pixels of a run-time host.

// A host length over a design length. A design length below 1 (unset, zero
// or negative) gives 1, so nothing is ever divided by it.
double scaleRatio(double length, double designLength);

// The smaller of the two ratios, the width's on a tie: how much text shrinks
// or grows with the page.
double fontRatio(int width, int height, int designWidth, int designHeight);

// value x factor cut toward zero, held within Qt's widget limit on either
// side, so a huge coordinate or size in a page file cannot overflow an int.
int scaledInt(double value, double factor);

// A length of a page file that is not scaled, held within the widget limit
// the same way before anything adds to it or sizes a widget with it.
int widgetLength(int value);

class QFont;
class QString;
class QColor;

// The application font for run-time text: pixel size trunc(font size x the
// screen's fit scale), at least 1, bold (weight 75) when bold is non-zero.
QFont runtimeFont(int fontSize, int bold);

// A stored text colour; an empty or unreadable one draws black, as Qt would.
QColor runtimeTextColour(const QString &text);
