#pragma once

#include <cstdint>
#include <string>

// What the damage calculation shows on controls while it runs: the job
// summary picture readied as a progress display, the progress bar of a
// history master curve drawn on it, and the mean-stress caption of the job
// summary. The user interface connects these to its controls; the default
// does nothing, so that core callers and tests need not.
struct CalcProgress {
  virtual ~CalcProgress() = default;

  // White background and the given font size on the progress picture.
  virtual void ReadyProgressDisplay(float /*fontSize*/) {}
  // Scale width and height of the progress picture.
  virtual float ProgressScaleWidth() { return 0.0f; }
  virtual float ProgressScaleHeight() { return 0.0f; }
  // A filled box in the given colour (0x00BBGGRR) on the progress picture.
  virtual void DrawProgressBox(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/,
                               int32_t /*colour*/) {}
  // The caption of the job summary's mean-stress label.
  virtual void ShowMeanStressCaption(const std::string& /*caption*/) {}
};
