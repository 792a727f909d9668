// The image reader on arbitrary bytes, by every extension and by the leading
// bytes alone: it must return without crashing, hanging or reading outside the
// input, and what it reports must be consistent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/image_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_image_info",
                              {"",     "jpg",  "png",  "mng", "jng", "gif", "bmp", "tif", "ico", "cur", "icns", "psd",
                               "webp", "heic", "avif", "cr3", "tga", "pnm", "pfm", "jp2", "jxl", "xpm", "xbm",  "dng"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;

  TImageInfo info;
  const bool ok = info.GetImageData(*file);
  if (!info.Error.empty() && ok) std::abort();
  if (ok && info.Format() == iifUnknow) std::abort();
  if (info.Width > 0 && info.Height > 0 && info.AspectRatioStr.empty() && info.Error.empty()) std::abort();
  ColorSpaceToString(info.ColorSpace);
  GuessImageInfoFormat(*file);
  return 0;
}
