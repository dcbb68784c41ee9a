#pragma once

#include "core/cmdbtnargs.h"

#include <QJsonObject>

// The batch operations on the two command lists of a control's attribute
// object: pasting copied lists and rewriting connection parameters.
namespace CmdLists {

// Kinds whose command lists can be copied and pasted: the command button,
// status button, progress slider and relative button.
bool isCommandKind(int nClass);
// The batch replacement works on plain command buttons only.
bool isReplaceKind(int nClass);

// Each of "on_cmd_data_list" and "off_cmd_data_list" is replaced by the
// clipboard's array when both hold it as an array; a key the target lacks is
// not added.
void pasteLists(QJsonObject &target, const QJsonObject &clipboard);

// Whether one command object is selected by the record's find switches;
// with neither switch on nothing matches.
bool matches(const QJsonObject &command, const CMD_BTN_ARGS &args);

// Writes the fields the record sets into one command; -1 keeps a number and
// an empty new address keeps "ip".
void applyArgs(QJsonObject &command, const CMD_BTN_ARGS &args);

// Rewrites the matching commands of both lists. Returns whether a list held
// at least one command object, which counts as a change of the control.
bool replaceArgs(QJsonObject &attributes, const CMD_BTN_ARGS &args);

} // namespace CmdLists
