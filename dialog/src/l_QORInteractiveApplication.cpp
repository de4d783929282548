// Letter of QORInteractiveApplication: construction, attaching to a published
// shell or opening the display, and the environment the objects rely on.
#include "l_QORInteractiveApplication.h"

#include <X11/Shell.h>
#include <X11/Xutil.h>
#include <Xm/Display.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "QORApplication.h"
#include "QORCommand.h"
#include "QOREnv.h"
#include "QORInteractiveApplication.h"
#include "QORMsgCatalog.h"
#include "QORSettingRepository.h"
#include "QORDlgBmp.h"
#include "l_QORDlgCombo.h"
#include "l_QORDlgControl.h"
#include "l_QORDlgMultiList.h"
#include "l_QORDlgDesktopShell.h"
#include "l_QORDlgIconBox.h"
#include "l_QORInteractiveApplicationShared.h"

using interactive_application::ensureIdleWorkProc;
using interactive_application::installSubscribeHook;
using interactive_application::liveLetters;

QORDlgGlobalXResources GlobalXResources;
Display* QORDlgXtDisplay = nullptr;

Atom l_QORInteractiveApplication::Atom_Enter = 0;
Atom l_QORInteractiveApplication::Atom_Leave = 0;
QORString* l_QORInteractiveApplication::ResourceFileName = nullptr;
QORDlgStaticTexts* l_QORInteractiveApplication::Static = nullptr;
QORSettingRepository* l_QORInteractiveApplication::DialogPosition = nullptr;
QORString* l_QORInteractiveApplication::IconSize = nullptr;
int l_QORInteractiveApplication::fOldResource = 0;
int l_QORInteractiveApplication::fAutomaticContextualHelp = 0;
l_QORDlgList l_QORInteractiveApplication::ResourceCatalog;
l_QORDlgList l_QORInteractiveApplication::ResourceCatalogName;
l_QORDlgList l_QORInteractiveApplication::CacheIconName;
l_QORDlgList l_QORInteractiveApplication::CacheIconValue;
l_QORInteractiveApplication* l_QORInteractiveApplication::current = nullptr;
QORCommand* l_QORInteractiveApplication::idleCommand = nullptr;
long l_QORInteractiveApplication::hostRecordWord = 0;

namespace {

// ---- the published top-level shell ----

// putenv keeps the pointer: both texts live as long as the process.
char publishedShell[64];
char clearedShell[] = "VELDTODOTOP=";

// The shell is published as its address in decimal, printed as an unsigned
// long (pointers are 64-bit), and read back with strtoul.
Widget parseShell(const char* text) {
  if (!text || !*text) return nullptr;
  char* end = nullptr;
  errno = 0;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (errno || *end || value == 0) return nullptr;
  return reinterpret_cast<Widget>(static_cast<uintptr_t>(value));
}

// The shell this process published, and whether `value` came with the
// process at exec time: then it names a shell of the parent process, which
// means nothing here.
Widget ownShell = nullptr;

bool inheritedAtExec(const char* value) {
  FILE* f = std::fopen("/proc/self/environ", "rb");
  if (!f) return false;
  const std::string wanted = std::string("VELDTODOTOP=") + value;
  std::string entry;
  bool found = false;
  for (int c; !found && (c = std::fgetc(f)) != EOF;) {
    if (c != 0) {
      if (entry.size() <= wanted.size()) entry.push_back(static_cast<char>(c));
      continue;
    }
    found = entry == wanted;
    entry.clear();
  }
  found = found || entry == wanted;
  std::fclose(f);
  return found;
}

// True when `size` bytes at p can be read.
bool readable(const void* p, size_t size) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  const ssize_t n = write(fds[1], p, size);
  close(fds[0]);
  close(fds[1]);
  return n == static_cast<ssize_t>(size);
}

// A widget records its own address; anything else is not a widget.
bool looksLikeShell(Widget w) {
  if (!readable(w, sizeof(Widget) * 4)) return false;
  Widget self = nullptr;
  std::memcpy(&self, w, sizeof self);  // core.self is the first field of every widget
  return self == w && XtIsShell(w);
}

// ---- the shared pixmap cursor: an arrow dragging a page ----

const char* const cursorArt[16] = {
    "##              ", "#.#             ", "#..#            ", "#...#           ",
    "#....#          ", "#.....#         ", "#......#        ", "#....###        ",
    "#.##.#  ########", "##  #.# #......#", "     #.##......#", "      # #......#",
    "        #......#", "        #......#", "        #......#", "        ########"};

Cursor createPixmapCursor(Display* d) {
  // XBM layout: 2 bytes a row, least significant bit first.
  char source[32] = {}, mask[32] = {};
  for (int row = 0; row < 16; ++row)
    for (int col = 0; col < 16; ++col) {
      const char c = cursorArt[row][col];
      const int byte = row * 2 + col / 8;
      const char bit = static_cast<char>(1 << (col % 8));
      if (c == '#') source[byte] |= bit;
      if (c != ' ') mask[byte] |= bit;
    }
  Window root = DefaultRootWindow(d);
  Pixmap src = XCreateBitmapFromData(d, root, source, 16, 16);
  Pixmap msk = XCreateBitmapFromData(d, root, mask, 16, 16);
  XColor black{}, white{};
  white.red = white.green = white.blue = 0xffff;
  black.flags = white.flags = DoRed | DoGreen | DoBlue;
  Cursor c = XCreatePixmapCursor(d, src, msk, &black, &white, 0, 0);
  XFreePixmap(d, src);
  XFreePixmap(d, msk);
  return c;
}

// ---- Xt actions ----

// The actions are registered at start-up so translation tables naming them
// parse. "Motion" and "Accelerator" reach the controls, "MotionIconBox" the
// icon boxes, the combo's Up and Down its letter, the six List ones the
// multi-column list.

XtActionsRec toolkitActions[] = {
    {const_cast<String>("QORDlgComboUp"), l_QORDlgCombo::ComboUpCB},
    {const_cast<String>("QORDlgComboDown"), l_QORDlgCombo::ComboDownCB},
    {const_cast<String>("Motion"), l_QORDlgControl::MotionCB},
    {const_cast<String>("Accelerator"), l_QORDlgControl::AcceleratorCB},
    {const_cast<String>("MotionIconBox"), l_QORDlgIconBox::MotionIconBoxCB},
    {const_cast<String>("ListNextItemCB"), l_QORDlgMultiList::ListNextItemCB},
    {const_cast<String>("ListPrevItemCB"), l_QORDlgMultiList::ListPrevItemCB},
    {const_cast<String>("ListExtendNextItemCB"), l_QORDlgMultiList::ListExtendNextItemCB},
    {const_cast<String>("ListExtendPrevItemCB"), l_QORDlgMultiList::ListExtendPrevItemCB},
    {const_cast<String>("ListPageUpCB"), l_QORDlgMultiList::ListPageUpCB},
    {const_cast<String>("ListPageDownCB"), l_QORDlgMultiList::ListPageDownCB},
};

// ---- icon cache ----

void freeIconCache() {
  for (void* p = !l_QORInteractiveApplication::CacheIconName; p; p = ++l_QORInteractiveApplication::CacheIconName)
    delete static_cast<QORString*>(p);
  if (QORDlgXtDisplay)
    for (int i = 0; i < l_QORInteractiveApplication::CacheIconValue.getCount(); ++i) {
      const Pixmap pm = static_cast<Pixmap>(reinterpret_cast<uintptr_t>(l_QORInteractiveApplication::CacheIconValue[i]));
      if (pm) XFreePixmap(QORDlgXtDisplay, pm);
    }
  l_QORInteractiveApplication::CacheIconName.empty();
  l_QORInteractiveApplication::CacheIconValue.empty();
}

}  // namespace

// ---- construction ----

l_QORInteractiveApplication::l_QORInteractiveApplication(QORCommand*, const QORString& name,
                                                         QORInteractiveApplication* a) {
  static bool exitHandlerRegistered = false;
  if (!exitHandlerRegistered) {
    exitHandlerRegistered = true;
    std::atexit(freeIconCache);
  }
  delete ResourceFileName;
  ResourceFileName = new QORString(name);
  current = this;
  liveLetters().push_back(this);
  api = a;
  endingState = 0;
  resourceShell = nullptr;
  if (!idleCommand) idleCommand = new QORCommand(nullptr, "OnIdle");
  GlobalXResources.enabled = 1;
  stop = 0;
  idleSubscribed = 0;
  installSubscribeHook();

  const char* published = QORGetEnv("VELDTODOTOP");
  Widget shell = parseShell(published);
  // A shell set up by the host program at run time is checked before use.
  if (shell && shell != ownShell && (inheritedAtExec(published) || !looksLikeShell(shell))) shell = nullptr;
  if (!shell) return;  // BuildApplicationEnvironment opens the display
  attach(shell);
  InitialisationsDiverses();
}

void l_QORInteractiveApplication::attach(Widget shell) {
  topLevel = shell;
  display = XtDisplay(shell);
  QORDlgXtDisplay = display;
  context = XtDisplayToApplicationContext(display);
  startPending = 1;
  QORApplication::Subscribe(QORApplication::IdleEvent, idleCommand, this, StartWP);
  attached = 1;

  // A host program that made the shell may describe its main window in the
  // user data of a child named "mainWindow".
  if (!XtIsComposite(shell)) return;
  WidgetList kids = nullptr;
  Cardinal count = 0;
  XtVaGetValues(shell, XtNchildren, &kids, XtNnumChildren, &count, nullptr);
  for (Cardinal i = 0; i < count; ++i) {
    if (std::strcmp(XtName(kids[i]), "mainWindow") != 0) continue;
    XtPointer data = nullptr;
    XtVaGetValues(kids[i], XmNuserData, &data, nullptr);
    const long* record = static_cast<const long*>(data);
    if (!record) break;
    if (record[0] >= 19960729) hostWindowRecord = data;
    if (record[0] >= 19970902) hostRecordWord = record[3];
    break;
  }
}

l_QORInteractiveApplication::~l_QORInteractiveApplication() {
  DestroyObject();
  idleSubscribed = 0;
  startPending = 0;
  auto& letters = liveLetters();
  letters.erase(std::remove(letters.begin(), letters.end(), this), letters.end());
  if (idleCommand) unsubscribeIdle();
  if (current == this) current = letters.empty() ? nullptr : letters.back();
  const bool last = letters.empty();

  if (last) {
    // Indexed: a catalog that failed to load is cached as a null entry.
    for (int i = 0; i < ResourceCatalog.getCount(); ++i) delete static_cast<QORMsgCatalog*>(ResourceCatalog[i]);
    for (void* p = !ResourceCatalogName; p; p = ++ResourceCatalogName) delete static_cast<QORString*>(p);
    ResourceCatalog.empty();
    ResourceCatalogName.empty();
  }
  FreePathCache();
  if (!attached && topLevel) {
    // A later application object must not attach to a shell that is gone.
    const char* published = QORGetEnv("VELDTODOTOP");
    if (published && parseShell(published) == topLevel) QORPutEnv(clearedShell);
    if (ownShell == topLevel) ownShell = nullptr;
    XtDestroyWidget(topLevel);
  } else if (resourceShell) {
    XtDestroyWidget(resourceShell);
  }
  resourceShell = nullptr;
  topLevel = nullptr;
  if (last) {
    delete idleCommand;
    idleCommand = nullptr;
    delete ResourceFileName;
    ResourceFileName = nullptr;
    delete Static;
    Static = nullptr;
  }
}

int l_QORInteractiveApplication::BuildApplicationEnvironment(int ac, char** av, char** ep) {
  if (attached) {
    argc = ac;
    argv = av;
    envp = ep;
    return 1;
  }
  const char* slash = (av && av[0]) ? std::strrchr(av[0], '/') : nullptr;
  const char* appClass = slash ? slash + 1 : (av && av[0] ? av[0] : "Tolven");
  XtSetLanguageProc(nullptr, nullptr, nullptr);
  argc = ac;
  topLevel = XtAppInitialize(&context, appClass, nullptr, 0, &argc, av, nullptr, nullptr, 0);
  argv = av;
  envp = ep;

  XSetErrorHandler(TOLVEN_XErrorHandler);
  XtAppSetErrorHandler(context, TOLVEN_XtErrorHandler);

  std::snprintf(publishedShell, sizeof publishedShell, "VELDTODOTOP=%lu",
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(topLevel)));
  QORPutEnv(publishedShell);
  ownShell = topLevel;

  display = XtDisplay(topLevel);
  QORDlgXtDisplay = display;
  const int screen = DefaultScreen(display);
  // The shell only parents the toolkit's shells: it is realized but never mapped.
  XtVaSetValues(topLevel, XmNmappedWhenManaged, False, XmNx, DisplayWidth(display, screen) / 2, XmNy,
                DisplayHeight(display, screen) / 2, XmNwidth, 1, XmNheight, 1, nullptr);
  l_QORDlgDesktopShell::Install(display);
  XtRealizeWidget(topLevel);
  InitialisationsDiverses();
  ensureIdleWorkProc();  // idle subscribers that came before the display
  return 1;
}

void l_QORInteractiveApplication::GetArgs(int* ac, char*** av) {
  if (ac) *ac = argc;
  if (av) *av = argv;
}

void l_QORInteractiveApplication::InitVisual() {
  XVisualInfo want{};
  want.screen = DefaultScreen(display);
  want.c_class = TrueColor;
  int count = 0;
  XVisualInfo* list = XGetVisualInfo(display, VisualScreenMask | VisualClassMask, &want, &count);
  int best = -1;
  int bestDepth = 8;
  for (int i = 0; i < count; ++i) {
    if (list[i].depth <= bestDepth) continue;
    best = i;
    bestDepth = list[i].depth;
    if (bestDepth >= 24) break;
  }
  if (best >= 0) {
    visualInfo = list[best];
  } else {
    XVisualInfo byId{};
    byId.visualid = XVisualIDFromVisual(DefaultVisual(display, want.screen));
    int n = 0;
    XVisualInfo* def = XGetVisualInfo(display, VisualIDMask, &byId, &n);
    if (def && n > 0) visualInfo = def[0];
    if (def) XFree(def);
  }
  if (list) XFree(list);
  visual = visualInfo.visual ? visualInfo.visual : DefaultVisual(display, want.screen);
  depth = visualInfo.visual ? visualInfo.depth : DefaultDepth(display, want.screen);
  colormap = XCreateColormap(display, RootWindow(display, want.screen), visual, AllocNone);
}

void l_QORInteractiveApplication::InitialisationsDiverses() {
  InitVisual();

  pixmapCursor = createPixmapCursor(display);
  busyCursor = XCreateFontCursor(display, 150);
  normalCursor = XCreateFontCursor(display, 68);
  helpCursor = XCreateFontCursor(display, 92);

  Atom_Enter = XInternAtom(display, "DIALOGENTER", False);
  Atom_Leave = XInternAtom(display, "DIALOGLEAVE", False);

  // Dragging is the toolkit's own business: Motif must not start drags of
  // its own from text and list widgets.
  if (Widget xmDisplay = XmGetXmDisplay(display))
    XtVaSetValues(xmDisplay, XmNdragInitiatorProtocolStyle, XmDRAG_NONE, nullptr);

  resourceShell = XtVaCreatePopupShell("RscWidget", overrideShellWidgetClass, topLevel, XmNvisual, visual, XmNdepth,
                                       depth, XmNcolormap, colormap, nullptr);

  delete Static;
  Static = new QORDlgStaticTexts();
  InitXResources(resourceShell);
  InitPixmapBackground();

  XtAppAddActions(context, toolkitActions, XtNumber(toolkitActions));

  DialogPosition = QORSettingRepository::GetRepository("DialogPosition");
  delete IconSize;
  IconSize = new QORString("normal");
  QORSettingRepository::GetRepository("FrameGeneral")->ReadSetting("IconSize", *IconSize);

  XtSetKeyTranslator(display, DialogKeyProc);
}
