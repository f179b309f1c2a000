#pragma once

#include <string>

struct ProgramState;

// The folders of the data services, for the database they serve
// (DataServiceMode 1: the loading database, 2: the fatigue database). A
// database in memory keeps the folder it came from (LoadingDbOwnFolder,
// FatigueDbOwnFolder); the services show the job's folder (DataDirectory) when
// they open, and act on the folder their list shows (DatabaseDir).

// Whether a database of the kind served is in memory (at least one batch).
bool ServedDatabaseInMemory(const ProgramState& s);

// The folder the lists go back to: that of the database in memory, or, with
// none, the job's folder.
const std::string& FolderOfTheServedDatabase(const ProgramState& s);

// Whether the services act on another folder than that of the database in
// memory (compared as folders): that database is then not browsed from
// there, nor edited there before it is saved there. False while none is in
// memory.
bool ActsOnAnotherFolder(const ProgramState& s);
