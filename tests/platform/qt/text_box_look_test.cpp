// How a single-line text box shows its text: a box sized to its text (so many
// twips a character, as the program sizes its value boxes) shows every
// character, and whatever height the program gives it, its text stands level
// with a label beside it.

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/form.h"
#include "support/control_ink.h"
#include "support/fake_host.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;

class TextBoxLook : public ::testing::Test {
 protected:
  FakeHost host;
  Form form{host, "form_main"};

  TextBoxLook() { form.Move(0, 0, 12000, 6000); }

  // Each case makes its own controls and hides them when done.
  int made = 0;
  TextBox& Box(const std::string& text, float points, float width, float height) {
    TextBox& b = form.Add<TextBox>("box", ++made);
    b.SetFontSize(points);
    b.SetBackColor(kWhite);
    b.SetForeColor(0);
    b.Move(600, 600, width, height);
    b.SetText(text);
    return b;
  }
};

TEST_F(TextBoxLook, ABoxSizedToItsTextShowsEveryCharacter) {
  struct Case {
    const char* text;
    float points;
    float fontScale;
  };
  const Case cases[] = {
      {"1000", 9, 1.0f}, {"1000", 9, 1.25f}, {"1000", 8.25f, 1.25f}, {"12345678", 9, 1.25f},
      {"25.0", 9, 1.0f}, {"0.25", 9, 1.25f}, {"100.0", 9, 1.152f},   {"3.0", 8.25f, 1.0f},
  };
  // Two places: the box's width in whole pixels rounds up at one, down at the other.
  for (const Case& c : cases)
    for (float left : {600.0f, 607.5f}) {
      const std::string what =
          std::string(c.text) + " at " + std::to_string(c.points * c.fontScale) + " pt, left " + std::to_string(left);
      const auto chars = static_cast<float>(std::string(c.text).size());
      TextBox& fitted = Box(c.text, c.points * c.fontScale, chars * 100 * c.fontScale, 240 * c.fontScale);
      fitted.SetLeft(left);
      const ControlInk shown = InkOf(form, fitted, 1);
      fitted.SetWidth(chars * 400);
      const ControlInk whole = InkOf(form, fitted, 1);
      ASSERT_TRUE(shown.Any() && whole.Any()) << what;
      fitted.SetWidth(chars * 100 * c.fontScale);
      // Nothing runs under the right edge: the column inside the border is clear
      // (a cut text would run on to the edge) ...
      EXPECT_LT(shown.right, fitted.widget()->width() - 2) << what;
      // ... and no character is missing: at most a slight condensing.
      EXPECT_GE(shown.Width(), whole.Width() * 80 / 100) << what;
      EXPECT_LE(shown.left, 3) << what << ": the text starts right inside the border";
      fitted.SetVisible(false);
    }
}

TEST_F(TextBoxLook, TextStandsLevelWithTheLabelBesideIt) {
  for (float height : {240.0f, 285.0f, 427.5f}) {
    Label& label = form.Add<Label>("tag", ++made);
    label.SetFontSize(10.3125f);
    label.SetForeColor(0);
    label.SetAutoSize(true);
    label.Move(300, 600, 0, 0);
    label.SetCaption("SUBJECT:");
    TextBox& box = Box("SUBJECT:", 10.3125f, 2400, height);
    box.SetLeft(3000);
    EXPECT_NEAR(InkTopInWindow(form, box, 1), InkTopInWindow(form, label), 2) << "box height " << height;
    box.SetVisible(false);
    label.SetVisible(false);
  }
}

}  // namespace
