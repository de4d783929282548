// The gallery's menus: a menu bar (File, Options with a sub-menu) and a
// contextual menu on the buttons frame. Their items only notify: the log
// shows what they send.
#include <Xm/MessageB.h>

#include <string>

#include "GalleryDialog.h"
#include "QORDlgBarMenu.h"
#include "QORDlgCheckItem.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgMotif.h"
#include "QORDlgPushItem.h"
#include "QORDlgRadioItem.h"
#include "QORDlgSeparatorItem.h"
#include "QORDlgSubMenu.h"

void GalleryDialog::buildMenus() {
  auto* bar = new QORDlgBarMenu(this, "Menu");
  // Texts, mnemonics, accelerators and icons come from the catalog.
  auto* file = new QORDlgSubMenu(bar, "File");
  new QORDlgPushItem(file, "Open");
  new QORDlgSeparatorItem(file, "Line");
  new QORDlgPushItem(file, "Quit");

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
