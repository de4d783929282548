// The letter's part in the inspection channel: its walk and the lookup of a
// handle a tool sends back.
#include "l_QORDialog.h"

void l_QORDialog::dumpTree(l_QORDlgList* walk) {
  walk->insertTail(this);
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->dumpTree(walk);
  walk->insertTail(nullptr);
}

l_QORDialog* l_QORDialog::findInspectHandle(uint32_t handle) {
  if (handle == inspectHandle) return this;
  for (int i = 0; i < children.getCount(); ++i)
    if (l_QORDialog* found = GetChild(i)->findInspectHandle(handle)) return found;
  return nullptr;
}
