// The material database's browser and table editor by real input: the
// grid's texts and tool tip, the description and reference box of several
// lines, the question about a new set answered by Enter, and leaving the
// editor of a database made in a folder picked in the data-service dialog,
// by the mouse and by the keyboard.

#include <gtest/gtest.h>

#include <QTest>
#include <QToolTip>
#include <filesystem>
#include <string>

#include "engine/ui/problem_definition_panel.h"
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

namespace fs = std::filesystem;

// The database folder "materials" in `where`: the steels' batch, S355 with
// r 0.5, Pn 97.5 % and a reference of two lines, S235 with r -0.5.
void WriteSteels(const fs::path& where) {
  fs::create_directory(where / "materials");
  WriteSteelsDatabase(where / "materials", "", [](FatigueDatabase& db) {
    db.FdbR[1][1] = 0.5f;
    db.FdbPn[1][1] = 97.5f;
    db.FdbReference[1][1] = "EC3 detail 71\rButt weld";
    db.FdbR[1][2] = -0.5f;
  });
}

// From the problem definition to the data-service dialog of the material
// data, on the folder "materials".
void ToTheMaterialsFolder(RealProgram& p) {
  User& user = p.user;
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  user.Choose(p.main.menus().mnu_fatigue);
  DataServicePanel& ds = p.main.dataService();
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  user.OpenFolder(ds.Dir1, "materials");
  ASSERT_EQ(fs::path(ds.Dir1.Path()), p.folder.path() / "materials");
}

// The database of the folder "materials" read and browsed.
void BrowseTheMaterials(RealProgram& p) {
  ASSERT_NO_FATAL_FAILURE(ToTheMaterialsFolder(p));
  DataServicePanel& ds = p.main.dataService();
  p.user.Click(ds.cmd_data_do);  // read
  ASSERT_EQ(p.state.fatigueDbState.FatigueBatchCount, 1);
  p.user.Click(ds.cmd_data_do);  // browse
  ASSERT_TRUE(p.main.fatigueDb().frm_Fatigue_Dbase.IsShowing());
}

// From the browser back to the data-service dialog, and on into the editor.
void EditTheMaterials(RealProgram& p) {
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  p.user.Click(db.cmd_Fatigue_Db_Cancel);
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  p.user.Click(ds.chk_Edit_Dbase);
  p.user.Click(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
}

// The reference box of the first set, opened by its button after a click on
// the set's name.
void OpenFirstReference(RealProgram& p) {
  FatigueDbPanel& db = p.main.fatigueDb();
  p.user.Click(db.Text2(0));
  ASSERT_TRUE(db.refer_pic(0).IsShowing());
  p.user.Click(db.refer_pic(0));
  ASSERT_TRUE(db.refer_txt.IsShowing());
}

TEST(FatigueDbRoad, TheRAndPnCellsShowTheirNumbersWithTheLeadingZero) {
  RealProgram p("fdb_numbers", WriteSteels);
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  EXPECT_EQ(ShownText(db.Text6(0)), "0.5");
  EXPECT_EQ(ShownText(db.Text6(1)), "-0.5");
  EXPECT_EQ(ShownText(db.Text8(0)), "97.5");
  EXPECT_EQ(ShownText(db.Text8(1)), "50");
}

// An access key reaches only the buttons on show: Alt+C is the browser's
// "&Close" while the browser lies over the data-service dialog's "&Cancel",
// and that dialog's "&Cancel" once the browser is gone.
TEST(FatigueDbRoad, AnAccessKeyClicksTheButtonOnShowNotTheOneUnderTheBrowser) {
  RealProgram p("fdb_access_keys", WriteSteels);
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  p.user.Key(Qt::Key_C, Qt::AltModifier);
  p.user.Wait(300);
  EXPECT_FALSE(db.frm_Fatigue_Dbase.IsShowing());
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  p.user.Key(Qt::Key_C, Qt::AltModifier);
  p.user.Wait(300);
  EXPECT_FALSE(ds.frm_data_serv.IsShowing());
}

TEST(FatigueDbRoad, TheEnduranceLimitsCaptionTellsWhatItMeans) {
  RealProgram p("fdb_tip", WriteSteels);
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  p.user.Move(p.main.fatigueDb().Label23, {});
  for (int waited = 0; waited < 3000 && !QToolTip::isVisible(); waited += 50) p.user.Wait(50);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text().toStdString(), "Endurance limit is considered as the maximum stress");
}

// A reference read from the file shows its lines; lines typed with Enter are
// kept, saved as the file's lines and show again once the file is opened by
// the program started anew.
TEST(FatigueDbRoad, AReferenceKeepsItsLinesFromTheFileToTheBoxAndBack) {
  RealProgram p("fdb_reference", WriteSteels);
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  DataServicePanel& ds = p.main.dataService();
  ASSERT_NO_FATAL_FAILURE(OpenFirstReference(p));
  EXPECT_EQ(ShownText(db.refer_txt), "EC3 detail 71\nButt weld");
  user.Click(db.refer_pic(0));

  p.watchdog.Step("typing a reference of three lines");
  ASSERT_NO_FATAL_FAILURE(EditTheMaterials(p));
  ASSERT_NO_FATAL_FAILURE(OpenFirstReference(p));
  ASSERT_TRUE(db.refer_txt.HasFocus());
  user.TypeOver("EN 1993-1-9");
  user.Key(Qt::Key_Return);
  user.Type("Detail 71");
  user.Key(Qt::Key_Return);
  user.Type("Butt weld");
  EXPECT_TRUE(db.refer_txt.HasFocus());
  EXPECT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_EQ(ShownText(db.refer_txt), "EN 1993-1-9\nDetail 71\nButt weld");
  user.Click(db.refer_pic(0));
  EXPECT_EQ(p.state.fatigueDatabase.FdbReference[1][1], "EN 1993-1-9\rDetail 71\rButt weld");

  p.watchdog.Step("saving");
  user.Click(db.cmd_Fatigue_Db_Cancel);
  ASSERT_TRUE(ds.chk_Save_Dbase.Value());
  user.Click(ds.cmd_data_do);
  const fs::path file = p.folder.path() / "materials" / "duvak.dat";
  EXPECT_NE(FileBytes(file).find("\r\nEN 1993-1-9\rDetail 71\rButt weld\r\n\r\nNo fatigue data\r\n"), std::string::npos);

  p.watchdog.Step("opening it again");
  RealProgram again("fdb_reference_again", [&](const fs::path& folder) {
    fs::create_directory(folder / "materials");
    fs::copy_file(file, folder / "materials" / "duvak.dat");
  });
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(again));
  ASSERT_NO_FATAL_FAILURE(OpenFirstReference(again));
  EXPECT_EQ(ShownText(again.main.fatigueDb().refer_txt), "EN 1993-1-9\nDetail 71\nButt weld");
  EXPECT_TRUE(user.AllAnswered());
}

// Enter in the question about a half-typed new set takes its default
// button, No: the set stays, and the batch stays on show.
TEST(FatigueDbRoad, EnterDoesNotAbandonAHalfTypedSet) {
  RealProgram p("fdb_abandon", WriteSteels);
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  ASSERT_NO_FATAL_FAILURE(EditTheMaterials(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  user.Retype(db.Text2(2), "S460");
  user.Retype(db.Text3(2), "120");
  user.AnswerMessageByKey(Qt::Key_Return);
  user.Click(db.cmd_fatigue_Db_Next);
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Wuold you like to abandon the new data set?");
  EXPECT_EQ(p.state.fatigueDatabase.FdbSetName[1][3], "S460");
  EXPECT_EQ(p.state.fatigueDatabase.FdbSe[1][3], 120.0f);
  EXPECT_EQ(db.Label20(3).Caption(), "1");
  EXPECT_TRUE(db.Text2(2).HasFocus());
}

// A yield strength below what the file keeps (it reads one below 10 MPa
// back as 0.6 x Su) is refused with the reason of the bound, and the set
// keeps its own.
TEST(FatigueDbRoad, AYieldStrengthTheFileCannotKeepIsRefused) {
  RealProgram p("fdb_low_sy", WriteSteels);
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(BrowseTheMaterials(p));
  ASSERT_NO_FATAL_FAILURE(EditTheMaterials(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  user.AnswerMessage("OK");
  user.Retype(db.Text7(0), "5");
  user.Click(db.Text9(0));
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Sorry, Data Incorrect! (Sy < 10 MPa)");
  EXPECT_EQ(user.Messages()[0].title, " Yield Strength (Sy)");
  EXPECT_EQ(p.state.fatigueDatabase.FdbSy[1][1], 355.0f);
  EXPECT_EQ(ShownText(db.Text7(0)), "355");
}

// The values of a complete set, row by row from the name down.
constexpr const char* kS355[] = {"S355", "50", "2E+6", "3.5", "-1", "50", "355", "510"};

// A new database made in the folder "materials": Edit opens the editor with
// the description box in focus, and the batch's name is typed.
void MakeANewDatabase(RealProgram& p) {
  ASSERT_NO_FATAL_FAILURE(ToTheMaterialsFolder(p));
  DataServicePanel& ds = p.main.dataService();
  ASSERT_EQ(ds.chk_new_Dbase.Value(), 1);
  p.user.Click(ds.chk_Edit_Dbase);
  p.user.Click(ds.cmd_data_do);
  FatigueDbPanel& db = p.main.fatigueDb();
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  ASSERT_TRUE(db.Txt1_Fatigue_DB.HasFocus());
  p.user.TypeOver("Steels");
}

// Leaving the editor: the data-service dialog is on show on the database's
// folder with Save selected, and Save writes the database there; the dialog
// opened again by "Material Data" is on that folder too.
void ExpectSavedInTheMaterialsFolder(RealProgram& p, bool byKeys) {
  DataServicePanel& ds = p.main.dataService();
  const fs::path materials = p.folder.path() / "materials";
  EXPECT_FALSE(p.main.fatigueDb().frm_Fatigue_Dbase.IsShowing());
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_TRUE(ds.chk_Save_Dbase.Value());
  EXPECT_EQ(fs::path(ds.Dir1.Path()), materials);
  if (byKeys) {
    p.user.Key(Qt::Key_O, Qt::AltModifier);  // "&OK"
    p.user.Wait(200);
  } else {
    p.user.Click(ds.cmd_data_do);
  }
  EXPECT_TRUE(fs::exists(materials / "duvak.dat"));
  EXPECT_FALSE(fs::exists(p.folder.path() / "duvak.dat"));
  EXPECT_EQ(p.state.fatigueDbState.FatigueDbModified, 0);
  p.user.Click(ds.cmd_data_cancel);
  p.user.Choose(p.main.menus().mnu_fatigue);
  EXPECT_EQ(fs::path(ds.Dir1.Path()), materials);
  EXPECT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
}

TEST(FatigueDbRoad, ExitAfterANewSetByTheMouseSavesInTheFolderOfTheNewDatabase) {
  RealProgram p("fdb_exit_mouse", [](const fs::path& folder) { fs::create_directory(folder / "materials"); });
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(MakeANewDatabase(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  for (FdbRow row : {FdbRow::Name, FdbRow::Se, FdbRow::No, FdbRow::M, FdbRow::R, FdbRow::Pn, FdbRow::Sy, FdbRow::Su})
    user.Retype(db.Cell(row, 0), kS355[static_cast<int>(row)]);
  user.Click(db.cmd_Fatigue_Db_Cancel);
  EXPECT_EQ(p.state.fatigueDatabase.FdbSetCount[1], 1.0f);
  EXPECT_EQ(p.state.fatigueDatabase.FdbBatchName[1], "Steels");
  ExpectSavedInTheMaterialsFolder(p, false);
}

// By the keyboard: Enter after the batch's name, the arrow keys through the
// rows, Alt+X for " E&xit" and Alt+O for "&OK".
TEST(FatigueDbRoad, ExitAfterANewSetByTheKeyboardSavesInTheFolderOfTheNewDatabase) {
  RealProgram p("fdb_exit_keys", [](const fs::path& folder) { fs::create_directory(folder / "materials"); });
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(MakeANewDatabase(p));
  FatigueDbPanel& db = p.main.fatigueDb();
  DataServicePanel& ds = p.main.dataService();
  user.Key(Qt::Key_Return);
  EXPECT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_TRUE(db.Txt1_Fatigue_DB.HasFocus());
  user.Key(Qt::Key_Down);
  ASSERT_TRUE(db.Text2(0).HasFocus());
  for (const char* value : kS355) {
    user.Type(value);
    user.Key(Qt::Key_Return);
    user.Key(Qt::Key_Down);
  }
  EXPECT_TRUE(ds.frm_data_serv.IsShowing());
  user.Key(Qt::Key_X, Qt::AltModifier);
  user.Wait(200);
  EXPECT_EQ(p.state.fatigueDatabase.FdbSetCount[1], 1.0f);
  ExpectSavedInTheMaterialsFolder(p, true);
}

}  // namespace
}  // namespace real_input
