#pragma once

#include <string>
#include <vector>

// The printer a document goes to: the one chosen in a print setup while it
// is still installed, else the default printer; "" where there is neither
// (the document then goes to a PDF file).
std::string PrinterToUse(const std::string& chosen, const std::vector<std::string>& installed,
                         const std::string& defaultPrinter);
