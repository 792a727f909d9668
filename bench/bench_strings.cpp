// Explode and StringReplaceFast over a 100 MB text, each against a plain
// std::string_view find loop that does the same split or replace. Both sides
// run five times, alternating which goes first (bench/paired_runs.h), after
// one untimed run each; the results must be equal. The summary gives minimum
// and median of both and their ratios; the target is at most 1.3 on the
// minima.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "paired_runs.h"

namespace {

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

// Runs ours and the peer in turn; the results are freed outside the timed
// stretch, and compared once.
template <typename Ours, typename Peer>
void Compare(benchmark::State& state, const std::string& name, Ours ours, Peer peer) {
  // One untimed run each, so that neither pays for first-touch page faults.
  const bool same = ours() == peer();
  auto timed = [](const auto& fn) {
    const auto start = bench::Clock::now();
    auto result = fn();
    benchmark::DoNotOptimize(result);
    return bench::SecondsSince(start);
  };
  for (auto _ : state) {
    auto t = bench::RunPaired(
        bench::kDefaultRepetitions, [&] { return timed(ours); }, [&] { return timed(peer); });
    if (!same) t = bench::NotMeasured("the results differ");
    bench::Report(state, name, "string_view loop", t, 1.3);
  }
  state.SetBytesProcessed(static_cast<int64_t>(kTextBytes));
}

void BM_Explode(benchmark::State& state, std::string name, std::string delimiter) {
  const std::string& text = BigText();
  Compare(
      state, name,
      [&] {
        TStrArray parts;
        Explode(parts, delimiter, text);
        return parts;
      },
      [&] { return PeerSplit(text, delimiter); });
}

void BM_StringReplaceFast(benchmark::State& state, std::string name, std::string oldText, std::string newText) {
  const std::string& text = BigText();
  Compare(
      state, name, [&] { return StringReplaceFast(text, oldText, newText); },
      [&] { return PeerReplace(text, oldText, newText); });
}

// One-byte, two-byte and three-byte (one UTF-8 character) delimiters.
BENCHMARK_CAPTURE(BM_Explode, comma, std::string("Explode/comma"), std::string(","))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Explode, crlf, std::string("Explode/crlf"), std::string("\r\n"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Explode, euro, std::string("Explode/euro"), std::string("€"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// Same length, one-byte old text, and the general case.
BENCHMARK_CAPTURE(BM_StringReplaceFast, same_length, std::string("StringReplaceFast/same_length"), std::string(","),
                  std::string(";"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_StringReplaceFast, one_byte, std::string("StringReplaceFast/one_byte"), std::string(","),
                  std::string(", "))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_StringReplaceFast, general, std::string("StringReplaceFast/general"), std::string("\r\n"),
                  std::string("\n"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
