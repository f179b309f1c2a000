#pragma once

// Frames on show that lie over one another: the frames in front either
// cover the frame beneath or leave it plainly in sight. A strip of the frame
// beneath only a few pixels wide along its left, right or bottom side (where
// a frame draws its border; the top one runs through its caption) shows only
// its edge, a second border line beside a front frame's own.

#include <vector>

#include "geometry/shown_texts.h"

class Form;

// Every frame on the form whose border shows in a strip narrower than a few
// pixels beside the frames on show that lie over it.
std::vector<ShownFault> EdgesBesideFramesInFront(const Form& form);
