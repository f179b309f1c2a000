#pragma once

#include <cstddef>

// Watches the memory that this test program takes while the object lives:
// the largest single allocation, to show that a file's count is checked
// before memory is taken for what it announces.
class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  AllocationWatch(const AllocationWatch&) = delete;
  AllocationWatch& operator=(const AllocationWatch&) = delete;

  std::size_t Largest() const;
};
