#pragma once

#include <span>

#include "platform/ui/control_array.h"
#include "platform/ui/form_definition.h"
#include "platform/ui/menu_item.h"

class Form;
class FormMain;

// The main window's menu table: the menu bar and the invisible popup menus.
std::span<const MenuDef> MainMenuDefs();

// Connects each menu item to the handler it runs (main_menu_handlers.cpp).
void WireMainMenus(FormMain& main);

// Typed references to the main window's menu items, named as the handlers
// use them. Items made of a control array are reached through the array
// (`mnu_start(1)`, `mnu_tool(0)`).
struct MainMenus {
  explicit MainMenus(Form& form);

  // File
  MenuItem& mnu_file;  // "&File"
  ControlArray<MenuItem>& mnu_start;  // 0 "&Open...", 1 "&Save...", 2 "E&xit"
  // Settings
  MenuItem& mnu_sett;
  MenuItem& mnu_units;
  MenuItem& mnu_SI;
  MenuItem& mnu_US;
  MenuItem& mnu_settings;  // "&Colors..."
  MenuItem& sepbar2;
  MenuItem& mnu_tip;
  ControlArray<MenuItem>& mnu_tool;  // 0 "&Show", 1 "&Hide"
  MenuItem& mnu_Settings_save;
  // Analysis
  MenuItem& mnu_analysis;
  MenuItem& mnu_target;
  MenuItem& mnu_loading;
  MenuItem& mnu_fatigue;
  // Run
  MenuItem& mnu_Run;
  MenuItem& mnu_calculations;
  MenuItem& mnu_calculate;
  // Results
  MenuItem& mnu_results;
  MenuItem& mnu_propt;
  MenuItem& sepbar1;
  MenuItem& mnu_form;
  MenuItem& mnu_pform;
  MenuItem& mnu_tobmp;
  MenuItem& mnu_report;
  MenuItem& mnu_pdoc;
  MenuItem& mnu_pfile;
  MenuItem& mnu_MCSres_L;
  MenuItem& mnu_MCSres_O;
  // Screen
  MenuItem& mnu_screen;
  MenuItem& mnu_CopyScreen;
  // Help
  MenuItem& mnu_help;
  MenuItem& mnu_hlp_ind;
  MenuItem& sepbar4;
  MenuItem& mnu_about;
  // Popup menus (not on the bar)
  MenuItem& pop_disp;
  ControlArray<MenuItem>& pop_disp1;  // 0..2
  MenuItem& pop_res;
  ControlArray<MenuItem>& pop_res1;  // 0..2
  MenuItem& pop_SN;
  ControlArray<MenuItem>& pop_SN1;  // 0 "Se'/Se", 1 "No'"
};
