#include "testdata/ui/test_data_services.h"

#include "material/fatigue_db_records.h"
#include "material/ui/material_commands.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "testdata/test_data_edit.h"
#include "testdata/ui/test_data_editor_panel.h"

void cmd_fatigue_Db_Test_Click(FormMain& main) {
  ProgramState& st = main.state();
  FatigueDatabase& db = st.fatigueDatabase;
  const int b = st.fatigueDbState.CurrentFatigueBatch;
  const int s = st.fatigueDbState.MarkedFatigueSet + 1;
  if (b < 1 || b > kFdbMaxBatches || s < 1 || s > kFdbMaxSets) return;
  FormShow& show = main.formShow();
  show.Load();  // the editor's controls are set before it is shown
  TestDataSet& set = st.testDataSet;
  if (db.FdbTestDataName[b][s] == kNoFatigueData) {
    ConfirmAbandonFatigueDbSet(main, s);
    if (st.fatigueDbEditState.NewSetAnswer == kAnswerNo) return;
    StartNewTestDataSet(set);
    ClearDatabaseSetForTestData(db, b, s);
    show.pop_aNK(0).SetChecked(true);
    set.TestDataFromDb = false;
    set.TestRefLife = 2000000;
    show.testData().OpenTestDataEditor();
  } else if (st.fatigueDbState.DbEditStarted) {
    set.TestRefLife = static_cast<float>(db.FdbNo[b][s]);
    set.TestDataFromDb = true;
    show.testData().OpenTestDataEditor();
    show.pop_aNK(0).SetChecked(true);
  }
  show.pic_master.SetVisible(false);
  show.pic_diag.SetVisible(true);
  show.testData().frm_diag2.SetVisible(true);
}

void DrawTestDataDiagram(FormMain& main, Surface& target) { main.formShow().testData().DrawTestDataDiagram(target); }
