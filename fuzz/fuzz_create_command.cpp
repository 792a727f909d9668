// The create command on an arbitrary syllable list and rule text: it never
// crashes or hangs, and its output is valid UTF-8 when its input is.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/random.h"
#include "foundation/utf8.h"
#include "fuzz_support.h"
#include "wordgen/engine/create_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FillEnglishTextsOnce();
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const uint8_t lengths = data[1];
  std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
  // The part after a "\n@@\n" is the readability rule text.
  std::string list = rest, rules;
  if (auto at = rest.find("\n@@\n"); at != std::string::npos) {
    list = rest.substr(0, at);
    rules = rest.substr(at + 4);
  }

  TSeededRandom gen(size);
  TWordGenEngine engine;
  engine.SetRandomGenerator(&gen);
  TCreateSettings settings;
  settings.ReadableWords = flags & 1;
  settings.WordsBeside = flags & 2;
  settings.ReadableIfNoRule = flags & 4;
  settings.SyllableOncePerWord = flags & 8;
  settings.Writing = (flags >> 4) % 5;
  settings.UseLineBreakChar = flags & 0x80;
  if (!rules.empty()) settings.ReadabilityRules = rules;
  const std::string lengthText = std::to_string(1 + lengths % 4) + ((lengths & 0x10) ? "-5" : "");
  const TCreateResult result = RunCreateCommand(engine, settings, lengthText, "2", list, "old");
  if (UTF8IsValid(list) && !UTF8IsValid(result.OutputText)) std::abort();
  return 0;
}
