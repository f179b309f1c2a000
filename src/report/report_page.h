#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Surface;

// The printed summary report on a page: from the top left corner of the
// printable area in millimetres, in "Courier" 10 pt (fixed pitch, so the
// blanks of the lines keep their columns), the first line 40 mm down for a
// single case and 20 mm for a master curve (analysisMode 2), one line below
// the other.
void PrintReportPage(Surface& page, const std::vector<std::string>& lines, int16_t analysisMode);
