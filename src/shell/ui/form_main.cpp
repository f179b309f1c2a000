#include "shell/ui/form_main.h"

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_wiring.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "platform/draw/hidden_picture.h"
#include "platform/draw/printer_surface.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/form_show.h"
#include "shell/ui/job_texts_panel.h"
#include "shell/ui/main_window_tables.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/start_up.h"
#include "shell/ui/step_buttons.h"
#include "shell/ui/warranty_dialog.h"

namespace {
// Design size of the main window (twips).
constexpr float kDesignWidth = 12000;
constexpr float kDesignHeight = 9000;
}  // namespace

FormMain::FormMain(ProgramState& state, Host& host) : Form(host, "form_main"), state_(state) {
  SetCaption(" Fatigue Life Analysis Software");
  SetFont("MS Sans Serif", 8.25f);
  Move(0, 0, kDesignWidth, kDesignHeight);
  BuildMenus(MainMenuDefs());
  for (std::span<const ControlDef> table : MainWindowTables()) Build(table);

  menus_ = std::make_unique<MainMenus>(*this);
  problemDefinition_ = std::make_unique<ProblemDefinitionPanel>(*this);
  settings_ = std::make_unique<SettingsFramePanel>(*this);
  about_ = std::make_unique<AboutFramePanel>(*this);
  snInputs_ = std::make_unique<SnFramePanel>(*this);
  dataService_ = std::make_unique<DataServicePanel>(*this);
  fatigueDb_ = std::make_unique<FatigueDbPanel>(*this);
  loadingFrames_ = std::make_unique<LoadingFramesPanel>(*this);
  loadingDb_ = std::make_unique<LoadingDbPanel>(*this);
  dataBox_ = std::make_unique<DataBoxPanel>(*this);
  results_ = std::make_unique<ResultFramesPanel>(*this);
  mcsOptions_ = std::make_unique<McsOptionsPanel>(*this);
  jobTexts_ = std::make_unique<JobTextsPanel>(*this);
  formShow_ = std::make_unique<FormShow>(state, host, *this);
  dialog_ = std::make_unique<WarrantyDialog>(host, *this);
  printer2_ = std::make_unique<HiddenPicture>();
  printer_ = std::make_unique<PrinterSurface>();
  WireMainMenus(*this);
  WireEngineCommands(*this);
  WireStepButtons(*this);
  ConnectPrinterToPdfDialog(*this);

  onLoad = [this] { form_main::Form_Load(*this); };
  onResize = [this] { form_main::Form_Resize(*this); };
  onUnload = [this](int& cancel) { form_main::Form_Unload(*this, cancel); };
}

FormMain::~FormMain() = default;
