#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;
struct JobTexts;

// The job's subject and the material and loading names, edited in place in
// the job summary: a click on the label opens its box over it; leaving the
// box stores the text (an empty box is refused with a beep); Up and Down move
// the edit to the neighbouring summary item.
class JobTextsPanel {
 public:
  explicit JobTextsPanel(FormMain& main);

  void Subj_Click();
  void Load_Click();
  void Material_Click();
  void Subjt_GotFocus();
  void Loadt_GotFocus();
  void Materialt_GotFocus();
  void Subjt_LostFocus();
  void Loadt_LostFocus();
  void Materialt_LostFocus();
  void Subjt_KeyDown(int KeyCode, int Shift);
  void Loadt_KeyDown(int KeyCode, int Shift);
  void Materialt_KeyDown(int KeyCode, int Shift);

  FormMain& main;
  Label& Subj;
  TextBox& Subjt;
  Label& Load;
  TextBox& Loadt;
  Label& Material;
  TextBox& Materialt;

 private:
  void OpenBox(TextBox& box, const std::string& text);
  void StoreBox(TextBox& box, std::string& text);
  void ExtSN_Click();
  void DTFf_Click();
};
