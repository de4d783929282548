// The editor's widgets, keystroke check, commit and deferred update.
#include "l_QORDlgEditor.h"

#include <X11/IntrinsicP.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>

#include <cstdio>

#include "l_QORInteractiveApplication.h"

namespace {
constexpr unsigned long kSensitivityBits = QORDlgSensitive | QORDlgInsensitive | QORDlgSensitiveMixed;
constexpr unsigned long kContentBits = QORDlgEditReal | QORDlgEditInteger | QORDlgEditFloat | QORDlgEditAlpha |
                                       QORDlgEditDigits | QORDlgEditAlphanumeric;
constexpr int kAllColumnsFit = 1, kAllRowsFit = 2;

unsigned long normalised(unsigned long given) {
  unsigned long kept = given & QORDlgEditReadOnly;
  if (given & QORDlgEditMultiline)
    return kept | (given & (QORDlgEditMultiline | QORDlgEditMultilineReserved | QORDlgEditNoScrollBars));
  kept |= given & QORDlgEditPassword;
  const unsigned long content = given & kContentBits;
  // Two restrictions at once contradict each other: the text is left free.
  if (content && !(content & (content - 1))) kept |= content;
  return kept;
}
}  // namespace

l_QORDlgEditor::l_QORDlgEditor(l_QORDialog* f, const QORString& n, QORDlgEditor* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  style = (style & ~QORDlgStyleBits::Editor) | normalised(s);
  if ((s & kSensitivityBits) == QORDlgSensitiveMixed) style = (style & ~kSensitivityBits) | QORDlgSensitiveMixed;
  if (isMultiline()) visibleHeight = 5;
}

void l_QORDlgEditor::raise(unsigned long bits) {
  pending |= bits;
  registerDifferUpdate();
}

// ---- widgets ----

void l_QORDlgEditor::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<12> args;
    args.add(XmNuserData, static_cast<XtPointer>(this)).add(XmNcolumns, static_cast<short>(visibleWidth));
    if (style & QORDlgEditReadOnly)
      args.add(XmNeditable, False).add(XmNcursorPositionVisible, False).add(XmNtraversalOn, False);
    if (GlobalXResources.enabled) {
      args.add(XmNbackground, GlobalXResources.editorBackground).add(XmNforeground, GlobalXResources.editorForeground);
      if (GlobalXResources.editorFontList) args.add(XmNfontList, GlobalXResources.editorFontList);
    }
    if (isMultiline()) {
      buildMultiline(parent, args);
    } else {
      text = XmCreateText(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
      baseWidget = text;
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(text);
    InstallFocusHandler(text);
    XtAddCallback(text, XmNactivateCallback, activateCB, this);
    XtAddCallback(text, XmNlosingFocusCallback, activateCB, this);
    XtAddCallback(text, XmNmodifyVerifyCallback, modifyVerifyCB, this);
    XtOverrideTranslations(text, l_QORDlgTextEntry::keyboardTranslations());
    // Created at its preferred size (columns and rows): that is its natural size.
    if (dx <= 0 && dy <= 0) naturalSize();
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdText | QORDlgUpdEntryValue | QORDlgUpdTextSize | QORDlgUpdPosition |
              QORDlgUpdVisibility | QORDlgUpdSensitivity | QORDlgUpdFirstColumn | QORDlgUpdFirstLine |
              QORDlgUpdScrollBars;
  }
  update(0);
}

void l_QORDlgEditor::buildMultiline(Widget parent, QORDlgArgList& args) {
  args.add(XmNeditMode, XmMULTI_LINE_EDIT).add(XmNrows, static_cast<short>(visibleHeight));
  text = XmCreateScrolledText(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
  XtManageChild(text);
  baseWidget = XtParent(text);
  XtVaGetValues(baseWidget, XmNhorizontalScrollBar, &horizontalBar, XmNverticalScrollBar, &verticalBar, nullptr);
  if ((style & QORDlgEditNoScrollBars)) {
    if (horizontalBar) XtUnmanageChild(horizontalBar);
    if (verticalBar) XtUnmanageChild(verticalBar);
  }
  if (GlobalXResources.enabled) {
    if (horizontalBar) XmChangeColor(horizontalBar, GlobalXResources.documentBackground);
    if (verticalBar) XmChangeColor(verticalBar, GlobalXResources.documentBackground);
  }
}

void l_QORDlgEditor::naturalSize() {
  dx = text->core.width;
  dy = text->core.height;
  if (!isMultiline()) return;
  // A scrolled window lays out its parts only once realized: the text and
  // the scroll bars beside and below it, with the window's spacing.
  Dimension spacing = 0, shadow = 0;
  XtVaGetValues(baseWidget, XmNspacing, &spacing, XmNshadowThickness, &shadow, nullptr);
  dx += 2 * shadow;
  dy += 2 * shadow;
  if (style & QORDlgEditNoScrollBars) return;
  if (verticalBar) dx += verticalBar->core.width + spacing;
  if (horizontalBar) dy += horizontalBar->core.height + spacing;
}

void l_QORDlgEditor::manage() {
  if (baseWidget && !XtIsManaged(baseWidget)) l_QORDlgControl::manage();
}

void l_QORDlgEditor::unmanage() {
  if (baseWidget) XtUnmanageChild(baseWidget);
}

l_QORDialog* l_QORDlgEditor::GetFirstEditable() {
  if ((style & QORDlgEditReadOnly) || !(style & QORDlgSensitive) || GetVisibility() != QORDlgShown) return nullptr;
  return this;
}

void l_QORDlgEditor::SetSensitivity(unsigned long s) {
  if (s != QORDlgSensitive && s != QORDlgInsensitive && s != QORDlgSensitiveMixed) return;
  style = (style & ~kSensitivityBits) | s;
  raise(QORDlgUpdSensitivity);
}

// ---- typing ----

QORDlgEntryContent l_QORDlgEditor::content() const {
  if (isMultiline()) return QORDlgEntryContent::Free;
  switch (style & kContentBits) {
    case QORDlgEditInteger: return QORDlgEntryContent::Integer;
    case QORDlgEditFloat: return QORDlgEntryContent::Float;
    case QORDlgEditAlpha: return QORDlgEntryContent::Alpha;
    case QORDlgEditDigits: return QORDlgEntryContent::Digits;
    case QORDlgEditAlphanumeric: return QORDlgEntryContent::Alphanumeric;
    case QORDlgEditReal: return QORDlgEntryContent::Real;
    default: return QORDlgEntryContent::Free;
  }
}

bool l_QORDlgEditor::acceptsTyped(const QORUnicodeString& next) {
  // A verify callback, when given, decides alone.
  if (verifyCallback) {
    if (!verifyCallback(next, verifyData)) return false;
  } else if (!QORDlgEntryAccepts(content(), next.c_str(), unit)) {
    return false;
  }
  if (inputCallback) inputCallback(next, inputData);
  if (isMultiline()) {
    countLines(next);
    const int before = scrollNeed;
    recomputeScrollNeed();
    if (scrollNeed != before && !(style & QORDlgEditNoScrollBars)) raise(QORDlgUpdScrollBars);
  }
  return true;
}

void l_QORDlgEditor::modifyVerifyCB(Widget, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgEditor*>(client)->editorModifyVerify(static_cast<XmTextVerifyCallbackStruct*>(call));
}

void l_QORDlgEditor::editorModifyVerify(XmTextVerifyCallbackStruct* change) {
  entry.verify(change, [this](const QORUnicodeString& next) { return acceptsTyped(next); },
               (style & QORDlgEditPassword) != 0);
}

void l_QORDlgEditor::countLines(const QORUnicodeString& t) {
  lineCount = 1;
  longestLine = 0;
  int column = 0;
  for (char c : t.str()) {
    if (c == '\n') {
      ++lineCount;
      column = 0;
      continue;
    }
    if (c == '\r' || (c & 0xC0) == 0x80) continue;  // no column, or inside a character
    column += c == '\t' ? 8 : 1;
    if (column > longestLine) longestLine = column;
  }
}

void l_QORDlgEditor::recomputeScrollNeed() {
  int need = lineCount <= visibleHeight ? kAllRowsFit : 0;
  if (horizontalBar) {
    int size = 0, minimum = 0, maximum = 0;
    XtVaGetValues(horizontalBar, XmNsliderSize, &size, XmNminimum, &minimum, XmNmaximum, &maximum, nullptr);
    if (size >= maximum - minimum) need |= kAllColumnsFit;
  } else if (longestLine <= visibleWidth) {
    need |= kAllColumnsFit;
  }
  scrollNeed = need;
}

// ---- commit ----

void l_QORDlgEditor::activateCB(Widget, XtPointer client, XtPointer call) {
  auto* cbs = static_cast<XmAnyCallbackStruct*>(call);
  static_cast<l_QORDlgEditor*>(client)->editorActivate(cbs && cbs->reason == XmCR_ACTIVATE);
}

void l_QORDlgEditor::editorActivate(bool forced) {
  if (!IsGloballySensitive()) return;
  if (!entry.modified && !forced) return;
  entry.modified = false;
  if (isReal()) {
    double typedValue = 0;
    if (!IsDouble(entry.typed.c_str(), &typedValue, unit)) typedValue = 0;
    const double previous = value;
    SetValue(typedValue, 0);
    if (typedValue == previous && !forced) return;
  } else {
    if (refText == entry.typed && !forced) return;
    refText = entry.typed;
  }
  notify(&modifyNotification);
}

// ---- deferred update ----

void l_QORDlgEditor::update(unsigned long mask) {
  unsigned long raised = pending | mask;
  if (built && text) {
    if (raised & QORDlgUpdSensitivity) {
      raised |= QORDlgUpdText;
      const bool sensitive = !(style & QORDlgInsensitive) && (!father || father->IsGloballySensitive());
      XtSetSensitive(baseWidget, sensitive ? True : False);
    }
    if (magnitude != QORDlgControl::NoMagnitude)
      if (l_QORInteractiveApplication* app = GetApplication()) {
        const QORDlgControl::QORDlgUnit current = app->GetMagnitudeCurrentUnit(magnitude);
        if (current != unit) {
          unit = current;
          raised |= QORDlgUpdEntryValue | QORDlgUpdText;
        }
      }
    if ((raised & QORDlgUpdEntryValue) && isReal()) {
      refText = QORUnicodeString(WriteStringValue(value, unit, displayFormat));
      raised |= QORDlgUpdText;
    }
    if (raised & QORDlgUpdTextSize) {
      XtVaSetValues(text, XmNcolumns, static_cast<short>(visibleWidth), XmNmaxLength, maxCharacters, nullptr);
      if (isMultiline()) XtVaSetValues(text, XmNrows, static_cast<short>(visibleHeight), nullptr);
    }
    if (raised & QORDlgUpdText) applyText();
    if (raised & QORDlgUpdFirstColumn) XmTextShowPosition(text, firstColumn);
    if ((raised & QORDlgUpdFirstLine) && isMultiline()) applyFirstLine();
    if (raised & QORDlgUpdSize) raised |= QORDlgUpdScrollBars;
    if (raised & QORDlgUpdColor) applyColor();
    const unsigned long mine = QORDlgPendingBits::Entry | QORDlgUpdSensitivity;
    pending &= ~mine;
    mask &= ~mine;
  }
  const bool sized = (raised & QORDlgUpdSize) != 0;
  l_QORDlgControl::update(mask);
  if (built && text && sized) {
    // The layout gave a size: the columns and rows are what fits in it now.
    short columns = 0, rows = 0;
    XtVaGetValues(text, XmNcolumns, &columns, XmNrows, &rows, nullptr);
    if (columns >= 1) visibleWidth = columns;
    if (rows >= 1 && isMultiline()) visibleHeight = rows;
  }
  if (built && text && (raised & QORDlgUpdScrollBars)) applyScrollBars();
}

void l_QORDlgEditor::applyText() {
  const bool password = (style & QORDlgEditPassword) != 0;
  // The mixed state shows nothing; the committed text stays.
  const QORUnicodeString shown = (style & QORDlgSensitiveMixed) ? QORUnicodeString() : refText;
  XmTextDisableRedisplay(text);
  entry.show(text, shown, password);
  if (isMultiline()) {
    countLines(shown);
    if (XtIsManaged(baseWidget)) XmTextShowPosition(text, XmTextGetLastPosition(text));
  }
  XmTextEnableRedisplay(text);
}

void l_QORDlgEditor::applyFirstLine() {
  const std::string& t = refText.str();
  int line = 0;
  size_t at = 0;
  while (line < firstLine && at < t.size()) {
    const size_t nl = t.find('\n', at);
    if (nl == std::string::npos) break;
    at = nl + 1;
    ++line;
  }
  XmTextSetTopCharacter(text, QORUnicodeString(t.substr(0, at)).GetLengthInChar());
}

void l_QORDlgEditor::applyScrollBars() {
  if (!isMultiline() || (style & QORDlgEditNoScrollBars)) return;
  recomputeScrollNeed();
  if (verticalBar) {
    if (scrollNeed & kAllRowsFit) XtUnmanageChild(verticalBar);
    else XtManageChild(verticalBar);
  }
  if (horizontalBar) {
    if (scrollNeed & kAllColumnsFit) XtUnmanageChild(horizontalBar);
    else XtManageChild(horizontalBar);
  }
}

void l_QORDlgEditor::applyColor() {
  char name[8];
  std::snprintf(name, sizeof name, "#%.2x%.2x%.2x", color[0], color[1], color[2]);
  XrmValue from{static_cast<unsigned>(sizeof name), static_cast<XPointer>(name)};
  Pixel pixel = 0;
  XrmValue to{sizeof pixel, reinterpret_cast<XPointer>(&pixel)};
  if (XtConvertAndStore(text, XmRString, &from, XmRPixel, &to)) XmChangeColor(text, pixel);
}
