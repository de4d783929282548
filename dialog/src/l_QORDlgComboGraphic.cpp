// The graphic combo's drop list: per line a swatch, icon or bitmap label
// ("ico_<i>") beside a text label ("lab_<i>"), highlighted under the pointer
// and chosen by a press.
#include <X11/IntrinsicP.h>
#include <Xm/Label.h>

#include <cstdio>
#include <string>

#include "QORDlgText.h"
#include "QORDlgXpm.h"
#include "l_QORDlgCombo.h"
#include "l_QORInteractiveApplication.h"

namespace {
constexpr int kSwatch = 16;

Pixmap swatch(Widget w, const l_QORDlgComboLine& l) {
  Display* d = XtDisplay(w);
  const Screen* screen = XtScreen(w);
  XColor c{};
  c.red = l.rgb16[0];
  c.green = l.rgb16[1];
  c.blue = l.rgb16[2];
  c.flags = DoRed | DoGreen | DoBlue;
  Colormap map = w->core.colormap;
  XAllocColor(d, map, &c);
  Pixmap p = XCreatePixmap(d, RootWindowOfScreen(screen), kSwatch, kSwatch, w->core.depth);
  GC gc = XCreateGC(d, p, 0, nullptr);
  XSetForeground(d, gc, c.pixel);
  XFillRectangle(d, p, gc, 0, 0, kSwatch, kSwatch);
  XFreeGC(d, gc);
  return p;
}

Pixmap bitmapPixmap(Widget w, const l_QORDlgComboLine& l) {
  if (l.bits.empty() || l.width <= 0 || l.height <= 0) return 0;
  Pixel fg = 0, bg = 0;
  XtVaGetValues(w, XmNforeground, &fg, XmNbackground, &bg, nullptr);
  return XCreatePixmapFromBitmapData(XtDisplay(w), RootWindowOfScreen(XtScreen(w)), const_cast<char*>(l.bits.data()),
                                     static_cast<unsigned>(l.width), static_cast<unsigned>(l.height), fg, bg,
                                     w->core.depth);
}

Pixmap iconPixmap(Widget w, const l_QORDlgComboLine& l) {
  l_QORInteractiveApplication* app = l_QORInteractiveApplication::GetCurrent();
  if (!app || l.iconName.IsEmpty()) return 0;
  PixmapVisual = app->GetVisual();
  PixmapDepth = app->GetDepth();
  PixmapColormap = app->GetColormap();
  XtVaGetValues(w, XmNbackground, &QORDlgIconBackgroundColor, nullptr);
  std::string copy = l.iconName.str();
  Pixmap icon = 0, insensitive = 0;
  return loadxpm(w, &copy[0], &icon, &insensitive) == 0 ? icon : 0;
}
}  // namespace

void l_QORDlgCombo::fillGraphicList() {
  if (!graphicList) return;
  for (Widget w : graphicWidgets) XtDestroyWidget(w);
  graphicWidgets.clear();
  Display* d = XtDisplay(graphicList);
  for (Pixmap p : graphicPixmaps) XFreePixmap(d, p);
  graphicPixmaps.clear();
  // A vertical row-column of two columns fills the first column first: the
  // pictures, then the texts.
  const int count = GetLineCount();
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < count; ++i) {
      char widgetName[32];
      std::snprintf(widgetName, sizeof widgetName, pass == 0 ? "ico_%d" : "lab_%d", i);
      Widget label = XtVaCreateManagedWidget(widgetName, xmLabelWidgetClass, graphicList, XmNuserData,
                                             static_cast<XtPointer>(this), nullptr);
      if (pass == 0) {
        const l_QORDlgComboLine& l = lines[i];
        Pixmap p = 0;
        if (l.kind == l_QORDlgComboLine::Color) p = swatch(label, l);
        else if (l.kind == l_QORDlgComboLine::Bitmap) p = bitmapPixmap(label, l);
        else if (l.kind == l_QORDlgComboLine::Icon) p = iconPixmap(label, l);
        if (p) {
          XtVaSetValues(label, XmNlabelType, XmPIXMAP, XmNlabelPixmap, p, nullptr);
          if (l.kind != l_QORDlgComboLine::Icon) graphicPixmaps.push_back(p);  // icons belong to the cache
        }
      } else {
        XmString s = QORDlgText::toXmString(lines[i].text);
        XtVaSetValues(label, XmNlabelString, s, nullptr);
        XmStringFree(s);
      }
      XtAddEventHandler(label, EnterWindowMask | LeaveWindowMask | ButtonPressMask, False, graphicEH, this);
      graphicWidgets.push_back(label);
    }
  XtVaSetValues(graphicList, XmNnumColumns, 2, nullptr);
}

void l_QORDlgCombo::graphicEH(Widget w, XtPointer client, XEvent* event, Boolean*) {
  auto* self = static_cast<l_QORDlgCombo*>(client);
  const int count = self->GetLineCount();
  int index = -1;
  for (size_t i = 0; i < self->graphicWidgets.size(); ++i)
    if (self->graphicWidgets[i] == w) index = static_cast<int>(i) % (count ? count : 1);
  if (index < 0) return;
  Widget text = self->graphicWidgets[static_cast<size_t>(count + index)];
  if (event->type == ButtonPress) {
    self->graphicSelected(index);
    return;
  }
  // Highlight: the text label's colours swapped while the pointer is on the line.
  Pixel fg = 0, bg = 0;
  XtVaGetValues(text, XmNforeground, &fg, XmNbackground, &bg, nullptr);
  if ((event->type == EnterNotify) != (self->highlighted == index)) {
    XtVaSetValues(text, XmNforeground, bg, XmNbackground, fg, nullptr);
    self->highlighted = event->type == EnterNotify ? index : -1;
  }
}

void l_QORDlgCombo::graphicSelected(int l) {
  closeThroughWindow();
  choose(l);
}
