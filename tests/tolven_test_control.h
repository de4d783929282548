// A test-only control until the real controls exist: a push button whose
// letter answers class code 20 (and optionally one more code, to stand in
// for another family), applies its accelerator word like the controls will,
// and installs the short-help handler.
#pragma once
#include <Xm/PushB.h>

#include "QORDialog.h"
#include "l_QORDialog.h"

class TestControlLetter : public l_QORDialog {
 public:
  TestControlLetter(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style,
                    unsigned long extraCode)
      : l_QORDialog(father, name, api, style), extraCode(extraCode) {}
  int IsAKindOf(unsigned long code) override {
    return code == QORDlgCodeControl || (extraCode && code == extraCode) || l_QORDialog::IsAKindOf(code);
  }
  void Build() override {
    if (built) return;
    if (!resourceLock) loadResources();
    Widget parent = father ? father->GetBaseWidget(0) : nullptr;
    if (!parent) return;
    built = 1;
    baseWidget = XtVaCreateWidget(name.c_str(), xmPushButtonWidgetClass, parent, XmNuserData, this, nullptr);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    pending |= QORDlgUpdVisibility | QORDlgUpdTitle;
    update(0);
  }
  void update(unsigned long mask) override {
    if (built && ((pending | mask) & QORDlgUpdAccelerator)) {
      const QORString table = QORDialog::GetAcceleratorTranslation(accelerator);
      if (!table.IsEmpty())
        XtVaSetValues(baseWidget, XmNaccelerators, XtParseAcceleratorTable(table.c_str()), nullptr);
    }
    l_QORDialog::update(mask);
  }
  unsigned long extraCode;
};

class TestControl : public QORDialog {
 public:
  TestControl(QORDialog* father, const char* name, unsigned long style = 0, unsigned long extraCode = 0)
      : QORDialog(father, name, style) {
    typed = new TestControlLetter(father->GetLetterObject(), name, this, style, extraCode);
    letter = typed;
  }
  l_QORDialog* GetLetterObject() const override { return typed; }
  TestControlLetter* typed;
};
