#include "filelist/core/folder_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <map>
#include <mutex>
#include <set>
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

using Clock = std::chrono::steady_clock;

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

std::shared_ptr<TFolderListing> ListFolder(const TJob& job, const TFolderReadOptions& options) {
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
  DIR* dir = ::fdopendir(fd);
  if (dir == nullptr) {
    ::close(fd);
    return listing;
  }
  auto chain = std::make_shared<TFolderChain>();
  chain->Dev = self.st_dev;
  chain->Ino = self.st_ino;
  chain->Parent = job.Chain;
  listing->Chain = std::move(chain);
  const int dirFd = ::dirfd(dir);
  while (const dirent* e = ::readdir(dir)) {
    const char* n = e->d_name;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    TFolderEntry entry;
    entry.Name = n;
    entry.Hidden = IsHiddenFolderEntryName(entry.Name);
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN) {
      struct stat st {};
      if (::fstatat(dirFd, n, &st, AT_SYMLINK_NOFOLLOW) == 0)
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : S_ISREG(st.st_mode) ? DT_REG : DT_FIFO;
    }
    entry.Kind = type == DT_DIR   ? TFolderEntryKind::Folder
                 : type == DT_LNK ? TFolderEntryKind::Link
                 : type == DT_REG ? TFolderEntryKind::File
                                  : TFolderEntryKind::Other;
    const bool listed = !entry.Hidden || options.IncludeHidden;
    if (listed && (entry.Kind != TFolderEntryKind::Folder || options.StatFolders))
      StatFolderEntry(dirFd, entry.Name, entry);
    listing->Entries.push_back(std::move(entry));
  }
  ::closedir(dir);
  return listing;
}

}  // namespace

struct TFolderReader::TState {
  std::mutex Lock;
  std::condition_variable WorkCV;
  std::condition_variable DoneCV;
  std::map<TFolderKey, TJob> Pending;
  std::map<TFolderKey, std::shared_ptr<TFolderListing>> Ready;
  std::set<TFolderKey> Running;
  std::deque<std::function<void()>> Tasks;
  TFolderKey Wanted;
  bool HasWanted = false;
  TFolderReadOptions Options;
  size_t ReadyEntries = 0;
  unsigned Threads = 0;
  unsigned Idle = 0;
  unsigned MaxThreads = 1;
  bool Stop = false;

  // Before the folder the walk wants now and not above it: consumed or
  // passed over, so nobody will ask for it.
  bool Stale(const TFolderKey& key) const { return HasWanted && key < Wanted && !IsPrefix(key, Wanted); }
  bool OverBudget() const { return Ready.size() >= kMaxReadyFolders || ReadyEntries >= kMaxReadyEntries; }

  // Under Lock.
  void WakeWorker(const std::shared_ptr<TState>& self) {
    if (Idle > 0) {
      WorkCV.notify_one();
    } else if (Threads < MaxThreads) {
      ++Threads;
      // Detached: a reader stuck in a hung file system must not hold up the
      // walk that gave up on it. It owns the state it works on.
      std::thread([self] { self->Work(self); }).detach();
    }
  }

  void Work(const std::shared_ptr<TState>& self) {
    std::unique_lock<std::mutex> lock(Lock);
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
        if (Stale(it->first)) {
          it = Pending.erase(it);
          continue;
        }
        if (!OverBudget() || (HasWanted && it->first == Wanted)) job = it;
        break;
      }
      if (job == Pending.end()) {
        ++Idle;
        WorkCV.wait(lock);
        --Idle;
        continue;
      }
      TFolderKey key = job->first;
      TJob work = std::move(job->second);
      Pending.erase(job);
      Running.insert(key);
      const TFolderReadOptions options = Options;
      lock.unlock();
      std::shared_ptr<TFolderListing> listing = ListFolder(work, options);
      lock.lock();
      Running.erase(key);
      if (Stop || Stale(key)) continue;
      if (options.SearchSubDirs && listing->Chain) {
        const auto& entries = listing->Entries;
        for (uint32_t i = 0; i < entries.size(); ++i) {
          const TFolderEntry& e = entries[i];
          if (e.Kind != TFolderEntryKind::Folder || (e.Hidden && !options.IncludeHidden)) continue;
          TFolderKey child = key;
          child.push_back(i);
          Pending.emplace(std::move(child), TJob{work.Path + e.Name + "/", false, listing->Chain});
        }
      }
      ReadyEntries += listing->Entries.size();
      Ready.emplace(std::move(key), std::move(listing));
      DoneCV.notify_all();
      if (!Pending.empty()) WakeWorker(self);
    }
    --Threads;
  }

  // Waits under lock until done() holds; false when keepWaiting gave up.
  template <typename Done>
  bool Wait(std::unique_lock<std::mutex>& lock, const Done& done, const TKeepWaiting& keepWaiting) {
    const auto interval = std::chrono::milliseconds(kFolderReaderWaitMs);
    auto lastCall = Clock::now();
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
  if (s.Ready.count(key) == 0 && s.Running.count(key) == 0) {
    // Not read ahead (the start folder, or options that changed on the way).
    auto [it, added] = s.Pending.try_emplace(key);
    if (added) it->second = TJob{folder, parent == nullptr, parent != nullptr ? parent->Chain : nullptr};
  }
  s.WakeWorker(FState);
  if (!s.Wait(
          lock, [&] { return s.Ready.count(key) != 0; }, keepWaiting))
    return nullptr;
  auto it = s.Ready.find(key);
  std::shared_ptr<const TFolderListing> listing = std::move(it->second);
  s.Ready.erase(it);
  s.ReadyEntries -= listing->Entries.size();
  s.WorkCV.notify_all();
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
