#include "QORDlgTabPage.h"

#include <X11/IntrinsicP.h>
#include <Xm/DrawingA.h>

#include "QORDlgPageTitle.h"
#include "QORDlgTabContainer.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgTabContainer.h"
#include "l_QORDlgTabPage.h"

l_QORDlgTabPage::l_QORDlgTabPage(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  if (l_QORDlgTabContainer* c = container()) c->addPage(this);
}

l_QORDlgTabContainer* l_QORDlgTabPage::container() const {
  return father && father->IsAKindOf(QORDlgCodeTabContainer) ? static_cast<l_QORDlgTabContainer*>(father) : nullptr;
}

void l_QORDlgTabPage::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  // Mapped by the container when it is the selected page.
  l_QORDlgTabContainer* c = container();
  baseWidget = XtVaCreateWidget(name.c_str(), xmDrawingAreaWidgetClass, parent, XmNmarginWidth, 0, XmNmarginHeight, 0,
                                XmNresizePolicy, XmRESIZE_NONE, XmNmappedWhenManaged, c ? False : True, nullptr);
  InstallDestroyHandler();
  InstallFurtifHelpHandler(baseWidget);
  if (c) positionIndex = c->AddPage(this);
  pending |= QORDlgUpdChildren | QORDlgUpdPosition | QORDlgUpdSize | QORDlgUpdVisibility;
  update(0);
}

Widget l_QORDlgTabPage::GetPageTitleBaseWidget() const {
  l_QORDlgTabContainer* c = container();
  const int i = c ? c->pageIndex(this) : -1;
  QORDlgPageTitle* t = i >= 0 ? c->GetTitle(i) : nullptr;
  return t ? t->GetBaseWidget() : nullptr;
}

void l_QORDlgTabPage::firstLayout() {
  layoutManager->initX(1);
  layoutManager->initY(1);
  layoutManager->Layout();
  layoutManager->getSize(naturalWidth, naturalHeight);
  if (naturalWidth != dx || naturalHeight != dy) {
    dx = naturalWidth;
    dy = naturalHeight;
    pending |= QORDlgUpdSize | QORDlgUpdResize;
    if (father) father->ChildMoved();
  }
}

void l_QORDlgTabPage::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  // A page shows no title itself: its container's strip does.
  pending &= ~QORDlgUpdTitle;
  mask &= ~QORDlgUpdTitle;
  if (built) {
    if (raised & QORDlgUpdChildren)
      for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->Build();
    if (!layoutManager->isFirstLayoutDone()) {
      firstLayout();
    } else if (raised & QORDlgUpdLayout) {
      int w = 0, h = 0;
      layoutManager->getSize(w, h);
      layoutManager->updateSize(w, h, 1);
      layoutManager->getRequestedSize(naturalWidth, naturalHeight);
      layoutManager->adoptRequestedSize(-1, -1);
      pending &= ~QORDlgUpdLayout;
      mask &= ~QORDlgUpdLayout;
      if (father) father->ChildMoved();
    } else if (raised & QORDlgUpdSize) {
      int w = 0, h = 0;
      layoutManager->getSize(w, h);
      if (w != dx || h != dy) layoutManager->updateSize(dx, dy, 0);
    }
    if ((raised & QORDlgUpdTitle) && container()) {
      father->RaisePending(QORDlgUpdTitle);
      father->registerDifferUpdate();
    }
  }
  l_QORDlgBox::update(mask);
}

void l_QORDlgTabPage::Destroy() {
  if (l_QORDlgTabContainer* c = container()) {
    const int i = c->pageIndex(this);
    if (built && i >= 0) c->RemovePage(i);
    c->removePage(this);
  }
  l_QORDlgBox::Destroy();
}

// ---- envelope ----

QORDlgTabPage::QORDlgTabPage(QORDlgTabContainer* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgTabPage(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgTabPage::GetLetterObject() const { return letter; }

l_QORDialog* QORDlgTabPage::layoutLetter() const { return letter; }
