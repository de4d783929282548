#include "l_QORDlgFile.h"

#include <X11/Xmu/Editres.h>
#include <Xm/DrawingA.h>
#include <Xm/DialogS.h>
#include <Xm/FileSB.h>
#include <Xm/List.h>
#include <Xm/PushBG.h>
#include <Xm/ScrollBar.h>
#include <Xm/TextF.h>
#include <dirent.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "QORDlgArgs.h"
#include "QORDlgRecordPath.h"
#include "QORDlgText.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORInteractiveApplication.h"

namespace {

struct NamedRow {
  const char* resource;
  QORUnicodeString QORDlgStaticTexts::*fallback;
  unsigned char child;  // the file selection box's child showing it (none for Apply)
};
const NamedRow kNamed[l_QORDlgFile::NamedCount] = {
    {"BOK", &QORDlgStaticTexts::fileOK, XmDIALOG_OK_BUTTON},
    {"BApply", &QORDlgStaticTexts::fileApply, XmDIALOG_NONE},
    {"BFilter", &QORDlgStaticTexts::fileFilter, XmDIALOG_APPLY_BUTTON},
    {"BCancel", &QORDlgStaticTexts::fileCancel, XmDIALOG_CANCEL_BUTTON},
    {"BHelp", &QORDlgStaticTexts::fileHelp, XmDIALOG_HELP_BUTTON},
    {"FilterLabel", &QORDlgStaticTexts::fileFilterLabel, XmDIALOG_FILTER_LABEL},
    {"DirectoriesLabel", &QORDlgStaticTexts::fileDirectoryLabel, XmDIALOG_DIR_LIST_LABEL},
    {"FilesLabel", &QORDlgStaticTexts::fileFileLabel, XmDIALOG_LIST_LABEL},
    {"SelectionLabel", &QORDlgStaticTexts::fileSelectionLabel, XmDIALOG_SELECTION_LABEL},
};

void setLabel(Widget w, const QORUnicodeString& text) {
  if (!w) return;
  XmString s = QORDlgText::toXmString(text);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

}  // namespace

l_QORDlgFile::l_QORDlgFile(l_QORDialog* f, const QORString& n, QORDlgFile* a, unsigned long s)
    : l_QORDlgWindow(f, n, a, s) {
  style |= s & QORDlgStyleBits::File;
  style = (style & ~static_cast<unsigned long>(QORDlgShown)) | QORDlgHidden;
  pending |= QORDlgUpdButtonTitles;
}

l_QORDlgFile::~l_QORDlgFile() = default;

// ---- texts of the buttons and labels ----

void l_QORDlgFile::loadResources() {
  if (resourceLock) return;
  const QORDlgStaticTexts* defaults = l_QORInteractiveApplication::Static;
  QORUnicodeString v;
  for (int i = 0; i < NamedCount; ++i) {
    if (!(style & QORDlgNoResource) && getResourceValue(kNamed[i].resource, v, nullptr)) {
      texts[i] = v;
      resourceTexts = 1;
    } else if (defaults) {
      texts[i] = defaults->*(kNamed[i].fallback);
    }
  }
  l_QORDlgWindow::loadResources();
}

void l_QORDlgFile::SetNamedText(Named which, const QORUnicodeString& t) {
  if (!resourceLock) loadResources();
  if (resourceTexts) return;  // the catalog wins over the program
  texts[which] = t;
  pending |= QORDlgUpdButtonTitles;
  registerDifferUpdate();
}

QORUnicodeString l_QORDlgFile::GetNamedText(Named which) {
  if (!resourceLock) loadResources();
  return texts[which];
}

void l_QORDlgFile::SetButtonSensitivity(Named b, unsigned long s) {
  sensitive[b] = s == QORDlgSensitive ? 1 : 0;
  pending |= QORDlgUpdButtonSensitivity;
  registerDifferUpdate();
}

// ---- directory, pattern, selection ----

bool l_QORDlgFile::readsBox() const { return built && !(api && api->IsReplay()); }

QORUnicodeString l_QORDlgFile::boxText(const char* resource) const {
  XmString s = nullptr;
  XtVaGetValues(baseWidget, resource, &s, nullptr);
  QORUnicodeString out = QORDlgText::fromXmString(s);
  XmStringFree(s);
  return out;
}

QORUnicodeString l_QORDlgFile::selectionField() const {
  Widget field = XmFileSelectionBoxGetChild(baseWidget, XmDIALOG_TEXT);
  char* value = XmTextFieldGetString(field);
  QORUnicodeString out(value ? value : "");
  XtFree(value);
  return out;
}

void l_QORDlgFile::SetDirectorie(const QORUnicodeString& d) {
  directory = d;
  pending |= QORDlgUpdFileDirectory;
  update(0);
}

void l_QORDlgFile::GetDirectorie(QORUnicodeString& d) {
  if (readsBox()) directory = boxText(XmNdirectory);
  d = directory;
}

void l_QORDlgFile::SetFileName(const QORUnicodeString& f) {
  fileName = f;
  pending |= QORDlgUpdFilePattern;
  update(0);
}

void l_QORDlgFile::SetFilterPattern(const QORUnicodeString& p) {
  pattern = p;
  pending |= QORDlgUpdFilePattern;
  update(0);
}

void l_QORDlgFile::GetFilterPattern(QORUnicodeString& p) {
  if (readsBox()) pattern = boxText(XmNpattern);
  p = pattern;
}

void l_QORDlgFile::GetSelection(QORUnicodeString& s) {
  if (multiple()) {
    s = selectedFiles.empty() ? QORUnicodeString() : selectedFiles.front();
    return;
  }
  if (readsBox()) selection = selectionField();
  s = selection;
}

int l_QORDlgFile::GetSelection(QORUnicodeString* files, int max) const {
  for (int i = 0; i < max && i < static_cast<int>(selectedFiles.size()); ++i) files[i] = selectedFiles[i];
  return static_cast<int>(selectedFiles.size());
}

int l_QORDlgFile::GetSelectionCount() const { return multiple() ? static_cast<int>(selectedFiles.size()) : 1; }

void l_QORDlgFile::SetFilterStrings(QORUnicodeString* t, QORString* p, int count) {
  filterTexts.clear();
  filterPatterns.clear();
  for (int i = 0; i < count; ++i) {
    filterTexts.push_back(t[i]);
    filterPatterns.push_back(p[i]);
  }
}

int l_QORDlgFile::GetFilterStrings(QORUnicodeString* t, QORString* p, int max) const {
  for (int i = 0; i < max && i < static_cast<int>(filterPatterns.size()); ++i) {
    t[i] = filterTexts[i];
    p[i] = filterPatterns[i];
  }
  return static_cast<int>(filterPatterns.size());
}

void l_QORDlgFile::SetActiveFilterIndex(int index) {
  if (index >= 0 && index < static_cast<int>(filterPatterns.size())) activeFilter = index;
}

// ---- building ----

void l_QORDlgFile::SetVisibility(unsigned long v) {
  l_QORDlgWindow::SetVisibility(v);
  if (!built) BuildWindow();
}

void l_QORDlgFile::BuildWindow() {
  if (!built) {
    if (!resourceLock) loadResources();
    l_QORInteractiveApplication* app = GetApplication();
    if (!app) return;
    l_QORDialog* fatherWindow = father ? father->GetWindowFather() : nullptr;
    Widget parent = fatherWindow && fatherWindow->GetBaseWidget(0) ? fatherWindow->GetBaseWidget(0) : app->GetWidget();
    if (!parent) return;
    QORDlgArgs<10> args;
    args.add(XmNvisual, app->GetVisual());
    args.add(XmNdepth, app->GetDepth());
    args.add(XmNcolormap, app->GetColormap());
    args.add(XmNautoUnmanage, False);
    // Closing goes through the window's close protocol.
    args.add(XmNdeleteResponse, XmDO_NOTHING);
    if (GlobalXResources.enabled) {
      args.add(XmNbackground, GlobalXResources.documentBackground);
      args.add(XmNforeground, GlobalXResources.documentForeground);
      if (GlobalXResources.documentFontList) args.add(XmNlabelFontList, GlobalXResources.documentFontList);
    }
    baseWidget = XmCreateFileSelectionDialog(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    shell = XtParent(baseWidget);
    built = 1;
    InstallDestroyHandler();
    InstallMoveWindowHandler(shell);
    for (int i = 0; i < NamedCount; ++i)
      if (kNamed[i].child != XmDIALOG_NONE) named[i] = XmFileSelectionBoxGetChild(baseWidget, kNamed[i].child);
    if (style & QORDlgFileApply) addApplyButton();
    if (GlobalXResources.enabled) applyColours();
    if (multiple()) {
      Widget files = XmFileSelectionBoxGetChild(baseWidget, XmDIALOG_LIST);
      XtVaSetValues(files, XmNselectionPolicy, XmEXTENDED_SELECT, nullptr);
      XtAddCallback(files, XmNextendedSelectionCallback, multipleCB, this);
    }
    AddWMCallbacks();
    if (!(style & QORDlgFileHelp)) XtUnmanageChild(named[Help]);
    XtAddCallback(baseWidget, XmNokCallback, okCB, this);
    XtAddCallback(baseWidget, XmNcancelCallback, buttonCB, this);
    XtAddCallback(baseWidget, XmNhelpCallback, buttonCB, this);
    XtAddEventHandler(shell, NoEventMask, True, _XEditResCheckMessages, nullptr);
    pending |= QORDlgUpdVisibility | QORDlgUpdButtonSensitivity;
  }
  update(0);
}

// The box's work area holds the application's objects; the first child
// after it goes to the button row, which is where Apply belongs.
void l_QORDlgFile::addApplyButton() {
  takeChildren();
  if (children.getCount() == 0) XmCreatePushButtonGadget(baseWidget, const_cast<char*>("pipo"), nullptr, 0);
  named[Apply] = XmCreatePushButtonGadget(baseWidget, const_cast<char*>("Apply"), nullptr, 0);
  XtManageChild(named[Apply]);
  XtAddCallback(named[Apply], XmNactivateCallback, buttonCB, this);
}

Widget l_QORDlgFile::GetBaseWidget(int which) { return which == 0 && workArea ? workArea : baseWidget; }

// The application's objects share one work area, laid out as in a dialog
// box: the selection box itself takes a single work-area child.
void l_QORDlgFile::takeChildren() {
  bool any = false;
  for (int i = 0; i < children.getCount() && !any; ++i) any = !GetChild(i)->IsAKindOf(QORDlgCodeWindow);
  if (!any) return;
  workArea = XtVaCreateManagedWidget((std::string(name.c_str()) + "Wa").c_str(), xmDrawingAreaWidgetClass, baseWidget,
                                     XmNmarginWidth, 0, XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  for (int i = 0; i < children.getCount(); ++i)
    if (!GetChild(i)->IsAKindOf(QORDlgCodeWindow)) GetChild(i)->Build();
  if (!layoutManager) return;
  layoutManager->Layout();
  int w = 0, h = 0;
  layoutManager->getSize(w, h);
  if (w > 0 && h > 0)
    XtVaSetValues(workArea, XmNwidth, static_cast<Dimension>(w), XmNheight, static_cast<Dimension>(h), nullptr);
}

void l_QORDlgFile::applyColours() {
  const QORDlgGlobalXResources& r = GlobalXResources;
  for (unsigned char child : {XmDIALOG_FILTER_TEXT, XmDIALOG_TEXT, XmDIALOG_LIST, XmDIALOG_DIR_LIST}) {
    Widget w = XmFileSelectionBoxGetChild(baseWidget, child);
    XtVaSetValues(w, XmNbackground, r.editorBackground, XmNforeground, r.editorForeground, nullptr);
    if (r.editorFontList) XtVaSetValues(w, XmNfontList, r.editorFontList, nullptr);
    if (child != XmDIALOG_LIST && child != XmDIALOG_DIR_LIST) continue;
    // The lists' scrolled windows and their scroll bars take the window's background.
    Widget scrolled = XtParent(w);
    XtVaSetValues(scrolled, XmNbackground, r.documentBackground, nullptr);
    Widget bars[2] = {};
    XtVaGetValues(scrolled, XmNhorizontalScrollBar, &bars[0], XmNverticalScrollBar, &bars[1], nullptr);
    for (Widget bar : bars)
      if (bar) XtVaSetValues(bar, XmNbackground, r.documentBackground, nullptr);
  }
  if (r.documentFontList)
    for (Widget w : named)
      if (w) XtVaSetValues(w, XmNfontList, r.documentFontList, nullptr);
}

// ---- the deferred update ----

void l_QORDlgFile::applyDirectory() {
  if (directory.IsEmpty()) return;
  // Motif lists an unreadable directory as an empty one: say why instead.
  if (DIR* d = opendir(directory.c_str())) {
    closedir(d);
  } else {
    std::fprintf(stderr, "Warning : file box %s cannot read the directory >%s<: %s\n", name.c_str(), directory.c_str(),
                 std::strerror(errno));
    return;
  }
  XmString s = QORDlgText::toXmString(directory);
  XtVaSetValues(baseWidget, XmNdirectory, s, nullptr);
  XmStringFree(s);
}

void l_QORDlgFile::applyPattern() {
  if (!pattern.IsEmpty()) {
    XmString s = QORDlgText::toXmString(pattern);
    XtVaSetValues(baseWidget, XmNpattern, s, nullptr);
    XmStringFree(s);
  }
  if (directory.IsEmpty() || fileName.IsEmpty()) return;
  std::string full = directory.c_str();
  if (full.back() != '/') full += '/';
  full += fileName.c_str();
  XmString s = QORDlgText::toXmString(QORUnicodeString(full.c_str()));
  XtVaSetValues(baseWidget, XmNtextString, s, nullptr);
  XmStringFree(s);
}

void l_QORDlgFile::update(unsigned long mask) {
  if (!built) return;
  auto take = [&](unsigned long bit) { return takePending(bit, mask); };
  if (take(QORDlgUpdFileDirectory)) applyDirectory();
  if (take(QORDlgUpdFilePattern)) applyPattern();
  if (take(QORDlgUpdButtonTitles))
    for (int i = 0; i < NamedCount; ++i) setLabel(named[i], texts[i]);
  if (take(QORDlgUpdButtonSensitivity))
    for (int b = OK; b <= Help; ++b)
      if (named[b]) XtSetSensitive(named[b], sensitive[b] ? True : False);
  if (take(QORDlgUpdSize) && dx > 0 && dy > 0)
    XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
  if ((pending | mask) & QORDlgUpdVisibility) {
    // The window's update hands a shown box to the idle pass, which manages it.
    const bool shown = GetVisibility() == QORDlgShown;
    const unsigned char dialogStyle =
        shown && (style & QORDlgFileModal) ? XmDIALOG_FULL_APPLICATION_MODAL : XmDIALOG_MODELESS;
    XtVaSetValues(baseWidget, XmNdialogStyle, dialogStyle, nullptr);
  }
  l_QORDlgWindow::update(mask);
}

void l_QORDlgFile::manage() {
  if (!baseWidget) return;
  XtManageChild(baseWidget);
  // Managed, the box asks for its natural size: the program's size comes after.
  if (dx > 0 && dy > 0)
    XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
  XtPopup(shell, XtGrabNone);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

void l_QORDlgFile::unmanage() {
  if (!baseWidget) return;
  XtUnmanageChild(baseWidget);
  XtPopdown(shell);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

// ---- the buttons ----

void l_QORDlgFile::okCB(Widget, XtPointer client, XtPointer call) {
  auto* cbs = static_cast<XmFileSelectionBoxCallbackStruct*>(call);
  static_cast<l_QORDlgFile*>(client)->okSelected(QORDlgText::fromXmString(cbs->value));
}

void l_QORDlgFile::buttonCB(Widget w, XtPointer client, XtPointer call) {
  auto* box = static_cast<l_QORDlgFile*>(client);
  if (w == box->named[Apply]) {
    box->response = 4;
    box->notify(&box->diaAPPLYNotification);
  } else if (static_cast<XmAnyCallbackStruct*>(call)->reason == XmCR_HELP) {
    box->helpSelected();
  } else {
    box->response = 2;
    box->notify(&box->diaCANCELNotification);
  }
}

void l_QORDlgFile::helpSelected() {
  response = 3;
  if (l_QORInteractiveApplication::fAutomaticContextualHelp) {
    if (l_QORInteractiveApplication* app = GetApplication()) app->QueryHelpOnContext(this);
    return;
  }
  notify(&diaHELPNotification);
}

void l_QORDlgFile::okSelected(const QORUnicodeString& value) {
  response = 1;
  if (api && api->IsCapture()) {
    selection = value;
    directory = boxText(XmNdirectory);
    pattern = boxText(XmNpattern);
  }
  // With multiple selection a typed name joins the selected files once;
  // OK on the bare directory names no file.
  if (multiple() && value != boxText(XmNdirectory)) {
    bool known = false;
    for (const QORUnicodeString& f : selectedFiles) known = known || f == value;
    if (!known) selectedFiles.push_back(value);
  }
  notify(&diaOKNotification);
}

void l_QORDlgFile::multipleCB(Widget, XtPointer client, XtPointer call) {
  auto* list = static_cast<XmListCallbackStruct*>(call);
  static_cast<l_QORDlgFile*>(client)->multipleSelected(list->selected_items, list->selected_item_count);
}

void l_QORDlgFile::multipleSelected(const XmString* items, int count) {
  selectedFiles.clear();
  for (int i = 0; i < count; ++i) selectedFiles.push_back(QORDlgText::fromXmString(items[i]));
}

// ---- record and replay ----

namespace {
// More selected files than a record can sensibly hold mean a damaged record.
constexpr int kMostRecordedFiles = 4096;
}  // namespace

void l_QORDlgFile::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&diaOKNotification, [this](l_QORDlgRecordIo& io) {
    // Stops the run when the directory could not be mapped on replay.
    if (!io.replaying()) CheckRecordPath(directory.c_str());
    io.field(response);
    io.detail("_response  = %d\n", response);
    if (multiple()) recordFiles(io);
    else recordChoice(io);
  });
  for (QORNotification* n : std::initializer_list<QORNotification*>{&diaCANCELNotification, &diaHELPNotification,
                                                                    &diaAPPLYNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.field(response);
      io.detail("_response  = %d\n", response);
    });
  cases.add(&windCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
}

void l_QORDlgFile::recordChoice(l_QORDlgRecordIo& io) {
  io.text(selection);
  io.text(directory);
  if (io.replaying()) mapReplayed(selection);
  io.text(pattern);
  io.detail("_selection = %s\n", selection.c_str());
  io.detail("_directorie= %s\n", directory.c_str());
  io.detail("_pattern   = %s\n", pattern.c_str());
}

// Multiple selection: the pattern, the directory, then every selected file,
// each mapped on replay as a single selection is.
void l_QORDlgFile::recordFiles(l_QORDlgRecordIo& io) {
  io.text(pattern);
  io.text(directory);
  int count = static_cast<int>(selectedFiles.size());
  io.field(count);
  if (count < 0 || count > kMostRecordedFiles) count = 0;  // the unread rest makes the replay fail
  selectedFiles.resize(static_cast<size_t>(count));
  const QORUnicodeString recordedDirectory = directory;
  for (QORUnicodeString& file : selectedFiles) {
    io.text(file);
    if (io.replaying()) {
      directory = recordedDirectory;
      mapReplayed(file);
    }
  }
  if (io.replaying() && count == 0) {
    QORUnicodeString none;
    mapReplayed(none);
  }
  io.detail("MULTISEL -------------------------------------------------\n");
  io.detail("_selectedCount= %d\n", count);
  for (const QORUnicodeString& file : selectedFiles) io.detail("_selectedFiles= %s\n", file.c_str());
  io.detail("_directorie= %s\n", directory.c_str());
  io.detail("_pattern   = %s\n", pattern.c_str());
}

// The recorded directory and `file` become this machine's (CAP_PATHn onto REP_PATHn).
void l_QORDlgFile::mapReplayed(QORUnicodeString& file) {
  std::string dir = directory.str(), chosen = file.str();
  CheckReplayPath(&dir[0], &chosen[0]);
  directory = QORUnicodeString(tempo_directorie ? tempo_directorie : "");
  file = QORUnicodeString(tempo_selection ? tempo_selection : "");
}
