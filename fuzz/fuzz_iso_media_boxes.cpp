// The ISO base media box reader on arbitrary bytes: it must return without
// crashing or hanging, and keep what it reports inside sane bounds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fileinfo/iso_media_boxes.h"
#include "fuzz_file_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFuzzFileInput input("fuzz_iso_media_boxes", {"mp4"});
  const std::string& name = input.TakeAll(data, size);
  TMediaInfoMP4 mp4;
  mp4.ReadMetaData = size % 2 == 0;
  if (mp4.GetData(name)) {
    if (mp4.MediaKind < 0 || mp4.MediaKind > 2) std::abort();
    if (mp4.Bitrate < 0 || mp4.Duration < 0) std::abort();
    if (mp4.Artist.size() > size) std::abort();
  }
  return 0;
}
