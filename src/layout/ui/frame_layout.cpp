// The working frames of the main window and the warranty dialog, sized and
// placed for the screen at hand. The working frames are parked as narrow
// strips in the window's design; only this pass gives them their working
// size: design numbers times the layout scales, centred in the window. It runs
// at every start, also at scale 1, as one fixed sequence of property writes.
#include "layout/ui/layout_properties.h"
#include "layout/ui/layout_services.h"
#include "platform/runtime/checked_single.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"

namespace {

enum class Win { Main, Dialog };
// Left, Top, Width, Height and FontSize only.
using Prop = LayoutProp;

// How a row's value is worked out. sx, sy, fs are the layout scales; the
// property's own scale is sx for Left and Width, sy for Top and Height and fs
// for FontSize. SW and SH are the main window's inner width and height.
enum class Rule {
  Design,             // k x own scale
  Relative,           // current value x own scale
  WorkingTop,         // SH x 0.14 x sy
  Centred,            // (SW - k x sx) / 2
  CentredOwn,         // (SW - own Width) / 2
  FromWindowMiddle,   // SW / 2 + k x sx
  FromRefMiddle,      // ref Width / 2 + k x sx
  CentredOnRef,       // (ref Width - own Width x sx) / 2 (own Width not written)
  SameAs,             // ref's refProp
  FractionOfRef,      // ref's refProp x k
  RefMiddleOwnWidth,  // ref Width / 2 + k x own Width
};

struct Row {
  Win win;
  const char* name;  // "" for the window itself
  Prop prop;
  Rule rule;
  double k = 0;
  const char* ref = nullptr;  // a control of the same window ("" the window)
  Prop refProp = Prop::Width;
};

constexpr Win M = Win::Main;
constexpr Win D = Win::Dialog;
using P = Prop;
using R = Rule;

// clang-format off
constexpr Row kRows[] = {
    // The problem-definition frame and its contents.
    {M, "frm_analysis", P::Top, R::WorkingTop},
    {M, "frm_analysis", P::Height, R::Design, 4695},
    {M, "frm_analysis", P::Width, R::Design, 8415},
    {M, "frm_analysis", P::Left, R::Centred, 8415},
    {M, "frm_anal_target", P::Left, R::Design, 330},
    {M, "frm_anal_target", P::Height, R::Relative},
    {M, "frm_anal_target", P::Width, R::Relative},
    {M, "frm_anal_target", P::Top, R::Relative},
    {M, "frm_anal_parameter", P::Left, R::Design, 330},
    {M, "frm_anal_parameter", P::Height, R::Relative},
    {M, "frm_anal_parameter", P::Width, R::Relative},
    {M, "frm_anal_parameter", P::Top, R::Relative},
    {M, "frm_anal_loading", P::Left, R::Design, 2570},
    {M, "frm_anal_loading", P::Height, R::Relative},
    {M, "frm_anal_loading", P::Width, R::Relative},
    {M, "frm_anal_loading", P::Top, R::Relative},
    {M, "frm_anal_data", P::Left, R::Design, 4400},
    {M, "frm_anal_data", P::Height, R::Relative},
    {M, "frm_anal_data", P::Width, R::Relative},
    {M, "frm_anal_data", P::Top, R::Relative},
    {M, "frm_anal_load_param", P::Left, R::Design, 4400},
    {M, "frm_anal_load_param", P::Height, R::Relative},
    {M, "frm_anal_load_param", P::Width, R::Relative},
    {M, "frm_anal_load_param", P::Top, R::Relative},
    {M, "frm_anal_mean_stress", P::Left, R::Design, 6545},
    {M, "frm_anal_mean_stress", P::Height, R::Relative},
    {M, "frm_anal_mean_stress", P::Width, R::Relative},
    {M, "frm_anal_mean_stress", P::Top, R::Relative},
    {M, "frm_anal_ns", P::Left, R::SameAs, 0, "frm_anal_mean_stress", P::Left},
    {M, "frm_anal_ns", P::Height, R::Relative},
    {M, "frm_anal_ns", P::Width, R::Relative},
    {M, "frm_anal_ns", P::Top, R::Relative},
    {M, "Select_anal_option", P::Left, R::FromRefMiddle, -2500, "frm_analysis"},
    {M, "cmd_analysis_cancel", P::Left, R::FromRefMiddle, 750, "frm_analysis"},
    {M, "cmd_analysis_done", P::Left, R::FromRefMiddle, -550, "frm_analysis"},
    {M, "Cmd_analysis_next", P::Left, R::FromRefMiddle, -1850, "frm_analysis"},
    // The database frames (the material database's left is worked out from
    // 9500, not its width 9510). The loading database's frame opens over the
    // data-services frame and is as wide as it (7510, not 7500): a narrower
    // one would leave an edge of the frame beneath in sight beside its own.
    {M, "frm_Load_Dbase", P::Top, R::WorkingTop},
    {M, "frm_Load_Dbase", P::Height, R::Design, 6250},
    {M, "frm_Load_Dbase", P::Width, R::Design, 7510},
    {M, "frm_Load_Dbase", P::Left, R::Centred, 7510},
    {M, "frm_Fatigue_Dbase", P::Top, R::WorkingTop},
    {M, "frm_Fatigue_Dbase", P::Height, R::Design, 5650},
    {M, "frm_Fatigue_Dbase", P::Width, R::Design, 9510},
    {M, "frm_Fatigue_Dbase", P::Left, R::Centred, 9500},
    // The simulation-options frame.
    {M, "Frm_MCS_opt", P::FontSize, R::Design, 10},
    {M, "Frm_MCS_opt", P::Top, R::Design, 2860},
    {M, "Frm_MCS_opt", P::Height, R::Design, 3035},
    {M, "Frm_MCS_opt", P::Width, R::Design, 4085},
    {M, "Frm_MCS_opt", P::Left, R::CentredOwn},
    // The About frame (its middle lies 118 x sx left of the window's).
    {M, "frm_about", P::Width, R::Design, 5300},
    {M, "frm_about", P::Height, R::Design, 4215},
    {M, "frm_about", P::Top, R::WorkingTop},
    {M, "frm_about", P::Left, R::FromWindowMiddle, -2768},
    // The data-services frame and its contents.
    {M, "frm_data_serv", P::Top, R::WorkingTop},
    {M, "frm_data_serv", P::Height, R::Design, 4695},
    {M, "frm_data_serv", P::Width, R::Design, 7510},
    {M, "frm_data_serv", P::Left, R::Centred, 7510},
    {M, "frm_data_do", P::Left, R::FromRefMiddle, -3010, "frm_data_serv"},
    {M, "frm_data_do", P::Height, R::Relative},
    {M, "frm_data_do", P::Width, R::Relative},
    {M, "frm_data_do", P::Top, R::Relative},
    {M, "frm_data_path", P::Left, R::FromRefMiddle, 395, "frm_data_serv"},
    {M, "frm_data_path", P::Height, R::Relative},
    {M, "frm_data_path", P::Width, R::Relative},
    {M, "frm_data_path", P::Top, R::Relative},
    {M, "Select_data_option", P::Left, R::CentredOnRef, 0, "frm_data_serv"},
    {M, "cmd_data_cancel", P::Left, R::FromRefMiddle, 750, "frm_data_serv"},
    {M, "cmd_data_do", P::Left, R::FromRefMiddle, -520, "frm_data_serv"},
    {M, "cmd_data_next", P::Left, R::FromRefMiddle, -1770, "frm_data_serv"},
    // The diagram frames' fonts.
    {M, "frm_Dam", P::FontSize, R::Design, 10},
    {M, "frm_Distr", P::FontSize, R::Design, 10},
    {M, "frm_Hist", P::FontSize, R::Design, 10},
    {M, "frm_DBox", P::FontSize, R::Design, 10},
    {M, "frm_SN", P::FontSize, R::Design, 10},
    {M, "frm_Spectr", P::FontSize, R::Design, 10},
    // The settings frame (its middle lies 0.5 x sx left of the window's).
    {M, "frm_settings", P::Top, R::WorkingTop},
    {M, "frm_settings", P::Height, R::Design, 4545},
    {M, "frm_settings", P::Left, R::FromWindowMiddle, -2708},
    {M, "frm_settings", P::Width, R::Design, 5415},
    {M, "frm_set_graphics", P::Height, R::Relative},
    {M, "frm_set_graphics", P::Width, R::Relative},
    {M, "frm_set_graphics", P::Top, R::Relative},
    {M, "frm_set_graphics", P::Left, R::Relative},
    // The loading-preview frames' fonts.
    {M, "frm_DistrSH", P::FontSize, R::Design, 8},
    {M, "frm_HistSH", P::FontSize, R::Design, 8},
    {M, "frm_SpectrSH", P::FontSize, R::Design, 8},
    // The warranty dialog; its Left and Top are screen coordinates.
    {D, "", P::Width, R::Design, 5020},
    {D, "", P::Height, R::Design, 4300},
    {D, "", P::Top, R::Design, 2860},
    {D, "", P::Left, R::FromWindowMiddle, -2510},
    {D, "", P::FontSize, R::Relative},
    {D, "Dialog_Text", P::Width, R::FractionOfRef, 0.89, "", P::Width},
    {D, "Dialog_Text", P::Height, R::FractionOfRef, 0.64, "", P::Height},
    {D, "Dialog_Text", P::Left, R::Relative},
    {D, "Dialog_Text", P::Top, R::Relative},
    {D, "Dialog_Text", P::FontSize, R::Design, 7.5},
    {D, "Dialog_CancelButton", P::Width, R::Relative},
    {D, "Dialog_OKButton", P::Width, R::Relative},
    {D, "Dialog_OKButton", P::Left, R::RefMiddleOwnWidth, -1.2, ""},
    {D, "Dialog_CancelButton", P::Left, R::RefMiddleOwnWidth, 0.2, ""},
    {D, "Dialog_OKButton", P::Top, R::FractionOfRef, 0.78, "", P::Height},
    {D, "Dialog_CancelButton", P::Top, R::SameAs, 0, "Dialog_OKButton", P::Top},
    {D, "Dialog_CancelButton", P::FontSize, R::Design, 7.5},
    {D, "Dialog_OKButton", P::FontSize, R::Design, 7.5},
};
// clang-format on

// One property of a window or of one of its controls.
class Target {
 public:
  Target(Form& form, const char* name) : form_(form), control_(*name ? &LayoutControl(form, name) : nullptr) {}

  float Get(Prop p) const {
    if (control_) return static_cast<float>(ReadLayoutProp(*control_, p));
    switch (p) {
      case P::Left: return form_.Left();
      case P::Top: return form_.Top();
      case P::Width: return form_.Width();
      case P::Height: return form_.Height();
      case P::FontSize: return form_.FontSize();
      default: throw RuntimeError(kErrNoSuchProperty, form_.Name());
    }
  }

  // The runtime's Overflow for a value beyond Single or no number.
  void Set(Prop p, double v) const {
    if (control_) return WriteLayoutProp(*control_, p, v);
    const float single = CSng(v);
    switch (p) {
      case P::Left: return form_.SetLeft(single);
      case P::Top: return form_.SetTop(single);
      case P::Width: return form_.SetWidth(single);
      case P::Height: return form_.SetHeight(single);
      case P::FontSize: return form_.SetFont(form_.FontName(), single);
      default: throw RuntimeError(kErrNoSuchProperty, form_.Name());
    }
  }

 private:
  Form& form_;
  Control* control_;
};

class FrameLayout {
 public:
  explicit FrameLayout(FormMain& main) : main_(main), scales_(main.state().layoutScales) {}

  void Write(const Row& row) const {
    Form& form = FormOf(row.win);
    const Target target(form, row.name);
    target.Set(row.prop, Value(row, form, target));
  }

 private:
  Form& FormOf(Win w) const { return w == Win::Main ? static_cast<Form&>(main_) : main_.dialog(); }

  double OwnScale(Prop p) const {
    switch (p) {
      case P::Left:
      case P::Width: return scales_.ScaleX;
      case P::Top:
      case P::Height: return scales_.ScaleY;
      case P::FontSize: return scales_.FontScale;
      default: return 1;
    }
  }

  double Value(const Row& row, Form& form, const Target& own) const {
    const double sx = scales_.ScaleX;
    const double sw = main_.ScaleWidth();
    auto ref = [&](Prop p) { return static_cast<double>(Target(form, row.ref).Get(p)); };
    switch (row.rule) {
      case R::Design: return row.k * OwnScale(row.prop);
      case R::Relative: return own.Get(row.prop) * OwnScale(row.prop);
      case R::WorkingTop: return main_.ScaleHeight() * 0.14 * scales_.ScaleY;
      case R::Centred: return (sw - row.k * sx) / 2;
      case R::CentredOwn: return (sw - own.Get(P::Width)) / 2;
      case R::FromWindowMiddle: return sw / 2 + row.k * sx;
      case R::FromRefMiddle: return ref(P::Width) / 2 + row.k * sx;
      case R::CentredOnRef: return (ref(P::Width) - own.Get(P::Width) * sx) / 2;
      case R::SameAs: return ref(row.refProp);
      case R::FractionOfRef: return ref(row.refProp) * row.k;
      case R::RefMiddleOwnWidth: return ref(P::Width) / 2 + row.k * own.Get(P::Width);
    }
    return 0;
  }

  FormMain& main_;
  const LayoutScales& scales_;
};

}  // namespace

void LayoutFrames(FormMain& main) {
  // Several rows scale the current value: a second run would scale again.
  if (!main.FirstRunOf("LayoutFrames")) return;
  // The first reference to the warranty dialog loads it (its load fills the text).
  main.dialog().Load();
  const FrameLayout layout(main);
  for (const Row& row : kRows) layout.Write(row);
}
