#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "diagrams/sn_curve_geometry.h"
#include "diagrams/ui/diagram_services.h"
#include "engine/ui/input_step_commands.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/unit_settings.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/recording_surface.h"

namespace {

std::string Pt(double x, double y) { return ShortNumber(x) + "," + ShortNumber(y); }
std::string LineText(double x1, double y1, double x2, double y2, int colour, const char* kind = "") {
  return "Line " + Pt(x1, y1) + "-" + Pt(x2, y2) + " c=" + std::to_string(colour) + kind;
}
constexpr int kRed = 0x0000FF;

class SnCurveDiagram : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  SnFramePanel& sn = main.snInputs();

  // A printer page whose height is exactly 0.7 of its width.
  RecordingSurface page{12000, 8400, true};
  SnCurveGeometry PageGeometry() const { return SnCurveGeometryFor(SurfaceKind::Printer, 12000, 8400, 0, 0, 1); }

  // The log from the first dotted style to the solid style that ends it.
  std::vector<std::string> DottedPart() const {
    const auto& log = page.log;
    auto from = std::find(log.begin(), log.end(), "DrawStyle=2");
    if (from == log.end()) return {};
    auto to = std::find(from, log.end(), "DrawStyle=0");
    return {from + 1, to};
  }
  bool Printed(const std::string& text) const {
    return std::any_of(page.texts.begin(), page.texts.end(), [&](const auto& t) { return t.text == text; });
  }
};

TEST_F(SnCurveDiagram, APageOfRatioSevenTenthsTakesTheMiddleLayout) {
  DrawSNCurve(main, page);
  const SnCurveGeometry g = PageGeometry();
  EXPECT_EQ(g.W, 12000 / 2.5f);
  EXPECT_EQ(g.H, 8400 / 2.6f);
  const auto& log = page.log;
  const auto scale = std::find(log.begin(), log.end(), "Scale 0,8400-12000,0");
  ASSERT_NE(scale, log.end()) << page.LogText();
  EXPECT_EQ(*(scale + 1), "ScaleLeft=-1200");
  EXPECT_EQ(*(scale + 2), "ScaleTop=4200");
  EXPECT_EQ(*(scale + 3), LineText(0, 0, g.W, g.H, 0, " B"));
  // The plateau and the finite-life line in red, twice as heavy on paper.
  EXPECT_NE(std::find(log.begin(), log.end(), "DrawWidth=6"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), LineText(g.x1, g.ye, g.xm, g.ye, kRed)), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), LineText(g.xm, g.ye, g.Px, g.Py, kRed)), log.end());
  EXPECT_EQ(state.shellState.CaptionBuf, "STRESS AMPL");
  EXPECT_EQ(page.log.front(), "FontName=Arial");
  EXPECT_EQ(std::count(log.begin(), log.end(), "Cls"), 0) << "paper is shared by several diagrams";
}

TEST_F(SnCurveDiagram, ExtensionWithoutRatioRunsDownToTheAxis) {
  state.analysisOptions.LoadingType = 2;
  DrawSNCurve(main, page);
  const SnCurveGeometry g = PageGeometry();
  EXPECT_NEAR(g.xa / g.W, 0.786, 1e-3);
  EXPECT_EQ(DottedPart(), (std::vector<std::string>{LineText(g.xm, g.ye, g.xa, g.y0, kRed)}))
      << "one dotted line from the knee, no plateau";
}

TEST_F(SnCurveDiagram, NoExtensionForRatioOneOrConstantAmplitude) {
  state.analysisOptions.LoadingType = 3;
  DrawSNCurve(main, page);
  EXPECT_TRUE(DottedPart().empty());
  page.ClearLog();
  state.analysisOptions.LoadingType = 1;
  state.materialData.SNExtensionRatio = 1;
  DrawSNCurve(main, page);
  EXPECT_TRUE(DottedPart().empty());
  // Between 0 and 1: the slope to Se', then its plateau to the cycles axis' end.
  page.ClearLog();
  state.materialData.SNExtensionRatio = 0.5f;
  DrawSNCurve(main, page);
  const SnCurveGeometry g = PageGeometry();
  const SnExtensionEnd e = SnExtensionEndFor(g, 1, 0.5f, 3.5f, 3.5f);
  EXPECT_EQ(DottedPart(), (std::vector<std::string>{LineText(g.xm, g.ye, e.xe, e.ye, kRed),
                                                    LineText(e.xe, e.ye, g.x1, e.ye, kRed)}));
}

TEST_F(SnCurveDiagram, PaperShowsTheNumbersAsTexts) {
  state.analysisOptions.AnalysisKind = 2;
  state.loadingUnits.LoadQuantity = "Strain ";
  DrawSNCurve(main, sn.Pic_SN.surface());  // the labels' captions are what paper prints
  DrawSNCurve(main, page);
  for (const char* text : {"No = 2E+6", "Se = 50.0 MPa  ", "Pn = 50.  %", "m = 3.5,  r = -1.0", "Sy = 300.0   MPa",
                           "Su = 500.0   MPa", "E = 210000  MPa", "CYCLES", "Material:  Fatigue Data"})
    EXPECT_TRUE(Printed(text)) << text << "\n" << page.LogText();
  // The title is printed twice, over a white line that cuts the frame.
  const auto titles = std::count_if(page.texts.begin(), page.texts.end(),
                                    [](const auto& t) { return t.text == "Material:  Fatigue Data"; });
  EXPECT_EQ(titles, 2);
  // The endurance limit's tag follows the Se text in a probabilistic job.
  const auto se = std::find_if(page.texts.begin(), page.texts.end(), [](const auto& t) { return t.text == "Se = 50.0 MPa  "; });
  ASSERT_NE(se + 1, page.texts.end());
  EXPECT_EQ((se + 1)->text, sn.dN_distr(0).Caption());

  page.ClearLog();
  state.analysisOptions.AnalysisKind = 1;
  state.loadingUnits.LoadQuantity = "Stress ";
  DrawSNCurve(main, sn.Pic_SN.surface());
  DrawSNCurve(main, page);
  EXPECT_FALSE(Printed("E = 210000  MPa"));
  EXPECT_FALSE(Printed(sn.dN_distr(0).Caption()));
}

// A pair's box starts where the label's short caption ends, so the label's
// words stay in sight; the box covers the number of the long caption.
void ExpectPair(const Label& label, const TextBox& box, const std::string& shortCaption, const std::string& text,
                Label& measure) {
  SCOPED_TRACE(label.Name());
  measure.SetFontName(label.FontName());
  measure.SetFontSize(label.FontSize());
  measure.SetAutoSize(true);
  measure.SetCaption(shortCaption);
  EXPECT_FLOAT_EQ(box.Left(), label.Left() + measure.Width());
  EXPECT_GT(measure.Width(), 0);
  EXPECT_EQ(box.Top(), label.Top());
  EXPECT_EQ(box.Text(), text);
  EXPECT_EQ(label.Caption().rfind(shortCaption, 0), 0u) << label.Caption();
}

TEST_F(SnCurveDiagram, CheckChangeShowsTheStoredValuesInTheUnitOfTheDay) {
  state.materialData.SeFrom = state.materialData.Se = 137.9f;  // 10 ksi as an amplitude
  state.materialData.DataSy = 689.5f;
  mnu_calculations_Click(main);
  Label& measure = main.Add<Label>("measure", -1, &sn.Pic_SN);
  ExpectPair(sn.SNNo, sn.SNNot, "No = ", "2E+6", measure);
  ExpectPair(sn.SNSe(0), sn.SNset(0), "Se =           ", "68.95", measure);
  ExpectPair(sn.SNPn, sn.SNPnt, "Pn = ", "50.", measure);
  ExpectPair(sn.SNm, sn.SNmt, "m = ", "3.5", measure);
  ExpectPair(sn.SNr, sn.SNrt, " r = ", "-1.0", measure);
  ExpectPair(sn.SNth(2), sn.SNtht(2), "Sy = ", "689.5", measure);
  EXPECT_EQ(sn.SNSe(0).Caption(), "Se =           68.95  MPa");
  EXPECT_EQ(sn.SNNot.Width(), 4 * 120 * state.layoutScales.FontScale);

  state.unitSettings = UnitsOf(UnitSystem::US);
  DrawSNCurve(main, sn.Pic_SN.surface());
  ExpectPair(sn.SNSe(0), sn.SNset(0), "Se =           ", "10.0", measure);
  ExpectPair(sn.SNth(2), sn.SNtht(2), "Sy = ", "100.0", measure);
  ExpectPair(sn.SNth(3), sn.SNtht(3), "Su = ", "72.5", measure);
  ExpectPair(sn.SNE, sn.SNEt, "E = ", "30457", measure);
  EXPECT_EQ(sn.SNth(3).Caption(), "Su = 72.5   ksi");
  EXPECT_EQ(sn.SNm.Caption(), "m = 3.5");
}

TEST_F(SnCurveDiagram, ScreenPlacesThePairsOnTheDiagram) {
  main.Move(0, 0, 12000, 9000);
  state.analysisOptions.MeanStressOption = 2;
  DrawSNCurve(main, sn.Pic_SN.surface());
  Surface& pic = sn.Pic_SN.surface();
  const SnCurveGeometry g = SnCurveGeometryFor(SurfaceKind::Screen, 0, 0, sn.frm_SN.Width(), sn.frm_SN.Height(), 1);
  EXPECT_EQ(sn.frm_SN.Width(), main.ScaleWidth() / 2);
  EXPECT_EQ(sn.Pic_SN.Width(), 0.96f * sn.frm_SN.Width());
  // Tops count downwards from the picture's top; the diagram's y upwards.
  const double th = pic.Height();
  EXPECT_FLOAT_EQ(sn.SNNo.Left(), g.xm - 355);
  EXPECT_FLOAT_EQ(sn.SNNo.Top(), th - (g.y0 - 50));
  EXPECT_FLOAT_EQ(sn.SNth(2).Top(), th - (g.y0 + 300));
  EXPECT_FLOAT_EQ(sn.SNth(3).Top(), th - (g.y0 + 550));
  EXPECT_FLOAT_EQ(sn.SNE.Top(), th - (g.y0 + 800)) << "E stands 500 above Sy with the mean stress accounted";
  state.analysisOptions.MeanStressOption = 1;
  DrawSNCurve(main, pic);
  EXPECT_FLOAT_EQ(sn.SNE.Top(), sn.SNth(2).Top()) << "and in Sy's place without it";
  EXPECT_FALSE(sn.SNE.Visible());
  EXPECT_FALSE(sn.dN_distr(0).Visible());
  EXPECT_FALSE(sn.SNSe(1).Visible());

  // A master curve over the endurance limit: the two ends.
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 2;
  state.analysisOptions.AnalysisKind = 2;
  state.materialData.SeFrom = 80;
  state.materialData.SeTo = 160;
  DrawSNCurve(main, pic);
  EXPECT_TRUE(sn.SNSe(1).Visible());
  EXPECT_TRUE(sn.SNset(1).Visible());
  EXPECT_EQ(sn.SNSe(0).Caption(), "Se =  Min.  40.0  MPa");
  EXPECT_EQ(sn.SNSe(1).Caption(), "Se =  Max. 80.0  MPa");
  EXPECT_FLOAT_EQ(sn.SNSe(1).Top(), th - (g.ye + 520));
  EXPECT_TRUE(sn.dN_distr(0).Visible());
  EXPECT_FLOAT_EQ(sn.dN_distr(0).Left(), sn.SNSe(0).Left() + sn.SNSe(0).Width() + 100);
  // Over the load level the upper pair is placed but stays hidden.
  state.analysisOptions.MasterCurveParameter = 1;
  DrawSNCurve(main, pic);
  EXPECT_FALSE(sn.SNSe(1).Visible());
  EXPECT_EQ(sn.SNset(1).Text(), "80.0");
}

}  // namespace
