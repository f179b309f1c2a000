#pragma once

struct ProgramState;

// The micro sign (Windows-1252 code 181) of the strain units, in UTF-8.
inline constexpr const char* kMicroSign = "\xC2\xB5";

// The loading's unit texts and factors (LoadingUnits).

// A loading given as stress (LoadQuantity "Stress ") takes the stress unit of
// UnitSettings: LoadUnitFactor, LoadUnitBracket and LoadUnit. Any other is a
// strain loading shown in micro-strain ("[µstr]", "µstr"), whatever the unit
// system; its factors follow the selected batch: with history points the
// values are held in micro-strain (LoadUnitFactor 1, LoadToStressFactor
// E / 1e6), otherwise in MPa (LoadUnitFactor 1e6 / E, LoadToStressFactor 1).
void FollowLoadingUnits(ProgramState& s);

// Young's modulus of a strain loading changed from `oldE` to the one now in
// MaterialData: the factors follow (FollowLoadingUnits) and the loading's
// stresses scale by new E / `oldE`: both range ends, the minimum or mean, the
// range and minimum-or-mean inputs, and the derived maximum and minimum
// (SpectrumSmax/Smin, LoadSmax/Smin, kept in order).
void RescaleStrainLoading(ProgramState& s, float oldE);
