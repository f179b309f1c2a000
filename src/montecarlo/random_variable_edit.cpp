#include "montecarlo/random_variable_edit.h"

#include "montecarlo/distribution_tag.h"
#include "montecarlo/random_math.h"

namespace {

constexpr const char* kCovTitle = "Coefficienf of Variation";
constexpr const char* kBoundsTitle = "Truncate Distribution";

// The ranges are compared as Singles, so that the ends typed (0.01, 1.01)
// are inside them. NaN is inside no range.
bool Within(float v, float lo, float hi) { return v >= lo && v <= hi; }

}  // namespace

int16_t RandomVariableSlot(const std::string& callerText, int16_t index, bool fatigueBrowserShown) {
  if (callerText == kMaterialCaller) {
    const int slot = index + 1 + (fatigueBrowserShown ? 3 : 0);
    return slot >= 1 && slot <= kRandomVarMax ? static_cast<int16_t>(slot) : 0;
  }
  if (callerText == kLoadingCaller) return 2;
  if (callerText == kComponentCaller) return 3;
  return 0;
}

std::string RandomVariableName(const std::string& callerText) {
  if (callerText == kMaterialCaller) return "Endurance Limit,  Se: ";
  if (callerText == kLoadingCaller) return "Scaling Factor,  k: ";
  if (callerText == kComponentCaller) return "Stress Conc. Factor,  Kt: ";
  return "";
}

DistributionParameterNames ParameterNamesOf(int16_t type) {
  if (type == 3) return {"Shape:", "Scale: "};
  if (type == 4) return {"Shape:", "Shift:   "};
  return {"STDV: ", "Mean: "};
}

int16_t ShownDistributionType(int16_t storedType) { return storedType < -1 || storedType > 5 ? 0 : storedType; }

float OpenRandomVariable(RandomVariableTable& table, RandomVariablePanel& panel, int16_t slot) {
  const int16_t type = ShownDistributionType(table.RvType[slot]);
  panel.PanelCov = table.RvCov[slot];
  panel.PanelDistType = type;
  panel.PanelXmin = table.RvXmin[slot];
  panel.PanelXmax = table.RvXmax[slot];
  const float shownCov = type >= 1 ? table.RvCov[slot] : 0.0f;
  if (panel.PanelXmax == 0.0f) {
    panel.PanelXmin = 1.0f;
    panel.PanelXmax = 1.0f;
  }
  CalcDistributionParams(panel, type, shownCov);
  return shownCov;
}

EntryRefusal CovRefusal(int16_t type, float cov) {
  if (type >= 1 && !Within(cov, 0.01f, 1.0f)) return {"C.O.V. out of range (0.01-1.0).", kCovTitle};
  return {};
}

EntryRefusal XminRefusal(int16_t type, float xmin, float xmax) {
  if (type < 1) return {};
  if (!Within(xmin, 0.01f, 1.0f)) return {"Xmin out of range (0.01 - 1.0).", kBoundsTitle};
  if (xmin > xmax) return {"Xmin greater than Xmax.", kBoundsTitle};
  return {};
}

EntryRefusal XmaxRefusal(int16_t type, float xmax, float xmin) {
  if (type < 1) return {};
  if (!Within(xmax, 1.01f, 3.0f)) return {"Xmax out of range (1.01 - 3.0).", kBoundsTitle};
  if (xmax <= xmin) return {"Xmax smaller than Xmin.", kBoundsTitle};
  return {};
}

void AcceptCov(RandomVariablePanel& panel, float cov) {
  if (panel.PanelDistType > 0) panel.PanelCov = cov;
  CalcDistributionParams(panel, panel.PanelDistType, cov);
  CalcDistributionPlotRange(panel, panel.PanelDistType);
}

void CommitRandomVariable(RandomVariableTable& table, int16_t slot, int16_t type, float xmin, float xmax,
                          const RandomVariablePanel& panel) {
  table.RvType[slot] = type;
  table.RvXmin[slot] = xmin;
  table.RvXmax[slot] = xmax;
  table.RvParA[slot] = panel.PanelParA;
  table.RvParB[slot] = panel.PanelParB;
  table.RvCov[slot] = panel.PanelCov;
}

std::string WithDistributionTag(const std::string& caption, int optionIndex, float cov) {
  const std::string tag = FormatDistributionTag(static_cast<int16_t>(optionIndex - 1), cov);
  if (caption.size() < 2) return caption + tag;
  const size_t brace = caption.rfind('{', caption.size() - 2);
  if (brace == std::string::npos) return caption + tag;
  return caption.substr(0, brace) + tag;
}

std::string TrailingTag(const std::string& caption) {
  const size_t brace = caption.rfind('{');
  return brace == std::string::npos ? std::string() : caption.substr(brace);
}
