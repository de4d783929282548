#include "QORDlgBar.h"

#include "l_QORDlgBar.h"
#include "l_QORDlgRadioState.h"

l_QORDlgBar::l_QORDlgBar(l_QORDialog* f, const QORString& n, QORDlgBar* a, unsigned long s) : l_QORDialog(f, n, a, s) {}

void l_QORDlgBar::update(unsigned long mask) {
  // A bar keeps its own widget sensitive: its children follow their own sensitivities.
  pending &= ~QORDlgUpdSensitivity;
  l_QORDialog::update(mask & ~QORDlgUpdSensitivity);
}

void l_QORDlgBar::DeselectAllBrothers(int position, int notify) {
  // Adjacent radio buttons form a group: scan back, then forward, from the caller.
  auto radio = [this](int i) -> l_QORDlgRadioState* {
    if (i < 0 || i >= GetChildCount() || !GetChild(i)->IsAKindOf(QORDlgCodeRadioButton)) return nullptr;
    return dynamic_cast<l_QORDlgRadioState*>(GetChild(i));
  };
  for (int step : {-1, 1}) {
    for (int i = position - 1 + step; l_QORDlgRadioState* r = radio(i); i += step) {
      if (!r->isRadioSelected()) continue;
      r->setRadioUnselected(notify);
      return;
    }
  }
}
