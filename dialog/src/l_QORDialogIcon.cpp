// l_QORDialog::loadIcon: the object's icons on its label-like widget.
#include <Xm/Xm.h>
#include <Xm/PushB.h>

#include "QORDlgXpm.h"
#include "l_QORDialog.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgToolBar.h"
#include "l_QORInteractiveApplication.h"

namespace {

int readIcon(Widget w, const QORString* name, Pixel background, Pixmap* icon, Pixmap* insensitive) {
  if (!name || name->IsEmpty()) return 1;
  QORDlgIconBackgroundColor = background;
  std::string copy = name->str();
  return loadxpm(w, &copy[0], icon, insensitive);
}

}  // namespace

void l_QORDialog::loadIcon(Widget w) {
  if (!w || !iconNames[0] || iconNames[0]->IsEmpty()) return;
  l_QORInteractiveApplication* app = GetApplication();
  if (!app) app = l_QORInteractiveApplication::GetCurrent();
  if (!app) return;
  PixmapVisual = app->GetVisual();
  PixmapDepth = app->GetDepth();
  PixmapColormap = app->GetColormap();

  Pixel background = 0, highlight = 0;
  if (iconType != QORDlgIconNone) {
    background = app->GetIconBackgroundColor(iconType);
    highlight = app->GetIconHighlightBackgroundColor(iconType);
  } else {
    XtVaGetValues(w, XmNbackground, &background, nullptr);
    Pixel foreground = 0, top = 0, bottom = 0;
    XmGetColors(XtScreenOfObject(w), app->GetColormap(), background, &foreground, &top, &bottom, &highlight);
  }

  Pixmap normal = 0, normalInsensitive = 0;
  if (readIcon(w, iconNames[0], background, &normal, &normalInsensitive) != 0) return;  // keeps its text
  Pixmap disabled = 0, unused = 0;
  if (readIcon(w, iconNames[3], background, &disabled, &unused) == 0) normalInsensitive = disabled;
  Pixmap selected = normal, selectedInsensitive = normalInsensitive;
  if (readIcon(w, iconNames[1], highlight, &selected, &selectedInsensitive) != 0) {
    selected = normal;
    selectedInsensitive = normalInsensitive;
  }

  const QORDlgClassTraits& kind = traits();
  const bool flat = kind.Has(QORDlgCapFlatIconStyle) && (style & QORDlgPushFlat);
  // Resources a widget class does not have are ignored by Xt: the arm pixmap
  // serves push buttons, the select pixmaps toggle buttons.
  XtVaSetValues(w, XmNmarginWidth, 0, XmNmarginHeight, 0, XmNshadowThickness, flat ? 0 : 2, XmNlabelType,
                XmPIXMAP, XmNlabelPixmap, normal, XmNlabelInsensitivePixmap, normalInsensitive, XmNselectPixmap,
                selected, XmNselectInsensitivePixmap, selectedInsensitive, nullptr);
  if (XmIsPushButton(w)) XtVaSetValues(w, XmNarmPixmap, selected, nullptr);

  Window root = 0;
  int px = 0, py = 0;
  unsigned int width = 0, height = 0, border = 0, depth = 0;
  XGetGeometry(XtDisplayOfObject(w), normal, &root, &px, &py, &width, &height, &border, &depth);
  const int iw = static_cast<int>(width), ih = static_cast<int>(height);
  if (kind.Has(QORDlgCapIconBesideText)) {
    dx += iw + 10;
    if (ih + 10 > dy) dy = ih + 10;
  } else if (flat) {
    dx = iw;
    dy = ih;
  } else {
    dx = iw + 8;
    dy = ih + 8;
  }
  pending |= QORDlgUpdSize;
  // In a bar the new size changes the bar's arrangement, and the document's.
  if (father && father->IsAKindOf(QORDlgCodeToolBar)) static_cast<l_QORDlgToolBar*>(father)->ChildVisibilityModified();
  if (father && father->IsAKindOf(QORDlgCodeBar))
    if (auto* document = dynamic_cast<l_QORDlgDocument*>(GetDocumentWindow())) document->ToolBarChanged();
}
