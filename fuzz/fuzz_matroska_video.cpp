// The Matroska and WebM walk of the video reader on arbitrary bytes, with and
// without block counting: it must end within the input and never raise.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/video_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_matroska_video", {"mkv"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;
  TVideoInfo info;
  info.ReadFramesPerSecondMKV = (data[0] & 1) != 0;
  if (info.GetVideoDataFromMKV(*file) && info.Format != vifMKV) std::abort();
  return 0;
}
