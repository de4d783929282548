#include "l_QORDlgControl.h"

#include <Xm/Xm.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "l_QORInteractiveApplication.h"

l_QORDlgList l_QORDlgControl::_acceleratedWidget;

namespace {
// Live control letters: the actions only trust a userData that is one of them.
std::unordered_set<const l_QORDlgControl*>& liveControls() {
  static std::unordered_set<const l_QORDlgControl*> live;
  return live;
}

}  // namespace

l_QORDlgControl::l_QORDlgControl(l_QORDialog* f, const QORString& n, QORDlgControl* a, unsigned long s)
    : l_QORDialog(f, n, a, s), displayFormat(const_cast<char*>(defaultFormat)) {
  liveControls().insert(this);
}

l_QORDlgControl::~l_QORDlgControl() {
  liveControls().erase(this);
  if (displayFormat != defaultFormat) delete[] displayFormat;
  if (creationLabel) XmStringFree(creationLabel);
  if (accelerator && baseWidget) _acceleratedWidget -= baseWidget;
}


// ---- settings ----

void l_QORDlgControl::SetUnit(QORDlgControl::QORDlgUnit u) {
  if (magnitude != QORDlgControl::NoMagnitude || u == unit) return;
  if (u < 0 || u >= QORDlgControl::UnitCount) return;
  unit = u;
  pending |= QORDlgUpdSubclass;
  registerDifferUpdate();
}

void l_QORDlgControl::SetMagnitude(QORDlgControl::QORDlgMagnitude m) {
  if (m < QORDlgControl::NoMagnitude || m >= QORDlgControl::MagnitudeCount) return;
  magnitude = m;
  if (m != QORDlgControl::NoMagnitude) {
    l_QORInteractiveApplication* app = GetApplication();
    unit = app ? app->GetMagnitudeCurrentUnit(m) : BaseUnitOf(m);
  }
  pending |= QORDlgUpdSubclass;
  registerDifferUpdate();
}

void l_QORDlgControl::setFormat(char* format) {
  if (displayFormat != defaultFormat) delete[] displayFormat;
  displayFormat = format;
}

void l_QORDlgControl::SetPrecision(int p) {
  if (p < 1 || p > 15) return;
  precision = p;
  char* f = new char[16];
  std::snprintf(f, 16, "%%.%dg %%s", p);
  setFormat(f);
  pending |= QORDlgUpdSubclass;
  registerDifferUpdate();
}

void l_QORDlgControl::SetDisplayFormat(const char* format) {
  if (!format) return;
  const size_t n = std::strlen(format) + 4;
  char* f = new char[n];
  std::snprintf(f, n, "%s %%s", format);
  setFormat(f);
}

// ---- actions and update ----

l_QORDlgControl* l_QORDlgControl::fromWidget(Widget w) {
  if (!w) return nullptr;
  XtPointer data = nullptr;
  XtVaGetValues(w, XmNuserData, &data, nullptr);
  auto* c = static_cast<l_QORDlgControl*>(data);
  return liveControls().count(c) ? c : nullptr;
}

void l_QORDlgControl::MotionCB(Widget w, XEvent* event, String*, Cardinal*) {
  if (l_QORDlgControl* c = fromWidget(w)) c->Motion(event);
}

void l_QORDlgControl::AcceleratorCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgControl* c = fromWidget(w)) c->Accelerator();
}

namespace {
// Xt never frees a parsed table and widgets share it: each text is parsed
// once and kept for the process.
XtAccelerators parsedAccelerators(const QORString& text) {
  static auto* tables = new std::unordered_map<std::string, XtAccelerators>;  // never destroyed, like the tables
  auto it = tables->find(text.str());
  if (it == tables->end()) it = tables->emplace(text.str(), XtParseAcceleratorTable(text.c_str())).first;
  return it->second;
}
}  // namespace

void l_QORDlgControl::update(unsigned long mask) {
  // A control with a magnitude shows it in the application's current unit,
  // which may have changed since (the application then forces this pass).
  if (magnitude != QORDlgControl::NoMagnitude)
    if (l_QORInteractiveApplication* app = GetApplication()) unit = app->GetMagnitudeCurrentUnit(magnitude);
  if (built && baseWidget && XtIsWidget(baseWidget)) {
    if (acceleratorState) {
      acceleratorState = 0;
      // The document window spreads this control's accelerator over every
      // control of its tree, so the key works wherever the focus is.
      if (accelerator)
        if (l_QORDialog* document = GetDocumentWindow()) document->recursiveInstallAccelerators(baseWidget);
      for (int i = 0; i < _acceleratedWidget.getCount(); ++i) {
        Widget source = static_cast<Widget>(_acceleratedWidget[i]);
        std::printf("installation de l'accelerateur de %s\n", XtName(source));
        XtInstallAccelerators(baseWidget, source);
      }
      if (_acceleratedWidget.getCount() > 0) {
        std::fflush(stdout);
        XtInstallAllAccelerators(baseWidget, baseWidget);
      }
    }
    if ((pending | mask) & QORDlgUpdAccelerator) {
      const QORString table = QORDialog::GetAcceleratorTranslation(accelerator);
      if (!table.IsEmpty()) {
        XtVaSetValues(baseWidget, XmNaccelerators, parsedAccelerators(table), nullptr);
        _acceleratedWidget -= baseWidget;
      }
    }
  }
  l_QORDialog::update(mask);
}
