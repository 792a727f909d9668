// Runs a fuzz target without libFuzzer: every file of the corpus folder given
// as the first argument, then a fixed number of inputs mutated from them with a
// fixed seed. This keeps the targets exercised under the sanitizers in every
// test run; real fuzzing builds the same targets with clang's -fsanitize=fuzzer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
std::string Mutate(const std::string& seed, std::mt19937_64& rng) {
  std::string s = seed;
  int edits = 1 + static_cast<int>(rng() % 8);
  for (int e = 0; e < edits; ++e) {
    switch (rng() % 5) {
      case 0:  // flip a byte
        if (!s.empty()) s[rng() % s.size()] = static_cast<char>(rng());
        break;
      case 1:  // insert a random byte
        s.insert(s.begin() + static_cast<long>(s.empty() ? 0 : rng() % (s.size() + 1)), static_cast<char>(rng()));
        break;
      case 2:  // delete a run
        if (!s.empty()) {
          size_t at = rng() % s.size();
          s.erase(at, 1 + rng() % 16);
        }
        break;
      case 3:  // duplicate a run
        if (!s.empty() && s.size() < (1u << 16)) {
          size_t at = rng() % s.size();
          std::string run = s.substr(at, 1 + rng() % 32);
          s.insert(rng() % (s.size() + 1), run);
        }
        break;
      default: {  // insert an interesting byte
        static const char kBytes[] = {'\0', '\n',   '\r',   '=',    '[',    ']',    '\\', '"',  ';', '#', '(', ')', '*',
                                      '$',  '\xC3', '\xE2', '\xF0', '\xFF', '\xFE', ' ',  '\t', '+', '-', '|', '>'};
        s.insert(s.begin() + static_cast<long>(s.empty() ? 0 : rng() % (s.size() + 1)), kBytes[rng() % sizeof kBytes]);
      }
    }
  }
  return s;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> seeds;
  if (argc > 1 && std::filesystem::is_directory(argv[1])) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
      std::ifstream f(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
  }
  seeds.emplace_back();
  int rounds = argc > 2 ? std::atoi(argv[2]) : 2000;
  for (const auto& s : seeds) LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  std::mt19937_64 rng(20261210);
  for (int i = 0; i < rounds; ++i) {
    std::string input = Mutate(seeds[rng() % seeds.size()], rng);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  }
  std::printf("%zu seeds, %d mutated inputs: no fault\n", seeds.size(), rounds);
  return 0;
}
