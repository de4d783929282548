// Letter of QORInteractiveApplication: the event loop, the idle pass that
// applies deferred updates and deletions, and the start and end of the run.
#include "l_QORInteractiveApplication.h"

#include <Xm/VirtKeys.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QORApplication.h"
#include "QORCleaner.h"
#include "QORCommand.h"
#include "QOREnv.h"
#include "QORInteractiveApplication.h"
#include "QORRecord.h"
#include "QORSettingRepository.h"
#include "QORDlgBmp.h"
#include "l_QORDialog.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORInteractiveApplicationShared.h"

namespace interactive_application {

// Every application letter alive, oldest first: the idle command, Static and
// the other class-wide data go with the last one.
std::vector<l_QORInteractiveApplication*>& liveLetters() {
  static std::vector<l_QORInteractiveApplication*> letters;
  return letters;
}

// ---- the Xt work procedure that drives the host's idle event ----

namespace {
XtWorkProcId idleWorkProcId = 0;

Boolean idleWorkProc(XtPointer) {
  QORApplication::Dispatch(QORApplication::IdleEvent);
  if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) > 0) return False;
  idleWorkProcId = 0;
  return True;
}
}  // namespace

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

}  // namespace interactive_application

using interactive_application::liveLetters;

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
  if (event->type == ButtonPress && l_QORDlgClientMDI::Exists()) passPressToMDIFrame(event);
}

// A click inside an MDI child reaches the child's frame first, so that the
// child comes to the front; then the widget clicked gets it as usual. Only a
// climb that ends on a frame (a child of an MDI client) passes it on.
void l_QORInteractiveApplication::passPressToMDIFrame(XEvent* event) {
  Widget clicked = XtWindowToWidget(event->xany.display, event->xany.window);
  if (!clicked) return;
  Widget w = clicked;
  while (!XtIsShell(w) && XtParent(w) && !l_QORDlgClientMDI::IsClientWidget(XtParent(w))) w = XtParent(w);
  if (w == clicked || !XtParent(w) || !l_QORDlgClientMDI::IsClientWidget(XtParent(w)) || !XtWindow(w)) return;
  XEvent copy = *event;
  copy.xbutton.window = XtWindow(w);
  XtDispatchEvent(&copy);
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
  // A drag must not send to an object on its way out.
  if (dragSource == letter) dragSource = nullptr;
  if (dropTarget == letter) dropTarget = nullptr;
  if (dragStartWidget && dragStartWidget == letter->GetOwnWidget()) dragStartWidget = nullptr;
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
  // A replayed run does not drag: the recorded drag notifications follow.
  if (dragState == QORDlgDragRequested && QORRecord::GetMain()->RecordMod() != QORRecordReplay) DragMainLoop();
  if (dragState == QORDlgDragRequested) dragState = QORDlgDragNone;
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
