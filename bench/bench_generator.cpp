// Speed of the word builder against a bare weighted draw.
//
// The engine makes 10^6 words of 3 to 6 syllables (lengths in turn, 4.5
// syllables a word) from the full German list; the peer draws the same number
// of syllables with std::discrete_distribution over the same weights and
// appends them to a string. Both sides run five times, alternating which goes
// first; the summary gives minimum and median of both and their ratios.
// Targets: at most 1 times the peer with readability off, at most 2 with the
// default rules on. A word that fails after its 200001 readability tests is
// compared with 200001 bare draws.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/number_format.h"
#include "foundation/random.h"
#include "paired_runs.h"
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

// 10^6 words from the engine; seconds.
double TimeEngine(TWordGenEngine& engine, bool readable, bool oncePerWord) {
  const auto start = bench::Clock::now();
  size_t bytes = 0;
  for (int w = 0; w < kWords; ++w) {
    const std::string word = engine.CreateWord(3 + w % 4, readable, true, oncePerWord);
    bytes += word.size();
  }
  benchmark::DoNotOptimize(bytes);
  return bench::SecondsSince(start);
}

// The peer: weighted draws over the same table, appended to a word.
struct TBareDraws {
  std::vector<const std::string*> Syllables;
  std::mt19937_64 Gen{12345};
  std::discrete_distribution<size_t> Dist;

  explicit TBareDraws(const TWordGenEngine& engine) {
    std::vector<double> weights;
    for (const TSilbenFrequencyItem& item : engine.SFA()) {
      weights.push_back(item.Frequency > 0 ? item.Frequency : 0);
      Syllables.push_back(&item.Syllable);
    }
    Dist = std::discrete_distribution<size_t>(weights.begin(), weights.end());
  }

  double TimeWords() {
    const auto start = bench::Clock::now();
    size_t bytes = 0;
    std::string word;
    for (int w = 0; w < kWords; ++w) {
      word.clear();
      const int length = 3 + w % 4;
      for (int k = 0; k < length; ++k) word += *Syllables[Dist(Gen)];
      bytes += word.size();
    }
    benchmark::DoNotOptimize(bytes);
    return bench::SecondsSince(start);
  }

  double TimeDraws(int draws) {
    const auto start = bench::Clock::now();
    size_t sum = 0;
    for (int i = 0; i < draws; ++i) sum += Dist(Gen);
    benchmark::DoNotOptimize(sum);
    return bench::SecondsSince(start);
  }
};

void BM_Engine(benchmark::State& state, const std::string& name, bool readable, bool oncePerWord, double target) {
  TWordGenEngine engine;
  LoadGerman(engine, DefaultReadabilityRules());
  TSeededRandom gen(12345);
  engine.SetRandomGenerator(&gen);
  TWordGenEngine plain;
  LoadGerman(plain, "");
  TBareDraws bare(plain);
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions, [&] { return TimeEngine(engine, readable, oncePerWord); },
        [&] { return bare.TimeWords(); });
    bench::Report(state, name, "bare draws", t, target);
  }
}

// One word whose second position is refused 200001 times: rules that never
// speak about the German endings, with the if-no-rule flag off; against as
// many bare draws.
void BM_FailingWord(benchmark::State& state) {
  TWordGenEngine engine;
  LoadGerman(engine, "X>Y");
  TSeededRandom gen(12345);
  engine.SetRandomGenerator(&gen);
  TWordGenEngine plain;
  LoadGerman(plain, "");
  TBareDraws bare(plain);
  constexpr int kWordsPerRun = 20;
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          const auto start = bench::Clock::now();
          for (int k = 0; k < kWordsPerRun; ++k) {
            const std::string word = engine.CreateWord(2, true, false, false);
            if (word.size() != 1 || word[0] != '\0') return -1.0;
          }
          return bench::SecondsSince(start);
        },
        [&] { return bare.TimeDraws(kWordsPerRun * kMaxReadabilityTests); });
    bench::Report(state, "failing_word", "bare 200001 draws", t, 0);
  }
}

BENCHMARK_CAPTURE(BM_Engine, readable_off, std::string("words_readable_off"), false, false, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Engine, readable_off_once, std::string("words_readable_off_once_per_word"), false, true, 0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Engine, readable_on, std::string("words_readable_on"), true, false, 2.0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Engine, readable_on_once, std::string("words_readable_on_once_per_word"), true, true, 0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_FailingWord)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
