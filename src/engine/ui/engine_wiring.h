#pragma once

class FormMain;

// Connects the controls of other frames whose handlers belong to the
// analysis engine: the damage-to-failure label and box of the job summary,
// and the life label of the master-curve screen. (The menu items are
// connected by WireMainMenus.)
void WireEngineCommands(FormMain& main);
