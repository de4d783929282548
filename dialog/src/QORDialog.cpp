#include "QORDialog.h"

#include "l_QORDialog.h"
#include "qordlg_assert.h"

namespace {
QORCommand* checkedFather(QORDialog* father) {
  QORDLG_ASSERT(father != nullptr, "pere!=NULL");
  return father;
}
}  // namespace

QORDialog::QORDialog(QORDialog* father, const QORString& name, unsigned long)
    : QORCommand(checkedFather(father), name.c_str()) {}

// Windows root their own tree and may be built without a father envelope.
QORDialog::QORDialog(QORCommand* father, const QORString& name, unsigned long, int)
    : QORCommand(father, name.c_str()) {}

QORDialog::~QORDialog() {
  if (letter) {
    l_QORDialog* l = letter;
    letter = nullptr;
    l->SetAPIObject(nullptr);
    l->Destroy();
  }
}

bool QORDialog::IsAKindOf(const char* className) const {
  if (QORCommand::IsAKindOf(className)) return true;
  const unsigned long asked = QORDlgCodeOfClassName(className);
  if (asked == QORDlgCodeNone) return false;
  // Without a letter (still being made, or unlinked) the envelope's own name says which class it is.
  const unsigned long own = letter ? letter->GetClassCode() : QORDlgCodeOfClassName(GetClassName());
  return QORDlgTraitsOf(own).IsA(asked);
}

const QORString& QORDialog::GetName() const { return letter ? letter->GetName() : QORCommand::GetName(); }

void QORDialog::Activate(QORCommand* from, QORNotification* n) {
  SetVisibility(QORDlgShown);
  QORCommand::Activate(from, n);
}
void QORDialog::Desactivate(QORCommand* from, QORNotification* n) {
  SetVisibility(QORDlgHidden);
  QORCommand::Desactivate(from, n);
}
void QORDialog::Cancel(QORCommand* from, QORNotification* n) {
  SetVisibility(QORDlgHidden);
  QORCommand::Cancel(from, n);
}
int QORDialog::SaveState(QORNotification* n, QORMarshal& m) {
  return letter ? letter->SaveState(n, m) : QORDlgSaveNotMine;
}
// Without a letter nothing of the record can be applied: the replay must hear so.
int QORDialog::RestoreState(QORNotification* n, QORMarshal& m) {
  return letter ? letter->RestoreState(n, m) : QORDlgRestoreNotMine;
}
const char* QORDialog::GetResourceFilename(int) const { return nullptr; }

QORDialog* QORDialog::GetFatherWindow() const {
  l_QORDialog* w = letter ? letter->GetWindowFather() : nullptr;
  return w ? w->GetAPIObject() : nullptr;
}
int QORDialog::GetChildCount() const { return letter ? letter->GetChildCount() : 0; }
int QORDialog::GetChildNumberFromChild(QORDialog* c) const { return letter ? letter->GetChildNumberFromChild(c) : -1; }
QORDialog* QORDialog::GetChildFromChildNumber(int i) const {
  return letter ? letter->GetChildFromChildNumber(i) : nullptr;
}
int QORDialog::Reparent(QORDialog* f) {
  return letter ? letter->Reparent(f ? f->GetLetterObject() : nullptr) : 0;
}

void QORDialog::SetVisibility(unsigned long v) {
  if (letter) letter->SetVisibility(v);
}
unsigned long QORDialog::GetVisibility() const { return letter ? letter->GetVisibility() : QORDlgHidden; }
void QORDialog::SetSensitivity(unsigned long s) {
  if (letter) letter->SetSensitivity(s);
}
int QORDialog::IsSetSensitivity() const { return letter ? letter->IsSetSensitivity() : 0; }
unsigned long QORDialog::GetSensitivity() const { return letter ? letter->GetSensitivity() : 0; }
void QORDialog::SetTitle(const QORUnicodeString& t) {
  if (letter) letter->SetTitle(t);
}
const QORUnicodeString& QORDialog::GetTitle() const {
  static const QORUnicodeString none;
  return letter ? letter->GetTitle() : none;
}
unsigned long QORDialog::GetStyle() const { return letter ? letter->GetStyle() : 0; }

void QORDialog::SetRectDimensions(DRECT& r) {
  if (letter) letter->SetRectDimensions(r, 1);
}
void QORDialog::SetRectDimensions(int x, int y, int height, int width) {
  if (letter) letter->SetRectDimensions(x, y, height, width, 1);
}
void QORDialog::GetRectDimensions(DRECT* r) const {
  if (letter) letter->GetRectDimensions(r);
}
void QORDialog::SetRectPosition(int x, int y) {
  if (letter) letter->SetRectPosition(x, y, 1);
}
void QORDialog::SetRectPosition(DPOS p) {
  if (letter) letter->SetRectPosition(p, 1);
}
void QORDialog::GetRectPosition(DPOS* p) const {
  if (letter) letter->GetRectPosition(p);
}
void QORDialog::GetAbsolutePosition(int& x, int& y) const {
  x = y = 0;
  if (letter) letter->GetAbsolutePosition(x, y);
}
void QORDialog::SetStatusBarText(const QORUnicodeString& t) {
  if (letter) letter->SetStatusBarText(t);
}
void QORDialog::SetStatusBarTemporaryText(const QORUnicodeString& t) {
  if (letter) letter->SetStatusBarTemporaryText(t);
}

#define QORDLG_ACCESSOR(Kind, member) \
  QORDlg##Kind##Notification* QORDialog::Get##Kind##Notification() const { return letter ? &letter->member : nullptr; }
QORDLG_ACCESSOR(Create, createNotification)
QORDLG_ACCESSOR(Visibility, visibilityNotification)
QORDLG_ACCESSOR(Resize, resizeNotification)
QORDLG_ACCESSOR(Help, helpNotification)
QORDLG_ACCESSOR(DragEnter, dragEnterNotification)
QORDLG_ACCESSOR(DragOver, dragOverNotification)
QORDLG_ACCESSOR(DragLeave, dragLeaveNotification)
QORDLG_ACCESSOR(Drop, dropNotification)
QORDLG_ACCESSOR(EndDrop, endDropNotification)
QORDLG_ACCESSOR(StartDrag, startDragNotification)
QORDLG_ACCESSOR(CancelDrag, cancelDragNotification)
QORDLG_ACCESSOR(DragButton, dragButtonNotification)
#undef QORDLG_ACCESSOR
