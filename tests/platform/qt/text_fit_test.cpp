// How a control's widget fits its text: the twips give the rectangle wherever
// the text fits there; a text that needs more room gets it within the frame,
// and a text box is as tall as its font, level with the label beside it.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QWidget>
#include <cmath>
#include <string>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

// A frame of 400 x 200 pixels with a caption, the controls' container.
const ControlDef kRows[] = {
    {.name = "frm", .kind = ControlKind::Frame, .left = 300, .top = 300, .width = 6000, .height = 3000,
     .caption = "Frame"},
};

class TextFit : public ::testing::Test {
 protected:
  FakeHost host;
  Form form{host};
  Frame& frame = Built();

  Frame& Built() {
    form.Move(0, 0, 9000, 6000);
    form.Build(kRows);
    return form.frame("frm");
  }
  int made = 0;

  Label& AddLabel(const std::string& caption, float left, float top, float width, int alignment = kAlignLeft) {
    Label& l = form.Add<Label>("lbl", ++made, &frame);
    l.SetAlignment(alignment);
    l.Move(left, top, width, 255);
    l.SetCaption(caption);
    return l;
  }
  TextBox& AddBox(const std::string& text, float left, float top, float width, float height) {
    TextBox& b = form.Add<TextBox>("box", ++made, &frame);
    b.Move(left, top, width, height);
    b.SetText(text);
    return b;
  }
  static QRect Given(const Control& c) {
    const int x = TwipsToPixelsX(c.Left()), y = TwipsToPixelsY(c.Top());
    return {x, y, TwipsToPixelsX(c.Left() + c.Width()) - x, TwipsToPixelsY(c.Top() + c.Height()) - y};
  }
  static int TextWidth(const Control& c, const std::string& text) {
    const QFontMetricsF fm(c.widget()->font());
    return static_cast<int>(std::ceil(fm.horizontalAdvance(QString::fromStdString(text))));
  }
};

// A label keeps its rectangle where its text fits; where it does not, it
// grows away from the side its text is aligned to, and its twips stay as the
// program wrote them.
TEST_F(TextFit, ALabelGrowsAwayFromItsAlignment) {
  const std::string wide = "Fatigue life:   1.181E+3 [blk]";
  struct Case {
    std::string caption;
    int alignment;
    bool keepsLeft, keepsRight;
  };
  const Case cases[] = {{"fits", kAlignLeft, true, true},
                        {wide, kAlignLeft, true, false},
                        {wide, kAlignRight, false, true},
                        {wide, kAlignCenter, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption + " aligned " + std::to_string(c.alignment));
    Label& l = AddLabel(c.caption, 1500, 600, 900, c.alignment);
    const QRect given = Given(l), shown = l.widget()->geometry();
    EXPECT_EQ(l.Width(), 900);
    EXPECT_GE(shown.width(), TextWidth(l, c.caption));
    EXPECT_EQ(shown.left() == given.left(), c.keepsLeft);
    EXPECT_EQ(shown.right() == given.right(), c.keepsRight);
    EXPECT_EQ(shown.top(), given.top());
    l.SetVisible(false);
  }
}

// A control stays inside its frame: below the caption and inside the border.
// What the twips put past the edge is cut off; a label that grew past it
// moves back in; one that cannot get the room draws its text condensed.
TEST_F(TextFit, ControlsStayInsideTheirFrame) {
  TextBox& past = AddBox("Batch 1", 4500, 600, 2775, 255);
  EXPECT_LE(past.widget()->geometry().right(), frame.widget()->width() - 2) << "cut at the border";
  EXPECT_EQ(past.widget()->geometry().left(), Given(past).left());

  Label& high = AddLabel("Under the caption?", 600, 0, 2000);
  EXPECT_GE(high.widget()->geometry().top(), QFontMetrics(frame.widget()->font()).height()) << "below the caption";

  const std::string wide = "A caption much wider than the room at the frame's edge";
  Label& grown = AddLabel(wide, 3000, 1200, 600);
  EXPECT_LE(grown.widget()->geometry().right(), frame.widget()->width() - 2);
  EXPECT_GE(grown.widget()->geometry().width(), TextWidth(grown, wide)) << "moved back in whole";

  const std::string tooWide = wide + ", and longer still than the whole frame";
  Label& condensed = AddLabel(tooWide, 150, 1800, 600);
  EXPECT_LE(condensed.widget()->geometry().right(), frame.widget()->width() - 2);
  EXPECT_LT(condensed.widget()->font().stretch(), 100);
  EXPECT_GE(condensed.widget()->font().stretch(), 80);
}

// A text box is as tall as its font needs, its text level with the label it
// stands beside; over a caption it covers the caption's whole number, and it
// keeps clear of a word that starts under its edge.
TEST_F(TextFit, TextBoxesStandLevelWithTheirLabelsAndClearOfOtherWords) {
  Label& caption = AddLabel("No = 2E+6 cycles", 600, 600, 0);
  caption.SetAutoSize(true);
  caption.SetCaption("No = ");
  TextBox& value = AddBox("2E+6", caption.Left() + caption.Width(), 600, 400, 600);
  caption.SetCaption("No = 2E+6 cycles");
  const QRect box = value.widget()->geometry();
  const QFontMetrics fm(value.widget()->font());
  EXPECT_EQ(box.height(), fm.height() + 2);
  const QRect text = caption.widget()->geometry();
  EXPECT_EQ(box.top() + 1 + fm.ascent(), text.top() + QFontMetrics(caption.widget()->font()).ascent())
      << "one baseline";
  const QFontMetricsF cf(caption.widget()->font());
  const double numberStart = text.left() + cf.horizontalAdvance("No = ");
  const double numberEnd = text.left() + cf.horizontalAdvance("No = 2E+6");
  EXPECT_LE(box.left(), numberStart);
  EXPECT_GE(box.left() + box.width(), numberEnd);
  EXPECT_LE(box.left() + box.width(), text.left() + cf.horizontalAdvance("No = 2E+6 ")) << "clear of the unit";

  // The batch box reaching 15 twips into "of".
  TextBox& batch = AddBox("1", 1320, 1500, 375, 345);
  Label& of = AddLabel("of", 1680, 1500, 255);
  EXPECT_LT(batch.widget()->geometry().right(), of.widget()->geometry().left());
}

// Two captions starting level, one row close above the other (the lower
// and the upper endurance limit on the S-N diagram): each box stands level
// with its own caption, not both with the first one made.
TEST_F(TextFit, BoxesOfCloseRowsStandEachWithItsOwnCaption) {
  Label& lower = AddLabel("Se = ", 600, 2330, 0);
  Label& upper = AddLabel("Se =  Max. ", 600, 2090, 0);
  for (Label* l : {&lower, &upper}) l->SetAutoSize(true);
  TextBox& lowerBox = AddBox("50.0", lower.Left() + lower.Width(), lower.Top(), 400, 255);
  TextBox& upperBox = AddBox("80.0", lower.Left() + lower.Width(), upper.Top(), 400, 255);
  const QFontMetrics fm(lowerBox.widget()->font());
  for (const auto& [box, caption] : {std::pair{&lowerBox, &lower}, std::pair{&upperBox, &upper}}) {
    EXPECT_EQ(box->widget()->geometry().top() + 1 + fm.ascent(),
              caption->widget()->geometry().top() + QFontMetrics(caption->widget()->font()).ascent())
        << caption->Caption();
  }
  EXPECT_FALSE(lowerBox.widget()->geometry().intersects(upperBox.widget()->geometry().adjusted(0, 0, 0, -2)));
}

}  // namespace
