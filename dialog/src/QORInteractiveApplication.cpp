#include "QORInteractiveApplication.h"

#include "l_QORInteractiveApplication.h"

QORInteractiveApplication::QORInteractiveApplication(QORCommand* father, const QORString& name)
    : QORApplication(father, nullptr), letter(new l_QORInteractiveApplication(father, name, this)) {}

QORInteractiveApplication::~QORInteractiveApplication() {
  l_QORInteractiveApplication* l = letter;
  letter = nullptr;
  delete l;
}

int QORInteractiveApplication::SaveState(QORNotification* n, QORMarshal& m) { return QORApplication::SaveState(n, m); }

int QORInteractiveApplication::RestoreState(QORNotification* n, QORMarshal& m) {
  return QORApplication::RestoreState(n, m);
}

int QORInteractiveApplication::BuildApplicationEnvironment(int argc, char** argv, char** envp) {
  QORApplication::BuildApplicationEnvironment(argc, argv, envp);
  return letter->BuildApplicationEnvironment(argc, argv, envp);
}

int QORInteractiveApplication::RunApplication() { return letter->RunApplication(); }

void QORInteractiveApplication::GetArgs(int* argc, char*** argv) { letter->GetArgs(argc, argv); }
void QORInteractiveApplication::Destroy() { letter->Destroy(); }
void QORInteractiveApplication::SetBusyCursor() { letter->SetBusyCursor(); }
void QORInteractiveApplication::SetStandardSchemes(int enabled) { letter->SetStandardSchemes(enabled); }
int QORInteractiveApplication::GetStandardSchemes() { return letter->GetStandardSchemes(); }
void QORInteractiveApplication::SetStandardResource(int standard) { letter->SetStandardResource(standard); }
void QORInteractiveApplication::SetAutomaticContextualHelp() { letter->SetAutomaticContextualHelp(); }
void QORInteractiveApplication::UpdateDisplay() { letter->UpdateDisplay(); }
void QORInteractiveApplication::SetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m, QORDlgControl::QORDlgUnit u) {
  letter->SetMagnitudeCurrentUnit(m, u);
}
QORDlgControl::QORDlgUnit QORInteractiveApplication::GetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m) const {
  return letter->GetMagnitudeCurrentUnit(m);
}
const QORUnicodeString& QORInteractiveApplication::GetDoubleValueString(double value,
                                                                        QORDlgControl::QORDlgMagnitude m) const {
  return letter->GetDoubleValueString(value, m);
}

// ---- drag and drop ----

void QORInteractiveApplication::SetDragAvailability(int available) { letter->SetDragAvailability(available); }
int QORInteractiveApplication::GetDragAvailability() const { return letter->GetDragAvailability(); }
void QORInteractiveApplication::StartDrag(void* data, unsigned long flags) { letter->StartDrag(data, flags); }
int QORInteractiveApplication::GetDragState(QORDialog** source, QORDialog** target, POINTL& position,
                                            unsigned long& keyState) const {
  return letter->GetDragState(source, target, position, keyState);
}
void* QORInteractiveApplication::GetDragDataObject() const { return letter->GetDragDataObject(); }
void QORInteractiveApplication::CancelDrag() { letter->CancelDrag(); }
void QORInteractiveApplication::SetDropEffect(tagDROPEFFECT effect) { letter->SetDropEffect(effect); }
tagDROPEFFECT QORInteractiveApplication::GetDropEffect() const { return letter->GetDropEffect(); }
