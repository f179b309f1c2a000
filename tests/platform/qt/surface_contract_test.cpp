// The rules every drawing surface shares, checked on each implementation.
#include <gtest/gtest.h>

#include <QSize>
#include <filesystem>
#include <functional>
#include <ostream>
#include <memory>

#include "platform/draw/hidden_picture.h"
#include "platform/draw/printer_surface.h"
#include "platform/qt/image_surface.h"
#include "support/recording_surface.h"

namespace {

struct Maker {
  const char* name;
  std::function<std::unique_ptr<Surface>()> make;
};

const Maker kMakers[] = {
    {"Picture", [] { return std::make_unique<ImageSurface>([] { return QSize(400, 300); }); }},
    {"HiddenPicture",
     [] {
       auto p = std::make_unique<HiddenPicture>();
       p->SetWidth(6000);
       p->SetHeight(4500);
       return p;
     }},
    {"Printer", [] { return std::make_unique<PrinterSurface>(); }},  // draws nothing here: only state
    {"Recording", [] { return std::make_unique<RecordingSurface>(6000, 4500); }},
};

void PrintTo(const Maker& maker, std::ostream* os) { *os << maker.name; }

class SurfaceContract : public ::testing::TestWithParam<Maker> {
 protected:
  void SetUp() override { surface = GetParam().make(); }
  std::unique_ptr<Surface> surface;
};

TEST_P(SurfaceContract, ScaleSettersAndTwipsScale) {
  Surface& s = *surface;
  // The default scale covers the drawing area: the whole picture, or the
  // printable area inside the printer's paper.
  const double w = s.ScaleWidth();
  const double h = s.ScaleHeight();
  EXPECT_GT(w, 0);
  if (s.IsPrinter()) {
    EXPECT_LT(w, s.Width());
    EXPECT_LT(h, s.Height());
  } else {
    EXPECT_DOUBLE_EQ(w, s.Width());
    EXPECT_DOUBLE_EQ(h, s.Height());
  }
  s.Scale(0, h, w, 0);
  EXPECT_DOUBLE_EQ(s.ScaleTop(), h);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), -h);
  EXPECT_NEAR(s.ScaleYToPixels(-h), s.ScaleXToPixels(w) * h / w, 1e-6);
  s.SetScaleLeft(s.ScaleLeft() - 700);
  s.SetScaleTop(s.ScaleTop() - 300);
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), -700);
  EXPECT_DOUBLE_EQ(s.ScaleTop(), h - 300);
  s.ScaleTwips();
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), h);
  s.SetScaleLeft(100);  // setting one part keeps the others of the twips scale
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), w);
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 100);
  s.ScaleTwips();
  s.SetFontSize(10);
  const double pixelsAcross = s.ScaleXToPixels(w);
  const double lineTwips = s.TextHeight("x");
  s.ScalePixels();
  EXPECT_NEAR(s.ScaleXToPixels(10), 10, 1e-9);
  EXPECT_NEAR(s.ScaleYToPixels(10), 10, 1e-9);
  EXPECT_NEAR(s.ScaleWidth(), pixelsAcross, 1e-6);
  s.ScaleMillimeters();
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);
  EXPECT_NEAR(s.ScaleWidth(), w * 25.4 / 1440, 1e-9);
  EXPECT_NEAR(s.ScaleXToPixels(25.4), pixelsAcross * 1440 / w, 1e-9);
  EXPECT_NEAR(s.TextHeight("x"), lineTwips * 25.4 / 1440, 1e-9);
}

TEST_P(SurfaceContract, PenFollowsLinesCirclesAndText) {
  Surface& s = *surface;
  auto* printer = dynamic_cast<PrinterSurface*>(&s);
  if (printer) printer->SetPdfFile((std::filesystem::temp_directory_path() / "surface_contract.pdf").string());
  s.Line(10, 20, 300, 400);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 300);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 400);
  s.Circle(1000, 900, 200);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 1000);
  s.PSet(5, 6);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 6);

  s.SetFontSize(12);
  s.SetCurrentX(100);
  s.SetCurrentY(200);
  const double tw = s.TextWidth("Cycles");
  s.Print("Cycles", true);
  EXPECT_NEAR(s.CurrentX(), 100 + tw, 1e-9);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 200);
  s.Print("N");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_NEAR(s.CurrentY(), 200 + s.TextHeight("N"), 1e-9);

  s.Scale(-50, 100, 50, 0);
  EXPECT_LT(s.TextHeight("N"), 0);
  EXPECT_GT(s.TextWidth("N"), 0);
  s.SetCurrentY(50);
  s.Print("N");
  EXPECT_DOUBLE_EQ(s.CurrentX(), -50);
  s.Cls();
  EXPECT_DOUBLE_EQ(s.CurrentX(), -50);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 100);
  if (printer) printer->KillDoc();
}

TEST_P(SurfaceContract, PropertiesReadBackAsWritten) {
  Surface& s = *surface;
  s.SetFontName("Courier New");
  s.SetFontSize(6.5);
  s.SetFontBold(true);
  s.SetFontItalic(true);
  s.SetFontUnderline(true);
  s.SetForeColor(0x808080);
  s.SetFillColor(0xC000C0);
  s.SetFillStyle(Surface::kFillSolid);
  s.SetDrawWidth(5);
  s.SetDrawStyle(Surface::kDot);
  EXPECT_EQ(s.FontName(), "Courier New");
  EXPECT_DOUBLE_EQ(s.FontSize(), 6.5);
  EXPECT_TRUE(s.FontBold());
  EXPECT_TRUE(s.FontItalic());
  EXPECT_TRUE(s.FontUnderline());
  EXPECT_EQ(s.ForeColor(), 0x808080);
  EXPECT_EQ(s.FillColor(), 0xC000C0);
  EXPECT_EQ(s.FillStyle(), Surface::kFillSolid);
  EXPECT_EQ(s.DrawWidth(), 5);
  EXPECT_EQ(s.DrawStyle(), Surface::kDot);
}

INSTANTIATE_TEST_SUITE_P(AllSurfaces, SurfaceContract, ::testing::ValuesIn(kMakers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
