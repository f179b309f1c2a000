#include "platform/draw/printer_choice.h"

#include <algorithm>

std::string PrinterToUse(const std::string& chosen, const std::vector<std::string>& installed,
                         const std::string& defaultPrinter) {
  if (!chosen.empty() && std::find(installed.begin(), installed.end(), chosen) != installed.end()) return chosen;
  return defaultPrinter;
}
