#include "QORDlgBox.h"

#include "l_QORDlgBox.h"
#include "l_QORDlgContextualMenu.h"
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
  const bool sensitivity = built && ((pending | mask) & QORDlgUpdSensitivity);
  l_QORDialog::update(mask);
  if (sensitivity) applySensitivity();
}

void l_QORDlgBox::applySensitivity() {
  const Boolean on = IsGloballySensitive() ? True : False;
  for (Widget w : {GetBaseWidget(1), GetBaseWidget(0)})
    if (w) XtSetSensitive(w, on);
  // A child applied its own sensitivity with the box's as it was then: one
  // made sensitive while the box was not would stay greyed out.
  for (int i = 0; i < GetChildCount(); ++i) {
    l_QORDialog* child = GetChild(i);
    child->SetSensitivity(child->GetSensitivity());
    if (child->IsBuild()) child->globalUpdate(0);
  }
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

QORDlgContextualMenu* QORDlgBox::GetContextualMenu() const { return l_QORDlgContextualMenu::EnvelopeOf(letter); }
