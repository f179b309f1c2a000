#pragma once

#include <array>
#include <cstdint>

// The diagram colours of the display settings, 0x00BBGGRR. The member
// initialisers are the start colours of a display with more than 256 colours
// (colour count -1), the display the program normally meets; StartColours
// gives them for any colour count.
struct ColourSettings {
  int32_t ColourSN = 0x0080FFFF;       // S-N diagram, "Material"
  int32_t ColourResults = 0x0080FF80;  // damage and reliability diagrams, "Results"
  int32_t ColourLoading = 0x00FFFFFF;  // loading diagrams, "Loading"
  int32_t ColourDataBox = 0x00FFFF80;  // job summary box, "Miscelanea"
  int32_t ColourDiagrams = 0x00FFFF80;  // master-curve diagrams, "Diagrams"
  // Copies taken when the colours frame opens: SN, Loading, Results, DataBox, Diagrams.
  std::array<int32_t, 5> SavedColours{};
  int32_t InvalidFieldColour = 0x00FFC0FF;  // back colour of a field holding an invalid value

  bool operator==(const ColourSettings&) const = default;
};

// The start colours for a display's colour count (-1: more than 256 colours).
ColourSettings StartColours(int displayColourCount);

// "Restore Factory Colors": the five diagram colours for a colour count; they
// differ from the start colours in ColourDiagrams only. Leaves SavedColours and
// InvalidFieldColour as they are.
void RestoreFactoryColours(ColourSettings& colours, int displayColourCount);
