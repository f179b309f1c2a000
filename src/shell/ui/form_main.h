#pragma once

#include <functional>
#include <memory>

#include "platform/ui/form.h"
#include "shell/ui/main_menus.h"

struct ProgramState;
class ProblemDefinitionPanel;
class SettingsFramePanel;
class AboutFramePanel;
class SnFramePanel;
class DataServicePanel;
class FatigueDbPanel;
class LoadingFramesPanel;
class LoadingDbPanel;
class DataBoxPanel;
class ResultFramesPanel;
class McsOptionsPanel;
class FormShow;
class JobTextsPanel;
class HiddenPicture;
class PrinterSurface;
class WarrantyDialog;

// The main window. It builds its menus and controls from the definition
// tables, then makes one panel per frame; the panels hold typed references to
// their controls and the handlers. FormMain itself holds no handler logic: a
// handler reaches another frame's controls through its panel
// (`main.snInputs().SNmt`) and the menus through `main.menus()`.
class FormMain : public Form {
 public:
  FormMain(ProgramState& state, Host& host);
  ~FormMain() override;

  ProgramState& state() const { return state_; }

  // Runs when the main window has been unloaded (the program ends there);
  // the application sets it to leave its event loop.
  std::function<void()> onProgramEnd;

  MainMenus& menus() const { return *menus_; }

  ProblemDefinitionPanel& problemDefinition() const { return *problemDefinition_; }  // frm_analysis
  SettingsFramePanel& settings() const { return *settings_; }                   // frm_settings
  AboutFramePanel& about() const { return *about_; }                            // frm_about, title
  SnFramePanel& snInputs() const { return *snInputs_; }                         // frm_SN
  DataServicePanel& dataService() const { return *dataService_; }               // frm_data_serv
  FatigueDbPanel& fatigueDb() const { return *fatigueDb_; }                     // frm_Fatigue_Dbase
  LoadingFramesPanel& loadingFrames() const { return *loadingFrames_; }         // frm_Hist, frm_Spectr, frm_Distr
  LoadingDbPanel& loadingDb() const { return *loadingDb_; }                     // frm_Load_Dbase
  DataBoxPanel& dataBox() const { return *dataBox_; }                           // frm_DBox
  ResultFramesPanel& results() const { return *results_; }                      // frm_Dam, frm_Rel, frm_master, ...
  McsOptionsPanel& mcsOptions() const { return *mcsOptions_; }                  // Frm_MCS_opt
  JobTextsPanel& jobTexts() const { return *jobTexts_; }                        // Subj, Load, Material in pic_DBox

  // The second window and the warranty dialog, owned by the main window.
  FormShow& formShow() const { return *formShow_; }
  WarrantyDialog& dialog() const { return *dialog_; }
  // The hidden print picture on which the print commands compose bitmaps.
  HiddenPicture& Printer2() const { return *printer2_; }
  // The printer, shared by both windows' print commands.
  PrinterSurface& Printer() const { return *printer_; }
  // The main window's common dialog: the report and bitmap save dialogs and
  // the copy count of its print setup.
  CommonDialog PrintDlg;

 private:
  ProgramState& state_;
  std::unique_ptr<MainMenus> menus_;
  std::unique_ptr<ProblemDefinitionPanel> problemDefinition_;
  std::unique_ptr<SettingsFramePanel> settings_;
  std::unique_ptr<AboutFramePanel> about_;
  std::unique_ptr<SnFramePanel> snInputs_;
  std::unique_ptr<DataServicePanel> dataService_;
  std::unique_ptr<FatigueDbPanel> fatigueDb_;
  std::unique_ptr<LoadingFramesPanel> loadingFrames_;
  std::unique_ptr<LoadingDbPanel> loadingDb_;
  std::unique_ptr<DataBoxPanel> dataBox_;
  std::unique_ptr<ResultFramesPanel> results_;
  std::unique_ptr<McsOptionsPanel> mcsOptions_;
  std::unique_ptr<JobTextsPanel> jobTexts_;
  std::unique_ptr<FormShow> formShow_;
  std::unique_ptr<WarrantyDialog> dialog_;
  std::unique_ptr<HiddenPicture> printer2_;
  std::unique_ptr<PrinterSurface> printer_;
};
