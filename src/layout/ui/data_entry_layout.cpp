// The loading distribution's inputs and the S-N curve's inputs on the screen
// at hand. The value boxes of the maximum stress and of the S-N curve keep
// their height.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutSteps kKeepsHeight = Steps(W, T, L, F);

constexpr LayoutRow kRows[] = {
    // The loading distribution; the stress captions get a fixed font size.
    Row("DT", Each(0, 1), kRule),
    In("DTSmax", Each(0, 1), kRule),
    In("DTSmaxt", Each(0, 1), kKeepsHeight),
    In("DTt", Each(0, 1), kRule),
    In("DTrng", Each(0, 1), Steps(FontObjectOf(6.5), W, T, L, H)),
    Row("DTmse", kRule),
    Row("DTmean", kRule),
    Row("DTmeant", kRuleFontLast),
    Row("DTvolume", kRule),
    Row("DTvolumet", kRuleFontLast),
    // The S-N curve: endurance limit, thickness effect and strengths, then the single inputs.
    Row("SNSe", Each(0, 1), kRule),
    In("SNset", Each(0, 1), kKeepsHeight),
    Row("SNth", Each(0, 3), kRuleFontLast),
    In("SNtht", Each(0, 3), kKeepsHeight),
    Row("SNPn", kRule),
    Row("SNPnt", kKeepsHeight),
    Row("SNr", kRule),
    Row("SNrt", kKeepsHeight),
    Row("SNNo", kRule),
    Row("SNNot", kKeepsHeight),
    Row("SNm", kRule),
    Row("SNmt", kKeepsHeight),
    Row("SNE", kRule),
    Row("SNEt", kKeepsHeight),
};

}  // namespace

std::span<const LayoutRow> DataEntryLayoutRows() { return kRows; }

void LayoutDataEntryControls(FormMain& main) {
  RunLayoutPass(main, "LayoutDataEntryControls", main.state().layoutScales, kRows);
}
