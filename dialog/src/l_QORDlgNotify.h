// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgNotify (class code 5): a Motif message dialog of the box's
// kind, whose OK, Cancel and Help children are the three button positions.
#pragma once
#include "QORDlgNotify.h"
#include "l_QORDlgWindow.h"

class l_QORDlgNotify : public l_QORDlgWindow {
 public:
  l_QORDlgNotify(l_QORDialog* father, const QORString& name, QORDlgNotify* api, unsigned long style);
  ~l_QORDlgNotify() override;

  void Build() override {}
  unsigned long GetClassCode() const override { return QORDlgCodeNotify; }
  void update(unsigned long mask) override;
  void loadResources() override;
  void manage() override;
  void unmanage() override;
  void BuildWindow() override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  void SetText(const QORUnicodeString& text);
  QORUnicodeString GetText();
  // Positions 0, 1, 2: the default set's OK, Cancel and Help titles.
  void SetButtonTitle(int position, const QORUnicodeString& title);
  QORUnicodeString GetButtonTitle(int position);
  int DisplayBlocked(const QORUnicodeString& text, const QORUnicodeString& title);

  // Button at position 0, 1 or 2 (Motif's OK, Cancel, Help children).
  Widget GetButtonWidget(int position) const { return buttons[position]; }
  Widget GetShell() const { return shell; }
  // 1, 2, 3: the position last pressed; 0 before any.
  int GetResponse() const { return response; }
  bool IsBlocked() const { return !ready; }

  QORDlgDiaOKNotification diaOKNotification;
  QORDlgDiaCANCELNotification diaCANCELNotification;
  QORDlgDiaHELPNotification diaHELPNotification;
  QORDlgNfyAbortNotification nfyAbortNotification;
  QORDlgNfyRetryNotification nfyRetryNotification;
  QORDlgNfyIgnoreNotification nfyIgnoreNotification;
  QORDlgNfyOKNotification nfyOKNotification;
  QORDlgNfyCancelNotification nfyCancelNotification;
  QORDlgNfyYesNotification nfyYesNotification;
  QORDlgNfyNoNotification nfyNoNotification;

 private:
  static void buttonCB(Widget w, XtPointer client, XtPointer call);
  void pressed(int position);
  // The notification of a position in the box's set, null when hidden.
  QORNotification* notificationAt(int position);
  int blockingResult() const;
  void waitForAnswer();
  bool ownsWindow(Window w) const;

  QORUnicodeString titles[3];
  QORUnicodeString text;
  const struct NotifyButtonSet* set;
  Widget buttons[3] = {};
  Widget shell = nullptr;
  int ready = 1;
  int response = 0;
  int resourceTitles = 0, resourceText = 0;
  // Points at the blocking display's flag while it waits: a box deleted
  // meanwhile clears it, so the loop ends without touching the box.
  bool* alive = nullptr;
};
