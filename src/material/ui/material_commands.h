#pragma once

// Procedures of the material frames that other commands call.

class FormMain;

// Shows batch `batch` of the fatigue database in the browser's table.
void ShowFatigueDbBatch(FormMain& main, int batch);
// Marks column `set` of the browser's table.
void SelectFatigueDbSet(FormMain& main, int set);
// Asks whether to abandon the database set `set` (leaves the answer in NewSetAnswer).
void ConfirmAbandonFatigueDbSet(FormMain& main, int set);
// Click of the Se label `SNSe(index)`: opens its box.
void SNSe_Click(FormMain& main, int index);
