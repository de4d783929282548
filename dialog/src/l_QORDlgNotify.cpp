#include "l_QORDlgNotify.h"

#include <X11/Xmu/Editres.h>
#include <Xm/DialogS.h>
#include <Xm/MessageB.h>

#include <initializer_list>

#include "QORCleaner.h"
#include "QORDlgArgs.h"
#include "QORDlgText.h"
#include "QORRecord.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORInteractiveApplication.h"

// One button set: per position its label (null: the box's own title), its
// notification (an index into the letter's list, -1: hidden) and what a
// blocking display returns for it; `none` is returned when no shown button
// was pressed (-1: the response itself, for the default set).
struct NotifyButtonSet {
  unsigned long bit;
  QORUnicodeString QORDlgStaticTexts::*label[3];
  int which[3];
  int result[3];
  int none;
};

namespace {

// Indexes of the letter's notifications, in the order notificationAt lists them.
enum { DiaOK, DiaCancel, DiaHelp, Abort, Retry, Ignore, NfyOK, NfyCancel, Yes, No };

const NotifyButtonSet kDefaultSet = {0, {nullptr, nullptr, nullptr}, {DiaOK, DiaCancel, DiaHelp}, {1, 2, 3}, -1};
const NotifyButtonSet kSets[] = {
    {QORDlgNotifyAbortRetryIgnore,
     {&QORDlgStaticTexts::notifyAbort, &QORDlgStaticTexts::notifyRetry, &QORDlgStaticTexts::notifyIgnore},
     {Abort, Retry, Ignore}, {QORDlgNotifyAnswerAbort, QORDlgNotifyAnswerRetry, QORDlgNotifyAnswerIgnore},
     QORDlgNotifyAnswerIgnore},
    {QORDlgNotifyOK, {&QORDlgStaticTexts::notifyOK, nullptr, nullptr}, {NfyOK, -1, -1}, {QORDlgNotifyAnswerOK, 0, 0},
     QORDlgNotifyNone},
    {QORDlgNotifyOKCancel, {&QORDlgStaticTexts::notifyOK, &QORDlgStaticTexts::notifyCancel, nullptr},
     {NfyOK, NfyCancel, -1}, {QORDlgNotifyAnswerOK, QORDlgNotifyAnswerCancel, 0}, QORDlgNotifyNone},
    {QORDlgNotifyRetryCancel, {&QORDlgStaticTexts::notifyRetry, &QORDlgStaticTexts::notifyCancel, nullptr},
     {Retry, NfyCancel, -1}, {QORDlgNotifyAnswerRetry, QORDlgNotifyAnswerCancel, 0}, QORDlgNotifyNone},
    {QORDlgNotifyYesNo, {&QORDlgStaticTexts::notifyYes, &QORDlgStaticTexts::notifyNo, nullptr}, {Yes, No, -1},
     {QORDlgNotifyAnswerYes, QORDlgNotifyAnswerNo, 0}, QORDlgNotifyNone},
    {QORDlgNotifyYesNoCancel,
     {&QORDlgStaticTexts::notifyYes, &QORDlgStaticTexts::notifyNo, &QORDlgStaticTexts::notifyCancel},
     {Yes, No, NfyCancel}, {QORDlgNotifyAnswerYes, QORDlgNotifyAnswerNo, QORDlgNotifyAnswerCancel},
     QORDlgNotifyAnswerCancel},
};

// Any button bits but exactly one set's mean the OK set.
const NotifyButtonSet* buttonSetOf(unsigned long style) {
  const unsigned long bits = style & QORDlgStyleBits::NotifyButtons;
  if (!bits) return &kDefaultSet;
  for (const NotifyButtonSet& s : kSets)
    if (s.bit == bits) return &s;
  return &kSets[1];
}

// Any kind bits but exactly one kind's mean information.
unsigned long kindOf(unsigned long style) {
  const unsigned long bits = style & QORDlgStyleBits::NotifyKind;
  for (unsigned long k : {QORDlgNotifyQuestion, QORDlgNotifyInformation, QORDlgNotifyWarning, QORDlgNotifyError})
    if (bits == k) return k;
  return QORDlgNotifyInformation;
}

// Motif's creator of each kind: the kind's icon comes with it.
using Creator = Widget (*)(Widget, String, ArgList, Cardinal);
Creator creatorOf(unsigned long kind) {
  switch (kind) {
    case QORDlgNotifyQuestion: return XmCreateQuestionDialog;
    case QORDlgNotifyWarning: return XmCreateWarningDialog;
    case QORDlgNotifyError: return XmCreateErrorDialog;
    default: return XmCreateInformationDialog;
  }
}

const unsigned char kMessageChild[3] = {XmDIALOG_OK_BUTTON, XmDIALOG_CANCEL_BUTTON, XmDIALOG_HELP_BUTTON};
const char* const kFallbackTitle[3] = {"OK", "Cancel", "Help"};

}  // namespace

l_QORDlgNotify::l_QORDlgNotify(l_QORDialog* f, const QORString& n, QORDlgNotify* a, unsigned long s)
    : l_QORDlgWindow(f, n, a, s), set(buttonSetOf(s)) {
  style |= kindOf(s) | set->bit | (s & QORDlgNotifyModal);
  if (set == &kDefaultSet) style |= s & QORDlgNotifyHelp;
  style = (style & ~static_cast<unsigned long>(QORDlgShown)) | QORDlgHidden;
  pending &= ~static_cast<unsigned long>(QORDlgUpdSize);
  pending |= QORDlgUpdNotifyText;
  if (set == &kDefaultSet) pending |= QORDlgUpdButtonTitles;
}

l_QORDlgNotify::~l_QORDlgNotify() {
  if (alive) *alive = false;
}

// ---- texts ----

void l_QORDlgNotify::loadResources() {
  if (resourceLock) return;
  static const char* const keys[3] = {"BOK", "BCancel", "BHelp"};
  const bool lookUp = !(style & QORDlgNoResource);
  QORUnicodeString v;
  if (set == &kDefaultSet) {
    for (int i = 0; i < 3; ++i) {
      if (lookUp && getResourceValue(keys[i], v, nullptr)) {
        titles[i] = v;
        resourceTitles = 1;
      } else {
        titles[i] = QORUnicodeString(kFallbackTitle[i]);
      }
    }
  }
  if (lookUp && getResourceValue("Text", v, nullptr)) {
    text = v;
    resourceText = 1;
  } else {
    text = QORUnicodeString(" ");
  }
  l_QORDlgWindow::loadResources();
}

void l_QORDlgNotify::SetText(const QORUnicodeString& t) {
  if (!resourceLock) loadResources();
  if (resourceText) return;  // the catalog wins over the program
  text = t;
  pending |= QORDlgUpdNotifyText;
  registerDifferUpdate();
}

QORUnicodeString l_QORDlgNotify::GetText() {
  if (!resourceLock) loadResources();
  return text;
}

void l_QORDlgNotify::SetButtonTitle(int position, const QORUnicodeString& t) {
  if (set != &kDefaultSet) return;
  if (!resourceLock) loadResources();
  if (resourceTitles) return;
  titles[position] = t;
  pending |= QORDlgUpdButtonTitles;
  registerDifferUpdate();
}

QORUnicodeString l_QORDlgNotify::GetButtonTitle(int position) {
  if (set == &kDefaultSet && !resourceLock) loadResources();
  return titles[position];
}

// ---- building ----

void l_QORDlgNotify::BuildWindow() {
  if (!built) {
    if (!resourceLock) loadResources();
    l_QORInteractiveApplication* app = GetApplication();
    if (!app) return;
    l_QORDialog* fatherWindow = father ? father->GetWindowFather() : nullptr;
    Widget parent = fatherWindow && fatherWindow->GetBaseWidget(0) ? fatherWindow->GetBaseWidget(0) : app->GetWidget();
    if (!parent) return;
    QORDlgArgs<12> args;
    args.add(XmNvisual, app->GetVisual());
    args.add(XmNdepth, app->GetDepth());
    args.add(XmNcolormap, app->GetColormap());
    // Closing goes through the window's close protocol.
    args.add(XmNdeleteResponse, XmDO_NOTHING);
    args.add(XmNautoUnmanage, False);
    args.add(XmNnoResize, True);
    if (style & QORDlgNotifyModal) args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    if (GlobalXResources.enabled) {
      args.add(XmNbackground, GlobalXResources.documentBackground);
      args.add(XmNforeground, GlobalXResources.documentForeground);
      if (GlobalXResources.documentFontList) args.add(XmNlabelFontList, GlobalXResources.documentFontList);
    }
    baseWidget = creatorOf(style & QORDlgStyleBits::NotifyKind)(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    shell = XtParent(baseWidget);
    built = 1;
    for (int p = 0; p < 3; ++p) {
      buttons[p] = XmMessageBoxGetChild(baseWidget, kMessageChild[p]);
      if (GlobalXResources.enabled && GlobalXResources.documentFontList)
        XtVaSetValues(buttons[p], XmNfontList, GlobalXResources.documentFontList, nullptr);
    }
    InstallDestroyHandler();
    InstallMoveWindowHandler(shell);
    AddWMCallbacks();
    for (const char* callback : {XmNokCallback, XmNcancelCallback, XmNhelpCallback})
      XtAddCallback(baseWidget, callback, buttonCB, this);
    XtAddEventHandler(shell, NoEventMask, True, _XEditResCheckMessages, nullptr);
    if (set == &kDefaultSet) {
      if (!(style & QORDlgNotifyHelp)) XtUnmanageChild(buttons[2]);
      if (!(style & QORDlgNotifyQuestion)) XtUnmanageChild(buttons[1]);
    } else {
      const QORDlgStaticTexts* texts = l_QORInteractiveApplication::Static;
      for (int p = 0; p < 3; ++p) {
        if (set->which[p] < 0) {
          XtUnmanageChild(buttons[p]);
        } else if (texts) {
          XmString s = QORDlgText::toXmString(texts->*(set->label[p]));
          XtVaSetValues(buttons[p], XmNlabelString, s, nullptr);
          XmStringFree(s);
        }
      }
    }
    pending |= QORDlgUpdVisibility;
    ready = 1;
  }
  update(0);
}

void l_QORDlgNotify::update(unsigned long mask) {
  if (!built) return;
  auto take = [&](unsigned long bit) { return takePending(bit, mask); };
  if (take(QORDlgUpdNotifyText)) {
    XmString s = QORDlgText::toXmString(text);
    XtVaSetValues(baseWidget, XmNmessageString, s, XmNmessageAlignment, XmALIGNMENT_BEGINNING, nullptr);
    XmStringFree(s);
  }
  if (take(QORDlgUpdButtonTitles) && set == &kDefaultSet) {
    for (int p = 0; p < 3; ++p) {
      XmString s = QORDlgText::toXmString(titles[p]);
      XtVaSetValues(buttons[p], XmNlabelString, s, nullptr);
      XmStringFree(s);
    }
  }
  l_QORDlgWindow::update(mask);
}

void l_QORDlgNotify::manage() {
  if (!baseWidget) return;
  XtManageChild(baseWidget);
  XtPopup(shell, XtGrabNone);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

void l_QORDlgNotify::unmanage() {
  if (!baseWidget) return;
  XtUnmanageChild(baseWidget);
  XtPopdown(shell);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

// ---- the buttons ----

void l_QORDlgNotify::buttonCB(Widget, XtPointer client, XtPointer call) {
  const int reason = static_cast<XmAnyCallbackStruct*>(call)->reason;
  static_cast<l_QORDlgNotify*>(client)->pressed(reason == XmCR_OK ? 0 : reason == XmCR_CANCEL ? 1 : 2);
}

QORNotification* l_QORDlgNotify::notificationAt(int position) {
  QORNotification* const all[] = {&diaOKNotification,     &diaCANCELNotification, &diaHELPNotification,
                                  &nfyAbortNotification,  &nfyRetryNotification, &nfyIgnoreNotification,
                                  &nfyOKNotification,     &nfyCancelNotification, &nfyYesNotification,
                                  &nfyNoNotification};
  const int which = set->which[position];
  return which < 0 ? nullptr : all[which];
}

void l_QORDlgNotify::pressed(int position) {
  response = position + 1;
  if (!api) return;
  QORNotification* n = notificationAt(position);
  if (!n) return;
  if (ready) {
    notify(n);
    return;
  }
  // Inside a blocking display the press is the answer, not a notification;
  // a recorded run keeps it for the replay to answer in its place.
  if (api->IsCapture()) QORRecord::GetMain()->SaveState(api, n);
}

int l_QORDlgNotify::blockingResult() const {
  if (set->none < 0) return response;
  if (response < 1 || response > 3 || set->which[response - 1] < 0) return set->none;
  return set->result[response - 1];
}

// ---- the blocking display ----

int l_QORDlgNotify::DisplayBlocked(const QORUnicodeString& t, const QORUnicodeString& title) {
  SetText(t);
  SetTitle(title);
  SetVisibility(QORDlgShown);
  if (!built) BuildWindow();
  l_QORInteractiveApplication* app = GetApplication();
  if (!built || !app) return QORDlgNotifyNone;
  const bool modeless = !(style & QORDlgNotifyModal);
  if (modeless) XtVaSetValues(baseWidget, XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL, nullptr);
  response = 0;
  ready = 0;
  bool stillAlive = true;
  alive = &stillAlive;
  if (api && api->IsReplay() && !api->IsCapture()) {
    // The recorded answer, without waiting for input. Entries recorded for
    // the box while it waited (a close request) come first.
    while (stillAlive && response == 0 && api && QORRecord::GetMain()->RestoreState(api) == 0) {
    }
  } else {
    waitForAnswer();
  }
  if (!stillAlive) return QORDlgNotifyNone;  // deleted while it waited
  alive = nullptr;
  app->SetBusyCursor();
  SetVisibility(QORDlgHidden);
  // Only the blocking display is modal; shown later, the box is modeless again.
  if (modeless) XtVaSetValues(baseWidget, XmNdialogStyle, XmDIALOG_MODELESS, nullptr);
  ready = 1;
  return blockingResult();
}

void l_QORDlgNotify::waitForAnswer() {
  l_QORInteractiveApplication* app = GetApplication();
  XtAppContext context = app->GetContext();
  const bool capturing = api && api->IsCapture();
  bool* stillAlive = alive;
  XEvent event;
  while (*stillAlive && response == 0 && !app->IsStopped()) {
    XtAppNextEvent(context, &event);
    // While recording, other windows neither redraw nor follow the pointer:
    // nothing of theirs may happen that the replay, which does not wait here, would miss.
    if (capturing && (event.type == Expose || event.type == MotionNotify) && !ownsWindow(event.xany.window))
      continue;
    app->PreProcessEvent(&event);
    XtDispatchEvent(&event);
    QORCleaner::EndTransaction();
  }
}

bool l_QORDlgNotify::ownsWindow(Window w) const {
  for (Widget wd = XtWindowToWidget(XtDisplay(shell), w); wd; wd = XtParent(wd))
    if (wd == shell) return true;
  return false;
}

// ---- record and replay ----

void l_QORDlgNotify::recordCases(l_QORDlgRecordCases& cases) {
  for (QORNotification* n : std::initializer_list<QORNotification*>{
           &nfyAbortNotification, &nfyRetryNotification, &nfyIgnoreNotification, &nfyOKNotification,
           &nfyCancelNotification, &nfyYesNotification, &nfyNoNotification, &diaOKNotification,
           &diaCANCELNotification, &diaHELPNotification})
    cases
        .add(n,
             [this](l_QORDlgRecordIo& io) {
               io.field(response);
               io.detail("_response= %d\n", response);
             })
        // A blocking display takes the answer and notifies nobody, as it did live.
        .onReplay([this, n] {
          if (ready) notify(n);
        });
  cases.add(&windCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
}
