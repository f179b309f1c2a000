#pragma once

class FormMain;

// MouseDown of the master-curve screen's life label `Lifelab`: the right
// button opens the life-unit menu (the shared display popup).
void Lifelab_MouseDown(FormMain& main, int index, int button, int shift, float x, float y);
