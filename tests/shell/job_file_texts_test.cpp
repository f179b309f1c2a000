// Every text of a job comes back from its file exactly as it was stored,
// whatever an engineer types into it.
#include <gtest/gtest.h>

#include <string>

#include "platform/runtime/cp1252.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_text.h"
#include "shell/job_file_format.h"
#include "shell/job_fixtures.h"

using namespace std::string_literals;

namespace {

// Texts as typed; a box stores them as StorableText keeps them.
const std::string kTypedTexts[] = {
    "Shaft 5\" dia, shoulder",  // a quote and a comma
    "St 52-3, welded",          // a comma
    "Shaft 5\" dia",            // a quote
    "\"Quoted\" name",          // a leading quote
    "  indented and trailing  ",
    "\tTab\tinside",
    ",x",
    ",",
    "Su=520, Sy=355, Kt=2.5 ",
    "form\ffeed NUL\0 CR\r LF\n end"s,
    "\u00B5str \u2264 3",  // a sign the code page lacks becomes '?'
    "",
    "???",
};

// Each text field of the job file: where it lives in the program's records
// and in the file's items.
const struct {
  const char* name;
  std::string& (*field)(ProgramState&);
  const std::string& (*item)(const JobFile&);
} kFields[] = {
    {"job subject", [](ProgramState& s) -> std::string& { return s.jobTexts.JobSubject; },
     [](const JobFile& j) -> const std::string& { return j.JobSubject; }},
    {"material name", [](ProgramState& s) -> std::string& { return s.jobTexts.MaterialName; },
     [](const JobFile& j) -> const std::string& { return j.MaterialName; }},
    {"loading name", [](ProgramState& s) -> std::string& { return s.jobTexts.LoadingName; },
     [](const JobFile& j) -> const std::string& { return j.LoadingName; }},
    {"loading unit bracket", [](ProgramState& s) -> std::string& { return s.loadingUnits.LoadUnitBracket; },
     [](const JobFile& j) -> const std::string& { return j.LoadUnitBracket; }},
    {"loading unit", [](ProgramState& s) -> std::string& { return s.loadingUnits.LoadUnit; },
     [](const JobFile& j) -> const std::string& { return j.LoadUnit; }},
    {"loading database folder", [](ProgramState& s) -> std::string& { return s.fatigueDbState.DataDirectory[1]; },
     [](const JobFile& j) -> const std::string& { return j.LoadingDbFolder; }},
    {"fatigue database folder", [](ProgramState& s) -> std::string& { return s.fatigueDbState.DataDirectory[2]; },
     [](const JobFile& j) -> const std::string& { return j.FatigueDbFolder; }},
    {"batch mean-stress text", [](ProgramState& s) -> std::string& { return s.loadingData.BatchMseText; },
     [](const JobFile& j) -> const std::string& { return j.BatchMseText; }},
    {"fast simulation tag", [](ProgramState& s) -> std::string& { return s.mcsSettings.FastSimulationTag; },
     [](const JobFile& j) -> const std::string& { return j.FastSimulationTag; }},
    {"fatigue limit tag", [](ProgramState& s) -> std::string& { return s.mcsSettings.FatigueLimitTag; },
     [](const JobFile& j) -> const std::string& { return j.FatigueLimitTag; }},
};

JobFile SavedAndOpened(const ProgramState& s) {
  SeqReader in = SeqReader::FromText(Cp1252ToUtf8(JobFileBytes(JobFileOf(s))));
  return ParseJobFile(in);
}

}  // namespace

TEST(JobFileTexts, EveryTextFieldComesBackExactlyAsStored) {
  for (const auto& f : kFields) {
    for (const std::string& typed : kTypedTexts) {
      auto s = DatabaseJobInUsUnits();
      const std::string stored = StorableText(typed);
      f.field(*s) = stored;
      const JobFile opened = SavedAndOpened(*s);
      EXPECT_EQ(f.item(opened), stored) << f.name;
      // and no other record shifted (Singles keep their seven digits)
      EXPECT_EQ(JobFileBytes(opened), JobFileBytes(JobFileOf(*s))) << f.name << ": \"" << typed << "\"";
      EXPECT_NO_THROW(CheckJobFile(opened)) << f.name << ": \"" << typed << "\"";
    }
  }
}

// Every field holding a text that needs its quotes at once: no record shifts.
TEST(JobFileTexts, AllTextsAwkwardAtOnceKeepEveryRecordInPlace) {
  auto s = DatabaseJobInUsUnits();
  for (std::size_t i = 0; i < std::size(kFields); ++i)
    kFields[i].field(*s) = StorableText(kTypedTexts[i % 5]);
  const JobFile opened = SavedAndOpened(*s);
  for (const auto& f : kFields) EXPECT_EQ(f.item(opened), f.field(*s)) << f.name;
  EXPECT_EQ(JobFileBytes(opened), JobFileBytes(JobFileOf(*s)));
}

TEST(JobFileTexts, OrdinaryTextsAreWrittenAsBefore) {
  const std::string bytes = JobFileBytes(JobFileOf(*TypedInConstantAmplitudeJob()));
  EXPECT_NE(bytes.find("\r\nShaft shoulder\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[MPa]\rMPa\rStress \r"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nDMSE(-)  \r\n"), std::string::npos);
  auto s = TypedInConstantAmplitudeJob();
  s->jobTexts.JobSubject = "Shaft 5\" dia, shoulder";  // stored by code as it stands
  EXPECT_NE(JobFileBytes(JobFileOf(*s)).find("\r\n\"Shaft 5' dia, shoulder\"\r\n 1  0 "), std::string::npos);
}
