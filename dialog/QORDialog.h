// QORDialog: the public half (envelope) of every dialog object. Each
// operation forwards to the private half, the letter (l_QORDialog), which
// owns all state and the Motif widgets.
#pragma once
#include "QORCommand.h"
#include "QORDlgNotifications.h"
#include "QORDlgStyle.h"
#include "QORString.h"

class l_QORDialog;
class QORMarshal;
class QORMsgCatalog;
class QORDlgGridConstraints;

// Rectangle relative to the father, in pixels.
struct DRECT {
  int x, y, dx, dy;
};
struct DPOS {
  int x, y;
};

// Accelerator word: modifier bits over a 16-bit key code (an X keysym).
enum : unsigned long {
  QORDlgAccAlt = 0x80000000UL,  // also written Meta
  QORDlgAccCtrl = 0x40000000UL,
  QORDlgAccShift = 0x20000000UL,
};

enum QORDlgIconType {
  QORDlgIconNone = 0,
  QORDlgIconGeneral = 1,
  QORDlgIconCreation = 2,
  QORDlgIconModification = 3,
  QORDlgIconAnalysis = 4,
  QORDlgIconNonTransparent = 5,
};

// Object cursors (the index into the cursor table); -1 for none.
enum QORDlgCursor {
  QORDlgNoCursor = -1,
  NorthWestArrow = 0, Cross, NorthHand, NorthWestHand, NoArrow, MoveArrow,
  NorthSouthArrow, Target, Forward, Backward, OpenedHand, Magnifier,
};

// Answers of SaveState and RestoreState.
enum QORDlgSaveAnswer : int { QORDlgSaved = 0, QORDlgSaveNoNotification = 1, QORDlgSaveNotMine = 2 };
enum QORDlgRestoreAnswer : int { QORDlgRestored = 0, QORDlgRestoreNotMine = 4 };

class QORDialog : public QORCommand {
 public:
  QORDialog(QORDialog* father, const QORString& name, unsigned long style);
  ~QORDialog() override;

  const QORString& GetName() const override;
  const char* GetClassName() const override { return "QORDialog"; }
  // Along the class chain of the letter (QORDlgPushButton, QORDlgControl,
  // QORDialog), then QORCommand.
  bool IsAKindOf(const char* className) const override;
  void Activate(QORCommand* from, QORNotification* n) override;
  void Desactivate(QORCommand* from, QORNotification* n) override;
  void Cancel(QORCommand* from, QORNotification* n) override;
  int SaveState(QORNotification* n, QORMarshal& m) override;
  int RestoreState(QORNotification* n, QORMarshal& m) override;
  virtual l_QORDialog* GetLetterObject() const = 0;
  virtual const char* GetResourceFilename(int level) const;

  // Tree.
  QORDialog* GetFatherWindow() const;
  int GetChildCount() const;
  int GetChildNumberFromChild(QORDialog* child) const;
  QORDialog* GetChildFromChildNumber(int index) const;
  int Reparent(QORDialog* newFather);

  // State.
  void SetVisibility(unsigned long visibility);
  unsigned long GetVisibility() const;
  void SetSensitivity(unsigned long sensitivity);
  int IsSetSensitivity() const;
  unsigned long GetSensitivity() const;
  void SetTitle(const QORUnicodeString& title);
  const QORUnicodeString& GetTitle() const;
  unsigned long GetStyle() const;

  // Geometry: the integer forms take the height before the width.
  void SetRectDimensions(DRECT& r);
  void SetRectDimensions(int x, int y, int height, int width);
  void GetRectDimensions(DRECT* r) const;
  void SetRectPosition(int x, int y);
  void SetRectPosition(DPOS p);
  void GetRectPosition(DPOS* p) const;
  void GetAbsolutePosition(int& x, int& y) const;

  void SetStatusBarText(const QORUnicodeString& text);
  void SetStatusBarTemporaryText(const QORUnicodeString& text);

  // Layout: place on the father's grid (bodies in QORDialogLayout.cpp).
  void SetGridConstraints(const QORDlgGridConstraints& c);
  void SetGridConstraints(short row, short column, short columnSpan, short rowSpan, unsigned int justification);
  const QORDlgGridConstraints& GetGridConstraints() const;

  // The notifications every object may send (one reused instance each).
  QORDlgCreateNotification* GetCreateNotification() const;
  QORDlgVisibilityNotification* GetVisibilityNotification() const;
  QORDlgResizeNotification* GetResizeNotification() const;
  QORDlgHelpNotification* GetHelpNotification() const;
  QORDlgDragEnterNotification* GetDragEnterNotification() const;
  QORDlgDragOverNotification* GetDragOverNotification() const;
  QORDlgDragLeaveNotification* GetDragLeaveNotification() const;
  QORDlgDropNotification* GetDropNotification() const;
  QORDlgEndDropNotification* GetEndDropNotification() const;
  QORDlgStartDragNotification* GetStartDragNotification() const;
  QORDlgCancelDragNotification* GetCancelDragNotification() const;
  QORDlgDragButtonNotification* GetDragButtonNotification() const;

  // Names of the physical magnitudes and units of the controls, each table
  // ending with a null entry.
  static const char* const MagnitudeName[];
  static const char* const UnitName[];

  // Resources, mnemonics, accelerators and help: catalog values win over the program's.
  void SetResourceID(const QORString& id);
  const QORString& GetResourceID() const;
  int GetResourceValueFromKey(const QORString& key, QORUnicodeString& value) const;
  int GetResourceValueFromKey(const QORString& key, QORUnicodeString& value, QORUnicodeString* params) const;
  void AddResourcePath(const QORMsgCatalog& catalog, const QORString& prefix);
  void SetMnemonic(QORUnicodeChar mnemonic);
  QORUnicodeChar GetMnemonic() const;
  void SetAccelerator(unsigned long word);
  unsigned long GetAccelerator() const;
  void SetAcceleratorString(const QORUnicodeString& text);
  // One process-wide text, overwritten by every call.
  const QORUnicodeString& GetAcceleratorString() const;
  void SetIconName(const QORString& normal);
  void SetIconName(const QORString& normal, const QORString& selected);
  void SetIconName(const QORString& normal, const QORString& selected, const QORString& focused);
  void SetIconName(const QORString& normal, const QORString& selected, const QORString& focused,
                   const QORString& disabled);
  void SetIconType(QORDlgIconType type);
  void SetHelp(const QORUnicodeString& help);
  // The help text, or the title when there is none.
  const QORUnicodeString& GetHelp() const;
  void SetShortHelp(const QORUnicodeString& help);
  const QORUnicodeString& GetShortHelp() const;
  void SetLongHelp(const QORUnicodeString& help);
  const QORUnicodeString& GetLongHelp() const;

  // Key tables, generated from the X keysym names: KeyCount names, numkey
  // the parallel 16-bit codes ended by 0.
  static const int KeyCount;
  static const char* const KeyName[];
  static const unsigned short numkey[];
  // Table index of a key name (any case), or -1.
  static int GetKeyIndex(const char* name);
  // Parses "Ctrl+Shift+F4" and the like into `word`; 1 when the key is known,
  // else 0 and `word` unchanged.
  static int ParseAcceleratorText(const char* text, unsigned long& word);
  // "Alt+Ctrl+Shift+Key" as menus show it; empty when the code is not in the table.
  static QORString GetAcceleratorText(unsigned long word);
  // The Xt accelerator table text ("Ctrl <Key>F4: Accelerator()"); empty when unknown.
  static QORString GetAcceleratorTranslation(unsigned long word);
  // Its event alone ("Ctrl <Key>F4"), as menu items take it; empty when unknown.
  static QORString GetAcceleratorEvent(unsigned long word);

  // Cursors: SetCursor returns the previous cursor (0 when there was none).
  QORDlgCursor SetCursor(QORDlgCursor cursor);
  QORDlgCursor GetCursor() const;

 protected:
  // For top-level windows, whose father in the command tree may be any command (or none).
  QORDialog(QORCommand* father, const QORString& name, unsigned long style, int topLevel);
  // The one letter pointer, typed by each level where it is used: a level
  // has nothing of its own to wire, so none can be left unset.
  template <class Letter>
  Letter* letterAs() const {
    return static_cast<Letter*>(letter);
  }
  // The letter's embedded notification `member`; null without a letter.
  template <class Letter, class Notification>
  Notification* notificationOf(Notification Letter::*member) const {
    Letter* l = letterAs<Letter>();
    return l ? &(l->*member) : nullptr;
  }
  l_QORDialog* letter = nullptr;
};
