#pragma once

// The user's own folders, which outlive every run of the program, and the
// roads that take data from them: the job file commands, and the data
// services moved to a folder and taking a loading batch or a material set.

#include <filesystem>
#include <initializer_list>
#include <string>

#include "real_input/real_user.h"
#include "support/scoped_folder.h"

class OptionButton;

namespace real_input {

// The loading database of the roads (its three batches) in "loads", the
// steels' fatigue database in "materials"; the jobs and reports beside
// them. Each run of the program starts in a folder of its own in the root
// (RealProgram's `parent`), so that the folder list reaches them.
struct UsersFolders {
  UsersFolders();
  ScopedTempFolder root{"users_folders"};
  std::filesystem::path File(const std::string& name) const { return root.path() / name; }
};

// "&Save..." and "&Open..." of the File menu, through the file dialog.
void SaveJob(RealProgram& p, const std::filesystem::path& job);
void OpenJob(RealProgram& p, const std::filesystem::path& job);

// The folder list of the data services moved by double clicks from the
// program's own folder (or the root) to the user's folder `name`.
void ToUsersFolder(RealProgram& p, const UsersFolders& f, const std::string& name);

using Options = std::initializer_list<OptionButton*>;

// The problem definition's options clicked (`more`, then the loading
// type), "&Next " to the data services (or "&Loading Data..." where the
// input view comes up), the loading database of "loads" read and browsed,
// batch `batch` taken, and the input view reached.
void TakeLoadingBatch(RealProgram& p, const UsersFolders& f, OptionButton& type, int batch, Options more = {});

// "&Material Data...": the fatigue database of "materials" read and
// browsed, and the set in column `column` (from 0) taken: S355 in column 0,
// S235 in column 1.
void TakeMaterialSet(RealProgram& p, const UsersFolders& f, int column);
void TakeS235(RealProgram& p, const UsersFolders& f);

}  // namespace real_input
