#pragma once

#include <cstdint>
#include <functional>

// Runs that are computed on every core and finished one by one in run order
// on the calling thread.
//
// Runs 0 .. count - 1 go in blocks of `blockSize`: `prepare(i)` for each run
// of a block on the calling thread, in order; then `compute(i, worker)` on
// `workers` threads (worker 0 .. workers - 1, so that each may keep its own
// scratch), while the calling thread takes `finish(i)` in run order as soon
// as run i is computed. `prepare` and `finish` may use anything (messages,
// events, controls); `compute` must touch only what is its own and what
// nothing else changes while it runs. `finish` returning false ends the
// work: the runs still being computed are completed and dropped.
//
// Returns the number of runs finished (finish returned for them).
int64_t RunOrderedInParallel(int64_t count, int32_t blockSize, int workers,
                             const std::function<void(int64_t run)>& prepare,
                             const std::function<void(int64_t run, int worker)>& compute,
                             const std::function<bool(int64_t run)>& finish);

// The number of workers for the machine: its hardware threads (at least 1).
int HardwareWorkers();
