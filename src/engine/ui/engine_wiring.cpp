#include "engine/ui/engine_wiring.h"

#include "engine/ui/damage_to_failure.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/life_display.h"
#include "shell/ui/form_main.h"

// The controls exist before any panel is made, so the handlers can be set
// here by name; they reach the panels only when they run.
void WireEngineCommands(FormMain& main) {
  FormMain* m = &main;
  main.label("DTFf").onClick = [m] { DTFf_Click(*m); };
  TextBox& dtf = main.textBox("DTFft");
  dtf.onGotFocus = [m] { DTFft_GotFocus(*m); };
  dtf.onKeyDown = [m](int& key, int shift) { DTFft_KeyDown(*m, key, shift); };
  dtf.onLostFocus = [m] { DTFft_LostFocus(*m); };
  main.array<Label>("Lifelab").onMouseDown = [m](int index, int button, int shift, float x, float y) {
    Lifelab_MouseDown(*m, index, button, shift, x, y);
  };
}
