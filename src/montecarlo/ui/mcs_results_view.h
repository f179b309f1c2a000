#pragma once

#include "platform/ui/form.h"

class FormMain;
class FormShow;
class Surface;

// The simulation results view of the second window (SecondWindowView 5):
// the diagram on `pic_diag` with the job's data on `pic_master1`, the two
// labels that open the life-unit and fit popup `pop_rand`, the results
// boxes Pf, Tr and Le.Tail, the diagram's own popup of plots, and the file
// commands of its "&Results" menu.
class McsResultsView {
 public:
  explicit McsResultsView(FormShow& show);

  // "&Open File..." of the second window: a results file (*.psn) in place of
  // the result shown.
  void mnu_an_show_Click();
  // "&Save to File...": a copy of the result shown.
  void mnu_an_list_Click();
  // A label pressed: 0 the life unit, 1 the fit; the right button opens
  // their popup.
  void Res_prob_MouseDown(int index, int button);
  void pop_dispR_Click(int index);
  void Res_probT_GotFocus(int index);
  // Enter moves the focus to the diagram, which commits the box.
  void Res_probT_KeyDown(int index, int& keyCode);
  void Res_probT_LostFocus(int index);
  // The diagram's popup of plots while the results view is up (the test
  // data frame hidden): life distribution or probability plot.
  void pic_diag_MouseDown(int button);
  void pop_aNK_Click(int index);

  FormShow& show;

 private:
  // Shows a refused box's message and puts the corrected value back, the
  // focus on the box.
  void RefuseBox(TextBox& box, const std::string& text, const std::string& message, const std::string& title,
                 MsgIcon icon, bool beep);
};

// Switches the second window to the results view and redraws it from the
// records (and the header of the results file).
void ShowMCSResults(FormMain& main);
// The simulation results diagram on `target`, its header block on `side`:
// on the screen `pic_diag` and `pic_master1` (the view's frames, boxes and
// labels placed and filled), on paper one surface for both.
void DrawMCSResultsDiagram(FormMain& main, Surface& target, Surface& side);
// The main window's "Show &Last" and "&Open File..." of its results menu.
void mnu_MCSres_L_Click(FormMain& main);
void mnu_MCSres_O_Click(FormMain& main);
