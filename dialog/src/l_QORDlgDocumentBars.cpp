// The document's side of its bars: the docking areas around the work area,
// the tool bars placed in them, and the status row.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>

#include <algorithm>

#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDocument.h"

namespace {
void place(Widget w, int x, int y, int width, int height) {
  if (!w) return;
  XtConfigureWidget(w, static_cast<Position>(x), static_cast<Position>(y), static_cast<Dimension>(std::max(width, 1)),
                    static_cast<Dimension>(std::max(height, 1)), w->core.border_width);
}

int preferredHeight(Widget w) {
  XtWidgetGeometry wanted{};
  XtQueryGeometry(w, nullptr, &wanted);
  return (wanted.request_mode & CWHeight) ? wanted.height : w->core.height;
}
}  // namespace

void l_QORDlgDocument::arrangeAreas() {
  if (!clientArea || arranging) return;
  arranging = 1;
  const int width = clientArea->core.width, height = clientArea->core.height;
  int thick[Docks] = {};
  for (int d = 0; d < Docks; ++d)
    thick[d] = docks[d].holdsToolBar && XtIsManaged(docks[d].area) ? std::max(docks[d].size, 1) : 0;
  const int status = statusRow && XtIsManaged(statusRow) ? preferredHeight(statusRow) : 0;
  const int top = thick[Top], bottom = thick[Bottom], left = thick[Left], right = thick[Right];
  const int middle = height - top - bottom - status;
  if (top) place(docks[Top].area, 0, 0, width, top);
  if (bottom) place(docks[Bottom].area, 0, height - status - bottom, width, bottom);
  if (left) place(docks[Left].area, 0, top, left, middle);
  if (right) place(docks[Right].area, width - right, top, right, middle);
  if (status) place(statusRow, 0, height - status, width, status);
  place(workArea, left, top, width - left - right, middle);
  if (mdiClient) mdiClient->FollowWorkArea();
  arranging = 0;
}

// UNFINISHED: tool bars register here; placing them comes with the tool bar.
void l_QORDlgDocument::addToolBar(l_QORDlgToolBar* bar) {
  if (toolBars.getPosition(bar) < 0) toolBars.insertTail(bar);
  ToolBarChanged();
}

void l_QORDlgDocument::removeToolBar(l_QORDlgToolBar* bar) {
  if (toolBars.at(toolBars.getPosition(bar))) toolBars.deleteCurrent();
  ToolBarChanged();
}

void l_QORDlgDocument::ToolBarChanged() {
  pending |= QORDlgUpdToolBars;
  registerDifferUpdate();
}

void l_QORDlgDocument::PositionToolbars() { arrangeAreas(); }

// UNFINISHED: the status bar's texts arrive here once the status bar exists.
void l_QORDlgDocument::SetStatusBarText(const QORUnicodeString&) {}
void l_QORDlgDocument::SetStatusBarTemporaryText(const QORUnicodeString&) {}
