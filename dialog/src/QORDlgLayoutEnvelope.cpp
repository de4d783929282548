#include "QORDlgLayoutEnvelope.h"

#include <cstdarg>

#include "l_QORDialog.h"
#include "qordlg_objlist.h"

Orientation QORDlgLayoutEnvelope::GetDefaultOrientation() const { return layoutLetter()->GetDefaultOrientation(); }
void QORDlgLayoutEnvelope::SetDefaultOrientation(Orientation o) { layoutLetter()->SetDefaultOrientation(o); }
void QORDlgLayoutEnvelope::Attach4Sides(QORDialog* child) {
  if (child) layoutLetter()->Attach4Sides(child->GetLetterObject());
}
void QORDlgLayoutEnvelope::ResetAttachment(QORDialog* child) {
  if (child) layoutLetter()->ResetAttachment(child->GetLetterObject());
}

void QORDlgLayoutEnvelope::SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind, QORDialog* first, ...) {
  l_QORDlgList list;
  va_list ap;
  va_start(ap, first);
  qordlgCollectLetters(list, first, ap);
  va_end(ap);
  layoutLetter()->SetHorizontalAttachment(index, kind, list);
}

void QORDlgLayoutEnvelope::SetVerticalAttachment(unsigned short index, QORDlgAttachment kind, QORDialog* first, ...) {
  l_QORDlgList list;
  va_list ap;
  va_start(ap, first);
  qordlgCollectLetters(list, first, ap);
  va_end(ap);
  layoutLetter()->SetVerticalAttachment(index, kind, list);
}

void QORDlgLayoutEnvelope::SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind,
                                          std::initializer_list<QORDialog*> objs) {
  l_QORDlgList list;
  qordlgCollectLetters(list, objs);
  layoutLetter()->SetHorizontalAttachment(index, kind, list);
}

void QORDlgLayoutEnvelope::SetVerticalAttachment(unsigned short index, QORDlgAttachment kind,
                                        std::initializer_list<QORDialog*> objs) {
  l_QORDlgList list;
  qordlgCollectLetters(list, objs);
  layoutLetter()->SetVerticalAttachment(index, kind, list);
}

int QORDlgLayoutEnvelope::GetVerticalTabIndex(QORDialog* child, QORDlgAttachment kind) const {
  return child ? layoutLetter()->GetVerticalTabIndex(child->GetLetterObject(), kind) : -1;
}
int QORDlgLayoutEnvelope::GetHorizontalTabIndex(QORDialog* child, QORDlgAttachment kind) const {
  return child ? layoutLetter()->GetHorizontalTabIndex(child->GetLetterObject(), kind) : -1;
}
void QORDlgLayoutEnvelope::InsertAlongHorizontalTab(unsigned short index, QORDialog* obj, QORDialog* ref, InsertionMode mode) {
  layoutLetter()->InsertAlongHorizontalTab(index, qordlgLetterOf(obj), qordlgLetterOf(ref), mode);
}
void QORDlgLayoutEnvelope::InsertAlongVerticalTab(unsigned short index, QORDialog* obj, QORDialog* ref, InsertionMode mode) {
  layoutLetter()->InsertAlongVerticalTab(index, qordlgLetterOf(obj), qordlgLetterOf(ref), mode);
}
void QORDlgLayoutEnvelope::RemoveAlongHorizontalTab(unsigned short index, QORDialog* obj) {
  layoutLetter()->RemoveAlongHorizontalTab(index, qordlgLetterOf(obj));
}
void QORDlgLayoutEnvelope::RemoveAlongVerticalTab(unsigned short index, QORDialog* obj) {
  layoutLetter()->RemoveAlongVerticalTab(index, qordlgLetterOf(obj));
}
void QORDlgLayoutEnvelope::ReplaceKeepAttachments(QORDialog* oldObj, QORDialog* newObj) {
  layoutLetter()->ReplaceKeepAttachments(qordlgLetterOf(oldObj), qordlgLetterOf(newObj));
}
void QORDlgLayoutEnvelope::SetGridColumnResizable(short column, int flag) { layoutLetter()->SetGridColumnResizable(column, flag); }
int QORDlgLayoutEnvelope::IsGridColumnResizable(short column) const { return layoutLetter()->IsGridColumnResizable(column); }
void QORDlgLayoutEnvelope::SetGridRowResizable(short row, int flag) { layoutLetter()->SetGridRowResizable(row, flag); }
int QORDlgLayoutEnvelope::IsGridRowResizable(short row) const { return layoutLetter()->IsGridRowResizable(row); }
