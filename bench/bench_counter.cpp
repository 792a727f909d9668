// Speed and memory of the count command as a user meets it: from a 100 MiB
// text file on disk to the finished table text (LoadString, Count with the
// default settings and its table), next to the whole `LC_ALL=C gawk` process
// counting the same items in the same file. Words, letters, trigrams,
// hexagrams and syllables; each side runs five times, alternating which goes
// first, and the summary gives the minimum and median of both and their
// ratios (target: at most 0.3 for words, letters, trigrams and hexagrams).
//
// The text is built from many different texts: the manual pages and package
// documents installed on the machine (with seeded words should they be
// missing), bytes beyond ASCII turned into blanks so that gawk in the C
// locale reads the same characters. "agree" is 1 when the two tables hold the
// same count for every item both hold (gawk counts the letters A to Z only).
//
// "mem_to_input" is the peak memory of one count (measured in a child
// process) less the memory of the tables it ends with (the counted pairs and
// the table text), divided by the file size (target: at most 1.5).
//
// Also times the largest pre-fill and extension: 216 characters in triples.
// Needs gawk and gzip.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "foundation/random.h"
#include "foundation/text_files.h"
#include "paired_runs.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/counter/text_statistics.h"

namespace {

constexpr size_t kTextBytes = size_t{100} << 20;

// The text: the installed manual pages, info and package documents in name
// order, then (should they be too few) seeded words of a large made-up
// vocabulary.
std::string MakeText() {
  std::string text;
  text.reserve(kTextBytes);
  if (FILE* p = ::popen("find /usr/share/man /usr/share/info /usr/share/doc -type f -name '*.gz' -print0 2>/dev/null | "
                        "LC_ALL=C sort -z | xargs -0 -r gzip -dc 2>/dev/null",
                        "r")) {
    char buf[1 << 16];
    while (text.size() < kTextBytes) {
      const size_t r = std::fread(buf, 1, sizeof buf, p);
      if (r == 0) break;
      text.append(buf, std::min(r, kTextBytes - text.size()));
    }
    ::pclose(p);
  }
  if (text.size() < kTextBytes) {
    TSeededRandom rnd(7);
    const std::string letters = "eeeeaaaiiioouubcdfghklmnprsstttwyz";
    std::vector<std::string> vocabulary;
    for (int i = 0; i < 200000; ++i) {
      std::string w;
      const size_t len = 2 + rnd.Random(10);
      for (size_t k = 0; k < len; ++k) w += letters[rnd.Random(letters.size())];
      vocabulary.push_back(w);
    }
    while (text.size() < kTextBytes) {
      // Small indexes far more often than large ones, as in real texts.
      const size_t a = rnd.Random(vocabulary.size()) + 1;
      text += vocabulary[rnd.Random(a)];
      text += rnd.Random(12) == 0 ? ".\n" : " ";
    }
    text.resize(kTextBytes);
  }
  for (char& c : text)
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') c = ' ';
  return text;
}

struct BenchFiles {
  std::string dir;
  std::string textPath;
  size_t textBytes = 0;
  BenchFiles() {
    char tmpl[] = "/tmp/bench_counter_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    textPath = dir + "/text.txt";
    const std::string text = MakeText();
    textBytes = text.size();
    std::ofstream(textPath, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  ~BenchFiles() {
    std::error_code ec;
    if (dir != "/tmp") std::filesystem::remove_all(dir, ec);
  }
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string GawkCommand(const std::string& program) {
  const std::string prog = Files().dir + "/prog.awk";
  std::ofstream(prog) << program;
  return "LC_ALL=C gawk -f " + ShellQuote(prog) + " " + ShellQuote(Files().textPath) + " > " +
         ShellQuote(Files().dir + "/gawk.out");
}

std::map<std::string, int64_t> ReadGawkTable() {
  std::map<std::string, int64_t> table;
  std::ifstream in(Files().dir + "/gawk.out");
  std::string line;
  while (std::getline(in, line)) {
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    table[line.substr(blank + 1)] += std::strtoll(line.c_str(), nullptr, 10);
  }
  return table;
}

const char* const kGawkWords = R"(
BEGIN { RS = "[^A-Za-z]+" }
length($0) { c[toupper($0)]++ }
END { for (w in c) print c[w], w }
)";

const char* const kGawkLetters = R"(
{ s = toupper($0); gsub(/[^A-Z]+/, "", s); n = split(s, a, ""); for (i = 1; i <= n; i++) c[a[i]]++ }
END { for (w in c) print c[w], w }
)";

std::string GawkGroups(int n) {
  return "{ m = split(toupper($0), w, /[^A-Z]+/); for (j = 1; j <= m; j++) { L = length(w[j]) - " +
         std::to_string(n - 1) + "; for (i = 1; i <= L; i++) c[substr(w[j], i, " + std::to_string(n) +
         ")]++ } }\nEND { for (g in c) print c[g], g }\n";
}

// The counter's syllable rule for ASCII text, over the whole file at once.
const char* const kGawkSyllables = R"(
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

// What the user waits for: the file read, counted and written as a table.
std::string CountFile(TCounterObj& counter, const TCounterSettings& s) {
  const std::string text = LoadString(Files().textPath);
  return counter.Count(text, s, NumberFormat{}).Output;
}

// The memory the result holds: the pairs and their texts.
double TableBytes(const TIntStrArrayObj& table) {
  double bytes = static_cast<double>(table.Items.capacity() * sizeof(TIntStr));
  for (const TIntStr& p : table.Items)
    if (p.Str.capacity() > 15) bytes += static_cast<double>(p.Str.capacity() + 1);
  return bytes;
}

void BM_Count(benchmark::State& state, const std::string& name, TCountType countType, const std::string& gawkProgram,
              double target) {
  InitTexts();
  TCounterSettings s;
  s.CountType = countType;
  const std::string gawk = GawkCommand(gawkProgram);
  TCounterObj counter;
  size_t outputBytes = 0;
  for (auto _ : state) {
    const bench::TPairedTimes t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          const auto start = bench::Clock::now();
          const std::string output = CountFile(counter, s);
          const double secs = bench::SecondsSince(start);
          outputBytes = output.size();
          return secs;
        },
        [&] { return bench::TimeCommand(gawk); });
    bench::Report(state, "Count/" + name, "gawk", t, target);
  }
  const std::map<std::string, int64_t> gawkTable = ReadGawkTable();
  std::map<std::string, int64_t> ourTable;
  for (const auto& p : counter.GlobalErg.Items) ourTable[p.Str] += p.Int;
  // gawk counts only the letters A to Z; we count every character that is
  // not excluded, so our table may hold more items.
  size_t common = 0, differ = 0;
  for (const auto& [item, n] : ourTable) {
    const auto it = gawkTable.find(item);
    if (it == gawkTable.end()) continue;
    ++common;
    if (it->second != n) ++differ;
  }
  const bool agree = differ == 0 && common > 0;
  const double tables = TableBytes(counter.GlobalErg) + static_cast<double>(outputBytes);
  const double peak = bench::PeakExtraBytes([&] {
    TCounterObj child;
    const std::string output = CountFile(child, s);
    benchmark::DoNotOptimize(output.data());
  });
  const double input = static_cast<double>(Files().textBytes);
  const double memRatio = (peak - tables) / input;
  state.counters["items"] = static_cast<double>(ourTable.size());
  state.counters["agree"] = agree ? 1 : 0;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["tables_MB"] = tables / 1e6;
  state.counters["mem_to_input"] = memRatio;
  char note[320];
  std::snprintf(note, sizeof note,
                "%-34s %zu items, gawk %zu; the %zu both count %s (%zu differ); peak %.0f MB = %.2f x input + "
                "tables of %.0f MB%s",
                "", ourTable.size(), gawkTable.size(), common, agree ? "agree" : "DIFFER", differ, peak / 1e6, memRatio,
                tables / 1e6, target > 0 ? (memRatio <= 1.5 ? " (target 1.5: met)" : " (target 1.5: MISSED)") : "");
  bench::AddSummaryNote(note);
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
  auto reg = [](const std::string& name, TCountType type, std::string program, double target) {
    benchmark::RegisterBenchmark(
        ("Count/" + name).c_str(),
        [name, type, program, target](benchmark::State& st) { BM_Count(st, name, type, program, target); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  };
  reg("words", ctWords, kGawkWords, 0.3);
  reg("letters", ctLetters, kGawkLetters, 0.3);
  reg("trigrams", ctTrigrams, GawkGroups(3), 0.3);
  reg("hexagrams", ctHexagrams, GawkGroups(6), 0.3);
  reg("syllables", ctSyllables, kGawkSyllables, 0);
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
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::PrintSummary();
  return 0;
}
