#include "shell/ui/main_menus.h"

#include "platform/ui/form.h"

namespace {

// name, index, parent, parent index, caption, checked, enabled, visible
constexpr MenuDef kMainMenus[] = {
    {"mnu_file", -1, "", -1, "&File"},  // chosen
    {"mnu_start", 0, "mnu_file", -1, "&Open..."},
    {"mnu_start", 1, "mnu_file", -1, "&Save..."},
    {"mnu_start", 2, "mnu_file", -1, "E&xit"},

    {"mnu_sett", -1, "", -1, "&Settings"},
    {"mnu_units", -1, "mnu_sett", -1, "&Units"},  // chosen
    {"mnu_SI", -1, "mnu_units", -1, "S&I", true},  // SI at start
    {"mnu_US", -1, "mnu_units", -1, "U&S"},
    {"mnu_settings", -1, "mnu_sett", -1, "&Colors..."},
    {"sepbar2", -1, "mnu_sett", -1, "-"},
    {"mnu_tip", -1, "mnu_sett", -1, "&Tip Text"},  // chosen
    {"mnu_tool", 0, "mnu_tip", -1, "&Show"},
    {"mnu_tool", 1, "mnu_tip", -1, "&Hide"},
    {"mnu_Settings_save", -1, "mnu_sett", -1, "&Save Settings"},

    {"mnu_analysis", -1, "", -1, "&Analysis"},
    {"mnu_target", -1, "mnu_analysis", -1, "Define &Problem..."},
    {"mnu_loading", -1, "mnu_analysis", -1, "&Loading Data..."},
    {"mnu_fatigue", -1, "mnu_analysis", -1, "&Material Data..."},

    {"mnu_Run", -1, "", -1, "&Run", false, false},
    {"mnu_calculations", -1, "mnu_Run", -1, "Check/Change &Input Data...", false, false},
    {"mnu_calculate", -1, "mnu_Run", -1, "&Calculate", false, false},

    {"mnu_results", -1, "", -1, "Resul&ts"},  // chosen
    {"mnu_propt", -1, "mnu_results", -1, "Print Set&up..."},
    {"sepbar1", -1, "mnu_results", -1, "-"},
    {"mnu_form", -1, "mnu_results", -1, "Print &Screen", false, false},
    {"mnu_pform", -1, "mnu_form", -1, "to &Printer"},
    {"mnu_tobmp", -1, "mnu_form", -1, "to &File..."},
    {"mnu_report", -1, "mnu_results", -1, "Print Su&mmary", false, false},
    {"mnu_pdoc", -1, "mnu_report", -1, "to  &Printer"},
    {"mnu_pfile", -1, "mnu_report", -1, "to  &File..."},
    {"mnu_MCSres_L", -1, "mnu_results", -1, "Show &Last", false, true, false},
    {"mnu_MCSres_O", -1, "mnu_results", -1, "&Open File...", false, true, false},

    {"mnu_screen", -1, "", -1, "Scree&n"},  // chosen
    {"mnu_CopyScreen", -1, "mnu_screen", -1, "&Copy Screen to Printer"},

    {"mnu_help", -1, "", -1, "&Help"},  // chosen
    {"mnu_hlp_ind", -1, "mnu_help", -1, "&Contents"},
    {"sepbar4", -1, "mnu_help", -1, "-"},
    {"mnu_about", -1, "mnu_help", -1, "About DUVAK..."},

    // Popup menus: invisible top-level menus shown at the pointer. The
    // handlers set the items' captions, check marks and visibility first.
    {"pop_disp", -1, "", -1, "DispDamage", false, true, false},
    {"pop_disp1", 0, "pop_disp", -1, "Display Damage"},
    {"pop_disp1", 1, "pop_disp", -1, "Dislpay Cumulative Damage"},
    {"pop_disp1", 2, "pop_disp", -1, "&Log-normal Distribution"},
    {"pop_res", -1, "", -1, "Result", false, true, false},  // chosen caption
    {"pop_res1", 0, "pop_res", -1, "Life in &Cycles"},
    {"pop_res1", 1, "pop_res", -1, "Life in &Blocks"},
    {"pop_res1", 2, "pop_res", -1, "Life in &Hours"},
    {"pop_SN", -1, "", -1, "Ext. SN", false, true, false},
    {"pop_SN1", 0, "pop_SN", -1, "Se'/Se"},
    {"pop_SN1", 1, "pop_SN", -1, "No'"},
};

}  // namespace

std::span<const MenuDef> MainMenuDefs() { return kMainMenus; }

MainMenus::MainMenus(Form& f)
    : mnu_file(f.menu("mnu_file")),
      mnu_start(f.menuArray("mnu_start")),
      mnu_sett(f.menu("mnu_sett")),
      mnu_units(f.menu("mnu_units")),
      mnu_SI(f.menu("mnu_SI")),
      mnu_US(f.menu("mnu_US")),
      mnu_settings(f.menu("mnu_settings")),
      sepbar2(f.menu("sepbar2")),
      mnu_tip(f.menu("mnu_tip")),
      mnu_tool(f.menuArray("mnu_tool")),
      mnu_Settings_save(f.menu("mnu_Settings_save")),
      mnu_analysis(f.menu("mnu_analysis")),
      mnu_target(f.menu("mnu_target")),
      mnu_loading(f.menu("mnu_loading")),
      mnu_fatigue(f.menu("mnu_fatigue")),
      mnu_Run(f.menu("mnu_Run")),
      mnu_calculations(f.menu("mnu_calculations")),
      mnu_calculate(f.menu("mnu_calculate")),
      mnu_results(f.menu("mnu_results")),
      mnu_propt(f.menu("mnu_propt")),
      sepbar1(f.menu("sepbar1")),
      mnu_form(f.menu("mnu_form")),
      mnu_pform(f.menu("mnu_pform")),
      mnu_tobmp(f.menu("mnu_tobmp")),
      mnu_report(f.menu("mnu_report")),
      mnu_pdoc(f.menu("mnu_pdoc")),
      mnu_pfile(f.menu("mnu_pfile")),
      mnu_MCSres_L(f.menu("mnu_MCSres_L")),
      mnu_MCSres_O(f.menu("mnu_MCSres_O")),
      mnu_screen(f.menu("mnu_screen")),
      mnu_CopyScreen(f.menu("mnu_CopyScreen")),
      mnu_help(f.menu("mnu_help")),
      mnu_hlp_ind(f.menu("mnu_hlp_ind")),
      sepbar4(f.menu("sepbar4")),
      mnu_about(f.menu("mnu_about")),
      pop_disp(f.menu("pop_disp")),
      pop_disp1(f.menuArray("pop_disp1")),
      pop_res(f.menu("pop_res")),
      pop_res1(f.menuArray("pop_res1")),
      pop_SN(f.menu("pop_SN")),
      pop_SN1(f.menuArray("pop_SN1")) {}
