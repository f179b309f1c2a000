#include "shell/job_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <limits>
#include <memory>
#include <string>

#include "loading/batch_selection.h"
#include "loading/loading_db_file.h"
#include "loading/loading_db_fixtures.h"
#include "shell/job_fixtures.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"
#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

class JobFileTest : public ::testing::Test {
 protected:
  void Put(const std::string& bytes) const { file.Put(bytes); }
  std::string Get() const { return file.Get(); }

  // Open as the command does it without database restores: a complete, valid
  // read is committed, anything else leaves the state alone.
  bool Open(ProgramState& state) {
    auto job = LoadJobFile(path, host, state.shellState.BeepEnabled == 1);
    if (!job) return false;
    CommitJobFile(*job, state);
    sources = JobSourcesOf(*job);
    return true;
  }

  ScopedTempFile file{"job_file_test", "job.sns"};
  const fs::path& dir = file.folder();
  const std::string& path = file.path();
  FakeHost host;
  JobSources sources;
};

TEST_F(JobFileTest, TypedInJobSavedAndReopenedIsTheSameJob) {
  const auto saved = TypedInConstantAmplitudeJob();
  ASSERT_TRUE(SaveJobFile(path, *saved, host));
  auto opened = std::make_unique<ProgramState>();
  ASSERT_TRUE(Open(*opened)) << host.Transcript();

  EXPECT_TRUE(JobFileOf(*opened) == JobFileOf(*saved));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(opened->unitSettings == UnitsOf(UnitSystem::SI));
  // values derived while opening
  const MaterialData& m = opened->materialData;
  EXPECT_EQ(m.SeFrom, 100.0f);
  EXPECT_EQ(m.SeTo, 100.0f);
  EXPECT_EQ(m.SuUsed, 500.0f);
  EXPECT_EQ(m.SyUsed, 300.0f);
  EXPECT_EQ(opened->loadingData.StressMinOrMeanInput, 10.0f);
  EXPECT_EQ(opened->loadingData.LoadSmax, 60.0f);
  EXPECT_EQ(opened->loadingData.LoadSmin, -60.0f);
  EXPECT_EQ(opened->componentData.Kf, 3.0f);
  EXPECT_EQ(opened->componentData.SpecimenNotchFactor, 3.0f);
  EXPECT_EQ(opened->loadingData.ScalingFactorApplied, 1.0f);
  // the job's approach and notch sensitivity are in effect at once
  const AnalysisOptions& a = opened->analysisOptions;
  EXPECT_EQ(a.StressApproach, 1);
  EXPECT_EQ(a.NotchSensitivityMode, 1);
  EXPECT_EQ(a.StressApproachTag + a.SpecimenTag + a.NotchSensitivityTag, "NomS/FS/NS(-)/");
  EXPECT_FALSE(sources.materialFromDatabase);
  EXPECT_FALSE(sources.loadingFromDatabase);
}

// The notch radius goes with the job; the notch factor on show is the job's
// own, that of the row its specimen shows (the mean-stress notch factor of
// a feature specimen, the Kt of a plain one). A file of 32 records (written
// before the radius was kept) keeps the radius in use.
TEST_F(JobFileTest, TheNotchRadiusAndTheShownNotchFactorComeWithTheJob) {
  const struct {
    const char* name;
    int16_t specimen;
    bool of32Records;
    float radius, shownFactor;
  } cases[] = {
      {"feature specimen", 1, false, 0.2f, 2.5f},
      {"plain specimen", 2, false, 0.2f, 1.8f},
      {"of 32 records", 1, true, 0.7f, 2.5f},
  };
  for (const auto& c : cases) {
    const auto saved = TypedInConstantAmplitudeJob();
    saved->analysisOptions.SNDataSpecimen = c.specimen;
    saved->componentData.NotchRadius = 0.2f;
    saved->componentData.Kt = 1.8f;
    saved->materialData.KtInput = 2.5f;
    ASSERT_TRUE(SaveJobFile(path, *saved, host));
    std::string written = Get();
    const std::string after32 = " .2 \r\n 100  100 \r\nDistribution data\r\n 1  1000 \r\n";
    ASSERT_EQ(written.substr(written.size() - after32.size()), after32);
    if (c.of32Records) Put(written.substr(0, written.size() - after32.size()));
    auto opened = std::make_unique<ProgramState>();
    opened->componentData.NotchRadius = 0.7f;  // left by the job before
    opened->componentData.MseNotchFactor = 4.0f;
    ASSERT_TRUE(Open(*opened)) << c.name << host.Transcript();
    EXPECT_EQ(opened->componentData.NotchRadius, c.radius) << c.name;
    EXPECT_EQ(opened->componentData.MseNotchFactor, c.shownFactor) << c.name;
    EXPECT_EQ(opened->componentData.Kf, 2.5f) << c.name;
  }
}

// Every job opens with the ends of its endurance limit as it was saved: the
// lower end is the Se a calculation uses, whatever Se was typed last (a
// single case made after a master curve over the endurance limit typed its
// upper end last). A file without them takes its one Se at both ends.
TEST_F(JobFileTest, EveryJobKeepsTheEndsOfItsEnduranceLimit) {
  const struct {
    const char* name;
    int16_t mode, parameter;
    bool of32Records;
    float from, to;
  } cases[] = {
      {"master curve over Se", 2, 2, false, 80, 160},
      {"master curve over the load level", 2, 1, false, 80, 160},
      {"single case", 1, 0, false, 80, 160},
      {"single case of 32 records", 1, 0, true, 140, 140},
  };
  for (const auto& c : cases) {
    const auto saved = TypedInConstantAmplitudeJob();
    saved->analysisOptions.AnalysisMode = c.mode;
    saved->analysisOptions.MasterCurveParameter = c.parameter;
    MaterialData& m = saved->materialData;
    m.Se = 140;
    m.SeFrom = 80;
    m.SeTo = 160;
    ASSERT_TRUE(SaveJobFile(path, *saved, host));
    if (c.of32Records) Put(Get().substr(0, Get().find(" 1 \r\n 80  160 \r\n")));
    auto opened = std::make_unique<ProgramState>();
    ASSERT_TRUE(Open(*opened)) << c.name << host.Transcript();
    EXPECT_EQ(opened->materialData.Se, 140.0f) << c.name;
    EXPECT_EQ(opened->materialData.SeFrom, c.from) << c.name;
    EXPECT_EQ(opened->materialData.SeTo, c.to) << c.name;
  }
}

// A typed-in loading keeps the number of the batch browsed last (a job whose
// batch could not be taken back keeps its batch so); opened again it selects
// no batch, so no row of the database in memory becomes its data.
TEST_F(JobFileTest, TypedInLoadingKeepsItsBrowsedBatchButSelectsNone) {
  const auto saved = TypedInConstantAmplitudeJob();
  saved->jobTexts.LoadingName = "Gust spectrum";
  saved->loadingDbState.BrowsedLoadingBatch = 5;
  ASSERT_TRUE(SaveJobFile(path, *saved, host));
  EXPECT_NE(Get().find("\r\nGust spectrum\r\n 2  5 \r\n"), std::string::npos);
  auto opened = std::make_unique<ProgramState>();
  opened->loadingDatabase.BatchLevelCount[5] = 12;
  ASSERT_TRUE(Open(*opened)) << host.Transcript();
  EXPECT_TRUE(JobFileOf(*opened) == JobFileOf(*saved));
  EXPECT_EQ(opened->loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(opened->loadingDbState.BrowsedLoadingBatch, 5);
  EXPECT_EQ(opened->loadingDatabase.BatchLevelCount[5], 12.0f) << "the database's batch 5 is left alone";
}

TEST_F(JobFileTest, DatabaseJobInUsUnitsSavedAndReopenedNamesItsSources) {
  const auto saved = DatabaseJobInUsUnits();
  ASSERT_TRUE(SaveJobFile(path, *saved, host));
  auto opened = std::make_unique<ProgramState>();
  opened->loadingDatabase.BatchLevelCount[4] = 12;
  ASSERT_TRUE(Open(*opened)) << host.Transcript();

  EXPECT_TRUE(JobFileOf(*opened) == JobFileOf(*saved));
  EXPECT_EQ(opened->jobTexts.MaterialName, "St 52-3, welded, as rolled");
  EXPECT_EQ(opened->loadingData.BatchMseText, "DMSE(+): Su=520, Sy=355, Kt=2.5");
  EXPECT_TRUE(opened->unitSettings == UnitsOf(UnitSystem::US));
  EXPECT_EQ(opened->loadingUnits.LoadUnitFactor, opened->unitSettings.StressUnitFactor);
  EXPECT_EQ(opened->loadingDbState.SelectedLoadingBatch, 4);
  EXPECT_EQ(opened->loadingDbState.BrowsedLoadingBatch, 4);
  EXPECT_EQ(opened->loadingDatabase.BatchLevelCount[4], 0.0f);
  EXPECT_EQ(opened->analysisOptions.LoadingType, 2);
  const AnalysisOptions& a = opened->analysisOptions;
  EXPECT_EQ(a.StressApproachTag + a.SpecimenTag + a.NotchSensitivityTag, "LocS/PS/NS(+)/");
  EXPECT_EQ(a.StressApproachText, "Local Strs/Strn");

  EXPECT_TRUE(sources.materialFromDatabase);
  EXPECT_EQ(sources.fatigueBatch, 2);
  EXPECT_EQ(sources.fatigueSet, 2);
  EXPECT_EQ(sources.fatigueDbFolder, "/home/eng/db");
  EXPECT_TRUE(sources.loadingFromDatabase);
  EXPECT_EQ(sources.loadingBatch, 4);
  EXPECT_EQ(sources.loadingDbFolder, "/data/loads");
}

TEST_F(JobFileTest, ATypedInLoadingOpensAsConstantAmplitude) {
  auto saved = TypedInConstantAmplitudeJob();
  saved->analysisOptions.LoadingType = 1;
  ASSERT_TRUE(SaveJobFile(path, *saved, host));
  auto opened = std::make_unique<ProgramState>();
  ASSERT_TRUE(Open(*opened));
  EXPECT_EQ(opened->analysisOptions.LoadingType, 3);
}

// A typed-in distribution opens with its law and block volume, which are
// its cycles per block; a file without them (written before they were
// kept) opens it as constant amplitude, as it did.
TEST_F(JobFileTest, ATypedInDistributionOpensWithItsLawAndBlockVolume) {
  const struct {
    int16_t law;
    bool of34Records;
    int16_t loadingType, openedLaw;
    const char* name;
    int32_t volume, cycles;
  } cases[] = {
      {1, false, 4, 1, "Beta ", 2500, 2500},
      {2, false, 4, 2, "Weibull ", 2500, 2500},
      {3, false, 4, 3, "Log-norm ", 2500, 2500},
      {2, true, 3, 1, "Beta ", 1000, 1},
  };
  for (const auto& c : cases) {
    auto saved = TypedInConstantAmplitudeJob();
    saved->analysisOptions.LoadingType = 4;
    LoadingData& l = saved->loadingData;
    l.DistributionType = c.law;
    l.BlockVolumeEntry = l.CyclesPerBlock = 2500;
    ASSERT_TRUE(SaveJobFile(path, *saved, host));
    if (c.of34Records) Put(Get().substr(0, Get().find("Distribution data\r\n")));
    auto opened = std::make_unique<ProgramState>();
    ASSERT_TRUE(Open(*opened)) << host.Transcript();
    EXPECT_EQ(opened->analysisOptions.LoadingType, c.loadingType) << c.law;
    const LoadingData& o = opened->loadingData;
    EXPECT_EQ(o.DistributionType, c.openedLaw) << c.law;
    EXPECT_EQ(o.DistributionName, c.name) << c.law;
    EXPECT_EQ(o.BlockVolumeEntry, c.volume) << c.law;
    EXPECT_EQ(o.CyclesPerBlock, c.cycles) << c.law;
    if (!c.of34Records) {
      EXPECT_TRUE(JobFileOf(*opened) == JobFileOf(*saved)) << c.law;
    }
  }
}

TEST_F(JobFileTest, AStrainLoadingOpensInMicroStrain) {
  auto saved = DatabaseJobInUsUnits();
  saved->loadingUnits.LoadQuantity = "Strain ";
  saved->materialData.YoungModulus = 200000;
  ASSERT_TRUE(SaveJobFile(path, *saved, host));
  for (int32_t points : {0, 5000}) {
    auto opened = std::make_unique<ProgramState>();
    opened->loadingDatabase.BatchPointCount[4] = points;
    ASSERT_TRUE(Open(*opened));
    const LoadingUnits& u = opened->loadingUnits;
    EXPECT_EQ(u.LoadQuantity, "Strain ");
    EXPECT_EQ(u.LoadUnitBracket, "[\xC2\xB5str]");
    EXPECT_EQ(u.LoadUnit, "\xC2\xB5str");
    EXPECT_EQ(u.LoadUnitFactor, points ? 1.0f : 5.0f) << points;
    EXPECT_EQ(u.LoadToStressFactor, points ? 0.2f : 1.0f) << points;
  }
}

// A file that cannot be read whole, or holds a value out of range, changes
// nothing and says why.
TEST_F(JobFileTest, TruncatedOrHostileFilesAreRefusedAndChangeNothing) {
  const std::string good = JobFileBytes(JobFileOf(*DatabaseJobInUsUnits()));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
  };
  const struct {
    std::string bytes;
    const char* message;
  } cases[] = {
      {good.substr(0, good.size() / 2), "Input past end of file\r(reading record "},
      {good.substr(0, good.find("Random data")),
       "Input past end of file\r(reading record 20: Random data)"},
      {replaced(" 1  0  2 ", " 1  0  9 "),
       "The job file holds an invalid value:\rloading type = 9 (expected 1 to 4)"},
      {replaced("Crane runway\r\n 1  4 ", "Crane runway\r\n 1  25 "),
       "The job file holds an invalid value:\rloading batch = 25 (expected 0 to 20)"},
      // an S-N value beyond the Single range (no writer of the program writes one)
      {replaced(" 160  5 ", " 1E+40  5 "), "Overflow\r(reading record 11: S-N curve)"},
  };
  for (const auto& c : cases) {
    Put(c.bytes);
    auto state = TypedInConstantAmplitudeJob();
    state->loadingDatabase.BatchLevelCount[4] = 12;
    const JobFile before = JobFileOf(*state);
    host.messages.clear();
    host.beeps = 0;
    EXPECT_FALSE(Open(*state)) << c.message;
    EXPECT_TRUE(JobFileOf(*state) == before) << c.message;
    EXPECT_EQ(state->loadingDatabase.BatchLevelCount[4], 12.0f);
    EXPECT_EQ(state->materialData.SeFrom, 100.0f);
    ASSERT_EQ(host.messages.size(), 1u) << c.message;
    const FakeHost::Message& shown = host.messages[0];
    EXPECT_EQ(shown.text.rfind(c.message, 0), 0u) << shown.text;
    EXPECT_TRUE(shown.text.ends_with("\rThe job was not opened.")) << shown.text;
    EXPECT_EQ(shown.title, " Opening an Existing Job");
    EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
    EXPECT_EQ(shown.buttons, MsgButtons::OKOnly);
    EXPECT_EQ(host.beeps, 1);
  }
}

TEST_F(JobFileTest, AMissingFileSaysSoAndTheBeepFollowsTheSetting) {
  auto state = std::make_unique<ProgramState>();
  state->shellState.BeepEnabled = 0;
  EXPECT_FALSE(Open(*state));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "File not found\rThe job was not opened.");
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(JobFileTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
  Put("the job saved before\r\n");
  const auto state = TypedInConstantAmplitudeJob();
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveJobFile(path, *state, host));
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Path/File access error");  // the runtime's text for EFBIG
  EXPECT_EQ(host.messages[0].title, " Saving the Job");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Get(), "the job saved before\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  const SaveResult nowhere = WriteJobFile((dir / "no" / "job.sns").string(), *state);
  EXPECT_FALSE(nowhere.ok);
  EXPECT_EQ(nowhere.errorText, "Path not found");
}

// A database read while a batch is in use gives the selection up (a batch
// must be taken again before the job runs), but the loading is still that
// batch's: the job saved then names the batch, in the folder it was taken
// from, whatever folder was read (the same one, another database, a folder
// without one) and whatever batch was browsed after it, and it opens.
TEST(JobFileOf, AfterADatabaseReadTheJobNamesTheBatchItsLoadingWasTakenFrom) {
  ScopedTempFolder folder("job_of_a_read_database");
  const fs::path loads = folder.path() / "loads", other = folder.path() / "other", none = folder.path() / "none";
  ldb_fixture::PutThreeBatches(loads);
  fs::create_directory(other);
  folder.Write("other/duvdt.dat", ldb_fixture::DatabaseText(-2, {ldb_fixture::HistoryBatch("Other", 9, "1", "0")}));
  fs::create_directory(none);
  for (const fs::path& read : {loads, other, none}) {
    SCOPED_TRACE(read.filename().string());
    auto s = std::make_unique<ProgramState>();
    FakeHost host;
    s->fatigueDbState.DatabaseDir = loads.string();
    ASSERT_TRUE(ReadLoadingDatabase(*s, host));
    s->analysisOptions.LoadingType = 2;
    s->loadingDbState.BrowsedLoadingBatch = 2;  // the spectrum
    ASSERT_EQ(TakeBrowsedBatch(*s, host), BatchTaking::Taken) << host.Transcript();
    s->fatigueDbState.DatabaseDir = read.string();
    ReadLoadingDatabase(*s, host);
    s->loadingDbState.BrowsedLoadingBatch = 1;
    ASSERT_EQ(s->loadingDbState.SelectedLoadingBatch, 0);
    const JobFile job = JobFileOf(*s);
    EXPECT_EQ(job.LoadingSource, 1);
    EXPECT_EQ(job.LoadingBatch, 2);
    EXPECT_EQ(job.LoadingDbFolder, loads.string());
    EXPECT_EQ(job.LoadingName, "Gust spectrum");
    EXPECT_NO_THROW(CheckJobFile(job));
  }
}

// A database that changed since the job was saved may no longer hold its
// batch or set: the restore is then given up rather than a wrong set taken.
TEST(JobRestore, TheJobsBatchAndSetMustStillExist) {
  auto db = std::make_unique<FatigueDatabase>();
  FatigueDbState state;
  state.FatigueBatchCount = 2;
  db->FdbSetCount[2] = 3;
  const struct {
    int16_t batch, set;
    bool restorable;
  } cases[] = {{2, 0, true}, {2, 2, true}, {2, 3, false}, {3, 0, false}, {0, 0, false}, {2, -1, false}};
  for (const auto& c : cases) {
    JobSources sources;
    sources.fatigueBatch = c.batch;
    sources.fatigueSet = c.set;
    EXPECT_EQ(FatigueSetRestorable(sources, *db, state), c.restorable) << c.batch << " " << c.set;
  }
  LoadingDbState loading;
  loading.LoadingBatchCount = 5;
  for (int16_t batch : {0, 1, 5, 6}) {
    JobSources sources;
    sources.loadingBatch = batch;
    EXPECT_EQ(LoadingBatchRestorable(sources, loading), batch >= 1 && batch <= 5) << batch;
  }
}

// Where the database holds batches but not the job's, the message says why.
TEST(JobRestore, AFailedRestoreSaysWhyAndLeavesTypedInData) {
  auto state = DatabaseJobInUsUnits();
  const std::string materialName = state->jobTexts.MaterialName;
  JobSources sources;
  sources.fatigueBatch = 2;
  sources.fatigueSet = 3;
  sources.loadingBatch = 7;
  FatigueDbState fatigue;
  LoadingDbState loading;
  EXPECT_EQ(MissingFatigueSetText(sources, fatigue), "") << "an empty database needs no why";
  EXPECT_EQ(MissingLoadingBatchText(sources, loading), "");
  fatigue.FatigueBatchCount = 1;
  loading.LoadingBatchCount = 4;
  EXPECT_EQ(MissingFatigueSetText(sources, fatigue), "The Fatigue Database holds no batch 2");
  fatigue.FatigueBatchCount = 2;
  EXPECT_EQ(MissingFatigueSetText(sources, fatigue), "Batch 2 of the Fatigue Database holds no set 4");
  JobSources noBatch = sources;  // a database loading saved without its batch
  noBatch.loadingBatch = 0;
  for (int16_t count : {0, 4}) {
    LoadingDbState read;
    read.LoadingBatchCount = count;
    EXPECT_EQ(MissingLoadingBatchText(noBatch, read), "The job names no batch of the Loading Database") << count;
  }

  FakeHost host;
  GiveUpMaterialRestore(*state, host);
  GiveUpLoadingRestore(*state, host, MissingLoadingBatchText(sources, loading));
  GiveUpLoadingRestore(*state, host, BatchNotTakenText(3));
  EXPECT_EQ(state->materialData.MaterialSource, 2);
  EXPECT_EQ(state->materialData.Se, 160.0f);
  EXPECT_EQ(state->jobTexts.MaterialName, materialName) << "the set's own S-N data are kept";
  EXPECT_EQ(state->loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state->loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(state->analysisOptions.LoadingType, 3);
  EXPECT_EQ(state->jobTexts.LoadingName, "Crane runway") << "the job's name is kept, as the material's";
  EXPECT_EQ(state->loadingDbState.BrowsedLoadingBatch, 4) << "and the job's batch, for the next save";
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].text, "Can't restore the Fatigue Data");
  EXPECT_EQ(host.messages[1].text,
            "Can't restore the Loading Data\rThe Loading Database holds no batch 7: the stresses are kept as a "
            "typed-in constant amplitude.");
  EXPECT_EQ(host.messages[2].text,
            "Can't restore the Loading Data\rBatch 3 was not taken: the stresses are kept as a typed-in constant "
            "amplitude.");
  for (const auto& m : host.messages) {
    EXPECT_EQ(m.title, " Opening an Existing Job");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::OKOnly);
  }
}

// Over a batch taken again the job's own stresses, scaling factors and name
// come back, with the stress pair that follows from them.
TEST(JobRestore, TheJobsOwnValuesGoBackOverTheBatch) {
  auto saved = DatabaseJobInUsUnits();
  LoadingData& l = saved->loadingData;
  l.StressInputMode = 1;
  l.StressRangeFrom = 40;
  l.ScalingFactor = l.ScalingFactorMax = 2;
  l.ScalingFactorMin = 0.5f;
  saved->resultsDisplay.DamageDisplayMode = 1;
  const JobFile job = JobFileOf(*saved);
  for (int16_t type : {int16_t{2}, int16_t{1}}) {
    auto s = std::make_unique<ProgramState>();  // as the batch's Select leaves it
    s->analysisOptions.LoadingType = type;
    s->loadingDbState.SelectedLoadingBatch = 4;
    s->loadingDatabase.BatchHistoryMax[4] = 120;
    s->loadingDatabase.BatchHistoryMin[4] = -80;
    s->jobTexts.LoadingName = "Batch name";
    CommitJobLoadingOverBatch(job, *s);
    EXPECT_EQ(s->jobTexts.LoadingName, "Crane runway");
    EXPECT_EQ(s->resultsDisplay.DamageDisplayMode, 1);
    const LoadingData& r = s->loadingData;
    EXPECT_EQ(r.StressRange, 120.0f);
    EXPECT_EQ(r.StressRangeFrom, 40.0f);
    EXPECT_EQ(r.StressMinOrMeanInput, 10.0f);
    EXPECT_EQ(r.ScalingFactorMin, 0.5f);
    EXPECT_EQ(r.SpectrumSmax, 130.0f) << "range 120 over a minimum of 10";
    EXPECT_EQ(r.LoadSmax, type == 1 ? 240.0f : 130.0f) << "a history: its extremes scaled by 2";
    EXPECT_EQ(r.LoadSmin, type == 1 ? -160.0f : 10.0f);
  }
}

// A batch is taken back under the job's loading type when it holds what that
// type needs, else under the type it was taken for before the problem
// definition used it as another loading.
TEST(JobRestore, TheLoadingTypeABatchIsTakenBackUnder) {
  auto db = std::make_unique<LoadingDatabase>();
  db->BatchPointCount[1] = 9;  // a history
  db->BatchLevelCount[2] = 3;  // a spectrum
  db->BatchR[3] = 2;           // a distribution
  db->BatchPointCount[4] = 9;  // a history with its levels
  db->BatchLevelCount[4] = 3;
  const struct {
    int batch;
    int16_t jobType, taken;
  } cases[] = {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {2, 2, 2}, {2, 3, 3}, {2, 1, 2}, {2, 4, 2},
               {3, 4, 4}, {3, 3, 4}, {4, 3, 3}, {4, 2, 2}, {4, 4, 1}, {5, 3, 3}, {99, 2, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(LoadingTypeToRetake(*db, c.batch, c.jobType), c.taken) << c.batch << " as " << c.jobType;
  }
}

}  // namespace

// Record 4's length factor is the unit flag: exactly 1 opens as SI, any other
// value as US (with the US factors, whatever the file held).
TEST_F(JobFileTest, ALengthFactorOtherThanOneOpensAsUs) {
  const std::string good = JobFileBytes(JobFileOf(*TypedInConstantAmplitudeJob()));
  const std::string record4 = "\r\n 1  1  1 -1 \r\n";
  ASSERT_NE(good.find(record4), std::string::npos);
  const struct {
    const char* factor;
    UnitSystem system;
  } cases[] = {{" 1 ", UnitSystem::SI}, {" .03937008 ", UnitSystem::US}, {" .0393701 ", UnitSystem::US},
               {" 7 ", UnitSystem::US},  {" 0 ", UnitSystem::US},         {"-1 ", UnitSystem::US},
               {" .9999999 ", UnitSystem::US}};
  for (const auto& c : cases) {
    std::string bytes = good;
    bytes.replace(bytes.find(record4), record4.size(), std::string("\r\n 1 ") + c.factor + " 1 -1 \r\n");
    Put(bytes);
    auto state = std::make_unique<ProgramState>();
    ASSERT_TRUE(Open(*state)) << c.factor << host.Transcript();
    EXPECT_TRUE(state->unitSettings == UnitsOf(c.system)) << c.factor;
  }
}

// A value that no file may hold (an infinity computed somewhere) is not
// written: the save is refused and the old file stays as it was.
TEST_F(JobFileTest, ANonFiniteValueIsNeverSaved) {
  Put("old job");
  auto state = TypedInConstantAmplitudeJob();
  state->materialData.ThicknessFactor = std::numeric_limits<float>::infinity();
  EXPECT_FALSE(SaveJobFile(path, *state, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Overflow");
  EXPECT_EQ(host.messages[0].title, " Saving the Job");
  EXPECT_EQ(Get(), "old job");
}
