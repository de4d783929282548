#include "l_QORDialog.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/CompositeP.h>
#include <Xm/Xm.h>

#include <cstdio>
#include <cstring>

#include "QORMarshal.h"
#include "QORMsgCatalog.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgText.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgToolBar.h"
#include "l_QORInteractiveApplication.h"
#include "qordlg_assert.h"

namespace {
int liveLetters = 0;
// Handles for the inspection channel; 0 stays free to mean no object.
uint32_t lastInspectHandle = 0;

bool validName(const QORString& name) {
  if (name.IsEmpty()) return false;
  for (int i = 0; i < name.GetLength(); ++i) {
    const char c = name[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')) return false;
  }
  return true;
}

// Keeps the grid, carried and no-resource bits; exactly one of shown/hidden; at least one sensitivity bit.
unsigned long normaliseStyle(unsigned long s) {
  unsigned long kept = s & (QORDlgGridLayout | QORDlgCarried | QORDlgNoResource);
  const unsigned long vis = s & (QORDlgShown | QORDlgHidden);
  kept |= (vis == QORDlgShown || vis == QORDlgHidden) ? vis : QORDlgShown;
  const unsigned long sens = s & (QORDlgSensitive | QORDlgInsensitive | QORDlgThirdState);
  kept |= sens ? sens : QORDlgSensitive;
  return kept;
}

// Moves a realized widget under another parent inside Xt's bookkeeping and on the server.
void moveWidgetUnder(Widget w, Widget newParent) {
  Widget oldParent = XtParent(w);
  if (oldParent == newParent) return;
  if (oldParent && XtIsComposite(oldParent)) {
    CompositeWidgetClass oc = reinterpret_cast<CompositeWidgetClass>(XtClass(oldParent));
    if (oc->composite_class.delete_child) (*oc->composite_class.delete_child)(w);
  }
  w->core.parent = newParent;
  if (XtIsWidget(w) && XtWindow(w) && XtWindow(newParent))
    XReparentWindow(XtDisplay(w), XtWindow(w), XtWindow(newParent), 0, 0);
  XtVaSetValues(w, XmNx, 0, XmNy, 0, nullptr);
  CompositeWidgetClass nc = reinterpret_cast<CompositeWidgetClass>(XtClass(newParent));
  if (nc->composite_class.insert_child) (*nc->composite_class.insert_child)(w);
}
// The batch of children whose managing waits for the end of their father's
// children step, innermost father last; null outside any.
std::vector<l_QORDialog*>* openManageBatch = nullptr;

// The widget an object being destroyed is about to take down with all its
// descendants; null when none.
Widget widgetGoing = nullptr;

bool isWithin(Widget w, Widget top) {
  for (; w; w = XtParent(w))
    if (w == top) return true;
  return false;
}
}  // namespace

int l_QORDialog::GetLiveCount() { return liveLetters; }

l_QORDialog::l_QORDialog(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : father(nullptr),
      pending(0),
      resourceLock(0),
      built(0),
      x(0), y(0), dx(0), dy(0),
      firstTab{nullptr, nullptr},
      secondTab{nullptr, nullptr},
      defaultOrientation(1),  // horizontal: default attachments make a row
      tabWord(1),
      style(0),
      accelerator(0),
      iconNames{nullptr, nullptr, nullptr, nullptr},
      iconType(QORDlgIconNone),
      contextualMenu(nullptr),
      help(nullptr), shortHelp(nullptr), longHelp(nullptr),
      mainWindow(nullptr),
      application(nullptr),
      layoutManager(nullptr),
      gridConstraints(nullptr),
      childNumber(0),
      api(nullptr),
      destroying(0),
      cursor(-1),
      onScreen(1),
      baseWidget(nullptr),
      destroyHandlerInstalled(0),
      lastApplyNow(0),
      inspectHandle(++lastInspectHandle ? lastInspectHandle : ++lastInspectHandle) {
  ++liveLetters;
  if (!validName(n)) {
    std::fprintf(stderr, "Dialog object name is invalid >%s<\n", n.c_str());
    std::fflush(stderr);
  }
  father = f;
  name = n;
  resourceID = n;
  api = a;
  pending = QORDlgUpdTitle | QORDlgUpdVisibility;
  x = y = 1;
  gridConstraints = new QORDlgGridConstraints;
  if (father) father->addChild(this);
  style = normaliseStyle(s);
  if (style & QORDlgInsensitive) pending |= QORDlgUpdSensitivity;
}

l_QORDialog::~l_QORDialog() {
  destroying = 1;
  if (api) {
    QORDialog* envelope = api;
    api = nullptr;
    delete envelope;  // its destructor finds the destroying flag and does not come back
  }
  // Deleted without Destroy() (an object of the program's own going out of
  // scope): nothing in the father may keep pointing here.
  if (father && childNumber > 0 && father->children.getCount() >= childNumber &&
      father->children[childNumber - 1] == this) {
    if (father->layoutManager) father->layoutManager->disconnect(this);
    father->removeChild(this);
  }
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->father = nullptr;
  delete layoutManager;  // owners that delete it themselves clear the pointer
  layoutManager = nullptr;
  delete gridConstraints;
  delete help;
  delete shortHelp;
  delete longHelp;
  for (QORString*& icon : iconNames) delete icon;
  for (void* p = !catalogs; p; p = ++catalogs) delete static_cast<QORMsgCatalog*>(p);
  for (void* p = !resourcePaths; p; p = ++resourcePaths) delete static_cast<QORString*>(p);
  --liveLetters;
}

void l_QORDialog::notify(QORNotification* n) {
  if (api) api->SendNotification(api, n);
}

// ---- tree ----

void l_QORDialog::addChild(l_QORDialog* child) {
  children.insertTail(child);
  child->SetNumChild(children.getCount());
  pending |= QORDlgUpdChildren;
  registerDifferUpdate();
}

void l_QORDialog::removeChild(l_QORDialog* child) {
  // A child knows its place: a box losing all its children, last first,
  // then costs what they are, not their square.
  int at = child ? child->GetNumChild() - 1 : -1;
  if (children[at] != child) at = children.getPosition(child);
  if (at < 0) return;
  children.removeIndex(at);
  for (int i = at; i < children.getCount(); ++i) GetChild(i)->SetNumChild(i + 1);
  child->SetNumChild(0);
  const QORDlgClassTraits& kind = traits();
  if (!kind.Has(QORDlgCapNoChildrenUpdate)) pending |= QORDlgUpdChildren;
  if (kind.Has(QORDlgCapWindow) && !child->traits().Has(QORDlgCapWindow) && baseWidget && XtIsWidget(baseWidget) &&
      XtWindow(baseWidget))
    pending |= QORDlgUpdLayout;
  registerDifferUpdate();
}

int l_QORDialog::GetChildNumberFromChild(QORDialog* child) const {
  for (int i = 0; i < children.getCount(); ++i)
    if (GetChild(i)->GetAPIObject() == child) return i;
  return -1;
}

QORDialog* l_QORDialog::GetChildFromChildNumber(int index) const {
  if (index < 0 || index >= children.getCount()) return nullptr;
  return GetChild(index)->GetAPIObject();
}

int l_QORDialog::Reparent(l_QORDialog* newFather) {
  if (newFather) {
    if (newFather == father) return 0;
    const QORDlgClassTraits& to = newFather->traits();
    if (!traits().Has(QORDlgCapMovable) || !to.Has(QORDlgCapAdopts)) return 0;
    if (to.childKind && !IsAKindOf(to.childKind)) return 0;
    if (to.childLimit && newFather->GetChildCount() >= to.childLimit) return 0;
    if (newFather->isInTreeOf(this)) return 0;  // a tree cannot hang below itself
  }
  l_QORInteractiveApplication* app = GetApplication();
  if (father) {
    if (father->layoutManager) father->layoutManager->disconnect(this);
    father->removeChild(this);
  }
  if (built && baseWidget && app && app->GetWidget()) {
    Widget top = app->GetWidget();
    XtVaSetValues(baseWidget, XmNmappedWhenManaged, False, nullptr);
    unmanage();
    moveWidgetUnder(baseWidget, top);
  }
  if (newFather) {
    father = newFather;
    newFather->addChild(this);
    pending |= QORDlgUpdReparent;
    registerDifferUpdate();
    followInCommandTree();
    return 1;
  }
  if (!father) return 0;
  application = app;
  father = nullptr;
  followInCommandTree();
  return 1;
}

bool l_QORDialog::isInTreeOf(const l_QORDialog* ancestor) const {
  for (const l_QORDialog* d = this; d; d = d->father)
    if (d == ancestor) return true;
  return false;
}

// Notifications climb and record paths are read along the envelopes' command
// tree, so the envelope hangs where the letter now hangs.
void l_QORDialog::followInCommandTree() {
  if (!api) return;
  QORDialog* newFather = father ? father->GetAPIObject() : nullptr;
  if (father && !newFather) return;  // the father's envelope went first: nowhere to hang
  api->SetFather(newFather);
}

l_QORDialog* l_QORDialog::GetWindowFather() {
  for (l_QORDialog* d = this; d; d = d->father)
    if (d->IsAKindOf(QORDlgCodeWindow)) return d;
  return nullptr;
}

l_QORDialog* l_QORDialog::GetDocumentWindow() {
  for (l_QORDialog* d = this; d; d = d->father)
    if (d->IsAKindOf(QORDlgCodeDocument)) return d;
  return nullptr;
}

l_QORInteractiveApplication* l_QORDialog::GetApplication() const {
  for (const l_QORDialog* d = this; d; d = d->father)
    if (d->application) return d->application;
  return nullptr;
}

l_QORDialog* l_QORDialog::GetMainWindow() const {
  for (const l_QORDialog* d = this; d; d = d->father)
    if (d->mainWindow) return d->mainWindow;
  return nullptr;
}

Display* l_QORDialog::GetApplicationDisplay() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetDisplay() : nullptr;
}

Widget l_QORDialog::GetApplicationWidget() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetWidget() : nullptr;
}

XtAppContext l_QORDialog::GetApplicationContext() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetContext() : nullptr;
}

l_QORDlgContextualMenu* l_QORDialog::SetContextualMenu(l_QORDlgContextualMenu* menu) {
  QORDLG_ASSERT(!menu || !contextualMenu, "contextualMenu == NULL");
  l_QORDlgContextualMenu* previous = contextualMenu;
  contextualMenu = menu;
  // A window takes the third button once it has a menu to show.
  if (traits().Has(QORDlgCapWindow)) {
    pending |= QORDlgUpdContextualMenu;
    registerDifferUpdate();
  }
  return previous;
}

int l_QORDialog::IsAKindOf(unsigned long code) { return traits().IsA(code) ? 1 : 0; }

// ---- state ----

void l_QORDialog::SetVisibility(unsigned long v) {
  if (destroying) return;
  if (v & QORDlgShown) {
    if (style & QORDlgShown) return;
    style = (style | QORDlgShown) & ~QORDlgHidden;
  } else if (v & QORDlgHidden) {
    if (style & QORDlgHidden) return;
    style = (style | QORDlgHidden) & ~QORDlgShown;
  } else {
    return;
  }
  pending |= QORDlgUpdVisibility;
  registerDifferUpdate();
  notify(&visibilityNotification);
  // A tool bar re-arranges its items when one is shown or hidden.
  if (father && father->IsAKindOf(QORDlgCodeToolBar)) static_cast<l_QORDlgToolBar*>(father)->ChildVisibilityModified();
}

unsigned long l_QORDialog::GetVisibility() { return (style & QORDlgShown) ? QORDlgShown : QORDlgHidden; }

void l_QORDialog::SetSensitivity(unsigned long s) {
  if (s != QORDlgSensitive && s != QORDlgInsensitive) return;
  style = (style & ~(QORDlgSensitive | QORDlgInsensitive | QORDlgThirdState)) | s;
  pending |= QORDlgUpdSensitivity;
  registerDifferUpdate();
}

int l_QORDialog::IsGloballySensitive() {
  if (!(style & QORDlgSensitive)) return 0;
  if (traits().Has(QORDlgCapOwnSensitivity) || !father) return 1;
  return father->IsGloballySensitive();
}

void l_QORDialog::SetStatusBarText(const QORUnicodeString& t) {
  if (father) father->SetStatusBarText(t);
}

void l_QORDialog::SetStatusBarTemporaryText(const QORUnicodeString& t) {
  if (father) father->SetStatusBarTemporaryText(t);
}

const QORUnicodeString& l_QORDialog::GetTitle() {
  if (!resourceLock) loadResources();
  return title;
}

void l_QORDialog::SetTitle(const QORUnicodeString& t) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockTitle) return;  // the catalog's title wins
  title = t;
  pending |= QORDlgUpdTitle;
  registerDifferUpdate();
}

// ---- geometry ----

void l_QORDialog::SetRectDimensions(int nx, int ny, int height, int width, int flag) {
  bool changed = false;
  if (nx >= -32768 && nx <= 32767 && ny >= -32768 && ny <= 32767 && (nx != x || ny != y)) {
    x = nx;
    y = ny;
    pending |= QORDlgUpdPosition;
    changed = true;
  }
  if (width >= 1 && width <= 32767 && height >= 1 && height <= 32767 && (width != dx || height != dy)) {
    dx = width;
    dy = height;
    pending |= QORDlgUpdSize;
    changed = true;
  }
  if (flag && built) {
    const unsigned long keep = QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdKeep;
    const unsigned long others = pending & ~keep;
    pending &= keep;
    update(0);
    pending |= others;
  }
  lastApplyNow = flag;
  if (changed) {
    registerDifferUpdate();
    pending |= QORDlgUpdResize;
    if (father) father->ChildMoved();
  }
}

void l_QORDialog::SetRectDimensions(DRECT& r, int flag) { SetRectDimensions(r.x, r.y, r.dy, r.dx, flag); }

void l_QORDialog::GetRectDimensions(int* px, int* py, int* height, int* width) {
  if (px) *px = x;
  if (py) *py = y;
  if (height) *height = dy;
  if (width) *width = dx;
}

void l_QORDialog::GetRectDimensions(DRECT* r) {
  if (r) *r = DRECT{x, y, dx, dy};
}

void l_QORDialog::SetRectPosition(int nx, int ny, int flag) {
  x = nx;
  y = ny;
  pending |= QORDlgUpdPosition;
  registerDifferUpdate();
  if (flag && built) {
    const unsigned long keep = QORDlgUpdPosition | QORDlgUpdKeep;
    const unsigned long others = pending & ~keep;
    pending &= keep;
    update(0);
    pending |= others;
  }
  if (father) father->ChildMoved();
}

void l_QORDialog::SetRectPosition(DPOS& p, int flag) { SetRectPosition(p.x, p.y, flag); }

void l_QORDialog::GetRectPosition(int* px, int* py) {
  if (px) *px = x;
  if (py) *py = y;
}

void l_QORDialog::GetRectPosition(DPOS* p) {
  if (p) *p = DPOS{x, y};
}

void l_QORDialog::GetMinRectDimensions(int* height, int* width) {
  if (layoutManager) {
    int w = 0, h = 0;
    layoutManager->getMaxShrinkValues(w, h);
    if (height) *height = dy - h;
    if (width) *width = dx - w;
    return;
  }
  if (height) *height = 3;
  if (width) *width = 3;
}

void l_QORDialog::GetAbsolutePosition(int& ax, int& ay) {
  ax = ay = 0;
  if (traits().Has(QORDlgCapWindow)) {
    ax = x;
    ay = y;
    return;
  }
  if (built && baseWidget && XtIsWidget(baseWidget) && XtParent(baseWidget)) {
    Position rx = 0, ry = 0;
    XtTranslateCoords(XtParent(baseWidget), static_cast<Position>(x), static_cast<Position>(y), &rx, &ry);
    ax = rx;
    ay = ry;
  }
}

int l_QORDialog::TranslateCoordinates(DRECT& r, DPOS& p) {
  if (r.dx < 1 || r.dy < 1 || r.x < -32768 || r.y < -32768) return 0;
  if (static_cast<long>(r.x) + r.dx > 32767 || static_cast<long>(r.y) + r.dy > 32767) return 0;
  p.x = r.x;
  p.y = r.y;
  return 1;
}

// ---- deferred update ----

void l_QORDialog::registerDifferUpdate() {
  if (l_QORInteractiveApplication* app = GetApplication()) app->registerDifferUpdate();
}

void l_QORDialog::globalUpdate(unsigned long force) {
  const bool window = traits().Has(QORDlgCapWindow);
  if (!built && (pending & QORDlgUpdSubclass) && window) BuildWindow();
  if ((pending & QORDlgUpdVisibility) && !(pending & QORDlgUpdChildren) && window) {
    const unsigned long others = pending & ~QORDlgUpdVisibility;
    pending = QORDlgUpdVisibility;
    update(0);
    const unsigned long raised = pending & QORDlgUpdKeep;
    pending = others | raised;
  }
  // Children first, so a father lays out children that are up to date. The
  // list may change under us (a child built late adds grand-children), so index.
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->globalUpdate(force);
  if (pending == 0 && force == 0) return;
  if (pending & QORDlgUpdReparent) {
    Widget fw = father ? father->GetBaseWidget(0) : nullptr;
    if (father && father->IsBuild() && fw && XtWindowOfObject(fw)) update(force);
    return;
  }
  update(force);
}

void l_QORDialog::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (raised & QORDlgUpdChildren) buildChildren([](l_QORDialog* child) { child->Build(); });
  if (raised & QORDlgUpdVisibility) {
    if (IsOnScreen()) manage();
    else unmanage();
  }
  bool reparentPending = false;
  if (raised & QORDlgUpdReparent) {
    Widget fw = father ? father->GetBaseWidget(0) : nullptr;
    if (baseWidget && fw && XtWindowOfObject(fw)) {
      moveWidgetUnder(baseWidget, fw);
      XtVaSetValues(baseWidget, XmNmappedWhenManaged, True, nullptr);
      if (IsOnScreen()) manage();
    } else if (baseWidget) {
      reparentPending = true;
    }
  }
  if ((raised & QORDlgUpdTitle) && baseWidget) {
    XmString s = QORDlgText::toXmString(title);
    XtVaSetValues(baseWidget, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
  if ((raised & QORDlgUpdMnemonic) && baseWidget && traits().Has(QORDlgCapMnemonicOnWidget) && !mnemonic.IsNull())
    XtVaSetValues(baseWidget, XmNmnemonic, static_cast<KeySym>(mnemonic.GetCode()), nullptr);
  if ((raised & QORDlgUpdContextualMenu) && baseWidget) EnableThreeButton();
  if ((raised & QORDlgUpdSensitivity) && baseWidget) XtSetSensitive(baseWidget, IsGloballySensitive() ? True : False);
  if (raised & QORDlgUpdLayout) relayout();
  if ((raised & QORDlgUpdPosition) && baseWidget) XtMoveWidget(baseWidget, static_cast<Position>(x), static_cast<Position>(y));
  bool sizePending = false;
  if (raised & QORDlgUpdSize) {
    if (baseWidget && dx >= 1 && dy >= 1) {
      XtResizeWidget(baseWidget, static_cast<Dimension>(dx), static_cast<Dimension>(dy), baseWidget->core.border_width);
    } else if (dx >= 1 && dy >= 1) {
      sizePending = true;
    }
  }
  const bool cursorPending = (raised & QORDlgUpdCursor) && !applyCursor();
  const bool sendResize = (raised & QORDlgUpdResize) && api && built;
  pending = 0;
  if (cursorPending) pending |= QORDlgUpdCursor;  // applied once the window exists
  if (sizePending) {
    pending |= QORDlgUpdSize;
    registerDifferUpdate();
  }
  if (reparentPending) {
    pending |= QORDlgUpdReparent;
    if (father) father->registerDifferUpdate();
  }
  if (sendResize) notify(&resizeNotification);
}

void l_QORDialog::buildChildren(const std::function<void(l_QORDialog*)>& build) {
  // Managed together once all are built: one geometry round per parent
  // instead of one per child, and each window mapped once, at the place
  // and size its own update gave it.
  std::vector<l_QORDialog*> batch;
  std::vector<l_QORDialog*>* outer = openManageBatch;
  openManageBatch = &batch;
  for (int i = 0; i < children.getCount(); ++i) build(GetChild(i));
  openManageBatch = outer;
  flushManageBatch(batch);
}

void l_QORDialog::ordermanagelist(l_QORDlgList& toManage, l_QORDlgList& ordered) {
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->ordermanagelist(toManage, ordered);
  if (toManage.getPosition(this) >= 0) ordered.insertTail(this);
}

void l_QORDialog::manage() {
  if (!baseWidget) return;
  if (openManageBatch && !XtIsManaged(baseWidget)) openManageBatch->push_back(this);
  else XtManageChild(baseWidget);
}

void l_QORDialog::flushManageBatch(std::vector<l_QORDialog*>& batch) {
  // XtManageChildren wants one parent per call: consecutive runs share one.
  std::vector<Widget> run;
  auto manageRun = [&run] {
    if (!run.empty()) XtManageChildren(run.data(), static_cast<Cardinal>(run.size()));
    run.clear();
  };
  for (l_QORDialog* l : batch) {
    // Destroyed or hidden again since it asked: its widget is gone or stays unmanaged.
    Widget w = l->baseWidget;
    if (!w || XtIsManaged(w) || !l->IsOnScreen()) continue;
    if (!run.empty() && XtParent(run.front()) != XtParent(w)) manageRun();
    run.push_back(w);
  }
  manageRun();
  // A cursor asked for before the window existed can go on it now.
  for (l_QORDialog* l : batch)
    if ((l->pending & QORDlgUpdCursor) && l->baseWidget && l->applyCursor()) l->pending &= ~QORDlgUpdCursor;
}

void l_QORDialog::unmanage() {
  if (baseWidget) XtUnmanageChild(baseWidget);
}

Widget l_QORDialog::GetBaseWidget(int) { return baseWidget; }

// ---- destruction ----

void l_QORDialog::Destroy() {
  BulleDestroy();
  if (destroying) return;
  l_QORInteractiveApplication* app = GetApplication();
  // Its widget goes with every descendant in one XtDestroyWidget below: the
  // children leave theirs to it rather than each making their parent
  // rearrange the ones left.
  Widget outerGoing = widgetGoing;
  if (!widgetGoing && built && baseWidget && XtIsWidget(baseWidget)) widgetGoing = baseWidget;
  while (children.getCount() > 0) {
    l_QORDialog* child = GetChild(children.getCount() - 1);
    const int before = children.getCount();
    child->Destroy();
    if (children.getCount() == before) children -= child;  // a child already on its way out
  }
  if (father && father->layoutManager) father->layoutManager->disconnect(this);
  if (father) father->removeChild(this);
  if (app) app->AddDestroyObject(this);
  if (widgetGoing == baseWidget && outerGoing == nullptr) widgetGoing = nullptr;
  UnBuild();
  widgetGoing = outerGoing;
}

void l_QORDialog::UnBuild() {
  if (!built) return;
  built = 0;
  if (traits().Has(QORDlgCapUnmanageOnUnBuild)) unmanage();
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->UnBuild();
  RemoveDestroyHandler();
  if (baseWidget && XtIsWidget(baseWidget)) {
    if (!(widgetGoing && isWithin(baseWidget, widgetGoing))) XtDestroyWidget(baseWidget);
    baseWidget = nullptr;
  }
}

Widget l_QORDialog::beginBuild() {
  if (!resourceLock) loadResources();
  Widget parent = father ? father->GetBaseWidget(0) : nullptr;
  if (parent) built = 1;
  return parent;
}

void l_QORDialog::destroyCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDialog*>(client)->widgetDestroyed();
}

void l_QORDialog::InstallDestroyHandler() {
  if (destroyHandlerInstalled || !baseWidget) return;
  XtAddCallback(baseWidget, XmNdestroyCallback, destroyCB, this);
  destroyHandlerInstalled = 1;
}

void l_QORDialog::RemoveDestroyHandler() {
  if (!destroyHandlerInstalled || !baseWidget) return;
  XtRemoveCallback(baseWidget, XmNdestroyCallback, destroyCB, this);
  destroyHandlerInstalled = 0;
}

void l_QORDialog::widgetDestroyed() {
  baseWidget = nullptr;
  built = 0;
  destroyHandlerInstalled = 0;
}

