#pragma once

class FormMain;

// The damage frame `frm_Dam` takes the lower left quarter of the main
// window's inner area.
void PlaceDamageFrame(FormMain& main);
