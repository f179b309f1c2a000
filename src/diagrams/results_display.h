#pragma once

#include <cstdint>
#include <string>

// Display choices shared by the result diagrams, the simulation view and the
// reports, and the state of the shared diagram popup.
struct ResultsDisplay {
  int16_t DamageDisplayMode = 0;  // 0 per bar, 1 cumulative, -1 after a new definition
  std::string MseTag;
  std::string MseTag2;
  float LifeUnitFactor = 0.0f;
  float LifeUnitFactor2 = 0.0f;
  // Popup: 0 damage display, 1 spectrum or distribution display, 2 life unit,
  // 3 loading quantity, 4 distribution law.
  int16_t PopupContext = 0;
  bool LoadingPopupActive = false;

  bool operator==(const ResultsDisplay&) const = default;
};
