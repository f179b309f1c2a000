#include "engine/ui/input_step_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/settings_frame_panel.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

class InputStepTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  MainMenus& menus = main.menus();
  DataServicePanel& ds = main.dataService();
  ResultFramesPanel& results = main.results();
  SnFramePanel& sn = main.snInputs();
  LoadingFramesPanel& loading = main.loadingFrames();

  void ShowMasterCurveScreen() {
    results.frm_master.SetVisible(true);
    results.frm_master1.SetVisible(true);
    menus.mnu_Run.SetEnabled(true);
    menus.mnu_calculations.SetEnabled(true);
    menus.mnu_calculations.SetCaption("Check/Change &Input Data (Master)...");
    menus.mnu_calculate.SetEnabled(false);
    menus.mnu_form.SetEnabled(true);
    menus.mnu_report.SetEnabled(true);
  }
};

TEST_F(InputStepTest, ABusyMainWindowOnlyBeeps) {
  state.shellState.UiState = 0;
  menus.mnu_Run.SetEnabled(true);
  menus.mnu_calculations.SetEnabled(true);
  const std::string caption = main.Caption();
  for (MenuItem* item : {&menus.mnu_calculations, &menus.mnu_loading, &menus.mnu_fatigue}) item->click();
  EXPECT_EQ(host.beeps, 3);
  EXPECT_EQ(main.Caption(), caption);
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_FALSE(sn.frm_SN.Visible());
  EXPECT_EQ(state.fatigueDbState.DataServiceMode, 1);

  state.shellState.BeepEnabled = 0;
  menus.mnu_fatigue.click();
  EXPECT_EQ(host.beeps, 3);
  EXPECT_FALSE(ds.frm_data_serv.Visible());
}

TEST_F(InputStepTest, LeavingTheMasterCurveScreenHidesOnlyThatScreenThenASecondUseRebuildsTheInputs) {
  ShowMasterCurveScreen();
  menus.mnu_calculations.click();
  EXPECT_EQ(main.Caption(), "DUVAK  -  Fatigue Life Analysis Program");
  EXPECT_FALSE(results.frm_master.Visible());
  EXPECT_FALSE(results.frm_master1.Visible());
  EXPECT_FALSE(menus.mnu_calculations.Enabled());
  EXPECT_EQ(menus.mnu_calculations.Caption(), "Check/Change &Input Data...");
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_FALSE(sn.frm_SN.Visible()) << "the input frames are left as they were";
  EXPECT_FALSE(loading.frm_Spectr.Visible());

  mnu_calculations_Click(main);
  EXPECT_TRUE(sn.frm_SN.Visible());
  EXPECT_TRUE(main.dataBox().frm_DBox.Visible());
  EXPECT_TRUE(loading.frm_Spectr.Visible());
  EXPECT_FALSE(menus.mnu_calculations.Enabled());
}

TEST_F(InputStepTest, RebuildingTheInputViewHidesTheResultsAndPlacesTheDamageFrame) {
  DataBoxPanel& box = main.dataBox();
  box.Result.SetVisible(true);
  box.ScattFact.SetVisible(true);
  results.Pic_Dam.SetVisible(true);
  for (int i = 0; i <= 2; ++i) {
    box.DBmset(i).SetEnabled(true);
    box.DDBmse(i).SetVisible(true);
  }
  ds.frm_data_serv.SetVisible(true);
  main.problemDefinition().frm_analysis.SetVisible(true);
  menus.mnu_form.SetEnabled(true);
  menus.mnu_report.SetEnabled(true);
  state.results.CalcAborted = 1;

  mnu_calculations_Click(main);

  EXPECT_FALSE(box.Result.Visible());
  EXPECT_FALSE(box.ScattFact.Visible());
  EXPECT_FALSE(results.Pic_Dam.Visible());
  for (int i = 0; i <= 1; ++i) {
    EXPECT_FALSE(box.DBmset(i).Enabled()) << i;
    EXPECT_FALSE(box.DDBmse(i).Visible()) << i;
  }
  // The refreshed summary shows the notch factor of the mean-stress effect
  // again (mean stress accounted, feature specimen), ready to be typed.
  EXPECT_TRUE(box.DDBmse(2).Visible());
  EXPECT_TRUE(box.DBmset(2).Visible());
  EXPECT_TRUE(box.DBmset(2).Enabled());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_FALSE(main.problemDefinition().frm_analysis.Visible());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_EQ(state.results.CalcAborted, 0);
  EXPECT_TRUE(box.pic_DBox.Visible());

  Frame& dam = results.frm_Dam;
  EXPECT_TRUE(dam.Visible());
  EXPECT_FLOAT_EQ(dam.Left(), 0);
  EXPECT_FLOAT_EQ(dam.Top(), main.ScaleHeight() / 2);
  EXPECT_FLOAT_EQ(dam.Height(), main.ScaleHeight() / 2);
  EXPECT_FLOAT_EQ(dam.Width(), main.ScaleWidth() / 2);

  ASSERT_FALSE(host.pointerHistory.empty());
  EXPECT_EQ(host.pointerHistory.front(), kPointerHourglass);
  EXPECT_EQ(host.mousePointer, kPointerDefault);
}

// The ranges of a master curve are kept from running backwards; a single case
// has one endurance limit, and keeps the stress range typed into its one box.
TEST_F(InputStepTest, RangesAndFocusOfEachAnalysisAndLoading) {
  struct Case {
    const char* what;
    int16_t mode, parameter, loadingType;
    float seFrom, seTo, rangeFrom, rangeTo;
    float wantSeTo, wantRangeTo;
    const char* frame;  // the loading frame shown
    const char* focus;  // "" when the focus stays
  };
  const Case cases[] = {
      {"single case, constant amplitude", 1, 0, 3, 200, 300, 100, 150, 200, 150, "frm_Spectr", ""},
      {"single case, spectrum", 1, 0, 2, 200, 150, 100, 80, 200, 80, "frm_Spectr", ""},
      {"single case, distribution", 1, 0, 4, 200, 200, 100, 150, 200, 150, "frm_Distr", ""},
      {"single case, history", 1, 0, 1, 200, 200, 100, 150, 200, 150, "frm_Hist", ""},
      {"endurance-limit master, upper below lower", 2, 2, 3, 200, 150, 100, 150, 200, 150, "frm_Spectr", "SNset"},
      {"endurance-limit master, proper range", 2, 2, 3, 150, 200, 100, 100, 200, 100, "frm_Spectr", ""},
      {"load-level master, distribution backwards", 2, 1, 4, 200, 300, 100, 60, 200, 100, "frm_Distr", "DTSmaxt"},
      {"load-level master, distribution range", 2, 1, 4, 200, 300, 100, 160, 200, 160, "frm_Distr", ""},
      {"load-level master, spectrum backwards", 2, 1, 2, 200, 300, 100, 60, 200, 100, "frm_Spectr", "SSmaxt"},
      {"load-level master, constant amplitude range", 2, 1, 3, 200, 300, 100, 160, 200, 160, "frm_Spectr", ""},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost h;
    FormMain m(s, h);
    s.analysisOptions.AnalysisMode = c.mode;
    s.analysisOptions.MasterCurveParameter = c.parameter;
    s.analysisOptions.LoadingType = c.loadingType;
    s.materialData.SeFrom = c.seFrom;
    s.materialData.SeTo = c.seTo;
    s.loadingData.StressRangeFrom = c.rangeFrom;
    s.loadingData.StressRangeTo = c.rangeTo;
    // The stress boxes show once the loading diagrams have placed them.
    m.loadingFrames().DTSmaxt(0).SetVisible(true);
    m.loadingFrames().SSmaxt(0).SetVisible(true);

    mnu_calculations_Click(m);

    EXPECT_EQ(s.materialData.SeTo, c.wantSeTo) << c.what;
    EXPECT_EQ(s.loadingData.StressRangeTo, c.wantRangeTo) << c.what;
    EXPECT_TRUE(m.frame(c.frame).Visible()) << c.what;
    EXPECT_EQ(m.results().frm_Dam.Visible(), c.loadingType != 4) << c.what;
    const Control* focus = m.ActiveControl();
    if (*c.focus) {
      ASSERT_NE(focus, nullptr) << c.what;
      EXPECT_EQ(focus->Name(), c.focus) << c.what;
      EXPECT_EQ(focus->Index(), 0) << c.what;
    } else {
      EXPECT_EQ(focus, nullptr) << c.what << ": " << focus->Name();
    }
  }
}

TEST_F(InputStepTest, LoadingDataWithAnEmptyDatabaseOffersOnlyReading) {
  state.analysisOptions.LoadingType = 2;
  main.settings().frm_settings.SetVisible(true);
  main.problemDefinition().frm_analysis.SetVisible(true);
  main.loadingDb().frm_Load_Dbase.SetVisible(true);
  main.fatigueDb().frm_Fatigue_Dbase.SetVisible(true);
  menus.mnu_Run.SetEnabled(true);
  ds.chk_new_Dbase.SetValue(1);
  ShowMasterCurveScreen();

  menus.mnu_loading.click();

  EXPECT_EQ(state.fatigueDbState.DataServiceMode, 1);
  EXPECT_EQ(ds.chk_new_Dbase.Value(), 0);
  EXPECT_FALSE(ds.chk_new_Dbase.Enabled());
  EXPECT_FALSE(ds.chk_Edit_Dbase.Enabled());
  EXPECT_FALSE(ds.chk_Save_Dbase.Enabled());
  EXPECT_FALSE(ds.chk_Input_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  EXPECT_FALSE(menus.mnu_Run.Enabled());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_FALSE(results.frm_master.Visible());
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_FALSE(ds.cmd_data_next.Enabled()) << "the loading data are not ready";
  EXPECT_EQ(ds.cmd_data_next.Caption(), "&Run");
  EXPECT_EQ(ds.cmd_data_next.ToolTipText(), "Input the loading data");
  EXPECT_EQ(ds.frm_data_serv.Caption(), "Loading Data");
  EXPECT_TRUE(ds.frm_data_serv.Visible());
  EXPECT_FALSE(main.settings().frm_settings.Visible());
  EXPECT_FALSE(main.problemDefinition().frm_analysis.Visible());
  EXPECT_FALSE(main.loadingDb().frm_Load_Dbase.Visible());
  EXPECT_FALSE(main.fatigueDb().frm_Fatigue_Dbase.Visible());
  EXPECT_TRUE(ds.cmd_data_cancel.Default());
}

TEST_F(InputStepTest, LoadingDataWithBatchesSelectsBrowsingInTheDatabaseFolder) {
  char tmpl[] = "/tmp/input_step_test_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  state.fatigueDbState.DataDirectory[1] = state.loadingDbState.LoadingDbOwnFolder = tmpl;  // read there
  state.loadingDbState.LoadingBatchCount = 3;
  menus.mnu_loading.click();
  EXPECT_TRUE(ds.chk_Input_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  EXPECT_EQ(ds.Dir1.Path(), tmpl);
  std::filesystem::remove_all(tmpl);
}

TEST_F(InputStepTest, LoadingDataStepButtonTexts) {
  struct Case {
    const char* what;
    bool ready;
    int16_t loadingType;
    bool inputViewUp;
    const char* caption;
    const char* tip;
  };
  const Case cases[] = {
      {"history not ready", false, 1, true, "&Run", "Input the loading data"},
      {"constant amplitude, inputs not seen yet", false, 3, false, "&Next", "Check the input parameters"},
      {"distribution, input view up", false, 4, true, "&Run", "Calculate fatigue life"},
      {"spectrum ready, inputs not seen yet", true, 2, false, "&Next", "Check the input parameters"},
      {"spectrum ready, input view up", true, 2, true, "&Run", "Calculate fatigue life"},
  };
  for (const Case& c : cases) {
    state.wizardFlags.LoadingDataReady = c.ready;
    state.analysisOptions.LoadingType = c.loadingType;
    sn.frm_SN.SetVisible(c.inputViewUp);
    ds.cmd_data_next.SetEnabled(true);
    mnu_loading_Click(main);
    EXPECT_EQ(ds.cmd_data_next.Caption(), c.caption) << c.what;
    EXPECT_EQ(ds.cmd_data_next.ToolTipText(), c.tip) << c.what;
    EXPECT_EQ(ds.cmd_data_next.Enabled(), c.ready) << c.what;
  }
}

TEST_F(InputStepTest, MaterialDataWithAnEmptyDatabaseOffersReadingAndEditingANewOne) {
  ShowMasterCurveScreen();
  ds.cmd_data_next.SetEnabled(false);
  ds.cmd_data_next.SetCaption("&Next");
  ds.cmd_data_next.SetToolTipText("Check the input parameters");
  menus.mnu_Run.SetEnabled(true);

  menus.mnu_fatigue.click();

  EXPECT_EQ(state.fatigueDbState.DataServiceMode, 2);
  EXPECT_FALSE(results.frm_master.Visible());
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_FALSE(ds.chk_Input_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Edit_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Read_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  EXPECT_EQ(ds.chk_new_Dbase.Value(), 1);
  EXPECT_FALSE(ds.chk_new_Dbase.Enabled());
  EXPECT_TRUE(ds.cmd_data_next.Enabled());
  EXPECT_EQ(ds.cmd_data_next.Caption(), "&Next") << "left as it was: the input view is not up";
  EXPECT_EQ(ds.cmd_data_next.ToolTipText(), "Check the input parameters");
  EXPECT_TRUE(ds.cmd_data_cancel.Default());
  EXPECT_FALSE(menus.mnu_Run.Enabled());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_EQ(ds.frm_data_serv.Caption(), "Material Data");
  EXPECT_TRUE(ds.frm_data_serv.Visible());

  FatigueDbPanel& fdb = main.fatigueDb();
  const Label& tag = fdb.dN_distr(3);
  EXPECT_FALSE(tag.Visible());
  EXPECT_FLOAT_EQ(tag.Top(), fdb.Label28(0).Top());
  EXPECT_FLOAT_EQ(tag.Left() + tag.Width(), fdb.Label28(0).Left() - 80 * state.layoutScales.FontScale);
}

TEST_F(InputStepTest, MaterialDataWithBatchesSelectsBrowsingAndAllowsSaving) {
  state.fatigueDbState.FatigueBatchCount = 2;
  state.fatigueDbState.DataDirectory[2] = state.fatigueDbState.FatigueDbOwnFolder = ds.Dir1.Path();  // read there
  state.analysisOptions.LoadingType = 3;
  sn.frm_SN.SetVisible(true);
  menus.mnu_fatigue.click();
  EXPECT_TRUE(ds.chk_new_Dbase.Enabled());
  EXPECT_EQ(ds.chk_new_Dbase.Value(), 0);
  EXPECT_TRUE(ds.chk_Input_Dbase.Enabled());
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  EXPECT_TRUE(ds.chk_Save_Dbase.Enabled());
  EXPECT_EQ(ds.cmd_data_next.Caption(), "&Run");
  EXPECT_EQ(ds.cmd_data_next.ToolTipText(), "Calculate fatigue life");
}

}  // namespace
