// The critical damage sum d, edited in the job summary box. The life is
// d / D blocks, so a new d rescales a single-case life on show at once.

#include "engine/ui/damage_to_failure.h"

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kMask = "##0.0##";

// Moves the focus to the summary field of one of the job's sources.
void ClickSourceLabel(FormMain& main) {
  const ProgramState& s = main.state();
  DataBoxPanel& box = main.dataBox();
  if (s.materialData.MaterialSource == 2)
    box.Material.click();
  else if (s.loadingDbState.LoadingSource == 2)
    box.Load.click();
  else
    box.Subj.click();
}

// A single-case life on show follows the new damage to failure. With no
// damage at all (a loading below the endurance limit) the life stays
// infinite: there is nothing to divide by.
void RescaleLifeOnShow(FormMain& main) {
  ProgramState& s = main.state();
  Results& res = s.results;
  DataBoxPanel& box = main.dataBox();
  if (s.analysisOptions.AnalysisMode == analysis_mode::kSingleCase && box.Result.Visible()) {
    if (res.TotalDamage != 0.0f && res.InfiniteLifeFlag != 1) {
      res.LifeBlocks = Sng(static_cast<double>(s.analysisOptions.DamageToFailure) / res.TotalDamage);
      res.LifeCycles = Sng(static_cast<double>(res.LifeBlocks) * s.loadingData.CyclesPerBlock);
    }
    ShowFatigueLife(main, s.analysisOptions.LifeUnit);
  } else {
    box.Result.SetVisible(false);
    main.results().Pic_Dam.SetVisible(false);
  }
}

}  // namespace

void DTFf_Click(FormMain& main) { main.dataBox().DTFft.SetFocus(); }

void DTFft_GotFocus(FormMain& main) {
  DisableControl(main.menus().mnu_Run);
  PaintForEditing(main.dataBox().DTFft);
}

void DTFft_KeyDown(FormMain& main, int& keyCode, int /*shift*/) {
  const ProgramState& s = main.state();
  DataBoxPanel& box = main.dataBox();
  const bool reliability = s.analysisOptions.RelOption == 1;
  if (keyCode == kKeyDown) {
    if (reliability)
      box.Reliab_Click();
    else
      box.Subj.click();
  } else if (keyCode == kKeyUp) {
    if (reliability) ClickSourceLabel(main);
    if (s.analysisOptions.LoadingType == loading_type::kHistory ||
        s.analysisOptions.LoadingType == loading_type::kSpectrum)
      box.ExtSN(1).click();
    else
      ClickSourceLabel(main);
  }
}

void DTFft_LostFocus(FormMain& main) {
  ProgramState& s = main.state();
  DataBoxPanel& box = main.dataBox();
  TextBox& dtf = box.DTFft;
  if (LeftUntyped(dtf, s.colourSettings.ColourDataBox)) {
    if (s.wizardFlags.LoadingDataReady) EnableControl(main.menus().mnu_Run);
    return;
  }
  const float v = BoxSingle(dtf.Text());
  if (!(v > 0.0f && v < 10.0f)) {
    const std::string reason = !(v > 0.0f) ? "(DTF < 0)" : "(DTF >10)";
    RefuseInput(s.shellState, main.host(), box.pic_DBox, dtf, DataIncorrectText(reason),
                " Damage to Failure (DTF)", Format(s.analysisOptions.DamageToFailure, kMask));
    return;
  }
  s.analysisOptions.DamageToFailure = v;
  const std::string shown = Format(v, kMask);
  dtf.SetText(shown);
  dtf.SetWidth(120.0f * static_cast<float>(shown.size()) * s.layoutScales.FontScale);
  PaintAccepted(dtf, s.colourSettings.ColourDataBox);
  if (s.analysisOptions.RelOption == 1) {
    box.ScattFact.SetVisible(false);
    main.results().Pic_Rel.SetVisible(false);
  }
  RescaleLifeOnShow(main);
  MainMenus& m = main.menus();
  DisableControl(m.mnu_form);
  DisableControl(m.mnu_report);
  EnableControl(m.mnu_calculate);
  if (s.wizardFlags.LoadingDataReady) EnableControl(m.mnu_Run);
}
