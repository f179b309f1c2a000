#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

class QComboBox;

// A list of the file system's roots (on this platform "/" and, where there
// are several, every root). Change runs when the chosen drive changes.
class DriveList : public Control {
 public:
  DriveList(Form& form, Control* container, std::string name, int index);
  // The chosen root.
  std::string Drive() const;
  // Chooses the root that `path` lies on (a drive name or any path on it);
  // raises RuntimeError(kErrDeviceUnavailable) when there is none.
  void SetDrive(const std::string& path);
  int ListCount() const { return static_cast<int>(drives_.size()); }
  std::string List(int i) const;
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int i);
  bool CanTakeFocus() const override { return true; }

 private:
  friend class ControlBridge;
  QComboBox* combo_;
  std::vector<std::string> drives_;
  int listIndex_ = 0;
  bool showing_ = false;
};
