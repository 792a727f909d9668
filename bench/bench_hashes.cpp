// MD5, SHA-1, SHA-256, SHA-512, SHA3-256, CRC-32 and Whirlpool over a 256 MiB
// file through HashFile, each against a whole rhash process hashing the same
// file (target: at most 1.0) and, for comparison, `openssl dgst`; CRC-32 also
// against zlib's crc32 over the same file read in the same 64 KiB blocks
// (target at most 1.0). Both sides run five times, alternating which goes
// first (bench/paired_runs.h); the verdicts are on the minima, the medians
// beside them. Every side reads the file from the page cache, warmed before
// timing. The digests the tools print are compared with ours: a tool that is
// missing, fails or prints another digest is not measured.
//
// rhash and openssl run as outside programs (bench/run.sh installs them).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "hashes/hash_facade.h"
#include "paired_runs.h"

namespace {

constexpr size_t kFileBytes = 256u * 1024u * 1024u;
constexpr size_t kBlockBytes = 65536;

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("hashes");
  return dir;
}

// Random content, written once and read once so that it sits in the page cache.
const std::string& DataFile() {
  static const std::string path = [] {
    const std::string p = Work().File("data.bin");
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
    return p;
  }();
  return path;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return s;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uLong ZlibCRC32OfFile() {
  const int fd = ::open(DataFile().c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  std::vector<unsigned char> block(kBlockBytes);
  uLong crc = crc32(0L, Z_NULL, 0);
  ssize_t got;
  while ((got = ::read(fd, block.data(), block.size())) > 0) crc = crc32(crc, block.data(), static_cast<uInt>(got));
  ::close(fd);
  return crc;
}

// A peer: a tool run on the file, its output holding the digest, or zlib.
struct TPeer {
  std::string Name;
  std::string Program;  // empty: zlib in this process
  std::string Command;
  double Target;
};

void BM_Hash(benchmark::State& state, int32_t id, const std::string& name, const std::vector<TPeer>& peers) {
  const std::string& file = DataFile();
  std::string digest;
  auto ours = [&] {
    const auto start = bench::Clock::now();
    digest = HashFile(file, id, 16);
    const double s = bench::SecondsSince(start);
    return digest.empty() ? -1.0 : s;
  };
  bool anyMeasured = false;
  for (auto _ : state) {
    for (const TPeer& peer : peers) {
      bench::TPairedTimes t;
      if (peer.Program.empty()) {
        uLong crc = 0;
        t = bench::RunPaired(bench::kDefaultRepetitions, ours, [&] {
          const auto start = bench::Clock::now();
          crc = ZlibCRC32OfFile();
          return bench::SecondsSince(start);
        });
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08lx", crc);
        if (!t.Failed && Lower(digest) != hex) t = bench::NotMeasured("zlib gave another CRC-32");
      } else if (!bench::HaveTool(peer.Program)) {
        t = bench::NotMeasured(peer.Program + " is not installed");
      } else {
        const std::string out = Work().File("digest.txt");
        const std::string command =
            peer.Command + " " + bench::ShellQuote(file) + " > " + bench::ShellQuote(out) + " 2> /dev/null";
        t = bench::RunPaired(bench::kDefaultRepetitions, ours, [&] { return bench::TimeCommand(command, {out}); });
        if (!t.Failed && Lower(ReadText(out)).find(Lower(digest)) == std::string::npos)
          t = bench::NotMeasured(peer.Name + " printed another digest");
      }
      anyMeasured = bench::AddReportLine(name, peer.Name, t, peer.Target) || anyMeasured;
      if (!t.Failed) state.counters["ratio_min_" + peer.Name] = bench::Min(t.Ours) / bench::Min(t.Peer);
    }
  }
  if (!anyMeasured) state.SkipWithError("not measured");
  state.SetBytesProcessed(static_cast<int64_t>(kFileBytes));
}

std::vector<TPeer> Peers(const std::string& rhashOption, const std::string& opensslDigest) {
  std::vector<TPeer> peers{{"rhash", "rhash", "rhash --" + rhashOption, 1.0}};
  if (!opensslDigest.empty())
    peers.push_back({"openssl", "openssl",
                     "openssl dgst -r -" + opensslDigest +
                         (opensslDigest == "whirlpool" ? " -provider legacy -provider default" : ""),
                     0});
  return peers;
}

void Register() {
  auto reg = [](const char* name, int32_t id, std::vector<TPeer> peers) {
    benchmark::RegisterBenchmark(name, [=](benchmark::State& st) { BM_Hash(st, id, name, peers); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  };
  reg("MD5", kHashMD5, Peers("md5", "md5"));
  reg("SHA-1", kHashSHA1, Peers("sha1", "sha1"));
  reg("SHA-256", kHashSHA256, Peers("sha256", "sha256"));
  reg("SHA-512", kHashSHA512, Peers("sha512", "sha512"));
  reg("SHA3-256", kHashSHA3_256, Peers("sha3-256", "sha3-256"));
  std::vector<TPeer> crc = Peers("crc32", "");
  crc.push_back({"zlib", "", "", 1.0});
  reg("CRC-32", kHashCRC32, crc);
  reg("Whirlpool", kHashWhirlpool, Peers("whirlpool", "whirlpool"));
}

}  // namespace

int main(int argc, char** argv) {
  Register();
  return bench::RunAndSummarize(argc, argv);
}
