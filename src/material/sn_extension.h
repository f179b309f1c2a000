#pragma once

#include "material/material_data.h"

// The S-N extension below the endurance limit: from (Se, No) with the
// exponent m' down to Se' = (Se'/Se) x Se, reached at No'. The damage is
// calculated with the ratio Se'/Se and m'; No' is the ratio told as a life,
// No' = Int(No x (1 / ratio)^m'), where a ratio of 0 counts as 0.01.

// No' of the ratio in use with the exponent `mPrime`.
float ExtensionCyclesOf(const MaterialData& md, double mPrime);
// The ratio Se'/Se that reaches `cycles` with the exponent `mPrime`.
float ExtensionRatioOf(const MaterialData& md, double cycles, double mPrime);

// m' := `mPrime`; the quantity on show keeps its value and the other follows:
// with the ratio shown (or no No' yet) No' follows the ratio, with No' shown
// the ratio follows No'.
void ApplyExtensionExponent(MaterialData& md, float mPrime);

// With the extension shown as No': a ratio of 0 becomes 1 / Se (Se' = 1 MPa)
// and a No' of 0 becomes Int(No x (1 / ratio)^m'); a No' beyond the Single
// range is held as 1E+30, the infinite-life marker; with Se 0 both stay 0.
// With the ratio shown nothing changes.
void FillExtensionCycles(MaterialData& md);

// After No or m' changed by another input than the extension boxes (a set
// taken from the fatigue database, a typed No): the ratio in use stays and
// No' is worked out again from it, so that a No' on show is the extension
// that the damage is calculated with.
void ExtensionCyclesFollowTheRatio(MaterialData& md);
