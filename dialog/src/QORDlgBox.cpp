#include "QORDlgBox.h"

#include "l_QORDlgBox.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgRadioState.h"

l_QORDlgBox::l_QORDlgBox(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s) : l_QORDialog(f, n, a, s) {
  if (s & QORDlgGridLayout) style |= QORDlgGridLayout;
  layoutManager = new l_QORDlgLayoutManager(this, QORString("LM_") + n);
}

l_QORDlgBox::~l_QORDlgBox() {
  delete layoutManager;
  layoutManager = nullptr;
}


void l_QORDlgBox::update(unsigned long mask) {
  // The common update sets the base widget's sensitivity, which Xt passes down
  // to every widget of the box.
  l_QORDialog::update(mask);
}

l_QORDialog* l_QORDlgBox::GetFirstEditable() {
  if (!(style & QORDlgShown) || !(style & QORDlgSensitive)) return nullptr;
  for (int i = 0; i < GetChildCount(); ++i)
    if (l_QORDialog* e = GetChild(i)->GetFirstEditable()) return e;
  return nullptr;
}

void l_QORDlgBox::DeselectAllBrothers(int rank, int notify) {
  auto radio = [this](int i) -> l_QORDlgRadioState* {
    if (i < 0 || i >= GetChildCount() || !GetChild(i)->IsAKindOf(QORDlgCodeRadioButton)) return nullptr;
    return dynamic_cast<l_QORDlgRadioState*>(GetChild(i));
  };
  for (int i = rank - 2; i >= 0; --i) {
    l_QORDlgRadioState* r = radio(i);
    if (!r) break;
    if (r->isRadioSelected()) {
      r->setRadioUnselected(notify);
      return;
    }
  }
  for (int i = rank; i < GetChildCount(); ++i) {
    l_QORDlgRadioState* r = radio(i);
    if (!r) break;
    if (r->isRadioSelected()) {
      r->setRadioUnselected(notify);
      return;
    }
  }
}

QORDlgBox::QORDlgBox(QORDialog* father, const QORString& name, unsigned long style) : QORDialog(father, name, style) {}

l_QORDialog* QORDlgBox::GetLetterObject() const { return letter; }
