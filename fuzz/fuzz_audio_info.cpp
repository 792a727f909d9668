// The audio reader on arbitrary bytes, by every extension and by the leading
// bytes alone: it must return without crashing, hanging or allocating beyond
// the input, and a success must name a format.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/audio_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_audio_info", {"", "mp3", "mp2", "flac", "m4a", "wav", "ogg", "opus", "spx", "wma",
                                                  "ra", "ape", "wv", "aac", "ac3", "mid", "mka"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;

  TAudioInfo info;
  info.RemoveLineBreaks = true;
  const bool ok = info.GetAudioData(*file);
  if (ok && info.Format == aifUnknow) std::abort();
  if (ok && !info.Error.empty()) std::abort();
  if (info.Title.find('\n') != std::string::npos && info.Error.empty()) std::abort();
  info.GetTrackNumber();
  return 0;
}
