// The document's MDI operations: each closes the open combo list first (not
// tile and cascade), then, in MDI style, goes to the MDI client.
#include "l_QORDlgDocument.h"

// UNFINISHED: the MDI client does not exist yet; the operations only close
// the open combo list.
void l_QORDlgDocument::MDIActivate(l_QORDlgDialog*) { CloseOpenCombo(); }
l_QORDlgDialog* l_QORDlgDocument::MDIGetActive() {
  CloseOpenCombo();
  return nullptr;
}
void l_QORDlgDocument::MDIMaximize(l_QORDlgDialog*) { CloseOpenCombo(); }
void l_QORDlgDocument::MDIMinimize(l_QORDlgDialog*) { CloseOpenCombo(); }
void l_QORDlgDocument::MDIRestore(l_QORDlgDialog*) { CloseOpenCombo(); }
void l_QORDlgDocument::MDINext() { CloseOpenCombo(); }
void l_QORDlgDocument::MDIPrevious() { CloseOpenCombo(); }
void l_QORDlgDocument::MDITile(int) {}
void l_QORDlgDocument::MDICascade(int) {}
