// The summary report says what the screen says, by real input: a master
// curve over a history's scaling factor lists the factors that the user
// typed and the diagram shows, each row its own; a job in US units gives
// its notch radius in inches, as typed and as its thickness is given.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/ui/main_menus.h"
#include "support/scoped_folder.h"

namespace real_input {
namespace {

namespace fs = std::filesystem;

// The summary report "to  &File..." through the file dialog, line by line.
std::vector<std::string> ReportLines(RealProgram& p, const fs::path& file) {
  p.watchdog.Step("the summary report");
  p.user.AnswerFileDialog(file.string());
  p.user.Choose(p.main.menus().mnu_pfile);
  EXPECT_TRUE(p.user.AllAnswered());
  std::vector<std::string> lines;
  std::istringstream in(FileBytes(file));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A box typed and left by a click on its picture.
void TypeOn(RealProgram& p, Control& box, const std::string& value, Control& picture) {
  p.user.Retype(box, value);
  p.user.Click(picture);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
}

// The parameter column of the master-curve table: the rows between the
// table's second and last rule, up to the life at column 47.
std::vector<std::string> ParameterColumn(const std::vector<std::string>& lines) {
  const std::string rule = std::string(14, ' ') + std::string(43, '-');
  std::vector<size_t> rules;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == rule) rules.push_back(i);
  std::vector<std::string> column;
  if (rules.size() < 3) return column;
  for (size_t i = rules[rules.size() - 2] + 1; i < rules.back(); ++i) {
    const std::string row = lines[i].substr(14, 32);
    column.push_back(row.substr(0, row.find_last_not_of(' ') + 1));
  }
  return column;
}

TEST(SummaryReportRoad, AMasterCurveOverAHistorysScalingFactorListsTheFactorsTyped) {
  UsersFolders folders;
  RealProgram p("scaling_factor_report", {}, 120, folders.root.path());
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, pd.chk_history, 1, {&pd.chk_master}));
  LoadingFramesPanel& lf = p.main.loadingFrames();
  p.user.Click(lf.SHscal(1));
  ASSERT_NO_FATAL_FAILURE(TypeOn(p, lf.SHscalt(1), "0.5", lf.Pic_Hist));
  p.user.Click(lf.SHscal(0));
  ASSERT_NO_FATAL_FAILURE(TypeOn(p, lf.SHscalt(0), "2.0", lf.Pic_Hist));
  p.watchdog.Step("Calculate");
  p.user.Choose(p.main.menus().mnu_calculate);
  ASSERT_TRUE(p.main.results().frm_master.IsShowing());
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;

  const std::vector<std::string> lines = ReportLines(p, folders.File("factors.txt"));
  std::vector<std::string> factors;
  for (int k = 0; k <= 20; ++k) {
    char text[16];
    std::snprintf(text, sizeof text, " %.3f", 0.5 + 0.075 * k);
    factors.push_back(text);
  }
  EXPECT_EQ(ParameterColumn(lines), factors);
  const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.rfind(std::string(14, ' ') + " PAR", 0) == 0;
  });
  ASSERT_NE(heading, lines.end());
  EXPECT_EQ(heading->substr(14, 33), " PAR" + std::string(29, ' ')) << "a factor has no unit";
}

TEST(SummaryReportRoad, AJobInUsUnitsGivesItsNotchRadiusInInches) {
  RealProgram p("us_notch_radius_report");
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  p.user.Click(pd.chk_unnotch);
  p.user.Click(pd.chk_ns_account);
  p.user.Click(pd.Cmd_analysis_next);
  p.user.Choose(p.main.menus().mnu_US);
  DataBoxPanel& box = p.main.dataBox();
  ASSERT_NO_FATAL_FAILURE(TypeOn(p, box.SCFt(0), "2.5", box.pic_DBox));
  ASSERT_NO_FATAL_FAILURE(TypeOn(p, box.Reliabt, "0.1", box.pic_DBox));
  p.watchdog.Step("Calculate");
  p.user.Choose(p.main.menus().mnu_calculate);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;

  const std::vector<std::string> lines = ReportLines(p, p.folder.path() / "notch.txt");
  const std::string indent(14, ' ');
  const auto radius = std::find(lines.begin(), lines.end(), indent + "Notch Radius:  r =  0.1");
  EXPECT_NE(radius, lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), indent + "Stress Conc. Factor:  Kt = 2.5 "), lines.end());
}

}  // namespace
}  // namespace real_input
