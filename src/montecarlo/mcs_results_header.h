#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "montecarlo/random_variables.h"

class SeqReader;
class SeqWriter;
struct ProgramState;

// The header of a simulation results file (the work file "zp1pl.res" and the
// saved *.psn copies): the job that was simulated, lines 1 to 21. The member
// initialisers are the values that older files (marker -2 and -1) lack.
struct McsResultsHeader {
  int16_t Marker = -3;  // -3 current; -2 without lines 7 to 9; -1 also without line 12
  std::string Subject;                                        // 1
  std::string LoadingName;                                    // 2
  int16_t LoadingType = 0;
  std::string MaterialName;
  float Stress1 = 0.0f, Stress2 = 0.0f;                       // 3: Smax, Smin or range/amplitude, min/mean
  int32_t PointCount = 0;                                     // 4
  std::string PointText = "1";
  float LoadToStressFactor = 0.0f, DistQ = 0.0f, DistR = 0.0f;  // 5
  std::string DistributionName;
  float Kt = 0.0f, YoungModulus = 0.0f;                       // 6
  std::string MseTag;
  int16_t StressInputMode = 0, MeanStressOption = 0, StressApproach = 0,  // 7
      SNDataSpecimen = 0, NotchSensitivityMode = 0;
  float NotchFactor = 0.0f, NotchRadius = 1.0f;
  std::string StressApproachText = "Nominal Strs/Strn";        // 8
  std::string SpecimenText, NotchSensitivityText;
  std::string NotchText = "Kf = ";                            // "  Kt = " or "  Kf = "
  std::string NotchFactorLabel = "Kf = ";                     // 9
  int32_t EnduranceCycles = 0;                                // 10
  float SurvivalProbability = 0.0f, SNStressRatio = 0.0f, Se = 0.0f, SNExponent = 0.0f,
        SNExtensionRatio = 0.0f, SNExtensionExponent = 0.0f;
  int16_t SNExtensionDisplay = 0;
  float Thickness = 0.0f, ThicknessExponent = 0.0f, DamageToFailure = 0.0f;  // 11
  std::string SimulationTags;  // the fatigue-limit and the algorithm tag, joined ("NoFL/FSA")
  int16_t NeglectFatigueLimit = -1, FastSimulation = -1;      // 12 (True, True when absent)
  std::array<int16_t, kRandomVarMax + 1> RvType{};            // 13 .. 20: slots 1 .. 8
  std::array<float, kRandomVarMax + 1> RvCov{};
  int32_t SimulationCount = 0;                                // 21
  int32_t CyclesPerBlock = 0;
  float BlockTime = 0.0f;

  bool HasLines7To9() const { return Marker < -2; }
  bool HasLine12() const { return Marker < -1; }
};

// The header of the job in `s` as a simulation writes it. `scfCaption` and
// `notchFactorCaption` are the captions of the job summary's Kt label and of
// its notch-factor label ("Stress Conc. Factor:  Kt = ", "Kt = "); the file
// keeps the last seven characters of the first and the second whole.
McsResultsHeader McsResultsHeaderOf(const ProgramState& s, const std::string& scfCaption,
                                    const std::string& notchFactorCaption);

// Lines 1 to 21 as the simulation writes them into the work file: line 1
// comma-separated (the marker, the subject in double quotes), the rest in
// print style, a lone CR between the texts of lines 2 and 8.
void WriteMcsWorkFileHeader(SeqWriter& w, const McsResultsHeader& h);

// One life line of the work file (and of a copy): the life in blocks.
void WriteMcsLifeLine(SeqWriter& w, float life);

// Lines 1 to 21 as a saved copy holds them (always marker -3): all in print
// style, line 1 unquoted, lines 3 and 4 on one line, the five texts of lines
// 8 and 9 on one line separated by lone CRs.
void WriteMcsCopyHeader(SeqWriter& w, const McsResultsHeader& h);

// Reads the header items in order, whatever the line breaks: lines 7 to 9
// only below marker -2 and line 12 only below marker -1 (the others keep the
// defaults above). Raises RuntimeError for an item that cannot be read, and
// kErrTypeMismatch for a marker other than -1, -2 or -3.
McsResultsHeader ReadMcsResultsHeader(SeqReader& in);
