#include "QORDlgTabContainer.h"

#include <X11/IntrinsicP.h>
#include <Xm/Form.h>

#include <algorithm>

#include "QORDlgPageTitle.h"
#include "QORDlgTabPage.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgTabContainer.h"
#include "l_QORDlgTabPage.h"

namespace {
// Around a page: the work area's shadow (2) and a margin of 7, on each side.
constexpr int kPageInset = 7;
constexpr int kPageRoom = 18;
}  // namespace

l_QORDlgTabContainer::l_QORDlgTabContainer(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  style |= s & QORDlgTabNoArrows;
}

l_QORDlgTabContainer::~l_QORDlgTabContainer() {
  for (QORDlgPageTitle* t : titles) delete t;
  delete filler;
}

void l_QORDlgTabContainer::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  baseWidget = XtVaCreateWidget("form", xmFormWidgetClass, parent, XmNresizePolicy, XmRESIZE_NONE, XmNmarginWidth, 0,
                                XmNmarginHeight, 0, XmNshadowThickness, 0, nullptr);
  buildStrip();
  InstallDestroyHandler();
  InstallFurtifHelpHandler(baseWidget);
  pending |= QORDlgUpdChildren | QORDlgUpdPosition | QORDlgUpdSize | QORDlgUpdVisibility;
  update(0);
}

void l_QORDlgTabContainer::widgetDestroyed() {
  selectArea = rightArrow = leftArrow = scrollWindow = titleBox = workArea = clientArea = nullptr;
  l_QORDlgBox::widgetDestroyed();
}

Widget l_QORDlgTabContainer::GetBaseWidget(int which) { return which == 0 ? clientArea : baseWidget; }

void l_QORDlgTabContainer::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  // The form shows no title; the selection is applied here.
  constexpr unsigned long mine = QORDlgUpdTabSelection | QORDlgUpdTitle;
  pending &= ~mine;
  mask &= ~mine;
  if (built) {
    if (raised & QORDlgUpdChildren) {
      addFiller();
      reconcilePages();
      for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->Build();
    }
    if (raised & QORDlgUpdTitle) retitle();
    if ((raised & (QORDlgUpdChildren | QORDlgUpdSize)) || sizeDirty) fitPages();
    if (raised & (QORDlgUpdTabSelection | QORDlgUpdChildren)) showSelection();
  }
  l_QORDlgBox::update(mask);
  if (built) ComputeVisibleItems();
}

// Pages moved in or out by Reparent: the page list follows the children.
void l_QORDlgTabContainer::reconcilePages() {
  for (int i = GetPageCount() - 1; i >= 0; --i)
    if (pages[i]->getFather() != this) {
      if (titles[i]) RemovePage(i);
      removePage(pages[i]);
    }
  for (int i = 0; i < GetChildCount(); ++i) {
    auto* page = static_cast<l_QORDlgTabPage*>(GetChild(i));
    if (!page->IsAKindOf(QORDlgCodeTabPage) || pageIndex(page) >= 0) continue;
    addPage(page);
    if (page->IsBuild()) page->SetPositionIndex(AddPage(page));
  }
}

void l_QORDlgTabContainer::retitle() {
  for (int i = 0; i < GetPageCount(); ++i)
    if (titles[i]) titles[i]->SetLabel(pageTitle(pages[i]));
}

QORUnicodeString l_QORDlgTabContainer::pageTitle(l_QORDialog* page) {
  const QORUnicodeString& t = page->GetTitle();
  return t.IsEmpty() ? QORUnicodeString(page->GetName()) : t;
}

void l_QORDlgTabContainer::ChildMoved() {
  sizeDirty = true;
  registerDifferUpdate();
}

// The container makes room for its largest page, and every page fills the work area.
void l_QORDlgTabContainer::fitPages() {
  sizeDirty = false;
  int nw = 0, nh = 0;
  for (l_QORDlgTabPage* p : pages) {
    int w = 0, h = 0;
    p->GetNaturalSize(w, h);
    nw = std::max(nw, w);
    nh = std::max(nh, h);
  }
  const int wantW = nw + kPageRoom, wantH = nh + stripHeight + kPageRoom;
  if (dx < wantW || dy < wantH) {
    dx = std::max(dx, wantW);
    dy = std::max(dy, wantH);
    pending |= QORDlgUpdSize | QORDlgUpdResize;
    if (father) father->ChildMoved();
  }
  const int pw = dx - kPageRoom, ph = dy - stripHeight - kPageRoom;
  for (l_QORDlgTabPage* p : pages)
    if (p->IsBuild()) p->SetRectDimensions(kPageInset, kPageInset, ph, pw, 1);
}

void l_QORDlgTabContainer::GetMinRectDimensions(int* height, int* width) {
  int mw = 0, mh = 0;
  for (l_QORDlgTabPage* p : pages) {
    int h = 0, w = 0;
    p->GetMinRectDimensions(&h, &w);
    mw = std::max(mw, w);
    mh = std::max(mh, h);
  }
  if (width) *width = mw + kPageRoom;
  if (height) *height = mh + stripHeight + kPageRoom;
}

l_QORDialog* l_QORDlgTabContainer::GetFirstEditable() {
  if (!(style & QORDlgShown) || !(style & QORDlgSensitive)) return nullptr;
  l_QORDialog* page = GetSelectedPagePtr();
  return page ? page->GetFirstEditable() : nullptr;
}

void l_QORDlgTabContainer::Destroy() {
  // Its pages go with it: no selection changes meanwhile.
  containerDestroying = true;
  l_QORDlgBox::Destroy();
}

// ---- record and replay ----

void l_QORDlgTabContainer::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&tabSelectNotification, [this](l_QORDlgRecordIo& io) {
    io.field(current);
    io.detail("_currentTabSelected= %d\n", current);
    if (!io.replaying()) return;
    pending |= QORDlgUpdTabSelection;
    registerDifferUpdate();
  });
  l_QORDlgBox::recordCases(cases);
}

// The program builds the first page while the window is made: a replay
// makes it again at the same moment, so that announcement is delivered but
// not recorded (a recorded one would come back only once the replay starts).
int l_QORDlgTabContainer::SaveState(QORNotification* n, QORMarshal& m) {
  if (announcingFirst && n == &tabSelectNotification) return QORDlgSaveNotMine;
  return l_QORDlgBox::SaveState(n, m);
}

// ---- envelope ----

QORDlgTabContainer::QORDlgTabContainer(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgTabContainer(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgTabContainer::GetLetterObject() const { return letter; }

void QORDlgTabContainer::SetSelectedPage(QORDlgTabPage* page, int notify) {
  letterAs<l_QORDlgTabContainer>()->SetSelectedPage(page ? page->GetLetterObject() : nullptr, notify);
}

void QORDlgTabContainer::SetSelectedPage(int index, int notify) {
  letterAs<l_QORDlgTabContainer>()->SetSelectedPage(index, notify);
}

int QORDlgTabContainer::GetSelectedPage() const { return letterAs<l_QORDlgTabContainer>()->GetSelectedPage(); }

QORDlgTabPage* QORDlgTabContainer::GetSelectedPagePtr() const {
  l_QORDialog* page = letterAs<l_QORDlgTabContainer>()->GetSelectedPagePtr();
  return page ? static_cast<QORDlgTabPage*>(page->GetAPIObject()) : nullptr;
}

int QORDlgTabContainer::GetPageCount() const { return letterAs<l_QORDlgTabContainer>()->GetPageCount(); }

QORDlgTabSelectNotification* QORDlgTabContainer::GetTabSelectNotification() const {
  return notificationOf(&l_QORDlgTabContainer::tabSelectNotification);
}
