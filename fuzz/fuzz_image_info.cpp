// The image reader on arbitrary bytes, by every extension and by the leading
// bytes alone: it must return without crashing, hanging or reading outside the
// input, and what it reports must be consistent.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/image_info.h"

namespace {

const char* const kExtensions[] = {"",    "jpg", "png",  "mng", "jng",  "gif",  "bmp",  "tif",
                                   "ico", "cur", "icns", "psd", "webp", "heic", "avif", "cr3",
                                   "tga", "pnm", "pfm",  "jp2", "jxl",  "xpm",  "xbm",  "dng"};

// One empty placeholder per extension makes the names exist; the reader's
// opener then serves the input from memory.
const std::string& Placeholder(size_t index) {
  static std::string names[sizeof kExtensions / sizeof kExtensions[0]];
  if (names[index].empty()) {
    const auto dir = std::filesystem::temp_directory_path() / ("fuzz_image_info_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string name = (dir / "input").string();
    if (*kExtensions[index]) name += std::string(".") + kExtensions[index];
    std::ofstream(name).put('x');
    names[index] = name;
  }
  return names[index];
}

std::string gInput;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t index = data[0] % (sizeof kExtensions / sizeof kExtensions[0]);
  gInput.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
  static const bool opener = [] {
    SetStreamOpener(
        [](const std::string&) -> std::unique_ptr<TStream> { return std::make_unique<TMemoryStream>(gInput); });
    return true;
  }();
  (void)opener;

  TImageInfo info;
  const bool ok = info.GetImageData(Placeholder(index));
  if (!info.Error.empty() && ok) std::abort();
  if (ok && info.Format() == iifUnknow) std::abort();
  if (info.Width > 0 && info.Height > 0 && info.AspectRatioStr.empty() && info.Error.empty()) std::abort();
  ColorSpaceToString(info.ColorSpace);
  GuessImageInfoFormat(Placeholder(index));
  return 0;
}
