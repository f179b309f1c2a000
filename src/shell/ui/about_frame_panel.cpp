#include "shell/ui/about_frame_panel.h"

#include "shell/ui/form_main.h"

AboutFramePanel::AboutFramePanel(FormMain& m)
    : main(m),
      frm_about(m.frame("frm_about")),
      lbl_about(m.array<Label>("lbl_about")),
      cmd_about(m.button("cmd_about")),
      Label1(m.label("Label1")),
      Label2(m.label("Label2")),
      Label3(m.label("Label3")),
      Label4(m.label("Label4")) {
  // Wire cmd_about_Click here.
}
