#include <array>

#include "montecarlo/life_statistics.h"
#include "platform/runtime/sng.h"

namespace {

struct QuantileRow {
  float p;
  float z;
};

// The standard-normal quantiles of the probability scale, p ascending.
constexpr std::array<QuantileRow, 51> kQuantiles{{
    {0.0001f, -3.719090272f}, {0.0002f, -3.540138409f}, {0.0003f, -3.431658957f}, {0.0004f, -3.352832753f},
    {0.0005f, -3.290559929f}, {0.0006f, -3.238909633f}, {0.0007f, -3.194677611f}, {0.0008f, -3.155930871f},
    {0.0009f, -3.121411198f}, {0.001f, -3.090252582f},  {0.002f, -2.878172116f},  {0.003f, -2.747787409f},
    {0.004f, -2.652073383f},  {0.005f, -2.575831338f},  {0.006f, -2.512145329f},  {0.007f, -2.457263672f},
    {0.008f, -2.408915314f},  {0.009f, -2.365617523f},  {0.01f, -2.326347f},      {0.02f, -2.053747519f},
    {0.03f, -1.88079265f},    {0.04f, -1.750685567f},   {0.05f, -1.644853476f},   {0.06f, -1.554773691f},
    {0.07f, -1.475791283f},   {0.08f, -1.405071903f},   {0.09f, -1.340755412f},   {0.1f, -1.281551939f},
    {0.2f, -0.841621042f},    {0.3f, -0.524400458f},    {0.4f, -0.253347241f},    {0.5f, 0.0f},
    {0.6f, 0.25334725f},      {0.65f, 0.3853206f},      {0.7f, 0.5244005f},       {0.8f, 0.84162104f},
    {0.86f, 1.0803195f},      {0.91f, 1.3407555f},      {0.93f, 1.4757913f},      {0.95f, 1.6448535f},
    {0.97f, 1.8807926f},      {0.99f, 2.326347f},       {0.993f, 2.4572637f},     {0.996f, 2.6520734f},
    {0.999f, 3.0902526f},     {0.9993f, 3.1946776f},    {0.9996f, 3.3528328f},    {0.9999f, 3.7190902f},
    {0.99993f, 3.8082528f},   {0.99996f, 3.9445026f},   {0.99999f, 4.2650433f},
}};
static_assert(kQuantiles.back().p == 0.99999f, "every row of the table is given");

}  // namespace

float CalcNormalQuantile(float p) {
  if (!(p >= kQuantiles.front().p)) return kQuantiles.front().z;  // below the table (and NaN)
  if (p >= kQuantiles.back().p) return kQuantiles.back().z;
  std::size_t j = 0;
  while (kQuantiles[j + 1].p <= p) ++j;  // the last row not above p
  const QuantileRow& lo = kQuantiles[j];
  const QuantileRow& hi = kQuantiles[j + 1];
  return Sng(lo.z + (static_cast<double>(p) - lo.p) * (hi.z - lo.z) / (static_cast<double>(hi.p) - lo.p));
}
