// The working frames open below the title block of the empty main view. The
// frame layout puts their tops at a fixed share of the window's height, which
// on screens up to 1920 x 1080 cuts into the title (the version line and the
// owner notice lie half under the frame); there the frames move down to the
// title's bottom, as far as the window's inner height lets them.
#include <algorithm>

#include "layout/ui/layout_services.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kTitle[] = {"Label1", "Label2", "Label3", "Label4"};
constexpr const char* kWorkingFrames[] = {"frm_analysis", "frm_Load_Dbase", "frm_Fatigue_Dbase",
                                          "frm_about",    "frm_data_serv",  "frm_settings"};

}  // namespace

void KeepWorkingFramesBelowTitle(FormMain& main) {
  float titleBottom = 0;
  for (const char* name : kTitle) {
    const Label& title = main.label(name);
    titleBottom = std::max(titleBottom, title.Top() + title.Height());
  }
  for (const char* name : kWorkingFrames) {
    Frame& frame = main.frame(name);
    const float lowest = main.ScaleHeight() - frame.Height();
    if (frame.Top() < titleBottom) frame.SetTop(std::max(frame.Top(), std::min(titleBottom, lowest)));
  }
}
