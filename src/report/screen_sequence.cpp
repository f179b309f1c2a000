#include "report/screen_sequence.h"

#include "engine/analysis_records.h"

std::vector<ScreenDrawing> MainScreenDrawings(const AnalysisOptions& options, bool spectrumFrameVisible) {
  using enum ScreenDrawing;
  if (options.AnalysisMode != analysis_mode::kSingleCase) return {MasterCurve};
  std::vector<ScreenDrawing> drawings{SNCurve};
  switch (options.LoadingType) {
    case loading_type::kHistory:
      drawings.push_back(History);
      break;
    case loading_type::kSpectrum:
    case loading_type::kConstantAmplitude:
      drawings.push_back(spectrumFrameVisible ? Spectrum : Distribution);
      break;
    case loading_type::kDistribution:
      drawings.push_back(Distribution);
      break;
    default:
      break;
  }
  if (options.LoadingType != loading_type::kDistribution) drawings.push_back(Damage);
  drawings.push_back(DataBox);
  return drawings;
}

std::vector<ScreenDrawing> SecondWindowMainScreenDrawings(const AnalysisOptions& options) {
  using enum ScreenDrawing;
  return {options.LoadingType > loading_type::kHistory ? Spectrum : History, Damage, SNCurve, DataBox};
}
