#include "shell/unit_settings.h"

#include "platform/runtime/sng.h"

UnitSettings UnitsOf(UnitSystem system) {
  if (system == UnitSystem::SI) return UnitSettings{};
  return UnitSettings{"[ksi]", "ksi", "in", Sng(1.0 / 6.895), Sng(1.0 / 25.4)};
}
