// Speed of the counter's container operations against outside peers measured
// in the same run:
// - Inc over 10^7 tokens (10^5 distinct) against gawk '{c[$0]++}' on the
//   same tokens, one per line (target: at most 0.5);
// - sorting 10^6 counted pairs by item and by count against std::sort on
//   keys computed beforehand (target: at most 2);
// - a regular-expression filter over 10^6 items against pcre2grep -c on the
//   same lines (target: at most 1.5).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "foundation/containers_lists.h"
#include "foundation/letter_case.h"
#include "foundation/number_format.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kTokens = 10'000'000;
constexpr size_t kDistinct = 100'000;
constexpr size_t kPairs = 1'000'000;
constexpr size_t kFilterItems = 1'000'000;
const char* const kFilterPattern = "[aeiou]{2}[rnt]";

std::map<std::string, double> g_best;  // seconds per iteration, best run

void Record(const std::string& name, double seconds) {
  auto it = g_best.find(name);
  if (it == g_best.end() || seconds < it->second) g_best[name] = seconds;
}

fs::path WorkDir() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("syllabrix_bench_containers_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool HaveTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::vector<std::string> Vocabulary(size_t n, uint64_t seed, bool withUmlauts) {
  std::mt19937_64 rng(seed);
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  const char* letters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "k", "l", "m",
                           "n", "o", "p", "r", "s", "t", "u", "w", "ä", "ö", "ü", "ß"};
  const size_t letterCount = withUmlauts ? std::size(letters) : std::size(letters) - 4;
  while (words.size() < n) {
    std::string w;
    const size_t len = 3 + rng() % 8;
    for (size_t k = 0; k < len; ++k) w += letters[rng() % letterCount];
    if (seen.insert(w).second) words.push_back(w);
  }
  return words;
}

// The token text, one token per line.
const std::string& TokenText() {
  static const std::string text = [] {
    const auto vocab = Vocabulary(kDistinct, 1, false);
    std::mt19937_64 rng(2);
    std::string t;
    t.reserve(kTokens * 9);
    for (const auto& w : vocab) t += w + "\n";  // every item occurs
    for (size_t k = vocab.size(); k < kTokens; ++k) {
      t += vocab[rng() % vocab.size()];
      t += '\n';
    }
    return t;
  }();
  return text;
}

const fs::path& TokenFile() {
  static const fs::path path = [] {
    fs::path p = WorkDir() / "tokens.txt";
    WriteFile(p, TokenText());
    return p;
  }();
  return path;
}

// Wall time of an outside command, in seconds; negative when it failed.
double TimeCommand(const std::string& command) {
  const auto start = Clock::now();
  const int rc = std::system(command.c_str());
  const double s = std::chrono::duration<double>(Clock::now() - start).count();
  return rc == 0 ? s : -1;
}

void BM_Inc(benchmark::State& state) {
  const std::string& text = TokenText();
  for (auto _ : state) {
    const auto start = Clock::now();
    TIntStrArrayObj counts;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
      const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
      if (!nl) nl = end;
      counts.Inc(std::string_view(p, static_cast<size_t>(nl - p)), 1);
      p = nl + 1;
    }
    benchmark::DoNotOptimize(counts.Items.data());
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(s);
    Record("Inc", s);
    if (counts.Count() != static_cast<int32_t>(kDistinct)) state.SkipWithError("wrong number of distinct items");
  }
}

void BM_AwkCount(benchmark::State& state) {
  if (!HaveTool("gawk")) {
    state.SkipWithError("gawk is not installed");
    return;
  }
  const std::string command = "gawk '{c[$0]++}' " + TokenFile().string();
  for (auto _ : state) {
    const double s = TimeCommand(command);
    if (s < 0) {
      state.SkipWithError("gawk failed");
      return;
    }
    state.SetIterationTime(s);
    Record("awk", s);
  }
}

struct TKeyedPair {
  std::string key;
  TIntStr pair;
};

const TIntStrArray& SortPairs() {
  static const TIntStrArray pairs = [] {
    const auto vocab = Vocabulary(kPairs, 3, true);
    std::mt19937_64 rng(4);
    TIntStrArray p;
    p.reserve(vocab.size());
    // Counts with many ties, as a counter's result has.
    for (const auto& w : vocab) p.push_back({static_cast<int32_t>(1 + rng() % 2000), w});
    return p;
  }();
  return pairs;
}

void SortPairsBench(benchmark::State& state, void (TIntStrArrayObj::*Sort)(), const char* name) {
  for (auto _ : state) {
    TIntStrArrayObj list;
    list.Items = SortPairs();
    const auto start = Clock::now();
    (list.*Sort)();
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(list.Items.data());
    state.SetIterationTime(s);
    Record(name, s);
  }
}

void BM_SortStrUp(benchmark::State& state) { SortPairsBench(state, &TIntStrArrayObj::SortStrUp, "SortStrUp"); }
void BM_SortIntDown(benchmark::State& state) { SortPairsBench(state, &TIntStrArrayObj::SortIntDown, "SortIntDown"); }

void BM_StdSortByItem(benchmark::State& state) {
  std::vector<TKeyedPair> proto;
  proto.reserve(SortPairs().size());
  for (const auto& p : SortPairs()) proto.push_back({UpperCaseNarrow(p.Str), p});
  for (auto _ : state) {
    std::vector<TKeyedPair> v = proto;
    const auto start = Clock::now();
    std::sort(v.begin(), v.end(), [](const TKeyedPair& a, const TKeyedPair& b) { return a.key < b.key; });
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(v.data());
    state.SetIterationTime(s);
    Record("std::sort by item", s);
  }
}

void BM_StdSortByCount(benchmark::State& state) {
  for (auto _ : state) {
    TIntStrArray v = SortPairs();
    const auto start = Clock::now();
    std::sort(v.begin(), v.end(), [](const TIntStr& a, const TIntStr& b) { return a.Int > b.Int; });
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(v.data());
    state.SetIterationTime(s);
    Record("std::sort by count", s);
  }
}

const TIntStrArray& FilterItems() {
  static const TIntStrArray items = [] {
    const auto vocab = Vocabulary(kFilterItems, 5, false);
    TIntStrArray p;
    p.reserve(vocab.size());
    for (const auto& w : vocab) p.push_back({1, w});
    return p;
  }();
  return items;
}

const fs::path& FilterFile() {
  static const fs::path path = [] {
    std::string text;
    for (const auto& p : FilterItems()) text += p.Str + "\n";
    fs::path f = WorkDir() / "filter.txt";
    WriteFile(f, text);
    return f;
  }();
  return path;
}

void BM_RegexFilter(benchmark::State& state) {
  for (auto _ : state) {
    TIntStrArrayObj list;
    list.Items = FilterItems();
    const auto start = Clock::now();
    list.DeleteAllStringsNotContaining(kFilterPattern, true, true);
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(s);
    state.counters["kept"] = list.Count();
    Record("regex filter", s);
  }
}

void BM_Pcre2grepCount(benchmark::State& state) {
  if (!HaveTool("pcre2grep")) {
    state.SkipWithError("pcre2grep is not installed");
    return;
  }
  const std::string command =
      std::string("pcre2grep -c '") + kFilterPattern + "' " + FilterFile().string() + " >/dev/null";
  for (auto _ : state) {
    const double s = TimeCommand(command);
    if (s < 0) {
      state.SkipWithError("pcre2grep failed");
      return;
    }
    state.SetIterationTime(s);
    Record("pcre2grep -c", s);
  }
}

BENCHMARK(BM_Inc)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AwkCount)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortStrUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StdSortByItem)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortIntDown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StdSortByCount)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RegexFilter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Pcre2grepCount)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void PrintRatio(const char* what, const std::string& ours, const std::string& peer, double target) {
  const auto a = g_best.find(ours), b = g_best.find(peer);
  if (a == g_best.end() || b == g_best.end() || b->second <= 0) {
    std::printf("%-40s n/a (not measured)\n", what);
    return;
  }
  const double ratio = a->second / b->second;
  const NumberFormat fmt{};
  std::printf("%-40s %s  (target at most %s: %s)\n", what, FormatFloatFixed(ratio, 3, fmt).c_str(),
              FormatFloatFixed(target, 1, fmt).c_str(), ratio <= target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("\nRatios (best run of ours / best run of the peer):\n");
  PrintRatio("Inc / gawk '{c[$0]++}'", "Inc", "awk", 0.5);
  PrintRatio("SortStrUp / std::sort by item", "SortStrUp", "std::sort by item", 2);
  PrintRatio("SortIntDown / std::sort by count", "SortIntDown", "std::sort by count", 2);
  PrintRatio("regex filter / pcre2grep -c", "regex filter", "pcre2grep -c", 1.5);
  std::error_code ec;
  fs::remove_all(WorkDir(), ec);
  return 0;
}
