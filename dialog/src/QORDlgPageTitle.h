// Internal to libTOLVEN: not API, never installed.
// One title of a tab container's strip (a plain class, not a dialog object):
// a form with the page's title and four drawn borders; the active title's
// bottom border opens onto its page.
#pragma once
#include <X11/Intrinsic.h>

#include "QORString.h"

class l_QORDlgTabContainer;

class QORDlgPageTitle {
 public:
  QORDlgPageTitle(l_QORDlgTabContainer* father, const QORUnicodeString& label);
  ~QORDlgPageTitle();
  QORDlgPageTitle(const QORDlgPageTitle&) = delete;
  QORDlgPageTitle& operator=(const QORDlgPageTitle&) = delete;

  l_QORDlgTabContainer* GetFather() const { return father; }
  Widget GetBaseWidget() const { return form; }
  Widget GetLabelWidget() const { return label; }
  const QORUnicodeString& GetLabel() const { return text; }
  void SetLabel(const QORUnicodeString& label);
  char IsUnused() const { return unused; }
  void SetUnused(char u) { unused = u; }
  char IsActive() const { return active; }
  void SetActive(char a);
  void Build(Widget parent);
  void Manage();

 private:
  enum Side { Top, Bottom, Left, Right };
  void showLabel();
  void draw(Side side);
  static void exposeCB(Widget w, XtPointer me, XtPointer call);
  static void pressEH(Widget w, XtPointer me, XEvent* event, Boolean* cont);
  static void destroyedCB(Widget w, XtPointer me, XtPointer call);

  l_QORDlgTabContainer* father;
  QORUnicodeString text;
  char active = 0;
  char unused = 0;
  Widget form = nullptr;
  Widget label = nullptr;
  Widget borders[4] = {nullptr, nullptr, nullptr, nullptr};
};
