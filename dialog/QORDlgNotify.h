// QORDlgNotify: the message box. A text with the icon of its kind (question,
// information, warning, error) and a fixed set of buttons. Shown like any
// window, each press sends one notification; DisplayBlocked instead waits in
// an event loop of its own for a press and returns which button it was.
#pragma once
#include "QORDlgWindow.h"

class QORInteractiveApplication;

class QORDlgNotify : public QORDlgWindow {
 public:
  // Style: one kind and one button set of QORDlgStyle.h, QORDlgNotifyModal,
  // QORDlgNotifyHelp. Without a button set: OK, plus Cancel for a question.
  QORDlgNotify(QORDialog* father, const QORString& name, unsigned long style);
  // A box without father window, registered with the application.
  QORDlgNotify(QORInteractiveApplication* application, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgNotify"; }
  l_QORDialog* GetLetterObject() const override;

  // A text from the catalog ("Text") wins over the program's.
  void SetText(const QORUnicodeString& text);
  QORUnicodeString GetText() const;
  // The default set's button titles; a box with an explicit set ignores them.
  void SetOKTitle(const QORUnicodeString& title);
  void SetCANCELTitle(const QORUnicodeString& title);
  void SetHELPTitle(const QORUnicodeString& title);
  QORUnicodeString GetOKTitle() const;
  QORUnicodeString GetCANCELTitle() const;
  QORUnicodeString GetHELPTitle() const;

  QORDlgDiaOKNotification* GetDiaOKNotification() const;
  QORDlgDiaCANCELNotification* GetDiaCANCELNotification() const;
  QORDlgDiaHELPNotification* GetDiaHELPNotification() const;
  QORDlgNfyAbortNotification* GetNfyAbortNotification() const;
  QORDlgNfyRetryNotification* GetNfyRetryNotification() const;
  QORDlgNfyIgnoreNotification* GetNfyIgnoreNotification() const;
  QORDlgNfyOKNotification* GetNfyOKNotification() const;
  QORDlgNfyCancelNotification* GetNfyCancelNotification() const;
  QORDlgNfyYesNotification* GetNfyYesNotification() const;
  QORDlgNfyNoNotification* GetNfyNoNotification() const;

  // Shows the box with `text` and `title` and returns once a button was
  // pressed (other windows keep working meanwhile): one of the
  // QORDlgNotifyAnswer values, or, with the default set, the position of the
  // button (1 OK, 2 Cancel, 3 Help). No notification is sent for the press.
  int DisplayBlocked(const QORUnicodeString& text, const QORUnicodeString& title);
};
