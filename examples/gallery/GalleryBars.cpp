// The gallery document's bars: a tool bar of icon buttons docked at the top
// (its contextual menu moves it to another side or into a shell of its own)
// and the status bar, where the help text of the object under the pointer
// shows.
#include "GalleryDialog.h"
#include "QORDlgPushButton.h"
#include "QORDlgStatusBar.h"
#include "QORDlgToolBar.h"

void GalleryDialog::buildBars() {
  auto* tools = new QORDlgToolBar(this, "Tools", QORDlgToolBarTop);
  for (const char* icon : {"new", "open", "save", "info"}) {
    std::string name = icon;
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    (new QORDlgPushButton(tools, name.c_str(), 0))->SetIconName(icon);
  }
  new QORDlgStatusBar(this, "Status", 0);
  SetStatusBarText("Ready");
}
