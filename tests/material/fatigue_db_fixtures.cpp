#include "material/fatigue_db_fixtures.h"

namespace fdb_fixture {

namespace {

struct SetValues {
  const char* name;
  float se;
  int32_t no;
  float m, pn, r, su, sy;
  const char* reference;
  const char* testData;
  float distType, cov, parA, parB, xmin, xmax;
};

void PutSet(FatigueDatabase& db, int i, int j, const SetValues& v) {
  db.FdbSetName[i][j] = v.name;
  db.FdbSe[i][j] = v.se;
  db.FdbNo[i][j] = v.no;
  db.FdbM[i][j] = v.m;
  db.FdbPn[i][j] = v.pn;
  db.FdbR[i][j] = v.r;
  db.FdbSu[i][j] = v.su;
  db.FdbSy[i][j] = v.sy;
  db.FdbReference[i][j] = v.reference;
  db.FdbTestDataName[i][j] = v.testData;
  db.FdbSeDistType[i][j] = v.distType;
  db.FdbSeCov[i][j] = v.cov;
  db.FdbSeParA[i][j] = v.parA;
  db.FdbSeParB[i][j] = v.parB;
  db.FdbSeXmin[i][j] = v.xmin;
  db.FdbSeXmax[i][j] = v.xmax;
}

void PutTwoSetBatch(FatigueDatabase& db, int i) {
  db.FdbSetCount[i] = 2;
  db.FdbBatchName[i] = "Steels";
  PutSet(db, i, 1, {"St 37 welded", 50, 2000000, 3, 50, -1, 370, 240, "EC3 detail 71\rButt weld",
                    "No fatigue data", 1, 0.1f, 0, 0, 0, 0});
  PutSet(db, i, 2, {"Set 2", 127.5f, 500000, 5.5f, 97.7f, 0.1f, 500, 300, "", "", 0, 0.1f, 0, 0,
                    0, 0});
}

}  // namespace

std::string VersionLine(int batchCount) {
  return "-2 " + std::string(11, ' ') + " " + std::to_string(batchCount) + " \r\n";
}

FatigueDatabase TwoSetBatch() {
  FatigueDatabase db;
  PutTwoSetBatch(db, 1);
  return db;
}

std::string TwoSetBatchText() {
  return VersionLine(1) +
         " 2 \r\n"
         "\r\n"
         "St 37 welded\r\n"
         " 50  2  3 \r\n"
         " 50 -1  370  240 \r\n"
         "EC3 detail 71\rButt weld\r\n"
         "\r\n"
         "No fatigue data\r\n"
         " 1  .1  0  0  0  0 \r\n"
         "\r\n"
         "Set 2\r\n"
         " 127.5  .5  5.5 \r\n"
         " 97.7  .1  500  300 \r\n"
         "Description & Reference:\r\n"
         "\r\n"
         "No fatigue data\r\n"
         " 0  .1  0  0  0  0 \r\n"
         " 0 Steels\r\n";
}

FatigueDatabase ThreeBatches() {
  FatigueDatabase db;
  PutTwoSetBatch(db, 1);
  db.FdbSetCount[2] = 0;
  db.FdbBatchName[2] = "";
  db.FdbSetCount[3] = 6;
  db.FdbBatchName[3] = "Aluminium, 6xxx";
  for (int j = 1; j <= 5; ++j)
    PutSet(db, 3, j, {"", 20.0f + j, 1000000 * j + 1, 4, 90, 0, 300, 200,
                      "Line one\rLine two\rLine three", "No fatigue data", 2, 0.25f, 1.5f, 2.5f,
                      10, 1e30f});
  PutSet(db, 3, 6, {"AlMg test", 35, 10000000, 6.25f, 50, 0.5f, 250, 150, "Tested in house",
                    "AlMg test", 3, 0.08f, 0, 0, 0, 0});
  for (int j = 1; j <= 5; ++j) db.FdbSetName[3][j] = "Al " + std::to_string(j);
  db.FdbSetName[3][4] = "Al 4 \u2013 Zugfestigkeit \u00E4";  // en dash and a-umlaut
  return db;
}

}  // namespace fdb_fixture
