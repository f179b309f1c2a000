#pragma once

#include <cstdint>
#include <string>

#include "material/fatigue_db_records.h"

// Changes of the fatigue database in memory that the browser and the table
// editor make. Batches are numbered 1..20, sets 1..6.

// Empties slot `set` of `batch`: name "", values 0, no test data, the
// endurance limit's random variable back to type 0, cov 0.1, parameters 0
// and bounds 1. The reference is cleared too.
void ClearFatigueDbSet(FatigueDatabase& db, int batch, int set);
// Copies every field of one set into another slot.
void CopyFatigueDbSet(FatigueDatabase& db, int fromBatch, int fromSet, int toBatch, int toSet);
// Removes set `set` of `batch`: the later sets move down one slot and the
// set count drops by one.
void RemoveFatigueDbSet(FatigueDatabase& db, int batch, int set);
// Removes batch `batch`: the later batches move down and `batchCount` drops
// by one. A batch beyond `batchCount` (added and not counted yet) is only
// emptied.
void RemoveFatigueDbBatch(FatigueDatabase& db, int16_t& batchCount, int batch);

// How many of the six checked values (Se, No, m, Su, Pn, Sy) of a set are 0.
int MissingFatigueDbValues(const FatigueDatabase& db, int batch, int set);

// The rows of the table editor, top to bottom.
enum class FdbRow { Name, Se, No, M, R, Pn, Sy, Su };

// The check of a typed value `v` (MPa for the stresses) for a row of set
// (batch, set): "" when accepted, else the reason of the refusal (the text
// that follows "Sorry, Data Incorrect! "). A typed number beyond the Single
// range comes as an infinity (BoxSingle) and is refused with the reason of the
// bound it passes ("too big" where the row has no upper bound); NaN (too small
// for a Single) fails every check.
std::string FatigueDbCellRefusal(FdbRow row, double v, const FatigueDatabase& db, int batch, int set);
// The bounds of a yield strength `sy` (MPa) that the database file keeps
// (above 0, at least kFdbLowestSy): "" when it keeps it, else "(Sy <= 0)" or
// "(Sy < 10 MPa)".
std::string FatigueDbYieldStrengthRefusal(double sy);
// The title of a row's refusal message.
const char* FatigueDbCellTitle(FdbRow row);
// Stores an accepted value into the row's field of set (batch, set).
void StoreFatigueDbCell(FdbRow row, double v, FatigueDatabase& db, int batch, int set);
// The stored value of a row's field as a number.
double FatigueDbCellValue(FdbRow row, const FatigueDatabase& db, int batch, int set);
