// The value labels and edit boxes on the loading diagrams and the lines of
// the master-curve data panel on the screen at hand. Every font goes through
// the control's font object.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutRow kRows[] = {
    // The master-curve drawing sets X2, Y1 and Y2 anew each time it draws.
    Row("DMline", Each(0, 2), Steps(X1, Y1, X2, Y2, BW)),
    Row("SHSmax", kRule),
    // The stress inputs of the spectrum diagram; the two boxes keep their height.
    Row("SSmax", Each(0, 1), kRule),
    In("SSmaxt", Each(0, 1), Steps(W, T, L, F)),
    In("SSrng", Each(0, 1), kRule),
    Row("SSmean", kRule),
    Row("SSmeant", Steps(W, T, L, H, F)),
    Row("SSmse", kRule),
};

}  // namespace

std::span<const LayoutRow> SpectrumLabelLayoutRows() { return kRows; }

void LayoutSpectrumLabels(FormMain& main) {
  RunLayoutPass(main, "LayoutSpectrumLabels", main.state().layoutScales, kRows);
}
