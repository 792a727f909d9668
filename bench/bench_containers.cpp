// Speed of the counter's container operations against outside peers measured
// in the same run, each side five times with alternating order (the summary
// gives minimum and median of both and their ratios):
// - Inc over 10^7 tokens (10^5 distinct) read from a file, one per line, as
//   LoadString reads it, against whole gawk and mawk processes counting the
//   same file with '{c[$0]++}' and printing how many items they counted
//   (target: at most 0.2 against each);
// - sorting 10^6 counted pairs by item and by count against std::stable_sort
//   with the same comparison (upper-cased items, computed beforehand for the
//   peer, byte by byte; counts) (target: at most 1.5);
// - a regular-expression filter over 10^6 items against pcre2grep -c on the
//   same lines (target: at most 1.5).
// The peers' outputs are compared with ours (the items counted, the lines
// kept); a peer that is missing, fails or disagrees is "not measured".
// Needs gawk, mawk and pcre2grep (bench/run.sh installs them).
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
#include "foundation/str_arrays.h"
#include "foundation/text_files.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kTokens = 10'000'000;
constexpr size_t kDistinct = 100'000;
constexpr size_t kPairs = 1'000'000;
constexpr size_t kFilterItems = 1'000'000;
const char* const kFilterPattern = "[aeiou]{2}[rnt]";

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("containers");
  return dir;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
    fs::path p = Work().Path() / "tokens.txt";
    WriteFile(p, TokenText());
    return p;
  }();
  return path;
}

// The file read as the program reads a text file, then every line counted.
double TimeInc() {
  const auto start = Clock::now();
  const std::string text = LoadString(TokenFile().string());
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
  const double s = bench::SecondsSince(start);
  return counts.Count() == static_cast<int32_t>(kDistinct) ? s : -1;
}

std::string ReadFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

void BM_IncAgainstAwk(benchmark::State& state, const std::string& awk) {
  const std::string peerName = awk + " '{c[$0]++}'";
  if (!bench::HaveTool(awk)) {
    bench::Report(state, "Inc", peerName, bench::NotMeasured(awk + " is not installed"), 0.2);
    return;
  }
  TokenFile();
  const std::string out = Work().File(awk + "-items.txt");
  const std::string command = awk + " '{c[$0]++} END {n = 0; for (k in c) n++; print n}' " +
                              bench::ShellQuote(TokenFile().string()) + " > " + bench::ShellQuote(out);
  for (auto _ : state) {
    auto t = bench::RunPaired(bench::kDefaultRepetitions, TimeInc, [&] { return bench::TimeCommand(command, {out}); });
    if (!t.Failed && ReadFirstLine(out) != std::to_string(kDistinct))
      t = bench::NotMeasured(awk + " counted " + ReadFirstLine(out) + " items, we " + std::to_string(kDistinct));
    bench::Report(state, "Inc", peerName, t, 0.2);
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

// Our sort of a fresh copy of the pairs; the copy is not timed.
double TimeOurSort(void (TIntStrArrayObj::*sort)()) {
  TIntStrArrayObj list;
  list.Items = SortPairs();
  const auto start = Clock::now();
  (list.*sort)();
  const double s = bench::SecondsSince(start);
  benchmark::DoNotOptimize(list.Items.data());
  return s;
}

// The peer: std::stable_sort of a fresh copy with the same comparison; the
// copy is not timed.
template <typename T, typename Less>
double TimeStableSort(const std::vector<T>& proto, const Less& less) {
  std::vector<T> v = proto;
  const auto start = Clock::now();
  std::stable_sort(v.begin(), v.end(), less);
  const double s = bench::SecondsSince(start);
  benchmark::DoNotOptimize(v.data());
  return s;
}

// The pairs with their upper-cased items as the lists compare them.
const std::vector<TKeyedPair>& KeyedPairs(std::string (*upper)(std::string_view)) {
  static std::map<std::string (*)(std::string_view), std::vector<TKeyedPair>> cache;
  auto& v = cache[upper];
  if (v.empty()) {
    v.reserve(SortPairs().size());
    for (const auto& p : SortPairs()) v.push_back({upper(p.Str), p});
  }
  return v;
}

void BM_ListSort(benchmark::State& state, const std::string& name, void (TIntStrArrayObj::*sort)()) {
  const bool byStr = name.find("Str") != std::string::npos;
  const bool down = name.find("Down") != std::string::npos;
  const auto& keyed = KeyedPairs(&UpperCaseNarrow);
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions, [&] { return TimeOurSort(sort); },
        [&] {
          if (byStr)
            return down ? TimeStableSort(keyed, [](const TKeyedPair& a, const TKeyedPair& b) { return b.key < a.key; })
                        : TimeStableSort(keyed, [](const TKeyedPair& a, const TKeyedPair& b) { return a.key < b.key; });
          return down ? TimeStableSort(SortPairs(), [](const TIntStr& a, const TIntStr& b) { return a.Int > b.Int; })
                      : TimeStableSort(SortPairs(), [](const TIntStr& a, const TIntStr& b) { return a.Int < b.Int; });
        });
    bench::Report(state, name, "std::stable_sort", t, 1.5);
  }
}

// The sorts of plain arrays, by UTF8UpperCase.
void BM_SortStrArrayUp(benchmark::State& state) {
  TStrArray proto;
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const auto& p : SortPairs()) {
    proto.push_back(p.Str);
    keyed.emplace_back(UTF8UpperCase(p.Str), p.Str);
  }
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          TStrArray v = proto;
          const auto start = Clock::now();
          SortStrArrayUp(v);
          const double s = bench::SecondsSince(start);
          benchmark::DoNotOptimize(v.data());
          return s;
        },
        [&] { return TimeStableSort(keyed, [](const auto& a, const auto& b) { return a.first < b.first; }); });
    bench::Report(state, "SortStrArrayUp", "std::stable_sort", t, 1.5);
  }
}

void BM_SortIntStrArrayStrUp(benchmark::State& state) {
  const auto& keyed = KeyedPairs(&UTF8UpperCase);
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          TIntStrArray v = SortPairs();
          const auto start = Clock::now();
          SortIntStrArrayStrUp(v);
          const double s = bench::SecondsSince(start);
          benchmark::DoNotOptimize(v.data());
          return s;
        },
        [&] { return TimeStableSort(keyed, [](const TKeyedPair& a, const TKeyedPair& b) { return a.key < b.key; }); });
    bench::Report(state, "SortIntStrArrayStrUp", "std::stable_sort", t, 1.5);
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
    fs::path f = Work().Path() / "filter.txt";
    WriteFile(f, text);
    return f;
  }();
  return path;
}

void BM_RegexFilter(benchmark::State& state) {
  if (!bench::HaveTool("pcre2grep")) {
    bench::Report(state, "regex filter", "pcre2grep -c", bench::NotMeasured("pcre2grep is not installed"), 1.5);
    return;
  }
  const std::string out = Work().File("pcre2grep-count.txt");
  const std::string command = std::string("pcre2grep -c '") + kFilterPattern + "' " +
                              bench::ShellQuote(FilterFile().string()) + " > " + bench::ShellQuote(out);
  int32_t kept = -1;
  for (auto _ : state) {
    auto t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          TIntStrArrayObj list;
          list.Items = FilterItems();
          const auto start = Clock::now();
          list.DeleteAllStringsNotContaining(kFilterPattern, true, true);
          const double s = bench::SecondsSince(start);
          kept = list.Count();
          return s;
        },
        [&] { return bench::TimeCommand(command, {out}); });
    if (!t.Failed && ReadFirstLine(out) != std::to_string(kept))
      t = bench::NotMeasured("pcre2grep kept " + ReadFirstLine(out) + " lines, we " + std::to_string(kept));
    state.counters["kept"] = kept;
    bench::Report(state, "regex filter", "pcre2grep -c", t, 1.5);
  }
}

BENCHMARK_CAPTURE(BM_IncAgainstAwk, gawk, std::string("gawk"))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_IncAgainstAwk, mawk, std::string("mawk"))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ListSort, SortStrUp, std::string("SortStrUp"), &TIntStrArrayObj::SortStrUp)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ListSort, SortStrDown, std::string("SortStrDown"), &TIntStrArrayObj::SortStrDown)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ListSort, SortIntUp, std::string("SortIntUp"), &TIntStrArrayObj::SortIntUp)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ListSort, SortIntDown, std::string("SortIntDown"), &TIntStrArrayObj::SortIntDown)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_SortStrArrayUp)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortIntStrArrayStrUp)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RegexFilter)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
