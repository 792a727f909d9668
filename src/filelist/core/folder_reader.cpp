#include "filelist/core/folder_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

struct TFolderChain {
  dev_t Dev = 0;
  ino_t Ino = 0;
  std::shared_ptr<const TFolderChain> Parent;
};

namespace {

// Read ahead at most this much; the folder the walk waits for is always read.
constexpr size_t kMaxReadyFolders = 4096;
constexpr size_t kMaxReadyEntries = 1u << 18;
constexpr unsigned kMaxReaderThreads = 4;
constexpr int kSpinMicroseconds = 100;
constexpr size_t kListingBufferBytes = 32768;

// The record getdents64 fills; glibc declares none for it.
struct TLinuxDirent64 {
  uint64_t d_ino;
  int64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[1];
};

using Clock = std::chrono::steady_clock;

// A hint to the processor that this thread is only watching a value.
inline void CpuRelax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

std::mutex& HookLock() {
  static std::mutex lock;
  return lock;
}
std::function<void(const std::string&)>& Hook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}

bool IsPrefix(const TFolderKey& prefix, const TFolderKey& key) {
  return prefix.size() <= key.size() && std::equal(prefix.begin(), prefix.end(), key.begin());
}

struct TJob {
  std::string Path;
  bool Root = false;
  std::shared_ptr<const TFolderChain> Chain;  // the folder holding this one
  bool Running = false;
};

bool InChain(const TFolderChain* chain, dev_t dev, ino_t ino) {
  for (; chain != nullptr; chain = chain->Parent.get())
    if (chain->Dev == dev && chain->Ino == ino) return true;
  return false;
}

void SetTimes(const struct stat& st, TFolderEntry& entry) {
  entry.Size = static_cast<int64_t>(st.st_size);
  entry.Time = static_cast<int64_t>(st.st_mtime);
}

std::shared_ptr<TFolderListing> ListFolder(const TJob& job, const TFolderReadOptions& options,
                                           const TStatFilter* statFilter) {
  auto listing = std::make_shared<TFolderListing>();
  {
    std::function<void(const std::string&)> hook;
    {
      std::lock_guard<std::mutex> guard(HookLock());
      hook = Hook();
    }
    if (hook) hook(job.Path);
  }
  // Below the start folder a link is never opened as a folder, even one
  // swapped in after the parent was listed.
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (job.Root ? 0 : O_NOFOLLOW);
  const int fd = ::open(job.Path.c_str(), flags);
  if (fd < 0) return listing;
  struct stat self {};
  if (::fstat(fd, &self) != 0 || InChain(job.Chain.get(), self.st_dev, self.st_ino)) {
    ::close(fd);
    return listing;
  }
  auto chain = std::make_shared<TFolderChain>();
  chain->Dev = self.st_dev;
  chain->Ino = self.st_ino;
  chain->Parent = job.Chain;
  listing->Chain = std::move(chain);
  // The kernel's own listing call: readdir would add two system calls per
  // folder for nothing the walk needs.
  alignas(8) char buffer[kListingBufferBytes];
  for (;;) {
    const long got = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
    if (got <= 0) break;  // the end, or an error: keep what was listed
    for (long offset = 0; offset < got;) {
      const auto* e = reinterpret_cast<const TLinuxDirent64*>(buffer + offset);
      offset += e->d_reclen;
      const char* n = e->d_name;
      if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
      TFolderEntry entry;
      entry.Name = n;
      entry.Hidden = IsHiddenFolderEntryName(entry.Name);
      unsigned char type = e->d_type;
      if (type == DT_UNKNOWN) {
        struct stat st {};
        if (::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) == 0)
          type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : S_ISREG(st.st_mode) ? DT_REG : DT_FIFO;
      }
      entry.Kind = type == DT_DIR   ? TFolderEntryKind::Folder
                   : type == DT_LNK ? TFolderEntryKind::Link
                   : type == DT_REG ? TFolderEntryKind::File
                                    : TFolderEntryKind::Other;
      const bool listed = !entry.Hidden || options.IncludeHidden;
      const bool needed = entry.Kind == TFolderEntryKind::Folder ? options.StatFolders
                                                                 : statFilter == nullptr || (*statFilter)(entry.Name);
      if (listed && needed) StatFolderEntry(fd, entry.Name, entry);
      listing->Entries.push_back(std::move(entry));
    }
  }
  ::close(fd);
  return listing;
}

}  // namespace

struct TFolderReader::TState {
  std::mutex Lock;
  std::condition_variable WorkCV;
  std::condition_variable DoneCV;
  std::map<TFolderKey, TJob> Pending;
  std::map<TFolderKey, std::shared_ptr<TFolderListing>> Ready;
  std::deque<std::function<void()>> Tasks;
  TFolderKey Wanted;
  bool HasWanted = false;
  TFolderReadOptions Options;
  size_t ReadyEntries = 0;
  unsigned Threads = 0;
  unsigned Idle = 0;
  unsigned MaxThreads = 1;
  std::vector<TStatFilter> StatFilters;
  // Counts listings and tasks handed over, for the waiting side to watch.
  std::atomic<uint64_t> Deliveries{0};
  bool Stop = false;

  // Before the folder the walk wants now and not above it: consumed or
  // passed over, so nobody will ask for it.
  bool Stale(const TFolderKey& key) const { return HasWanted && key < Wanted && !IsPrefix(key, Wanted); }
  // Reading ahead stops at the budget and starts again only once the walk
  // has taken half of it, so that readers are not woken folder by folder.
  bool Throttled = false;
  void UpdateThrottle() {
    if (Ready.size() >= kMaxReadyFolders || ReadyEntries >= kMaxReadyEntries)
      Throttled = true;
    else if (Ready.size() < kMaxReadyFolders / 2 && ReadyEntries < kMaxReadyEntries / 2)
      Throttled = false;
  }

  // Under Lock.
  void WakeWorker(const std::shared_ptr<TState>& self) {
    if (Idle > 0) {
      WorkCV.notify_one();
    } else if (Threads < MaxThreads) {
      const unsigned index = Threads++;
      // Detached: a reader stuck in a hung file system must not hold up the
      // walk that gave up on it. It owns the state it works on.
      std::thread([self, index] { self->Work(self, index); }).detach();
    }
  }

  void Work(const std::shared_ptr<TState>& self, unsigned index) {
    std::unique_lock<std::mutex> lock(Lock);
    // This thread's own copy; the filters may arrive after the thread started.
    TStatFilter statFilter;
    for (;;) {
      if (Stop) break;
      if (!Tasks.empty()) {
        std::function<void()> task = std::move(Tasks.front());
        Tasks.pop_front();
        lock.unlock();
        task();
        lock.lock();
        continue;
      }
      auto job = Pending.end();
      for (auto it = Pending.begin(); it != Pending.end();) {
        if (it->second.Running) {
          ++it;
          continue;
        }
        if (Stale(it->first)) {
          it = Pending.erase(it);
          continue;
        }
        if (!Throttled || (HasWanted && it->first == Wanted)) job = it;
        break;
      }
      if (job == Pending.end()) {
        ++Idle;
        WorkCV.wait(lock);
        --Idle;
        continue;
      }
      job->second.Running = true;
      const TFolderKey key = job->first;
      const TJob work = job->second;
      const TFolderReadOptions options = Options;
      if (!statFilter && index < StatFilters.size()) statFilter = StatFilters[index];
      lock.unlock();
      std::shared_ptr<TFolderListing> listing = ListFolder(work, options, statFilter ? &statFilter : nullptr);
      // Everything that allocates is made before the lock is taken again;
      // under it, the nodes are only spliced in.
      std::map<TFolderKey, TJob> children;
      if (options.SearchSubDirs && listing->Chain) {
        const auto& entries = listing->Entries;
        for (uint32_t i = 0; i < entries.size(); ++i) {
          const TFolderEntry& e = entries[i];
          if (e.Kind != TFolderEntryKind::Folder || (e.Hidden && !options.IncludeHidden)) continue;
          TFolderKey child = key;
          child.push_back(i);
          children.emplace(std::move(child), TJob{work.Path + e.Name + "/", false, listing->Chain});
        }
      }
      const size_t entryCount = listing->Entries.size();
      std::map<TFolderKey, std::shared_ptr<TFolderListing>> ready;
      ready.emplace(key, std::move(listing));
      lock.lock();
      Pending.erase(key);
      if (Stop || Stale(key)) continue;
      Pending.merge(children);
      ReadyEntries += entryCount;
      const bool wanted = HasWanted && key == Wanted;
      Ready.merge(ready);
      UpdateThrottle();
      Deliveries.fetch_add(1, std::memory_order_release);
      if (wanted) DoneCV.notify_all();
      if (!Pending.empty()) WakeWorker(self);
    }
    --Threads;
  }

  // Waits under lock until done() holds; false when keepWaiting gave up.
  template <typename Done>
  bool Wait(std::unique_lock<std::mutex>& lock, const Done& done, const TKeepWaiting& keepWaiting) {
    const auto interval = std::chrono::milliseconds(kFolderReaderWaitMs);
    auto lastCall = Clock::now();
    // Most waits are short: a reader is about to finish the folder. Watching
    // for a while costs less than going to sleep and being woken.
    const auto spinEnd = Clock::now() + std::chrono::microseconds(kSpinMicroseconds);
    while (!done() && Clock::now() < spinEnd) {
      const uint64_t seen = Deliveries.load(std::memory_order_acquire);
      lock.unlock();
      while (Deliveries.load(std::memory_order_acquire) == seen && Clock::now() < spinEnd) CpuRelax();
      lock.lock();
    }
    while (!done()) {
      DoneCV.wait_for(lock, interval);
      if (done() || !keepWaiting) continue;
      if (Clock::now() - lastCall < interval) continue;
      lock.unlock();
      const bool go = keepWaiting();
      lock.lock();
      lastCall = Clock::now();
      if (!go) return false;
    }
    return true;
  }
};

TFolderReader::TFolderReader() : FState(std::make_shared<TState>()) {
  FState->MaxThreads = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxReaderThreads);
}

TFolderReader::~TFolderReader() {
  std::lock_guard<std::mutex> guard(FState->Lock);
  FState->Stop = true;
  FState->Pending.clear();
  FState->Ready.clear();
  FState->Tasks.clear();
  FState->WorkCV.notify_all();
}

unsigned TFolderReader::MaxThreads() const { return FState->MaxThreads; }

void TFolderReader::SetStatFilters(std::vector<TStatFilter> filters) {
  std::lock_guard<std::mutex> guard(FState->Lock);
  FState->StatFilters = std::move(filters);
}

std::shared_ptr<const TFolderListing> TFolderReader::Take(const TFolderKey& key, const std::string& folder,
                                                          const TFolderListing* parent,
                                                          const TFolderReadOptions& options,
                                                          const TKeepWaiting& keepWaiting) {
  TState& s = *FState;
  std::unique_lock<std::mutex> lock(s.Lock);
  s.Options = options;
  s.Wanted = key;
  s.HasWanted = true;
  // Listings read ahead for folders the walk has passed by (options changed
  // on the way) free their room.
  while (!s.Ready.empty() && s.Ready.begin()->first < key) {
    s.ReadyEntries -= s.Ready.begin()->second->Entries.size();
    s.Ready.erase(s.Ready.begin());
  }
  s.UpdateThrottle();
  if (s.Ready.count(key) == 0) {
    // Not read ahead (the start folder, or options that changed on the way).
    auto [it, added] = s.Pending.try_emplace(key);
    if (added) {
      it->second = TJob{folder, parent == nullptr, parent != nullptr ? parent->Chain : nullptr};
      s.WakeWorker(FState);
    }
  }
  if (!s.Wait(
          lock, [&] { return s.Ready.count(key) != 0; }, keepWaiting))
    return nullptr;
  auto it = s.Ready.find(key);
  std::shared_ptr<const TFolderListing> listing = std::move(it->second);
  const bool wasThrottled = s.Throttled;
  s.Ready.erase(it);
  s.ReadyEntries -= listing->Entries.size();
  s.UpdateThrottle();
  // Readers that stopped at the budget may read ahead again.
  if (wasThrottled && !s.Throttled && !s.Pending.empty()) s.WorkCV.notify_all();
  return listing;
}

bool TFolderReader::Run(std::function<void()> task, const TKeepWaiting& keepWaiting) {
  struct TOutcome {
    bool Done = false;
    std::exception_ptr Error;
  };
  auto outcome = std::make_shared<TOutcome>();
  TState& s = *FState;
  std::unique_lock<std::mutex> lock(s.Lock);
  std::weak_ptr<TState> state = FState;
  s.Tasks.push_back([task = std::move(task), outcome, state] {
    std::exception_ptr error;
    try {
      task();
    } catch (...) {
      error = std::current_exception();
    }
    if (auto st = state.lock()) {
      std::lock_guard<std::mutex> guard(st->Lock);
      outcome->Error = error;
      outcome->Done = true;
      st->Deliveries.fetch_add(1, std::memory_order_release);
      st->DoneCV.notify_all();
    }
  });
  s.WakeWorker(FState);
  if (!s.Wait(
          lock, [&] { return outcome->Done; }, keepWaiting))
    return false;
  if (outcome->Error) std::rethrow_exception(outcome->Error);
  return true;
}

void StatFolderEntry(int dirFd, const std::string& name, TFolderEntry& entry) {
  entry.HasStat = true;
  struct stat st {};
  if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return;
  SetTimes(st, entry);
  if (!S_ISLNK(st.st_mode)) return;
  struct stat target {};
  if (::fstatat(dirFd, name.c_str(), &target, 0) != 0) return;
  SetTimes(target, entry);
  entry.LinkToFolder = S_ISDIR(target.st_mode);
}

bool IsHiddenFolderEntryName(const std::string& name) { return name.size() >= 2 && name[0] == '.' && name[1] != '.'; }

void SetFolderReaderListingHook(std::function<void(const std::string& folder)> hook) {
  std::lock_guard<std::mutex> guard(HookLock());
  Hook() = std::move(hook);
}
