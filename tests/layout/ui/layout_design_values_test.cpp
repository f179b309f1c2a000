// The main window's design values of every control that the edit-box, label
// and loading-value passes scale: the window is built with them, and a start
// at the design size (where no control pass runs) leaves them, and whatever
// any control pass would write, as they are.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"

namespace {

constexpr float kAny = std::numeric_limits<float>::quiet_NaN();  // not fixed by the design

struct Design {
  const char* name;
  int index;
  float left, top, width, height, font;
  bool bold = false;
  bool autoSized = false;  // Width and Height follow the caption
};

struct LineDesign {
  const char* name;
  int index;
  float x1, y1, x2, y2;
};

std::vector<Design> Designs() {
  std::vector<Design> d = {
      // The simulation options.
      {"chk_StartNo", 0, 840, 480, 2535, 330, 9},
      {"chk_StartNo", 1, 840, 840, 2535, 330, 9},
      {"chk_StartNo", 2, 840, 240, 2415, 330, 9},
      {"chk_StartNo", 3, 840, 1200, 2415, 330, 9},
      {"No_simul", -1, 840, 1680, 1296, 216, 9},
      {"No_simult", -1, 2520, 1680, 735, 315, 9},
      // The fatigue database's boxes and labels.
      {"refer_txt", -1, 2760, 360, 3615, 855, 8.4f},
      {"txt_Fatigue_Db", -1, 1200, 840, 375, 255, 9},
      {"Txt1_Fatigue_DB", -1, 6840, 840, 2775, 255, 9},
      {"Label20", 0, 150, 840, 945, 330, 9},
      {"Label20", 1, 2040, 840, 375, 330, 9, true},
      {"Label20", 2, 1560, 840, 345, 330, 9},
      {"Label20", 3, 1200, 840, 375, 330, 9.6f, true},
      {"Label28", 0, 2280, 1760, 615, 330, 8.4f},
      {"Label28", 1, 2280, 3560, 615, 255, 8.4f},
      {"Label28", 2, 2280, 3920, 615, 195, 8.4f},
      {"Label22", -1, 240, 1400, 2550, 285, 8.4f},
      {"Label23", -1, 240, 1764, 1932, 336, 8.4f},
      {"Label24", -1, 240, 2100, 2652, 288, 8.4f},
      {"Label25", -1, 240, 2820, 2175, 255, 8.4f},
      {"Label26", -1, 240, 3560, 2085, 255, 8.4f},
      {"Label27", -1, 240, 3920, 2085, 255, 8.4f},
      {"Label29", -1, 240, 2440, 2535, 285, 8.4f},
      {"Label30", -1, 240, 3180, 2535, 285, 8.4f},
      {"Lab1_fatigue_DB", -1, 6600, 840, 2775, 360, 9},
      // The loading database.
      {"txt_Load_Db", -1, 1320, 600, 375, 345, 9},
      {"Label5", 0, 360, 600, 975, 345, 9},
      {"Label5", 1, 2040, 600, 495, 345, 9, true},
      {"Label5", 2, 1680, 600, 255, 345, 9},
      {"Label6", -1, 3120, 630, 3975, 345, 9},
      {"Label7", -1, 360, 1080, 1935, 255, 9, true},
      {"Label10", 0, 5040, 2640, 615, 255, 9},
      {"Label10", 1, 5040, 1560, 615, 255, 9},
      {"Label10", 2, 5040, 1800, 615, 255, 9},
      {"Label10", 3, 5040, 2880, 615, 255, 9},
      {"Label11", -1, 360, 2400, 2055, 255, 9, true},
      {"Label14", 0, 360, 3960, 2055, 255, 9, true},
      {"Label14", 1, 2400, 3960, 1215, 255, 9, true},
      {"Label15", 0, 1200, 4200, 1245, 240, 9},
      {"Label15", 1, 3156, 4440, 288, 216, 9, false, true},
      {"Label15", 2, 3156, 4200, 300, 216, 9, false, true},
      {"Label16", 0, 3825, 4200, 1110, 255, 9},
      {"Label16", 1, 3825, 4440, 1110, 255, 9},
      {"Label17", 0, 5040, 2040, 615, 255, 9},
      {"Label17", 1, 5040, 3600, 615, 255, 9},
      {"Label17", 2, 5040, 3360, 735, 255, 9},
      {"Label18", -1, 360, 5040, 1095, 255, 9, true},
      {"Label19", -1, 1560, 5040, 5415, 255, 9},
      // The title block.
      {"Label1", -1, 3120, 480, 5352, 1392, 60},
      {"Label2", -1, 3480, 1680, 4005, 255, 7.8f, true},
      {"Label3", -1, 3480, 1920, 4005, 255, 7.8f, true},
      {"Label4", -1, 3480, 2160, 4005, 255, 7.8f, true},
      // The master-curve screen and the job summary's wait notice.
      {"Life_inf", -1, 1200, 1920, 3255, 255, 10.8f, true},
      {"wait", -1, 0, 0, 1092, 216, 9, false, true},
      {"Lifelab", 0, 1440, 3600, 900, 216, 9, false, true},
      // The loading diagrams' values and boxes.
      {"SHscalt", 0, 2520, 600, 495, 255, 9},
      {"SHscalt", 1, 2520, 840, 495, 255, 9},
      {"SHSmax", -1, 120, 120, 4095, 255, 9},
      {"SSmax", 0, 600, 360, 948, 216, 9, false, true},
      {"SSmax", 1, 600, 720, 948, 216, 9, false, true},
      {"SSmaxt", 0, 1080, 360, 495, 240, 9},
      {"SSmaxt", 1, 1080, 720, 495, 240, 9},
      {"SSrng", 0, 2040, 360, 564, 216, 9, false, true},
      {"SSrng", 1, 1920, 720, 948, 216, 9, false, true},
      {"SSmean", -1, 2160, 1440, 2064, 216, 9, false, true},
      {"SSmeant", -1, 3480, 1200, 615, 240, 9},
      {"SSmse", -1, 3120, 120, 612, 192, 7.8f, false, true},
  };
  const float stressHistoryTops[] = {1320, 1560, 1800, 2040};
  for (int i = 0; i < 4; ++i) {
    d.push_back({"Label8", i, 1200, stressHistoryTops[i], 2295, 255, 9});
    d.push_back({"Label9", i, 3480, stressHistoryTops[i], 1455, 255, 9});
  }
  for (int i = 0; i < 5; ++i) {
    d.push_back({"Label12", i, 1200, 2640 + 240.0f * i, 2295, 255, 9});
    d.push_back({"Label13", i, 3480, 2640 + 240.0f * i, 1455, 255, 9});
  }
  // The grid: rows from the top (Text8 above Text7), six columns 1080 apart.
  const char* gridRows[] = {"Text2", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7", "Text9"};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 6; ++c) d.push_back({gridRows[r], c, 2880 + 1080.0f * c, 1320 + 360.0f * r, 1095, 375, 8.4f});
  return d;
}

std::vector<LineDesign> LineDesigns() {
  std::vector<LineDesign> d = {
      {"Line1", -1, 360, 960, 7080, 960},   {"Line2", -1, 360, 5400, 7080, 5400},
      {"Line6", -1, 120, 1260, 9360, 1260}, {"Line7", -1, 120, 4260, 9360, 4260},
      {"Line5", 0, 120, 1320, 120, 4200},   {"DMline", 0, 0, 1920, 3000, 1920},
      {"DMline", 1, 15, 4905, 3015, 4905},  {"DMline", 2, 0, 6720, 3000, 6720},
  };
  for (int i = 0; i < 9; ++i) d.push_back({"Line3", i, 120, 1320 + 360.0f * i, 9360, 1320 + 360.0f * i});
  return d;
}

std::string Describe(const char* name, int index) {
  return index < 0 ? name : std::string(name) + "(" + std::to_string(index) + ")";
}

void ExpectValue(float actual, float design, const std::string& what) {
  if (!std::isnan(design)) {
    EXPECT_EQ(actual, design) << what;
  }
}

bool IsTitleLabel(const std::string& name) {
  return name == "Label1" || name == "Label2" || name == "Label3" || name == "Label4";
}

// `shown`: the window has been shown, and its resize has centred the title block.
void ExpectDesignValues(const FormMain& main, bool shown = false) {
  for (const Design& d : Designs()) {
    const std::string what = Describe(d.name, d.index);
    const Control* c = main.Find(d.name, d.index);
    ASSERT_NE(c, nullptr) << what;
    if (shown && IsTitleLabel(d.name)) {
      EXPECT_EQ(c->Left(), (main.ScaleWidth() - c->Width()) / 2) << what;
    } else {
      ExpectValue(c->Left(), d.left, what + " Left");
    }
    ExpectValue(c->Top(), d.top, what + " Top");
    if (!d.autoSized) {
      ExpectValue(c->Width(), d.width, what + " Width");
      ExpectValue(c->Height(), d.height, what + " Height");
    }
    ExpectValue(c->FontSize(), d.font, what + " font");
    EXPECT_EQ(c->FontBold(), d.bold) << what;
    if (auto* l = dynamic_cast<const Label*>(c)) {
      EXPECT_EQ(l->AutoSize(), d.autoSized) << what;
    }
  }
  for (const LineDesign& d : LineDesigns()) {
    const std::string what = Describe(d.name, d.index);
    const LineControl& l = main.line(d.name, d.index);
    EXPECT_EQ(l.X1(), d.x1) << what;
    EXPECT_EQ(l.Y1(), d.y1) << what;
    EXPECT_EQ(l.X2(), d.x2) << what;
    EXPECT_EQ(l.Y2(), d.y2) << what;
  }
}

// Every property a pass writes, as it stands, of every control its rows name.
struct Snapshot {
  std::string control;
  std::vector<double> values;
  bool operator==(const Snapshot&) const = default;
};

std::vector<Snapshot> SnapshotOfThePasses(const FormMain& main) {
  std::vector<Snapshot> all;
  for (auto rows : {TextBoxLayoutRows(), LabelLayoutRows(), SpectrumLabelLayoutRows(), DataBoxLabelLayoutRows(),
                    CommandButtonLayoutRows(), OptionControlLayoutRows(), DataEntryLayoutRows(), FrameFontLayoutRows()})
    for (const LayoutRow& r : rows)
      for (int i = r.elements.first + r.elements.shift; i <= r.elements.last + r.elements.shift; ++i) {
        Control& c = *main.Find(r.name, i);
        // The job summary's fill places its controls anew at start-up.
        if (c.Container() && c.Container()->Name() == "pic_DBox") continue;
        Snapshot s{Describe(r.name, i), {}};
        for (uint8_t k = 0; k < r.steps.count; ++k) {
          const LayoutProp p = r.steps.step[k].prop;
          // The title block's Left belongs to the window's resize.
          if (!(IsTitleLabel(r.name) && p == LayoutProp::Left)) s.values.push_back(ReadLayoutProp(c, p));
        }
        all.push_back(s);
      }
  return all;
}

TEST(LayoutDesignValues, TheWindowIsBuiltWithThem) {
  ProgramState state;
  FakeHost host;
  FormMain main(state, host);
  ExpectDesignValues(main);
}

TEST(LayoutDesignValues, AStartAtTheDesignSizeKeepsThem) {
  ProgramState state;
  FakeHost host;
  // A 4:3 screen whose 0.96 gives the design window of 12000 x 9000 twips.
  host.screenWidthTwips = 12500;
  host.screenHeightTwips = 9375;
  FormMain main(state, host);
  const std::vector<Snapshot> before = SnapshotOfThePasses(main);
  host.onModal = [&] { main.dialog().button("Dialog_OKButton").click(); };
  main.Load();
  ASSERT_EQ(main.Width(), 12000);
  ASSERT_EQ(state.layoutScales.ScaleX, 1.0f);
  const std::vector<Snapshot> after = SnapshotOfThePasses(main);
  ASSERT_EQ(after.size(), before.size());
  for (size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k].values, before[k].values) << after[k].control;
  ExpectDesignValues(main, true);
}

}  // namespace
