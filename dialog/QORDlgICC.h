// Exchange of one block of bytes with another X client through the X
// selection "QORDialog": writing offers the block to whoever asks, reading
// fetches the current owner's. A command, not a dialog object: its father
// only leads to the application's display, and it builds no widget.
#pragma once
#include "QORCommand.h"
#include "QORDlgNotifications.h"
#include "QORString.h"

class QORDialog;
class l_QORDlgICC;

class QORDlgICC : public QORCommand {
 public:
  QORDlgICC(QORDialog* father, const QORString& name);
  ~QORDlgICC() override;
  const char* GetClassName() const override { return "QORDlgICC"; }

  // The time stamp of the last event processed: the one to pass below, right
  // after the user's action that starts the exchange.
  unsigned long GetNewTransactionTime();
  // The selection, target and data type of the exchange; 0 until the first
  // QORDlgICC of the process is constructed.
  static unsigned long GetTransactionAtom();
  // Offers a copy of the size bytes at data. 1 when this process now owns
  // the selection; QORDlgICCWritePerformedNotification follows when another
  // client takes it. An empty block is owned but never handed out.
  int InitiateWrite(unsigned long time, char* data, int size);
  // Asks the owner for its block; QORDlgICCReadRequestNotification follows
  // when it has arrived. Nothing follows when no owner answers: none there,
  // an empty block, or a time stamp from before the owner took the selection.
  void InitiateRead(unsigned long time);
  // The last block read (null and 0 before the first); it stays this object's.
  void GetBuffer(char** data, int* size);

  QORDlgICCWritePerformedNotification* GetICCWritePerformedNotification() const;
  QORDlgICCReadRequestNotification* GetICCReadRequestNotification() const;
  l_QORDlgICC* GetLetterObject() const { return letter; }

 private:
  l_QORDlgICC* letter;
};
