// The program's entry: the application object and, until the main window
// exists, a small window that shows the controls and a drawing.
#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/draw/surface.h"
#include "platform/qt/app_fonts.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/form.h"

namespace {

const ControlDef kControls[] = {
    {.name = "frm_SN", .kind = ControlKind::Frame, .left = 120, .top = 120, .width = 4200, .height = 2400,
     .caption = "S-N Data", .fontName = "Arial", .fontSize = 12, .bold = true, .italic = true},
    {.name = "SNSe", .index = 0, .kind = ControlKind::Label, .parent = "frm_SN", .left = 240, .top = 480, .width = 1800, .height = 285,
     .caption = "Endurance limit Se"},
    {.name = "SNset", .index = 0, .kind = ControlKind::TextBox, .parent = "frm_SN", .left = 2280, .top = 450, .width = 1200, .height = 315,
     .caption = "100.0", .tabIndex = 1},
    {.name = "SNSe", .index = 1, .kind = ControlKind::Label, .parent = "frm_SN", .left = 240, .top = 900, .width = 1800, .height = 285,
     .caption = "Slope m"},
    {.name = "SNset", .index = 1, .kind = ControlKind::TextBox, .parent = "frm_SN", .left = 2280, .top = 870, .width = 1200, .height = 315,
     .caption = "5.0", .tabIndex = 2},
    {.name = "chk_plain", .kind = ControlKind::OptionButton, .parent = "frm_SN", .left = 240, .top = 1380, .width = 1800, .height = 285,
     .caption = "Plain specimen", .value = 1},
    {.name = "chk_feature", .kind = ControlKind::OptionButton, .parent = "frm_SN", .left = 240, .top = 1740, .width = 1800, .height = 285,
     .caption = "Feature"},
    {.name = "chk_beep", .kind = ControlKind::CheckBox, .parent = "frm_SN", .left = 2280, .top = 1380, .width = 1500, .height = 285,
     .caption = "Beep", .value = 1},
    {.name = "cmd_run", .kind = ControlKind::CommandButton, .left = 120, .top = 2700, .width = 1200, .height = 400, .caption = "&Run",
     .tabIndex = 3, .isDefault = true},
    {.name = "cmd_clear", .kind = ControlKind::CommandButton, .left = 1440, .top = 2700, .width = 1200, .height = 400, .caption = "&Clear",
     .tabIndex = 4},
    {.name = "Result", .kind = ControlKind::Label, .left = 120, .top = 3300, .width = 4200, .height = 285, .caption = "Life: ---",
     .foreColor = 0xC00000, .autoSize = true},
    {.name = "Line1", .kind = ControlKind::Line, .x1 = 120, .y1 = 3750, .x2 = 4320, .y2 = 3750, .borderWidth = 2},
    {.name = "Pic_SN", .kind = ControlKind::PictureBox, .left = 4500, .top = 200, .width = 5400, .height = 3900},
};

const MenuDef kMenus[] = {
    {.name = "mnu_file", .caption = "&File"},
    {.name = "mnu_exit", .parent = "mnu_file", .caption = "E&xit"},
    {.name = "mnu_Run", .caption = "&Run"},
    {.name = "mnu_calculate", .parent = "mnu_Run", .caption = "&Calculate"},
    {.name = "mnu_help", .caption = "&Help"},
    {.name = "mnu_about", .parent = "mnu_help", .caption = "&About..."},
};

// An S-N line on log axes, drawn with y growing upwards.
void DrawSnCurve(Surface& s, double se, double m) {
  s.Cls();
  s.Scale(-0.6, 3.4, 8.4, 0.6);  // log10 N from 0 to 8, log10 S from 1 to 3
  s.SetForeColor(0);
  s.Line(0, 1, 8, 3, -1, Surface::kBox);
  s.SetDrawStyle(Surface::kDot);
  for (int n = 1; n < 8; ++n) s.Line(n, 1, n, 3, 0x808080);
  s.SetDrawStyle(Surface::kSolid);
  s.SetDrawWidth(2);
  const double logSe = std::log10(se), logNo = 6;
  s.Line(0, logSe + logNo / m, logNo, logSe, 0xC00000);
  s.LineTo(8, logSe, 0xC00000);
  s.SetDrawWidth(1);
  s.SetCurrentX(0.2);
  s.SetCurrentY(3.3);
  s.SetFontName("Arial");
  s.SetFontSize(10);
  s.SetFontBold(true);
  s.Print("S-N Curve");
  s.SetFontBold(false);
  s.SetFontSize(8.25);
  s.SetCurrentX(6.4);
  s.SetCurrentY(1.0);
  s.Print("log N");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallApplicationFonts();
  QtHost host;
  Form form(host, "form_main");
  form.SetCaption(" Fatigue Life Analysis Software");
  form.Move(600, 600, 10200, 4800);
  form.Build(kControls);
  form.BuildMenus(kMenus);
  host.SetParentWindow(form.widget());

  auto redraw = [&] {
    const double se = std::max(1.0, std::strtod(form.textBox("SNset", 0).Text().c_str(), nullptr));
    const double m = std::max(1.0, std::strtod(form.textBox("SNset", 1).Text().c_str(), nullptr));
    DrawSnCurve(form.picture("Pic_SN").surface(), se, m);
    form.label("Result").SetCaption("Life at Se: 1E+6 cycles (m = " + form.textBox("SNset", 1).Text() + ")");
  };
  form.button("cmd_run").onClick = redraw;
  form.menu("mnu_calculate").onClick = redraw;
  form.button("cmd_clear").onClick = [&] { form.picture("Pic_SN").surface().Cls(); };
  form.menu("mnu_exit").onClick = [&] { form.Unload(); };
  form.menu("mnu_about").onClick = [&] {
    host.MsgBox("Fatigue Life Analysis Software\rNominal stress approach", MsgButtons::OKOnly, MsgIcon::Information, 1, " About");
  };

  form.Show();
  redraw();
  return app.exec();
}
