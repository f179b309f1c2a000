#include "shell/job_file_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/runtime/seq_reader.h"
#include "shell/job_fixtures.h"

namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// The typed-in constant-amplitude job, record by record, as files held it
// before the notch radius was kept with the job: 32 records.
const std::string kTypedInJobOf32Records =
    "Analysis options\r\n"
    "Shaft shoulder\r\n"
    " 1  0  3  2  2  1  1  1 \r\n"
    " 1  1  1 -1 \r\n"
    "[MPa]\rMPa\rStress \r 1  1 \r\n"
    "\r\n"
    "/home/eng/db\r\n"
    "Material data\r\n"
    "???\r\n"
    " 2  0  0 \r\n"
    " 100  3.5  3.5 -1  0  0  25  .25  1 \r\n"
    " 210000  500  300  500  300  2000000  .7 \r\n"
    "Loading data\r\n"
    "???\r\n"
    " 2  0 \r\n"
    " 60  120  10  100  120  2  2 \r\n"
    " 3  3  3  3  3  3 \r\n"
    " 1  1  1 \r\n"
    "DMSE(-)  \r\n"
    "Random data\r\n"
    "/FSA\r\n"
    "NoFL\r\n" +
    Repeat(" 0  .1  1  1  0  0 \r\n", 8) +
    " 1  10000  0  1  .999  1E+30  1  0 \r\n"
    " 1  1  1  1  1 \r\n";
// As the version before wrote it: the notch radius (1 mm) and the ends of
// the endurance limit follow.
const std::string kTypedInJobOf34Records = kTypedInJobOf32Records + " 1 \r\n 100  100 \r\n";
// As it is written now: the header of the distribution data, then the
// distribution's law (Beta) and block volume.
const std::string kTypedInJob = kTypedInJobOf34Records + "Distribution data\r\n 1  1000 \r\n";

JobFile Parse(const std::string& text) {
  SeqReader in = SeqReader::FromText(text);
  return ParseJobFile(in);
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
  return s;
}

TEST(JobFileBytes, TypedInConstantAmplitudeJobRecordByRecord) {
  EXPECT_EQ(JobFileBytes(JobFileOf(*TypedInConstantAmplitudeJob())), kTypedInJob);
}

// A probabilistic database job in US units, every byte: Singles that need all
// seven digits (.03937008, .1450326), a Double that needs fifteen
// (.998998998998999), negative numbers, a Long of seven digits, and numbers
// in the exponent form (-3.2E-05 as a Single, 1E+30).
TEST(JobFileBytes, UsDatabaseJobWholeFile) {
  auto s = DatabaseJobInUsUnits();
  s->mcsSettings.SimulationCount = 999;
  s->mcsResults.ProbabilityLevel = 1.0 - 1.0 / 999;  // the level the simulation sets for 999 runs
  s->randomVariableTable.RvParA[1] = -3.2e-5f;
  s->materialData.Thickness = 12.7f;
  s->componentData.NotchRadius = 0.2f;
  s->loadingData.DistributionType = 2;
  s->loadingData.BlockVolumeEntry = 25000;
  const std::string expected =
      "Analysis options\r\n"
      "Shaft shoulder\r\n"
      " 1  0  2  2  2  2  2  2 \r\n"
      " 1  .03937008  1 -1 \r\n"
      "[ksi]\rksi\rStress \r 1  .1450326 \r\n"
      "/data/loads\r\n"
      "/home/eng/db\r\n"
      "Material data\r\n"
      "\"St 52-3, welded, as rolled\"\r\n"
      " 1  2  2 \r\n"
      " 160  5  5  0  0  0  12.7  .25  1 \r\n"
      " 210000  520  355  520  355  5000000  .7 \r\n"
      "Loading data\r\n"
      "Crane runway\r\n"
      " 1  4 \r\n"
      " 60  120  10  100  120  2  2 \r\n"
      " 2.5  3  3  2.5  3  3 \r\n"
      " 1  1  1 \r\n"
      "\"DMSE(+): Su=520, Sy=355, Kt=2.5\"\r\n"
      "Random data\r\n"
      "/NSA\r\n"
      "NoFL\r\n"
      " 2  .08  .5  1.5 -3.2E-05  .25 \r\n"
      " 0  .1  1  1  0  0 \r\n"
      "-1  .1  1  1  0  0 \r\n" +
      Repeat(" 0  .1  1  1  0  0 \r\n", 5) +
      " 2  999  1  3  .998998998998999  1E+30  1  0 \r\n"
      " 1  1  1  1  0 \r\n"
      " .2 \r\n"
      " 160  160 \r\n"
      "Distribution data\r\n"
      " 2  25000 \r\n";
  const std::string bytes = JobFileBytes(JobFileOf(*s));
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(JobFileBytes(Parse(bytes)), expected);  // and reads back to the same items
}

TEST(JobFileBytes, UsUnitsSelectedBatchAndTextsHoldingCommas) {
  auto s = DatabaseJobInUsUnits();
  s->loadingDbState.BrowsedLoadingBatch = 9;  // browsed after the batch was taken
  const std::string bytes = JobFileBytes(JobFileOf(*s));
  EXPECT_NE(bytes.find("\r\n 1  0  2  2  2  2  2  2 \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n 1  .03937008  1 -1 \r\n[ksi]\rksi\rStress \r 1  .1450326 \r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n\"St 52-3, welded, as rolled\"\r\n 1  2  2 \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nCrane runway\r\n 1  4 \r\n"), std::string::npos);  // the batch in use
  EXPECT_NE(bytes.find("\r\n\"DMSE(+): Su=520, Sy=355, Kt=2.5\"\r\nRandom data\r\n/NSA\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n 2  .08  .5  1.5 -.0032  .25 \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n 2  2500  1  3  .9996  1E+30  1  0 \r\n 1  1  1  1  0 \r\n"),
            std::string::npos);
}

TEST(JobFileBytes, TextsStayOnTheirLine) {
  auto s = TypedInConstantAmplitudeJob();
  s->jobTexts.JobSubject = "two\r\nlines";
  EXPECT_EQ(JobFileBytes(JobFileOf(*s)).substr(0, 28), "Analysis options\r\ntwolines\r\n");
}

TEST(ParseJobFile, ReadsBackWhatWasWrittenWhateverTheLineBreaks) {
  const std::string bytes = JobFileBytes(JobFileOf(*DatabaseJobInUsUnits()));
  // On one line wherever the items allow it: the mean-stress text of record 19
  // runs to its line end.
  std::string oneLine = Replace(Replace(bytes, "\r\n", ","), "\r", ",");
  oneLine = Replace(oneLine, "Kt=2.5\",", "Kt=2.5\"\n");
  const struct {
    const char* name;
    std::string text;
  } forms[] = {
      {"as written", bytes},
      {"LF only", Replace(bytes, "\r\n", "\n")},
      {"every line end a LF", Replace(Replace(bytes, "\r\n", "\n"), "\r", "\n")},
      {"lone CRs", Replace(bytes, "\r\n", "\r")},
      {"one line", oneLine},
  };
  for (const auto& form : forms) {
    // every item reads back as written (a Single keeps its seven digits)
    EXPECT_EQ(JobFileBytes(Parse(form.text)), bytes) << form.name;
  }
}

TEST(ParseJobFile, ReadsTheUnquotedMeanStressTextOfOlderFilesWhole) {
  auto s = DatabaseJobInUsUnits();
  s->jobTexts.MaterialName = "St 52-3";
  const std::string bytes = JobFileBytes(JobFileOf(*s));
  const std::string unquoted = Replace(bytes, "\"", "");
  EXPECT_EQ(Parse(unquoted).BatchMseText, "DMSE(+): Su=520, Sy=355, Kt=2.5");
  EXPECT_EQ(JobFileBytes(Parse(unquoted)), bytes);
}

TEST(ParseJobFile, TheTypedInJobReadsBackEqualInEveryItem) {
  EXPECT_TRUE(Parse(kTypedInJob) == JobFileOf(*TypedInConstantAmplitudeJob()));
}

// Every Single of the job reads back as it was held, also where 7 digits do
// not give it back (a value typed in ksi, a log-normal's Q in ksi); the
// factors of the unit system, which Open takes from the system again, keep
// their 7-digit form.
TEST(ParseJobFile, EverySingleReadsBackAsItWasHeld) {
  auto s = TypedInConstantAmplitudeJob();
  s->unitSettings.LengthUnitFactor = 1.0f / 25.4f;
  s->loadingUnits.LoadUnitFactor = 1.0f / 6.895f;
  s->materialData.Se = s->materialData.SeFrom = s->materialData.SeTo = 100.0f / 6.895f * 2.0f;
  s->loadingData.StressRangeTo = 110.379135f;
  s->loadingData.DistQInput = 1.0f / 3.0f;
  const JobFile job = JobFileOf(*s);
  const std::string bytes = JobFileBytes(job);
  JobFile back = Parse(bytes);
  EXPECT_EQ(back.LoadUnitFactor, 0.1450326f);
  back.LoadUnitFactor = job.LoadUnitFactor;
  EXPECT_TRUE(back == job);
  EXPECT_NE(bytes.find(" 29.006527 "), std::string::npos);
  EXPECT_NE(bytes.find(" 110.379135  2 "), std::string::npos);
  EXPECT_NE(bytes.find(" .03937008 "), std::string::npos);
  EXPECT_NE(bytes.find(" .1450326 \r\n"), std::string::npos);
}

// What follows record 32 is the job's only in the form the program writes:
// files of 32 records (some with blank lines or other text after them) read
// as before, without the records kept since; the version before's records 33
// and 34 are read where the file goes on, also with text after them; this
// version's records are read whatever the line breaks, and whatever follows
// them (a later version's records) is not read.
TEST(ParseJobFile, WhatFollowsRecord32IsReadOnlyInTheFormsTheProgramWrites) {
  const std::string of32 = kTypedInJobOf32Records;
  const std::string of34 = kTypedInJobOf34Records;
  const std::optional<JobRange> none, ends{JobRange{100, 100}};
  const std::optional<JobDistribution> beta{JobDistribution{1, 1000}};
  const struct {
    const char* name;
    std::string text;
    std::optional<float> radius;
    std::optional<JobRange> ends;
    std::optional<JobDistribution> distribution;
  } cases[] = {
      {"32 records", of32, std::nullopt, none, std::nullopt},
      {"blank lines after them", of32 + "\r\n  \r\n", std::nullopt, none, std::nullopt},
      {"other text after them", of32 + "Checked by H. M.\r\nsee drawing 4711\r\n", std::nullopt, none, std::nullopt},
      {"other text that begins with numbers", of32 + " 3 shafts\r\n 2  4 \r\n", std::nullopt, none, std::nullopt},
      {"the radius after them", of32 + " .2 \r\n", 0.2f, none, std::nullopt},
      {"the radius on record 32's line", of32.substr(0, of32.size() - 2) + " 2.5", 2.5f, none, std::nullopt},
      {"the radius and the ends", of32 + " .2 \r\n 80  160 \r\n", 0.2f, JobRange{80, 160}, std::nullopt},
      {"the radius and the ends, then other text", of32 + " .2 \r\n 80  160 \r\nChecked\r\n", 0.2f,
       JobRange{80, 160}, std::nullopt},
      {"this version's records", of34 + "Distribution data\r\n 3  500 \r\n", 1.0f, ends, JobDistribution{3, 500}},
      {"this version's records on two lines", of32 + " 1  100  100 \r\nDistribution data, 1  1000 \r\n", 1.0f, ends,
       beta},
      {"this version's records, then other text", kTypedInJob + "Checked\r\n", 1.0f, ends, beta},
      {"this version's records, then a later one", kTypedInJob + " 7  7 \r\n", 1.0f, ends, beta},
  };
  for (const auto& c : cases) {
    const JobFile read = Parse(c.text);
    JobFile expected = JobFileOf(*TypedInConstantAmplitudeJob());
    expected.NotchRadius = c.radius;
    expected.EnduranceLimitEnds = c.ends;
    expected.Distribution = c.distribution;
    EXPECT_TRUE(read == expected) << c.name;
  }
}

TEST(ParseJobFile, LoadQuantityGetsItsTrailingBlankBackAndTextsLoseTheirOuterBlanks) {
  std::string text = Replace(kTypedInJob, "Stress \r", "Strain\r");
  text = Replace(text, "Shaft shoulder\r\n", "   Shaft shoulder  \r\n");
  const JobFile read = Parse(text);
  EXPECT_EQ(read.LoadQuantity, "Strain ");
  EXPECT_EQ(read.JobSubject, "Shaft shoulder");
}

TEST(ParseJobFile, NamesTheRecordAndTheRuntimesErrorWhenReadingFails) {
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {"", "Input past end of file\r(reading record 1: Analysis options)"},
      {kTypedInJob.substr(0, kTypedInJob.find("Material data")),
       "Input past end of file\r(reading record 8: Material data)"},
      {kTypedInJobOf32Records.substr(0, kTypedInJobOf32Records.size() - 5),
       "Input past end of file\r(reading record 32: simulation options)"},
      // the version before's records where they follow record 32
      {kTypedInJobOf32Records + " 1E+39 \r\n", "Overflow\r(reading record 33: notch radius)"},
      {kTypedInJobOf32Records + " 1 \r\n 100 \r\n", "Input past end of file\r(reading record 34: endurance limit ends)"},
      // this version's records, whichever of them does not read
      {kTypedInJobOf32Records + " 1mm \r\n 100  100 \r\nDistribution data\r\n 1  1000 \r\n",
       "Type mismatch\r(reading record 33: notch radius)"},
      {kTypedInJobOf32Records + " 1 \r\n 100  x \r\nDistribution data\r\n 1  1000 \r\n",
       "Type mismatch\r(reading record 34: endurance limit ends)"},
      {kTypedInJobOf32Records + " 1 \r\nDistribution data\r\n 1  1000 \r\n",
       "Type mismatch\r(reading record 34: endurance limit ends)"},
      {kTypedInJobOf32Records + " 1 \r\n 100  100  100 \r\nDistribution data\r\n 1  1000 \r\n",
       "Type mismatch\r(reading record 35: Distribution data)"},
      {kTypedInJobOf34Records + "Distribution data\r\n", "Input past end of file\r(reading record 36: loading distribution)"},
      {kTypedInJobOf34Records + "Distribution data\r\n 1  many \r\n",
       "Type mismatch\r(reading record 36: loading distribution)"},
      {kTypedInJobOf34Records + "Distribution data\r\n 1  3000000000 \r\n",
       "Overflow\r(reading record 36: loading distribution)"},
      {Replace(kTypedInJob, " 100  3.5 ", " 100  x3.5 "),
       "Type mismatch\r(reading record 11: S-N curve)"},
      {Replace(kTypedInJob, " 1  1  1 -1 ", " 1  1  99999 -1 "),
       "Overflow\r(reading record 4: damage to failure and units)"},
      {Replace(kTypedInJob, " 2000000 ", " 1E+40 "),
       "Overflow\r(reading record 12: material strengths)"},
      // values that do not fit their field: an Integer, a Long, a Single
      {Replace(kTypedInJob, "\r\n 1  0  3 ", "\r\n 40000  0  3 "),
       "Overflow\r(reading record 3: analysis options)"},
      {Replace(kTypedInJob, " 2000000 ", " 3000000000 "),
       "Overflow\r(reading record 12: material strengths)"},
      {Replace(kTypedInJob, " 100  3.5 ", " 1E+39  3.5 "), "Overflow\r(reading record 11: S-N curve)"},
      {Replace(kTypedInJob, " 100  3.5 ", " 1E-50  3.5 "), "Overflow\r(reading record 11: S-N curve)"},
  };
  for (const auto& c : cases) {
    try {
      Parse(c.text);
      ADD_FAILURE() << "read: " << c.message;
    } catch (const JobFileError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(CheckJobFile, RefusesCodesIndicesFactorsAndCountsOutOfRange) {
  const JobFile good = JobFileOf(*DatabaseJobInUsUnits());
  EXPECT_NO_THROW(CheckJobFile(good));
  EXPECT_NO_THROW(CheckJobFile(JobFileOf(*TypedInConstantAmplitudeJob())));
  const struct {
    void (*spoil)(JobFile&);
    const char* message;
  } cases[] = {
      {[](JobFile& j) { j.LoadingType = 9; }, "loading type = 9 (expected 1 to 4)"},
      {[](JobFile& j) { j.LoadingBatch = 25; }, "loading batch = 25 (expected 0 to 20)"},
      {[](JobFile& j) { j.LoadingBatch = -1; }, "loading batch = -1 (expected 0 to 20)"},
      {[](JobFile& j) { j.UsedFatigueBatch = -1; }, "fatigue database batch = -1 (expected 1 to 20)"},
      {[](JobFile& j) { j.UsedFatigueSet = 6; }, "fatigue database set = 6 (expected 0 to 5)"},
      {[](JobFile& j) { j.LifeUnit = 0; }, "life unit = 0 (expected 1 to 3)"},
      {[](JobFile& j) { j.MasterCurveParameter = 4; }, "master-curve parameter = 4 (expected 0 to 3)"},
      {[](JobFile& j) { j.JobStressApproach = 3; }, "stress approach = 3 (expected 0 to 2)"},
      {[](JobFile& j) { j.RandomVariables[5].RvType = 6; },
       "type of random variable 5 = 6 (expected -1 to 5)"},
      {[](JobFile& j) { j.SimulationCount = 99; }, "number of simulations = 99 (expected 100 to 2147483647)"},
      {[](JobFile& j) { j.FastSimulation = -1; }, "fast simulation = -1 (expected 0 to 1)"},
      {[](JobFile& j) { j.MaterialSource = 0; }, "material source = 0 (expected 1 to 2)"},
      {[](JobFile& j) { j.ProbabilityLevel = 1; }, "probability level = 1 (expected 0 or more and below 1)"},
      {[](JobFile& j) { j.ProbabilityLevel = -0.001; },
       "probability level = -.001 (expected 0 or more and below 1)"},
      {[](JobFile& j) { j.YoungModulus = 0; }, "Young's modulus = 0 (expected 10000 or more)"},
      {[](JobFile& j) { j.YoungModulus = 9999; }, "Young's modulus = 9999 (expected 10000 or more)"},
      {[](JobFile& j) { j.LoadQuantity = "Force "; }, "loading quantity \"Force \" (expected Stress or Strain)"},
      {[](JobFile& j) { j.NotchRadius = 0.0f; }, "notch radius = 0 (expected above 0)"},
      {[](JobFile& j) { j.NotchRadius = -0.5f; }, "notch radius = -.5 (expected above 0)"},
      {[](JobFile& j) { j.AnalysisMode = j.MasterCurveParameter = 2, j.EnduranceLimitEnds = JobRange{160, 80}; },
       "endurance limit from 160 to 80 (expected above 0, the lower end first)"},
      {[](JobFile& j) { j.AnalysisMode = j.MasterCurveParameter = 2, j.EnduranceLimitEnds = JobRange{0, 80}; },
       "endurance limit from 0 to 80 (expected above 0, the lower end first)"},
      // a file without record 34 gives its one Se at both ends
      {[](JobFile& j) { j.AnalysisMode = j.MasterCurveParameter = 2, j.Se = 0, j.EnduranceLimitEnds.reset(); },
       "endurance limit from 0 to 0 (expected above 0, the lower end first)"},
      {[](JobFile& j) { j.Se = -5, j.EnduranceLimitEnds.reset(); }, "endurance limit from -5 to -5 (expected above 0)"},
      {[](JobFile& j) { j.EnduranceLimitEnds = JobRange{0, 160}; }, "endurance limit from 0 to 160 (expected above 0)"},
      {[](JobFile& j) { j.EnduranceLimitEnds = JobRange{160, -1}; }, "endurance limit from 160 to -1 (expected above 0)"},
      {[](JobFile& j) { j.Distribution = JobDistribution{0, 1000}; }, "loading distribution = 0 (expected 1 to 3)"},
      {[](JobFile& j) { j.Distribution = JobDistribution{4, 1000}; }, "loading distribution = 4 (expected 1 to 3)"},
  };
  for (const auto& c : cases) {
    JobFile spoilt = good;
    c.spoil(spoilt);
    try {
      CheckJobFile(spoilt);
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const JobFileError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("The job file holds an invalid value:\r") + c.message);
    }
  }
}

// The levels the results view leaves at the ends of its range: 0 where every
// simulated life fails before the life asked for ("Pf >" 1), 1 - 1E-6
// where the failure probability is clipped from below ("Pf <").
TEST(CheckJobFile, TakesTheProbabilityLevelsAtTheEndsOfTheResultsView) {
  for (const double level : {0.0, 1.0 - 1e-6}) {
    JobFile j = JobFileOf(*TypedInConstantAmplitudeJob());
    j.ProbabilityLevel = level;
    EXPECT_NO_THROW(CheckJobFile(j)) << level;
  }
}

// The order of the ends counts only for a master curve over the endurance
// limit: a single case keeps its upper end where its box left it. The
// block volume is any the program may hold: Calculate refuses a typed one
// below 2 with its box's reason.
TEST(CheckJobFile, TakesWhatTheProgramHolds) {
  JobFile j = JobFileOf(*TypedInConstantAmplitudeJob());
  j.EnduranceLimitEnds = JobRange{120, 100};
  for (const int32_t volume : {-1, 0, 1, INT32_MAX}) {
    j.Distribution = JobDistribution{3, volume};
    EXPECT_NO_THROW(CheckJobFile(j)) << volume;
  }
}

TEST(CheckJobFile, TypedInSourcesAllowBatchZero) {
  JobFile typedIn = JobFileOf(*TypedInConstantAmplitudeJob());
  typedIn.LoadingBatch = 0;
  typedIn.UsedFatigueBatch = 0;
  EXPECT_NO_THROW(CheckJobFile(typedIn));
}

// Earlier versions saved a database loading with the batch 0 after a
// database read had given the batch up: such a file opens.
TEST(CheckJobFile, ADatabaseLoadingWithoutItsBatchOpens) {
  JobFile lost = JobFileOf(*DatabaseJobInUsUnits());
  lost.LoadingBatch = 0;
  EXPECT_NO_THROW(CheckJobFile(lost));
}

}  // namespace
