#pragma once

#include <QString>

class QWidget;
class UIBase;

// Makes the design-time control of a kind. The page runs the rest of the
// set-up (zoom, attributes, build, registration).
class ControlFactory
{
public:
    // The control class of the kind, with the page as parent: a plain kind,
    // a composite kind, or, for a kind without a class here, a stand-in that
    // carries the kind's id and tag.
    static UIBase *construct(int nClass, const QString &typeName, QWidget *parent);
};
