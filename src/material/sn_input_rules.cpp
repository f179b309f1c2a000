#include "material/sn_input_rules.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/runtime/sng.h"

std::string SnExponentRefusal(double m) {
  if (!(m > 1)) return "(m < 1)";
  return std::isinf(m) ? "(m too big)" : "";
}

std::string EnduranceCyclesRefusal(double no) {
  const double low = static_cast<float>(1e5);
  const double high = static_cast<float>(1e20);
  if (!(no >= low)) return "(No < 1e5)";
  if (no > high) return "(No > 1e20)";
  // A count of cycles is held in 32 bits: larger lives cannot be stored.
  if (std::nearbyint(no) > std::numeric_limits<int32_t>::max()) return "(No > 2147483647)";
  return "";
}

std::string SurvivalProbabilityRefusal(double pn) {
  if (!(pn > 0)) return "(Pn <= 0)";
  if (!(pn < 100)) return "(Pn >=100)";
  return "";
}

std::string StressRatioRefusal(double r) { return (r >= -1 && r < 1) ? "" : "(| r | > 1) "; }

std::string EnduranceLimitRefusal(double se, bool twoBoxes, int index, double seFrom, double seTo) {
  if (!(se > 0)) return " (Se < 0)";
  if (twoBoxes && ((index == 0 && !(se <= seTo)) || (index == 1 && !(se >= seFrom)))) return " (Semax < Semin)";
  return std::isinf(se) ? " (Se too big)" : "";
}

std::string ThicknessRefusal(double t) {
  if (!(t > 0)) return "(t < 0)";
  return std::isinf(t) ? "(t too big)" : "";
}

std::string ThicknessExponentRefusal(double k) {
  if (!(k > 0)) return "(k < 0)";
  if (!(k < 1)) return "(k > 1)";
  return "";
}

std::string YieldStrengthRefusal(double sy, double su) {
  if (!(sy > 0)) return "(Sy < 0)";
  if (!(sy < su)) return "(Sy > Su)";
  return "";
}

std::string UltimateStrengthRefusal(double su, double sy) {
  if (!(su > 0)) return "(Su < 0)";
  if (!(su > sy)) return "(Sy > Su)";
  return std::isinf(su) ? "(Su too big)" : "";
}

std::string YoungModulusRefusal(double e) {
  if (!(e >= 10000)) return "(E <10000)";
  return std::isinf(e) ? "(E too big)" : "";
}

float ThicknessFactorOf(float t, float k) {
  if (t > 25.0f) return Sng(std::pow(25.0 / static_cast<double>(t), static_cast<double>(k)));
  return 1.0f;
}
