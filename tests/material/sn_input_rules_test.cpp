#include "material/sn_input_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "material/fatigue_db_edit.h"

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

// No check lets an infinity or NaN through; NaN (a typed number that does not
// fit) gets the check's first reason, as a text without number would.
TEST(SnInputRules, InfinitiesAndNaNAreRefusedByEveryCheck) {
  const struct {
    const char* what;
    std::string (*check)(double);
    const char* reasonOfNaN;
  } checks[] = {
      {"m", SnExponentRefusal, "(m < 1)"},
      {"No", EnduranceCyclesRefusal, "(No < 1e5)"},
      {"Pn", SurvivalProbabilityRefusal, "(Pn <= 0)"},
      {"r", StressRatioRefusal, "(| r | > 1) "},
      {"Se", [](double v) { return EnduranceLimitRefusal(v, true, 0, 100, 200); }, " (Se < 0)"},
      {"Se max", [](double v) { return EnduranceLimitRefusal(v, true, 1, 100, 200); }, " (Se < 0)"},
      {"t", ThicknessRefusal, "(t < 0)"},
      {"k", ThicknessExponentRefusal, "(k < 0)"},
      {"Sy", [](double v) { return YieldStrengthRefusal(v, 500); }, "(Sy < 0)"},
      {"Su", [](double v) { return UltimateStrengthRefusal(v, 300); }, "(Su < 0)"},
      {"E", YoungModulusRefusal, "(E <10000)"},
  };
  for (const auto& c : checks) {
    EXPECT_EQ(c.check(kNaN), c.reasonOfNaN) << c.what;
    EXPECT_NE(c.check(kInf), "") << c.what;
    EXPECT_NE(c.check(-kInf), "") << c.what;
  }
  // the Semax/Semin relation with a bound that is NaN
  EXPECT_EQ(EnduranceLimitRefusal(150, true, 0, 100, kNaN), " (Semax < Semin)");
  EXPECT_EQ(EnduranceLimitRefusal(150, true, 1, kNaN, 200), " (Semax < Semin)");
  EXPECT_EQ(YieldStrengthRefusal(300, kNaN), "(Sy > Su)");
}

TEST(FatigueDbCellRefusal, InfinitiesAndNaNAreRefusedInEveryRow) {
  const FatigueDatabase db;  // an empty set: no Su or Sy to compare with
  for (FdbRow row : {FdbRow::Se, FdbRow::No, FdbRow::M, FdbRow::R, FdbRow::Pn, FdbRow::Sy, FdbRow::Su})
    for (double v : {kInf, -kInf, kNaN}) EXPECT_NE(FatigueDbCellRefusal(row, v, db, 1, 1), "") << static_cast<int>(row) << " " << v;
}
