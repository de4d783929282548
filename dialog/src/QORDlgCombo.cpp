#include "QORDlgCombo.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "QORDlgLineInsertion.h"
#include "l_QORDlgCombo.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgRecordTrace.h"

static_assert(QORDlgComboReplace == QORDlgLineReplace, "the combo's replace mode is the shared insertion's");

// ---- lines ----

const l_QORDlgComboLine* l_QORDlgCombo::line(int i) const {
  return i >= 0 && i < GetLineCount() ? &lines[static_cast<size_t>(i)] : nullptr;
}

int l_QORDlgCombo::insertLines(std::vector<l_QORDlgComboLine>&& added, int position, unsigned long mode) {
  if (added.empty()) return GetLineCount();
  // Each combo takes one family of lines: values, graphic lines or texts.
  const l_QORDlgComboLine::Kind kind = added.front().kind;
  const bool graphicLine = kind == l_QORDlgComboLine::Color || kind == l_QORDlgComboLine::Icon ||
                           kind == l_QORDlgComboLine::Bitmap;
  if ((kind == l_QORDlgComboLine::Value) != isReal() || (graphicLine && !isGraphic())) return -1;
  const int count = QORDlgInsertLines(lines, std::move(added), position, mode);
  raise(QORDlgUpdLines);
  return count;
}

int l_QORDlgCombo::ClearLine(const int* which, int count) {
  std::vector<bool> gone(lines.size(), false);
  for (int i = 0; i < count; ++i)
    if (which[i] >= 0 && which[i] < GetLineCount()) gone[static_cast<size_t>(which[i])] = true;
  std::vector<l_QORDlgComboLine> kept;
  int newSelected = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (gone[i]) continue;
    if (static_cast<int>(i) == selected) newSelected = static_cast<int>(kept.size());
    kept.push_back(std::move(lines[i]));
  }
  lines.swap(kept);
  selected = newSelected;
  raise(QORDlgUpdLines);
  return GetLineCount();
}

int l_QORDlgCombo::ClearLine() {
  lines.clear();
  selected = -1;
  raise(QORDlgUpdLines);
  return 0;
}

// ---- selection and field ----

int l_QORDlgCombo::SetSelect(int l, int notifyIt) {
  if (l < -1 || l >= GetLineCount()) return -1;
  if (l == -1) {
    ClearSelect();
    return -1;
  }
  selected = l;
  fieldText = lineText(lines[static_cast<size_t>(l)]);
  fieldValue = lines[static_cast<size_t>(l)].value;
  raise(QORDlgUpdText);
  if (notifyIt) notify(&selectNotification);
  return l;
}

int l_QORDlgCombo::SetSelect(const QORUnicodeString& text, int notifyIt) {
  if (isReal()) return -1;
  for (int i = 0; i < GetLineCount(); ++i)
    if (lines[static_cast<size_t>(i)].text == text) return SetSelect(i, notifyIt);
  return -1;
}

int l_QORDlgCombo::SetSelect(double value, int notifyIt) {
  if (!isReal()) return -1;
  for (int i = 0; i < GetLineCount(); ++i)
    if (lines[static_cast<size_t>(i)].value == value) return SetSelect(i, notifyIt);
  return -1;
}

void l_QORDlgCombo::ClearSelect() {
  if (isOptionMenu()) return;
  selected = -1;
  raise(QORDlgUpdText);
}

void l_QORDlgCombo::SetField(const QORUnicodeString& text) {
  if (isReal() || isGraphic()) return;
  fieldText = text;
  raise(QORDlgUpdText);
}

void l_QORDlgCombo::SetField(double value) {
  if (!isReal()) return;
  fieldValue = typedValue = value;
  raise(QORDlgUpdText);
}

void l_QORDlgCombo::ClearField() {
  fieldText = QORUnicodeString();
  fieldValue = typedValue = 0;
  raise(QORDlgUpdText);
}

void l_QORDlgCombo::SetVisibleTextWidth(int columns) {
  if (columns < 1) return;
  visibleWidth = columns;
  raise(QORDlgUpdTextSize);
}

void l_QORDlgCombo::SetVisibleTextHeight(int count) {
  if (count < 1 && count != -1) return;
  visibleHeight = count;
  raise(QORDlgUpdLines);
}

// ---- record and replay ----

void l_QORDlgCombo::lineNotFound(const char* recorded) {
  std::printf("/REPLAY/ RestoreState ERROR : The line selected in the recording step:%s \n", recorded);
  std::printf("was not found in the list while replaying. Aborting...\n");
  std::fflush(stdout);
  std::exit(987);
}

void l_QORDlgCombo::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.text(fieldText);
    io.field(fieldValue);
    io.detail(io.replaying() ? "r_FieldContent= %s _dEntry=%f\n" : "r_FieldContent= %s dEntry=%f\n",
              fieldText.c_str(), fieldValue);
  }).onReplay([this] {
    if (isReal()) typedValue = fieldValue;
    selected = -1;
    notify(&modifyNotification);
    if (selected == -1) selectMatchingField();
    update(QORDlgUpdText);
  });
  // The chosen line's value or text: the replay finds it in the list again.
  auto chosen = std::make_shared<l_QORDlgComboLine>();
  cases.add(&selectNotification, [this, chosen](l_QORDlgRecordIo& io) {
    const l_QORDlgComboLine* now = line(selected);
    if (!io.replaying()) *chosen = now ? *now : l_QORDlgComboLine();
    if (isReal()) {
      io.field(chosen->value);
      io.detail("_dVal= %f\n", chosen->value);
    } else {
      io.text(chosen->text);
      io.detail("_text= %s\n", chosen->text.c_str());
    }
  }).onReplay([this, chosen] {
    const int found = isReal() ? SetSelect(chosen->value, 0) : SetSelect(chosen->text, 0);
    if (found < 0) {
      char value[64];
      std::snprintf(value, sizeof value, "%f", chosen->value);
      lineNotFound(isReal() ? value : chosen->text.c_str());
    }
    update(QORDlgUpdText);
    notify(&selectNotification);
  });
  cases.add(&dropNotification, [](l_QORDlgRecordIo& io) { io.constant(0); }).onReplay([this] {
    update(0);
    notify(&dropNotification);
  });
  l_QORDlgControl::recordCases(cases);
}

// ---- envelope ----

QORDlgCombo::QORDlgCombo(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgCombo(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgCombo::GetLetterObject() const { return letter; }
QORDlgComboSelectNotification* QORDlgCombo::GetComboSelectNotification() const {
  return notificationOf(&l_QORDlgCombo::selectNotification);
}
QORDlgComboModifyNotification* QORDlgCombo::GetComboModifyNotification() const {
  return notificationOf(&l_QORDlgCombo::modifyNotification);
}
QORDlgComboDropNotification* QORDlgCombo::GetComboDropNotification() const {
  return notificationOf(&l_QORDlgCombo::dropNotification);
}
QORDlgEditModifyNotification* QORDlgCombo::GetEditModifyNotification() const {
  return notificationOf(&l_QORDlgCombo::editModifyNotification);
}

#define QORDLG_COMBO_DO(call) \
  if (auto* l = letterAs<l_QORDlgCombo>()) l->call
#define QORDLG_COMBO_GET(call, none) \
  auto* l = letterAs<l_QORDlgCombo>();  \
  return l ? l->call : none

namespace {
l_QORDlgComboLine textLine(const QORUnicodeString& text, l_QORDlgComboLine::Kind kind = l_QORDlgComboLine::Text) {
  l_QORDlgComboLine l;
  l.kind = kind;
  l.text = text;
  return l;
}
l_QORDlgComboLine valueLine(double value) {
  l_QORDlgComboLine l;
  l.kind = l_QORDlgComboLine::Value;
  l.value = value;
  return l;
}
}  // namespace

int QORDlgCombo::GetSelect() const { QORDLG_COMBO_GET(GetSelect(), -1); }
int QORDlgCombo::SetSelect(int line, int n) { QORDLG_COMBO_GET(SetSelect(line, n), -1); }
int QORDlgCombo::SetSelect(const QORUnicodeString& t, int n) { QORDLG_COMBO_GET(SetSelect(t, n), -1); }
int QORDlgCombo::SetSelect(double v, int n) { QORDLG_COMBO_GET(SetSelect(v, n), -1); }
void QORDlgCombo::ClearSelect() { QORDLG_COMBO_DO(ClearSelect()); }
int QORDlgCombo::GetLineCount() const { QORDLG_COMBO_GET(GetLineCount(), 0); }

int QORDlgCombo::GetLine(QORUnicodeString& text, int line) const {
  auto* l = letterAs<l_QORDlgCombo>();
  const l_QORDlgComboLine* found = l ? l->line(line) : nullptr;
  if (!found) return -1;
  text = found->text;
  return line;
}
double QORDlgCombo::GetLine(int line) const {
  auto* l = letterAs<l_QORDlgCombo>();
  const l_QORDlgComboLine* found = l ? l->line(line) : nullptr;
  return found ? found->value : 0;
}

int QORDlgCombo::SetLine(const QORUnicodeString& text, int position, unsigned long mode) {
  return SetLine(&text, 1, position, mode);
}
int QORDlgCombo::SetLine(const QORUnicodeString* texts, int count, int position, unsigned long mode) {
  std::vector<l_QORDlgComboLine> added;
  added.reserve(static_cast<size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) added.push_back(textLine(texts[i]));
  QORDLG_COMBO_GET(insertLines(std::move(added), position, mode), -1);
}
int QORDlgCombo::SetLine(double value, int position, unsigned long mode) { return SetLine(&value, 1, position, mode); }
int QORDlgCombo::SetLine(const double* values, int count, int position, unsigned long mode) {
  std::vector<l_QORDlgComboLine> added;
  for (int i = 0; i < count; ++i) added.push_back(valueLine(values[i]));
  QORDLG_COMBO_GET(insertLines(std::move(added), position, mode), -1);
}
int QORDlgCombo::SetLine(const QORUnicodeString& text, unsigned char r, unsigned char g, unsigned char b,
                         int position, unsigned long mode) {
  // One colour in both forms: 8 bits widened to 16 by repeating the byte.
  return SetLine(text, static_cast<unsigned short>(r * 257), static_cast<unsigned short>(g * 257),
                 static_cast<unsigned short>(b * 257), position, mode);
}
int QORDlgCombo::SetLine(const QORUnicodeString& text, unsigned short r, unsigned short g, unsigned short b,
                         int position, unsigned long mode) {
  l_QORDlgComboLine one = textLine(text, l_QORDlgComboLine::Color);
  const unsigned short wide[3] = {r, g, b};
  for (int i = 0; i < 3; ++i) {
    one.rgb16[i] = wide[i];
    one.rgb8[i] = static_cast<unsigned char>(wide[i] >> 8);
  }
  std::vector<l_QORDlgComboLine> added{one};
  QORDLG_COMBO_GET(insertLines(std::move(added), position, mode), -1);
}
int QORDlgCombo::SetLine(const QORUnicodeString& text, const QORString& iconName, int position, unsigned long mode) {
  l_QORDlgComboLine one = textLine(text, l_QORDlgComboLine::Icon);
  one.iconName = iconName;
  std::vector<l_QORDlgComboLine> added{one};
  QORDLG_COMBO_GET(insertLines(std::move(added), position, mode), -1);
}
int QORDlgCombo::SetLine(const QORUnicodeString& text, const char* bits, int width, int height, int position,
                         unsigned long mode) {
  l_QORDlgComboLine one = textLine(text, l_QORDlgComboLine::Bitmap);
  if (bits && width > 0 && height > 0) one.bits.assign(bits, bits + ((width + 7) / 8) * height);
  one.width = width;
  one.height = height;
  std::vector<l_QORDlgComboLine> added{one};
  QORDLG_COMBO_GET(insertLines(std::move(added), position, mode), -1);
}

int QORDlgCombo::GetLine(QORUnicodeString& text, unsigned char& r, unsigned char& g, unsigned char& b,
                         int line) const {
  auto* l = letterAs<l_QORDlgCombo>();
  const l_QORDlgComboLine* found = l ? l->line(line) : nullptr;
  if (!found) return -1;
  text = found->text;
  r = found->rgb8[0];
  g = found->rgb8[1];
  b = found->rgb8[2];
  return line;
}
int QORDlgCombo::GetLine(QORUnicodeString& text, unsigned short& r, unsigned short& g, unsigned short& b,
                         int line) const {
  auto* l = letterAs<l_QORDlgCombo>();
  const l_QORDlgComboLine* found = l ? l->line(line) : nullptr;
  if (!found) return -1;
  text = found->text;
  r = found->rgb16[0];
  g = found->rgb16[1];
  b = found->rgb16[2];
  return line;
}
int QORDlgCombo::GetLine(QORUnicodeString& text, QORString& iconName, int line) const {
  auto* l = letterAs<l_QORDlgCombo>();
  const l_QORDlgComboLine* found = l ? l->line(line) : nullptr;
  if (!found) return -1;
  text = found->text;
  iconName = found->iconName;
  return line;
}

int QORDlgCombo::ClearLine(int line) { return ClearLine(&line, 1); }
int QORDlgCombo::ClearLine(const int* lines, int count) { QORDLG_COMBO_GET(ClearLine(lines, count), 0); }
int QORDlgCombo::ClearLine() { QORDLG_COMBO_GET(ClearLine(), 0); }

void QORDlgCombo::GetField(QORUnicodeString& text) const {
  auto* l = letterAs<l_QORDlgCombo>();
  text = l ? l->GetField() : QORUnicodeString();
}
void QORDlgCombo::SetField(const QORUnicodeString& text) { QORDLG_COMBO_DO(SetField(text)); }
double QORDlgCombo::GetField() const { QORDLG_COMBO_GET(GetFieldValue(), 0.0); }
void QORDlgCombo::SetField(double value) { QORDLG_COMBO_DO(SetField(value)); }
void QORDlgCombo::ClearField() { QORDLG_COMBO_DO(ClearField()); }
void QORDlgCombo::SetVisibleTextWidth(int c) { QORDLG_COMBO_DO(SetVisibleTextWidth(c)); }
int QORDlgCombo::GetVisibleTextWidth() const { QORDLG_COMBO_GET(GetVisibleTextWidth(), 0); }
void QORDlgCombo::SetVisibleTextHeight(int n) { QORDLG_COMBO_DO(SetVisibleTextHeight(n)); }
int QORDlgCombo::GetVisibleTextHeight() const { QORDLG_COMBO_GET(GetVisibleTextHeight(), 0); }
