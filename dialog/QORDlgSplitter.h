// Two children side by side (or one above the other with
// QORDlgSplitterVertical) and a sash between them that the user drags to
// share the space. The sash keeps its place when the splitter is resized;
// with QORDlgSplitterFirstAbsorbs the second child keeps its size instead.
// Only the first two children are shown.
#pragma once
#include "QORDlgBox.h"

class QORDlgSplitter : public QORDlgBox {
 public:
  QORDlgSplitter(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSplitter"; }
  l_QORDialog* GetLetterObject() const override;
  // The two children exchange places at the next update.
  void SwitchChildren();
};
