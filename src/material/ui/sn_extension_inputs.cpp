// The S-N extension boxes of the job summary box: Se'/Se or No', and m'.
#include <cmath>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "material/sn_extension.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/job_texts_panel.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

std::string FirstBoxText(const MaterialData& md) {
  return md.SNExtensionDisplay == 0 ? Format(md.SNExtensionRatio, "0.0##") : Format(md.SNExtensionCycles, "0E+0");
}
}  // namespace

void SnFramePanel::ExtSN_MouseDown(int index, int button, int, float, float) {
  if (index != 0 || button != kRightButton) return;
  auto& items = main.menus().pop_SN1;
  const bool ratio = state().materialData.SNExtensionDisplay == 0;
  items(0).SetChecked(ratio);
  items(1).SetChecked(!ratio);
  main.PopupMenu(main.menus().pop_SN);
}

// The extension labels open their boxes, as the other input labels do.
void SnFramePanel::ExtSN_Click(int index) {
  if (ExtSNt.Exists(index) && ExtSNt(index).IsShowing()) ExtSNt(index).SetFocus();
}

void SnFramePanel::ExtSNt_GotFocus(int index) {
  DisableControl(main.menus().mnu_Run);
  PaintForEditing(ExtSNt(index));
}

void SnFramePanel::ExtSNt_KeyDown(int index, int keyCode, int) {
  if (index == 0) {
    // Up leads to the job texts, whose labels open their own boxes.
    if (keyCode == kKeyUp) {
      const ProgramState& s = state();
      JobTextsPanel& texts = main.jobTexts();
      if (s.materialData.MaterialSource == 2)
        texts.Material_Click();
      else if (s.loadingDbState.LoadingSource == 2)
        texts.Load_Click();
      else
        texts.Subj_Click();
    }
    if (keyCode == kKeyDown) ExtSN_Click(1);
    return;
  }
  if (keyCode == kKeyUp) ExtSN_Click(0);
  if (keyCode == kKeyDown) DTFf_Click(main);
}

void SnFramePanel::ExtSNt_LostFocus(int index) {
  ProgramState& s = state();
  auto& md = s.materialData;
  TextBox& box = ExtSNt(index);
  if (KeptUntyped(box, s.colourSettings.ColourDataBox)) return;
  const float v = BoxSingle(box.Text());
  std::string reason, symbol;
  if (index == 1) {
    if (!(v >= md.SNExponent)) reason = "(m' < m)";
    else if (std::isinf(v)) reason = "(m' too big)";
    symbol = "(m')";
  } else if (md.SNExtensionDisplay == 0) {
    if (!(v >= 0)) reason = "(Se'/Se < 0)";
    else if (!(v <= 1)) reason = "(Se'/Se > 1)";
    symbol = "(Se')";
  } else {
    const float nmax = Sng(md.EnduranceCycles * std::pow(static_cast<double>(md.Se), md.SNExtensionExponent));
    if (!(v >= md.EnduranceCycles)) reason = "(No' < No)";
    else if (!(v <= nmax) || !std::isfinite(v)) reason = "(No' > Nmax)";
    symbol = "(No')";
  }
  if (!reason.empty()) {
    const std::string restore = index == 1 ? Format(md.SNExtensionExponent, "#0.0#") : FirstBoxText(md);
    RefuseInput(s.shellState, main.host(), main.dataBox().pic_DBox, box, DataIncorrectText(reason),
                " SN-Extention " + symbol, restore);
    return;
  }
  if (index == 1) {
    ApplyExtensionExponent(md, v);
    box.SetText(Format(md.SNExtensionExponent, "#0.0#"));
  } else {
    if (md.SNExtensionDisplay == 0) {
      md.SNExtensionRatio = v;
      md.SNExtensionCycles = ExtensionCyclesOf(md, md.SNExtensionExponent);
    } else {
      md.SNExtensionCycles = v;
      md.SNExtensionRatio = ExtensionRatioOf(md, v, md.SNExtensionExponent);
    }
    box.SetText(FirstBoxText(md));
  }
  PaintAccepted(box, s.colourSettings.ColourDataBox);
  main.dataBox().Result.SetVisible(false);
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
  main.results().Pic_Dam.SetVisible(false);
  main.results().Pic_Rel.SetVisible(false);
  DrawSN();
  EnableRunWhenReady();
}
