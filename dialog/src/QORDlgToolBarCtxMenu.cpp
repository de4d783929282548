#include "QORDlgToolBarCtxMenu.h"

#include <cstring>

#include "QORDlgContextualMenu.h"
#include "QORDlgToolBar.h"
#include "QORDlgToolBarCtxItem.h"
#include "l_QORDlgToolBar.h"
#include "l_QORInteractiveApplication.h"

namespace {
struct Choice {
  const char* name;
  QORUnicodeString QORDlgStaticTexts::*title;
  unsigned long state;
};
const Choice kChoices[] = {
    {"Top", &QORDlgStaticTexts::toolBarTop, QORDlgToolBarTop},
    {"Bottom", &QORDlgStaticTexts::toolBarBottom, QORDlgToolBarBottom},
    {"Left", &QORDlgStaticTexts::toolBarLeft, QORDlgToolBarLeft},
    {"Right", &QORDlgStaticTexts::toolBarRight, QORDlgToolBarRight},
    {"Undock", &QORDlgStaticTexts::toolBarUndock, QORDlgToolBarUndocked},
};
}  // namespace

QORDlgToolBarCtxMenu::QORDlgToolBarCtxMenu(QORDlgToolBar* bar, const QORString& name, unsigned long style)
    : QORCommand(bar, name.c_str()), toolBar(static_cast<l_QORDlgToolBar*>(bar->GetLetterObject())) {
  menu = bar->GetContextualMenu();
  if (!menu) menu = new QORDlgContextualMenu(bar, name + "Ctx", style);
  FillMenu(menu);
}

QORDlgToolBarCtxMenu::~QORDlgToolBarCtxMenu() {
  if (toolBar) toolBar->resetContextualMenu();
}

bool QORDlgToolBarCtxMenu::IsAKindOf(const char* className) const {
  return std::strcmp(className, "QORDlgToolBarCtxMenu") == 0 || QORCommand::IsAKindOf(className);
}

void QORDlgToolBarCtxMenu::FillMenu(QORDlgContextualMenu* m) {
  QORDlgStaticTexts* texts = l_QORInteractiveApplication::Static;
  for (int i = 0; i < 5; ++i) {
    const Choice& c = kChoices[i];
    items[i] = new QORDlgToolBarCtxItem(this, m, c.name, 0);
    items[i]->SetFather(this);
    if (texts) items[i]->SetTitle(texts->*c.title);
  }
}

int QORDlgToolBarCtxMenu::RetireReference() { return --references; }

void QORDlgToolBarCtxMenu::MoveToolBarCB(QORCommand*, QORNotification*, void* clientData) {
  if (!toolBar) return;
  const char* which = static_cast<const char*>(clientData);
  unsigned long state = QORDlgToolBarUndocked;  // any other text undocks
  for (const Choice& c : kChoices)
    if (which && std::strcmp(which, c.name) == 0) state = c.state;
  toolBar->SetDockState(state);
}
