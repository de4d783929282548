// The gallery's "Values" frame: text entry and choices in one row, to keep
// the window within the screen. A length in millimetres, a password, the
// three shapes of combo and a note on two lines; the short helps say what
// each one takes.
#include "GalleryDialog.h"

#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"

void GalleryDialog::buildValuesFrame() {
  auto* frame = new QORDlgFrame(this, "Values", QORDlgGridLayout);
  frame->SetGridConstraints(7, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto place = [](QORDialog* o, short row, short column, short rowSpan = 1) {
    o->SetGridConstraints(row, column, 1, rowSpan, QORDlgGridLeft | QORDlgGridTop);
  };
  auto* length = new QORDlgEditor(frame, "Length", QORDlgEditReal);
  length->SetVisibleTextWidth(5);
  length->SetUnit(QORDlgControl::Millimeter);
  length->SetPrecision(4);
  length->SetValue(0.0125, 0);
  place(length, 0, 0);
  auto* password = new QORDlgEditor(frame, "Password", QORDlgEditPassword);
  password->SetVisibleTextWidth(5);
  password->SetText("secret");
  place(password, 0, 1);
  auto* note = new QORDlgEditor(frame, "Note", QORDlgEditMultiline | QORDlgEditNoScrollBars);
  note->SetVisibleTextWidth(8);
  note->SetVisibleTextHeight(2);
  note->SetText("A note on\nseveral lines");

  auto* editable = new QORDlgCombo(frame, "Editable", 0);
  editable->SetVisibleTextWidth(5);
  for (const char* t : {"Steel", "Aluminium", "Copper", "Titanium"}) editable->SetLine(QORUnicodeString(t));
  place(editable, 0, 2);
  auto* thickness = new QORDlgCombo(frame, "Thickness", QORDlgComboReal | QORDlgComboDropDown);
  thickness->SetVisibleTextWidth(4);
  thickness->SetUnit(QORDlgControl::Millimeter);
  const double thicknesses[] = {0.001, 0.002, 0.005, 0.01};
  thickness->SetLine(thicknesses, 4);
  thickness->SetSelect(1, 0);
  place(thickness, 0, 3);
  auto* finish = new QORDlgCombo(frame, "Finish", QORDlgComboOptionMenu);
  for (const char* t : {"Matt", "Satin", "Gloss"}) finish->SetLine(QORUnicodeString(t));
  place(finish, 0, 4);
  place(note, 0, 5);
}
