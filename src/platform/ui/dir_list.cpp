#include "platform/ui/dir_list.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include "platform/qt/qt_convert.h"
#include "platform/runtime/runtime_error.h"

namespace {
std::string CleanPath(const QString& p) { return FromQ(QDir::toNativeSeparators(QDir::cleanPath(p))); }
}  // namespace

DirList::DirList(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::DirList, std::move(name), index), list_(new QListWidget(ParentWidget())) {
  AttachWidget(list_);
  path_ = CleanPath(QDir::currentPath());
  Fill();
  QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this](QListWidgetItem* item) {
    try {
      OpenEntry(list_->row(item));
    } catch (const RuntimeError&) {
      Fill();  // the folder went away meanwhile: show what is there now
    }
  });
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
    if (!showing_ && row >= 0) listIndex_ = row - static_cast<int>(parents_.size());
  });
}

std::string DirList::List(int i) const {
  if (i >= 0) return i < ListCount() ? subfolders_[static_cast<size_t>(i)] : std::string();
  const int k = static_cast<int>(parents_.size()) + i;
  return k >= 0 ? parents_[static_cast<size_t>(k)] : std::string();
}

void DirList::SetListIndex(int i) {
  if (i < -static_cast<int>(parents_.size()) || i >= ListCount()) throw RuntimeError(kErrPathNotFound, std::to_string(i));
  listIndex_ = i;
  showing_ = true;
  list_->setCurrentRow(static_cast<int>(parents_.size()) + i);
  showing_ = false;
}

void DirList::SetPath(const std::string& path) {
  const QFileInfo info(ToQ(path));
  if (path.empty() || !info.exists() || !info.isDir()) throw RuntimeError(kErrPathNotFound, path);
  const std::string clean = CleanPath(info.absoluteFilePath());
  if (clean == path_) return;
  path_ = clean;
  Fill();
  RaiseChange();
}

void DirList::Fill() {
  parents_.clear();
  subfolders_.clear();
  QDir dir(ToQ(path_));
  for (QDir d = dir;; ) {
    parents_.insert(parents_.begin(), CleanPath(d.absolutePath()));
    if (d.isRoot() || !d.cdUp()) break;
  }
  const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& n : names) subfolders_.push_back(CleanPath(dir.absoluteFilePath(n)));

  showing_ = true;
  list_->clear();
  for (size_t k = 0; k < parents_.size(); ++k) {
    const QString label = QString(static_cast<qsizetype>(k) * 2, QChar(' ')) +
                          (k == 0 ? ToQ(parents_[k]) : QFileInfo(ToQ(parents_[k])).fileName());
    list_->addItem(label);
  }
  for (const QString& n : names) list_->addItem(QString(static_cast<qsizetype>(parents_.size()) * 2, QChar(' ')) + n);
  listIndex_ = -1;
  list_->setCurrentRow(static_cast<int>(parents_.size()) - 1);
  showing_ = false;
}

void DirList::OpenEntry(int row) {
  const int i = row - static_cast<int>(parents_.size());
  const std::string target = List(i);
  if (!target.empty()) SetPath(target);
}
