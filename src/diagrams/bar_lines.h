#pragma once

#include <cstdint>

struct ProgramState;
class Surface;

// How many cycles of a stress history share one bar when one cycle is
// `pixelsPerCycle` pixels wide: 1 / width rounded to the nearest whole
// number, halves to the even one; never more than the `count` cycles there
// are (a width of 0 puts them all in one bar).
int32_t CyclesPerBar(double pixelsPerCycle, int32_t count);

// The bars of a stress history's damage per rainflow cycle (`LevelDamage`
// 1 .. count), each an outlined box in `colour` from the base line y0 up to
// its damage times ky, cycle j spanning x0 + w (j - 1) to x0 + w j. flag 1
// draws the cumulative damage (the running `sum`, advanced here), flag 0
// each bar's own damage. Cycles narrower than a pixel are merged, n to a
// bar (CyclesPerBar); a merged bar shows the largest damage of its cycles
// or the sum up to its last cycle, and the last bar takes the cycles left
// over, so the bars always reach cycle `count`. Cycle 1 gets no bar of its
// own when the cycles are drawn one by one.
void DrawBarLines(const ProgramState& s, Surface& target, float x0, float y0, float w, float ky, int32_t colour,
                  int32_t flag, int32_t count, float& sum);
