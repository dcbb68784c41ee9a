#pragma once

#include <QString>

// What a row's label item holds besides its text.
enum PropertyItemRole {
    RoleKey = 0x0100,    // Qt::UserRole: the attribute key
    RoleEditor = 0x0101, // the editor as a qlonglong; 0 on a section header, 1 on the type row
    RoleKind = 0x0102,   // the PropertyRowKind
};

// The editor kind of a row, one bit each; the fill and the slots read it.
enum PropertyRowKind {
    RowKindReadOnly = 0,
    RowKindInteger = 1,
    RowKindText = 2,   // text, colour and image rows
    RowKindCombo = 16, // choice and grid-layout rows
    RowKindButton = 32, // the value lives in the button's record
    RowKindReal = 64,
};

// One option of a choice row: the value stored under the key, and its text.
struct PropertyOption {
    int value = 0;
    QString text;
};
