// The document's MDI operations: each closes the open combo list first (not
// tile and cascade), then, in MDI style, goes to the MDI client.
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDialog.h"
#include "l_QORDlgDocument.h"

namespace {
// A dialog the client can act on: given and built.
bool ready(l_QORDlgDialog* d) { return d && d->IsBuild(); }
}  // namespace

void l_QORDlgDocument::MDIActivate(l_QORDlgDialog* dialog) {
  CloseOpenCombo();
  if (mdiClient && ready(dialog)) mdiClient->MDIActivate(dialog);
}

l_QORDlgDialog* l_QORDlgDocument::MDIGetActive() {
  CloseOpenCombo();
  return mdiClient ? mdiClient->MDIGetActive() : nullptr;
}

void l_QORDlgDocument::MDIMaximize(l_QORDlgDialog* dialog) {
  CloseOpenCombo();
  if (mdiClient && ready(dialog)) mdiClient->MDIMaximize(dialog);
}

void l_QORDlgDocument::MDIMinimize(l_QORDlgDialog* dialog) {
  CloseOpenCombo();
  if (mdiClient && ready(dialog)) mdiClient->MDIMinimize(dialog);
}

void l_QORDlgDocument::MDIRestore(l_QORDlgDialog* dialog) {
  CloseOpenCombo();
  if (mdiClient && ready(dialog)) mdiClient->MDIRestore(dialog);
}

void l_QORDlgDocument::MDINext() {
  CloseOpenCombo();
  if (mdiClient) mdiClient->MDINext();
}

void l_QORDlgDocument::MDIPrevious() {
  CloseOpenCombo();
  if (mdiClient) mdiClient->MDIPrevious();
}

void l_QORDlgDocument::MDITile(int flags) {
  if (mdiClient) mdiClient->MDITile(flags);
}

void l_QORDlgDocument::MDICascade(int flags) {
  if (mdiClient) mdiClient->MDICascade(flags);
}
