#include "component/notch_inputs.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "program_state.h"

namespace {

TEST(NotchInputs, KtRangeAndItsMasterCurveEnds) {
  struct Case {
    const char* name;
    bool range;
    int index;
    float v;
    bool ktWording;
    const char* reason;
  };
  const Case cases[] = {
      {"1", false, 0, 1, true, ""},
      {"20", false, 0, 20, true, ""},
      {"0.5", false, 0, 0.5f, true, " (Kt < 1)"},
      {"25", false, 0, 25, true, " (Kt > 20)"},
      {"0.5 as Kf", false, 0, 0.5f, false, " (Kf < 1)"},
      {"infinite", false, 0, std::numeric_limits<float>::infinity(), true, " (Kt > 20)"},
      // The range runs from KtFrom 2 to KtTo 4.
      {"upper end above the lower", true, 0, 2, true, ""},
      {"upper end below the lower", true, 0, 1.5f, true, "(Ktmax < Ktmin)"},
      {"lower end below the upper", true, 1, 4, true, ""},
      {"lower end above the upper", true, 1, 5, true, "(Ktmax < Ktmin)"},
      {"an end out of range", true, 0, 21, true, " (Kt > 20)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramState s;
    if (c.range) {
      s.analysisOptions.AnalysisMode = 2;
      s.analysisOptions.MasterCurveParameter = 3;
    }
    s.componentData.KtFrom = 2;
    s.componentData.KtTo = 4;
    EXPECT_EQ(KtEntryRefusal(s, c.index, c.v, c.ktWording), c.reason);
  }
}

TEST(NotchInputs, AnAcceptedKtIsStored) {
  ProgramState s;
  StoreKtEntry(s, 0, 2);
  const ComponentData& cd = s.componentData;
  EXPECT_EQ(cd.Kt, 2);
  EXPECT_EQ(cd.SpecimenNotchFactor, 2);
  EXPECT_EQ(cd.KtTo, 2);
  EXPECT_EQ(cd.MseNotchFactor, 2);
  EXPECT_EQ(cd.Kf, 2);
  EXPECT_EQ(cd.KtFrom, 3) << "the lower end is kept";
  EXPECT_EQ(s.materialData.KtInput, 3) << "the typed notch factor is kept";

  // An end of a master curve over Kt sets only that end and the specimen's factor.
  ProgramState r;
  r.analysisOptions.AnalysisMode = 2;
  r.analysisOptions.MasterCurveParameter = 3;
  StoreKtEntry(r, 0, 5);
  StoreKtEntry(r, 1, 1.5f);
  EXPECT_EQ(r.componentData.KtTo, 5);
  EXPECT_EQ(r.componentData.KtFrom, 1.5f);
  EXPECT_EQ(r.componentData.SpecimenNotchFactor, 1.5f);
  EXPECT_EQ(r.componentData.Kt, 3);
  EXPECT_EQ(r.componentData.Kf, 3);
}

TEST(NotchInputs, NotchRadiusIsASingleAboveZero) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float r : {0.0f, -1.0f, -0.0f, -inf, std::nanf("")}) EXPECT_EQ(NotchRadiusRefusal(r), "(r must be > 0)") << r;
  EXPECT_EQ(NotchRadiusRefusal(inf), "(r too big)") << "beyond the Single range";
  for (float r : {0.01f, 1.0f, FLT_MIN, FLT_MAX}) EXPECT_EQ(NotchRadiusRefusal(r), "") << r;
}

TEST(NotchInputs, MeanStressNotchFactor) {
  EXPECT_EQ(MeanStressNotchFactorRefusal(0.99f, true), " (Kt < 1)");
  EXPECT_EQ(MeanStressNotchFactorRefusal(20.5f, false), " (Kf > 20)");
  EXPECT_EQ(MeanStressNotchFactorRefusal(1, true), "");
  EXPECT_EQ(MeanStressNotchFactorRefusal(20, true), "");
  ProgramState s;
  StoreMeanStressNotchFactor(s, 2.5f);
  EXPECT_EQ(s.componentData.Kf, 2.5f);
  EXPECT_EQ(s.materialData.KtInput, 2.5f);
  EXPECT_EQ(s.componentData.MseNotchFactor, 2.5f);
}

}  // namespace
