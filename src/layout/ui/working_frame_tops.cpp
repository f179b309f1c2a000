// The working frames open below the title block of the empty main view. The
// frame layout puts their tops at a fixed share of the window's height, which
// on screens up to 1920 x 1080 cuts into the title (the version line and the
// owner notice lie half under the frame); there the frames move down to the
// title's bottom, as far as the window's inner height lets them. A frame
// never reaches down to the window's bottom edge: it stands whole in the
// inner area with a strip of the window beneath its lower border, so that
// the border shows as the frame's own and not as the window's edge. Where
// the layout's top leaves no such strip (a tall frame on a large screen) or
// the inner area shrinks after start-up (a window manager that frames the
// window only once it is shown), the frame moves up.
#include <algorithm>

#include "layout/ui/layout_services.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kTitle[] = {"Label1", "Label2", "Label3", "Label4"};
constexpr const char* kWorkingFrames[] = {"frm_analysis", "frm_Load_Dbase", "frm_Fatigue_Dbase",
                                          "frm_about",    "frm_data_serv",  "frm_settings"};

// The strip of the window beneath a working frame's lower border, in twips
// at scale 1 (four pixels).
constexpr float kStripBeneath = 60.0f;

}  // namespace

void KeepWorkingFramesInSight(FormMain& main) {
  float titleBottom = 0;
  for (const char* name : kTitle) {
    const Label& title = main.label(name);
    titleBottom = std::max(titleBottom, title.Top() + title.Height());
  }
  const float strip = kStripBeneath * std::max(1.0f, main.state().layoutScales.ScaleY);
  for (const char* name : kWorkingFrames) {
    Frame& frame = main.frame(name);
    const float lowest = main.ScaleHeight() - frame.Height() - strip;
    const float top = std::max(0.0f, std::min(std::max(frame.Top(), titleBottom), lowest));
    if (top != frame.Top()) frame.SetTop(top);
  }
}
