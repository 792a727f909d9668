// The tag and container readers that work on streams, on arbitrary bytes:
// ID3v1 and ID3v2 with every getter, APEv2, FLAC and Ogg. None may crash,
// hang, allocate beyond the input or move the stream where it must not.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fileinfo/apev2_tag.h"
#include "fileinfo/flac_tag.h"
#include "fileinfo/id3_tags.h"
#include "fileinfo/mpeg_audio.h"
#include "fileinfo/ogg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    TMemoryStream s(bytes);
    TID3v2Tag v2;
    v2.ReadFromStream(s);
    for (int32_t kind = 0; kind < 23; ++kind) {
      v2.GetTextFrame(kind);
      v2.GetDescribedTextFrame(kind, "*", "*");
      v2.GetDescribedTextFrame(kind, "eng", "");
    }
    v2.GetGenre();
    for (const auto& f : v2.Frames) v2.GetDescription(f);
    TID3v1Tag v1;
    v1.ReadFromStream(s);
    v1.GetGenre();
    TMpegInfo mpeg;
    s.SetPosition(v2.Exists && v2.Size >= 0 ? v2.Size : 0);
    mpeg.LoadFromStream(s);
  }
  {
    TMemoryStream s(bytes);
    TAPEv2Tag ape;
    s.SetPosition(static_cast<int64_t>(size / 2));
    ape.ReadTagDataFromStream(s);
    if (s.GetPosition() != static_cast<int64_t>(size / 2)) std::abort();
    for (auto& f : ape.Frames) f->GetAsText();
  }
  {
    TMemoryStream s(bytes);
    TFlacTag flac;
    try {
      flac.GetInfo(s, true, true);
    } catch (const EStreamError&) {
      // A comment length past the end is reported to the caller as a read error.
    }
    flac.GetPlayTime();
  }
  {
    TMemoryStream s(bytes);
    TMediaInfoOGG ogg;
    ogg.DeepBitrateScan = size % 2 == 1;
    ogg.ReadFromStream(s);
    ogg.GetPlayTime();
    ogg.GetVideoFrameRate();
    for (auto& f : ogg.Frames) f->GetAsText();
  }
  return 0;
}
