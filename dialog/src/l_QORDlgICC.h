// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgICC: the block offered on the selection "QORDialog" through
// the application's top-level shell, and the last block read from its owner.
#pragma once
#include <X11/Intrinsic.h>

#include <memory>
#include <vector>

#include "QORDlgICC.h"

class l_QORDialog;

class l_QORDlgICC {
 public:
  l_QORDlgICC(l_QORDialog* father, const QORString& name, QORDlgICC* api);
  virtual ~l_QORDlgICC();
  l_QORDlgICC(const l_QORDlgICC&) = delete;
  l_QORDlgICC& operator=(const l_QORDlgICC&) = delete;

  XtAppContext GetXtAppContext() const;
  Display* GetXtDisplay() const;
  Widget GetAppWidget() const;
  unsigned long GetNewTransactionTime() const;
  static Atom GetTransactionAtom() { return dialogAtom; }

  int InitiateWrite(unsigned long time, const char* data, int size);
  void InitiateRead(unsigned long time);
  void GetBuffer(char** data, int* size);
  QORDlgICC* GetAPIObject() const { return api; }
  // The letter whose write buffer the selection offers; null when none. One
  // per process: the shell owns the selection for all of them.
  static l_QORDlgICC* GetCurrentOwner() { return currentOwner; }

  QORDlgICCWritePerformedNotification writePerformedNotification;
  QORDlgICCReadRequestNotification readRequestNotification;

 private:
  static Boolean convertCB(Widget w, Atom* selection, Atom* target, Atom* type, XtPointer* value,
                           unsigned long* length, int* format);
  static void loseCB(Widget w, Atom* selection);
  static void valueCB(Widget w, XtPointer client, Atom* selection, Atom* type, XtPointer value,
                      unsigned long* length, int* format);

  QORDlgICC* api;
  l_QORDialog* father;
  std::vector<char> readBuffer;
  std::vector<char> writeBuffer;
  // Shared with the reads still in flight: Xt cannot take a request back, so
  // an answer that arrives after the letter is gone finds null here.
  std::shared_ptr<l_QORDlgICC*> self;

  static Atom dialogAtom;
  static l_QORDlgICC* currentOwner;
};
