#include "shell/settings_file.h"

#include <array>

#include "platform/host.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "platform/runtime/whole_numbers.h"

namespace {

constexpr int32_t kMaxColour = 0x00FFFFFF;

// The five colours in the order of the file.
std::array<int32_t ColourSettings::*, 5> FileColours() {
  return {&ColourSettings::ColourSN, &ColourSettings::ColourResults, &ColourSettings::ColourLoading,
          &ColourSettings::ColourDataBox, &ColourSettings::ColourDiagrams};
}

void ReadItems(SeqReader& in, float& lengthUnitFactor, ColourSettings& colours,
               int16_t& toolTipMode) {
  lengthUnitFactor = in.ReadSingle();
  for (auto field : FileColours()) {
    const int32_t colour = in.ReadLong();
    if (colour < 0 || colour > kMaxColour) throw RuntimeError(kErrOverflow);
    colours.*field = colour;
  }
  const int16_t mode = in.ReadInteger();
  if (mode != 0 && mode != 1) throw RuntimeError(kErrOverflow);
  toolTipMode = mode;
  in.ReadInteger();
}

}  // namespace

bool ReadSettingsFile(const std::string& path, float& lengthUnitFactor, ColourSettings& colours,
                      int16_t& toolTipMode) {
  try {
    SeqReader in = SeqReader::Open(path);
    ReadItems(in, lengthUnitFactor, colours, toolTipMode);
    return true;
  } catch (const RuntimeError&) {
    lengthUnitFactor = 1;
    return false;
  }
}

SaveResult WriteSettingsFile(const std::string& path, float lengthUnitFactor,
                             const ColourSettings& colours, int16_t toolTipMode) {
  SeqWriter out;
  out.Print(static_cast<float>(Int(lengthUnitFactor)));
  for (auto field : FileColours()) out.Print(colours.*field);
  out.PrintLine(toolTipMode, int16_t{0});
  return out.Save(path);
}

bool SaveSettingsFile(const std::string& path, float lengthUnitFactor, const ColourSettings& colours,
                      int16_t toolTipMode, Host& host, bool beepEnabled) {
  const SaveResult saved = WriteSettingsFile(path, lengthUnitFactor, colours, toolTipMode);
  if (saved) return true;
  if (beepEnabled) host.Beep();
  host.MsgBox(saved.errorText, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, "Save Settings");
  return false;
}
