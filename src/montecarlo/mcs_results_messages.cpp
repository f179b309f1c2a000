#include "montecarlo/mcs_results_messages.h"

#include "platform/host.h"
#include "shell/user_messages.h"

void InformMcs(Host& host, const std::string& text, const std::string& title) {
  host.MsgBox(text, MsgButtons::OKOnly, MsgIcon::Information, 1, title);
}

void ReportMcsFileFailure(const ShellState& shell, Host& host, const std::string& verb, const std::string& path,
                          const std::string& reason) {
  AlertBox(shell, host, "Sorry, Can't " + verb + " the MCS-Results file!\r" + path + "\r(" + reason + ")",
           MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kMcsTitle);
}
