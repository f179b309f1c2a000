#pragma once

class FormMain;
class Surface;
struct SnCurveGeometry;

// Places the S-N labels and their edit boxes on `Pic_SN` (drawn on `pic`
// with the diagram's scale) at their points of the diagram and fills them.
// A label first takes its short caption, by whose width its box follows;
// then its long caption, which the printed diagram shows.
void PlaceSnLabels(FormMain& main, const Surface& pic, const SnCurveGeometry& g);
