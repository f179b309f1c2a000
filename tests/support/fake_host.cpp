#include "support/fake_host.h"

#include <sstream>

#include "platform/runtime/save_name.h"

int FakeHost::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                     const std::string& title) {
  Message m{text, buttons, icon, defaultButton, title, 0};
  if (!answers.empty()) {
    m.answer = answers.front();
    answers.pop_front();
  } else {
    // The default button of each button set, as the platform numbers them.
    static const int kButtons[6][3] = {
        {kAnswerOK, kAnswerOK, kAnswerOK},          {kAnswerOK, kAnswerCancel, kAnswerCancel},
        {kAnswerAbort, kAnswerRetry, kAnswerIgnore}, {kAnswerYes, kAnswerNo, kAnswerCancel},
        {kAnswerYes, kAnswerNo, kAnswerNo},          {kAnswerRetry, kAnswerCancel, kAnswerCancel}};
    const int set = static_cast<int>(buttons);
    const int idx = (defaultButton >= 1 && defaultButton <= 3) ? defaultButton - 1 : 0;
    m.answer = (set >= 0 && set < 6) ? kButtons[set][idx] : kAnswerOK;
  }
  if (onMessage) onMessage(m);
  messages.push_back(m);
  events.push_back("MsgBox:" + title);
  return m.answer;
}

std::string FakeHost::ShowOpen(const FileDialogRequest& request) {
  openRequests.push_back(request);
  if (openAnswers.empty()) return "";
  std::string a = openAnswers.front();
  openAnswers.pop_front();
  return a;
}

std::string FakeHost::ShowSave(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  if (saveAnswers.empty()) return "";
  std::string a = saveAnswers.front();
  saveAnswers.pop_front();
  // the dialog's own default extension, as the program's save dialog adds it
  return a.empty() ? a : WithDefaultExtension(a, request.filter);
}

int32_t FakeHost::ShowColor(int32_t /*colour*/) {
  if (colourAnswers.empty()) return 0;
  int32_t a = colourAnswers.front();
  colourAnswers.pop_front();
  return a;
}

bool FakeHost::ShowPrinter(CommonDialog& dialog) {
  printerRequests.push_back(dialog);
  if (!printerAnswer) return false;
  dialog.Copies = printerCopies;
  if (printerChoice) dialog.PrinterName = *printerChoice;
  return true;
}

std::ostream& operator<<(std::ostream& os, const FakeHost::Message& m) {
  return os << "[" << m.title << "] \"" << m.text << "\" buttons=" << static_cast<int>(m.buttons)
            << " icon=" << static_cast<int>(m.icon) << " default=" << m.defaultButton
            << " answer=" << m.answer;
}

std::string FakeHost::Transcript() const {
  std::ostringstream os;
  for (const auto& m : messages) os << m << "\n";
  return os.str();
}

int FakeHost::PopupMenu(const std::vector<PopupMenuItem>& items) {
  popups.push_back(items);
  events.push_back("PopupMenu");
  if (popupChoices.empty()) return -1;
  const std::string choice = popupChoices.front();
  popupChoices.pop_front();
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].visible && items[i].enabled && !items[i].separator && items[i].caption == choice)
      return static_cast<int>(i);
  return -1;
}

void FakeHost::RunModal(const std::function<bool()>& stillShown) {
  ++modalRuns;
  events.push_back("RunModal");
  if (onModal && stillShown()) onModal();
}
