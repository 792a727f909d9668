// The most heap memory a piece of code holds at once, for the checks that a
// reader keeps a bounded amount whatever its input. Under AddressSanitizer
// every allocation and release is counted through the sanitizer's hooks (the
// resident size would count its quarantine of freed memory too); otherwise
// the code runs in a child process whose peak resident size, less that of a
// child that does nothing, is the answer.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SYLLABRIX_HEAP_HOOKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SYLLABRIX_HEAP_HOOKS 1
#endif

#ifdef SYLLABRIX_HEAP_HOOKS
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, size_t),
                                                         void (*freeHook)(const volatile void*));
extern "C" size_t __sanitizer_get_allocated_size(const volatile void* p);
#endif

namespace heap_peak {

#ifdef SYLLABRIX_HEAP_HOOKS
struct TCounter {
  std::atomic<bool> Counting{false};
  std::atomic<int64_t> Live{0};
  std::atomic<int64_t> Peak{0};
};

inline TCounter& Counter() {
  static TCounter counter;
  return counter;
}

inline void OnMalloc(const volatile void*, size_t size) {
  TCounter& c = Counter();
  if (!c.Counting.load(std::memory_order_relaxed)) return;
  const int64_t live =
      c.Live.fetch_add(static_cast<int64_t>(size), std::memory_order_relaxed) + static_cast<int64_t>(size);
  int64_t peak = c.Peak.load(std::memory_order_relaxed);
  while (live > peak && !c.Peak.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
  }
}

inline void OnFree(const volatile void* p) {
  TCounter& c = Counter();
  if (!c.Counting.load(std::memory_order_relaxed) || !p) return;
  c.Live.fetch_sub(static_cast<int64_t>(__sanitizer_get_allocated_size(p)), std::memory_order_relaxed);
}
#endif

// The peak of heap bytes held during fn beyond what was held before it.
template <typename Fn>
int64_t PeakHeapBytesDuring(const Fn& fn) {
#ifdef SYLLABRIX_HEAP_HOOKS
  static const bool installed = __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree) != 0;
  if (installed) {
    TCounter& c = Counter();
    c.Live = 0;
    c.Peak = 0;
    c.Counting = true;
    fn();
    c.Counting = false;
    return c.Peak.load();
  }
#endif
  auto childPeak = [](const auto& body) -> int64_t {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      body();
      ::_exit(0);
    }
    int status = 0;
    rusage ru{};
    ::wait4(pid, &status, 0, &ru);
    return static_cast<int64_t>(ru.ru_maxrss) * 1024;
  };
  const int64_t base = childPeak([] {});
  const int64_t peak = childPeak(fn);
  return peak > base ? peak - base : 0;
}

}  // namespace heap_peak
