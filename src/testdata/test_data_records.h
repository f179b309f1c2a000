#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The fatigue test series in memory: up to 51 test points with their used-in-
// fit flags, the tested material's strengths and stress ratio, a name, five
// header texts and the results of the last S-N fit, with the editor's and the
// diagram's state beside them. Point k is element k (1 .. TestPointCount);
// element 0 is never used. Stresses are in MPa whatever unit the screen shows.
inline constexpr int kTestPointMax = 51;

struct TestDataSet {
  template <typename T>
  using Points = std::array<T, kTestPointMax + 1>;  // 0..51

  Points<float> TestStress{};       // stress level of each point, MPa
  Points<int32_t> TestLife{};       // cycles to failure
  Points<int16_t> TestPointUsed{};  // 1 used in the fit, 0 omitted
  float TestPointCount = 0;         // a whole number of points; 0 = no data
  std::string TestDataName;         // the file's base name
  std::array<std::string, 6> TestHeaderLines{};  // 1: description; 2..5 carried from file to file
  float TestStressRatio = 0;
  float TestSu = 0;
  float TestSy = 0;
  int16_t TestDataModified = 0;  // 1: changed since it was last written

  // Results of the last fit of ln S over ln N.
  float TestFitCoeff = 0;       // coefficient of the mean line S = coeff x N^slope; 0 = no fit
  float TestFitSlope = 0;       // b
  float TestFitResidualSd = 0;  // s, the residual standard deviation of ln S
  float TestFitCov = 0;         // coefficient of variation of the fitted stress
  float TestFitSeCov = 0;       // the same, handed to the database set
  float TestFitSe = 0;          // fitted stress at TestRefLife, MPa
  float TestRefLife = 0;        // reference life No, cycles

  // The editor: the point in the grid's top row, the point whose cell had
  // the focus last, the diagram's zoom (0 normal, 1 zoomed), and whether the
  // set is the one linked to the marked database set (empty counts as false).
  int16_t TestGridTop = 0;
  int16_t TestCurrentPoint = 0;
  int16_t TestDiagramZoom = 0;
  std::optional<bool> TestDataFromDb;
  // The diagram's pointer: the point under it (0 = none).
  int32_t TestHoverPoint = 0;
  // The axes of the last drawing with points: diagram units per decade and
  // the exponent of the first decade, of life (X) and of stress (Y).
  float TestAxisDecadeX = 0;
  int16_t TestAxisFirstDecadeX = 0;
  float TestAxisDecadeY = 0;
  int16_t TestAxisFirstDecadeY = 0;

  bool operator==(const TestDataSet&) const = default;
};

// The point count as a whole number for loops, halves to even, within 0..51.
int WholePointCount(float count);
