// The gallery's "Values" frame: text entry and choices. A length in
// millimetres, a password and a multi-line note above the three shapes of
// combo; the short helps say what each one takes.
#include "GalleryDialog.h"

#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"

void GalleryDialog::buildValuesFrame() {
  auto* frame = new QORDlgFrame(this, "Values", QORDlgGridLayout);
  frame->SetGridConstraints(3, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto place = [](QORDialog* o, short row, short column, short rowSpan = 1) {
    o->SetGridConstraints(row, column, 1, rowSpan, QORDlgGridLeft | QORDlgGridTop);
  };
  auto* length = new QORDlgEditor(frame, "Length", QORDlgEditReal);
  length->SetVisibleTextWidth(8);
  length->SetUnit(QORDlgControl::Millimeter);
  length->SetPrecision(4);
  length->SetValue(0.0125, 0);
  place(length, 0, 0);
  auto* password = new QORDlgEditor(frame, "Password", QORDlgEditPassword);
  password->SetVisibleTextWidth(8);
  password->SetText("secret");
  place(password, 0, 1);
  auto* note = new QORDlgEditor(frame, "Note", QORDlgEditMultiline);
  note->SetVisibleTextWidth(12);
  note->SetVisibleTextHeight(2);
  note->SetText("A note on\nseveral lines");
  place(note, 0, 2);

  auto* editable = new QORDlgCombo(frame, "Editable", 0);
  editable->SetVisibleTextWidth(8);
  for (const char* t : {"Steel", "Aluminium", "Copper", "Titanium"}) editable->SetLine(QORUnicodeString(t));
  place(editable, 1, 0);
  auto* thickness = new QORDlgCombo(frame, "Thickness", QORDlgComboReal | QORDlgComboDropDown);
  thickness->SetVisibleTextWidth(8);
  thickness->SetUnit(QORDlgControl::Millimeter);
  const double thicknesses[] = {0.001, 0.002, 0.005, 0.01};
  thickness->SetLine(thicknesses, 4);
  thickness->SetSelect(1, 0);
  place(thickness, 1, 1);
  auto* finish = new QORDlgCombo(frame, "Finish", QORDlgComboOptionMenu);
  for (const char* t : {"Matt", "Satin", "Gloss"}) finish->SetLine(QORUnicodeString(t));
  place(finish, 1, 2);
}
