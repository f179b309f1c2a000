// The job summary box rebuilt by UpdateDataBox from the records.

#include <cmath>
#include <string>

#include "data_box_fixture.h"
#include "summary_note_pixels.h"
#include "platform/runtime/sng.h"

namespace {

TEST_F(DataBoxTest, NoPrimeIsWorkedOutOnceAndShown) {
  MaterialData& md = state.materialData;
  state.analysisOptions.LoadingType = 2;
  md.SNExtensionDisplay = 1;
  md.Se = 100;
  md.EnduranceCycles = 2000000;
  md.SNExtensionExponent = 3.5f;
  box.UpdateDataBox();
  EXPECT_EQ(md.SNExtensionRatio, 0.01f);
  EXPECT_EQ(md.SNExtensionCycles, 2e13f);
  EXPECT_EQ(box.ExtSNt(0).Text(), "2E+13");
  EXPECT_EQ(box.ExtSN(0).Caption(), "SN-Extension:          No' =");
  EXPECT_TRUE(box.ExtSNt(0).Visible());

  // A stored No' stays whatever the curve does.
  md.SNExtensionExponent = 5;
  md.EnduranceCycles = 1000000;
  box.UpdateDataBox();
  EXPECT_EQ(box.ExtSNt(0).Text(), "2E+13");

  // A No' beyond the Single range is an infinite life.
  md.SNExtensionRatio = md.SNExtensionCycles = 0;
  md.Se = 1000;
  md.SNExtensionExponent = 15;
  box.UpdateDataBox();
  EXPECT_EQ(md.SNExtensionCycles, 1e30f);
  EXPECT_EQ(box.ExtSNt(0).Text(), "1E+30");

  // The ratio display fills nothing.
  md.SNExtensionDisplay = 0;
  md.SNExtensionRatio = md.SNExtensionCycles = 0;
  box.UpdateDataBox();
  EXPECT_EQ(box.ExtSNt(0).Text(), "0.0");
  EXPECT_EQ(box.ExtSN(0).Caption(), "SN-Extension:      Se'/Se =");
  EXPECT_EQ(md.SNExtensionCycles, 0);
}

TEST_F(DataBoxTest, RowsFollowTheirLabelsAndTheKtRow) {
  state.analysisOptions.LoadingType = 2;
  PlainSpecimen(2);
  const float W = box.frm_DBox.Width(), H = box.frm_DBox.Height();
  EXPECT_EQ(W, main.ScaleWidth() / 2);
  EXPECT_EQ(H, main.ScaleHeight() / 2);
  EXPECT_EQ(box.frm_DBox.Left(), main.ScaleWidth() / 2);
  EXPECT_EQ(box.frm_DBox.Top(), main.ScaleHeight() / 2);
  EXPECT_EQ(box.pic_DBox.Width(), 0.96f * W);
  const float column = W / 15;
  EXPECT_EQ(box.Subj.Left(), column);
  EXPECT_EQ(box.Subj.Top(), H / 16);
  EXPECT_EQ(box.Subjt.Left(), column + 1580);
  EXPECT_EQ(box.Loadt.Left(), column + 1570);
  EXPECT_EQ(box.Material.Top(), 0.24f * H);
  // The m' row starts under the end of the short caption; its box under the ratio's.
  EXPECT_FLOAT_EQ(box.ExtSN(1).Left(), column + CaptionWidth(box.ExtSN(0), "SN-Extension:      Se'"));
  EXPECT_FLOAT_EQ(box.ExtSNt(0).Left(), box.ExtSN(0).Left() + box.ExtSN(0).Width() + column);
  EXPECT_EQ(box.ExtSNt(1).Left(), box.ExtSNt(0).Left());
  EXPECT_EQ(box.ExtSN(1).Top(), box.ExtSN(0).Top() + 240);
  // Kt and what hangs below it.
  const float K = 0.44f * H;
  EXPECT_EQ(box.SCF(0).Top(), K);
  EXPECT_EQ(box.SCFt(0).Left(), box.SCF(0).Left() + box.SCF(0).Width());
  EXPECT_EQ(box.SCF_distr.Left(), box.SCFt(0).Left() + box.SCFt(0).Width() + 50);
  EXPECT_EQ(box.Reliab.Top(), K + 330);
  EXPECT_EQ(box.Reliabt.Left(), box.Reliab.Left() + box.Reliab.Width());
  EXPECT_EQ(box.DBmse(0).Top(), K + 660);
  EXPECT_EQ(box.DBmse(1).Left(), column + box.DBmse(0).Width());
  EXPECT_EQ(box.DDBmse(0).Left(), Sng(W / 1.7));
  EXPECT_EQ(box.DDBmse(1).Top(), K + 660 + 480);
  EXPECT_EQ(box.DTFf.Top(), K + 990);
  EXPECT_EQ(box.DTFft.Left(), box.DTFf.Left() + box.DTFf.Width());
  EXPECT_EQ(box.Result.Top(), 0.77f * H);
  // Texts.
  EXPECT_EQ(box.SCFt(0).Text(), "3.0");
  EXPECT_EQ(box.Reliab.Caption(), "Notch Radius [mm]:  r = ");
  EXPECT_EQ(box.Reliabt.Text(), "1.0 ");
  // Kt and the notch radius as wide as their texts, as after they are typed.
  EXPECT_EQ(box.SCFt(0).Width(), 300.0f * state.layoutScales.FontScale);
  EXPECT_EQ(box.Reliabt.Width(), 400.0f * state.layoutScales.FontScale);
  EXPECT_EQ(box.DTFft.Text(), "1.0");
  EXPECT_EQ(box.DTFf.Caption(), "Damage to Failure:  d  =  ");
  for (TextBox* b : {&box.Subjt, &box.SCFt(0), &box.Reliabt, &box.DTFft, &box.ExtSNt(1)})
    EXPECT_EQ(b->BackColor(), state.colourSettings.ColourDataBox) << b->Name();

  // A constant amplitude has no S-N extension rows; Kt and the rows under it move up.
  state.analysisOptions.LoadingType = 3;
  box.UpdateDataBox();
  for (Control* c : {static_cast<Control*>(&box.ExtSN(0)), static_cast<Control*>(&box.ExtSN(1)),
                     static_cast<Control*>(&box.ExtSNt(0)), static_cast<Control*>(&box.ExtSNt(1))})
    EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_EQ(box.SCF(0).Top(), 0.38f * H);
  EXPECT_EQ(box.DTFf.Top(), 0.38f * H + 990);
}

// A master curve over Kt: the Kt box shows the upper end that it edits.
TEST_F(DataBoxTest, TheKtBoxOfAMasterCurveOverKtShowsItsUpperEnd) {
  state.analysisOptions.LoadingType = 2;
  PlainSpecimen(2);
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 3;
  state.componentData.Kt = state.componentData.KtFrom = 3.0f;
  state.componentData.KtTo = 3.5f;
  box.UpdateDataBox();
  EXPECT_EQ(box.SCFt(0).Text(), "3.5");
}

TEST_F(DataBoxTest, ADistributionMovesTheBoxAndHasNoExtension) {
  AnalysisOptions& o = state.analysisOptions;
  o.LoadingType = 4;
  o.MeanStressOption = 2;
  box.UpdateDataBox();
  EXPECT_EQ(box.frm_DBox.Left(), main.ScaleWidth() / 4.02f + 60);
  EXPECT_EQ(box.ExtSN(0).Caption(), "SN-Extention:       Se'/Se  =  0.0");
  EXPECT_EQ(box.ExtSN(1).Caption(), "  m'  =  3.5");
  EXPECT_TRUE(box.ExtSN(0).Visible());
  EXPECT_TRUE(box.ExtSN(1).Visible());
  EXPECT_FALSE(box.ExtSNt(0).Visible());
  EXPECT_FALSE(box.ExtSNt(1).Visible());
  EXPECT_EQ(state.resultsDisplay.MseTag, "MSE(-)  ");
  EXPECT_EQ(state.resultsDisplay.MseTag2, "MSE(-)  ");
  EXPECT_EQ(box.DBmse(1).Caption(), "MSE(-)  ");
  EXPECT_EQ(box.ExtSN(0).ToolTipText(), "");
  EXPECT_EQ(box.ExtSN(0).MousePointer(), 0);
}

TEST_F(DataBoxTest, SpecimenAndNotchDecideTheRowsUnderKt) {
  struct Case {
    const char* name;
    int16_t specimen, approach, sensitivity, kind;
    float kt;
    bool ktRow, tag, radius, thickness;
    float ktAfter;
  };
  const Case cases[] = {
      {"plain, Kt exactly 1, NS accounted", 2, 1, 2, 1, 1, true, false, false, false, 1},
      {"plain, Kt 2, NS accounted", 2, 1, 2, 1, 2, true, false, true, false, 2},
      {"plain, NS neglected", 2, 1, 1, 1, 2, true, false, false, false, 2},
      {"plain, probabilistic, nominal: Kt's tag", 2, 1, 1, 2, 2, true, true, false, false, 2},
      {"plain, local, NS neglected: no Kt, Kt = 1", 2, 2, 1, 1, 2, false, false, false, false, 1},
      {"plain, local, NS accounted", 2, 2, 2, 2, 2, true, false, true, false, 2},
      {"feature specimen: thickness", 1, 1, 2, 1, 2, false, false, false, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisOptions& o = state.analysisOptions;
    o.SNDataSpecimen = c.specimen;
    o.StressApproach = c.approach;
    o.NotchSensitivityMode = c.sensitivity;
    o.AnalysisKind = c.kind;
    state.componentData.Kt = c.kt;
    box.UpdateDataBox();
    EXPECT_EQ(box.SCF(0).Visible(), c.ktRow);
    EXPECT_EQ(box.SCFt(0).Visible(), c.ktRow);
    EXPECT_EQ(box.SCF_distr.Visible(), c.tag);
    EXPECT_EQ(box.Reliab.Visible(), c.radius);
    EXPECT_EQ(box.Reliabt.Visible(), c.radius);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(box.SNth(i).Visible(), c.thickness);
      EXPECT_EQ(box.SNtht(i).Visible(), c.thickness);
    }
    EXPECT_EQ(state.componentData.Kt, c.ktAfter);
  }
  // The thickness pair: its box over the number of the final caption.
  EXPECT_EQ(box.SNth(0).Caption(), "Thickness Effect:    t = 25.0  mm");
  EXPECT_EQ(box.SNtht(0).Text(), "25.0");
  EXPECT_FLOAT_EQ(box.SNtht(0).Left(), box.SNth(0).Left() + CaptionWidth(box.SNth(0), "Thickness Effect:    t = "));
  EXPECT_FLOAT_EQ(box.SNtht(0).Width(), 4 * 100 * state.layoutScales.FontScale);
  EXPECT_EQ(box.SNth(1).Left(), box.SNth(0).Left() + box.SNth(0).Width());
  EXPECT_EQ(box.SNth(1).Caption(), ",  k  =  0.25");
  EXPECT_EQ(box.SNtht(1).Text(), "0.25");
}

TEST_F(DataBoxTest, MeanStressLineWithTheNotchFactorOfAFeatureSpecimen) {
  AnalysisOptions& o = state.analysisOptions;
  o.StressApproachTag = "NomS/";
  o.SpecimenTag = "FS/";
  o.NotchSensitivityTag = "NS(-)/";
  state.componentData.MseNotchFactor = 2.5f;
  box.UpdateDataBox();
  EXPECT_EQ(box.DBmse(0).Caption(), "Analysis Options:   NomS/FS/NS(-)/");
  EXPECT_EQ(state.resultsDisplay.MseTag, "MSE(+): ");
  EXPECT_EQ(box.DBmse(1).Caption(), "MSE(+): ");
  EXPECT_TRUE(box.DDBmse(2).Visible());
  EXPECT_TRUE(box.DBmset(2).Visible());
  EXPECT_EQ(box.DDBmse(2).MousePointer(), 10);
  EXPECT_EQ(box.DDBmse(2).Left(), box.DBmse(1).Left() + box.DBmse(1).Width());
  EXPECT_EQ(box.DDBmse(2).Top(), box.DBmse(0).Top());
  EXPECT_EQ(box.DBmset(2).Left(), box.DDBmse(2).Left() + box.DDBmse(2).Width());
  EXPECT_EQ(box.DBmset(2).Height(), box.DDBmse(2).Height());
  EXPECT_EQ(box.DBmset(2).Text(), "2.5");
  EXPECT_EQ(box.DDBmse(2).BackColor(), box.pic_DBox.BackColor());
  EXPECT_FALSE(box.DDBmse(0).Visible()) << "the strength rows are never shown";
  EXPECT_FALSE(box.DDBmse(1).Visible());

  o.SNDataSpecimen = 2;
  box.UpdateDataBox();
  EXPECT_EQ(state.resultsDisplay.MseTag, "MSE(+)");
  EXPECT_FALSE(box.DDBmse(2).Visible());
  EXPECT_FALSE(box.DBmset(2).Visible());
  EXPECT_EQ(box.DDBmse(2).MousePointer(), 0);
}

TEST_F(DataBoxTest, NoteOfTheNotchSensitivityInTheLocalApproach) {
  AnalysisOptions& o = state.analysisOptions;
  PlainSpecimen(2);
  EXPECT_EQ(NotePixels(box), 0) << "nominal stresses: no note";
  o.StressApproach = 2;
  o.MeanStressOption = 1;
  box.UpdateDataBox();
  const int ns = NotePixels(box);
  EXPECT_GT(ns, 0);
  o.MeanStressOption = 2;
  box.UpdateDataBox();
  EXPECT_GT(NotePixels(box), ns) << "(NS & MSE) is longer than (NS)";
  // A feature specimen has no Kt row: the note stands where its box would be.
  o.SNDataSpecimen = 1;
  box.UpdateDataBox();
  EXPECT_FALSE(box.SCFt(0).Visible());
  EXPECT_GT(NotePixels(box), ns);
}

TEST_F(DataBoxTest, ToolTipsAndPointers) {
  state.analysisOptions.LoadingType = 1;
  PlainSpecimen(1);
  EXPECT_EQ(box.ExtSN(0).ToolTipText(), "Right click to change the extention mode");
  EXPECT_EQ(box.ExtSN(0).MousePointer(), 2);
  EXPECT_EQ(box.SCF(0).ToolTipText(), "Click to change for Notch Factor, Kf");
  EXPECT_EQ(box.SCF(0).MousePointer(), 10);
  box.SCF(0).click();
  EXPECT_EQ(box.SCF(0).Caption(), "Notch Factor:         Kf = ");
  EXPECT_EQ(box.SCF(0).ToolTipText(), "Click to change for SCF, Kt");
  EXPECT_EQ(box.SCFt(0).Left(), box.SCF(0).Left() + box.SCF(0).Width()) << "the box follows the longer caption";
  state.shellState.ToolTipMode = 1;
  box.UpdateDataBox();
  EXPECT_EQ(box.ExtSN(0).ToolTipText(), "");
  EXPECT_EQ(box.SCF(0).ToolTipText(), "");
  // With notch sensitivity accounted the label does not toggle and has no tip.
  state.shellState.ToolTipMode = 0;
  PlainSpecimen(2);
  EXPECT_EQ(box.SCF(0).ToolTipText(), "");
  EXPECT_EQ(box.SCF(0).MousePointer(), 0);
}

TEST_F(DataBoxTest, JobTextsStandInTheirBoxes) {
  state.jobTexts = {"Crane girder", "S355", "Wind"};
  state.loadingDbState.LoadingSource = 1;
  box.UpdateDataBox();
  EXPECT_EQ(box.Subj.Caption(), "SUBJECT:           ");
  EXPECT_EQ(box.Subjt.Text(), "Crane girder");
  EXPECT_EQ(box.Materialt.Text(), "S355");
  EXPECT_EQ(box.Loadt.Text(), "Wind");
  for (TextBox* b : {&box.Subjt, &box.Loadt, &box.Materialt}) EXPECT_TRUE(b->Visible()) << b->Name();
  EXPECT_TRUE(box.Loadt.Locked()) << "a database batch keeps its name";
  EXPECT_FALSE(box.Materialt.Locked());
}

}  // namespace
