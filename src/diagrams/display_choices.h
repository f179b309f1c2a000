#pragma once

#include <string>

struct ProgramState;

// The display choices of the main window's diagram menus that change the
// records: the ends of a master curve over the load level, the loading
// quantity (stress or strain) and the distribution law.

// A master curve over the load level runs from its smaller to its larger
// end by magnitude: a history's larger scaling factor takes the smaller's
// value when it is the smaller one, another loading's start range takes the
// end's value when it is the larger one.
void SettleMasterCurveEnds(ProgramState& s);

// A constant amplitude from a database batch cannot be converted: the job
// takes it as typed in ("???", no batch), its strains turned into stresses
// by E / 1e6.
void AbandonBatchForQuantityChange(ProgramState& s);
// The loading given as stress (unit and factor of the stress unit) or as
// micro-strain (a history batch keeps its values and converts them when
// used; other loadings show stresses as strains).
void SetLoadQuantity(ProgramState& s, bool strain);

// The law of a loading distribution with its parameters, as before a change.
struct DistributionLaw {
  int type = 1;
  std::string name;
  float q = 0, r = 0, qInput = 0, rInput = 0;
};
DistributionLaw DistributionLawOf(const ProgramState& s);
void RestoreDistributionLaw(ProgramState& s, const DistributionLaw& law);

// The law's name: DistributionNameOf (loading/distribution_shape.h).
// Makes `type` the law in use; a distribution with parameters is converted
// to it through its blocks (Q back to stress for Weibull and log-normal),
// and the converted parameters become the typed ones. A conversion that
// cannot be made (no fit, or no stress range to turn Q back) keeps the law
// in use with its parameters and returns false.
bool ChangeDistributionLaw(ProgramState& s, int type);

// Why the distribution parameter Q cannot be drawn: "(Q = 0)" for a
// log-normal law at 0, "(Q < 0)" for another law at 0 or below; "" when it
// can.
std::string DistributionQFault(const ProgramState& s);
