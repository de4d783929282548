// Physical values of the controls: unit conversion, display formats (the
// feet-inch rules included), the text validators, and the application's
// current unit per magnitude redrawing every control.
#include <gtest/gtest.h>

#include <string>

#include "l_QORDlgControl.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {
using C = QORDlgControl;
constexpr double kInch = 0.0254;

TEST(Magnitude, NameTablesMatchTheEnumerations) {
  int m = 0, u = 0;
  while (QORDialog::MagnitudeName[m]) ++m;
  while (QORDialog::UnitName[u]) ++u;
  EXPECT_EQ(m, 38);
  EXPECT_EQ(u, 129);
  EXPECT_STREQ(QORDialog::MagnitudeName[C::SurfacicMass], "SurfacicMass");
  EXPECT_STREQ(QORDialog::UnitName[C::PoundPerSquareInch], "PoundPerSquareInch");
  // Feet-inch units have no symbol at all; Fraction an empty one.
  EXPECT_EQ(l_QORDlgControl::_unitSymb[C::FeetInchDecimal], nullptr);
  EXPECT_STREQ(l_QORDlgControl::_unitSymb[C::Fraction], "");
  EXPECT_DOUBLE_EQ(l_QORDlgControl::_unitMultFactor[C::BarrelPerDay],
                   24 * l_QORDlgControl::_unitMultFactor[C::BarrelPerHour]);
  EXPECT_EQ(l_QORDlgControl::MagnitudeOfUnit(C::Liter), C::Volume);
  EXPECT_EQ(l_QORDlgControl::BaseUnitOf(C::Temperature), C::Kelvindegree);
}

struct Shown {
  double value;
  C::QORDlgUnit unit;
  const char* format;
  const char* text;
};

TEST(Magnitude, ValuesAreShownInTheirUnit) {
  const Shown cases[] = {
      {1.2345, C::Millimeter, "%.3g %s", "1.23e+03 mm"},
      {298.16, C::Celsius, "%.5g %s", "25 Cdeg"},
      {298.16, C::Fahrenheit, "%.5g %s", "77 Fdeg"},
      {0.5, C::Percentage, "%.5g %s", "50 %"},
      {0.3429, C::FeetInchFraction64, "%.5g %s", "1' 1\" 1/2"},
      {0.0381, C::FeetInchFraction16, "%.5g %s", "1\" 1/2"},
      {0.3048, C::FeetInchFraction16, "%.5g %s", "1'"},
      {0.3048 + 3 * kInch, C::FeetInchFraction16, "%.5g %s", "1' 3\""},
      {-0.0381, C::FeetInchFraction16, "%.5g %s", "-1\" 1/2"},
      {5 * kInch / 64, C::FeetInchFraction64, "%.5g %s", "0\" 5/64"},
      {12.5 * kInch, C::FeetInchDecimal, "%.5g %s", "1' 0.5\""},
      {0.25 * kInch, C::FeetInchDecimal, "%.5g %s", "0.25\""},
      {0.005 * kInch, C::FeetInchDecimal, "%.5g %s", "0.005\""},
      {1e8, C::FeetInchFraction16, "%.5g %s", "3.2808e+08 ft"},
  };
  for (const Shown& c : cases)
    EXPECT_STREQ(l_QORDlgControl::WriteStringValue(c.value, c.unit, c.format), c.text) << c.value;
}

struct Typed {
  const char* text;
  C::QORDlgUnit unit;
  int valid;
  double value;
};

TEST(Magnitude, TypedValuesAreConvertedToBaseUnits) {
  const Typed cases[] = {
      {"25", C::Celsius, 1, 298.16},
      {"1000 mm", C::Millimeter, 1, 1.0},
      {"1000 m", C::Millimeter, 1, 1.0},  // the beginning of the symbol
      {"3 cm", C::Millimeter, 0, 0},
      {"1'2.5\"", C::FeetInchFraction16, 1, 14.5 * kInch},
      {"1' 1\" 1/2", C::FeetInchFraction64, 1, 13.5 * kInch},
      {"-1\" 1/2", C::FeetInchFraction16, 1, -1.5 * kInch},
      {"3/4", C::FeetInchFraction16, 0, 0},
      {"1\" 1/3", C::FeetInchFraction16, 1, 1 * kInch},  // not a power of two: no fraction
      {"2'", C::FeetInchFraction16, 1, 24 * kInch},
      {"2'6", C::FeetInchFraction16, 1, 30 * kInch},
      {"7", C::FeetInchFraction16, 1, 84 * kInch},  // bare digits are feet
      {".25\"", C::FeetInchDecimal, 1, 0.25 * kInch},
      {"1.2345\"", C::FeetInchDecimal, 0, 0},
      {"1.5\"1", C::FeetInchDecimal, 0, 0},
      {"1.\"", C::FeetInchDecimal, 0, 0},
      {"1.5/2\"", C::FeetInchFraction16, 0, 0},
      {"1\"2'", C::FeetInchFraction16, 0, 0},
      {"1x'", C::FeetInchFraction16, 0, 0},
      {"", C::FeetInchFraction16, 1, 0},
  };
  for (const Typed& c : cases) {
    double v = -1;
    EXPECT_EQ(l_QORDlgControl::IsDouble(c.text, &v, c.unit), c.valid) << c.text;
    if (c.valid) {
      EXPECT_NEAR(v, c.value, 1e-9) << c.text;
    }
  }
  // What a feet-inch unit shows reads back to the same value, to the shown precision.
  for (double inches : {0.0, 0.5, 11.75, 12.0, 13.5, 100.015625, -7.25}) {
    for (C::QORDlgUnit u : {C::FeetInchFraction64, C::FeetInchFraction16, C::FeetInchDecimal}) {
      const std::string shown = l_QORDlgControl::WriteStringValue(inches * kInch, u, "%.5g %s");
      double back = 0;
      ASSERT_EQ(l_QORDlgControl::IsDouble(shown.c_str(), &back, u), 1) << shown;
      EXPECT_NEAR(back / kInch, inches, u == C::FeetInchFraction16 ? 1.0 / 32 : 1.0 / 128) << shown;
    }
  }
}

TEST(Validators, RealIntegerFloatAndCharacterClasses) {
  const std::string blanks(300, ' '), blankSign = std::string(299, ' ') + "-";
  struct Real {
    const char* text;
    const char* symbol;
    int valid;
    double value;
  } reals[] = {{"1.5e", "mm", 1, 1.5},  {"1.5E-", "", 1, 1.5}, {"1.5x", "mm", 0, 0}, {"2 m", "mm", 1, 2},
               {"2 mmm", "mm", 0, 0},   {"", "", 1, 0},        {"  - ", "", 1, 0},   {".", "", 1, 0},
               {"- 3", "", 1, -3},      {"+.5", "", 1, 0.5},   {"1e3", "", 1, 1000}, {"nan", "nan", 1, 0},
               {"inf", "", 0, 0},       {"0x10", "", 0, 0},    {"1.5", nullptr, 1, 1.5},
               {"e", "", 1, 0},         {"-E+", "mm", 1, 0},   {".e", "", 0, 0},     {blanks.c_str(), "", 1, 0},
               {blankSign.c_str(), "", 1, 0}};
  for (const Real& r : reals) {
    double v = -1;
    EXPECT_EQ(l_QORDlgControl::IsReal(r.text, &v, r.symbol), r.valid) << r.text;
    EXPECT_DOUBLE_EQ(v, r.value) << r.text;
  }
  EXPECT_EQ(l_QORDlgControl::IsReal(std::string(256, '1').c_str(), nullptr, ""), 0);

  struct Int {
    const char* text;
    int valid, value;
  } ints[] = {{"-2147483648", 1, -2147483647 - 1}, {"2147483647", 1, 2147483647}, {"2147483648", 0, 0},
              {"-2147483649", 0, 0}, {"+-1", 0, 0}, {"  12  ", 1, 12}, {"12 3", 0, 0}, {"-", 1, 0}, {"", 1, 0},
              {"1.5", 0, 0}};
  for (const Int& c : ints) {
    int v = -1;
    EXPECT_EQ(l_QORDlgControl::IsInteger(c.text, &v), c.valid) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }

  float f = -1;
  EXPECT_EQ(l_QORDlgControl::IsFloat("3.5e38", &f), 0);
  EXPECT_EQ(l_QORDlgControl::IsFloat("1.17549435e-38", &f), 0);
  EXPECT_EQ(l_QORDlgControl::IsFloat("1e-39", &f), 1);
  EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(l_QORDlgControl::IsFloat("0.1", &f), 1);
  EXPECT_EQ(f, 0.1f);

  EXPECT_EQ(l_QORDlgControl::IsAlphabetical(""), 1);
  EXPECT_EQ(l_QORDlgControl::IsAlphabetical("abC"), 1);
  EXPECT_EQ(l_QORDlgControl::IsAlphabetical("ab1"), 0);
  EXPECT_EQ(l_QORDlgControl::IsNumerical("0123"), 1);
  EXPECT_EQ(l_QORDlgControl::IsNumerical("12a"), 0);
  EXPECT_EQ(l_QORDlgControl::IsAlphanumerical("ab12"), 1);
  EXPECT_EQ(l_QORDlgControl::IsAlphanumerical("ab 12"), 0);
}

// A test control showing a length in its label, enough to see a control redraw itself.
class LengthLabelLetter : public TestControlLetter {
 public:
  using TestControlLetter::TestControlLetter;
  // The value replaces the title the base update puts in the label.
  void update(unsigned long mask) override {
    const bool redraw = built && ((pending | mask) & (QORDlgUpdSubclass | QORDlgUpdTitle | 1));
    l_QORDlgControl::update(mask);
    if (!redraw) return;
    XmString s = XmStringCreateLocalized(const_cast<char*>(WriteStringValue(value, unit, displayFormat)));
    XtVaSetValues(baseWidget, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
  double value = 1.0;
};

struct LengthLabel : TestControlOf<LengthLabelLetter> {
  using TestControlOf::TestControlOf;
  std::string shown() const { return LabelText(typed->GetBaseWidget(0)); }
};

using ControlUnits = AppSuite;

TEST_F(ControlUnits, CurrentUnitOfAMagnitudeRedrawsEveryControl) {
  TestDialog a("UnitsA"), b("UnitsB");
  LengthLabel la(&a, "la"), lb(&b, "lb");
  la.SetMagnitude(C::Length);
  lb.SetMagnitude(C::Length);
  la.SetUnit(C::Inch);  // a control with a magnitude follows the application
  EXPECT_EQ(la.GetUnit(), C::Meter);
  la.SetPrecision(0);
  la.SetPrecision(16);
  EXPECT_STREQ(la.typed->GetDisplayFormat(), "%.5g %s");
  lb.SetPrecision(3);
  EXPECT_STREQ(lb.typed->GetDisplayFormat(), "%.3g %s");
  ASSERT_TRUE(a.Show());
  ASSERT_TRUE(b.Show());
  EXPECT_EQ(la.shown(), "1 m");
  app->SetMagnitudeCurrentUnit(C::Length, C::Millimeter);
  PumpIdle();
  EXPECT_EQ(la.shown(), "1000 mm");
  EXPECT_EQ(lb.shown(), "1e+03 mm");
  EXPECT_EQ(app->GetDoubleValueString(0.5, C::Length), QORUnicodeString("500 mm"));
  app->SetMagnitudeCurrentUnit(C::Length, C::Celsius);  // not a length: ignored
  EXPECT_EQ(app->GetMagnitudeCurrentUnit(C::Length), C::Millimeter);
  EXPECT_EQ(app->GetMagnitudeCurrentUnit(C::Dilatation), C::PerCelsius);
}

}  // namespace
