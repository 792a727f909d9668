// Speed and memory of the count command as a user meets it: a whole process
// of a small driver (bench/count_driver.cpp: the file loaded as the program
// opens it, counted with the default settings, the table written to a file)
// started anew for every run, against whole gawk and mawk processes counting
// the same items in the same file and writing their tables. Words, letters,
// trigrams, hexagrams and syllables; each pair of sides runs five times,
// alternating which goes first, and the summary gives the minimum and median
// of both and their ratios, the verdict on the minima. Targets: at most 0.3
// of mawk for words, at most 0.2 of gawk for letters, trigrams and hexagrams.
//
// The whole tables are compared after the runs: an item missing on either
// side or counted differently makes the case "not measured", as does a peer
// that is missing, fails or writes nothing.
//
// The text is made the same on every machine: words of one to four syllables
// of the program's English and German syllable lists (by their weights),
// drawn with a fixed seed by a heavy-tailed rule, in sentences with capitals,
// a few words in capitals, commas, numbers and line breaks, all in ASCII so
// that the awks in the C locale read the characters the counter reads. It
// has SYLLABRIX_BENCH_COUNTER_MIB MiB (default 16); its size and SHA-256 are
// printed.
//
// The memory note: the peak memory of the driver counting the text beyond
// what it held after its start, less the tables the count ends with,
// divided by the text's size (target: at most 1.5).
//
// Also times the largest pre-fill and extension: 216 characters in triples.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/text_files.h"
#include "hashes/hash_facade.h"
#include "paired_runs.h"
#include "syllables/syllable_lists.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/counter/text_statistics.h"

namespace {

size_t TextBytes() {
  static const size_t bytes = [] {
    const char* mib = std::getenv("SYLLABRIX_BENCH_COUNTER_MIB");
    const long n = mib ? std::atol(mib) : 16;
    return static_cast<size_t>(n > 0 ? n : 16) << 20;
  }();
  return bytes;
}

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("counter");
  return dir;
}

// The syllables of a list entry ("0126 AN") that are plain A to Z, with
// their weights.
void AddSyllables(const TStrArray& list, std::vector<std::string>& syllables, std::vector<double>& weights) {
  for (const std::string& entry : list) {
    const size_t blank = entry.find(' ');
    if (blank == std::string::npos || blank + 1 >= entry.size()) continue;
    const std::string syllable = entry.substr(blank + 1);
    if (!std::all_of(syllable.begin(), syllable.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) continue;
    syllables.push_back(syllable);
    weights.push_back(std::max(1.0, std::atof(entry.substr(0, blank).c_str())));
  }
}

std::string MakeText() {
  std::vector<std::string> syllables;
  std::vector<double> cumulative;
  AddSyllables(LoadListEN(true, true, true), syllables, cumulative);
  AddSyllables(LoadListDE(true, true, true), syllables, cumulative);
  for (size_t k = 1; k < cumulative.size(); ++k) cumulative[k] += cumulative[k - 1];
  // Only the raw output of the engine, which every standard library gives
  // alike; the draws are made from it by hand.
  std::mt19937_64 rng(20240611);
  auto uniform = [&] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
  auto below = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  auto syllable = [&] {
    const double x = uniform() * cumulative.back();
    return syllables[static_cast<size_t>(std::upper_bound(cumulative.begin(), cumulative.end(), x) -
                                         cumulative.begin())];
  };
  std::vector<std::string> vocabulary(60000);
  for (std::string& w : vocabulary) {
    const size_t n = 1 + below(4);
    for (size_t k = 0; k < n; ++k) w += syllable();
    for (char& c : w) c = static_cast<char>(c - 'A' + 'a');
  }
  std::string text;
  text.reserve(TextBytes() + 256);
  size_t lineWords = 0;
  while (text.size() < TextBytes()) {
    const size_t words = 4 + below(16);
    for (size_t k = 0; k < words; ++k) {
      // Word i about as often as 1 / (i + 1): log-uniform ranks.
      const size_t rank = std::min(vocabulary.size() - 1,
                                   static_cast<size_t>(std::exp(uniform() * std::log(vocabulary.size() + 1.0))) - 1);
      std::string w = below(60) == 0 ? std::to_string(below(100000)) : vocabulary[rank];
      if (below(150) == 0)
        for (char& c : w) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
      else if (k == 0 && w[0] >= 'a' && w[0] <= 'z')
        w[0] = static_cast<char>(w[0] - 32);
      text += w;
      if (k + 1 == words) {
        static const char* const ends[] = {".", ".", ".", "!", "?", "...", ";", ":"};
        text += ends[below(std::size(ends))];
      } else if (below(9) == 0) {
        text += below(4) == 0 ? " -" : ",";
      }
      if (++lineWords >= 9 + below(6)) {
        text += below(8) == 0 ? "\n\n" : "\n";
        lineWords = 0;
      } else {
        text += ' ';
      }
    }
  }
  text.resize(TextBytes());
  return text;
}

// The text file, written once; its size and digest go to the summary.
const std::string& TextFile() {
  static const std::string path = [] {
    const std::string p = Work().File("text.txt");
    const std::string text = MakeText();
    std::ofstream(p, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    char line[200];
    std::snprintf(line, sizeof line, "Text: %zu bytes, SHA-256 %s", text.size(), HashFile(p, kHashSHA256, 16).c_str());
    std::printf("%s\n", line);
    bench::AddSummaryNote(line);
    return p;
  }();
  return path;
}

std::string DriverPath() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (self.parent_path() / "count_driver").string();
}

// An awk's table: lines "count item".
std::map<std::string, int64_t> ReadAwkTable(const std::string& path) {
  std::map<std::string, int64_t> table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    table[line.substr(blank + 1)] += std::strtoll(line.c_str(), nullptr, 10);
  }
  return table;
}

// Our table as the output field shows it: the item, its count and its
// percentage, aligned; the total row has no percentage.
std::map<std::string, int64_t> ReadOurTable(const std::string& path) {
  std::map<std::string, int64_t> table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    if (line.empty() || line.back() != '%') continue;
    const size_t percent = line.find_last_of(' ');
    if (percent == std::string::npos) continue;
    size_t countEnd = line.find_last_not_of(' ', percent);
    if (countEnd == std::string::npos) continue;
    const size_t countStart = line.find_last_of(' ', countEnd);
    if (countStart == std::string::npos) continue;
    const int64_t count = std::strtoll(line.c_str() + countStart + 1, nullptr, 10);
    std::string item = line.substr(0, countStart);
    while (!item.empty() && item.back() == ' ') item.pop_back();
    table[item] += count;
  }
  return table;
}

// "" when both tables hold the same items with the same counts.
std::string TableDifference(const std::map<std::string, int64_t>& ours, const std::map<std::string, int64_t>& peer) {
  size_t onlyOurs = 0, onlyPeer = 0, differ = 0;
  for (const auto& [item, n] : ours) {
    const auto it = peer.find(item);
    if (it == peer.end())
      ++onlyOurs;
    else if (it->second != n)
      ++differ;
  }
  for (const auto& [item, n] : peer)
    if (!ours.count(item)) ++onlyPeer;
  if (ours.empty() || (onlyOurs == 0 && onlyPeer == 0 && differ == 0)) return ours.empty() ? "our table is empty" : "";
  char why[160];
  std::snprintf(why, sizeof why, "tables differ: %zu items only ours, %zu only the peer's, %zu counted differently",
                onlyOurs, onlyPeer, differ);
  return why;
}

const char* const kAwkWords = R"(
BEGIN { RS = "[^A-Za-z]+" }
length($0) { c[toupper($0)]++ }
END { for (w in c) print c[w], w }
)";

const char* const kAwkLetters = R"(
{ s = toupper($0); gsub(/[^A-Z]+/, "", s); n = split(s, a, ""); for (i = 1; i <= n; i++) c[a[i]]++ }
END { for (w in c) print c[w], w }
)";

std::string AwkGroups(int n) {
  return "{ m = split(toupper($0), w, /[^A-Z]+/); for (j = 1; j <= m; j++) { L = length(w[j]) - " +
         std::to_string(n - 1) + "; for (i = 1; i <= L; i++) c[substr(w[j], i, " + std::to_string(n) +
         ")]++ } }\nEND { for (g in c) print c[g], g }\n";
}

// The counter's syllable rule for ASCII text, over the whole file at once.
const char* const kAwkSyllables = R"(
function emit(p) { gsub(/^[\001- ]+|[\001- ]+$/, "", p); if (p != "") c[p]++ }
BEGIN {
  RS = "^$"
  split("A E I O U", t, " "); for (i in t) V[t[i]]
  split("TH CH PH CK PF BR PL TR ST GR SP", t, " "); for (i in t) CL[t[i]]
}
{
  s = $0
  gsub(/[-.,;:_#*+~'`!"$%&\/()=?\\}\]\[{^><|\r\n\t]/, " ", s)
  s = toupper(s)
  m = length(s)
  seen = 0; cut = 1
  for (k = 1; k <= m - 2; k++) {
    cur = substr(s, k + 1, 1)
    if (!seen && (cur in V)) seen = 1
    if (!seen) continue
    nx = substr(s, k + 2, 1)
    if (nx != " ") { n2 = substr(s, k + 3, 1); if (!(n2 in V) || (nx in V)) continue }
    plen = 2
    if (cur == "C" && nx == "H" && k >= 2 && substr(s, k, 1) == "S") plen = 3
    sp = ((cur nx) in CL) ? k + 2 - plen : k + 1
    if (sp + 1 > cut) { emit(substr(s, cut, sp + 1 - cut)); cut = sp + 1 }
  }
  emit(substr(s, cut))
}
END { for (p in c) print c[p], p }
)";

void InitTexts() {
  static bool done = [] {
    InitSprResLocal();
    SetSprResGlobal(0);
    return true;
  }();
  (void)done;
}

// The memory the result holds: the pairs and their texts.
double TableBytes(const TIntStrArrayObj& table) {
  double bytes = static_cast<double>(table.Items.capacity() * sizeof(TIntStr));
  for (const TIntStr& p : table.Items)
    if (p.Str.capacity() > 15) bytes += static_cast<double>(p.Str.capacity() + 1);
  return bytes;
}

struct TAwkPeer {
  std::string Awk;  // gawk or mawk
  double Target;    // 0: none
};

// The peak memory of the driver counting the text beyond what it held after
// its start, less the tables the count ends with, per byte of the text.
void MemoryNote(const std::string& name, TCountType countType, bool withTarget) {
  InitTexts();
  TCounterSettings s;
  s.CountType = countType;
  TCounterObj counter;
  const double outputBytes =
      static_cast<double>(counter.Count(LoadString(TextFile()), s, NumberFormat{}).Output.size());
  const double tables = TableBytes(counter.GlobalErg) + outputBytes;
  const std::string report = Work().File("memory.txt");
  const bool ran =
      bench::TimeCommand("SYLLABRIX_COUNT_DRIVER_MEMORY=" + bench::ShellQuote(report) + " " +
                             bench::ShellQuote(DriverPath()) + " " + std::to_string(countType) + " " +
                             bench::ShellQuote(TextFile()) + " " + bench::ShellQuote(Work().File("memory-table.txt")),
                         {report}) >= 0;
  long startKiB = 0, peakKiB = 0;
  if (FILE* f = ran ? std::fopen(report.c_str(), "r") : nullptr) {
    if (std::fscanf(f, "%ld %ld", &startKiB, &peakKiB) != 2) peakKiB = 0;
    std::fclose(f);
  }
  char note[256];
  if (peakKiB <= 0) {
    std::snprintf(note, sizeof note, "%-34s peak memory not measured (count_driver failed)", ("Count/" + name).c_str());
  } else {
    const double extra = 1024.0 * static_cast<double>(peakKiB - startKiB);
    const double memRatio = (extra - tables) / static_cast<double>(TextBytes());
    std::snprintf(
        note, sizeof note, "%-34s %zu items; the count's peak memory %.0f MB = %.2f x input + tables of %.0f MB%s",
        ("Count/" + name).c_str(), counter.GlobalErg.Items.size(), extra / 1e6, memRatio, tables / 1e6,
        withTarget ? (memRatio <= 1.5 ? "  (target at most 1.5: met)" : "  (target at most 1.5: MISSED)") : "");
  }
  bench::AddSummaryNote(note);
}

void BM_Count(benchmark::State& state, const std::string& name, TCountType countType, const std::string& program,
              const std::vector<TAwkPeer>& peers) {
  const std::string text = TextFile();
  const std::string driver = DriverPath();
  const std::string ourTable = Work().File("ours-" + name + ".txt");
  const std::string ourCommand = bench::ShellQuote(driver) + " " + std::to_string(countType) + " " +
                                 bench::ShellQuote(text) + " " + bench::ShellQuote(ourTable);
  const std::string programFile = Work().File(name + ".awk");
  std::ofstream(programFile) << program;
  bool anyMeasured = false;
  for (auto _ : state) {
    for (const TAwkPeer& peer : peers) {
      const std::string peerTable = Work().File(peer.Awk + "-" + name + ".txt");
      const std::string caseName = "Count/" + name;
      bench::TPairedTimes t;
      if (!bench::HaveTool(peer.Awk)) {
        t = bench::NotMeasured(peer.Awk + " is not installed");
      } else if (!std::filesystem::exists(driver)) {
        t = bench::NotMeasured("count_driver is not built");
      } else {
        const std::string peerCommand = "LC_ALL=C " + peer.Awk + " -f " + bench::ShellQuote(programFile) + " " +
                                        bench::ShellQuote(text) + " > " + bench::ShellQuote(peerTable);
        t = bench::RunPaired(
            bench::kDefaultRepetitions, [&] { return bench::TimeCommand(ourCommand, {ourTable}); },
            [&] { return bench::TimeCommand(peerCommand, {peerTable}); });
        if (!t.Failed) {
          const std::string why = TableDifference(ReadOurTable(ourTable), ReadAwkTable(peerTable));
          if (!why.empty()) t = bench::NotMeasured(why);
        }
      }
      anyMeasured = bench::AddReportLine(caseName, peer.Awk, t, peer.Target) || anyMeasured;
      if (!t.Failed) state.counters["ratio_min_" + peer.Awk] = bench::Min(t.Ours) / bench::Min(t.Peer);
    }
  }
  if (!anyMeasured) state.SkipWithError("not measured");
  MemoryNote(name, countType, countType != ctSyllables);
}

// The largest pre-fill: all 216 characters of the ten character groups of the
// settings, in triples (about ten million items), counted in list order; and
// the same list added to a count sorted by item.
const std::string& AllToggleCharacters() {
  static const std::string chars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
      "ÄÖÜ"
      "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
      "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"
      "აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"
      "abcdefghijklmnopqrstuvwxyz"
      "äöü"
      "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
      "αβγδεζηθικλμνξοπρσςτυφχψω"
      "0123456789";
  return chars;
}

void BM_PreFill216Trigrams(benchmark::State& state) {
  for (auto _ : state) {
    auto table = CountCharacters("ABCABC", 3, "", AllToggleCharacters(), false, true);
    benchmark::DoNotOptimize(table.Items.data());
    state.counters["items"] = static_cast<double>(table.Items.size());
  }
}

void BM_CountCommand216Trigrams(benchmark::State& state, TCountSorting sorting) {
  InitTexts();
  TCounterSettings s;
  s.CountType = ctTrigrams;
  s.OnlyCount = true;
  s.OnlyChars = AllToggleCharacters();
  s.CombineLowUp = false;
  s.AddAllCountedChars = true;
  s.Sorting = sorting;
  for (auto _ : state) {
    TCounterObj counter;
    auto outcome = counter.Count("ABCABC", s, NumberFormat{});
    benchmark::DoNotOptimize(outcome.Output.data());
    state.counters["items"] = static_cast<double>(counter.GlobalErg.Items.size());
    state.counters["output_MB"] = static_cast<double>(outcome.Output.size()) / (1 << 20);
  }
}

void RegisterAll() {
  auto reg = [](const std::string& name, TCountType type, std::string program, std::vector<TAwkPeer> peers) {
    benchmark::RegisterBenchmark(
        ("Count/" + name).c_str(),
        [name, type, program, peers](benchmark::State& st) { BM_Count(st, name, type, program, peers); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  };
  reg("words", ctWords, kAwkWords, {{"mawk", 0.3}, {"gawk", 0}});
  reg("letters", ctLetters, kAwkLetters, {{"gawk", 0.2}, {"mawk", 0}});
  reg("trigrams", ctTrigrams, AwkGroups(3), {{"gawk", 0.2}, {"mawk", 0}});
  reg("hexagrams", ctHexagrams, AwkGroups(6), {{"gawk", 0.2}, {"mawk", 0}});
  reg("syllables", ctSyllables, kAwkSyllables, {{"gawk", 0}});
  benchmark::RegisterBenchmark("PreFill/216_trigrams", BM_PreFill216Trigrams)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("CountCommand/216_trigrams_char_list",
                               [](benchmark::State& st) { BM_CountCommand216Trigrams(st, csCharList); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("CountCommand/216_trigrams_extension_sorted",
                               [](benchmark::State& st) { BM_CountCommand216Trigrams(st, csCharUp); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  return bench::RunAndSummarize(argc, argv);
}
