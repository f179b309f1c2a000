#pragma once

class FormMain;

// Asks (with a beep while the beep setting is on) whether to abandon the
// loading's database batch and input arbitrary parameters through the
// keyboard: Yes/No, question icon, Yes as default, title " Loading Data".
// Yes leaves the batch (LeaveBatchForKeyboard) and shows the loading name
// "???" in the job summary; returns whether the answer was Yes.
bool AskToLeaveLoadingBatch(FormMain& main);
