#include "platform/draw/printer_surface.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>

#include "platform/draw/printer_choice.h"
#include "platform/qt/window_grab.h"
#include "support/pdf_tools.h"
#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

class PrinterSurfaceTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"printer_surface_test"};
  const fs::path& dir = folder.path();

  // The first page at 50 dpi.
  QImage RenderFirstPage(const fs::path& pdf) const {
    return QImage(QString::fromStdString(RenderPdfFirstPage(pdf, dir / "page", 50).string()));
  }

  static int CountPixels(const QImage& page, QRect area, bool (*match)(QColor)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += page.valid(x, y) && match(QColor(page.pixel(x, y)));
    return n;
  }
  static bool Dark(QColor c) { return c.lightness() < 100; }
  // The printer's margin (the PDF's is the same on every side), in pixels of
  // a page rendered at 50 dpi.
  static int MarginAt50Dpi(const PrinterSurface& printer) {
    return static_cast<int>(std::lround((printer.Width() - printer.ScaleWidth()) / 2 / 1440 * 50));
  }
  static bool Red(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }

  size_t FileCount() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST(PrinterToUse, TheChosenPrinterWhileInstalledThenTheDefault) {
  const std::vector<std::string> installed{"Office laser", "Plotter"};
  struct Case {
    std::string chosen, defaultPrinter, expected;
  };
  const Case cases[] = {
      {"Plotter", "Office laser", "Plotter"},
      {"", "Office laser", "Office laser"},       // none chosen
      {"Old inkjet", "Office laser", "Office laser"},  // the chosen one is gone
      {"plotter", "Office laser", "Office laser"},     // names are compared exactly
      {"Old inkjet", "", ""},                     // no default either: a PDF file
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrinterToUse(c.chosen, installed, c.defaultPrinter), c.expected) << c.chosen << " / " << c.defaultPrinter;
  EXPECT_EQ(PrinterToUse("Plotter", {}, ""), "");
}

TEST_F(PrinterSurfaceTest, PrintsTextAndLinesToAPdfPage) {
  const fs::path pdf = dir / "out.pdf";
  PrinterSurface printer;
  printer.SetPdfFile(pdf.string());
  Surface& s = printer;
  EXPECT_TRUE(s.IsPrinter());
  EXPECT_FALSE(s.IsHiddenPicture());
  printer.SetOrientation(2);
  EXPECT_EQ(printer.Orientation(), 2);
  EXPECT_GT(s.Width(), s.Height());
  // The scale covers the printable area, inside the paper by the margins.
  const double margin = (s.Width() - s.ScaleWidth()) / 2;
  EXPECT_GT(margin, 0);
  EXPECT_NEAR(s.Height() - s.ScaleHeight(), 2 * margin, 1e-6);
  const int m = MarginAt50Dpi(printer);

  s.SetFontName("Arial");
  s.SetFontSize(24);
  s.SetCurrentX(1440);  // one inch from the top left
  s.SetCurrentY(1440);
  s.Print("Fatigue Life");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_GT(s.CurrentY(), 1440 + 400);
  s.SetDrawWidth(10);
  s.Line(1440, 4320, 7200, 4320, 0);  // three inches down
  EXPECT_TRUE(printer.InDocument());
  EXPECT_FALSE(fs::exists(pdf));  // written beside the target until the end
  ASSERT_TRUE(printer.EndDoc()) << printer.LastError();
  EXPECT_FALSE(printer.InDocument());
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(FileCount(), 1u);

  EXPECT_NE(RunCommand("pdftotext '" + pdf.string() + "' -").find("Fatigue Life"), std::string::npos);
  const QImage page = RenderFirstPage(pdf);
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(page.width(), page.height());
  // Measured from the printable area's top left corner.
  EXPECT_EQ(CountPixels(page, QRect(0, 0, m + 45, m + 45), Dark), 0);
  EXPECT_GT(CountPixels(page, QRect(m + 50, m + 50, 150, 20), Dark), 30);   // the text
  EXPECT_GT(CountPixels(page, QRect(m + 60, m + 148, 200, 4), Dark), 150);  // the line
  EXPECT_EQ(CountPixels(page, QRect(m + 50, m + 100, 300, 40), Dark), 0);
}

TEST_F(PrinterSurfaceTest, NewPageAndOneDocumentPerCopy) {
  PrinterSurface printer;
  for (int copy = 1; copy <= 2; ++copy) {
    const fs::path pdf = dir / ("copy" + std::to_string(copy) + ".pdf");
    printer.SetPdfFile(pdf.string());
    printer.Print("page one");
    printer.NewPage();
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    printer.Print("page two");
    ASSERT_TRUE(printer.EndDoc());
    const std::string info = RunCommand("pdfinfo '" + pdf.string() + "'");
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+2\\n"))) << info;
  }
  EXPECT_EQ(FileCount(), 2u);
}

TEST_F(PrinterSurfaceTest, TextBelowThePageGoesOnANewPage) {
  const fs::path pdf = dir / "long.pdf";
  PrinterSurface printer;
  printer.SetPdfFile(pdf.string());
  printer.ScaleMillimeters();
  printer.SetFontName("Courier");
  printer.SetFontSize(10);
  printer.SetCurrentY(40);
  const double pageHeight = printer.ScaleHeight();
  for (int line = 1; line <= 80; ++line) {
    printer.SetCurrentX(20);
    printer.Print("line " + std::to_string(line));
    EXPECT_LE(printer.CurrentY(), pageHeight + printer.TextHeight("x"));
  }
  ASSERT_TRUE(printer.EndDoc());
  const std::string info = RunCommand("pdfinfo '" + pdf.string() + "'");
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+2\\n"))) << info;
  const std::string text = RunCommand("pdftotext '" + pdf.string() + "' -");
  for (const char* line : {"line 1\n", "line 50\n", "line 80\n"}) EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST_F(PrinterSurfaceTest, KillDocLeavesNoFile) {
  PrinterSurface printer;
  printer.SetPdfFile((dir / "killed.pdf").string());
  printer.Print("never");
  printer.KillDoc();
  EXPECT_FALSE(printer.InDocument());
  EXPECT_EQ(FileCount(), 0u);
  EXPECT_TRUE(printer.EndDoc());  // nothing open: nothing to do
}

TEST_F(PrinterSurfaceTest, WithoutPrinterAsksForThePdfNameOncePerDocument) {
  PrinterSurface printer;
  if (!printer.DeviceName().empty()) GTEST_SKIP() << "a printer is installed";
  int asked = 0;
  std::string answer;
  printer.SetPdfNameSource([&] {
    ++asked;
    return answer;
  });
  printer.Print("dropped");  // cancelled: the drawing goes nowhere
  printer.Line(0, 0, 1000, 1000);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(printer.EndDoc());
  EXPECT_EQ(printer.LastError(), "Printing cancelled");
  EXPECT_EQ(FileCount(), 0u);

  answer = (dir / "asked.pdf").string();
  printer.Print("kept");
  printer.Print("kept too");
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(printer.EndDoc());
  EXPECT_TRUE(fs::exists(answer));
}

TEST_F(PrinterSurfaceTest, UnwritablePdfFailsWithAMessage) {
  PrinterSurface printer;
  printer.SetPdfFile((dir / "no" / "such" / "x.pdf").string());
  printer.Print("x");
  EXPECT_FALSE(printer.EndDoc());
  EXPECT_FALSE(printer.LastError().empty());
}

TEST_F(PrinterSurfaceTest, DrawsAWindowImageScaled) {
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  const fs::path pdf = dir / "image.pdf";
  PrinterSurface printer;
  printer.SetPdfFile(pdf.string());
  printer.PSet(0, 0, 0);
  printer.DrawImage(MakeWindowImage(red), 1440, 1440, 2880, 1440);  // 2 x 1 inch
  ASSERT_TRUE(printer.EndDoc());
  const QImage page = RenderFirstPage(pdf);
  const int m = MarginAt50Dpi(printer);
  EXPECT_GT(CountPixels(page, QRect(m + 55, m + 55, 90, 40), Red), 90 * 40 - 10);
  EXPECT_EQ(CountPixels(page, QRect(m + 155, m + 50, 20, 50), Red), 0);
  EXPECT_EQ(CountPixels(page, QRect(m + 50, m + 105, 100, 20), Red), 0);
}

}  // namespace
