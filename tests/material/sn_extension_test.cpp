#include "material/sn_extension.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/sng.h"

namespace {

// No and m' changed by another input than the extension boxes: the ratio
// stays and No' is worked out from it where it is shown.
TEST(SnExtension, ExtensionCyclesFollowTheRatio) {
  struct Case {
    const char* name;
    int16_t display;
    float ratio, cyclesBefore;
    float ratioAfter, cyclesAfter;
  };
  const float half = Sng(std::floor(1e6 * std::pow(2.0, 4)));
  const Case cases[] = {
      {"No' shown: from the ratio", 1, 0.5f, 1.28e8f, 0.5f, half},
      {"No' shown, ratio 0: Se' of 1 MPa", 1, 0, 1.28e8f, 1.0f / 200, Sng(std::floor(1e6 * std::pow(200.0, 4)))},
      {"ratio shown: No' worked out when needed", 0, 0.5f, 1.28e8f, 0.5f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MaterialData md;
    md.Se = 200;
    md.EnduranceCycles = 1000000;
    md.SNExtensionExponent = 4;
    md.SNExtensionDisplay = c.display;
    md.SNExtensionRatio = c.ratio;
    md.SNExtensionCycles = c.cyclesBefore;
    ExtensionCyclesFollowTheRatio(md);
    EXPECT_EQ(md.SNExtensionRatio, c.ratioAfter);
    EXPECT_EQ(md.SNExtensionCycles, c.cyclesAfter);
    // m' typed next derives No' from the ratio in the ratio display
    ApplyExtensionExponent(md, 4);
    EXPECT_EQ(md.SNExtensionCycles, c.display == 0 ? half : c.cyclesAfter);
  }
}

}  // namespace
