// The ISO base media box reader on arbitrary bytes: it must return without
// crashing or hanging, and keep what it reports inside sane bounds.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/iso_media_boxes.h"

namespace {
std::string gInput;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("fuzz_iso_media_boxes_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string n = (dir / "input.mp4").string();
    std::ofstream(n).put('x');
    SetStreamOpener(
        [](const std::string&) -> std::unique_ptr<TStream> { return std::make_unique<TMemoryStream>(gInput); });
    return n;
  }();
  gInput.assign(reinterpret_cast<const char*>(data), size);
  TMediaInfoMP4 mp4;
  mp4.ReadMetaData = size % 2 == 0;
  if (mp4.GetData(name)) {
    if (mp4.MediaKind < 0 || mp4.MediaKind > 2) std::abort();
    if (mp4.Bitrate < 0 || mp4.Duration < 0) std::abort();
    if (mp4.Artist.size() > size) std::abort();
  }
  return 0;
}
