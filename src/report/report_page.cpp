#include "report/report_page.h"

#include "engine/analysis_records.h"
#include "platform/draw/surface.h"

void PrintReportPage(Surface& page, const std::vector<std::string>& lines, int16_t analysisMode) {
  page.SetCurrentX(0);
  page.SetCurrentY(0);
  page.ScaleMillimeters();
  page.SetFontName("Courier");
  page.SetFontBold(false);
  page.SetFontItalic(false);
  page.SetFontUnderline(false);
  page.SetFontSize(10);
  page.SetFontName("Courier");
  page.SetCurrentY(analysisMode == analysis_mode::kSingleCase ? 40 : 20);
  for (const std::string& line : lines) page.Print(line);
}
