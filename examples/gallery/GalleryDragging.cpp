// The gallery's "Dragging" frame: an icon palette of the toolkit's icons, and
// a check button that can be dragged onto a label that accepts it.
#include "GalleryDialog.h"

#include "QORDlgCheckButton.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgIconBox.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORInteractiveApplication.h"

void GalleryDialog::buildDraggingFrame(QORInteractiveApplication* app) {
  auto* frame = new QORDlgFrame(this, "Dragging", QORDlgGridLayout);
  frame->SetGridConstraints(3, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto place = [](QORDialog* o, short column) { o->SetGridConstraints(0, column, 1, 1, QORDlgGridLeft | QORDlgGridVCenter); };

  auto* palette = new QORDlgIconBox(frame, "Palette", 0);
  for (const char* icon : {"new", "open", "save", "info", "delete"})
    (new QORDlgPushButton(palette, icon, 0))->SetIconName(icon);
  place(palette, 0);
  auto* card = new QORDlgCheckButton(frame, "Card", 0);
  place(card, 1);
  auto* basket = new QORDlgLabel(frame, "Basket", QORDlgLabelFramed);
  place(basket, 2);

  // Dragging is the application's choice: it turns a drag start into a drag
  // that carries the card, and the basket takes only the card.
  app->SetDragAvailability(1);
  AddAnalyseNotificationCB(card, "QORDlgDragButtonNotification",
                           [app, card](QORCommand*, QORNotification*) { app->StartDrag(card, 0); });
  auto accept = [app, card](QORCommand*, QORNotification*) {
    if (app->GetDragDataObject() == card) app->SetDropEffect(DROPEFFECT_MOVE);
  };
  AddAnalyseNotificationCB(basket, "QORDlgDragEnterNotification", accept);
  AddAnalyseNotificationCB(basket, "QORDlgDragOverNotification", accept);
  // In the basket, the card is checked (quietly: the drop is what happened).
  AddAnalyseNotificationCB(basket, "QORDlgDropNotification", [app, card](QORCommand*, QORNotification*) {
    if (app->GetDragDataObject() == card) card->SetState(QORDlgChecked, 0);
  });
}
