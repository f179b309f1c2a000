#include "shell/colour_settings.h"

namespace {

// One colour set: SN, Results, Loading, DataBox, Diagrams.
struct DiagramColours {
  int32_t sn, results, loading, dataBox, diagrams;
};

// Pastel colours on displays with more than 256 colours, full colours otherwise.
constexpr DiagramColours kStartPastel{0x0080FFFF, 0x0080FF80, 0x00FFFFFF, 0x00FFFF80, 0x00FFFF80};
constexpr DiagramColours kStartFull{0x0000FFFF, 0x0000FF00, 0x00FFFFFF, 0x00FFFF00, 0x00FFFF00};
constexpr DiagramColours kFactoryPastel{0x0080FFFF, 0x0080FF80, 0x00FFFFFF, 0x00FFFF80, 0x00FFC0C0};
constexpr DiagramColours kFactoryFull{0x0000FFFF, 0x0000FF00, 0x00FFFFFF, 0x00FFFF00, 0x00FF8080};

void Apply(ColourSettings& c, const DiagramColours& d) {
  c.ColourSN = d.sn;
  c.ColourResults = d.results;
  c.ColourLoading = d.loading;
  c.ColourDataBox = d.dataBox;
  c.ColourDiagrams = d.diagrams;
}

}  // namespace

ColourSettings StartColours(int displayColourCount) {
  const bool pastel = displayColourCount == -1;
  ColourSettings c;
  Apply(c, pastel ? kStartPastel : kStartFull);
  c.InvalidFieldColour = pastel ? 0x00FFC0FF : 0x00FF00FF;
  return c;
}

void RestoreFactoryColours(ColourSettings& colours, int displayColourCount) {
  Apply(colours, displayColourCount == -1 ? kFactoryPastel : kFactoryFull);
}
