#include "report/screen_sequence.h"

#include "engine/analysis_records.h"

std::vector<ScreenDrawing> MainScreenDrawings(const AnalysisOptions& options, bool spectrumFrameVisible) {
  using enum ScreenDrawing;
  if (options.AnalysisMode != 1) return {MasterCurve};
  std::vector<ScreenDrawing> drawings{SNCurve};
  switch (options.LoadingType) {
    case 1: drawings.push_back(History); break;
    case 2:
    case 3: drawings.push_back(spectrumFrameVisible ? Spectrum : Distribution); break;
    case 4: drawings.push_back(Distribution); break;
    default: break;
  }
  if (options.LoadingType != 4) drawings.push_back(Damage);
  drawings.push_back(DataBox);
  return drawings;
}

std::vector<ScreenDrawing> SecondWindowMainScreenDrawings(const AnalysisOptions& options) {
  using enum ScreenDrawing;
  return {options.LoadingType > 1 ? Spectrum : History, Damage, SNCurve, DataBox};
}
