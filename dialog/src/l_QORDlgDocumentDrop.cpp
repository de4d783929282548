// Files dropped on the document by other applications, and the document's
// record and replay.
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <Xm/DragDrop.h>

#include <cstdio>
#include <string>
#include <vector>

#include "QORCleaner.h"
#include "QORDlgArgs.h"
#include "QORDlgDroppedNames.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

namespace {

// The targets the main window takes. FILE_NAME converts to a STRING of
// NUL-separated names.
const char* const kImportTargets[] = {"COMPOUND_TEXT", "FILE_NAME", "STRING"};
// The one asked for when a source offers several: exact names before text
// cut at spaces, and one value only, so that no file arrives twice.
const char* const kPreferred[] = {"FILE_NAME", "STRING", "COMPOUND_TEXT"};

Atom chooseTarget(Display* d, const Atom* offered, Cardinal count) {
  for (const char* name : kPreferred) {
    const Atom wanted = XInternAtom(d, name, False);
    for (Cardinal i = 0; i < count; ++i)
      if (offered[i] == wanted) return wanted;
  }
  return None;
}

// COMPOUND_TEXT as UTF-8, through Xlib's converters; false when it cannot be read.
bool decodeCompoundText(Display* d, Atom type, const char* bytes, unsigned long length, std::string& text) {
  XTextProperty property{reinterpret_cast<unsigned char*>(const_cast<char*>(bytes)), type, 8, length};
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(d, &property, &list, &count) < 0) return false;
  for (int i = 0; i < count; ++i) text += list[i];
  if (list) XFreeStringList(list);
  return true;
}

}  // namespace

void l_QORDlgDocument::registerDropSite() {
  Display* d = XtDisplay(mainWindow);
  Atom targets[XtNumber(kImportTargets)];
  for (size_t i = 0; i < XtNumber(kImportTargets); ++i) targets[i] = XInternAtom(d, kImportTargets[i], False);
  QORDlgArgs<5> args;
  // Composite: the text fields inside keep their own drop sites.
  args.add(XmNdropSiteType, XmDROP_SITE_COMPOSITE);
  args.add(XmNimportTargets, targets);
  args.add(XmNnumImportTargets, XtNumber(targets));
  args.add(XmNdropSiteOperations, XmDROP_COPY);
  args.add(XmNdropProc, dropProc);
  XmDropSiteRegister(mainWindow, args.data(), args.count());
}

void l_QORDlgDocument::dropProc(Widget site, XtPointer, XtPointer call) {
  auto* drop = static_cast<XmDropProcCallbackStruct*>(call);
  Atom* offered = nullptr;
  Cardinal count = 0;
  XtVaGetValues(drop->dragContext, XmNexportTargets, &offered, XmNnumExportTargets, &count, nullptr);
  // Motif reads the entries when the transfer starts, which may be later.
  static XmDropTransferEntryRec entry;
  entry = XmDropTransferEntryRec{site, chooseTarget(XtDisplay(site), offered, count)};
  QORDlgArgs<4> args;
  if (drop->dropAction == XmDROP && entry.target != None) {
    args.add(XmNdropTransfers, &entry);
    args.add(XmNnumDropTransfers, 1);
    args.add(XmNtransferProc, transferProc);
  } else {
    // A help request, or nothing this window takes: refused.
    args.add(XmNtransferStatus, XmTRANSFER_FAILURE);
    args.add(XmNnumDropTransfers, 0);
  }
  XmDropTransferStart(drop->dragContext, args.data(), args.count());
}

void l_QORDlgDocument::transferProc(Widget, XtPointer site, Atom*, Atom* type, XtPointer value,
                                    unsigned long* length, int* format) {
  l_QORDialog* letter = nullptr;
  XtVaGetValues(static_cast<Widget>(site), XmNuserData, &letter, nullptr);
  auto* document = dynamic_cast<l_QORDlgDocument*>(letter);
  if (document && document->api && value && type && length && format)
    document->droppedValue(*type, static_cast<const char*>(value), *length, *format);
  XtFree(static_cast<char*>(value));
}

void l_QORDlgDocument::droppedValue(Atom type, const char* bytes, unsigned long length, int format) {
  Display* d = XtDisplay(mainWindow);
  // Some sources give FILE_NAME as its own type: the same NUL-separated names.
  const bool text = type == XInternAtom(d, "COMPOUND_TEXT", False);
  const bool separated = type == XA_STRING || type == XInternAtom(d, "FILE_NAME", False);
  if ((!separated && !text) || format != 8) {
    std::fprintf(stderr, "Warning: dropped value of an unknown type or format ignored\n");
    return;
  }
  std::vector<std::string> names;
  if (separated) {
    names = QORDlgDroppedNames::FromSeparated(bytes, length);
  } else {
    std::string decoded;
    if (!decodeCompoundText(d, type, bytes, length, decoded)) {
      std::fprintf(stderr, "Warning: dropped COMPOUND_TEXT value cannot be read, ignored\n");
      return;
    }
    names = QORDlgDroppedNames::FromSpaced(decoded.data(), decoded.size());
  }
  // A subscriber may delete the document: its letter then has no envelope.
  for (const std::string& name : names)
    if (api) sendDroppedFile(QORString(name.c_str()));
}

void l_QORDlgDocument::sendDroppedFile(const QORString& name) {
  auto* n = new QORDlgDroppedFileNotification();
  n->SetFileName(name);
  QORCleaner::DeleteOnTransactionEnd(n);
  notify(n);
}

// ---- record and replay ----

int l_QORDlgDocument::SaveState(QORNotification* n, QORMarshal& m) {
  // The codec writes the name that this notification carries.
  savedDrop = dynamic_cast<QORDlgDroppedFileNotification*>(n);
  const int result = l_QORDlgWindow::SaveState(n, m);
  savedDrop = nullptr;
  return result;
}

void l_QORDlgDocument::recordCases(l_QORDlgRecordCases& cases) {
  l_QORDlgRecordCases::Case& drop = cases.add(&droppedFileNotification, [this](l_QORDlgRecordIo& io) {
    QORString name = savedDrop ? savedDrop->GetFileName() : QORString();
    io.text(name);
    io.detail("dropped file = %s\n", name.c_str());
    if (io.replaying()) droppedFileNotification.SetFileName(name);
  });
  drop.onReplay([this] { sendDroppedFile(droppedFileNotification.GetFileName()); });
  // The replayed drop has always been traced under this spelling; tools read it.
  if (api && api->IsReplay()) drop.traceAs("QORDlgocument");
  cases.add(&resizeNotification, [this](l_QORDlgRecordIo& io) { recordGeometry(io); }).onReplay([this] {
    replayGeometry();
  });
  cases.add(&windCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
}

void l_QORDlgDocument::recordGeometry(l_QORDlgRecordIo& io) {
  // The shell's position and the main window's size, as short and unsigned short.
  Position sx = 0, sy = 0;
  Dimension sw = 0, sh = 0;
  if (!io.replaying() && shell) {
    XtVaGetValues(shell, XmNx, &sx, XmNy, &sy, nullptr);
    XtVaGetValues(mainWindow, XmNwidth, &sw, XmNheight, &sh, nullptr);
  }
  io.field(sx, sy, sw, sh);
  io.detail("x,y dx,dy= %d,%d %d,%d\n", sx, sy, sw, sh);
  if (!io.replaying()) return;
  // A recorded 0, 0 is no place: the window keeps where it is (and what it knows of it).
  replayedX = sx;
  replayedY = sy;
  if (sx && sy) {
    x = sx;
    y = sy;
  }
  dx = sw;
  dy = sh;
}

void l_QORDlgDocument::replayGeometry() {
  if (shell && dx > 0 && dy > 0) {
    // The resize callbacks this causes are this restore's own: it lays out
    // and notifies below, in the order a live resize does.
    quietGeometry = 1;
    if (XtWindow(clientArea)) XUnmapWindow(XtDisplay(clientArea), XtWindow(clientArea));
    QORDlgArgs<4> args;
    args.add(XmNwidth, static_cast<Dimension>(dx));
    args.add(XmNheight, static_cast<Dimension>(dy));
    if (replayedX && replayedY) args.add(XmNx, replayedX).add(XmNy, replayedY);
    XtSetValues(shell, args.data(), args.count());
    if (XtWindow(clientArea)) XMapWindow(XtDisplay(clientArea), XtWindow(clientArea));
    quietGeometry = 0;
  }
  notify(&resizeNotification);
  Resize();
  notify(&windSizeNotification);
}
