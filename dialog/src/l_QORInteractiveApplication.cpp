// The fatal error handlers end with a failed assertion in every build.
#undef NDEBUG
#include <cassert>

#include "l_QORInteractiveApplication.h"

#include <X11/Shell.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <Xm/Display.h>
#include <Xm/VirtKeys.h>
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
#include "QORCleaner.h"
#include "QORCommand.h"
#include "QOREnv.h"
#include "QORInteractiveApplication.h"
#include "QORMsgCatalog.h"
#include "QORRecord.h"
#include "QORSettingRepository.h"
#include "QORStackTrace.h"
#include "QORDlgBmp.h"
#include "l_QORDialog.h"
#include "l_QORDlgControl.h"
#include "qordlg_assert.h"

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

// Every application letter alive, oldest first: the idle command, Static and
// the other class-wide data go with the last one.
std::vector<l_QORInteractiveApplication*>& liveLetters() {
  static std::vector<l_QORInteractiveApplication*> letters;
  return letters;
}

// ---- the Xt work procedure that drives the host's idle event ----

XtWorkProcId idleWorkProcId = 0;

Boolean idleWorkProc(XtPointer) {
  QORApplication::Dispatch(QORApplication::IdleEvent);
  if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) > 0) return False;
  idleWorkProcId = 0;
  return True;
}

// Installs the work procedure on the context of an application that has one.
// Xt runs it only when no event is pending, which is what "idle" means here.
void ensureIdleWorkProc() {
  if (idleWorkProcId || QORApplication::GetSubscriberCount(QORApplication::IdleEvent) == 0) return;
  XtAppContext context = nullptr;
  if (l_QORInteractiveApplication* cur = l_QORInteractiveApplication::GetCurrent()) context = cur->GetContext();
  for (l_QORInteractiveApplication* l : liveLetters())
    if (!context) context = l->GetContext();
  if (context) idleWorkProcId = XtAppAddWorkProc(context, idleWorkProc, nullptr);
}

void installSubscribeHook() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QORApplication::SetSubscribeHook([](int kind) {
    if (kind == QORApplication::IdleEvent) ensureIdleWorkProc();
  });
}

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
// parse. "Motion" and "Accelerator" reach the controls; the bodies of the
// others come with the controls that use them (combo boxes, icon boxes,
// lists). Until then those do nothing.
void pendingAction(Widget, XEvent*, String*, Cardinal*) {}

XtActionsRec toolkitActions[] = {
    {const_cast<String>("QORDlgComboUp"), pendingAction},
    {const_cast<String>("QORDlgComboDown"), pendingAction},
    {const_cast<String>("Motion"), l_QORDlgControl::MotionCB},
    {const_cast<String>("Accelerator"), l_QORDlgControl::AcceleratorCB},
    {const_cast<String>("MotionIconBox"), pendingAction},
    {const_cast<String>("ListNextItemCB"), pendingAction},
    {const_cast<String>("ListPrevItemCB"), pendingAction},
    {const_cast<String>("ListExtendNextItemCB"), pendingAction},
    {const_cast<String>("ListExtendPrevItemCB"), pendingAction},
    {const_cast<String>("ListPageUpCB"), pendingAction},
    {const_cast<String>("ListPageDownCB"), pendingAction},
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

// ---- fatal errors ----

[[noreturn]] void traceAndAbort() {
  QORStackTrace trace;
  const int levels = std::min(trace.GetTrace(), 68);
  for (int i = 0; i < levels; ++i) {
    char frame[64];
    if (trace.Read(i, frame, 64) == 0) std::printf("(%d) %s\n", i, frame);
  }
  std::fflush(stdout);
  QORDLG_ASSERT(false, "0");
  std::abort();  // not reached: the failed assertion aborts
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

// ---- standard colours, fonts and texts ----

namespace {

// Used when the "Dialog" catalog lacks a key: "key=value" texts, ending with "".
const char* const builtInResources[] = {
    "QORDlgDocument.Background=#386488",
    "QORDlgDocument.Foreground=white",
    "QORDlgDocument.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgShortHelp.Background=#ffffe1",
    "QORDlgShortHelp.Foreground=black",
    "QORDlgShortHelp.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgEditor.Background=#77648b",
    "QORDlgEditor.Foreground=white",
    "QORDlgEditor.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgToolBar.TopItem=Top",
    "QORDlgToolBar.BottomItem=Bottom",
    "QORDlgToolBar.LeftItem=Left",
    "QORDlgToolBar.RightItem=Right",
    "QORDlgToolBar.UndockItem=Undock",
    "QORDlgNotify.AbortButton=Abort",
    "QORDlgNotify.RetryButton=Retry",
    "QORDlgNotify.IgnoreButton=Ignore",
    "QORDlgNotify.OKButton=OK",
    "QORDlgNotify.CancelButton=Cancel",
    "QORDlgNotify.YesButton=Yes",
    "QORDlgNotify.NoButton=No",
    "QORDlgDialog.OKButton=OK",
    "QORDlgDialog.ApplyButton=Apply",
    "QORDlgDialog.CancelButton=Cancel",
    "QORDlgDialog.HelpButton=Help",
    "QORDlgFile.OKButton=OK",
    "QORDlgFile.ApplyButton=Apply",
    "QORDlgFile.FilterButton=Filter",
    "QORDlgFile.CancelButton=Cancel",
    "QORDlgFile.HelpButton=Help",
    "QORDlgFile.FilterLabel=Filter",
    "QORDlgFile.DirectoryLabel=Directories",
    "QORDlgFile.FileLabel=Files",
    "QORDlgFile.SelectionLabel=Selection",
    "QORDlgDialog.RestoreItem.Title=Restore",
    "QORDlgDialog.RestoreItem.Mnemonic=R",
    "QORDlgDialog.MoveItem.Title=Move",
    "QORDlgDialog.MoveItem.Mnemonic=M",
    "QORDlgDialog.SizeItem.Title=Size",
    "QORDlgDialog.SizeItem.Mnemonic=S",
    "QORDlgDialog.MinimizeItem.Title=Minimize",
    "QORDlgDialog.MinimizeItem.Mnemonic=n",
    "QORDlgDialog.MaximizeItem.Title=Maximize",
    "QORDlgDialog.MaximizeItem.Mnemonic=x",
    "QORDlgDialog.CloseItem.Title=Close",
    "QORDlgDialog.CloseItem.Mnemonic=C",
    "QORDlgDialog.NextItem.Title=Next",
    "QORDlgDialog.NextItem.Mnemonic=t",
    "",
};

std::string builtInValue(const char* key) {
  const size_t n = std::strlen(key);
  for (const char* const* e = builtInResources; **e; ++e)
    if (std::strncmp(*e, key, n) == 0 && (*e)[n] == '=') return *e + n + 1;
  return std::string();
}

// A catalog entry counts only when it exists, is not empty and takes no parameters.
bool catalogValue(const QORMsgCatalog* catalog, const char* key, std::string& value) {
  if (!catalog) return false;
  const QORMsg msg = catalog->GetCatalogMsg(key);
  if (msg.IsEmpty() || msg.GetNbParameters() != 0) return false;
  value = msg.BuildMessage({}).str();
  return true;
}

bool convert(Widget w, const char* type, const std::string& text, void* dst, unsigned size) {
  XrmValue from, to;
  from.size = static_cast<unsigned>(text.size() + 1);
  from.addr = const_cast<XPointer>(text.c_str());
  to.size = size;
  to.addr = static_cast<XPointer>(dst);
  return XtConvertAndStore(w, XtRString, &from, type, &to) == True;
}

// The catalog's value when it converts, else the built-in one.
void convertResource(Widget w, const QORMsgCatalog* catalog, const char* key, const char* type, void* dst,
                     unsigned size) {
  std::string value;
  if (catalogValue(catalog, key, value) && convert(w, type, value, dst, size)) return;
  convert(w, type, builtInValue(key), dst, size);
}

}  // namespace

void InitXResources(Widget w) {
  // Missing or malformed, the catalog is passed over without a word: every
  // value then comes from the built-in table.
  QORMsgCatalog loaded;
  const QORMsgCatalog* catalog = loaded.LoadMsgCatalog("Dialog", nullptr) > 0 ? &loaded : nullptr;

  QORDlgGlobalXResources& g = GlobalXResources;
  const struct {
    const char* key;
    Pixel* dst;
  } colours[] = {{"QORDlgDocument.Background", &g.documentBackground},
                 {"QORDlgDocument.Foreground", &g.documentForeground},
                 {"QORDlgShortHelp.Background", &g.shortHelpBackground},
                 {"QORDlgShortHelp.Foreground", &g.shortHelpForeground},
                 {"QORDlgEditor.Background", &g.editorBackground},
                 {"QORDlgEditor.Foreground", &g.editorForeground}};
  for (const auto& c : colours) convertResource(w, catalog, c.key, XtRPixel, c.dst, sizeof(Pixel));
  const struct {
    const char* key;
    XmFontList* dst;
  } fonts[] = {{"QORDlgDocument.FontList", &g.documentFontList},
               {"QORDlgShortHelp.FontList", &g.shortHelpFontList},
               {"QORDlgEditor.FontList", &g.editorFontList}};
  for (const auto& f : fonts) convertResource(w, catalog, f.key, XmRFontList, f.dst, sizeof(XmFontList));
  g.documentBackgroundCopy = g.documentBackground;
  g.documentForegroundCopy = g.documentForeground;
  g.editorBackgroundCopy = g.editorBackground;
  g.editorForegroundCopy = g.editorForeground;

  if (!l_QORInteractiveApplication::Static) l_QORInteractiveApplication::Static = new QORDlgStaticTexts();
  QORDlgStaticTexts& s = *l_QORInteractiveApplication::Static;
  const struct {
    const char* key;
    QORUnicodeString* dst;
  } texts[] = {
      {"QORDlgToolBar.TopItem", &s.toolBarTop},         {"QORDlgToolBar.BottomItem", &s.toolBarBottom},
      {"QORDlgToolBar.LeftItem", &s.toolBarLeft},       {"QORDlgToolBar.RightItem", &s.toolBarRight},
      {"QORDlgToolBar.UndockItem", &s.toolBarUndock},   {"QORDlgNotify.AbortButton", &s.notifyAbort},
      {"QORDlgNotify.RetryButton", &s.notifyRetry},     {"QORDlgNotify.IgnoreButton", &s.notifyIgnore},
      {"QORDlgNotify.OKButton", &s.notifyOK},           {"QORDlgNotify.CancelButton", &s.notifyCancel},
      {"QORDlgNotify.YesButton", &s.notifyYes},         {"QORDlgNotify.NoButton", &s.notifyNo},
      {"QORDlgDialog.OKButton", &s.dialogOK},           {"QORDlgDialog.ApplyButton", &s.dialogApply},
      {"QORDlgDialog.CancelButton", &s.dialogCancel},   {"QORDlgDialog.HelpButton", &s.dialogHelp},
      {"QORDlgFile.OKButton", &s.fileOK},               {"QORDlgFile.ApplyButton", &s.fileApply},
      {"QORDlgFile.FilterButton", &s.fileFilter},       {"QORDlgFile.CancelButton", &s.fileCancel},
      {"QORDlgFile.HelpButton", &s.fileHelp},           {"QORDlgFile.FilterLabel", &s.fileFilterLabel},
      {"QORDlgFile.DirectoryLabel", &s.fileDirectoryLabel}, {"QORDlgFile.FileLabel", &s.fileFileLabel},
      {"QORDlgFile.SelectionLabel", &s.fileSelectionLabel},
  };
  for (const auto& t : texts) {
    std::string value;
    if (!catalogValue(catalog, t.key, value)) value = builtInValue(t.key);
    *t.dst = QORUnicodeString(value);
  }
  static const char* const items[7] = {"Restore", "Move", "Size", "Minimize", "Maximize", "Close", "Next"};
  for (int i = 0; i < 7; ++i) {
    const std::string base = std::string("QORDlgDialog.") + items[i] + "Item.";
    std::string value;
    if (!catalogValue(catalog, (base + "Title").c_str(), value)) value = builtInValue((base + "Title").c_str());
    s.itemTitle[i] = QORUnicodeString(value);
    if (!catalogValue(catalog, (base + "Mnemonic").c_str(), value)) value = builtInValue((base + "Mnemonic").c_str());
    s.itemMnemonic[i] = QORUnicodeString(value).GetChar(0);
  }
}

void DialogKeyProc(Display* d, KeyCode code, Modifiers mods, Modifiers* modsReturn, KeySym* keysym) {
  XmTranslateKey(d, code, mods, modsReturn, keysym);
  // Keypad Enter activates like Return.
  if (*keysym == 0xFF8D) *keysym = 0x1004FF44;
}

// ---- the event loop ----

int l_QORInteractiveApplication::RunApplication() {
  if (!context) return 0;
  if (QORRecord::GetMain()->RecordMod() == QORRecordReplay) StartReplay();
  XEvent event;
  while (!stop) {
    XtAppNextEvent(context, &event);
    PreProcessEvent(&event);
    XtDispatchEvent(&event);
    // One dispatched event is one transaction: what it queued goes now.
    QORCleaner::EndTransaction();
  }
  // End() runs as a work procedure only for an attached application; a
  // program that owns its loop keeps its dialog positions here.
  if (!attached && DialogPosition) DialogPosition->SaveRepository();
  return 0;
}

void l_QORInteractiveApplication::PreProcessEvent(XEvent* event) {
  if (event->type == EnterNotify || event->type == LeaveNotify) {
    // Objects that track the pointer listen to these before the crossing itself.
    XEvent message{};
    XClientMessageEvent& cm = message.xclient;
    cm.type = ClientMessage;
    cm.serial = event->xany.serial;
    cm.send_event = False;
    cm.display = event->xany.display;
    cm.window = event->xany.window;
    cm.message_type = event->type == EnterNotify ? Atom_Enter : Atom_Leave;
    cm.format = 32;
    XtDispatchEvent(&message);
    return;
  }
  // ButtonPress in a document window: a click inside an MDI child has to
  // reach the child's frame first so the child comes to the front. This
  // belongs to the document (MDI) client and is added with it.
}

// ---- idle pass ----

void l_QORInteractiveApplication::subscribeIdle() {
  if (idleSubscribed || !context || !idleCommand) return;
  idleSubscribed = 1;
  QORApplication::Subscribe(QORApplication::IdleEvent, idleCommand, this, OnIdleWP);
}

void l_QORInteractiveApplication::unsubscribeIdle() {
  QORApplication::RemoveSubscribe(QORApplication::IdleEvent, idleCommand);
  for (l_QORInteractiveApplication* l : liveLetters()) {
    if (l->idleSubscribed) QORApplication::Subscribe(QORApplication::IdleEvent, idleCommand, l, OnIdleWP);
    if (l->startPending) QORApplication::Subscribe(QORApplication::IdleEvent, idleCommand, l, StartWP);
  }
}

void l_QORInteractiveApplication::registerDifferUpdate() { subscribeIdle(); }

void l_QORInteractiveApplication::AddDestroyObject(l_QORDialog* letter) {
  if (!letter || letter->IsDestroyQueued()) return;
  letter->SetDestroyQueued();
  destroyQueue.insertTail(letter);
  // A letter about to be deleted must not be managed afterwards.
  manageQueue -= letter;
  // The current drag and drop objects are forgotten here once dragging exists.
  if (destroyQueue.getCount() == 1) subscribeIdle();
}

void l_QORInteractiveApplication::DestroyObject() {
  // In the order queued. A destructor may queue more letters: they make the
  // next round. Taken a round at a time, a big box's letters are not
  // shifted down the queue one by one.
  std::vector<l_QORDialog*> round;
  while (destroyQueue.getCount() > 0) {
    round.clear();
    for (int i = 0; i < destroyQueue.getCount(); ++i) round.push_back(static_cast<l_QORDialog*>(destroyQueue[i]));
    destroyQueue.empty();
    for (l_QORDialog* letter : round) {
      manageQueue -= letter;
      delete letter;  // deletes its envelope too
    }
  }
}

void l_QORInteractiveApplication::AddDialogToManage(l_QORDialog* letter) {
  if (!letter || manageQueue.getPosition(letter) >= 0) return;
  manageQueue.insertTail(letter);
  registerDifferUpdate();
}

void l_QORInteractiveApplication::AddWindow(l_QORDialog* window) {
  if (window && windows.getPosition(window) < 0) windows.insertTail(window);
}

void l_QORInteractiveApplication::RemoveWindow(l_QORDialog* window) {
  windows -= window;
  manageQueue -= window;
}

int l_QORInteractiveApplication::OnIdleWP(QORCommand*, int, void* self) {
  static_cast<l_QORInteractiveApplication*>(self)->OnIdle();
  return 1;
}

Widget l_QORInteractiveApplication::dragStartWidget = nullptr;

void l_QORInteractiveApplication::OnIdle() {
  idleSubscribed = 0;
  unsubscribeIdle();
  OnIdleCleanup();
  // The drag loop starts from here once dragging exists (not while replaying).
  dragFlag = 0;
  // Drag start: a start nobody turned into a drag is forgotten.
  dragStartWidget = nullptr;
}

void l_QORInteractiveApplication::OnIdleCleanup() {
  DestroyObject();

  for (int i = 0; i < windows.getCount(); ++i) static_cast<l_QORDialog*>(windows[i])->globalUpdate(0);

  if (manageQueue.getCount() == 1) {
    static_cast<l_QORDialog*>(manageQueue[0])->manage();
  } else if (manageQueue.getCount() > 1) {
    // Children before their fathers, then managed from the last to the first.
    l_QORDlgList ordered;
    for (int i = 0; i < windows.getCount(); ++i)
      static_cast<l_QORDialog*>(windows[i])->ordermanagelist(manageQueue, ordered);
    for (int i = ordered.getCount() - 1; i >= 0; --i) static_cast<l_QORDialog*>(ordered[i])->manage();
  }
  manageQueue.empty();

  if (busy && !dragFlag) {
    if (busyHook) busyHook(2);
    changeCursor(normalCursor);
    busy = 0;
  }

  if (endingState == 0) return;
  std::vector<l_QORDialog*> toDestroy;
  for (int i = 0; i < windows.getCount(); ++i) toDestroy.push_back(static_cast<l_QORDialog*>(windows[i]));
  for (l_QORDialog* w : toDestroy) w->Destroy();
  DestroyObject();
  // Destroying the windows asked for another pass; nothing is left for it.
  if (idleSubscribed) {
    idleSubscribed = 0;
    unsubscribeIdle();
  }
  stop = 1;
  if (display && topLevel && XtWindow(topLevel)) {
    // Wakes an XtAppNextEvent blocked in the loop so it sees the stop flag.
    XEvent wake{};
    wake.xclient.type = ClientMessage;
    wake.xclient.display = display;
    wake.xclient.window = XtWindow(topLevel);
    wake.xclient.message_type = XInternAtom(display, "VELDTODOTOP", False);
    wake.xclient.format = 8;
    XSendEvent(display, XtWindow(topLevel), False, NoEventMask, &wake);
    XFlush(display);
  }
  if (attached && endingState == 1) {
    endingState = 2;
    XtAppAddWorkProc(context, EndWP, this);
  }
  if (resourceShell) {
    XtDestroyWidget(resourceShell);
    resourceShell = nullptr;
  }
  FreePathCache();
}

// ---- start and end ----

int l_QORInteractiveApplication::StartWP(QORCommand*, int, void* self) {
  static_cast<l_QORInteractiveApplication*>(self)->Start();
  return 1;
}

void l_QORInteractiveApplication::Start() {
  startPending = 0;
  unsubscribeIdle();
  if (endingState == 0 && api) api->BeginApplication();
}

Boolean l_QORInteractiveApplication::EndWP(XtPointer self) {
  static_cast<l_QORInteractiveApplication*>(self)->End();
  return True;
}

void l_QORInteractiveApplication::End() {
  if (api) api->EndApplication();
  if (DialogPosition) DialogPosition->SaveRepository();
}

void l_QORInteractiveApplication::Destroy() {
  dragFlag = 0;
  const int mode = QORRecord::GetMain()->RecordMod();
  if (mode == QORRecordCapture || mode == QORRecordReplay) {
    QORRecord::GetMain()->EndMode(mode == QORRecordCapture ? 1 : 2);
    if (QORGetEnv("EXIT")) {
      std::fputs(
          "/RECORD/ SaveState     !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!  TRIVO replay ending with exit(0)\n",
          stdout);
      std::fflush(stdout);
      std::exit(0);
    }
  }
  endingState = 1;
  registerDifferUpdate();
}

// ---- cursors and display ----

void l_QORInteractiveApplication::SetBusyCursor() {
  if (dragFlag || busy) return;
  busy = 1;
  if (busyHook) busyHook(1);
  changeCursor(busyCursor);
  if (display) XSync(display, False);
  registerDifferUpdate();
}

void l_QORInteractiveApplication::UpdateCursor() {
  busy = 2;
  registerDifferUpdate();
}

void l_QORInteractiveApplication::changeCursor(Cursor c) {
  if (!display) return;
  for (int i = 0; i < windows.getCount(); ++i) {
    Widget w = static_cast<l_QORDialog*>(windows[i])->GetBaseWidget(0);
    while (w && !XtIsShell(w)) w = XtParent(w);
    if (w && XtWindow(w)) XDefineCursor(display, XtWindow(w), c);
  }
  // Objects with a cursor of their own show the busy cursor too, and get
  // theirs back with the normal one.
  struct Walk {
    static void run(Display* d, l_QORDialog* l, Cursor c, Cursor normal) {
      if (l->GetCursorIndex() >= 0 && l->IsBuild()) {
        Widget w = l->GetBaseWidget(0);
        if (w && XtWindowOfObject(w)) {
          if (c == normal) l->applyCursor();
          else XDefineCursor(d, XtWindowOfObject(w), c);
        }
      }
      for (int i = 0; i < l->GetChildCount(); ++i) run(d, l->GetChild(i), c, normal);
    }
  };
  for (int i = 0; i < windows.getCount(); ++i)
    Walk::run(display, static_cast<l_QORDialog*>(windows[i]), c, normalCursor);
  XFlush(display);
}

void l_QORInteractiveApplication::UpdateDisplay() {
  OnIdleCleanup();
  if (!display) return;
  XFlush(display);
  if (topLevel) XmUpdateDisplay(topLevel);
  if (QORRecord::GetMain()->RecordMod() == QORRecordReplay) return;
  // Input that arrived meanwhile is handled now, before the caller goes on.
  XEvent event;
  while (XCheckMaskEvent(display, KeyPressMask | ButtonPressMask | ButtonReleaseMask, &event))
    XtDispatchEvent(&event);
}

// ---- help on context ----

void l_QORInteractiveApplication::QueryHelpOnContext(l_QORDialog* window) {
  const int mode = QORRecord::GetMain()->RecordMod();
  if (mode == QORRecordCapture) {
    std::fputs("Help On Context is not available for Record\n", stderr);
    std::fflush(stderr);
    return;
  }
  if (mode == QORRecordReplay || !display) return;

  // The top-most viewable window under the pointer, walking down from the root.
  Window root = DefaultRootWindow(display), child = 0;
  int rootX = 0, rootY = 0, winX = 0, winY = 0;
  unsigned int state = 0;
  XQueryPointer(display, root, &root, &child, &rootX, &rootY, &winX, &winY, &state);
  Window found = root;
  int originX = 0, originY = 0;
  for (;;) {
    Window r = 0, parent = 0, *kids = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, found, &r, &parent, &kids, &count)) break;
    Window next = 0;
    for (int i = static_cast<int>(count) - 1; i >= 0 && !next; --i) {  // top-most last
      Window gr = 0;
      int x = 0, y = 0;
      unsigned int width = 0, height = 0, border = 0, d = 0;
      if (!XGetGeometry(display, kids[i], &gr, &x, &y, &width, &height, &border, &d)) continue;
      const int left = originX + x, top = originY + y;
      if (rootX < left || rootY < top || rootX >= left + static_cast<int>(width + 2 * border) ||
          rootY >= top + static_cast<int>(height + 2 * border))
        continue;
      XWindowAttributes attributes;
      if (!XGetWindowAttributes(display, kids[i], &attributes) || attributes.map_state != IsViewable) continue;
      next = kids[i];
      originX = left + static_cast<int>(border);
      originY = top + static_cast<int>(border);
    }
    if (kids) XFree(kids);
    if (!next) break;
    found = next;
  }
  Widget w = XtWindowToWidget(display, found);
  if (!w && window) w = window->GetBaseWidget(0);  // the pointer is not over one of ours
  while (w && !XtIsShell(w)) w = XtParent(w);
  if (!w) return;
  l_QORDialog::BulleDestroy();

  XEvent event{};
  Widget clicked = XmTrackingEvent(w, helpCursor, False, &event);
  while (clicked && XtHasCallbacks(clicked, XmNhelpCallback) != XtCallbackHasSome) clicked = XtParent(clicked);
  if (!clicked) return;
  XmAnyCallbackStruct cbs;
  cbs.reason = XmCR_HELP;
  cbs.event = &event;
  XtCallCallbacks(clicked, XmNhelpCallback, &cbs);
}

// ---- error handlers ----

void TOLVEN_XtErrorHandler(char* message) {
  std::fprintf(stderr, "Xt Error: %s\n", message ? message : "");
  std::fflush(stderr);
  traceAndAbort();
}

int TOLVEN_XErrorHandler(Display* d, XErrorEvent* event) {
  std::fputs("X Error ", stderr);
  if (event->type == 0) {  // an error, not an event
    char code[16];
    std::snprintf(code, sizeof code, "%d", event->request_code);
    char request[256] = "";
    XGetErrorDatabaseText(d, "XRequest", code, "", request, sizeof request);
    if (*request) std::fprintf(stderr, "in %s ", request);
  }
  char text[256] = "";
  XGetErrorText(d, event->error_code, text, sizeof text);
  std::fprintf(stderr, ": %s\n", text);
  std::fflush(stderr);
  traceAndAbort();
}

// ---- physical values ----

namespace {
// One unit per magnitude for the whole process, set up on first use.
QORDlgControl::QORDlgUnit* currentUnits() {
  static QORDlgControl::QORDlgUnit units[QORDlgControl::MagnitudeCount];
  static bool ready = false;
  if (!ready) {
    for (int m = 0; m < QORDlgControl::MagnitudeCount; ++m)
      units[m] = l_QORDlgControl::BaseUnitOf(static_cast<QORDlgControl::QORDlgMagnitude>(m));
    units[QORDlgControl::Dilatation] = QORDlgControl::PerCelsius;
    ready = true;
  }
  return units;
}
bool validMagnitude(QORDlgControl::QORDlgMagnitude m) { return m >= 0 && m < QORDlgControl::MagnitudeCount; }
}  // namespace

QORDlgControl::QORDlgUnit l_QORInteractiveApplication::GetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m) {
  return validMagnitude(m) ? currentUnits()[m] : QORDlgControl::Number;
}

void l_QORInteractiveApplication::SetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m,
                                                          QORDlgControl::QORDlgUnit unit) {
  // A unit of another magnitude would show values in the wrong dimension.
  if (!validMagnitude(m) || l_QORDlgControl::MagnitudeOfUnit(unit) != m) return;
  currentUnits()[m] = unit;
  for (int i = 0; i < windows.getCount(); ++i) static_cast<l_QORDialog*>(windows[i])->globalUpdate(1);
}

const QORUnicodeString& l_QORInteractiveApplication::GetDoubleValueString(double value,
                                                                          QORDlgControl::QORDlgMagnitude m) {
  static QORUnicodeString text;
  text = QORUnicodeString(l_QORDlgControl::WriteStringValue(value, GetMagnitudeCurrentUnit(m), "%.5g %s"));
  return text;
}

// ---- replay ----

namespace {
constexpr unsigned long kReplayStepMs = 10;
}

void l_QORInteractiveApplication::StartReplay() {
  if (replayTimer || !context) return;
  replayTimer = XtAppAddTimeOut(context, kReplayStepMs, replayTO, this);
}

void l_QORInteractiveApplication::replayTO(XtPointer self, XtIntervalId*) {
  auto* app = static_cast<l_QORInteractiveApplication*>(self);
  app->replayTimer = 0;
  QORRecord* record = QORRecord::GetMain();
  if (record->RecordMod() != QORRecordReplay || app->stop) return;
  // What the previous entry started must be finished first.
  if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) > 0 ||
      (XtAppPending(app->context) & XtIMXEvent)) {
    app->StartReplay();
    return;
  }
  const int result = record->ReplayNext();
  if (result == 1) {
    app->StartReplay();
  } else if (result < 0) {
    std::fprintf(stderr, "tolven: replay stopped: %s\n", record->GetError().c_str());
    std::fflush(stderr);
    if (app->api) app->api->SetExitStatus(1);
    // A broken replay is not a finished one: no EXIT shortcut with status 0.
    record->EndMode(QORRecordReplay);
    app->Destroy();
  }
}

// ---- icon backgrounds ----

void l_QORInteractiveApplication::InitPixmapBackground() {
  if (!display || !topLevel) return;
  // Types 0 and 5 follow the shell's own background.
  Pixel shellBackground = 0;
  XtVaGetValues(topLevel, XmNbackground, &shellBackground, nullptr);
  Pixel foreground = 0, top = 0, bottom = 0, select = 0;
  XmGetColors(XtScreen(topLevel), colormap, shellBackground, &foreground, &top, &bottom, &select);
  iconBackground[0] = iconBackground[5] = shellBackground;
  iconHighlight[0] = iconHighlight[5] = select;
  static const unsigned char rgb[4][2][3] = {{{175, 175, 175}, {130, 130, 130}},
                                             {{77, 177, 142}, {54, 134, 109}},
                                             {{70, 160, 233}, {63, 113, 153}},
                                             {{153, 95, 153}, {136, 98, 136}}};
  for (int type = 1; type <= 4; ++type)
    for (int which = 0; which < 2; ++which) {
      XColor c{};
      const unsigned char* v = rgb[type - 1][which];
      c.red = static_cast<unsigned short>(v[0] / 255.0 * 65535);
      c.green = static_cast<unsigned short>(v[1] / 255.0 * 65535);
      c.blue = static_cast<unsigned short>(v[2] / 255.0 * 65535);
      c.flags = DoRed | DoGreen | DoBlue;
      XAllocColor(display, colormap, &c);
      (which ? iconHighlight : iconBackground)[type] = c.pixel;
    }
}

Pixel l_QORInteractiveApplication::GetIconBackgroundColor(QORDlgIconType type) const {
  return iconBackground[type >= 0 && type <= 5 ? type : 0];
}

Pixel l_QORInteractiveApplication::GetIconHighlightBackgroundColor(QORDlgIconType type) const {
  return iconHighlight[type >= 0 && type <= 5 ? type : 0];
}
