#include "montecarlo/ordered_parallel_runs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// One block of runs on the workers: each worker takes the next run not yet
// taken, computes it and marks it done.
class Block {
 public:
  Block(int64_t first, int32_t size, const std::function<void(int64_t, int)>& compute)
      : first_(first), size_(size), compute_(compute), done_(static_cast<std::size_t>(size), 0) {}
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  ~Block() { Stop(); }

  void Start(int workers) {
    threads_.reserve(static_cast<std::size_t>(workers));
    for (int w = 0; w < workers; ++w) threads_.emplace_back([this, w] { Work(w); });
  }

  // Waits until run `k` of the block is computed.
  void WaitFor(int32_t k) {
    std::unique_lock lock(mutex_);
    doneChanged_.wait(lock, [&] { return done_[static_cast<std::size_t>(k)] != 0; });
  }

  // Lets the runs in flight end, takes no further one, and joins the workers.
  void Stop() {
    stop_.store(true);
    Join();
  }

  void Join() {
    for (std::thread& t : threads_) t.join();
    threads_.clear();
  }

 private:
  void Work(int worker) {
    for (;;) {
      if (stop_.load()) return;
      const int32_t k = next_.fetch_add(1);
      if (k >= size_) return;
      compute_(first_ + k, worker);
      {
        std::lock_guard lock(mutex_);
        done_[static_cast<std::size_t>(k)] = 1;
      }
      doneChanged_.notify_all();
    }
  }

  const int64_t first_;
  const int32_t size_;
  const std::function<void(int64_t, int)>& compute_;
  std::atomic<int32_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable doneChanged_;
  std::vector<uint8_t> done_;
  std::vector<std::thread> threads_;
};

}  // namespace

int64_t RunOrderedInParallel(int64_t count, int32_t blockSize, int workers,
                             const std::function<void(int64_t)>& prepare,
                             const std::function<void(int64_t, int)>& compute,
                             const std::function<bool(int64_t)>& finish) {
  workers = std::max(workers, 1);
  blockSize = std::max(blockSize, 1);
  int64_t finished = 0;
  for (int64_t first = 0; first < count; first += blockSize) {
    const auto size = static_cast<int32_t>(std::min<int64_t>(blockSize, count - first));
    for (int32_t k = 0; k < size; ++k) prepare(first + k);
    Block block(first, size, compute);
    block.Start(std::min(workers, size));
    for (int32_t k = 0; k < size; ++k) {
      block.WaitFor(k);
      ++finished;
      if (!finish(first + k)) {
        block.Stop();
        return finished;
      }
    }
    block.Join();
  }
  return finished;
}

int HardwareWorkers() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }
