#pragma once

#include <cstdint>
#include <string>

#include "platform/runtime/atomic_file.h"
#include "shell/colour_settings.h"

class Host;

// The settings file "Duvak.cfg" in the current folder: one line of eight
// numbers in the print form, CR LF ended:
//   unit flag (Single: 1 SI, 0 US); ColourSN; ColourResults; ColourLoading;
//   ColourDataBox; ColourDiagrams (Long); ToolTipMode (Integer); 0 (Integer)
inline constexpr const char* kSettingsFileName = "Duvak.cfg";

// Reads the eight items in order, whatever the line breaks: the unit flag goes
// into lengthUnitFactor as it stands (the caller's units step takes exactly 1
// as SI and anything else as US), the colours into `colours`, the tip mode
// into toolTipMode; the eighth item is read and not used. Each item is taken
// as soon as it is read. A colour outside 0..0x00FFFFFF or a tip mode other
// than 0 or 1 counts as unreadable and is not taken.
// Returns true when all eight items were read. When the file is missing, short
// or unreadable it returns false and sets lengthUnitFactor to 1 (SI); the items
// read before the failure stay taken, the others keep their values. No message
// is shown: a missing settings file is normal.
bool ReadSettingsFile(const std::string& path, float& lengthUnitFactor, ColourSettings& colours,
                      int16_t& toolTipMode);

// Writes the settings line to `path` by atomic replacement; the result carries
// the runtime's error text when the file could not be written.
SaveResult WriteSettingsFile(const std::string& path, float lengthUnitFactor,
                             const ColourSettings& colours, int16_t toolTipMode);

// "&Save Settings": writes the file and reports a failure with the runtime's
// error text (a beep when `beepEnabled`, then OK, exclamation, title
// "Save Settings"). Returns whether the file was written.
bool SaveSettingsFile(const std::string& path, float lengthUnitFactor, const ColourSettings& colours,
                      int16_t toolTipMode, Host& host, bool beepEnabled = true);
