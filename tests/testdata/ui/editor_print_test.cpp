// The test data diagram on the printer (a PDF here) and in bitmaps, from the
// second window's "Print &Screen" menu: every copy and every bitmap comes
// out alike, and the reference life box stays beside its label.

#include <QColor>
#include <QImage>

#include "editor_fixture.h"
#include "platform/draw/printer_surface.h"
#include "support/pdf_tools.h"

namespace {

class EditorPrint : public EditorUi {
 protected:
  void SetUp() override {
    if (!main.Printer().DeviceName().empty()) GTEST_SKIP() << "a printer is installed";
    OpenWith(WeldSeries());
    ASSERT_TRUE(show.Res_probT(3).Visible());
    boxLeft = show.Res_probT(3).Left();
    boxTop = show.Res_probT(3).Top();
    host.messages.clear();
  }
  std::string Path(const std::string& name) const { return (folder.path() / name).string(); }

  // The reference life box is on show where the pane's drawing put it.
  void ExpectReferenceLifeBoxBesideItsLabel(const char* after) const {
    const TextBox& box = show.Res_probT(3);
    EXPECT_TRUE(box.IsShowing()) << after;
    EXPECT_EQ(box.Text(), "2.0E+6 ") << after;
    EXPECT_EQ(box.Left(), boxLeft) << after;
    EXPECT_EQ(box.Top(), boxTop) << after;
  }

  // The share of an image's pixels in the colour of the points used in the
  // fit (&HC00000): the eight small points, not a filled frame.
  static double UsedPointShare(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c(image.pixel(x, y));
        n += c.red() < 40 && c.green() < 40 && c.blue() > 150 && c.blue() < 230;
      }
    return static_cast<double>(n) / (image.width() * image.height());
  }

  float boxLeft = 0, boxTop = 0;
};

TEST_F(EditorPrint, TwoCopiesOnThePrinterAreAlike) {
  show.PrintDlg.Copies = 2;
  host.saveAnswers = {Path("first.pdf"), Path("second.pdf")};
  Choose(show.mnu_prt_form);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  const QImage first(QString::fromStdString(RenderPdfFirstPage(Path("first.pdf"), folder.path() / "first", 100)));
  const QImage second(QString::fromStdString(RenderPdfFirstPage(Path("second.pdf"), folder.path() / "second", 100)));
  ASSERT_FALSE(first.isNull());
  EXPECT_TRUE(first == second) << "the second copy differs from the first";
  EXPECT_GT(UsedPointShare(second), 0.0);
  EXPECT_LT(UsedPointShare(second), 0.002);
  for (const char* name : {"first.pdf", "second.pdf"}) {
    const std::string text = SingleBlanks(PdfText(Path(name)));
    EXPECT_NE(text.find("Fatigue Test Data"), std::string::npos) << name << ": " << text;
    EXPECT_NE(text.find("No of Points: 8"), std::string::npos) << name << ": " << text;
  }
  ExpectReferenceLifeBoxBesideItsLabel("printing");
}

TEST_F(EditorPrint, TwoBitmapsInARowAreAlike) {
  for (const char* name : {"first.bmp", "second.bmp"}) {
    host.saveAnswers.push_back(Path(name));
    Choose(show.mnu_tobmp);
    ExpectReferenceLifeBoxBesideItsLabel(name);
  }
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  const std::string first = folder.Read("first.bmp");
  ASSERT_FALSE(first.empty());
  EXPECT_TRUE(first == folder.Read("second.bmp")) << "the second bitmap differs from the first";
  const QImage image(QString::fromStdString(Path("second.bmp")));
  EXPECT_GT(UsedPointShare(image), 0.0);
  EXPECT_LT(UsedPointShare(image), 0.002);
}

}  // namespace
