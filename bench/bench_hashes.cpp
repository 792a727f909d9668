// MD5, SHA-1, SHA-256, SHA-512, SHA3-256, CRC-32 and Whirlpool over a 256 MiB
// file through HashFile, each against rhash hashing the same file in the same
// run ("ratio_to_rhash" = our time / rhash's time; the target is at most 1.0)
// and, for information, against `openssl dgst` ("ratio_to_openssl"). CRC-32 is
// also timed against zlib's crc32 over the same file read in the same 64 KiB
// blocks ("ratio_to_zlib"; target at most 1.0). Every run of either side reads
// the file once, in 64 KiB blocks, from the page cache warmed before timing.
//
// rhash and openssl run as outside programs; install them first with
//   bash scripts/ensure_packages.sh rhash openssl
// A missing tool leaves its ratio at 0 and says so on stderr.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "hashes/hash_facade.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr size_t kFileBytes = 256u * 1024u * 1024u;
constexpr size_t kBlockBytes = 65536;

struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-hashes-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

// Random content, written once and read once so that it sits in the page cache.
const std::string& DataFile() {
  static const std::string path = [] {
    const fs::path p = workArea.dir / "data.bin";
    std::ofstream out(p, std::ios::binary);
    std::mt19937_64 rng(256);
    std::vector<uint64_t> block(kBlockBytes / 8);
    for (size_t done = 0; done < kFileBytes; done += kBlockBytes) {
      for (auto& w : block) w = rng();
      out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(kBlockBytes));
    }
    out.close();
    std::ifstream warm(p, std::ios::binary);
    std::vector<char> sink(kBlockBytes);
    while (warm.read(sink.data(), static_cast<std::streamsize>(sink.size()))) {
    }
    return p.string();
  }();
  return path;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

bool HaveTool(const std::string& name) {
  return std::system(("command -v " + name + " > /dev/null 2>&1").c_str()) == 0;
}

// Seconds the command takes on the file; its output, the digest, goes to
// /dev/null. Negative when the command failed.
double RunTool(const std::string& command) {
  const std::string line = command + " '" + DataFile() + "' > /dev/null 2>&1";
  auto t0 = Clock::now();
  const int rc = std::system(line.c_str());
  auto t1 = Clock::now();
  return rc == 0 ? Seconds(t0, t1) : -1;
}

uLong ZlibCRC32OfFile() {
  const int fd = ::open(DataFile().c_str(), O_RDONLY | O_CLOEXEC);
  std::vector<unsigned char> block(kBlockBytes);
  uLong crc = crc32(0L, Z_NULL, 0);
  ssize_t got;
  while ((got = ::read(fd, block.data(), block.size())) > 0) crc = crc32(crc, block.data(), static_cast<uInt>(got));
  ::close(fd);
  return crc;
}

struct TPeer {
  std::string Counter;
  std::function<double()> Run;
};

void Compare(benchmark::State& state, int32_t id, const std::vector<TPeer>& peers) {
  const std::string& file = DataFile();
  double ours = 0;
  std::vector<double> peerSeconds(peers.size(), 0);
  std::vector<bool> peerFailed(peers.size(), false);
  for (auto _ : state) {
    auto t0 = Clock::now();
    std::string digest = HashFile(file, id, 16);
    benchmark::DoNotOptimize(digest);
    auto t1 = Clock::now();
    if (digest.empty()) state.SkipWithError("HashFile gave no digest");
    const double round = Seconds(t0, t1);
    ours += round;
    state.SetIterationTime(round);
    for (size_t k = 0; k < peers.size(); ++k) {
      const double s = peers[k].Run();
      if (s < 0)
        peerFailed[k] = true;
      else
        peerSeconds[k] += s;
    }
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ours_ms"] = 1000 * ours / n;
  for (size_t k = 0; k < peers.size(); ++k) {
    if (peerFailed[k] || peerSeconds[k] <= 0) {
      std::fprintf(stderr, "%s: peer unavailable, ratio left at 0\n", peers[k].Counter.c_str());
      state.counters[peers[k].Counter] = 0;
      continue;
    }
    state.counters[peers[k].Counter] = ours / peerSeconds[k];
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kFileBytes));
}

std::function<double()> Tool(const std::string& program, const std::string& command) {
  if (!HaveTool(program)) return [] { return -1.0; };
  return [command] { return RunTool(command); };
}

void BM_Hash(benchmark::State& state, int32_t id, std::string rhashOption, std::string opensslDigest) {
  std::vector<TPeer> peers{{"ratio_to_rhash", Tool("rhash", "rhash --" + rhashOption)}};
  if (!opensslDigest.empty())
    peers.push_back({"ratio_to_openssl",
                     Tool("openssl", "openssl dgst -" + opensslDigest +
                                         (opensslDigest == "whirlpool" ? " -provider legacy -provider default" : ""))});
  if (id == kHashCRC32)
    peers.push_back({"ratio_to_zlib", [] {
                       auto t0 = Clock::now();
                       benchmark::DoNotOptimize(ZlibCRC32OfFile());
                       return Seconds(t0, Clock::now());
                     }});
  Compare(state, id, peers);
}

BENCHMARK_CAPTURE(BM_Hash, md5, kHashMD5, std::string("md5"), std::string("md5"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, sha1, kHashSHA1, std::string("sha1"), std::string("sha1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, sha256, kHashSHA256, std::string("sha256"), std::string("sha256"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, sha512, kHashSHA512, std::string("sha512"), std::string("sha512"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, sha3_256, kHashSHA3_256, std::string("sha3-256"), std::string("sha3-256"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, crc32, kHashCRC32, std::string("crc32"), std::string())
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_Hash, whirlpool, kHashWhirlpool, std::string("whirlpool"), std::string("whirlpool"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

}  // namespace
BENCHMARK_MAIN();
