#pragma once

#include "montecarlo/ui/mcs_print_services.h"
#include "platform/ui/form.h"

class FormMain;
class FormShow;

// The simulation results view of the second window (SecondWindowView 5):
// the diagram on `pic_diag` with the job's data on `pic_master1`, the two
// labels that open the life-unit and fit popup `pop_rand`, the results
// boxes Pf, Tr and Le.Tail (their focus and Enter are the boxes' shared
// handlers, results_boxes.h), and the file commands of its "&Results" menu.
// The diagram's own popup of plots is the test data editor's, which serves
// this view while the test data frame is hidden.
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
  // Box 0 Pf, 1 Tr or 2 Le.Tail left: the entry validated and committed, or
  // refused with its message and the corrected value.
  void Res_probT_LostFocus(int index);

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
// DrawMCSResultsDiagram (mcs_print_services.h) draws the diagram: on the
// screen on `pic_diag` and `pic_master1`, placing and filling the view's
// frames, boxes and labels; on paper one surface for both.
// The main window's "Show &Last" and "&Open File..." of its results menu.
void mnu_MCSres_L_Click(FormMain& main);
void mnu_MCSres_O_Click(FormMain& main);
