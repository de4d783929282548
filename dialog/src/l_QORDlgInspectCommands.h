// Internal to libTOLVEN: not API, never installed.
// The commands of the inspection channel, read from the letters: the tree of
// a window, the values of one object, the flash of one object.
#pragma once
#include "l_QORDlgInspectProtocol.h"

class l_QORDialog;

namespace l_QORDlgInspectCommands {
// The kind number of a letter (kind table, first match).
uint32_t kindOf(l_QORDialog* letter);
QORDlgInspect::Answer tree(l_QORDialog* window, const QORDlgInspect::CommandBlock& block);
// A null object answers status 2 for both.
QORDlgInspect::Answer values(l_QORDialog* object, const QORDlgInspect::CommandBlock& block);
QORDlgInspect::Answer flash(l_QORDialog* object, const QORDlgInspect::CommandBlock& block);
}  // namespace l_QORDlgInspectCommands
