// Internal to libTOLVEN: not API, never installed.
// The application letter: owns the display connection, the visual, the
// cursors, the window list and the queues of the idle pass.
#pragma once
#include <X11/Intrinsic.h>
#include <Xm/Xm.h>

#include "QORDlgControl.h"
#include "QORDialog.h"
#include "QORInteractiveApplication.h"
#include "QORString.h"
#include "l_QORDlgList.h"

class QORCommand;
class QORInteractiveApplication;
class QORSettingRepository;
class l_QORDialog;

// Colours and fonts shared by every object, from the "Dialog" catalog or the built-in table.
struct QORDlgGlobalXResources {
  int enabled;
  Pixel documentBackground, documentForeground;
  XmFontList documentFontList;
  Pixel shortHelpBackground, shortHelpForeground;
  XmFontList shortHelpFontList;
  Pixel editorBackground, editorForeground;
  XmFontList editorFontList;
  Pixel documentBackgroundCopy, documentForegroundCopy;
  Pixel editorBackgroundCopy, editorForegroundCopy;
};

// Standard texts, from the "Dialog" catalog or the built-in table.
struct QORDlgStaticTexts {
  // Scratch text of GetAcceleratorString, overwritten by every call.
  QORUnicodeString acceleratorText;
  QORUnicodeString toolBarTop, toolBarBottom, toolBarLeft, toolBarRight, toolBarUndock;
  QORUnicodeString notifyAbort, notifyRetry, notifyIgnore, notifyOK, notifyCancel, notifyYes, notifyNo;
  QORUnicodeString dialogOK, dialogApply, dialogCancel, dialogHelp;
  QORUnicodeString fileOK, fileApply, fileFilter, fileCancel, fileHelp;
  QORUnicodeString fileFilterLabel, fileDirectoryLabel, fileFileLabel, fileSelectionLabel;
  // Window menu items: Restore, Move, Size, Minimize, Maximize, Close, Next.
  QORUnicodeString itemTitle[7];
  QORUnicodeChar itemMnemonic[7];
};

extern QORDlgGlobalXResources GlobalXResources;
extern Display* QORDlgXtDisplay;

class l_QORInteractiveApplication {
 public:
  l_QORInteractiveApplication(QORCommand* father, const QORString& name, QORInteractiveApplication* api);
  virtual ~l_QORInteractiveApplication();

  int BuildApplicationEnvironment(int argc, char** argv, char** envp);
  int RunApplication();
  void GetArgs(int* argc, char*** argv);
  XtAppContext GetContext() const { return context; }
  Display* GetDisplay() const { return display; }
  Widget GetWidget() const { return topLevel; }
  Widget GetResourceShell() const { return resourceShell; }
  QORInteractiveApplication* GetAPIObject() const { return api; }
  Visual* GetVisual() const { return visual; }
  Colormap GetColormap() const { return colormap; }
  int GetDepth() const { return depth; }
  const XVisualInfo* GetVisualInfo() const { return &visualInfo; }
  int IsAttached() const { return attached; }
  int GetEndingState() const { return endingState; }
  int IsStopped() const { return stop; }
  int IsIdleSubscribed() const { return idleSubscribed; }

  // Idle pass.
  void registerDifferUpdate();
  void OnIdle();
  void OnIdleCleanup();
  void AddDestroyObject(l_QORDialog* letter);
  void DestroyObject();
  void AddDialogToManage(l_QORDialog* letter);
  // Top-level windows (letters of class code 2), in creation order.
  void AddWindow(l_QORDialog* window);
  void RemoveWindow(l_QORDialog* window);
  const l_QORDlgList& GetWindowList() const { return windows; }
  const l_QORDlgList& GetDestroyQueue() const { return destroyQueue; }
  const l_QORDlgList& GetManageQueue() const { return manageQueue; }

  void Destroy();
  void Start();
  void End();
  static int StartWP(QORCommand*, int, void* self);
  static int OnIdleWP(QORCommand*, int, void* self);
  static Boolean EndWP(XtPointer self);

  void SetBusyCursor();
  void UpdateCursor();
  void changeCursor(Cursor c);
  void UpdateDisplay();
  void QueryHelpOnContext(l_QORDialog* window);
  void PreProcessEvent(XEvent* event);
  void passPressToMDIFrame(XEvent* event);
  // Replays the record controller's entries one at a time, each once the
  // previous one has been applied (no idle pass pending, no event waiting).
  // Started by RunApplication when the run is a replay.
  void StartReplay();
  // Called with 1 when the busy cursor is set and 2 when it is taken away.
  void SetBusyHook(void (*hook)(int)) { busyHook = hook; }

  // --- drag and drop inside the application (l_QORInteractiveApplicationDrag.cpp)
  void SetDragAvailability(int n) { dragAvailability = n != 0; }
  int GetDragAvailability() const { return dragAvailability; }
  int GetDragState(QORDialog** source, QORDialog** target, POINTL& position, unsigned long& keyState) const;
  void StartDrag(void* data, unsigned long flags);
  void* GetDragDataObject() const { return dragData; }
  void CancelDrag();
  void SetDropEffect(tagDROPEFFECT effect) { dropEffect = effect; }
  tagDROPEFFECT GetDropEffect() const { return dropEffect; }
  // Called by the help callback asked with the drag reason: the object under the pointer.
  void SetCurrentDropDialog(QORDialog* target);
  // The modal pointer-grab loop of a requested drag, run by the idle pass.
  void DragMainLoop();
  // A drag notification replayed on `letter`: the drag fields follow what
  // the recorded drag did, and the notification is filled from them.
  void ReplayDragNotification(l_QORDialog* letter, QORNotification* n);
  // The drag threshold of buttons and icon boxes: the first motion marks the
  // start (root position, (0, 0) is none); true once a later one is 10
  // pixels or more away, which clears the start.
  static bool PassesDragThreshold(const XEvent* event, int& startX, int& startY);
  // The drag cursor of an effect (created on first use).
  Cursor GetDragCursor(unsigned long effect);

  // Physical values: the unit each magnitude is shown in, for the whole process.
  QORDlgControl::QORDlgUnit GetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude magnitude);
  // Stores the unit and redraws every window so that every shown value follows.
  void SetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude magnitude, QORDlgControl::QORDlgUnit unit);
  const QORUnicodeString& GetDoubleValueString(double value, QORDlgControl::QORDlgMagnitude magnitude);

  Cursor GetBusyCursor() const { return busyCursor; }
  Cursor GetNormalCursor() const { return normalCursor; }
  Cursor GetHelpCursor() const { return helpCursor; }
  Cursor GetPixmapCursor() const { return pixmapCursor; }

  static l_QORInteractiveApplication* GetCurrent() { return current; }
  // Drag start: the widget where the user began to drag, null when none. Set
  // by the buttons' Motion action, cleared by every idle pass.
  static Widget dragStartWidget;
  static QORCommand* GetIdleCommand() { return idleCommand; }
  static Atom Atom_Enter, Atom_Leave;
  static QORString* ResourceFileName;
  static QORDlgStaticTexts* Static;
  static QORSettingRepository* DialogPosition;
  static QORString* IconSize;
  static int fOldResource;
  static int fAutomaticContextualHelp;
  // Catalogs opened by the resource lookup (QORMsgCatalog*) and their names
  // (QORString*), parallel and owned; deleted with the application.
  static l_QORDlgList ResourceCatalog;
  static l_QORDlgList ResourceCatalogName;
  // The icon cache: one name (QORString*) per icon, two Pixmaps (stored as
  // pointer-sized integers) per icon; freed when the process exits.
  static l_QORDlgList CacheIconName;
  static l_QORDlgList CacheIconValue;

  // Status area of an application without a document window: a label that
  // shows help texts while the pointer is over an object, and its resting message.
  void SetExternalStatus(Widget label, const QORUnicodeString& message) {
    statusWidget = label;
    statusMessage = message;
  }
  Widget GetExternalStatusWidget() const { return statusWidget; }
  const QORUnicodeString& GetExternalStatusMessage() const { return statusMessage; }

  void SetStandardSchemes(int n) { GlobalXResources.enabled = n != 0; }
  int GetStandardSchemes() const { return GlobalXResources.enabled; }
  void SetStandardResource(int standard) { fOldResource = standard ? 0 : 1; }
  void SetAutomaticContextualHelp() { fAutomaticContextualHelp = 1; }

  // Icons: background and highlight pixel of each icon type (0 to 5).
  Pixel GetIconBackgroundColor(QORDlgIconType type) const;
  Pixel GetIconHighlightBackgroundColor(QORDlgIconType type) const;
  void InitPixmapBackground();

 private:
  void InitialisationsDiverses();
  void InitVisual();
  void subscribeIdle();
  // Drops every subscription made with the idle command, then renews those
  // that other application letters (and this one) still have outstanding.
  void unsubscribeIdle();
  void attach(Widget shell);
  // Drag loop steps (l_QORInteractiveApplicationDrag.cpp).
  bool dragBegin();
  void dragEvent(XEvent& event);
  void dragKey(XEvent& event);
  void dragEnter(XEvent& event);
  void releaseStartWidget(XEvent& motion);
  void dragEnd();
  void dragFindTarget(Widget w, XEvent* event);
  void dragPositionFrom(int rootX, int rootY);
  // Fills `n` from the drag fields and sends it from `letter`; with
  // `takeEffect` the effect is handed over and reset for the receiver to set.
  void sendDrag(l_QORDialog* letter, QORNotification* n, bool takeEffect);
  void dragCursorFollowEffect();

  l_QORDlgList destroyQueue;
  l_QORDlgList manageQueue;
  l_QORDlgList windows;
  QORInteractiveApplication* api;
  int attached = 0;
  int endingState = 0;
  int dragFlag = 0;
  int stop = 0;
  int busy = 0;
  void (*busyHook)(int) = nullptr;
  XtAppContext context = nullptr;
  Display* display = nullptr;
  Widget topLevel = nullptr;
  Widget resourceShell = nullptr;
  int argc = 0;
  char** argv = nullptr;
  char** envp = nullptr;
  void* hostWindowRecord = nullptr;
  Visual* visual = nullptr;
  int depth = 0;
  Colormap colormap = 0;
  XVisualInfo visualInfo{};
  int idleSubscribed = 0;
  int startPending = 0;
  XtIntervalId replayTimer = 0;
  static void replayTO(XtPointer self, XtIntervalId* id);
  Cursor busyCursor = 0, normalCursor = 0, helpCursor = 0, pixmapCursor = 0;
  Widget statusWidget = nullptr;
  QORUnicodeString statusMessage;
  // Drag and drop: availability, state (QORDlgDragState), the objects under
  // the pointer at the start and now, the position relative to the target,
  // the key state, the start flags, the receiver's effect and the data.
  int dragAvailability = 0;
  int dragState = QORDlgDragNone;
  l_QORDialog* dragSource = nullptr;
  l_QORDialog* dropTarget = nullptr;
  int dragX = 0, dragY = 0;
  unsigned long dragKeyState = 0;
  unsigned int dragModifiers = 0;
  unsigned long dragStartFlags = 0;
  tagDROPEFFECT dropEffect = DROPEFFECT_NONE;
  void* dragData = nullptr;
  Cursor dragCursorShown = 0;
  bool dragMoved = false;
  // Icons: filled by InitPixmapBackground().
  Pixel iconBackground[6] = {};
  Pixel iconHighlight[6] = {};

  static l_QORInteractiveApplication* current;
  static QORCommand* idleCommand;
  // Fourth word of a host window record stamped 19970902 or later.
  static long hostRecordWord;
};

// Xt / X integration.
void InitXResources(Widget w);
void DialogKeyProc(Display* d, KeyCode code, Modifiers mods, Modifiers* modsReturn, KeySym* keysym);
void TOLVEN_XtErrorHandler(char* message);
int TOLVEN_XErrorHandler(Display* d, XErrorEvent* event);
