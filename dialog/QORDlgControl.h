// QORDlgControl: envelope base of every control. A control may show a
// physical value: it holds it in the base unit of its magnitude and shows it
// in the unit the application chose for that magnitude.
#pragma once
#include "QORDialog.h"

class QORDlgContextualMenu;

class QORDlgControl : public QORDialog {
 public:
  enum QORDlgMagnitude {
    NoMagnitude = -1,
#define QORDLG_MAGNITUDE(name) name,
#include "QORDlgUnits.def"
#undef QORDLG_MAGNITUDE
    MagnitudeCount
  };
  enum QORDlgUnit {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) name,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
    UnitCount
  };

  QORDlgControl(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgControl"; }
  // The control's contextual menu, or null.
  QORDlgContextualMenu* GetContextualMenu() const;

  void SetUnit(QORDlgUnit unit);
  QORDlgUnit GetUnit() const;
  void SetPrecision(int precision);
  int GetPrecision() const;
  void SetMagnitude(QORDlgMagnitude magnitude);
  QORDlgMagnitude GetMagnitude() const;
  // printf format of the number; the unit symbol follows after a blank.
  void SetDisplayFormat(const char* format);
};
