#include "QORDlgBlackBox.h"

#include "l_QORDlgBlackBox.h"

l_QORDlgBlackBox::~l_QORDlgBlackBox() = default;


QORDlgBlackBox::QORDlgBlackBox(QORDialog* father, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {}

l_QORDialog* QORDlgBlackBox::GetLetterObject() const { return letter; }

