// The main window's edit boxes on the screen at hand: the simulation options,
// the description box, the scaling-factor boxes, the fatigue-database grid
// and batch boxes, the loading-database record box, and the fonts of the
// distribution tags and scaling-factor labels.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

// A grid row takes Left and Width from the column's top cell, so that a
// column stays one column whatever the rounding.
constexpr LayoutSteps kGridCell = Steps(CopyOf(LayoutProp::Width, "Text2"), T, CopyOf(LayoutProp::Left, "Text2"), H, S);
constexpr LayoutSteps kBox = Steps(W, T, L, H, S);

constexpr LayoutRow kRows[] = {
    // The simulation options keep their heights; the sample-size box shrinks on a small screen only.
    Row("chk_StartNo", Each(0, 3), Steps(W, S, L, T)),
    Row("No_simul", Steps(W, S, L, T)),
    Row("No_simult", Steps(W, S, WhenShrinking(H), L, T)),
    // The description box is placed each time it opens.
    Row("refer_txt", Steps(S, W, H)),
    // The distribution tags: font only (one is placed when the material step shows it).
    Row("dN_distr", At(0), Steps(S)),
    Row("dN_distr", At(3), Steps(S)),
    Row("SCF_distr", Steps(S)),
    Row("load_distr", Each(0, 2), Steps(S)),
    // Four scaling-factor labels, two boxes.
    Row("SHscal", Each(0, 3), Steps(S)),
    In("SHscalt", Each(0, 1), Steps(W, S)),
    // The fatigue-database grid, column by column from its top cell down.
    Row("Text2", Each(0, 5), Steps(W, T, L, H, S)),
    In("Text3", Each(0, 5), kGridCell),
    In("Text4", Each(0, 5), kGridCell),
    In("Text5", Each(0, 5), kGridCell),
    In("Text6", Each(0, 5), kGridCell),
    In("Text7", Each(0, 5), kGridCell),
    In("Text8", Each(0, 5), kGridCell),
    In("Text9", Each(0, 5), kGridCell),
    Row("txt_Fatigue_Db", kBox),
    Row("Txt1_Fatigue_DB", kBox),
    Row("txt_Load_Db", kBox),
};

}  // namespace

std::span<const LayoutRow> TextBoxLayoutRows() { return kRows; }

void LayoutTextBoxes(FormMain& main) { RunLayoutPass(main, "LayoutTextBoxes", main.state().layoutScales, kRows); }
