#include "platform/ui/drive_list.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include "platform/qt/qt_convert.h"
#include "platform/runtime/runtime_error.h"

DriveList::DriveList(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::DriveList, std::move(name), index), combo_(new QComboBox(ParentWidget())) {
  for (const QFileInfo& root : QDir::drives()) drives_.push_back(FromQ(QDir::toNativeSeparators(root.absoluteFilePath())));
  if (drives_.empty()) drives_.push_back("/");
  for (const auto& d : drives_) combo_->addItem(ToQ(d));
  AttachWidget(combo_);
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this](int i) {
    if (!showing_ && i >= 0) SetListIndex(i);
  });
}

std::string DriveList::Drive() const { return drives_[static_cast<size_t>(listIndex_)]; }

std::string DriveList::List(int i) const {
  return i >= 0 && i < ListCount() ? drives_[static_cast<size_t>(i)] : std::string();
}

void DriveList::SetDrive(const std::string& path) {
  // The longest root that begins the path (case-blind, as drive letters are).
  int best = -1;
  size_t bestLen = 0;
  const QString p = ToQ(path);
  for (int i = 0; i < ListCount(); ++i) {
    const QString root = ToQ(drives_[static_cast<size_t>(i)]);
    const QString bare = root.size() > 1 && (root.endsWith('/') || root.endsWith('\\')) ? root.chopped(1) : root;
    if (!p.isEmpty() && p.startsWith(bare, Qt::CaseInsensitive) && static_cast<size_t>(bare.size()) >= bestLen) {
      best = i;
      bestLen = static_cast<size_t>(bare.size());
    }
  }
  if (best < 0) throw RuntimeError(kErrDeviceUnavailable, path);
  SetListIndex(best);
}

void DriveList::SetListIndex(int i) {
  if (i < 0 || i >= ListCount()) throw RuntimeError(kErrDeviceUnavailable, std::to_string(i));
  const bool changed = i != listIndex_;
  listIndex_ = i;
  showing_ = true;
  combo_->setCurrentIndex(i);
  showing_ = false;
  if (changed) RaiseChange();
}
