#pragma once

#include <QVector>

class QWidget;
class UIBase;

// The kinds that build child widgets (cells, sliders) or draw themselves
// their own way; the factory runs their buildLayout() after the first
// setAttributes and the page their applyAttributes() after every edit.
struct CompositeKindInfo {
    int typeId;
    const char *className;
    const char *classTag;
};

// Every composite kind in id order.
const QVector<CompositeKindInfo> &compositeKinds();

bool isCompositeKind(int typeId);

// Constructs the composite kind of a type id with the page as parent; null
// for any other id (plain kinds, the page, unknown ids).
UIBase *createCompositeControl(int typeId, QWidget *parent);
