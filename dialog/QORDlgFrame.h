// A bordered group with an optional title; lays its children out by grid or
// by attachments to tabulations.
#pragma once
#include <initializer_list>

#include "QORDlgAttachment.h"
#include "QORDlgBox.h"
#include "QORDlgLayoutEnvelope.h"

class QORDlgFrame : public QORDlgBox, public QORDlgLayoutEnvelope {
 public:
  QORDlgFrame(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgFrame"; }
  l_QORDialog* GetLetterObject() const override;

 protected:
  l_QORDialog* layoutLetter() const override;
};
