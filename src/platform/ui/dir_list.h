#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

class QListWidget;

// A folder list: the current folder's parents down to it, then its
// subfolders. Path is the current folder (absolute, without a trailing
// separator except for a root). List(i) for i from -n to -1 are the folder
// and its parents (-1 the current folder), 0 to ListCount-1 its subfolders in
// name order; ListIndex is -1 on the current folder. Change runs when Path
// changes; a double click on an entry opens it.
class DirList : public Control {
 public:
  DirList(Form& form, Control* container, std::string name, int index);
  const std::string& Path() const { return path_; }
  // Raises RuntimeError(kErrPathNotFound) when the folder does not exist.
  void SetPath(const std::string& path);
  int ListCount() const { return static_cast<int>(subfolders_.size()); }
  std::string List(int i) const;
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int i);
  bool CanTakeFocus() const override { return true; }

 private:
  friend class ControlBridge;
  void Fill();
  void OpenEntry(int row);
  QListWidget* list_;
  std::string path_;
  std::vector<std::string> parents_;     // root first, current folder last
  std::vector<std::string> subfolders_;  // full paths
  int listIndex_ = -1;
  bool showing_ = false;
};
