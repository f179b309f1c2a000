#include "montecarlo/random_data_file.h"

#include <cmath>

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"

namespace {

std::string Failure(const char* verb, const std::string& path, const std::string& reason) {
  return std::string("Sorry, Can't ") + verb + " the Random Data file!\r" + path + "\r(" + reason + ")";
}

}  // namespace

bool WriteRandomDataFile(const RandomVariableTable& t, const std::string& path, std::string& message) {
  SeqWriter w;
  for (int k = 1; k <= kRandomVarMax; ++k) {
    w.PrintLine(t.RvType[k], t.RvCov[k], t.RvXmax[k], t.RvXmin[k], t.RvParA[k], t.RvParB[k]);
  }
  const SaveResult saved = w.Save(path);
  if (!saved) message = Failure("write", path, saved.errorText);
  return saved.ok;
}

bool WriteRandomDataFile(const RandomVariableTable& t, const std::string& path) {
  std::string message;
  return WriteRandomDataFile(t, path, message);
}

bool ReadRandomDataFile(RandomVariableTable& t, const std::string& path, std::string& message) {
  RandomVariableTable staged = t;
  try {
    SeqReader in = SeqReader::Open(path);
    for (int k = 1; k <= kRandomVarMax; ++k) {
      staged.RvType[k] = in.ReadInteger();
      for (float* v : {&staged.RvCov[k], &staged.RvXmax[k], &staged.RvXmin[k], &staged.RvParA[k],
                       &staged.RvParB[k]}) {
        *v = in.ReadSingle();
        if (!std::isfinite(*v)) throw RuntimeError(kErrOverflow);
      }
      if (staged.RvType[k] < -1 || staged.RvType[k] > 5) {
        message = Failure("read", path, "unknown distribution type " + std::to_string(staged.RvType[k]) +
                                            " of variable " + std::to_string(k));
        return false;
      }
    }
  } catch (const RuntimeError& e) {
    message = Failure("read", path, RuntimeErrorText(e.code()));
    return false;
  }
  t = staged;
  return true;
}

bool ReadRandomDataFile(RandomVariableTable& t, const std::string& path) {
  std::string message;
  return ReadRandomDataFile(t, path, message);
}
