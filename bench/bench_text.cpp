// A full refill of the text store must stay under a millisecond. Each case
// reports "pct_of_1ms" = the time of one fill as a percentage of that budget.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"

namespace {

using Clock = std::chrono::steady_clock;

void ReportBudget(benchmark::State& state, Clock::time_point start) {
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (state.iterations() > 0) state.counters["pct_of_1ms"] = 100.0 * ms / static_cast<double>(state.iterations());
}

// Stands in for a complete translation: writes every slot its contract allows.
void InstallFullGermanStandIn() {
  static std::vector<std::pair<StrResGlobal, std::string>> library, program;
  library.clear();
  program.clear();
  for (StrResGlobal s : SprLibrarySetterContract(1).Slots)
    library.emplace_back(s, "Text in Deutsch " + std::to_string(s));
  for (StrResGlobal s : SprProgramSetterContract(1).Slots) program.emplace_back(s, "Programmtext " + std::to_string(s));
  SprRegisterLibrarySetter(1, [] {
    for (const auto& [slot, text] : library) SprResGlobalArr[slot] = text;
  });
  SprRegisterProgramSetter(1, [](int32_t base) {
    for (const auto& [slot, text] : program) SprResGlobalArr[slot - 947 + base] = text;
  });
}

void BM_FillEnglish(benchmark::State& state) {
  InitSprResLocal();
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    SetSprResGlobal(0);
    benchmark::DoNotOptimize(SprResGlobalArr.data());
  }
  ReportBudget(state, start);
}
BENCHMARK(BM_FillEnglish);

void BM_FillFullTranslation(benchmark::State& state) {
  InitSprResLocal();
  InstallFullGermanStandIn();
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    SetSprResGlobal(1);
    benchmark::DoNotOptimize(SprResGlobalArr.data());
  }
  ReportBudget(state, start);
}
BENCHMARK(BM_FillFullTranslation);

// Switching back and forth, as the settings window does.
void BM_SwitchLanguage(benchmark::State& state) {
  InitSprResLocal();
  InstallFullGermanStandIn();
  uint32_t language = 0;
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    language = 1 - language;
    SetSprResGlobal(language);
    benchmark::DoNotOptimize(SprResGlobalArr.data());
  }
  ReportBudget(state, start);
}
BENCHMARK(BM_SwitchLanguage);

}  // namespace

BENCHMARK_MAIN();
