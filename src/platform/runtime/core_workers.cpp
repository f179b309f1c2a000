#include "platform/runtime/core_workers.h"

CoreWorkers::CoreWorkers(unsigned threads) {
  if (threads == 0) threads = std::thread::hardware_concurrency();
  for (unsigned i = 1; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

CoreWorkers::~CoreWorkers() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : workers_) t.join();
}

std::size_t CoreWorkers::Drain(const std::function<void(std::size_t)>& task, std::size_t n) {
  std::size_t ran = 0;
  for (std::size_t i = next_.fetch_add(1); i < n; i = next_.fetch_add(1)) {
    task(i);
    ++ran;
  }
  return ran;
}

void CoreWorkers::Run(std::size_t n, const std::function<void(std::size_t)>& task) {
  if (n == 0) return;
  {
    std::lock_guard lock(mutex_);
    task_ = &task;
    count_ = n;
    finished_ = 0;
    next_.store(0);
    ++generation_;
  }
  wake_.notify_all();
  const std::size_t ran = Drain(task, n);
  std::unique_lock lock(mutex_);
  finished_ += ran;
  // The next run may reset the task counter only when no worker is still
  // taking from this one.
  done_.wait(lock, [&] { return finished_ == n && busy_ == 0; });
  task_ = nullptr;
}

void CoreWorkers::Work() {
  std::uint64_t seen = 0;
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stop_ || (generation_ != seen && task_ != nullptr); });
    if (stop_) return;
    seen = generation_;
    const std::function<void(std::size_t)>& task = *task_;
    const std::size_t n = count_;
    ++busy_;
    lock.unlock();
    const std::size_t ran = Drain(task, n);
    lock.lock();
    finished_ += ran;
    --busy_;
    if (finished_ == n && busy_ == 0) done_.notify_all();
  }
}
