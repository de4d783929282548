// Internal to libTOLVEN: not API, never installed.
// l_QORDialog: the private half of every dialog object. It holds the state,
// owns the widgets and applies changes in the deferred update pass.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>
#include <X11/Intrinsic.h>

#include "QORDialog.h"
#include "QORDlgAttachment.h"
#include "QORDlgBits.h"
#include "QORDlgNotifications.h"
#include "QORString.h"
#include "QORDlgClassTraits.h"
#include "l_QORDlgList.h"

class QORMarshal;
class QORMsgCatalog;
class QORNotification;
class l_QORDlgRecordCases;
class QORDlgGridConstraints;
class l_QORDlgTab;
class l_QORDlgLayoutManager;
class l_QORDlgContextualMenu;
class l_QORInteractiveApplication;
struct CursorDefinition;

class l_QORDialog {
 public:
  l_QORDialog(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  virtual ~l_QORDialog();
  l_QORDialog(const l_QORDialog&) = delete;
  l_QORDialog& operator=(const l_QORDialog&) = delete;

  virtual void SetVisibility(unsigned long visibility);
  virtual unsigned long GetVisibility();
  virtual void SetSensitivity(unsigned long sensitivity);
  virtual void SetStatusBarText(const QORUnicodeString& text);
  virtual void SetStatusBarTemporaryText(const QORUnicodeString& text);
  virtual void Build() = 0;
  virtual void UnBuild();
  virtual void SetRectDimensions(DRECT& r, int flag);
  virtual void SetRectDimensions(int x, int y, int height, int width, int flag);
  virtual void GetMinRectDimensions(int* height, int* width);
  virtual void GetRectDimensions(int* x, int* y, int* height, int* width);
  virtual void GetRectDimensions(DRECT* r);
  virtual void SetRectPosition(DPOS& p, int flag);
  virtual void SetRectPosition(int x, int y, int flag);
  virtual void GetRectPosition(int* x, int* y);
  virtual void GetRectPosition(DPOS* p);
  virtual void GetAbsolutePosition(int& x, int& y);
  virtual void ChildMoved() {}
  virtual int IsAKindOf(unsigned long code);
  virtual void Destroy();
  virtual void update(unsigned long mask);
  virtual void loadResources();
  virtual l_QORDialog* GetFirstEditable() { return nullptr; }
  virtual void EnableThreeButton(Widget w = nullptr);
  virtual Widget GetBaseWidget(int which);
  virtual int TranslateCoordinates(DRECT& r, DPOS& p);
  virtual void unmanage();
  virtual void manage();
  virtual void widgetDestroyed();
  virtual void threeButton(XButtonEvent* event);
  virtual void threeButtonSecondaryHandler(XButtonEvent* event);
  // Record and replay of every letter, from the rows of recordCases().
  virtual int SaveState(QORNotification* n, QORMarshal& m);
  virtual int RestoreState(QORNotification* n, QORMarshal& m);
  // The letter's class code (QORDlgClassTraits.def); each letter class returns its own.
  virtual unsigned long GetClassCode() const { return QORDlgCodeDialog; }
  // The record of the letter's class: what the base does differently for it.
  const QORDlgClassTraits& traits() const { return QORDlgTraitsOf(GetClassCode()); }
  // Class name of the envelope, for the record traces.
  const char* GetClassName() const { return traits().className; }
  // A window (QORDlgCapWindow) creates its shell and then its subtree here,
  // when the update pass finds it asked to build; other objects build in Build().
  virtual void BuildWindow() {}
  // The notifications this letter records, one row each (l_QORDlgRecordCases.h).
  virtual void recordCases(l_QORDlgRecordCases& cases);

  QORDialog* GetAPIObject() const { return api; }
  // The widget the father places (GetBaseWidget(0) may be an inner one).
  Widget GetOwnWidget() const { return baseWidget; }
  void SetAPIObject(QORDialog* a) { api = a; }
  l_QORDialog* getFather() const { return father; }
  const QORString& GetName() const { return name; }
  unsigned long GetStyle() const { return style; }
  int IsBuild() const { return built; }
  l_QORDlgLayoutManager* GetLayoutManager() const { return layoutManager; }
  l_QORDlgContextualMenu* GetContextualMenu() const { return contextualMenu; }
  l_QORDlgContextualMenu* SetContextualMenu(l_QORDlgContextualMenu* menu);

  void addChild(l_QORDialog* child);
  void removeChild(l_QORDialog* child);
  int GetChildCount() const { return children.getCount(); }
  l_QORDialog* GetChild(int index) const { return static_cast<l_QORDialog*>(children[index]); }
  int GetNumChild() const { return childNumber; }
  void SetNumChild(int n) { childNumber = n; }
  int GetChildNumberFromChild(QORDialog* child) const;
  QORDialog* GetChildFromChildNumber(int index) const;
  int Reparent(l_QORDialog* newFather);

  l_QORDialog* GetWindowFather();
  l_QORDialog* GetDocumentWindow();
  l_QORInteractiveApplication* GetApplication() const;
  l_QORDialog* GetMainWindow() const;
  Display* GetApplicationDisplay() const;
  Widget GetApplicationWidget() const;
  XtAppContext GetApplicationContext() const;
  void SetApplication(l_QORInteractiveApplication* app) { application = app; }
  void SetMainWindow(l_QORDialog* w) { mainWindow = w; }

  int IsGloballySensitive();
  int IsOnScreen() { return onScreen && GetVisibility() == QORDlgShown; }
  void SetOnScreen(int on) { onScreen = on; }
  void registerDifferUpdate();
  void globalUpdate(unsigned long force);
  void ordermanagelist(l_QORDlgList& toManage, l_QORDlgList& ordered);
  unsigned long GetPendingMask() const { return pending; }
  void RaisePending(unsigned long bits) { pending |= bits; }

  // The common opening of Build() on an object not built yet: loads the
  // resources, then returns the father's widget to create under with the
  // built flag set; null, and still not built, while the father has no
  // widget (the father builds it with itself).
  Widget beginBuild();
  void InstallDestroyHandler();
  void RemoveDestroyHandler();
  void InstallThreeButtonHandler(Widget w);

  const QORUnicodeString& GetTitle();
  void SetTitle(const QORUnicodeString& t);
  unsigned long GetSensitivity() const { return style & (QORDlgSensitive | QORDlgInsensitive | QORDlgThirdState); }
  int IsSetSensitivity() const { return (style & QORDlgSensitive) ? 1 : 0; }
  int IsDestroying() const { return destroying; }
  // Queued for deletion at the next idle pass (set once, by the application).
  bool IsDestroyQueued() const { return destroyQueued; }
  void SetDestroyQueued() { destroyQueued = true; }

  // Resources, mnemonics, accelerators and help (bodies in l_QORDialogResources.cpp and l_QORDialogHelp.cpp).
  void SetResourceID(const QORString& id);
  const QORString& GetResourceID() const { return resourceID; }
  unsigned long GetResourceLock() const { return resourceLock; }
  int GetResourceValueFromKey(const QORString& key, QORUnicodeString& value, QORUnicodeString* params);
  void AddResourcePath(const QORMsgCatalog& catalog, const QORString& prefix);
  void deleteResources();
  int getResourceValue(const QORString& key, QORUnicodeString& value, QORUnicodeString* params);
  // True when a catalog or resource file is attached to this object or an ancestor.
  bool hasResourceSource();
  // False when no key can be found: resources off, or no catalog or file in reach.
  bool resourcesReachable();
  // `params` holds at least as many texts as the highest %n of the message.
  static int getCatalogResourceValue(const char* catalogName, const QORString& key, QORUnicodeString& value,
                                     QORUnicodeString* params);
  static int getCatalogResourceValue(const QORMsgCatalog* catalog, const QORString& key, QORUnicodeString& value,
                                     QORUnicodeString* params);
  void warnMnemonic(const QORUnicodeString& value);
  void SetMnemonic(QORUnicodeChar m);
  QORUnicodeChar GetMnemonic();
  void SetAccelerator(unsigned long word);
  unsigned long GetAccelerator();
  void SetAcceleratorString(const QORUnicodeString& text);
  const QORUnicodeString& GetAcceleratorString();
  void SetIconName(const QORString& normal, const QORString& selected, const QORString& focused,
                   const QORString& disabled);
  // 0 normal, 1 selected, 2 focused, 3 disabled; null when none was given.
  const QORString* GetIconName(int which);
  void SetIconType(QORDlgIconType type);
  QORDlgIconType GetIconType();
  void SetHelp(const QORUnicodeString& text);
  const QORUnicodeString& GetHelp();
  void SetShortHelp(const QORUnicodeString& text);
  const QORUnicodeString* GetShortHelp();
  void SetLongHelp(const QORUnicodeString& text);
  const QORUnicodeString* GetLongHelp();
  const QORUnicodeString* GetNearestLongHelp();
  void recursiveInstallAccelerators(Widget source);
  void InstallFurtifHelpHandler(Widget w);
  void InstallFocusHandler(Widget w);
  void QORDlgHelp();
  Widget CreateHelpShell(QORUnicodeString* text, int kind);
  static void BulleDestroy();
  static Widget HelpShell;
  static void QORDlgHelpCB(Widget w, XtPointer client, XtPointer call);
  static void crossingEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void bullePressEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void focusEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);

  // The embedded notifications every object may send.
  QORDlgVisibilityNotification visibilityNotification;
  QORDlgCreateNotification createNotification;
  QORDlgResizeNotification resizeNotification;
  QORDlgHelpNotification helpNotification;
  QORDlgDragEnterNotification dragEnterNotification;
  QORDlgDragOverNotification dragOverNotification;
  QORDlgDragLeaveNotification dragLeaveNotification;
  QORDlgDropNotification dropNotification;
  QORDlgEndDropNotification endDropNotification;
  QORDlgStartDragNotification startDragNotification;
  QORDlgCancelDragNotification cancelDragNotification;
  QORDlgDragButtonNotification dragButtonNotification;

  // Live letters, for leak checks in tests and tools.
  static int GetLiveCount();

  // Inspection channel (bodies in l_QORDialogInspect.cpp). The handle names
  // this letter to outside tools: 32 bits, unique in the run, never 0.
  uint32_t GetInspectHandle() const { return inspectHandle; }
  // Appends the pre-order walk of this subtree: each letter, then its
  // children's walks, then a null end mark.
  void dumpTree(l_QORDlgList* walk);
  // The letter of this subtree with `handle`, or null.
  l_QORDialog* findInspectHandle(uint32_t handle);

  // Record/replay trace level: first character of RECORD_TRACE, 0 when unset.
  static char record_trace;

  // Layout: attachments and grid of a container, tabulations of a child
  // (bodies in l_QORDialogLayout.cpp).
  void SetVerticalAttachment(unsigned short index, QORDlgAttachment kind, const l_QORDlgList& components);
  void SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind, const l_QORDlgList& components);
  void Attach4Sides(l_QORDialog* child);
  void SetDefaultAttachments();
  void SetDefaultOrientation(Orientation o) { defaultOrientation = o; }
  Orientation GetDefaultOrientation() const { return defaultOrientation ? Horizontal : Vertical; }
  int GetVerticalTabIndex(l_QORDialog* child, QORDlgAttachment kind);
  int GetHorizontalTabIndex(l_QORDialog* child, QORDlgAttachment kind);
  void InsertAlongVerticalTab(unsigned short index, l_QORDialog* component, l_QORDialog* reference, InsertionMode mode);
  void InsertAlongHorizontalTab(unsigned short index, l_QORDialog* component, l_QORDialog* reference,
                                InsertionMode mode);
  void RemoveAlongVerticalTab(unsigned short index, l_QORDialog* component);
  void RemoveAlongHorizontalTab(unsigned short index, l_QORDialog* component);
  void ResetAttachment(l_QORDialog* child);
  void ReplaceKeepAttachments(l_QORDialog* oldChild, l_QORDialog* newChild);
  void SetGridConstraints(const QORDlgGridConstraints& c);
  void SetGridConstraints(short row, short column, short columnSpan, short rowSpan, unsigned int justification);
  const QORDlgGridConstraints& GetGridConstraints();
  void SetGridColumnResizable(int column, int flag);
  void SetGridRowResizable(int row, int flag);
  int IsGridColumnResizable(int column);
  int IsGridRowResizable(int row);
  l_QORDlgTab* getFirstTab(int o) const { return firstTab[o]; }
  void setFirstTab(int o, l_QORDlgTab* t) { firstTab[o] = t; }
  l_QORDlgTab* getSecondTab(int o) const { return secondTab[o]; }
  void setSecondTab(int o, l_QORDlgTab* t) { secondTab[o] = t; }
  // Title for messages: the name until a title is known.
  QORString layoutTitle();
  // Stamps of the father's layout pass: moved in this propagation, placed in this pass.
  unsigned layoutMark = 0;
  unsigned layoutPlaced = 0;
  // The father's grid cell of this child, valid while the grid is unchanged.
  class LayoutCell* layoutCell = nullptr;
  unsigned layoutCellVersion = 0;
  // Index of this child among the records of its first [o][0] and second
  // [o][1] tabulation, valid while the stamp is the line's current one.
  int layoutIndex[2][2] = {{0, 0}, {0, 0}};
  unsigned layoutIndexStamp[2][2] = {{0, 0}, {0, 0}};

 protected:
  void setAttachment(unsigned short index, Orientation o, QORDlgAttachment kind, const l_QORDlgList& components);
  void insertAlong(unsigned short index, Orientation o, l_QORDialog* component, l_QORDialog* reference,
                   InsertionMode mode);
  void removeAlong(unsigned short index, Orientation o, l_QORDialog* component);
  int refuseOnGrid(const QORString& who);
  void attachmentsChanged();
  // Applies pending bit 0x40000: re-layout with the current size.
  void relayout();

 public:
  // Images and cursors
  // Puts the object's icons on `w` (nothing without a normal icon name).
  void loadIcon(Widget w);
  // 0..11 index the cursor table; returns the previous cursor (0 for none).
  int SetCursor(int cursor);
  int GetCursor() const { return cursor < 0 ? 0 : cursor; }
  // The cursor index, -1 for none.
  int GetCursorIndex() const { return cursor; }
  static void initcursor();
  static Cursor createcursor(const CursorDefinition* definition);
  // The table cursor `index` (creating the table first), 0 when out of range.
  static Cursor GetTableCursor(int index);
  // Defines the object's cursor on its window: false when it has none yet.
  bool applyCursor();

 protected:
  // Children built by one update are managed together at its end (see
  // l_QORDialog.cpp); manage() of the base defers to the open batch.
  static void flushManageBatch(std::vector<l_QORDialog*>& batch);
  // Runs `build` on every child (the list may grow meanwhile), their
  // managing batched as the children step of update() does.
  void buildChildren(const std::function<void(l_QORDialog*)>& build);
  // Sends `n` from the envelope, when there is one.
  void notify(QORNotification* n);
  // True when `bit` is pending or asked for in `mask`; clears it in both, so
  // an update applies each bit once.
  bool takePending(unsigned long bit, unsigned long& mask) {
    const bool raised = ((pending | mask) & bit) != 0;
    pending &= ~bit;
    mask &= ~bit;
    return raised;
  }
  static void destroyCB(Widget w, XtPointer client, XtPointer call);
  static void threeButtonEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  // True when `ancestor` is this object or one of its fathers.
  bool isInTreeOf(const l_QORDialog* ancestor) const;
  // Hangs the envelope under the father's envelope in the command tree.
  void followInCommandTree();

  // Field order follows the documented letter layout.
  l_QORDlgList catalogs;       // QORMsgCatalog*, owned
  l_QORDlgList resourcePaths;  // QORString*, owned
  l_QORDialog* father;
  unsigned long pending;
  unsigned long resourceLock;
  QORString name;
  QORString resourceID;
  QORUnicodeString title;
  int built;
  l_QORDlgList children;
  int x, y, dx, dy;
  l_QORDlgTab* firstTab[2];
  l_QORDlgTab* secondTab[2];
  int defaultOrientation;
  int tabWord;
  unsigned long style;
  QORUnicodeChar mnemonic;
  unsigned long accelerator;
  QORString* iconNames[4];
  QORDlgIconType iconType;
  l_QORDlgContextualMenu* contextualMenu;
  QORUnicodeString* help;
  QORUnicodeString* shortHelp;
  QORUnicodeString* longHelp;
  l_QORDialog* mainWindow;
  l_QORInteractiveApplication* application;
  l_QORDlgLayoutManager* layoutManager;
  QORDlgGridConstraints* gridConstraints;
  int childNumber;
  QORDialog* api;
  int destroying;
  bool destroyQueued = false;
  int cursor;
  int onScreen;
  Widget baseWidget;
  unsigned char destroyHandlerInstalled;
  int lastApplyNow;
  uint32_t inspectHandle;
};
