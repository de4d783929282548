// The combo's widgets: the field and arrow, the list that drops in its own
// shell, the option menu and the graphic list; choosing a line; the deferred update.
#include "l_QORDlgCombo.h"

#include <X11/IntrinsicP.h>
#include <X11/Shell.h>
#include <Xm/ArrowB.h>
#include <Xm/BulletinB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Text.h>

#include <algorithm>

#include "QORDlgText.h"
#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

namespace {
constexpr unsigned long kGraphicBits = QORDlgComboColor | QORDlgComboIcon | QORDlgComboBitmap;

unsigned long normalised(unsigned long given) {
  if (const unsigned long graphic = given & kGraphicBits) {
    const unsigned long kind = graphic == QORDlgComboColor  ? QORDlgComboColor
                               : graphic == QORDlgComboIcon ? QORDlgComboIcon
                                                            : QORDlgComboBitmap;
    return kind | QORDlgComboDropDown;
  }
  unsigned long kept = given & QORDlgComboReal;
  const unsigned long shape = given & (QORDlgComboDropDown | QORDlgComboOptionMenu);
  if (shape == QORDlgComboDropDown || shape == QORDlgComboOptionMenu) kept |= shape;
  if (!(kept & QORDlgComboOptionMenu)) kept |= given & QORDlgComboKeyboard;
  return kept;
}

XtTranslations upDownTranslations() {
  static XtTranslations parsed = XtParseTranslationTable(
      ":~Shift~Ctrl~Meta~Alt<Key>osfUp: QORDlgComboUp()\n"
      ":~Shift~Ctrl~Meta~Alt<Key>osfDown: QORDlgComboDown()");
  return parsed;
}
}  // namespace

l_QORDlgCombo::l_QORDlgCombo(l_QORDialog* f, const QORString& n, QORDlgCombo* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  style = (style & ~QORDlgStyleBits::Combo) | normalised(s);
}

l_QORDlgCombo::~l_QORDlgCombo() {
  // The window must not close a combo that is gone.
  if (l_QORDialog* w = GetWindowFather())
    if (w->traits().Has(QORDlgCapWindow)) {
      auto* window = static_cast<l_QORDlgWindow*>(w);
      if (window->GetOpenCombo() == this) window->ForgetOpenCombo();
    }
  Display* d = GetApplicationDisplay();
  for (Pixmap p : graphicPixmaps)
    if (d) XFreePixmap(d, p);
}

void l_QORDlgCombo::raise(unsigned long bits) {
  pending |= bits;
  registerDifferUpdate();
}

Widget l_QORDlgCombo::GetBaseWidget(int which) {
  switch (which) {
    case 1: return field;
    case 2: return list;
    case 3: return arrow;
    case 4: return listShell;
    case 5: return graphicList;
    default: return baseWidget;
  }
}

// ---- widgets ----

void l_QORDlgCombo::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    if (isOptionMenu()) {
      buildOptionMenu(parent);
      fillMenu();  // its widest line sizes it
    } else {
      buildField(parent);
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    takeNaturalSize();
    // A form lays out its children only once realized: the field (sized by
    // its columns) and the square arrow beside it give the natural size.
    if (field) {
      dx = field->core.width + field->core.height;
      dy = field->core.height;
    } else {
      XtWidgetGeometry preferred{};
      XtQueryGeometry(baseWidget, nullptr, &preferred);
      dx = preferred.width;
      dy = preferred.height;
    }
    // An option menu was filled and measured above.
    pending = (pending & ~(QORDlgUpdTitle | QORDlgUpdLines)) | (isOptionMenu() ? 0UL : static_cast<unsigned long>(QORDlgUpdLines)) | QORDlgUpdText |
              QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgCombo::buildField(Widget parent) {
  QORDlgArgs<4> formArgs;
  formArgs.add(XmNuserData, static_cast<XtPointer>(this));
  if (GlobalXResources.enabled) formArgs.add(XmNbackground, GlobalXResources.documentBackground);
  baseWidget = XmCreateForm(parent, const_cast<char*>("Form"), formArgs.data(), formArgs.count());
  QORDlgArgs<10> args;
  args.add(XmNuserData, static_cast<XtPointer>(this)).add(XmNcolumns, static_cast<short>(visibleWidth));
  args.add(XmNeditable, (style & QORDlgComboDropDown) ? False : True);
  args.add(XmNtopAttachment, XmATTACH_FORM).add(XmNbottomAttachment, XmATTACH_FORM);
  args.add(XmNleftAttachment, XmATTACH_FORM);
  if (GlobalXResources.enabled) {
    args.add(XmNbackground, GlobalXResources.editorBackground).add(XmNforeground, GlobalXResources.editorForeground);
    if (GlobalXResources.editorFontList) args.add(XmNfontList, GlobalXResources.editorFontList);
  }
  field = XmCreateText(baseWidget, const_cast<char*>(name.c_str()), args.data(), args.count());
  XtOverrideTranslations(field, upDownTranslations());
  if (style & QORDlgComboKeyboard) XtOverrideTranslations(field, l_QORDlgTextEntry::keyboardTranslations());
  XtAddCallback(field, XmNactivateCallback, fieldCommitCB, this);
  XtAddCallback(field, XmNlosingFocusCallback, fieldCommitCB, this);
  XtAddCallback(field, XmNmodifyVerifyCallback, fieldVerifyCB, this);
  const Dimension side = field->core.height;
  arrow = XtVaCreateManagedWidget("Dn", xmArrowButtonWidgetClass, baseWidget, XmNarrowDirection, XmARROW_DOWN,
                                  XmNwidth, side, XmNtraversalOn, False, XmNuserData, this, XmNtopAttachment,
                                  XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM, XmNrightAttachment,
                                  XmATTACH_FORM, nullptr);
  XtVaSetValues(field, XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, arrow, nullptr);
  XtManageChild(field);
  XtAddCallback(arrow, XmNarmCallback, arrowCB, this);  // drops at the press, as menus do
  InstallFurtifHelpHandler(field);
  InstallFocusHandler(field);
  buildList();
}

void l_QORDlgCombo::buildList() {
  listShell = XtVaCreatePopupShell("Shell", overrideShellWidgetClass, baseWidget, XmNallowShellResize, True, nullptr);
  Widget board = XtVaCreateManagedWidget("BBoard", xmBulletinBoardWidgetClass, listShell, XmNmarginWidth, 0,
                                         XmNmarginHeight, 0, XmNshadowThickness, 0, nullptr);
  if (isGraphic()) {
    graphicList = XtVaCreateManagedWidget("GraphicList", xmRowColumnWidgetClass, board, XmNorientation, XmVERTICAL,
                                          XmNpacking, XmPACK_COLUMN, XmNnumColumns, 2, nullptr);
    return;
  }
  QORDlgArgs<4> args;
  args.add(XmNselectionPolicy, XmBROWSE_SELECT).add(XmNuserData, static_cast<XtPointer>(this));
  if (GlobalXResources.enabled && GlobalXResources.editorFontList) args.add(XmNfontList, GlobalXResources.editorFontList);
  list = XmCreateScrolledList(board, const_cast<char*>("List"), args.data(), args.count());
  XtAddCallback(list, XmNbrowseSelectionCallback, listCB, this);
  XtAddCallback(list, XmNdefaultActionCallback, listCB, this);
  XtManageChild(list);
}

void l_QORDlgCombo::buildOptionMenu(Widget parent) {
  const QORString pullName = name + "Pulldown";
  pulldown = XmCreatePulldownMenu(parent, const_cast<char*>(pullName.c_str()), nullptr, 0);
  QORDlgArgs<CommonArgCount + 1> args;
  commonArgs(args, false);
  args.add(XmNsubMenuId, pulldown);
  baseWidget = XmCreateOptionMenu(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
  setLabelString(baseWidget);
}

// ---- deferred update ----

void l_QORDlgCombo::update(unsigned long mask) {
  unsigned long raised = pending | mask;
  if (built && baseWidget) {
    // Values follow the application's unit for their magnitude: shown again.
    if (magnitude != QORDlgControl::NoMagnitude)
      if (l_QORInteractiveApplication* app = GetApplication())
        if (app->GetMagnitudeCurrentUnit(magnitude) != unit) {
          unit = app->GetMagnitudeCurrentUnit(magnitude);
          if (isReal()) raised |= QORDlgUpdLines | QORDlgUpdText;
        }
    if (raised & QORDlgUpdLines) {
      if (isOptionMenu()) remeasureMenu();
      else if (isGraphic()) fillGraphicList();
      else fillList();
    }
    if (raised & QORDlgUpdTextSize && field) XtVaSetValues(field, XmNcolumns, static_cast<short>(visibleWidth), nullptr);
    // Only a change of the field's own text replaces what is being typed.
    if (raised & (QORDlgUpdText | QORDlgUpdLines)) showField();
    showSelection();
    const unsigned long mine = QORDlgPendingBits::Entry;
    pending &= ~mine;
    mask &= ~mine;
  }
  l_QORDlgControl::update(mask);
}

QORUnicodeString l_QORDlgCombo::lineText(const l_QORDlgComboLine& l) const {
  if (l.kind == l_QORDlgComboLine::Value) return QORUnicodeString(WriteStringValue(l.value, unit, displayFormat));
  return l.text;
}

void l_QORDlgCombo::fillList() {
  if (!list) return;
  std::vector<XmString> items;
  items.reserve(lines.size());
  for (const l_QORDlgComboLine& l : lines) items.push_back(QORDlgText::toXmString(lineText(l)));
  const int count = static_cast<int>(lines.size());
  const int shown = visibleHeight > 0 ? visibleHeight : std::min(std::max(count, 1), 10);
  // All at once: the list copies the items and lays itself out one time.
  XtVaSetValues(list, XmNitems, items.data(), XmNitemCount, count, XmNvisibleItemCount, shown, nullptr);
  for (XmString s : items) XmStringFree(s);
}

void l_QORDlgCombo::fillMenu() {
  for (Widget b : menuButtons) XtDestroyWidget(b);
  menuButtons.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    XmString s = QORDlgText::toXmString(lineText(lines[i]));
    Widget b = XtVaCreateManagedWidget("Item", xmPushButtonWidgetClass, pulldown, XmNlabelString, s, XmNuserData,
                                       static_cast<XtPointer>(this), nullptr);
    XmStringFree(s);
    XtAddCallback(b, XmNactivateCallback, menuCB, this);
    menuButtons.push_back(b);
  }
}

void l_QORDlgCombo::remeasureMenu() {
  fillMenu();
  XtWidgetGeometry preferred{};
  XtQueryGeometry(baseWidget, nullptr, &preferred);
  if (preferred.width == dx && preferred.height == dy) return;
  // New lines, a new width: the layout places the menu again.
  dx = preferred.width;
  dy = preferred.height;
  pending |= QORDlgUpdSize | QORDlgUpdResize;
  if (father) father->ChildMoved();
}

void l_QORDlgCombo::showField() {
  if (!field) return;
  const QORUnicodeString shown = isReal() ? QORUnicodeString(WriteStringValue(fieldValue, unit, displayFormat))
                                          : fieldText;
  entry.show(field, shown, false);
}

void l_QORDlgCombo::showSelection() {
  const bool valid = selected >= 0 && selected < GetLineCount();
  if (list) {
    if (valid) {
      XmListSelectPos(list, selected + 1, False);
      // Show the chosen line when the list drops.
      int top = 0, visible = 0;
      XtVaGetValues(list, XmNtopItemPosition, &top, XmNvisibleItemCount, &visible, nullptr);
      if (selected + 1 < top || selected + 1 >= top + visible) XmListSetPos(list, std::max(1, selected + 1 - visible / 2));
    } else {
      XmListDeselectAllItems(list);
    }
  }
  if (isOptionMenu() && valid && selected < static_cast<int>(menuButtons.size()))
    XtVaSetValues(baseWidget, XmNmenuHistory, menuButtons[selected], nullptr);
}

// ---- dropping ----

void l_QORDlgCombo::arrowCB(Widget, XtPointer client, XtPointer) { static_cast<l_QORDlgCombo*>(client)->arrowPressed(); }

static l_QORDlgWindow* windowOf(l_QORDialog* d) {
  l_QORDialog* w = d->GetWindowFather();
  return w && w->traits().Has(QORDlgCapWindow) ? static_cast<l_QORDlgWindow*>(w) : nullptr;
}

void l_QORDlgCombo::closeThroughWindow() {
  l_QORDlgWindow* window = windowOf(this);
  if (window && window->GetOpenCombo() == this) window->CloseOpenCombo();
  else CloseCombo();
}

void l_QORDlgCombo::arrowPressed() {
  if (!listShell) return;
  if (listOpen) {
    closeThroughWindow();
    return;
  }
  listOpen = true;
  popupCombo();
  Position rootX = 0, rootY = 0;
  XtTranslateCoords(baseWidget, 0, static_cast<Position>(baseWidget->core.height), &rootX, &rootY);
  if (list) {
    // As wide as the combo, as high as the list wants for its visible lines.
    Widget scrolled = XtParent(list);
    XtWidgetGeometry preferred{};
    XtQueryGeometry(scrolled, nullptr, &preferred);
    XtVaSetValues(scrolled, XmNwidth, baseWidget->core.width, XmNheight, preferred.height, nullptr);
  }
  XtVaSetValues(listShell, XmNx, rootX, XmNy, rootY, nullptr);
  XtPopup(listShell, XtGrabNone);
  if (l_QORDlgWindow* window = windowOf(this)) window->SetOpenCombo(this);
}

void l_QORDlgCombo::popupCombo() {
  notify(&dropNotification);
  update(0);
}

void l_QORDlgCombo::CloseCombo() {
  if (listShell && listOpen) XtPopdown(listShell);
  listOpen = false;
}

// ---- choosing ----

void l_QORDlgCombo::choose(int l) {
  selected = l;
  if (const l_QORDlgComboLine* chosen = line(l)) {
    fieldText = lineText(*chosen);
    fieldValue = chosen->value;
  }
  update(QORDlgUpdText);
  notify(&selectNotification);
}

void l_QORDlgCombo::listCB(Widget, XtPointer client, XtPointer call) {
  auto* cbs = static_cast<XmListCallbackStruct*>(call);
  static_cast<l_QORDlgCombo*>(client)->listSelected(cbs->item_position, cbs->reason, cbs->event);
}

void l_QORDlgCombo::listSelected(int position, int reason, XEvent* event) {
  // Browsing with the keys keeps the list open; a click or Return closes it.
  if (reason == XmCR_DEFAULT_ACTION || (event && event->type == ButtonRelease)) closeThroughWindow();
  if (position - 1 != selected) choose(position - 1);
}

void l_QORDlgCombo::menuCB(Widget w, XtPointer client, XtPointer) { static_cast<l_QORDlgCombo*>(client)->menuSelected(w); }

void l_QORDlgCombo::menuSelected(Widget button) {
  const auto at = std::find(menuButtons.begin(), menuButtons.end(), button);
  if (at != menuButtons.end()) choose(static_cast<int>(at - menuButtons.begin()));
}

void l_QORDlgCombo::step(int by) {
  const int next = selected + by;
  if (by < 0 && selected <= 0) return;
  if (by > 0 && (selected < 0 || next >= GetLineCount())) return;
  choose(next);
}

namespace {
l_QORDlgCombo* comboOf(Widget w) {
  XtPointer data = nullptr;
  if (w) XtVaGetValues(w, XmNuserData, &data, nullptr);
  auto* letter = static_cast<l_QORDialog*>(data);
  return letter && letter->IsAKindOf(QORDlgCodeCombo) ? static_cast<l_QORDlgCombo*>(letter) : nullptr;
}
}  // namespace

void l_QORDlgCombo::ComboUpCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgCombo* c = comboOf(w)) c->step(-1);
}

void l_QORDlgCombo::ComboDownCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgCombo* c = comboOf(w)) c->step(1);
}

// ---- typing ----

void l_QORDlgCombo::fieldVerifyCB(Widget, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgCombo*>(client)->comboModifyVerify(static_cast<XmTextVerifyCallbackStruct*>(call));
}

void l_QORDlgCombo::comboModifyVerify(XmTextVerifyCallbackStruct* change) {
  const bool accepted = entry.verify(
      change,
      [this](const QORUnicodeString& next) {
        return !isReal() || QORDlgEntryAccepts(QORDlgEntryContent::Real, next.c_str(), unit, &typedValue);
      },
      false);
  if (accepted && !entry.programSet) notify(&editModifyNotification);
}

void l_QORDlgCombo::fieldCommitCB(Widget, XtPointer client, XtPointer call) {
  auto* cbs = static_cast<XmAnyCallbackStruct*>(call);
  static_cast<l_QORDlgCombo*>(client)->entryChanged(cbs && cbs->reason == XmCR_ACTIVATE);
}

void l_QORDlgCombo::entryChanged(bool forced) {
  if (!entry.modified && !forced) return;
  entry.modified = false;
  if (isReal()) {
    if (typedValue == fieldValue) return;
    fieldValue = typedValue;
  } else {
    if (entry.typed == fieldText) return;
    fieldText = entry.typed;
  }
  selected = -1;
  notify(&modifyNotification);
  if (selected == -1) selectMatchingField();
}

void l_QORDlgCombo::selectMatchingField() {
  for (int i = GetLineCount() - 1; i >= 0; --i) {
    const bool same = isReal() ? lines[i].value == fieldValue : lines[i].text == fieldText;
    if (same) {
      selected = i;
      break;
    }
  }
  raise(QORDlgUpdText);
}
