#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Numbered tasks run on every core: the calling thread and workers that wait
// between runs. For long work that splits into independent parts (reading a
// long history); messages and controls stay with the calling thread.
class CoreWorkers {
 public:
  // `threads` in all, the calling thread included (0: one per core).
  explicit CoreWorkers(unsigned threads = 0);
  ~CoreWorkers();
  CoreWorkers(const CoreWorkers&) = delete;
  CoreWorkers& operator=(const CoreWorkers&) = delete;

  unsigned Threads() const { return static_cast<unsigned>(workers_.size()) + 1; }

  // Runs task(0) .. task(n - 1), each once, spread over the threads; returns
  // when all have ended. A task must not throw.
  void Run(std::size_t n, const std::function<void(std::size_t)>& task);

 private:
  void Work();
  // Takes tasks of the current run until none is left; returns how many it ran.
  std::size_t Drain(const std::function<void(std::size_t)>& task, std::size_t n);

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void(std::size_t)>* task_ = nullptr;  // guarded by mutex_
  std::size_t count_ = 0;                                     // guarded by mutex_
  std::size_t finished_ = 0;                                  // guarded by mutex_
  unsigned busy_ = 0;                                         // workers inside a run, guarded by mutex_
  std::uint64_t generation_ = 0;                              // guarded by mutex_
  bool stop_ = false;                                         // guarded by mutex_
  std::atomic<std::size_t> next_{0};
};
