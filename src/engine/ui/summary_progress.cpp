#include "engine/ui/summary_progress.h"

#include "component/ui/data_box_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
constexpr int32_t kWhite = 0xFFFFFF;
}

void SummaryProgress::ReadyProgressDisplay(float fontSize) {
  PictureBox& pic = main_.dataBox().pic_DBox;
  if (!readied_) fontSizeBefore_ = pic.FontSize();
  readied_ = true;
  pic.SetBackColor(kWhite);
  pic.SetFontSize(fontSize);
}

SummaryProgress::~SummaryProgress() {
  if (!readied_) return;
  PictureBox& pic = main_.dataBox().pic_DBox;
  pic.SetBackColor(main_.state().colourSettings.ColourDataBox);  // clears the picture
  pic.SetFontSize(fontSizeBefore_);
  main_.dataBox().PrintNotchSensitivityNote();
}

float SummaryProgress::ProgressScaleWidth() {
  return static_cast<float>(main_.dataBox().pic_DBox.surface().ScaleWidth());
}

float SummaryProgress::ProgressScaleHeight() {
  return static_cast<float>(main_.dataBox().pic_DBox.surface().ScaleHeight());
}

void SummaryProgress::DrawProgressBox(float x1, float y1, float x2, float y2, int32_t colour) {
  main_.dataBox().pic_DBox.surface().Line(x1, y1, x2, y2, colour, Surface::kFilledBox);
}

void SummaryProgress::ShowMeanStressCaption(const std::string& caption) {
  main_.dataBox().DDBmse(1).SetCaption(caption);
}
