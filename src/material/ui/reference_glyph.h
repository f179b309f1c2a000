#pragma once

class Surface;

// Draws the face of a reference button (`refer_pic`): a small sheet of paper
// with lines of text, in the picture's pixels and whatever its size, so that
// the button reads as a button for the data set's references.
void DrawReferenceGlyph(Surface& s);
