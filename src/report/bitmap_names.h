#pragma once

#include <string>

// The file that takes the main screen beside a bitmap of the second window:
// the chosen name without its last four characters (normally ".bmp")
// followed by "_m.bmp"; a name of fewer than four characters is kept whole.
// Characters are counted in UTF-8, so no character is cut in two.
std::string MainScreenBitmapName(const std::string& chosen);
