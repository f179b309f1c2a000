#pragma once

#include "engine/calc_progress.h"

class FormMain;

// What the damage calculation shows while it runs, on the job summary: the
// picture `pic_DBox` as the progress display and the mean-stress label
// `DDBmse(1)`. When the calculation is over (the object goes), the picture
// gets back the job summary's colour in force, its font size and the note
// right of Kt that the colours wiped.
class SummaryProgress : public CalcProgress {
 public:
  explicit SummaryProgress(FormMain& main) : main_(main) {}
  ~SummaryProgress() override;
  SummaryProgress(const SummaryProgress&) = delete;
  SummaryProgress& operator=(const SummaryProgress&) = delete;

  void ReadyProgressDisplay(float fontSize) override;
  float ProgressScaleWidth() override;
  float ProgressScaleHeight() override;
  void DrawProgressBox(float x1, float y1, float x2, float y2, int32_t colour) override;
  void ShowMeanStressCaption(const std::string& caption) override;

 private:
  FormMain& main_;
  bool readied_ = false;
  float fontSizeBefore_ = 0;
};
