// Explode and StringReplaceFast over a 100 MB text, each against a plain
// std::string_view find loop that does the same split or replace. Every case
// times both in the same iteration (alternating which goes first) and reports
// "ratio_to_peer" = our time / the peer's time; the target is at most 1.3.
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kTextBytes = 100u * 1024u * 1024u;

// CSV-like lines of words of varied length, with a few multi-byte characters
// so that the three-byte delimiter below occurs too.
const std::string& BigText() {
  static const std::string text = [] {
    static const char* words[] = {"alpha", "be",    "gamma",  "d",   "epsilon", "Straße", "zeta€eta", "theta",
                                  "iota",  "kappa", "lambda", "müh", "nu",      "xi",     "omicron€", "pi"};
    std::mt19937 rng(1);
    std::string t;
    t.reserve(kTextBytes + 64);
    while (t.size() < kTextBytes) {
      size_t fields = 3 + rng() % 6;
      for (size_t f = 0; f < fields; ++f) {
        if (f) t += ',';
        t += words[rng() % std::size(words)];
      }
      t += "\r\n";
    }
    t.resize(kTextBytes);
    return t;
  }();
  return text;
}

TStrArray PeerSplit(std::string_view text, std::string_view delimiter) {
  TStrArray parts;
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(delimiter, start);
    if (hit == std::string_view::npos) break;
    parts.emplace_back(text.substr(start, hit - start));
    start = hit + delimiter.size();
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::string PeerReplace(std::string_view text, std::string_view oldText, std::string_view newText) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(oldText, start);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(start, hit - start));
    out.append(newText);
    start = hit + oldText.size();
  }
  out.append(text.substr(start));
  return out;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Runs ours and the peer once each per iteration; the results are freed
// outside the timed stretch.
template <typename Ours, typename Peer>
void Compare(benchmark::State& state, Ours ours, Peer peer) {
  // One untimed run each, so that neither pays for first-touch page faults.
  benchmark::DoNotOptimize(ours());
  benchmark::DoNotOptimize(peer());
  double oursSeconds = 0, peerSeconds = 0;
  bool oursFirst = true;
  for (auto _ : state) {
    double oursThisRound = 0;
    for (int k = 0; k < 2; ++k) {
      const bool runOurs = (k == 0) == oursFirst;
      auto t0 = Clock::now();
      auto result = runOurs ? ours() : peer();
      benchmark::DoNotOptimize(result);
      auto t1 = Clock::now();
      (runOurs ? oursSeconds : peerSeconds) += Seconds(t0, t1);
      if (runOurs) oursThisRound = Seconds(t0, t1);
    }
    oursFirst = !oursFirst;
    state.SetIterationTime(oursThisRound);
  }
  state.counters["ours_ms"] = 1000 * oursSeconds / static_cast<double>(state.iterations());
  state.counters["peer_ms"] = 1000 * peerSeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_peer"] = peerSeconds > 0 ? oursSeconds / peerSeconds : 0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kTextBytes));
}

void BM_Explode(benchmark::State& state, std::string delimiter) {
  const std::string& text = BigText();
  Compare(
      state,
      [&] {
        TStrArray parts;
        Explode(parts, delimiter, text);
        return parts;
      },
      [&] { return PeerSplit(text, delimiter); });
}

void BM_StringReplaceFast(benchmark::State& state, std::string oldText, std::string newText) {
  const std::string& text = BigText();
  Compare(
      state, [&] { return StringReplaceFast(text, oldText, newText); },
      [&] { return PeerReplace(text, oldText, newText); });
}

// One-byte, two-byte and three-byte (one UTF-8 character) delimiters.
BENCHMARK_CAPTURE(BM_Explode, comma, std::string(","))->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();
BENCHMARK_CAPTURE(BM_Explode, crlf, std::string("\r\n"))->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();
BENCHMARK_CAPTURE(BM_Explode, euro, std::string("€"))->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();
// Same length, one-byte old text, and the general case.
BENCHMARK_CAPTURE(BM_StringReplaceFast, same_length, std::string(","), std::string(";"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_StringReplaceFast, one_byte, std::string(","), std::string(", "))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_StringReplaceFast, general, std::string("\r\n"), std::string("\n"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
