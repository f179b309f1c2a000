#pragma once

struct ProgramState;

// The values the job summary box works out on its way and writes back into
// the records, for the damage calculation, the reports and the simulation:
// - with the S-N extension shown as No': a ratio Se'/Se of 0 becomes 1 / Se
//   (Se' = 1 MPa) and a No' of 0 becomes Int(No x (1 / ratio)^m'); a No'
//   beyond the Single range is held as 1E+30, the infinite-life marker; with
//   Se 0 both stay 0;
// - a plain specimen with the notch-radius row hidden and the local stress
//   approach takes Kt = 1;
// - with the mean-stress effect accounted (not for a distribution loading)
//   and notch sensitivity accounted, Kf follows from the specimen's notch
//   factor by notch sensitivity;
// - the mean-stress tags MseTag and MseTag2.
void UpdateSummaryValues(ProgramState& s);
