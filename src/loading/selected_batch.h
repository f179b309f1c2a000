#pragma once

struct ProgramState;

// The loading batch in use (LoadingDbState::SelectedLoadingBatch; 0 = typed
// in). Every index into the loading database's batch rows goes through
// SelectedBatchOf, which keeps it within the rows 0 .. kLoadingBatchMax.

// The selected batch, kept within the loading database's rows.
int SelectedBatchOf(const ProgramState& s);

// Whether the selected batch number names a row of the loading database at
// all; a number outside names no data.
bool SelectedBatchInDatabase(const ProgramState& s);
