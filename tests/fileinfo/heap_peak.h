// How much heap a piece of code holds at its peak, for tests that bound the
// memory of a reader. Under AddressSanitizer the allocator's hooks count every
// allocation (its quarantine would hide freed memory from the resident size);
// otherwise a child process runs the code and reports its peak resident size.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define SYLLABRIX_HEAP_PEAK_HOOKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SYLLABRIX_HEAP_PEAK_HOOKS 1
#endif
#endif

#ifdef SYLLABRIX_HEAP_PEAK_HOOKS
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, size_t),
                                                         void (*freeHook)(const volatile void*));
extern "C" size_t __sanitizer_get_allocated_size(const volatile void* p);
#endif

namespace heappeak {

#ifdef SYLLABRIX_HEAP_PEAK_HOOKS
inline std::atomic<int64_t> gLive{0};
inline std::atomic<int64_t> gPeak{0};

inline void OnMalloc(const volatile void*, size_t size) {
  const int64_t live = gLive.fetch_add(static_cast<int64_t>(size)) + static_cast<int64_t>(size);
  int64_t peak = gPeak.load();
  while (live > peak && !gPeak.compare_exchange_weak(peak, live)) {
  }
}
inline void OnFree(const volatile void* p) {
  if (p) gLive.fetch_sub(static_cast<int64_t>(__sanitizer_get_allocated_size(p)));
}
#endif

// Bytes of heap that fn holds at its peak beyond what was in use before. Without
// the sanitizer's hooks fn runs twice: measured in a child, then here, so that
// its own checks count.
template <typename Fn>
int64_t PeakHeapGrowth(const Fn& fn) {
#ifdef SYLLABRIX_HEAP_PEAK_HOOKS
  static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
  (void)installed;
  const int64_t before = gLive.load();
  gPeak.store(before);
  fn();
  return gPeak.load() - before;
#else
  auto residentBytes = [] {
    std::ifstream statm("/proc/self/statm");
    int64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
  };
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const int64_t before = residentBytes();
    fn();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const int64_t growth = static_cast<int64_t>(usage.ru_maxrss) * 1024 - before;
    if (write(fds[1], &growth, sizeof growth) != sizeof growth) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  int64_t growth = -1;
  if (read(fds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  fn();
  return growth;
#endif
}

// A count of this process's input and output so far ("rchar:" bytes read,
// "syscr:" read calls, as /proc/self/io names them).
inline int64_t ProcessIoCount(const std::string& name) {
  std::ifstream io("/proc/self/io");
  std::string key;
  int64_t value = 0;
  while (io >> key >> value)
    if (key == name) return value;
  return 0;
}

// Read system calls of this process so far.
inline int64_t ReadCalls() { return ProcessIoCount("syscr:"); }

}  // namespace heappeak
