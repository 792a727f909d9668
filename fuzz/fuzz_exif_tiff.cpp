// The EXIF and TIFF directory reader on arbitrary bytes with every choice of
// its switches, directly and through the buffered stream: both must end, stay
// inside the input and agree.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/exif_tiff.h"

namespace {

void Configure(TExifReader& reader, uint8_t switches) {
  reader.SkipExifHeader = switches & 1;
  reader.SkipTiffHeader = switches & 2;
  reader.DataValueOffsetsRelativeToIFD = switches & 4;
  reader.ReadOnlyFirstIFD = switches & 8;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t switches = data[0];
  const int64_t offset = data[1] % 8;
  const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

  TMemoryStream plain(bytes);
  TExifReader direct;
  Configure(direct, switches);
  const bool r1 = direct.ReadFromStream(plain, offset);

  TMemoryStream source(bytes);
  TBufferedStream buffered(source);
  TExifReader viaBuffer;
  Configure(viaBuffer, switches);
  const bool r2 = viaBuffer.ReadFromStream(buffered, offset);

  if (r1 != r2 || direct.GetCount() != viaBuffer.GetCount() || direct.UnhandledTags != viaBuffer.UnhandledTags ||
      direct.Make != viaBuffer.Make || direct.XResolution != viaBuffer.XResolution)
    std::abort();
  // No directory may hold more entries than the input has 12-byte slots.
  if (static_cast<size_t>(direct.GetCount()) > bytes.size() / 12 + 1) std::abort();
  direct.GetResolutionUnitAsString();
  direct.GetResolutionUnitAsTResolutionUnit();
  return 0;
}
