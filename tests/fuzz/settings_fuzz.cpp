// The settings file "Duvak.cfg": whatever a file holds, a refused one leaves
// SI units and only valid colours and tip modes (the items read before the
// failure stay, as start-up takes them); an accepted one, saved again by
// "&Save Settings" and read back, gives the same settings.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "shell/colour_settings.h"
#include "shell/settings_file.h"
#include "shell/unit_settings.h"

namespace {

bool ValidColours(const ColourSettings& c) {
  for (int32_t colour : {c.ColourSN, c.ColourResults, c.ColourLoading, c.ColourDataBox, c.ColourDiagrams})
    if (colour < 0 || colour > 0x00FFFFFF) return false;
  return true;
}

struct Settings {
  float lengthUnitFactor = 1;
  ColourSettings colours = StartColours(-1);
  int16_t toolTipMode = 0;

  bool Read(const std::string& path) { return ReadSettingsFile(path, lengthUnitFactor, colours, toolTipMode); }
  // Start-up's units step: exactly 1 is SI, anything else US.
  void ApplyUnits() { lengthUnitFactor = UnitsOf(UnitSystemOf(lengthUnitFactor)).LengthUnitFactor; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzPath("Duvak.cfg");
  FuzzFolder().Write("Duvak.cfg", std::string(reinterpret_cast<const char*>(data), size));
  Settings first;
  const bool accepted = first.Read(path);
  FUZZ_CHECK(ValidColours(first.colours));
  FUZZ_CHECK(first.toolTipMode == 0 || first.toolTipMode == 1);
  if (!accepted) {
    FUZZ_CHECK(first.lengthUnitFactor == 1.0f);
    return 0;
  }
  first.ApplyUnits();
  const std::string saved = FuzzPath("saved.cfg");
  FUZZ_CHECK(WriteSettingsFile(saved, first.lengthUnitFactor, first.colours, first.toolTipMode));
  Settings again;
  FUZZ_CHECK(again.Read(saved));
  again.ApplyUnits();
  FUZZ_CHECK(again.lengthUnitFactor == first.lengthUnitFactor);
  FUZZ_CHECK(again.colours == first.colours);
  FUZZ_CHECK(again.toolTipMode == first.toolTipMode);
  return 0;
}
