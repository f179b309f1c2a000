#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "component/ui/data_box_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "material_ui_fixture.h"

namespace {

class SnExtension : public ::testing::Test, public MaterialUi {
 protected:
  SnExtension() {
    main.dataBox().frm_DBox.SetVisible(true);
    box(0).SetText("0.0");
    box(1).SetText("3.5");
  }
  TextBox& box(int i) { return main.dataBox().ExtSNt(i); }
  void Enter(int i, const std::string& text) {
    box(i).SetFocus();
    box(i).typeText(text);
    box(i).leave();
  }
  MaterialData& md = state.materialData;
};

TEST_F(SnExtension, RatioGivesTheLifeAtTheEndOfTheExtension) {
  Enter(0, "0.5");
  EXPECT_FLOAT_EQ(md.SNExtensionRatio, 0.5f);
  EXPECT_EQ(md.SNExtensionCycles, 22627416.0f);
  EXPECT_EQ(box(0).Text(), "0.5");
  Enter(0, "0");
  EXPECT_EQ(md.SNExtensionCycles, static_cast<float>(2e13));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SnExtension, TypedLifeGivesTheRatio) {
  md.SNExtensionDisplay = 1;
  Enter(0, "2000000");
  EXPECT_EQ(md.SNExtensionRatio, 1.0f);
  EXPECT_EQ(box(0).Text(), "2E+6");
  Enter(0, "22627416");
  EXPECT_NEAR(md.SNExtensionRatio, 0.5, 1e-6);
  EXPECT_TRUE(host.messages.empty());
}

// A number that no Single holds is refused with the bound it passes: the
// upper one when it is huge, the lower one when it is hugely negative; one
// too small for a Single as a text without number would be.
TEST_F(SnExtension, NumbersBeyondASingleAreRefused) {
  const MaterialData before = md;
  const std::string huge(400, '9');
  const struct {
    std::string typed;
    const char* ratio;
    const char* exponent;
  } cases[] = {{"1e39", "(Se'/Se > 1)", "(m' too big)"},
               {huge, "(Se'/Se > 1)", "(m' too big)"},
               {"-1e39", "(Se'/Se < 0)", "(m' < m)"},
               {"1e-50", "(Se'/Se < 0)", "(m' < m)"}};
  for (const auto& c : cases) {
    const std::string& typed = c.typed;
    for (int i : {0, 1}) {
      host.messages.clear();
      Enter(i, typed);
      ASSERT_EQ(host.messages.size(), 1u) << i << " " << typed.substr(0, 8);
      EXPECT_EQ(LastMessage().text, std::string("Sorry, Data Incorrect! ") + (i == 0 ? c.ratio : c.exponent));
      EXPECT_TRUE(md == before);
      box(i).leave();
    }
  }
}

TEST_F(SnExtension, RefusalsNameTheQuantity) {
  struct Case {
    int display, box;
    const char *typed, *text, *title, *restored;
  };
  md.SNExtensionCycles = 22627416;
  md.SNExtensionRatio = 0.5f;
  const Case cases[] = {
      {0, 0, "1.5", "Sorry, Data Incorrect! (Se'/Se > 1)", " SN-Extention (Se')", "0.5"},
      {0, 0, "-0.1", "Sorry, Data Incorrect! (Se'/Se < 0)", " SN-Extention (Se')", "0.5"},
      {1, 0, "1999999", "Sorry, Data Incorrect! (No' < No)", " SN-Extention (No')", "2E+7"},
      {1, 0, "3e13", "Sorry, Data Incorrect! (No' > Nmax)", " SN-Extention (No')", "2E+7"},
      {0, 1, "3.4", "Sorry, Data Incorrect! (m' < m)", " SN-Extention (m')", "3.5"},
  };
  const MaterialData before = md;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    md.SNExtensionDisplay = static_cast<int16_t>(c.display);
    host.messages.clear();
    Enter(c.box, c.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(LastMessage().text, c.text);
    EXPECT_EQ(LastMessage().title, c.title);
    EXPECT_EQ(box(c.box).Text(), c.restored);
    EXPECT_TRUE(box(c.box).HasFocus());
    md.SNExtensionDisplay = before.SNExtensionDisplay;
    EXPECT_TRUE(md == before);
    main.MoveFocus(nullptr);
  }
}

TEST_F(SnExtension, ExponentEqualToMIsAcceptedAndUpdatesTheLife) {
  Enter(0, "0.5");
  Enter(1, "4");
  EXPECT_FLOAT_EQ(md.SNExtensionExponent, 4.0f);
  EXPECT_EQ(md.SNExtensionCycles, 32000000.0f);
  Enter(1, "3.5");
  EXPECT_FLOAT_EQ(md.SNExtensionExponent, 3.5f);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SnExtension, PopupOnlyOnTheFirstLabelWithTheRightButton) {
  host.QueueMenuChoice("No'");
  main.dataBox().ExtSN(1).mouseDown(2, 0, 0, 0);
  EXPECT_TRUE(host.popups.empty());
  main.dataBox().ExtSN(0).mouseDown(2, 0, 0, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_TRUE(host.popups[0][0].checked);
  EXPECT_FALSE(host.popups[0][1].checked);
}

}  // namespace

namespace {

// Up from the ratio box leads to the first job text the user may type.
TEST_F(SnExtension, UpFromTheRatioBoxOpensTheJobText) {
  const struct { int16_t material, loading; const char* box; } cases[] = {
      {2, 2, "Materialt"}, {1, 2, "Loadt"}, {1, 1, "Subjt"}};
  for (const auto& c : cases) {
    md.MaterialSource = c.material;
    state.loadingDbState.LoadingSource = c.loading;
    box(0).SetFocus();
    box(0).keyDown(38);
    ASSERT_NE(main.ActiveControl(), nullptr);
    EXPECT_EQ(main.ActiveControl()->Name(), c.box);
  }
}

}  // namespace
