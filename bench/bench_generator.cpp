// Speed of the word builder against a bare weighted draw.
//
// The engine makes 10^6 words of 3 to 6 syllables (lengths in turn, 4.5
// syllables a word) from the full German list; the peer draws the same number
// of syllables with std::discrete_distribution over the same weights and
// appends them to a string. Targets: at most 2 times the peer with
// readability off, at most 4 with the default rules on. A word that fails
// after its 200001 readability tests is compared with 200001 bare draws.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/number_format.h"
#include "foundation/random.h"
#include "syllables/syllable_lists.h"
#include "wordgen/engine/readability.h"
#include "wordgen/engine/word_generator.h"

namespace {

constexpr int kWords = 1000000;

const TStrArray& GermanList() {
  static const TStrArray list = LoadListDE(true, true, true);
  return list;
}

void LoadGerman(TWordGenEngine& engine, const std::string& rules) {
  engine.CreateSilbenFrequencyArray(GermanList(), false, "");
  engine.CreateGlobalLesbarRegeln(rules);
}

void BM_Engine(benchmark::State& state, bool readable, bool oncePerWord) {
  TWordGenEngine engine;
  LoadGerman(engine, DefaultReadabilityRules());
  TSeededRandom gen(12345);
  engine.SetRandomGenerator(&gen);
  for (auto _ : state) {
    size_t bytes = 0;
    for (int w = 0; w < kWords; ++w) {
      const std::string word = engine.CreateWord(3 + w % 4, readable, true, oncePerWord);
      bytes += word.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}

// The peer: weighted draws over the same table, appended to a word.
void BM_BareDraws(benchmark::State& state) {
  TWordGenEngine engine;
  LoadGerman(engine, "");
  std::vector<double> weights;
  std::vector<const std::string*> syllables;
  for (const TSilbenFrequencyItem& item : engine.SFA()) {
    weights.push_back(item.Frequency > 0 ? item.Frequency : 0);
    syllables.push_back(&item.Syllable);
  }
  std::mt19937_64 gen(12345);
  std::discrete_distribution<size_t> dist(weights.begin(), weights.end());
  for (auto _ : state) {
    size_t bytes = 0;
    std::string word;
    for (int w = 0; w < kWords; ++w) {
      word.clear();
      const int length = 3 + w % 4;
      for (int k = 0; k < length; ++k) word += *syllables[dist(gen)];
      bytes += word.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}

// One word whose second position is refused 200001 times: rules that never
// speak about the German endings, with the if-no-rule flag off.
void BM_FailingWord(benchmark::State& state) {
  TWordGenEngine engine;
  LoadGerman(engine, "X>Y");
  TSeededRandom gen(12345);
  engine.SetRandomGenerator(&gen);
  for (auto _ : state) {
    const std::string word = engine.CreateWord(2, true, false, false);
    if (word.size() != 1 || word[0] != '\0') state.SkipWithError("the word did not fail");
    benchmark::DoNotOptimize(word);
  }
}

void BM_BareFailingDraws(benchmark::State& state) {
  TWordGenEngine engine;
  LoadGerman(engine, "");
  std::vector<double> weights;
  for (const TSilbenFrequencyItem& item : engine.SFA()) weights.push_back(item.Frequency > 0 ? item.Frequency : 0);
  std::mt19937_64 gen(12345);
  std::discrete_distribution<size_t> dist(weights.begin(), weights.end());
  for (auto _ : state) {
    size_t sum = 0;
    for (int i = 0; i < kMaxReadabilityTests; ++i) sum += dist(gen);
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK(BM_BareDraws)->Name("bare_draws")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Engine, readable_off, false, false)->Name("words_readable_off")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Engine, readable_off_once, false, true)
    ->Name("words_readable_off_once_per_word")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Engine, readable_on, true, false)->Name("words_readable_on")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Engine, readable_on_once, true, true)
    ->Name("words_readable_on_once_per_word")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFailingDraws)->Name("bare_200001_draws")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FailingWord)->Name("failing_word")->Unit(benchmark::kMillisecond);

// Keeps the real time of every run so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        FTimes[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const std::string& name, const std::string& peer, int target) const {
    const auto a = FTimes.find(name);
    const auto b = FTimes.find(peer);
    if (a == FTimes.end() || b == FTimes.end() || b->second <= 0) return;
    std::string line = name;
    line.resize(std::max<size_t>(line.size() + 1, 34), ' ');
    line += FormatFloatFixed(a->second / b->second, 2, NumberFormat{}) + " x " + peer;
    if (target > 0) line += " (target: at most " + IntToStr(target) + ")";
    std::printf("%s\n", line.c_str());
  }

 private:
  std::map<std::string, double> FTimes;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios (real time):\n");
  reporter.PrintRatio("words_readable_off", "bare_draws", 2);
  reporter.PrintRatio("words_readable_off_once_per_word", "bare_draws", 0);
  reporter.PrintRatio("words_readable_on", "bare_draws", 4);
  reporter.PrintRatio("words_readable_on_once_per_word", "bare_draws", 0);
  reporter.PrintRatio("failing_word", "bare_200001_draws", 0);
  benchmark::Shutdown();
  return 0;
}
