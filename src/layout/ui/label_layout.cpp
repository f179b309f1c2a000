// The main window's labels on the screen at hand: the title block, the
// headings, captions, values and rule lines of both database frames, and the
// labels of the master-curve screen and the job summary's wait notice, which
// get fixed font sizes.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutRow kRows[] = {
    // The title block (resizing the window centres it again).
    Row("Label1", kRule),
    Row("Label2", kRule),
    Row("Label3", kRule),
    Row("Label4", kRule),
    // The stress-history rows of the loading database and the fatigue database's batch counter.
    Row("Label8", Each(0, 3), kLabel),
    In("Label9", Each(0, 3), kLabel),
    In("Label10", Each(0, 3), kLabel),
    In("Label20", Each(0, 3), kLabel),
    // The stress units of the fatigue database; the distribution heading and parameters.
    Row("Label28", Each(0, 2), kLabel),
    In("Label14", Each(0, 1), kLabel),
    In("Label16", Each(0, 1), kLabel),
    Row("Label5", Each(0, 2), kLabel),
    In("Label17", Each(0, 2), kLabel),
    In("Label15", Each(0, 2), kLabel),
    // The spectrum rows.
    Row("Label12", Each(0, 4), kLabel),
    In("Label13", Each(0, 4), kLabel),
    Row("Label11", kLabel),
    Row("Label18", kLabel),
    Row("Label19", kLabel),
    // The fatigue database's row headings.
    Row("Label22", kLabel),
    Row("Label23", kLabel),
    Row("Label24", kLabel),
    Row("Label25", kLabel),
    Row("Label26", kLabel),
    Row("Label27", kLabel),
    Row("Label29", kLabel),
    Row("Label30", kLabel),
    Row("Label6", kLabel),
    Row("Label7", kLabel),
    Row("Lab1_fatigue_DB", kLabel),
    // Fixed font sizes; the master-curve drawing places the first and the last anew.
    Row("Life_inf", Steps(FontOf(10), T, L, H)),
    Row("wait", Steps(FontOf(10), T, L, H)),
    Row("Lifelab", At(0), Steps(FontOf(9), T, L)),
    // The rule lines.
    Row("Line1", kLine),
    Row("Line2", kLine),
    Row("Line6", kLine),
    Row("Line7", kLine),
    Row("Line3", Each(0, 8), kLine),
    In("Line5", At(0), kLine),
};

}  // namespace

std::span<const LayoutRow> LabelLayoutRows() { return kRows; }

void LayoutLabels(FormMain& main) { RunLayoutPass(main, "LayoutLabels", main.state().layoutScales, kRows); }
