// The gallery's menus: a menu bar (File, Options with a sub-menu) and a
// contextual menu on the buttons frame. File's Open... shows the file box of
// the Boxes frame and Quit asks before it ends the gallery; the other items
// only notify, and the log shows what they send.
#include <Xm/MessageB.h>

#include <cstdio>
#include <string>

#include "GalleryDialog.h"
#include "QORDlgBarMenu.h"
#include "QORDlgCheckItem.h"
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
    // Yes ends the gallery as its Cancel button does.
    if (answer == QORDlgNotifyAnswerYes)
      if (auto* app = dynamic_cast<QORInteractiveApplication*>(GetFather())) app->Destroy();
  });

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

Widget GalleryDialog::GetMenuWidget(const char* name) const {
  Widget box = GetStandardButton("OK");
  box = box ? XtParent(box) : nullptr;
  return box ? XtNameToWidget(box, ("*" + std::string(name)).c_str()) : nullptr;
}
