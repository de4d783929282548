// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgStatusBar (class code 13): a drawing area "<name>Drwa"
// holding the text label "<name>Label" in the frame "<name>Frame" and the
// bar's children, placed from the right. The status text is the title.
#pragma once
#include "QORDlgStatusBar.h"
#include "l_QORDlgBar.h"

class l_QORDlgWindow;

class l_QORDlgStatusBar : public l_QORDlgBar {
 public:
  l_QORDlgStatusBar(l_QORDialog* father, const QORString& name, QORDlgStatusBar* api, unsigned long style);
  ~l_QORDlgStatusBar() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeStatusBar; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;
  // The status text stays unless the catalog gives the bar a title.
  void loadResources() override;
  // 0: the drawing area, the parent of the children; anything else the label.
  Widget GetBaseWidget(int which) override;

  void UpdateText(const QORUnicodeString& text);
  void UpdateTemporaryText(const QORUnicodeString& text);
  // Places the text frame and, at its right, the controls and frames.
  void resize();

 private:
  l_QORDlgWindow* window() const;
  void show(const QORUnicodeString& text);
  static void resizeCB(Widget w, XtPointer client, XtPointer call);

  Widget label = nullptr, textFrame = nullptr;
};
