// The job summary box's labels and edit boxes, the simulation options' two
// buttons, the About text and the colour labels on the screen at hand. The
// job summary's fill places most of its controls anew from the sizes and
// fonts scaled here.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutRow kRows[] = {
    // The S-N extension lines; the simulation buttons' font through their own size.
    Row("ExtSN", Each(0, 1), kRule),
    In("ExtSNt", Each(0, 1), kRuleFontLast),
    In("cmd_MCS_opt", Each(0, 1), Steps(S, W, T, L, H)),
    // The strength boxes first by height; their labels take the box's height;
    // the mean-stress line has two elements only.
    Row("DBmset", Each(0, 2), Steps(H, W, T, L, F)),
    In("DDBmse", Each(0, 2), Steps(W, T, L, CopyOf(LayoutProp::Height, "DBmset"), F)),
    In("DBmse", Each(0, 1), kRule),
    Row("Reliab", kRuleFontLast),
    Row("Reliabt", kRuleFontLast),
    Row("SCF", At(0), kRuleFontLast),
    Row("SCFt", At(0), kRuleFontLast),
    Row("DTFf", kRuleFontLast),
    Row("DTFft", kRuleFontLast),
    Row("Subj", kRule),
    Row("Subjt", kRuleFontLast),
    Row("Load", kRule),
    Row("Loadt", kRuleFontLast),
    Row("Material", kRule),
    Row("Materialt", kRuleFontLast),
    Row("Result", kRule),
    // The About text beside the colour labels, which are numbered from 1.
    Row("info_about", Each(0, 5), kRule),
    In("Graphics", Each(0, 5, 1), kRule),
};

}  // namespace

std::span<const LayoutRow> DataBoxLabelLayoutRows() { return kRows; }

void LayoutDataBoxLabels(FormMain& main) {
  RunLayoutPass(main, "LayoutDataBoxLabels", main.state().layoutScales, kRows);
}
