#include "montecarlo/mcs_results_header.h"

#include "loading/selected_batch.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr int16_t kCurrentMarker = -3;
constexpr const char* kCr = "\r";  // a lone carriage return between two texts

// One text item of the file.
void Text(SeqWriter& w, const std::string& text) { w.PrintText(text); }

// The last n characters of a text (the whole text when it is shorter).
std::string Right(const std::string& text, std::size_t n) {
  return text.size() <= n ? text : text.substr(text.size() - n);
}

// What line 4 gives for the loading type: the point count, and the batch's
// second mean-stress label for a spectrum or distribution taken from a batch
// with a history, else "1".
void PointsOf(const ProgramState& s, McsResultsHeader& h) {
  const int b = SelectedBatchOf(s);
  const int32_t points = s.loadingDatabase.BatchPointCount[b];
  const int16_t type = s.analysisOptions.LoadingType;
  h.PointCount = type == 1 ? points : type == 2 ? s.loadingData.SpectrumLevelCount : type == 3 ? 1 : 0;
  h.PointText = (points > 0 && (type == 2 || type == 4)) ? s.loadingData.BatchMseText2 : "1";
}

void WriteLines2(SeqWriter& w, const McsResultsHeader& h) {
  Text(w, h.LoadingName);
  w.Print(kCr, h.LoadingType);
  Text(w, h.MaterialName);
  w.EndLine();
}

void WritePoints(SeqWriter& w, const McsResultsHeader& h) {
  w.Print(h.PointCount);
  Text(w, h.PointText);
  w.EndLine();
}

// Lines 5 to 7.
void WriteLines5To7(SeqWriter& w, const McsResultsHeader& h) {
  w.Print(h.LoadToStressFactor, h.DistQ, h.DistR);
  Text(w, h.DistributionName);
  w.EndLine();
  w.Print(h.Kt, h.YoungModulus);
  Text(w, h.MseTag);
  w.EndLine();
  w.PrintLine(h.StressInputMode, h.MeanStressOption, h.StressApproach, h.SNDataSpecimen,
              h.NotchSensitivityMode, h.NotchFactor, h.NotchRadius);
}

// The texts of line 8, each followed by a lone CR but the last.
void WriteLine8Texts(SeqWriter& w, const McsResultsHeader& h) {
  Text(w, h.StressApproachText);
  w.Print(kCr);
  Text(w, h.SpecimenText);
  w.Print(kCr);
  Text(w, h.NotchSensitivityText);
  w.Print(kCr);
  Text(w, h.NotchText);
}

// Lines 10 to 21.
void WriteLines10To21(SeqWriter& w, const McsResultsHeader& h) {
  w.PrintLine(h.EnduranceCycles, h.SurvivalProbability, h.SNStressRatio, h.Se, h.SNExponent,
              h.SNExtensionRatio, h.SNExtensionExponent, h.SNExtensionDisplay);
  w.Print(h.Thickness, h.ThicknessExponent, h.DamageToFailure);
  Text(w, h.SimulationTags);
  w.EndLine();
  w.PrintLine(h.NeglectFatigueLimit, h.FastSimulation);
  for (int i = 1; i <= kRandomVarMax; ++i) w.PrintLine(h.RvType[i], h.RvCov[i]);
  w.PrintLine(h.SimulationCount, h.CyclesPerBlock, h.BlockTime);
}

}  // namespace

McsResultsHeader McsResultsHeaderOf(const ProgramState& s, const std::string& scfCaption,
                                    const std::string& notchFactorCaption) {
  const AnalysisOptions& ao = s.analysisOptions;
  const LoadingData& ld = s.loadingData;
  const MaterialData& md = s.materialData;
  const McsSettings& mcs = s.mcsSettings;
  McsResultsHeader h;
  h.Subject = s.jobTexts.JobSubject;
  h.LoadingName = s.jobTexts.LoadingName;
  h.LoadingType = ao.LoadingType;
  h.MaterialName = s.jobTexts.MaterialName;
  if (ao.LoadingType == 1) {
    h.Stress1 = ld.LoadSmax;
    h.Stress2 = ld.LoadSmin;
  } else {
    h.Stress1 = Sng(static_cast<double>(ld.StressRangeTo) / ld.StressInputMode);
    h.Stress2 = ld.StressMinOrMeanInput;
  }
  PointsOf(s, h);
  h.LoadToStressFactor = s.loadingUnits.LoadToStressFactor;
  h.DistQ = ld.DistQInput;
  h.DistR = ld.DistRInput;
  h.DistributionName = ld.DistributionName;
  h.Kt = s.componentData.Kt;
  h.YoungModulus = md.YoungModulus;
  h.MseTag = s.resultsDisplay.MseTag2;
  h.StressInputMode = ld.StressInputMode;
  h.MeanStressOption = ao.MeanStressOption;
  h.StressApproach = ao.StressApproach;
  h.SNDataSpecimen = ao.SNDataSpecimen;
  h.NotchSensitivityMode = ao.NotchSensitivityMode;
  h.NotchFactor = s.componentData.MseNotchFactor;
  h.NotchRadius = s.componentData.NotchRadius;
  h.StressApproachText = ao.StressApproachText;
  h.SpecimenText = ao.SpecimenText;
  h.NotchSensitivityText = ao.NotchSensitivityText;
  h.NotchText = Right(scfCaption, 7);
  h.NotchFactorLabel = notchFactorCaption;
  h.EnduranceCycles = md.EnduranceCycles;
  h.SurvivalProbability = md.SurvivalProbability;
  h.SNStressRatio = md.SNStressRatio;
  h.Se = md.Se;
  h.SNExponent = md.SNExponent;
  h.SNExtensionRatio = md.SNExtensionRatio;
  h.SNExtensionExponent = md.SNExtensionExponent;
  h.SNExtensionDisplay = md.SNExtensionDisplay;
  h.Thickness = md.Thickness;
  h.ThicknessExponent = md.ThicknessExponent;
  h.DamageToFailure = ao.DamageToFailure;
  h.SimulationTags = mcs.FatigueLimitTag + mcs.FastSimulationTag;
  h.NeglectFatigueLimit = mcs.NeglectFatigueLimit;
  h.FastSimulation = mcs.FastSimulation;
  for (int i = 1; i <= kRandomVarMax; ++i) {
    h.RvType[i] = s.randomVariableTable.RvType[i];
    h.RvCov[i] = s.randomVariableTable.RvCov[i];
  }
  h.SimulationCount = mcs.SimulationsTarget;
  h.CyclesPerBlock = ld.CyclesPerBlock;
  h.BlockTime = s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)];
  return h;
}

void WriteMcsWorkFileHeader(SeqWriter& w, const McsResultsHeader& h) {
  w.WriteLine(kCurrentMarker, h.Subject);
  WriteLines2(w, h);
  w.PrintLine(h.Stress1, h.Stress2);
  WritePoints(w, h);
  WriteLines5To7(w, h);
  WriteLine8Texts(w, h);
  w.EndLine();
  Text(w, h.NotchFactorLabel);
  w.EndLine();
  WriteLines10To21(w, h);
}

void WriteMcsLifeLine(SeqWriter& w, float life) { w.PrintLine(life); }

void WriteMcsCopyHeader(SeqWriter& w, const McsResultsHeader& h) {
  w.Print(kCurrentMarker);
  Text(w, h.Subject);
  w.EndLine();
  WriteLines2(w, h);
  w.Print(h.Stress1, h.Stress2);
  WritePoints(w, h);
  WriteLines5To7(w, h);
  WriteLine8Texts(w, h);
  w.Print(kCr);
  Text(w, h.NotchFactorLabel);
  w.EndLine();
  WriteLines10To21(w, h);
}

McsResultsHeader ReadMcsResultsHeader(SeqReader& in) {
  McsResultsHeader h;
  h.Marker = in.ReadInteger();
  if (h.Marker < -3 || h.Marker > -1) throw RuntimeError(kErrTypeMismatch, "not a results file");
  h.Subject = in.ReadString();
  h.LoadingName = in.ReadString();
  h.LoadingType = in.ReadInteger();
  h.MaterialName = in.ReadString();
  h.Stress1 = in.ReadSingle();
  h.Stress2 = in.ReadSingle();
  h.PointCount = in.ReadLong();
  h.PointText = in.ReadString();
  h.LoadToStressFactor = in.ReadSingle();
  h.DistQ = in.ReadSingle();
  h.DistR = in.ReadSingle();
  h.DistributionName = in.ReadString();
  h.Kt = in.ReadSingle();
  h.YoungModulus = in.ReadSingle();
  h.MseTag = in.ReadString();
  if (h.HasLines7To9()) {
    for (int16_t* v : {&h.StressInputMode, &h.MeanStressOption, &h.StressApproach, &h.SNDataSpecimen,
                       &h.NotchSensitivityMode}) {
      *v = in.ReadInteger();
    }
    h.NotchFactor = in.ReadSingle();
    h.NotchRadius = in.ReadSingle();
    for (std::string* t : {&h.StressApproachText, &h.SpecimenText, &h.NotchSensitivityText, &h.NotchText,
                           &h.NotchFactorLabel}) {
      *t = in.ReadString();
    }
  }
  h.EnduranceCycles = in.ReadLong();
  for (float* v : {&h.SurvivalProbability, &h.SNStressRatio, &h.Se, &h.SNExponent, &h.SNExtensionRatio,
                   &h.SNExtensionExponent}) {
    *v = in.ReadSingle();
  }
  h.SNExtensionDisplay = in.ReadInteger();
  h.Thickness = in.ReadSingle();
  h.ThicknessExponent = in.ReadSingle();
  h.DamageToFailure = in.ReadSingle();
  h.SimulationTags = in.ReadString();
  if (h.HasLine12()) {
    h.NeglectFatigueLimit = in.ReadInteger();
    h.FastSimulation = in.ReadInteger();
  }
  for (int i = 1; i <= kRandomVarMax; ++i) {
    h.RvType[i] = in.ReadInteger();
    h.RvCov[i] = in.ReadSingle();
  }
  h.SimulationCount = in.ReadLong();
  h.CyclesPerBlock = in.ReadLong();
  h.BlockTime = in.ReadSingle();
  return h;
}
