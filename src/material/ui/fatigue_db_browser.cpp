// The browser's commands: navigation, marking and picking a set, the check of
// the batch's sets, deletion, and OK taking a set into the material data.
#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/damage.h"
#include "material/sn_extension.h"
#include "material/sn_input_rules.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"
#include "testdata/ui/test_data_services.h"

namespace {
constexpr int kAnswerStay = kAnswerNo;  // 7: the caller stays where it is
}  // namespace

void FatigueDbPanel::cmd_fatigue_Db_Next_Click() {
  auto& st = state().fatigueDbState;
  if (BrowseMode()) {
    st.CurrentFatigueBatch = st.CurrentFatigueBatch >= st.FatigueBatchCount ? 1 : st.CurrentFatigueBatch + 1;
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    cmd_Fatigue_Db_Cancel.SetFocus();
    return;
  }
  ConfirmAbandonFatigueDbSet(kFdbMaxSets);
  if (state().fatigueDbEditState.NewSetAnswer == kAnswerStay) return;
  // Moving on to an existing batch is always possible; a new one only while
  // the database has room for it.
  const bool room = st.CurrentFatigueBatch < st.FatigueBatchCount || st.FatigueBatchCount < kFdbMaxBatches;
  if (st.ShownBatchSetCount >= 1 && room) {
    ++st.CurrentFatigueBatch;
    if (st.CurrentFatigueBatch > st.FatigueBatchCount) {
      st.FatigueBatchCount = st.CurrentFatigueBatch;
      DisableControl(cmd_Fatigue_Db_Del);
      MarkModified();
    }
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    st.MarkedFatigueSet = -1;
  } else {
    Beep();
  }
  cmd_Fatigue_Db_Cancel.SetFocus();
}

void FatigueDbPanel::cmd_Fatigue_Db_Prev_Click() {
  auto& st = state().fatigueDbState;
  if (BrowseMode()) {
    st.CurrentFatigueBatch = st.CurrentFatigueBatch <= 1 ? st.FatigueBatchCount : st.CurrentFatigueBatch - 1;
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    cmd_Fatigue_Db_Cancel.SetFocus();
    return;
  }
  ConfirmAbandonFatigueDbSet(kFdbMaxSets);
  if (state().fatigueDbEditState.NewSetAnswer == kAnswerStay) return;
  if (st.CurrentFatigueBatch >= 2) {
    const int b = Batch();
    if (state().fatigueDatabase.FdbSetCount[b] == 0 && b == st.FatigueBatchCount) {
      --st.FatigueBatchCount;
      MarkModified();
    }
    --st.CurrentFatigueBatch;
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    st.MarkedFatigueSet = -1;
    EnableControl(cmd_Fatigue_Db_Del);
  } else {
    Beep();
  }
  cmd_Fatigue_Db_Cancel.SetFocus();
}

void FatigueDbPanel::cmd_Fatigue_Db_Del_Click() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  s.fatigueDbEditState.CellPairCheck = 0;
  const int b = Batch();
  if (st.MarkedFatigueSet == -1) {
    if (AlertBox(s.shellState, main.host(), "Delete the Current Data Batch?", MsgButtons::YesNo, MsgIcon::Question,
                 2, "Material Database") == kAnswerYes)
      DeleteFatigueDbBatch(b);
  } else {
    if (AlertBox(s.shellState, main.host(), "Delete the Marked Data Set?", MsgButtons::YesNo, MsgIcon::Question, 2,
                 "Material Database") != kAnswerYes) {
      s.fatigueDbEditState.CellPairCheck = 1;
      return;
    }
    DeleteFatigueDbSet(st.MarkedFatigueSet + 1);
    st.MarkedFatigueSet = -1;
    if (s.fatigueDatabase.FdbSetCount[b] == 0) {
      if (b > st.FatigueBatchCount && st.FatigueBatchCount >= 1) {
        DeleteFatigueDbBatch(b);
      } else {
        DisableControl(cmd_Fatigue_Db_Del);
        st.MarkedFatigueSet = 0;
      }
    }
  }
  ConfirmAbandonFatigueDbSet(kFdbMaxSets);
  const int shown = Batch();
  if (s.fatigueDatabase.FdbSetCount[shown] > 0 && st.FatigueBatchCount < shown)
    st.FatigueBatchCount = static_cast<int16_t>(shown);
  if (st.FatigueBatchCount < 1) st.FatigueBatchCount = 1;
  ShowFatigueDbBatch(st.CurrentFatigueBatch);
}

void FatigueDbPanel::DeleteFatigueDbSet(int set) {
  cmd_Fatigue_Db_Cancel.SetCaption("E&xit");
  RemoveFatigueDbSet(state().fatigueDatabase, Batch(), set);
  MarkModified();
}

void FatigueDbPanel::DeleteFatigueDbBatch(int batch) {
  cmd_Fatigue_Db_Cancel.SetCaption("E&xit");
  RemoveFatigueDbBatch(state().fatigueDatabase, state().fatigueDbState.FatigueBatchCount, batch);
  MarkModified();
}

void FatigueDbPanel::ConfirmAbandonFatigueDbSet(int) {
  ProgramState& s = state();
  auto& ed = s.fatigueDbEditState;
  auto& st = s.fatigueDbState;
  auto& db = s.fatigueDatabase;
  if (ed.NewSetAnswer < 0) {
    ed.NewSetAnswer = kAnswerStay;
    return;
  }
  ed.NewSetAnswer = 6;
  ed.CellPairCheck = 0;
  st.ShownBatchSetCount = 0;
  const int b = Batch();
  int incomplete = 0;
  for (int set = 1; set <= kFdbMaxSets; ++set) {
    const int missing = MissingFatigueDbValues(db, b, set);
    if (missing > 0) {
      ed.NewSetAnswer = static_cast<int16_t>(ed.NewSetAnswer - missing);
      incomplete = set;
      break;
    }
    if (db.FdbSetName[b][set].empty()) {
      db.FdbSetName[b][set] = "Set " + NumberText(static_cast<int32_t>(set));
      MarkModified();
    }
    st.ShownBatchSetCount = static_cast<int16_t>(set);
  }
  const int counted = static_cast<int>(db.FdbSetCount[b]);
  if (incomplete > 0) {
    if (incomplete <= counted) {
      ed.NewSetAnswer = kAnswerStay;
      return;
    }
    if (ed.NewSetAnswer != 0) {
      ed.NewSetAnswer = static_cast<int16_t>(AlertBox(s.shellState, main.host(),
                                                      "Wuold you like to abandon the new data set?",
                                                      MsgButtons::YesNo, MsgIcon::Question, 2, "Fatifue Data"));
      if (ed.NewSetAnswer == kAnswerStay) {
        Text2(incomplete - 1).SetFocus();
        return;
      }
    }
    db.FdbSetName[b][incomplete] = "";
    db.FdbSe[b][incomplete] = db.FdbM[b][incomplete] = db.FdbSu[b][incomplete] = 0;
    db.FdbPn[b][incomplete] = db.FdbSy[b][incomplete] = 0;
    db.FdbNo[b][incomplete] = 0;
    refer_pic(incomplete - 1).SetVisible(false);
  }
  if (st.ShownBatchSetCount > counted) {
    cmd_Fatigue_Db_Cancel.SetCaption("E&xit");
    MarkModified();
  }
  ed.NewSetAnswer = 0;
  db.FdbSetCount[b] = st.ShownBatchSetCount;
  if (st.FatigueBatchCount == 1 && db.FdbSetCount[1] == 0) {
    cmd_Fatigue_Db_Cancel.SetCaption("&Cancel");
    st.FatigueBatchCount = 0;
    DataServicePanel& ds = main.dataService();
    DisableControl(ds.chk_Save_Dbase);
    DisableControl(ds.chk_Input_Dbase);
    DisableControl(ds.chk_new_Dbase);
    return;
  }
  if (st.CurrentFatigueBatch > st.FatigueBatchCount && st.FatigueBatchCount >= 2) {
    --st.CurrentFatigueBatch;
    Label20(3).SetCaption(NumberText(static_cast<int32_t>(st.CurrentFatigueBatch)));
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
  }
}

void FatigueDbPanel::SelectFatigueDbSet(int column) {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  const auto& db = s.fatigueDatabase;
  if (column < 0 || column >= kFdbMaxSets) return;
  dN_distr(3).SetVisible(true);
  int b = Batch();
  if (BrowseMode()) {
    cmd_Fatigue_Db_Cancel.SetFocus();
    if (column < db.FdbSetCount[b]) {
      st.CurrentFatigueSet = static_cast<int16_t>(column);
      PaintColumns(b, column, kFdbPickedColour);
      st.CurrentSetBatch = static_cast<int16_t>(b);
    }
    return;
  }
  if (column != st.MarkedFatigueSet && st.MarkedFatigueSet != -1) {
    ConfirmAbandonFatigueDbSet(kFdbMaxSets);
    if (s.fatigueDbEditState.NewSetAnswer == kAnswerStay) {
      s.fatigueDbEditState.NewSetAnswer = 0;
      return;
    }
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    b = Batch();
  }
  if (column > st.ShownBatchSetCount) {
    if (!db.FdbSetName[b][1].empty() && db.FdbSetName[b][column].empty()) DisableControl(cmd_Fatigue_Db_Del);
  } else {
    st.MarkedFatigueSet = static_cast<int16_t>(column);
    cmd_Fatigue_Db_Del.SetEnabled(!db.FdbSetName[b][column + 1].empty() && column + 1 <= st.ShownBatchSetCount);
  }
  const int marked = st.MarkedFatigueSet >= 0 && st.MarkedFatigueSet < kFdbMaxSets ? st.MarkedFatigueSet : -1;
  PaintColumns(b, marked, kFdbMarkedColour);
  if (marked >= 0)
    cmd_fatigue_Db_Test.SetEnabled(db.FdbTestDataName[b][marked + 1] != kNoFatigueData ||
                                   marked == st.ShownBatchSetCount);
}

void FatigueDbPanel::cmd_fatigue_Db_Test_Click() { ::cmd_fatigue_Db_Test_Click(main); }

void FatigueDbPanel::cmd_Fatigue_Db_Cancel_Click() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  if (BrowseMode()) {
    frm_Fatigue_Dbase.SetVisible(false);
    main.dataService().frm_data_serv.SetVisible(true);
    return;
  }
  ConfirmAbandonFatigueDbSet(kFdbMaxSets);
  if (s.fatigueDbEditState.NewSetAnswer == kAnswerStay) {
    if (st.MarkedFatigueSet >= 0 && st.MarkedFatigueSet < kFdbMaxSets) refer_pic(st.MarkedFatigueSet).SetVisible(false);
    return;
  }
  const int b = Batch();
  if (s.fatigueDatabase.FdbSetCount[b] > 0 && st.FatigueBatchCount < b) st.FatigueBatchCount = static_cast<int16_t>(b);
  if (st.FatigueBatchCount >= 1) {
    DataServicePanel& ds = main.dataService();
    EnableControl(ds.chk_Input_Dbase);
    EnableControl(ds.chk_Save_Dbase);
    SelectOption(ds.chk_Save_Dbase);
  }
  frm_Fatigue_Dbase.SetVisible(false);
}

std::string FatigueDbPanel::SetRefusal(int b, int k, std::string& title) const {
  const auto& db = state().fatigueDatabase;
  struct Check {
    std::string reason;
    const char* title;
  };
  const Check checks[] = {
      {EnduranceLimitRefusal(2.0 * db.FdbSe[b][k], false, 0, 0, 0), kTitleEnduranceLimit},
      {EnduranceCyclesRefusal(db.FdbNo[b][k]), kTitleEnduranceCycles},
      {SnExponentRefusal(db.FdbM[b][k]), kTitleSnExponent},
      {SurvivalProbabilityRefusal(db.FdbPn[b][k]), kTitleSurvivalProbability},
      {StressRatioRefusal(db.FdbR[b][k]), kTitleStressRatio},
      {UltimateStrengthRefusal(db.FdbSu[b][k], 0), " Thickness Effect (Su)"},
      {YieldStrengthRefusal(db.FdbSy[b][k], db.FdbSu[b][k]), " Thickness Effect (Sy)"},
  };
  for (const Check& c : checks) {
    if (!c.reason.empty()) {
      title = c.title;
      return c.reason;
    }
  }
  return "";
}

void FatigueDbPanel::cmd_fatigue_Db_OK_Click() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  const auto& db = s.fatigueDatabase;
  if (st.CurrentFatigueBatch != st.CurrentSetBatch) {
    st.CurrentFatigueBatch = st.CurrentSetBatch;
    ShowFatigueDbBatch(st.CurrentFatigueBatch);
    return;
  }
  const int b = st.CurrentSetBatch;
  const int k = st.CurrentFatigueSet + 1;
  if (b < 1 || b > kFdbMaxBatches || k < 1 || k > db.FdbSetCount[b]) {
    Beep();  // no set picked
    return;
  }
  // A set that the S-N inputs would refuse is refused here with their reason.
  std::string title;
  if (const std::string reason = SetRefusal(b, k, title); !reason.empty()) {
    AlertBox(s.shellState, main.host(), DataIncorrectText(reason), MsgButtons::OKOnly, MsgIcon::Critical, 1, title);
    return;
  }
  st.UsedFatigueBatch = st.CurrentSetBatch;
  st.UsedFatigueSet = st.CurrentFatigueSet;
  st.DataDirectory[2] = st.FatigueDbOwnFolder;  // the job names the folder of its set's database
  frm_Fatigue_Dbase.SetVisible(false);
  DataServicePanel& ds = main.dataService();
  ds.frm_data_serv.SetVisible(false);
  ds.cmd_data_cancel_Click();

  auto& md = s.materialData;
  md.MaterialSource = 1;
  md.SeFrom = md.SeTo = Sng(2.0 * db.FdbSe[b][k]);
  md.SNExponent = db.FdbM[b][k];
  md.DataSy = db.FdbSy[b][k];
  md.SurvivalProbability = db.FdbPn[b][k];
  md.EnduranceCycles = db.FdbNo[b][k];
  md.SNStressRatio = db.FdbR[b][k];
  md.DataSu = db.FdbSu[b][k];
  md.SNExtensionExponent = md.SNExponent;
  md.Su = md.DataSu;
  md.Sy = md.DataSy;
  s.jobTexts.MaterialName = db.FdbSetName[b][k];
  main.dataBox().Materialt.SetText(s.jobTexts.MaterialName);
  s.results.NotchedEnduranceRange = Sng((1.0 - md.SNStressRatio) * md.SeFrom);
  md.Se = md.SeFrom;
  // The extension keeps the ratio typed; No' follows the set's No and m'.
  ExtensionCyclesFollowTheRatio(md);
  CalcEffectiveStrengths(s, main.host());

  auto& rv = s.randomVariableTable;
  int16_t type = 0;
  TryCInt(db.FdbSeDistType[b][k], type);
  rv.RvType[1] = type;
  rv.RvCov[1] = db.FdbSeCov[b][k];
  rv.RvParA[1] = db.FdbSeParA[b][k];
  rv.RvParB[1] = db.FdbSeParB[b][k];
  rv.RvXmin[1] = db.FdbSeXmin[b][k];
  rv.RvXmax[1] = db.FdbSeXmax[b][k];
  main.snInputs().dN_distr(0).SetCaption(dN_distr(3).Caption());

  DrawSNCurve(main, main.snInputs().Pic_SN.surface());
  // The summary on show takes the set's values: m' (m for a distribution)
  // and a No' derived from them.
  if (main.snInputs().frm_SN.Visible()) main.dataBox().UpdateDataBox();
  if (s.analysisOptions.LoadingType == 4) main.results().Pic_Rel.SetVisible(false);
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
  main.dataBox().Result.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  main.dataBox().ScattFact.SetVisible(false);
  ds.cmd_data_cancel_Click();
}
