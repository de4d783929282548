#include "QORDlgMultiList.h"

#include <vector>

#include "l_QORDlgMultiList.h"

QORDlgMultiList::QORDlgMultiList(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgMultiList(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgMultiList::GetLetterObject() const { return letter; }
QORDlgListSelectNotification* QORDlgMultiList::GetListSelectNotification() const {
  return notificationOf(&l_QORDlgMultiList::selectNotification);
}
QORDlgListActivateNotification* QORDlgMultiList::GetListActivateNotification() const {
  return notificationOf(&l_QORDlgMultiList::activateNotification);
}

namespace {
using L = l_QORDlgMultiList;
// Forwards to the letter, or answers `none` without one.
template <typename R, typename F>
R forward(const QORDlgMultiList* e, R none, F f) {
  L* l = static_cast<L*>(e->GetLetterObject());
  return l ? f(*l) : none;
}
std::vector<int> asVector(const int* values, int count) {
  return std::vector<int>(values, values + (values && count > 0 ? count : 0));
}
}  // namespace

// --- columns
int QORDlgMultiList::GetColumnCount() { return forward(this, 0, [](L& l) { return l.GetColumnCount(); }); }
void QORDlgMultiList::SetVisibleColumnCount(int n) { forward(this, 0, [&](L& l) { return l.SetVisibleColumnCount(n), 0; }); }
int QORDlgMultiList::GetVisibleColumnCount() {
  return forward(this, 0, [](L& l) { return l.GetVisibleColumnCount(); });
}
void QORDlgMultiList::SetColumnTitles(int count, QORUnicodeString* titles) {
  forward(this, 0, [&](L& l) { return l.SetColumnTitles(count, titles), 0; });
}
void QORDlgMultiList::SetColumnVisibility(int column, unsigned long visibility) {
  forward(this, 0, [&](L& l) { return l.SetColumnVisibility(column, visibility), 0; });
}
unsigned long QORDlgMultiList::GetColumnVisibility(int column) {
  return forward(this, 0UL, [&](L& l) { return l.GetColumnVisibility(column); });
}
void QORDlgMultiList::ReorderColumns(int* destinations, int count, int from) {
  forward(this, 0, [&](L& l) { return l.ReorderColumns(destinations, count, from), 0; });
}
int QORDlgMultiList::GetColumnPixelWidth(int column) {
  return forward(this, -1, [&](L& l) { return l.GetColumnPixelWidth(column); });
}
void QORDlgMultiList::SetColumnPixelWidth(int column, int pixels) {
  forward(this, 0, [&](L& l) { return l.SetColumnPixelWidth(column, pixels), 0; });
}
int QORDlgMultiList::GetColumnTextWidth(int column) {
  return forward(this, -1, [&](L& l) { return l.GetColumnTextWidth(column); });
}
void QORDlgMultiList::SetColumnTextWidth(int column, int characters) {
  forward(this, 0, [&](L& l) { return l.SetColumnTextWidth(column, characters), 0; });
}

// --- selection
int QORDlgMultiList::GetSelectCount() { return forward(this, 0, [](L& l) { return l.GetSelectCount(); }); }
int QORDlgMultiList::GetSelectedColumn() { return forward(this, 0, [](L& l) { return l.GetSelectedColumn(); }); }
int QORDlgMultiList::IsSelect(int line) { return forward(this, 0, [&](L& l) { return l.IsSelect(line); }); }
int QORDlgMultiList::IsSelect(int column, const QORUnicodeString& text) {
  return forward(this, 0, [&](L& l) { return l.IsSelect(column, text); });
}
int QORDlgMultiList::GetSelect(int* lines, int max) {
  return forward(this, 0, [&](L& l) { return l.GetSelect(lines, lines ? max : 0); });
}
int QORDlgMultiList::GetSelect(int column, QORUnicodeString* texts, int max) {
  return forward(this, 0, [&](L& l) { return l.GetSelect(column, texts, texts ? max : 0); });
}
void QORDlgMultiList::ClearSelect() { forward(this, 0, [](L& l) { return l.ClearSelect(), 0; }); }
int QORDlgMultiList::SetSelect(int* lines, int count, int notify) {
  return forward(this, 0, [&](L& l) { return l.SetSelect(asVector(lines, count), notify); });
}
int QORDlgMultiList::SetSelect(int column, QORUnicodeString* texts, int count, int notify) {
  return forward(this, 0, [&](L& l) { return l.SetSelect(column, texts, texts ? count : 0, notify); });
}

// --- what is shown
int QORDlgMultiList::GetVisibleTextWidth() { return forward(this, 0, [](L& l) { return l.GetVisibleTextWidth(); }); }
void QORDlgMultiList::SetVisibleTextWidth(int c) { forward(this, 0, [&](L& l) { return l.SetVisibleTextWidth(c), 0; }); }
int QORDlgMultiList::GetVisibleLineCount() { return forward(this, 0, [](L& l) { return l.GetVisibleLineCount(); }); }
void QORDlgMultiList::SetVisibleLineCount(int n) { forward(this, 0, [&](L& l) { return l.SetVisibleLineCount(n), 0; }); }
int QORDlgMultiList::GetFirstLine() { return forward(this, 0, [](L& l) { return l.GetFirstLine(); }); }
void QORDlgMultiList::SetFirstLine(int line) { forward(this, 0, [&](L& l) { return l.SetFirstLine(line), 0; }); }
int QORDlgMultiList::GetContextualLine() { return forward(this, 0, [](L& l) { return l.GetContextualLine(); }); }
void QORDlgMultiList::Synchronize(QORDlgMultiList* other) {
  auto* peer = other ? static_cast<L*>(other->GetLetterObject()) : nullptr;
  forward(this, 0, [&](L& l) { return l.Synchronize(peer), 0; });
}

// --- lines
int QORDlgMultiList::GetLineCount() { return forward(this, 0, [](L& l) { return l.GetLineCount(); }); }
void QORDlgMultiList::GetColumnItem(int column, QORUnicodeString& text, int line) {
  forward(this, 0, [&](L& l) { return l.GetColumnItem(column, text, line), 0; });
}
int QORDlgMultiList::SetColumnItem(int column, const QORUnicodeString& text, int line, unsigned long mode) {
  return SetColumnItems(column, &text, 1, line, mode);
}
int QORDlgMultiList::SetColumnItems(int column, const QORUnicodeString* texts, int count, int line,
                                    unsigned long mode) {
  return forward(this, 0, [&](L& l) { return l.SetColumnItems(column, texts, count, line, mode); });
}
void QORDlgMultiList::ClearLine(int line) { ClearLine(&line, 1); }
void QORDlgMultiList::ClearLine(int* lines, int count) {
  forward(this, 0, [&](L& l) { return l.ClearLine(asVector(lines, count)), 0; });
}
void QORDlgMultiList::ClearLine() { forward(this, 0, [](L& l) { return l.ClearLine(), 0; }); }
