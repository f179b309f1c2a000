#include "loading/allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The program's allocation functions, replaced so that a watch can see the
// sizes asked for; they allocate as the library's do.
namespace {
std::atomic<int> watches{0};
std::atomic<std::size_t> largest{0};
}  // namespace

void* operator new(std::size_t n) {
  if (watches.load(std::memory_order_relaxed) > 0) {
    std::size_t seen = largest.load(std::memory_order_relaxed);
    while (n > seen && !largest.compare_exchange_weak(seen, n)) {
    }
  }
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

AllocationWatch::AllocationWatch() {
  largest = 0;
  ++watches;
}
AllocationWatch::~AllocationWatch() { --watches; }
std::size_t AllocationWatch::Largest() const { return largest.load(); }
