// The heap a piece of code takes at its peak, counted by the test binary's
// own operator new and delete (every std::string and container goes through
// them), so that a test can bound memory against the size of its input.
#pragma once

#include <cstddef>

class THeapPeak {
 public:
  // Counting starts from what the heap holds now.
  THeapPeak();
  // The largest growth over the start since then, in bytes.
  size_t Growth() const;

 private:
  size_t FStart;
};
