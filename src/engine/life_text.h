#pragma once

#include <string>

struct ProgramState;

// The life of the last calculation in the three display units, and the text
// of the single-case life label.

// Fills LifeByUnit (cycles, blocks, hours), the three unit labels and the
// unit word of `unit` (1 cycles, 2 blocks, 3 hours). In a probabilistic
// analysis the life described is the reference life of the simulation, which
// first replaces LifeBlocks. After an immediate crack the life in cycles is 1.
void FillLifeByUnit(ProgramState& s, int unit);

// The caption of the life label for a finite life, from LifeByUnit:
// "Fatigue life:   " (or "Reference Life   To =  " in a probabilistic
// analysis) followed by the cycles alone for constant amplitude and for a
// deterministic immediate crack, else the blocks, the hours when the loading
// batch has a block duration, and the cycles.
std::string FiniteLifeCaption(const ProgramState& s);

inline constexpr const char* kInfiniteLifeCaption = "Fatigue Life  =   Infinite...";
inline constexpr const char* kLifeMask = "0.000E+##";
