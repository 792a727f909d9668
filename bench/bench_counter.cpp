// Speed of the count command on a 20 MB text, as words, letters, trigrams,
// hexagrams and syllables, each next to gawk doing the same count on the same
// file in the same run (ratio_to_gawk: our time / gawk's; the target is 0.5
// or less). Also times the largest pre-fill and extension: 216 characters in
// triples.
//
// matches_gawk is 1 when gawk's table holds exactly our items and counts.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "foundation/random.h"
#include "foundation/utf8.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/counter/text_statistics.h"

namespace {

constexpr size_t kTextBytes = 20u << 20;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// ASCII text: the licence texts Debian ships, repeated, or seeded words where
// they are missing. Other bytes become blanks so that gawk in the C locale
// reads the same characters.
std::string MakeText() {
  std::string source;
  const std::filesystem::path dir = "/usr/share/common-licenses";
  std::error_code ec;
  if (std::filesystem::is_directory(dir, ec)) {
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream f(entry.path(), std::ios::binary);
      std::ostringstream ss;
      ss << f.rdbuf();
      source += ss.str();
    }
  }
  if (source.size() < 10000) {
    TSeededRandom rnd(7);
    const std::string letters = "eeeeaaaiiioouubcdfghklmnprsstttwyz";
    while (source.size() < (1u << 20)) {
      size_t len = 1 + rnd.Random(10);
      for (size_t i = 0; i < len; ++i) source += letters[rnd.Random(letters.size())];
      source += rnd.Random(12) == 0 ? ".\n" : " ";
    }
  }
  for (char& c : source)
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') c = ' ';
  std::string text;
  text.reserve(kTextBytes + source.size());
  while (text.size() < kTextBytes) text += source;
  text.resize(kTextBytes);
  return text;
}

struct BenchFiles {
  std::string dir;
  std::string textPath;
  std::string text;
  BenchFiles() {
    char tmpl[] = "/tmp/bench_counter_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    textPath = dir + "/text.txt";
    text = MakeText();
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

// Runs gawk on the text file, its table going to a file; returns the seconds
// it took (0 when gawk failed) and the table.
double RunGawk(const std::string& program, std::map<std::string, int64_t>& table) {
  const std::string prog = Files().dir + "/prog.awk";
  const std::string out = Files().dir + "/gawk.out";
  std::ofstream(prog) << program;
  const std::string cmd =
      "LC_ALL=C gawk -f " + ShellQuote(prog) + " " + ShellQuote(Files().textPath) + " > " + ShellQuote(out);
  const auto start = Clock::now();
  const int rc = std::system(cmd.c_str());
  const double secs = Seconds(Clock::now() - start);
  if (rc != 0) return 0;
  std::ifstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    table[line.substr(blank + 1)] += std::strtoll(line.c_str(), nullptr, 10);
  }
  return secs;
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

void BM_Count(benchmark::State& state, TCountType countType, const std::string& gawkProgram) {
  InitTexts();
  const std::string& text = Files().text;
  std::map<std::string, int64_t> gawkTable;
  const double gawkSecs = RunGawk(gawkProgram, gawkTable);

  TCounterSettings s;
  s.CountType = countType;
  TCounterObj counter;
  double ours = 0;
  int64_t runs = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    auto outcome = counter.Count(text, s, NumberFormat{});
    ours += Seconds(Clock::now() - start);
    ++runs;
    benchmark::DoNotOptimize(outcome.Output.data());
  }
  std::map<std::string, int64_t> ourTable;
  for (const auto& p : counter.GlobalErg.Items) ourTable[p.Str] += p.Int;
  const double perRun = runs > 0 ? ours / static_cast<double>(runs) : 0;
  state.counters["items"] = static_cast<double>(ourTable.size());
  state.counters["ours_s"] = perRun;
  state.counters["gawk_s"] = gawkSecs;
  state.counters["ratio_to_gawk"] = gawkSecs > 0 ? perRun / gawkSecs : 0;
  state.counters["matches_gawk"] = ourTable == gawkTable ? 1 : 0;
  state.SetBytesProcessed(static_cast<int64_t>(text.size()) * runs);
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
  auto reg = [](const char* name, TCountType type, std::string program) {
    benchmark::RegisterBenchmark(name, [type, program](benchmark::State& st) { BM_Count(st, type, program); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
  };
  reg("Count/words", ctWords, kGawkWords);
  reg("Count/letters", ctLetters, kGawkLetters);
  reg("Count/trigrams", ctTrigrams, GawkGroups(3));
  reg("Count/hexagrams", ctHexagrams, GawkGroups(6));
  reg("Count/syllables", ctSyllables, kGawkSyllables);
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
  return 0;
}
