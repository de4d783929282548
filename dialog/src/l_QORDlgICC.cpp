#include "l_QORDlgICC.h"

#include <algorithm>

#include "QORDlgICCValue.h"
#include "l_QORDialog.h"
#include "qordlg_assert.h"

Atom l_QORDlgICC::dialogAtom = None;
l_QORDlgICC* l_QORDlgICC::currentOwner = nullptr;

l_QORDlgICC::l_QORDlgICC(l_QORDialog* f, const QORString&, QORDlgICC* a)
    : api(a), father(f), self(std::make_shared<l_QORDlgICC*>(this)) {
  QORDLG_ASSERT(father != nullptr, "father != NULL");
  QORDLG_ASSERT(GetXtDisplay() != nullptr, "display != NULL");
  dialogAtom = XInternAtom(GetXtDisplay(), "QORDialog", False);
}

// The selection stays owned: later requests find no owner and are refused.
l_QORDlgICC::~l_QORDlgICC() {
  *self = nullptr;
  if (currentOwner == this) currentOwner = nullptr;
}

XtAppContext l_QORDlgICC::GetXtAppContext() const { return father->GetApplicationContext(); }
Display* l_QORDlgICC::GetXtDisplay() const { return father->GetApplicationDisplay(); }
Widget l_QORDlgICC::GetAppWidget() const { return father->GetApplicationWidget(); }

unsigned long l_QORDlgICC::GetNewTransactionTime() const { return XtLastTimestampProcessed(GetXtDisplay()); }

// No done procedure: each request gets its own copy, which Xt frees once it
// is sent, so a write or a deletion during a long (incremental) transfer
// never pulls the bytes from under it.
int l_QORDlgICC::InitiateWrite(unsigned long time, const char* data, int size) {
  writeBuffer.assign(data, data + (data && size > 0 ? size : 0));
  if (!XtOwnSelection(GetAppWidget(), dialogAtom, time, convertCB, loseCB, nullptr)) return 0;
  currentOwner = this;
  return 1;
}

// The target asked for is not examined: the exchange has one kind of value.
Boolean l_QORDlgICC::convertCB(Widget, Atom* selection, Atom*, Atom* type, XtPointer* value,
                               unsigned long* length, int* format) {
  if (*selection != dialogAtom || !currentOwner || currentOwner->writeBuffer.empty()) return False;
  const std::vector<char>& block = currentOwner->writeBuffer;
  char* copy = XtMalloc(block.size());
  std::copy(block.begin(), block.end(), copy);
  *type = dialogAtom;
  *value = copy;
  *length = block.size();
  *format = 8;
  return True;
}

// Reported to the current owner only: an earlier writer of this process was
// replaced without a word when the later one took over.
void l_QORDlgICC::loseCB(Widget, Atom* selection) {
  if (*selection != dialogAtom || !currentOwner) return;
  l_QORDlgICC* owner = currentOwner;
  currentOwner = nullptr;
  if (owner->api) owner->api->SendNotification(owner->api, &owner->writePerformedNotification);
}

void l_QORDlgICC::InitiateRead(unsigned long time) {
  XtGetSelectionValue(GetAppWidget(), dialogAtom, dialogAtom, valueCB, new std::shared_ptr<l_QORDlgICC*>(self),
                      time);
}

// A refusal, a missing owner or a time-out come with no value (type None or
// XT_CONVERT_FAIL): nothing to report, the read buffer stays.
void l_QORDlgICC::valueCB(Widget, XtPointer client, Atom*, Atom* type, XtPointer value, unsigned long* length,
                          int* format) {
  std::unique_ptr<std::shared_ptr<l_QORDlgICC*>> token(static_cast<std::shared_ptr<l_QORDlgICC*>*>(client));
  std::vector<char> block;
  const bool valid = *type != None && *type != XT_CONVERT_FAIL && QORDlgICCCopyValue(value, *length, *format, &block);
  XtFree(static_cast<char*>(value));
  l_QORDlgICC* letter = **token;
  if (!valid || !letter || !letter->api) return;
  letter->readBuffer.swap(block);
  letter->api->SendNotification(letter->api, &letter->readRequestNotification);
}

void l_QORDlgICC::GetBuffer(char** data, int* size) {
  *data = readBuffer.empty() ? nullptr : readBuffer.data();
  *size = static_cast<int>(readBuffer.size());
}
