#include "QORDlgICC.h"

#include "QORDialog.h"
#include "l_QORDlgICC.h"
#include "qordlg_assert.h"

namespace {
l_QORDialog* fatherLetter(QORDialog* father) {
  QORDLG_ASSERT(father != nullptr, "father != NULL");
  return father->GetLetterObject();
}
}  // namespace

QORDlgICC::QORDlgICC(QORDialog* father, const QORString& name)
    : QORCommand(father, name.c_str()), letter(new l_QORDlgICC(fatherLetter(father), name, this)) {}

QORDlgICC::~QORDlgICC() {
  delete letter;
  letter = nullptr;
}

unsigned long QORDlgICC::GetNewTransactionTime() { return letter->GetNewTransactionTime(); }
unsigned long QORDlgICC::GetTransactionAtom() { return l_QORDlgICC::GetTransactionAtom(); }

int QORDlgICC::InitiateWrite(unsigned long time, char* data, int size) {
  return letter->InitiateWrite(time, data, size);
}

void QORDlgICC::InitiateRead(unsigned long time) { letter->InitiateRead(time); }
void QORDlgICC::GetBuffer(char** data, int* size) { letter->GetBuffer(data, size); }

QORDlgICCWritePerformedNotification* QORDlgICC::GetICCWritePerformedNotification() const {
  return &letter->writePerformedNotification;
}

QORDlgICCReadRequestNotification* QORDlgICC::GetICCReadRequestNotification() const {
  return &letter->readRequestNotification;
}
