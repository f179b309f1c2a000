// The second window's controls on the screen at hand: the views' frame
// captions, the input-data panel's lines, the random-variable dialog, the
// results boxes and the test data editor. The window builds its controls
// afresh from their design values at every load, and the pass runs once per
// load.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_show.h"

namespace {
using namespace layout_steps;

// The dialog's captions and boxes move with the vertical scale, also across.
constexpr LayoutStep kLeftByScaleY = Scaled(LayoutProp::Left, LayoutFactor::ScaleY);
constexpr LayoutSteps kRandomVariableText = Steps(T, kLeftByScaleY, F);
// The name and value boxes above the grid shrink on a small screen only.
constexpr LayoutSteps kHeaderBox = Steps(F, W, T, L, WhenShrinking(H));
// The grid rows keep their heights: they move apart with the screen.
constexpr LayoutSteps kGridCell = Steps(F, W, T, L);

constexpr LayoutRow kRows[] = {
    Row("frm_master", Steps(S)),
    Row("frm_master1", Steps(S)),
    Row("frm_diag", Steps(S)),
    Row("frm_rand", Steps(S)),
    Row("DMline", Each(0, 4), Steps(X1, Y1, X2, Y2, BW)),
    // The random-variable dialog.
    Row("cmd_cancel", kRule),
    Row("cmd_ok", kRule),
    Row("cmd_draw", kRule),
    Row("chk_corr", kRule),
    Row("chk_distr", Each(0, 6), kRule),
    Row("Distr_Type", Each(0, 2), kRandomVariableText),
    Row("Distr_par", Each(0, 4), kRandomVariableText),
    Row("txt_distr", Each(0, 2), kRandomVariableText),
    Row("Distr_Var", Steps(S, T, L)),
    // The results boxes and their two labels: fonts, and the boxes' widths.
    Row("Res_prob", Each(0, 1), Steps(F)),
    In("Res_probT", Each(0, 3), Steps(F, W)),
    // The test data editor.
    Row("txt_Name", kHeaderBox),
    Row("pic_CLO", kRule),
    Row("scroll_CLO", Steps(W, T, L, H)),
    Row("txt_label", Each(0, 4), kHeaderBox),
    In("txt_points", Each(0, 3), kHeaderBox),
    Row("lbl_CLOn", Each(0, 9), Steps(S, W, T, L)),
    In("txt_CLOx", Each(0, 9), kGridCell),
    In("txt_CLOn", Each(0, 9), kGridCell),
    Row("cmd_CLO_OK", kRule),
    Row("cmd_CLO_canc", kRule),
    Row("cmd_CLO_Del", kRule),
    Row("cmd_CLO_open", kRule),
};

}  // namespace

std::span<const LayoutRow> ShowFormLayoutRows() { return kRows; }

void LayoutShowForm(FormShow& show) { RunLayoutPass(show, "LayoutShowForm", show.state().layoutScales, kRows); }
