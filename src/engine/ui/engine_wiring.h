#pragma once

class FormMain;

// Connects the menu items and the controls of other frames whose handlers
// belong to the analysis engine and the unit commands: "Define &Problem...",
// "&Calculate", the units "S&I" / "U&S", the damage-to-failure label and box
// of the job summary, and the life label of the master-curve screen.
void WireEngineCommands(FormMain& main);
