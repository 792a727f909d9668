#include "heap_peak.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> gCurrent{0};
std::atomic<size_t> gPeak{0};

void* Counted(void* p) {
  if (p == nullptr) return p;
  const size_t now = gCurrent.fetch_add(malloc_usable_size(p)) + malloc_usable_size(p);
  size_t peak = gPeak.load();
  while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
  }
  return p;
}

void* Allocate(size_t size) {
  void* p = Counted(std::malloc(size == 0 ? 1 : size));
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* AllocateAligned(size_t size, std::align_val_t alignment) {
  void* p = nullptr;
  const size_t align = std::max(static_cast<size_t>(alignment), sizeof(void*));
  if (posix_memalign(&p, align, size == 0 ? 1 : size) != 0) throw std::bad_alloc();
  return Counted(p);
}

void Release(void* p) {
  if (p == nullptr) return;
  gCurrent.fetch_sub(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

THeapPeak::THeapPeak() : FStart(gCurrent.load()) { gPeak.store(FStart); }

size_t THeapPeak::Growth() const {
  const size_t peak = gPeak.load();
  return peak > FStart ? peak - FStart : 0;
}

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { Release(p); }
