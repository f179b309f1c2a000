#pragma once

class FormShow;

// The results boxes `Res_probT(0..3)` on the second window's diagram. Box 3
// holds the reference life No of the test data fit; boxes 0 to 2 (failure
// probability, life at the reliability, lower-tail life) belong to the
// simulation results view, which validates and commits them.
void Res_probT_GotFocus(FormShow& show, int index);
// Enter moves the focus to the diagram, which commits the box.
void Res_probT_KeyDown(FormShow& show, int index, int& keyCode);
// Box 3: a life of at least 1.1 times the life of test point 1 becomes the
// reference life; the test data are fitted again and the diagram redrawn.
// A smaller (or unreadable) life is refused with "Sorry, Data Incorrect!
// (No < 110% of Min Life)" and the previous value comes back. Boxes 0 to 2
// go to the results view.
void Res_probT_LostFocus(FormShow& show, int index);
