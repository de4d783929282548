// One page of a tab container: a container laid out by grid or by
// attachments like a frame, shown when its title is selected.
#pragma once
#include "QORDlgBox.h"
#include "QORDlgLayoutEnvelope.h"

class QORDlgTabContainer;

class QORDlgTabPage : public QORDlgBox, public QORDlgLayoutEnvelope {
 public:
  QORDlgTabPage(QORDlgTabContainer* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgTabPage"; }
  l_QORDialog* GetLetterObject() const override;

 protected:
  l_QORDialog* layoutLetter() const override;
};
