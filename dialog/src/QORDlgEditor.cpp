#include "QORDlgEditor.h"

#include <Xm/Text.h>

#include <string>
#include <vector>

#include "l_QORDlgEditor.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

namespace {
std::vector<std::string> splitLines(const std::string& t) {
  std::vector<std::string> lines;
  if (t.empty()) return lines;
  size_t at = 0;
  for (size_t nl; (nl = t.find('\n', at)) != std::string::npos; at = nl + 1) lines.push_back(t.substr(at, nl - at));
  lines.push_back(t.substr(at));
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string t;
  for (size_t i = 0; i < lines.size(); ++i) t += (i ? "\n" : "") + lines[i];
  return t;
}
}  // namespace

// ---- values ----

void l_QORDlgEditor::SetText(const QORUnicodeString& t) {
  if (isReal()) return;
  refText = t;
  raise(QORDlgUpdText);
}

void l_QORDlgEditor::SetValue(double v, int notifyIt) {
  if (!isReal()) return;
  value = v;
  refText = QORUnicodeString(WriteStringValue(v, unit, displayFormat));
  raise(QORDlgUpdText | QORDlgUpdEntryValue);
  if (notifyIt) notify(&modifyNotification);
}

int l_QORDlgEditor::GetIntegerValue() const {
  int v = 0;
  if (!(style & QORDlgEditInteger) || !IsInteger(refText.c_str(), &v)) return 0;
  return v;
}

float l_QORDlgEditor::GetFloatValue() const {
  float v = 0;
  if (!(style & QORDlgEditFloat) || !IsFloat(refText.c_str(), &v)) return 0;
  return v;
}

void l_QORDlgEditor::SetVisibleTextWidth(int columns) {
  if (columns < 1) return;
  visibleWidth = columns;
  raise(QORDlgUpdTextSize);
}

void l_QORDlgEditor::SetVisibleTextHeight(int rows) {
  if (rows < 1 || !isMultiline()) return;
  visibleHeight = rows;
  raise(QORDlgUpdTextSize);
}

void l_QORDlgEditor::SetMaxCharacterWidth(int characters) {
  if (characters < 1) return;
  maxCharacters = characters;
  raise(QORDlgUpdTextSize);
}

void l_QORDlgEditor::SetFirstLine(int line) {
  if (!isMultiline() || line < 0) return;
  firstLine = line;
  raise(QORDlgUpdFirstLine);
}

int l_QORDlgEditor::GetFirstLine() const {
  if (!built || !text || !isMultiline()) return firstLine;
  const XmTextPosition top = XmTextGetTopCharacter(text);
  const std::string before = refText.SubString(0, static_cast<int>(top)).str();
  int lines = 0;
  for (char c : before) lines += c == '\n';
  return lines;
}

void l_QORDlgEditor::SetFirstColumn(int column) {
  if (column < 0) return;
  firstColumn = column;
  raise(QORDlgUpdFirstColumn);
}

// ---- lines of the committed text ----

int l_QORDlgEditor::GetLineCount() const { return static_cast<int>(splitLines(refText.str()).size()); }

void l_QORDlgEditor::GetLine(QORUnicodeString& out, int line) const {
  const std::vector<std::string> lines = splitLines(refText.str());
  out = line >= 0 && line < static_cast<int>(lines.size()) ? QORUnicodeString(lines[line]) : QORUnicodeString();
}

void l_QORDlgEditor::SetLine(const QORUnicodeString& t, int line) {
  if (!isMultiline() || isReal()) return;
  std::vector<std::string> lines = splitLines(refText.str());
  const bool append = line < 0 || line >= static_cast<int>(lines.size()) - 1;
  lines.insert(append ? lines.end() : lines.begin() + line + 1, t.str());
  refText = QORUnicodeString(joinLines(lines));
  raise(QORDlgUpdText);
}

void l_QORDlgEditor::ClearLine(int line) {
  std::vector<std::string> lines = splitLines(refText.str());
  if (line < 0 || line >= static_cast<int>(lines.size()) || isReal()) return;
  lines[line].clear();
  refText = QORUnicodeString(joinLines(lines));
  raise(QORDlgUpdText);
}

// ---- callbacks, colour, selection ----

void l_QORDlgEditor::SetVerifyCallback(QORDlgEditor::TextCallback cb, void* data) {
  verifyCallback = cb;
  verifyData = data;
}

void l_QORDlgEditor::SetInputCallback(QORDlgEditor::TextCallback cb, void* data) {
  inputCallback = cb;
  inputData = data;
}

void l_QORDlgEditor::SetColor(unsigned char red, unsigned char green, unsigned char blue) {
  color[0] = red;
  color[1] = green;
  color[2] = blue;
  raise(QORDlgUpdColor);
}

void l_QORDlgEditor::SetSelection(int start, int end) {
  if (!built || !text) return;
  update(0);
  if (start < 0 || start > static_cast<int>(XmTextGetLastPosition(text))) return;
  if (start <= end) XmTextSetSelection(text, start, end, XtLastTimestampProcessed(XtDisplay(text)));
  else {
    XmTextClearSelection(text, XtLastTimestampProcessed(XtDisplay(text)));
    XmTextSetInsertionPosition(text, start);
  }
  XmProcessTraversal(text, XmTRAVERSE_CURRENT);
}

void l_QORDlgEditor::GetSelection(int& start, int& end) const {
  start = 0;
  end = -1;
  if (!built || !text) return;
  XmTextPosition left = 0, right = 0;
  if (XmTextGetSelectionPosition(text, &left, &right) && left < right) {
    start = static_cast<int>(left);
    end = static_cast<int>(right);
    return;
  }
  start = static_cast<int>(XmTextGetInsertionPosition(text));
}

// ---- record and replay ----

void l_QORDlgEditor::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.text(refText, true);
    io.detail("_refUniStr= %s\n", refText.c_str());
    if (!io.replaying()) return;
    double v = 0;
    if (isReal() && IsDouble(refText.c_str(), &v, unit)) SetValue(v, 0);
    pending |= QORDlgUpdText;
    update(0);
  });
  l_QORDlgControl::recordCases(cases);
}

// ---- envelope ----

QORDlgEditor::QORDlgEditor(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgEditor(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgEditor::GetLetterObject() const { return letter; }
QORDlgEditModifyNotification* QORDlgEditor::GetEditModifyNotification() const {
  return notificationOf(&l_QORDlgEditor::modifyNotification);
}

#define QORDLG_EDITOR_DO(call) \
  if (auto* l = letterAs<l_QORDlgEditor>()) l->call
#define QORDLG_EDITOR_GET(call, none) \
  auto* l = letterAs<l_QORDlgEditor>();  \
  return l ? l->call : none

void QORDlgEditor::SetText(const QORUnicodeString& t) { QORDLG_EDITOR_DO(SetText(t)); }
QORUnicodeString QORDlgEditor::GetText() const { QORDLG_EDITOR_GET(GetText(), QORUnicodeString()); }
void QORDlgEditor::SetValue(double v, int n) { QORDLG_EDITOR_DO(SetValue(v, n)); }
double QORDlgEditor::GetValue() const { QORDLG_EDITOR_GET(GetValue(), 0.0); }
int QORDlgEditor::GetIntegerValue() const { QORDLG_EDITOR_GET(GetIntegerValue(), 0); }
float QORDlgEditor::GetFloatValue() const { QORDLG_EDITOR_GET(GetFloatValue(), 0.0f); }
void QORDlgEditor::SetVisibleTextWidth(int c) { QORDLG_EDITOR_DO(SetVisibleTextWidth(c)); }
int QORDlgEditor::GetVisibleTextWidth() const { QORDLG_EDITOR_GET(GetVisibleTextWidth(), 0); }
void QORDlgEditor::SetVisibleTextHeight(int r) { QORDLG_EDITOR_DO(SetVisibleTextHeight(r)); }
int QORDlgEditor::GetVisibleTextHeight() const { QORDLG_EDITOR_GET(GetVisibleTextHeight(), 0); }
void QORDlgEditor::SetMaxCharacterWidth(int c) { QORDLG_EDITOR_DO(SetMaxCharacterWidth(c)); }
int QORDlgEditor::GetMaxCharacterWidth() const { QORDLG_EDITOR_GET(GetMaxCharacterWidth(), 0); }
void QORDlgEditor::SetFirstLine(int line) { QORDLG_EDITOR_DO(SetFirstLine(line)); }
int QORDlgEditor::GetFirstLine() const { QORDLG_EDITOR_GET(GetFirstLine(), 0); }
void QORDlgEditor::SetFirstColumn(int c) { QORDLG_EDITOR_DO(SetFirstColumn(c)); }
int QORDlgEditor::GetFirstColumn() const { QORDLG_EDITOR_GET(GetFirstColumn(), 0); }
int QORDlgEditor::GetLineCount() const { QORDLG_EDITOR_GET(GetLineCount(), 0); }
void QORDlgEditor::GetLine(QORUnicodeString& t, int line) const { QORDLG_EDITOR_DO(GetLine(t, line)); }
void QORDlgEditor::SetLine(const QORUnicodeString& t, int line) { QORDLG_EDITOR_DO(SetLine(t, line)); }
void QORDlgEditor::ClearLine(int line) { QORDLG_EDITOR_DO(ClearLine(line)); }
void QORDlgEditor::SetVerifyCallback(TextCallback cb, void* d) { QORDLG_EDITOR_DO(SetVerifyCallback(cb, d)); }
void QORDlgEditor::SetInputCallback(TextCallback cb, void* d) { QORDLG_EDITOR_DO(SetInputCallback(cb, d)); }
void QORDlgEditor::SetColor(unsigned char r, unsigned char g, unsigned char b) { QORDLG_EDITOR_DO(SetColor(r, g, b)); }
void QORDlgEditor::SetSelection(int s, int e) { QORDLG_EDITOR_DO(SetSelection(s, e)); }
void QORDlgEditor::GetSelection(int& s, int& e) const {
  s = 0;
  e = -1;
  QORDLG_EDITOR_DO(GetSelection(s, e));
}
