#pragma once

#include <string>

struct ProgramState;

// What the loading-database browser shows of one batch, label by label.
struct BatchBrowserTexts {
  std::string number, count, name;                               // txt_Load_Db, Label5(1), Label6
  std::string historyTitle, spectrumTitle, distributionTitle;    // Label7, Label11, Label14(0)
  std::string historyMaxLabel, historyMinLabel;                  // Label8(1), Label8(2)
  std::string points, historyMax, historyMin, historyTime;       // Label9(0 .. 3)
  std::string rangeMaxLabel, rangeMinLabel;                      // Label12(0), Label12(1)
  std::string upper, lower, levels, volume, spectrumTime;        // Label13(0 .. 4)
  std::string unit;                                              // Label10(0 .. 3)
  std::string kind;                                              // Label14(1)
  std::string q, r;                                              // Label16(0), Label16(1)
  std::string remark;                                            // Label19
};

// The texts of batch k (1 .. 20): values in the display unit of the batch's
// quantity (a strain history unconverted in micro-strain, other strain
// values converted from MPa by 1,000,000 / E), the distribution's Q as a
// stress (a Weibull scale times the upper range, a log-normal mean plus the
// logarithm of it; as stored where the upper range is 0 or below), and the
// batch's strengths or "  DMSE(-)". A Young's modulus below 2 is first set
// to 210000, so that a strain batch has a factor.
BatchBrowserTexts BrowseLoadingBatch(ProgramState& s, int k);
