// The gallery's "Values" frame: text entry and choices. A length in
// millimetres, a password, a multi-line note, and the three shapes of combo.
#include "GalleryDialog.h"

#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgLabel.h"

void GalleryDialog::buildValuesFrame() {
  auto* frame = new QORDlgFrame(this, "Values", QORDlgGridLayout);
  frame->SetGridConstraints(3, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto place = [](QORDialog* o, short row, short column, short span = 1) {
    o->SetGridConstraints(row, column, span, 1, QORDlgGridLeft | QORDlgGridTop);
  };
  place(new QORDlgLabel(frame, "LengthLabel", 0), 0, 0);
  auto* length = new QORDlgEditor(frame, "Length", QORDlgEditReal);
  length->SetVisibleTextWidth(8);
  length->SetUnit(QORDlgControl::Millimeter);
  length->SetPrecision(4);
  length->SetValue(0.0125, 0);
  place(length, 0, 1);
  place(new QORDlgLabel(frame, "PasswordLabel", 0), 1, 0);
  auto* password = new QORDlgEditor(frame, "Password", QORDlgEditPassword);
  password->SetText("secret");
  place(password, 1, 1);
  auto* note = new QORDlgEditor(frame, "Note", QORDlgEditMultiline);
  note->SetVisibleTextWidth(12);
  note->SetVisibleTextHeight(3);
  note->SetText("A note on\nseveral lines");
  note->SetGridConstraints(0, 2, 1, 2, QORDlgGridLeft | QORDlgGridTop);

  auto* editable = new QORDlgCombo(frame, "Editable", 0);
  for (const char* t : {"Steel", "Aluminium", "Copper", "Titanium"}) editable->SetLine(QORUnicodeString(t));
  place(editable, 2, 0, 1);
  auto* dropDown = new QORDlgCombo(frame, "Thickness", QORDlgComboReal | QORDlgComboDropDown);
  dropDown->SetUnit(QORDlgControl::Millimeter);
  const double thicknesses[] = {0.001, 0.002, 0.005, 0.01};
  dropDown->SetLine(thicknesses, 4);
  dropDown->SetSelect(1, 0);
  place(dropDown, 2, 1);
  auto* option = new QORDlgCombo(frame, "Finish", QORDlgComboOptionMenu);
  for (const char* t : {"Matt", "Satin", "Gloss"}) option->SetLine(QORUnicodeString(t));
  place(option, 2, 2);
}
