#include "shell/ui/job_texts_panel.h"

#include <gtest/gtest.h>

#include "component/ui/data_box_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"

namespace {

class JobTextsTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"job_texts_test"};
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  JobTextsPanel& p = main.jobTexts();

  void SetUp() override {
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
    main.dataBox().frm_DBox.SetVisible(true);  // the summary of the input view
    host.beeps = 0;
  }
};

TEST_F(JobTextsTest, StartCaptionsAndHiddenBoxes) {
  EXPECT_EQ(p.Subj.Caption(), "SUBJECT:           ???  ");
  EXPECT_EQ(p.Material.Caption(), "Material Data:              ???");
  EXPECT_EQ(p.Load.Caption(), "Loading Data:              ???");
  for (TextBox* box : {&p.Subjt, &p.Loadt, &p.Materialt}) EXPECT_FALSE(box->Visible()) << box->Name();
}

TEST_F(JobTextsTest, EditingTheSubject) {
  p.Subj.click();
  EXPECT_TRUE(p.Subjt.Visible());
  EXPECT_EQ(p.Subjt.Text(), "???");
  EXPECT_EQ(main.ActiveControl(), &p.Subjt);
  EXPECT_EQ(p.Subjt.BackColor(), 0x00FFFFFF);
  EXPECT_EQ(p.Subjt.ForeColor(), 0x00FF00FF);
  p.Subjt.typeText("  Crane girder ");
  p.Subjt.leave();
  EXPECT_EQ(state.jobTexts.JobSubject, "  Crane girder ");  // as typed
  EXPECT_TRUE(p.Subjt.Visible());
  EXPECT_EQ(p.Subjt.BackColor(), state.colourSettings.ColourDataBox);
  EXPECT_EQ(p.Subjt.ForeColor(), 0);

  // An empty subject is refused with a beep only; the old one comes back.
  p.Subj.click();
  p.Subjt.typeText("");
  p.Subjt.leave();
  EXPECT_EQ(state.jobTexts.JobSubject, "  Crane girder ");
  EXPECT_EQ(p.Subjt.Text(), "  Crane girder ");
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(JobTextsTest, DatabaseNamesAreNotEdited) {
  state.loadingDbState.LoadingSource = 1;
  state.materialData.MaterialSource = 1;
  p.Load.click();
  p.Material.click();
  EXPECT_FALSE(p.Loadt.Visible());
  EXPECT_FALSE(p.Materialt.Visible());
  state.loadingDbState.LoadingSource = 2;
  p.Load.click();
  p.Loadt.typeText("Wind spectrum");
  p.Loadt.leave();
  EXPECT_EQ(state.jobTexts.LoadingName, "Wind spectrum");
}

TEST_F(JobTextsTest, ArrowKeysWalkTheSummary) {
  std::vector<int> extensionClicks;
  main.dataBox().ExtSN.onClick = [&](int i) { extensionClicks.push_back(i); };
  struct Case {
    int16_t loadingSource, materialSource, loadingType;
    TextBox* focus;  // nullptr: an item outside the job texts
    bool extension;
  };
  const Case cases[] = {
      {2, 2, 3, &p.Loadt, false},
      {1, 2, 3, &p.Materialt, false},
      {1, 1, 2, nullptr, true},   // the S-N extension for a spectrum
      {1, 1, 4, nullptr, false},  // the damage to failure otherwise
  };
  for (const Case& c : cases) {
    extensionClicks.clear();
    state.loadingDbState.LoadingSource = c.loadingSource;
    state.materialData.MaterialSource = c.materialSource;
    state.analysisOptions.LoadingType = c.loadingType;
    p.Subj.click();
    p.Subjt.typeText("Shaft");
    p.Subjt.keyDown(kKeyDown);
    if (c.focus) {
      EXPECT_EQ(main.ActiveControl(), c.focus) << c.loadingSource << c.materialSource;
      c.focus->leave();
    }
    EXPECT_EQ(state.jobTexts.JobSubject, "Shaft");
    EXPECT_EQ(extensionClicks.size(), c.extension ? 1u : 0u) << c.loadingType;
    main.MoveFocus(nullptr);
  }
  // Up from the loading name goes back to the subject.
  state.loadingDbState.LoadingSource = 2;
  p.Load.click();
  p.Loadt.keyDown(kKeyUp);
  EXPECT_EQ(main.ActiveControl(), &p.Subjt);
}

}  // namespace
