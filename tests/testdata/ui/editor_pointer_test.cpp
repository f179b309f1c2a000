// The diagram pane: the point under the pointer, switching points in and out
// of the fit, the zoom popup, and the reference-life box.

#include <gtest/gtest.h>

#include <QRect>
#include <QWidget>
#include <cmath>

#include "platform/draw/surface.h"
#include "testdata/test_diagram_geometry.h"
#include "testdata/ui/editor_fixture.h"

namespace {

class EditorPointer : public EditorUi {
 protected:
  // The pane position of point k, from the axes of the last drawing.
  float X(int k) const {
    return static_cast<float>(kPlotX0 + (std::log10(static_cast<double>(set.TestLife[k])) - set.TestAxisFirstDecadeX) *
                                            set.TestAxisDecadeX);
  }
  float Y(int k) const {
    return static_cast<float>(kPlotY0 + (std::log10(static_cast<double>(set.TestStress[k])) - set.TestAxisFirstDecadeY) *
                                            set.TestAxisDecadeY);
  }
  void Hover(int k) { ed.pic_diag.mouseMove(0, 0, X(k), Y(k)); }
  void ClickPoint(int k) {
    Hover(k);
    ed.pic_diag.mouseDown(kLeftButton, 0, X(k), Y(k));
  }
};

TEST_F(EditorPointer, TheToolTipNamesThePointUnderThePointer) {
  OpenWith(WeldSeries());
  state.shellState.ToolTipMode = 1;
  Hover(1);
  EXPECT_EQ(set.TestHoverPoint, 1);
  EXPECT_EQ(ed.pic_diag.MousePointer(), kPointerCross);
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "Data #1: Sig = 420.0 , N = 1.200E+4 ");
  Hover(8);
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "Data #8: Sig = 210.0 , N = 1.500E+6 ");

  ed.pic_diag.mouseMove(0, 0, 600, 100);  // empty diagram area
  EXPECT_EQ(set.TestHoverPoint, 0);
  EXPECT_EQ(ed.pic_diag.MousePointer(), kPointerDefault);
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "Right click to change the display");
  state.shellState.ToolTipMode = 0;
  ed.pic_diag.mouseMove(0, 0, 900, 0);  // beside the plot
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "");

  state.unitSettings = UnitsOf(UnitSystem::US);
  ed.DrawTestDataDiagram(ed.pic_diag.surface());
  ed.pic_diag.mouseMove(0, 0, X(1), static_cast<float>(kPlotY0 + (std::log10(420 / 6.895) - set.TestAxisFirstDecadeY) *
                                                                        set.TestAxisDecadeY));
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "Data #1: Sig = 60.91 , N = 1.200E+4 ") << "stresses in ksi";
}

TEST_F(EditorPointer, AClickSwitchesAPointAndRefitsButKeepsTwoUsed) {
  OpenWith(WeldSeries());
  const float slope = set.TestFitSlope;
  set.TestDataModified = 0;
  ClickPoint(1);
  EXPECT_EQ(set.TestPointUsed[1], 0);
  EXPECT_NE(set.TestFitSlope, slope);
  EXPECT_EQ(set.TestDataModified, 1);
  EXPECT_EQ(Captions(), CommandSet()) << "a fitted line offers OK";
  Hover(1);
  EXPECT_EQ(ed.pic_diag.ToolTipText(), "Data #1 (omitted): Sig = 420.0 , N = 1.200E+4 ");
  ClickPoint(1);
  EXPECT_EQ(set.TestPointUsed[1], 1);
  EXPECT_EQ(set.TestFitSlope, slope);

  OpenWith(SetOf({{400, 10000}, {300, 100000}, {200, 1000000}}));
  ClickPoint(3);
  ASSERT_EQ(set.TestPointUsed[3], 0);
  set.TestDataModified = 0;
  ClickPoint(2);
  EXPECT_EQ(set.TestPointUsed[2], 1) << "two used points stay used";
  EXPECT_EQ(set.TestDataModified, 1) << "the click refits and redraws all the same";
  EXPECT_GT(set.TestFitCoeff, 0);

  // Point 1 lies on the first life decade (x = 80): only its right half reacts.
  ASSERT_FLOAT_EQ(X(1), 80);
  ed.pic_diag.mouseMove(0, 0, 80, Y(1));
  EXPECT_EQ(set.TestHoverPoint, 0);
  ed.pic_diag.mouseMove(0, 0, 82, Y(1));
  EXPECT_EQ(set.TestHoverPoint, 1);
}

TEST_F(EditorPointer, TheRightClickPopupZoomsTheDiagram) {
  OpenWith(WeldSeries());
  const float normalWidth = ed.frm_diag.Width();
  host.QueueMenuChoice("Zoom-in");
  ed.pic_diag.mouseDown(kRightButton, 0, 500, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  const auto& items = host.popups[0];
  EXPECT_EQ(items[0].caption, "Zoom-out");
  EXPECT_EQ(items[1].caption, "Zoom-in");
  EXPECT_FALSE(items[2].visible);
  EXPECT_EQ(set.TestDiagramZoom, 1);
  EXPECT_TRUE(show.pop_aNK(1).Checked());
  EXPECT_FALSE(show.pop_aNK(0).Checked());
  EXPECT_GT(ed.frm_diag.Width(), normalWidth) << "the diagram takes the whole window";

  host.QueueMenuChoice("Zoom-out");
  ed.pic_diag.mouseDown(kRightButton, 0, 500, 0);
  EXPECT_EQ(set.TestDiagramZoom, 0);
  EXPECT_EQ(ed.frm_diag.Width(), normalWidth);
  EXPECT_TRUE(show.pop_aNK(0).Checked());
}

TEST_F(EditorPointer, TheSimulationViewGetsItsPlotChoices) {
  OpenWith(WeldSeries());
  ed.frm_diag.SetCaption("Life Distribution");
  ed.frm_diag2.SetVisible(false);
  state.mcsResults.LifeFitKind = 1;
  ed.pic_diag.mouseDown(kRightButton, 0, 500, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0][0].caption, "Life Distribution");
  EXPECT_EQ(host.popups[0][1].caption, "Probab.Plot: Log-norm");
  EXPECT_TRUE(host.popups[0][2].visible);
  EXPECT_TRUE(host.popups[0][0].checked);
  state.mcsResults.LifeFitKind = 2;
  host.QueueMenuChoice("Probability Plot");
  ed.pic_diag.mouseDown(kRightButton, 0, 500, 0);
  EXPECT_FALSE(host.popups[1][2].visible);
  EXPECT_EQ(state.mcsDisplay.McsPlotKind, 1);
  EXPECT_EQ(state.mcsDisplay.McsPlotPaper, 0);
  // The choice's caption, then the redrawn diagram's title over it.
  EXPECT_EQ(ed.frm_diag.Caption(), "Probability Plot  {Log-norm}");
  ed.pic_diag.mouseMove(0, 0, X(1), Y(1));
  EXPECT_EQ(set.TestHoverPoint, 0) << "the pointer has no points in this view";
}

TEST_F(EditorPointer, TheReferenceLifeBoxRefitsAtTheLifeTyped) {
  OpenWith(WeldSeries());
  TextBox& box = show.Res_probT(3);
  ASSERT_TRUE(box.IsShowing());
  // On the pane right after its label "No =  ", its top at y = 125.
  Surface& pane = ed.pic_diag.surface();
  pane.SetFontSize(9 * state.layoutScales.FontScale);
  pane.SetFontBold(false);
  const double labelEnd = 770 + pane.TextWidth("No =  ");
  const QRect placed = box.widget()->geometry();
  EXPECT_NEAR(placed.x(), pane.ScaleXToPixels(labelEnd - pane.ScaleLeft()), 2);
  EXPECT_NEAR(placed.y(), std::abs(pane.ScaleYToPixels(125 - pane.ScaleTop())), 2);
  Enter(box, "1e7");
  EXPECT_EQ(set.TestRefLife, 1e7f);
  EXPECT_NEAR(set.TestFitSe, 155.859, 0.001);
  EXPECT_EQ(box.Text(), "1.0E+7 ") << "the redrawn diagram writes it again";
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();

  Enter(box, "13000");  // below 1.1 x 12,000
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect! (No < 110% of Min Life)");
  EXPECT_EQ(host.messages[0].title, "Fatigue Life");
  EXPECT_EQ(set.TestRefLife, 1e7f);
  EXPECT_EQ(box.Text(), "1E+07") << "the previous value as a Single's text";
}

}  // namespace
