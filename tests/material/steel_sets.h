#pragma once

// Fatigue database sets of steels for the roads through the material data.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "material/fatigue_db_file.h"
#include "material/fatigue_db_records.h"
#include "support/fake_host.h"

// Set `set` of batch `batch` complete: its name, Se (MPa) and m, with
// No = 2E+6, R = -1, Pn = 50 %, Sy = 355 and Su = 510 MPa.
inline void PutSteelSet(FatigueDatabase& db, int batch, int set, const std::string& name, float se, float m) {
  db.FdbSetName[batch][set] = name;
  db.FdbSe[batch][set] = se;
  db.FdbM[batch][set] = m;
  db.FdbNo[batch][set] = 2000000;
  db.FdbR[batch][set] = -1.0f;
  db.FdbPn[batch][set] = 50.0f;
  db.FdbSy[batch][set] = 355.0f;
  db.FdbSu[batch][set] = 510.0f;
}

// A database file of one batch "Steels" with two sets, "S355" (Se 50 MPa,
// m 3.5) and "S235" (Se 80 MPa, m 4), written in `folder` by the program's
// own writer. S235 names `s235TestData` as its test data where one is given;
// `adjust` changes the sets before they are written.
inline void WriteSteelsDatabase(const std::filesystem::path& folder, const std::string& s235TestData = "",
                                const std::function<void(FatigueDatabase&)>& adjust = {}) {
  FatigueDatabase db;
  db.FdbBatchName[1] = "Steels";
  db.FdbSetCount[1] = 2;
  PutSteelSet(db, 1, 1, "S355", 50.0f, 3.5f);
  PutSteelSet(db, 1, 2, "S235", 80.0f, 4.0f);
  if (!s235TestData.empty()) db.FdbTestDataName[1][2] = s235TestData;
  if (adjust) adjust(db);
  FatigueDbState st;
  st.FatigueBatchCount = 1;
  st.DatabaseDir = folder.string();
  FakeHost host;
  ASSERT_TRUE(WriteFatigueDatabase(db, st, host)) << host.Transcript();
}
