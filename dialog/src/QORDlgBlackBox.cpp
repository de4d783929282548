#include "QORDlgBlackBox.h"

#include "l_QORDlgBlackBox.h"

l_QORDlgBlackBox::~l_QORDlgBlackBox() = default;

int l_QORDlgBlackBox::IsAKindOf(unsigned long code) {
  return code == QORDlgCodeBlackBox || l_QORDialog::IsAKindOf(code);
}

QORDlgBlackBox::QORDlgBlackBox(QORDialog* father, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {}

l_QORDialog* QORDlgBlackBox::GetLetterObject() const { return letter; }

