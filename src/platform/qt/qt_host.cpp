#include "platform/qt/qt_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/qt/qt_convert.h"
#include "platform/qt/title_bar.h"
#include "platform/runtime/save_name.h"

namespace {

struct ButtonSet {
  MsgButtons set;
  QMessageBox::StandardButton buttons[3];
};

// The buttons of each set, left to right, as the answers count them.
constexpr ButtonSet kButtonSets[] = {
    {MsgButtons::OKOnly, {QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}},
    {MsgButtons::OKCancel, {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton}},
    {MsgButtons::AbortRetryIgnore, {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}},
    {MsgButtons::YesNoCancel, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}},
    {MsgButtons::YesNo, {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}},
    {MsgButtons::RetryCancel, {QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::NoButton}},
};

int AnswerOf(QMessageBox::StandardButton b) {
  switch (b) {
    case QMessageBox::Ok: return kAnswerOK;
    case QMessageBox::Cancel: return kAnswerCancel;
    case QMessageBox::Abort: return kAnswerAbort;
    case QMessageBox::Retry: return kAnswerRetry;
    case QMessageBox::Ignore: return kAnswerIgnore;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerCancel;
  }
}

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// While a dialog, a message box or a modal window is up, the window the user
// worked in is not active. When it closes and leaves no window active, that
// window gets its activation back (a desktop's window manager does so, a
// bare platform does not); Qt then puts the focus back, where the form has it.
class ActivationReturn {
 public:
  ActivationReturn() : window_(QApplication::activeWindow()) {}
  ~ActivationReturn() {
    if (window_ && window_->isVisible() && !QApplication::activeWindow()) window_->activateWindow();
  }
  ActivationReturn(const ActivationReturn&) = delete;
  ActivationReturn& operator=(const ActivationReturn&) = delete;

 private:
  QPointer<QWidget> window_;
};

// A message box wide enough for its whole title on the window manager's
// title bar. Qt sizes the box for its text (as it shows, just before the
// window manager maps it) and gives the title only a little room beyond its
// width in another font. A row as wide as the title needs, below the box's
// own rows, makes Qt's own size hold the title: a window resized while the
// window manager maps it may end up elsewhere.
void MakeRoomForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const QMargins inside = grid->contentsMargins();
  const int room = TitleBarWidth(box, box.windowTitle()) - inside.left() - inside.right();
  grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                std::max(1, grid->columnCount()));
}

// A click beside a popup menu only closes it: Qt would otherwise replay the
// press to the control under the pointer.
class PressBesideOnlyCloses : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
    auto* menu = static_cast<QWidget*>(watched);
    if (!menu->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
      menu->setAttribute(Qt::WA_NoMouseReplay);
    return false;
  }
};

// The print dialog with the options of the request's flags. Qt's own dialog
// on Linux shows its page range group whatever its options say, and a range
// chosen there would reach no print command: it goes where the request
// offers neither a page range nor a selection.
class PrintSetupDialog : public QPrintDialog {
 public:
  PrintSetupDialog(QPrinter* printer, QWidget* parent, int flags) : QPrintDialog(printer, parent), flags_(flags) {
    PrintDialogOptions options = PrintShowPageSize | PrintCollateCopies;
    if (!(flags & kPrintNoPageNumbers)) options |= PrintPageRange;
    if (!(flags & kPrintNoSelection)) options |= PrintSelection;
    if (!(flags & kPrintHidePrintToFile)) options |= PrintToFile;
    setOptions(options);
  }
  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    const bool noRange = (flags_ & kPrintNoPageNumbers) && (flags_ & kPrintNoSelection);
    if (visible && noRange)
      if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
  }

 private:
  int flags_;
};

// Where a file dialog opens: the start folder, with the proposed file name.
QString StartPath(const FileDialogRequest& r) {
  return r.fileName.empty() ? ToQ(r.initDir) : ToQ(r.initDir + "/" + r.fileName);
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = ToQ(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    QString name = parts[i];
    // Qt reads the patterns from the parentheses; keep the name as shown
    // and give the patterns of the pair's second half.
    const qsizetype open = name.indexOf('(');
    if (open >= 0) name = name.left(open).trimmed();
    out << QStringLiteral("%1 (%2)").arg(name, patterns);
  }
  return out.join(QStringLiteral(";;"));
}

QWidget* QtHost::DialogParent() const {
  // The second window may be the one in use while the main window is hidden:
  // a dialog over the hidden window would be placed as if over nothing.
  QWidget* active = QApplication::activeWindow();
  return active && active->isVisible() ? active : parent_;
}

int QtHost::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton, const std::string& title) {
  const ActivationReturn back;
  QMessageBox box(IconOf(icon), ToQ(title), ToQLines(text), QMessageBox::NoButton, DialogParent());
  const ButtonSet* set = &kButtonSets[0];
  for (const auto& s : kButtonSets)
    if (s.set == buttons) set = &s;
  QMessageBox::StandardButton def = set->buttons[0];
  for (int i = 0; i < 3; ++i) {
    if (set->buttons[i] == QMessageBox::NoButton) continue;
    box.addButton(set->buttons[i]);
    if (i == defaultButton - 1) def = set->buttons[i];
  }
  box.setDefaultButton(def);
  // Escape answers Cancel where there is one, else the only button.
  for (int i = 2; i >= 0; --i)
    if (set->buttons[i] == QMessageBox::Cancel || (set->buttons[i] == QMessageBox::Ok && buttons == MsgButtons::OKOnly))
      box.setEscapeButton(set->buttons[i]);
  MakeRoomForTitle(box);
  box.exec();
  return AnswerOf(box.standardButton(box.clickedButton()));
}

void QtHost::Beep() { QApplication::beep(); }
void QtHost::DoEvents() { QApplication::processEvents(); }

std::string QtHost::ShowOpen(const FileDialogRequest& r) {
  const ActivationReturn back;
  return FromQ(QFileDialog::getOpenFileName(DialogParent(), ToQ(r.title), StartPath(r), QtFileFilter(r.filter)));
}

std::string QtHost::ShowSave(const FileDialogRequest& r) {
  const ActivationReturn back;
  QFileDialog dialog(DialogParent(), ToQ(r.title), StartPath(r), QtFileFilter(r.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const std::string extension = DefaultExtension(r.filter);
  // The dialog adds the extension itself, so that it asks about replacing
  // the file that will really be written.
  if (!extension.empty()) dialog.setDefaultSuffix(ToQ(extension.substr(1)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  const std::string typed = FromQ(dialog.selectedFiles().first());
  const std::string named = WithDefaultExtension(typed, r.filter);
  // A dialog that did not add it (a desktop's own) has not asked about the
  // file with the extension.
  const bool ask = (r.flags & kFileDialogOverwritePrompt) != 0 && named != typed && QFileInfo::exists(ToQ(named));
  if (ask && MsgBox(named + " already exists.\rDo you want to replace it?", MsgButtons::YesNo, MsgIcon::Exclamation, 2,
                    FromQ(dialog.windowTitle())) != kAnswerYes)
    return "";
  return named;
}

int32_t QtHost::ShowColor(int32_t colour) {
  const ActivationReturn back;
  const QColor c = QColorDialog::getColor(ToQColor(colour), DialogParent());
  return c.isValid() ? FromQColor(c) : 0;
}

bool QtHost::ShowPrinter(CommonDialog& dialog) {
  const ActivationReturn back;
  QPrinter printer;
  const QString chosen = ToQ(dialog.PrinterName);
  if (QPrinterInfo::availablePrinterNames().contains(chosen)) printer.setPrinterName(chosen);
  printer.setCopyCount(std::max(1, dialog.Copies));
  PrintSetupDialog setup(&printer, DialogParent(), dialog.flags);
  if (setup.exec() != QDialog::Accepted) return false;
  const bool onPrinter = printer.outputFormat() == QPrinter::NativeFormat;
  dialog.PrinterName = onPrinter ? printer.printerName().toStdString() : std::string();
  dialog.Copies = std::max(1, printer.copyCount());
  return true;
}

void QtHost::ShowHelp(const std::string& helpFile) {
  const QFileInfo info(ToQ(helpFile));
  if (info.exists() && QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))) return;
  MsgBox("The help file " + helpFile + " cannot be shown.", MsgButtons::OKOnly, MsgIcon::Exclamation, 1, "Help");
}

double QtHost::ScreenWidthTwips() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() * TwipsPerPixelX() : 0;
}

double QtHost::ScreenHeightTwips() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().height() * TwipsPerPixelY() : 0;
}

int QtHost::DisplayColourCount() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const int depth = s ? s->depth() : 24;
  return depth > 8 ? -1 : 1 << depth;
}

void QtHost::SetMousePointer(int pointer) {
  if (pointer_ != 0) QApplication::restoreOverrideCursor();
  pointer_ = pointer;
  if (pointer != 0) QApplication::setOverrideCursor(QCursor(CursorShapeFor(pointer)));
}

int QtHost::PopupMenu(const std::vector<PopupMenuItem>& items) {
  QMenu menu(DialogParent());
  PressBesideOnlyCloses pressBeside;
  menu.installEventFilter(&pressBeside);
  std::vector<QAction*> actions;
  for (const auto& item : items) {
    QAction* a = item.separator ? menu.addSeparator() : menu.addAction(ToQ(item.caption));
    a->setVisible(item.visible);
    a->setEnabled(item.enabled);
    a->setCheckable(item.checked);
    a->setChecked(item.checked);
    actions.push_back(a);
  }
  QAction* chosen = menu.exec(QCursor::pos());
  for (size_t i = 0; i < actions.size(); ++i)
    if (actions[i] == chosen) return static_cast<int>(i);
  return -1;
}

void QtHost::RunModal(const std::function<bool()>& stillShown) {
  if (!stillShown()) return;
  const ActivationReturn back;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!stillShown()) loop.quit();
  });
  poll.start(30);
  loop.exec();
}
