// Settings and record of the spinner letter: the three modes' values and
// their rules; the widgets and the user's input are in l_QORDlgSpinnerInput.cpp.
#include "l_QORDlgSpinner.h"

#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

namespace {
constexpr unsigned long kSensitivityBits = QORDlgSensitive | QORDlgInsensitive | QORDlgSensitiveMixed;
}  // namespace

l_QORDlgSpinner::l_QORDlgSpinner(l_QORDialog* f, const QORString& n, QORDlgSpinner* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  style |= QORDlgSpinEditable | (s & (QORDlgSpinReal | QORDlgSpinText));
  if ((s & kSensitivityBits) == QORDlgSensitiveMixed) {
    style = (style & ~kSensitivityBits) | QORDlgSensitiveMixed;
    pending |= QORDlgUpdSensitivity;
  }
}

void l_QORDlgSpinner::changed(unsigned long bits) {
  pending |= bits;
  registerDifferUpdate();
}

void l_QORDlgSpinner::SetSensitivity(unsigned long s) {
  if (s != QORDlgSensitive && s != QORDlgInsensitive && s != QORDlgSensitiveMixed) return;
  style = (style & ~kSensitivityBits) | s;
  changed(QORDlgUpdSensitivity);
}

l_QORDialog* l_QORDlgSpinner::GetFirstEditable() {
  return IsGloballySensitive() && GetVisibility() == QORDlgShown ? this : nullptr;
}

// ---- float mode ----

void l_QORDlgSpinner::SetRange(float low, float high, float nbrFraction) {
  if (!floatMode() || low > high || nbrFraction <= 0) return;
  _lowBound = low;
  _highBound = high;
  _nbrFraction = nbrFraction;
  changed(QORDlgUpdValue);
  // A value the new range leaves outside moves to the nearest bound, and says so.
  if (_currentValue >= low && _currentValue <= high) return;
  _currentValue = _currentValue < low ? low : high;
  timer = 0;
  updateKind = FloatChange;
  notify(&modifyNotification);
}

void l_QORDlgSpinner::GetRange(float& low, float& high, float& nbrFraction) const {
  low = _lowBound;
  high = _highBound;
  nbrFraction = _nbrFraction;
}

void l_QORDlgSpinner::SetCurrentValue(float value, int notifyIt) {
  if (!textMode() && (value < _lowBound || value > _highBound)) return;
  _currentValue = value;
  timer = 0;
  updateKind = FloatChange;
  changed(QORDlgUpdValue);
  if (notifyIt) notify(&modifyNotification);
}

void l_QORDlgSpinner::SetFormat(const char* f) {
  if (!floatMode()) return;
  format = f ? f : "%f";
  changed(QORDlgUpdValue);
}

void l_QORDlgSpinner::SetVisibleTextWidth(int n) {
  if (n < 1 || n == columns) return;
  columns = n;
  changed(QORDlgUpdSpinColumns);
}

// ---- text mode ----

void l_QORDlgSpinner::SetCurrentText(const QORUnicodeString& text, int notifyIt) {
  if (!textMode() || text == _text) return;
  _text = text;
  timer = 0;
  updateKind = TextChange;
  changed(QORDlgUpdSpinText);
  if (notifyIt) notify(&modifyNotification);
}

void l_QORDlgSpinner::SetButtonSensitivity(bool up, unsigned long s) {
  if (!textMode()) return;
  unsigned long next = 0;
  if (s & QORDlgSensitive) next = QORDlgSensitive;
  else if (s & QORDlgInsensitive) next = QORDlgInsensitive;
  unsigned long& current = up ? upSensitivity : downSensitivity;
  if (!next || next == current) return;
  current = next;
  changed(QORDlgUpdSpinArrows);
}

// ---- real mode ----

void l_QORDlgSpinner::SetMinMaxStep(double min, double max, double stepBy) {
  if (!realMode() || stepBy <= 0 || min >= max) return;
  dMin = min;
  dMax = max;
  dStep = stepBy;
  const double before = _dVal;
  _dVal = _dVal < min ? min : _dVal > max ? max : _dVal;
  timer = 0;
  updateKind = RealChange;
  changed(QORDlgUpdValue);
  if (_dVal != before) notify(&modifyNotification);
}

void l_QORDlgSpinner::GetMinMaxStep(double& min, double& max, double& stepBy) const {
  min = dMin;
  max = dMax;
  stepBy = dStep;
}

void l_QORDlgSpinner::SetValue(double value, int notifyIt) {
  if (!realMode() || value < dMin || value > dMax) return;
  _dVal = value;
  timer = 0;
  updateKind = RealChange;
  changed(QORDlgUpdValue);
  if (notifyIt) notify(&modifyNotification);
}

// ---- record and replay ----

void l_QORDlgSpinner::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.field(_lowBound, _highBound, _nbrFraction, _currentValue);
    io.text(_text, true);
    io.field(dMin, dMax, dStep, _dVal, timer, updateKind);
    io.detail("_lowBound,_highBound= %f,%f _nbrFraction= %f\n", _lowBound, _highBound, _nbrFraction);
    io.detail("_currentValue= %f _text= %s dMin= %f dMax= %f\n", _currentValue, _text.c_str(), dMin, dMax);
    io.detail("_dStep= %f _dVal= %f timer= %d update= %d\n", dStep, _dVal, timer, updateKind);
    if (!io.replaying() || updateKind == ArrowInTextMode) return;
    changed(updateKind == TextChange ? QORDlgUpdSpinText : QORDlgUpdValue);
  });
  for (QORNotification* n : std::initializer_list<QORNotification*>{&btnUpNotification, &btnDownNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.field(timer, updateKind);
      io.detail("timer= %d update= %d\n", timer, updateKind);
    });
  l_QORDlgControl::recordCases(cases);
}
