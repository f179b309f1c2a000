#include "component/notch_inputs.h"

#include <cmath>

#include "program_state.h"

namespace {

constexpr float kLowest = 1.0f;
constexpr float kHighest = 20.0f;

// " (Kt < 1)" or " (Kt > 20)" for a value outside 1 to 20; "" inside.
std::string RangeRefusal(float v, bool ktWording) {
  if (v >= kLowest && v <= kHighest) return "";
  return " (" + NotchWord(ktWording) + (!(v >= kLowest) ? " < 1)" : " > 20)");  // NaN: as no number
}

}  // namespace

std::string NotchToggleTip(bool ktWording) {
  return ktWording ? "Click to change for Notch Factor, Kf" : "Click to change for SCF, Kt";
}

std::string NotchWord(bool ktWording) { return ktWording ? "Kt" : "Kf"; }

std::string NotchFactorTitle(bool ktWording) {
  return ktWording ? " Stress Conc. Factor (Kt)" : " Notch Factor (Kf)";
}

bool KtRangeEntry(const ProgramState& s) {
  return s.analysisOptions.AnalysisMode == 2 && s.analysisOptions.MasterCurveParameter == 3;
}

std::string KtEntryRefusal(const ProgramState& s, int index, float v, bool ktWording) {
  if (std::string range = RangeRefusal(v, ktWording); !range.empty()) return range;
  if (!KtRangeEntry(s)) return "";
  const ComponentData& cd = s.componentData;
  const bool inOrder = index == 1 ? v <= cd.KtTo : v >= cd.KtFrom;
  return inOrder ? "" : "(Ktmax < Ktmin)";
}

void StoreKtEntry(ProgramState& s, int index, float v) {
  ComponentData& cd = s.componentData;
  cd.SpecimenNotchFactor = v;
  if (KtRangeEntry(s)) {
    (index == 1 ? cd.KtFrom : cd.KtTo) = v;
    return;
  }
  cd.KtTo = cd.Kt = cd.MseNotchFactor = cd.Kf = v;
}

std::string NotchRadiusRefusal(float radius) {
  if (!(radius > 0.0f)) return "(r must be > 0)";
  if (std::isinf(radius)) return "(r too big)";  // beyond the Single range
  return "";
}

std::string MeanStressNotchFactorRefusal(float v, bool ktWording) { return RangeRefusal(v, ktWording); }

void StoreMeanStressNotchFactor(ProgramState& s, float v) {
  s.componentData.Kf = v;
  s.materialData.KtInput = v;
  s.componentData.MseNotchFactor = v;
}

float ShownNotchFactorOf(const ProgramState& s) {
  return s.analysisOptions.SNDataSpecimen == sn_data_specimen::kPlain ? s.componentData.Kt : s.materialData.KtInput;
}
