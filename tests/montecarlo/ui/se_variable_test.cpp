// The endurance limit's tags: the S-N frame's and the fatigue-database
// browser's, with the copy of a data set's variable in and back.

#include <gtest/gtest.h>

#include "component/ui/data_box_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "random_variable_fixture.h"

namespace {

class SeVariableTest : public RandomVariableUi {
 protected:
  FatigueDbPanel& fdb = main.fatigueDb();
  DataServicePanel& ds = main.dataService();
  Label& browserTag = fdb.dN_distr(3);
  Label& snTag = main.snInputs().dN_distr(0);
  FatigueDatabase& db = state.fatigueDatabase;

  // Batch 1 on show in the browser: set 1 with a normal variable (8 %), set 2
  // without one; the grid shows set 2's yield strength.
  SeVariableTest() {
    FatigueDbState& st = state.fatigueDbState;
    st.FatigueBatchCount = 1;
    st.CurrentFatigueBatch = 1;
    st.CurrentFatigueSet = 0;
    st.MarkedFatigueSet = 0;
    db.FdbSetCount[1] = 2;
    db.FdbSeDistType[1][1] = 1;
    db.FdbSeCov[1][1] = 0.08f;
    db.FdbSeParA[1][1] = 1.0f;
    db.FdbSeParB[1][1] = 0.08f;
    db.FdbSeXmin[1][1] = 0.7f;
    db.FdbSeXmax[1][1] = 1.3f;
    browserTag.SetCaption("{N8}");
    fdb.Text7(1).SetText("");
  }
  void ShowBrowser(bool editing) {
    fdb.frm_Fatigue_Dbase.SetVisible(true);
    if (editing) ds.chk_Edit_Dbase.SetValue(true);
  }
};

TEST_F(SeVariableTest, BrowsingShowsTheSetsVariableViewOnly) {
  ShowBrowser(false);
  const FatigueDatabase before = db;
  OpenFrom(browserTag, [&] {
    EXPECT_EQ(table.CurrentRandomVar, 7);
    EXPECT_EQ(dlg.cmd_cancel.Caption(), "E&xit");
    EXPECT_FALSE(dlg.cmd_ok.Enabled());
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Endurance Limit,  Se: {N8}");
    EXPECT_TRUE(dlg.chk_distr(2).Value());
    EXPECT_EQ(dlg.txt_distr(2).Text(), "1.3");
    dlg.cmd_cancel.click();
  });
  EXPECT_EQ(db, before);
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 0);

  // The next caller may edit again.
  OpenFrom(main.dataBox().SCF_distr, [&] {
    EXPECT_TRUE(dlg.cmd_ok.Enabled());
    EXPECT_EQ(dlg.cmd_cancel.Caption(), "&Cancel");
    dlg.cmd_cancel.click();
  });
}

TEST_F(SeVariableTest, EditingCopiesTheVariableBackAfterOk) {
  ShowBrowser(true);
  OpenFrom(browserTag, [&] {
    EXPECT_TRUE(dlg.cmd_ok.Enabled());
    EXPECT_EQ(dlg.cmd_cancel.Caption(), "&Cancel");
    dlg.chk_distr(4).click();
    dlg.cmd_ok.click();
  });
  EXPECT_EQ(db.FdbSeDistType[1][1], 3.0f);
  EXPECT_FLOAT_EQ(db.FdbSeCov[1][1], 0.08f);
  EXPECT_EQ(db.FdbSeParB[1][1], table.RvParB[7]);
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 1);
  EXPECT_EQ(browserTag.Caption(), "{W8}");
  EXPECT_FLOAT_EQ(browserTag.Left(),
                  fdb.Label28(0).Left() - browserTag.Width() - 40 * state.layoutScales.FontScale);
  EXPECT_TRUE(ds.frm_data_serv.Visible());
  EXPECT_EQ(table.RvType[1], 0);  // the job's own variable stays
}

TEST_F(SeVariableTest, CancelWhileEditingChangesNoSet) {
  ShowBrowser(true);
  const FatigueDatabase before = db;
  OpenFrom(browserTag, [&] {
    dlg.chk_distr(6).click();
    dlg.cmd_cancel.click();
  });
  EXPECT_EQ(db, before);
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 0);
  EXPECT_EQ(browserTag.Caption(), "{N8}");
  EXPECT_TRUE(ds.frm_data_serv.Visible());  // the editor's services come back
}

TEST_F(SeVariableTest, SetWithoutAVariableOpensOnlyWithAYieldStrength) {
  ShowBrowser(true);
  state.fatigueDbState.MarkedFatigueSet = 1;
  table.RvType[7] = 3;  // what an earlier set left in the working slot
  browserTag.click();
  EXPECT_EQ(host.modalRuns, 0);

  fdb.Text7(1).SetText("355");
  OpenFrom(browserTag, [&] {
    EXPECT_TRUE(dlg.chk_distr(1).Value());  // the set's own None, not the earlier set's Weibull
    EXPECT_FLOAT_EQ(state.randomVariablePanel.PanelCov, 0.1f);
    dlg.cmd_cancel.click();
  });

  // No set marked yet: nothing to open, nothing read beyond the grid.
  state.fatigueDbState.MarkedFatigueSet = -1;
  browserTag.click();
  EXPECT_EQ(host.modalRuns, 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SeVariableTest, SnFrameTagEditsTheJobsVariableUnlessTheDatabaseSetsIt) {
  struct Case {
    int16_t source;
    bool editable;
  };
  for (const Case c : {Case{2, true}, Case{1, false}}) {
    state.materialData.MaterialSource = c.source;
    OpenFrom(snTag, [&] {
      EXPECT_EQ(table.CurrentRandomVar, 1);
      EXPECT_EQ(dlg.cmd_ok.Enabled(), c.editable) << c.source;
      EXPECT_EQ(dlg.cmd_cancel.Caption(), c.editable ? "&Cancel" : "E&xit");
      dlg.cmd_cancel.click();
    });
  }
  // While the browser shows, the S-N frame's tag edits slot 4.
  ShowBrowser(false);
  OpenFrom(snTag, [&] {
    EXPECT_EQ(table.CurrentRandomVar, 4);
    dlg.cmd_cancel.click();
  });
}

TEST_F(SeVariableTest, OkOnTheSnFrameTagsItAndClearsTheJobFlag) {
  state.mcsSettings.McsSpareValue = 3;
  OpenFrom(snTag, [&] {
    dlg.chk_distr(2).click();
    dlg.cmd_ok.click();
  });
  EXPECT_EQ(table.RvType[1], 1);
  EXPECT_EQ(snTag.Caption(), "{N10}");
  EXPECT_EQ(state.mcsSettings.McsSpareValue, 0);
}

}  // namespace
