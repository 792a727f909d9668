// The video reader on arbitrary bytes, by every extension and by the leading
// bytes alone: it must return without crashing, hanging or allocating beyond
// the input, and a success must name a format.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/video_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_video_info",
                              {"", "avi", "flv", "mp4", "mov", "mkv", "webm", "wmv", "ogv", "rm", "mpg"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;
  TVideoInfo info;
  info.ReadFramesPerSecondMKV = (data[0] & 0x80) != 0;
  const bool ok = info.GetVideoData(*file);
  if (ok && info.Format == vifUnknown) std::abort();
  if (ok && !info.Error.empty()) std::abort();
  return 0;
}
