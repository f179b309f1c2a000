#pragma once

#include <string>

#include "report/report_builder.h"
#include "report/summary_report.h"

struct ProgramState;

// The sections of the summary report, top to bottom. Each writes its lines
// to the builder and raises RuntimeError where a value cannot be formed.

// The owner and date, the program banner and the job's subject.
void WriteBannerSection(ReportBuilder& r, const ProgramState& s, const std::string& date);
// The S-N data of the material.
void WriteMaterialSection(ReportBuilder& r, const ProgramState& s);
// The loading: its type, history or spectrum or distribution values.
void WriteLoadingSection(ReportBuilder& r, const ProgramState& s);
// The component's notch and thickness (one empty line where none applies).
void WriteComponentSection(ReportBuilder& r, const ProgramState& s, const ReportCaptions& captions);
// The analysis options and the damage to failure.
void WriteOptionsSection(ReportBuilder& r, const ProgramState& s, const ReportCaptions& captions);
// The fatigue life: damage, simulation measures and life of a single case
// (storing the life at the required reliability of a probabilistic one whose
// simulation gave statistics), or
// the master-curve table.
void WriteLifeSection(ReportBuilder& r, ProgramState& s, const ReportCaptions& captions);

// The distribution tag of random variable k ("{N10}", ...).
std::string RandomVariableTag(const ProgramState& s, int k);

// The 43 hyphens that frame the banner and the master-curve table.
inline constexpr const char* kReportRule = "-------------------------------------------";
