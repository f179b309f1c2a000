#pragma once

#include <string>

class Host;
struct ShellState;

// Messages of the simulation results file and its statistics.
inline constexpr const char* kMcsTitle = "MCS Simulation";
inline constexpr const char* kMcsSummaryTitle = "MCS Simulation Results";
inline constexpr const char* kInsufficientSimulationsText = " Insufficient Number of Simulations! ";

// An information box with OK (title "MCS Simulation" unless given).
void InformMcs(Host& host, const std::string& text, const std::string& title = kMcsTitle);

// A results file that cannot be read or written: a beep (when the setting is
// on), then "Sorry, Can't <verb> the MCS-Results file!" with the path and the
// runtime's reason, exclamation icon, title "MCS Simulation".
void ReportMcsFileFailure(const ShellState& shell, Host& host, const std::string& verb, const std::string& path,
                          const std::string& reason);
