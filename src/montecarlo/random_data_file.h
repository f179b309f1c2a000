#pragma once

#include <string>

#include "montecarlo/random_variables.h"

// The random data file (*.rsn): the eight random variables of the table, one
// line each (slots 1 .. 8), six items a line in print style: type, COV,
// Xmax, Xmin, A, B (the upper bound before the lower one). No header.
inline constexpr const char* kRandomDataFilter = "DUVAK Random Data (*.rsn)|*.rsn";

// Writes the table's slots 1 .. 8 to `path`, replacing the file atomically (a
// failed write keeps the old file). `message` receives the reason of a failure.
bool WriteRandomDataFile(const RandomVariableTable& table, const std::string& path);
bool WriteRandomDataFile(const RandomVariableTable& table, const std::string& path, std::string& message);

// Reads slots 1 .. 8 from `path` whatever the line breaks. Only a complete
// file whose type codes lie in -1 .. 5 and whose numbers are finite replaces
// them; otherwise the table stays as it was, the result is false and
// `message` says why. The generator's memory (RvLastUniform) and the cursor
// are not part of the file and stay.
bool ReadRandomDataFile(RandomVariableTable& table, const std::string& path);
bool ReadRandomDataFile(RandomVariableTable& table, const std::string& path, std::string& message);
