// The gallery's menus: a menu bar (File, View, Options with a sub-menu) and a
// contextual menu on the buttons frame. File's Open... shows the file box of
// the Boxes frame and Quit asks before it ends the gallery; View arranges the
// document's child frames and shows each family's box; the other items only
// notify, and the log shows what they send.
#include <cstdio>
#include <functional>
#include <string>

#include "GalleryDialog.h"
#include "QORDlgBarMenu.h"
#include "QORDlgCheckItem.h"
#include "QORDlgDialog.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgMotif.h"
#include "QORDlgNotify.h"
#include "QORInteractiveApplication.h"
#include "QORDlgPushItem.h"
#include "QORDlgRadioItem.h"
#include "QORDlgSeparatorItem.h"
#include "QORDlgSubMenu.h"

void GalleryDialog::buildMenus() {
  auto* bar = new QORDlgBarMenu(this, "Menu");
  // Texts, mnemonics, accelerators and icons come from the catalog.
  auto* file = new QORDlgSubMenu(bar, "File");
  auto* open = new QORDlgPushItem(file, "Open");
  new QORDlgSeparatorItem(file, "Line");
  auto* quit = new QORDlgPushItem(file, "Quit");
  if (QORDialog* box = Find("OpenFile"))
    open->AddAnalyseNotificationCB(open, "QORDlgMenuIActivateNotification",
                                   [box](QORCommand*, QORNotification*) { box->SetVisibility(QORDlgShown); });
  auto* sure = new QORDlgNotify(this, "QuitQuestion", QORDlgNotifyQuestion | QORDlgNotifyYesNo);
  quit->AddAnalyseNotificationCB(quit, "QORDlgMenuIActivateNotification", [this, sure](QORCommand*, QORNotification*) {
    const int answer = sure->DisplayBlocked(sure->GetText(), sure->GetTitle());
    std::printf("answer %s DisplayBlocked %s\n", sure->GetPath().c_str(),
                answer == QORDlgNotifyAnswerYes ? "Yes" : "No");
    std::fflush(stdout);
    // Yes ends the gallery as closing the document does.
    if (answer != QORDlgNotifyAnswerYes) return;
    printGeometries();
    if (auto* app = dynamic_cast<QORInteractiveApplication*>(GetFather())) app->Destroy();
  });

  buildViewMenu(bar);

  auto* options = new QORDlgSubMenu(bar, "Options", QORDlgMenuTearOff);
  new QORDlgCheckItem(options, "Grid");
  new QORDlgSeparatorItem(options, "Line");
  // Radio items next to each other form a group.
  for (const char* size : {"Small", "Medium", "Large"}) new QORDlgRadioItem(options, size);
  static_cast<QORDlgRadioItem*>(options->GetChildFromChildNumber(3))->SetState(QORDlgChecked, 0);
  new QORDlgSeparatorItem(options, "Line2");
  auto* zoom = new QORDlgSubMenu(options, "Zoom");
  new QORDlgPushItem(zoom, "In");
  new QORDlgPushItem(zoom, "Out");

  auto* help = new QORDlgSubMenu(bar, "Help", QORDlgMenuHelpEntry);
  new QORDlgPushItem(help, "About");

  // The third button over the buttons frame shows its items, then the window's.
  if (QORDialog* buttons = Find("Buttons")) {
    auto* ctx = new QORDlgContextualMenu(buttons, "ButtonsCtx");
    new QORDlgPushItem(ctx, "Reset");
    new QORDlgCheckItem(ctx, "Lock");
  }
}

// Arranging child frames means something in MDI style only.
void GalleryDialog::buildViewMenu(QORDialog* bar) {
  auto* view = new QORDlgSubMenu(bar, "View");
  const unsigned long arranging = IsMDI() ? QORDlgSensitive : QORDlgInsensitive;
  auto item = [view, arranging](const char* name, std::function<void()> act) {
    auto* i = new QORDlgPushItem(view, name, arranging);
    i->AddAnalyseNotificationCB(i, "QORDlgMenuIActivateNotification", [act](QORCommand*, QORNotification*) { act(); });
  };
  item("Cascade", [this] { MDICascade(0); });
  item("Tile", [this] { MDITile(0); });
  item("Icons", [this] { MDIIconArrange(); });
  new QORDlgSeparatorItem(view, "Line");
  for (QORDlgDialog* family : families) {
    auto* show = new QORDlgPushItem(view, family->GetName());
    show->AddAnalyseNotificationCB(show, "QORDlgMenuIActivateNotification",
                                   [this, family](QORCommand*, QORNotification*) { ShowFamily(family); });
  }
}

// Entries are looked for below the menu bar only: the View menu's items bear
// the names of the families' boxes.
Widget GalleryDialog::GetMenuWidget(const char* name) const {
  Widget file = GetStandardButton("*Menu.FileBt");
  Widget bar = file ? XtParent(file) : nullptr;
  return bar ? XtNameToWidget(bar, ("*" + std::string(name)).c_str()) : nullptr;
}

Widget GalleryDialog::GetPopupWidget(const char* name) const {
  Widget top = GetStandardButton("*Menu.FileBt");
  while (top && !XtIsShell(top)) top = XtParent(top);
  Widget entry = top ? XtNameToWidget(top, ("*" + std::string(name)).c_str()) : nullptr;
  // Only an entry of a menu that is posted (a menu once posted keeps its
  // entries realized and managed).
  XWindowAttributes a;
  const bool shown = entry && XtIsManaged(entry) && XtWindowOfObject(entry) &&
                     XGetWindowAttributes(XtDisplayOfObject(entry), XtWindowOfObject(entry), &a) &&
                     a.map_state == IsViewable;
  return shown ? entry : nullptr;
}
