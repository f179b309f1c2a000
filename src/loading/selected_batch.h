#pragma once

struct ProgramState;

// The loading batch in use (LoadingDbState::SelectedLoadingBatch; 0 = typed
// in). Every index into the loading database's batch rows goes through
// SelectedBatchOf, which keeps it within the rows 0 .. kLoadingBatchMax
// (whether the number names a row at all: BatchInRecords).

// The selected batch, kept within the loading database's rows.
int SelectedBatchOf(const ProgramState& s);

// The loading in memory is kept as typed in: no batch selected, LoadingSource
// 2; its name and the browsed batch stay.
void KeepLoadingAsTypedIn(ProgramState& s);

// The loading is given up as a database batch and taken as typed on the
// keyboard: KeepLoadingAsTypedIn, and the loading name "???".
void LeaveBatchForKeyboard(ProgramState& s);
