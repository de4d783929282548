// Class records of the letters (internal, not installed): one row per class
// code in QORDlgClassTraits.def names the class, its base and what the base
// letter does differently for it. A class inherits its base's capabilities,
// so the base letter asks the record instead of testing class codes.
#pragma once
#include <cstdint>

// Capabilities a row adds to those of its base.
enum : unsigned {
  QORDlgCapReadsShortHelp = 1u << 0,     // "ShortHelp" and "LongHelp" resources
  QORDlgCapReadsIcon = 1u << 1,          // "Icon", "IconSel", "IconFocus", "IconDisabled", "IconType"
  QORDlgCapReadsMnemonic = 1u << 2,      // "Mnemonic"
  QORDlgCapReadsAccelerator = 1u << 3,   // "Accelerator"
  QORDlgCapAcceleratorTarget = 1u << 4,  // takes a source's accelerators (recursiveInstallAccelerators)
  QORDlgCapMnemonicOnWidget = 1u << 5,   // the base update pushes the mnemonic into the widget
  QORDlgCapMovable = 1u << 6,            // Reparent may move it
  QORDlgCapAdopts = 1u << 7,             // Reparent may move objects into it
  QORDlgCapWindow = 1u << 8,             // roots a shell of its own: absolute position, built by BuildWindow
  QORDlgCapThreeButton = 1u << 9,        // gathers contextual menus on a button-3 press
  QORDlgCapNotAttached = 1u << 10,       // never hangs on a container's tabulations
  QORDlgCapOwnSensitivity = 1u << 11,    // a popup: the father's sensitivity does not reach it
  QORDlgCapNoChildrenUpdate = 1u << 12,  // losing a child rebuilds nothing
  QORDlgCapUnmanageOnUnBuild = 1u << 13, // unmanaged before its widgets go
  QORDlgCapIconBesideText = 1u << 14,    // an icon widens the object instead of replacing its size
  QORDlgCapFlatIconStyle = 1u << 15,     // with QORDlgPushFlat the object is its icon alone
};

// Class codes answered by IsAKindOf(unsigned long), from the table.
enum : unsigned long {
  QORDlgCodeNone = 0,
#define QORDLG_CLASS(Name, code, className, Base, caps, limit, kind) QORDlgCode##Name = code,
#include "QORDlgClassTraits.def"
#undef QORDLG_CLASS
  QORDlgCodeCount
};
static_assert(QORDlgCodeCount <= 64, "a class's ancestors are one 64-bit word");

// A class record with what it inherits folded in.
struct QORDlgClassTraits {
  unsigned long code;
  unsigned long base;  // QORDlgCodeNone for the root
  const char* className;
  unsigned caps;             // own and inherited capabilities
  int childLimit;            // 0: any number
  unsigned long childKind;   // 0: any class
  std::uint64_t ancestors;   // bit c set for the class itself and each base c

  bool Has(unsigned cap) const { return (caps & cap) != 0; }
  bool IsA(unsigned long c) const { return c < 64 && ((ancestors >> c) & 1u); }
};

// The record of `code`; an unused or unknown code yields the root's.
const QORDlgClassTraits& QORDlgTraitsOf(unsigned long code);
// The code of the class whose envelope is named `className`, QORDlgCodeNone when none.
unsigned long QORDlgCodeOfClassName(const char* className);
