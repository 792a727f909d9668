#include "fileinfo/matroska_video.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/video_info.h"

namespace matroska_video {

int32_t CountLeadingZeros(uint8_t b) {
  int32_t n = 0;
  for (uint8_t mask = 0x80; mask != 0 && (b & mask) == 0; mask >>= 1) ++n;
  return n;
}

uint64_t BytesToUInt(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > 8) return 0;
  uint64_t v = 0;
  for (unsigned char c : bytes) v = (v << 8) | c;
  return v;
}

}  // namespace matroska_video

namespace {

using matroska_video::BytesToUInt;
using matroska_video::CountLeadingZeros;

constexpr uint64_t kIdSeekHead = 0x114D9B74;
constexpr uint64_t kIdInfo = 0x1549A966;
constexpr uint64_t kIdTracks = 0x1654AE6B;
constexpr uint64_t kIdCluster = 0x1F43B675;

struct THead {
  std::string IdBytes;
  uint64_t Id = 0;
  int64_t DataStart = 0;
  int64_t End = 0;
};

// Positions and sizes from the file are clamped so that sums never overflow;
// an end beyond the file simply ends the walks.
int64_t AddClamped(int64_t a, uint64_t b) {
  constexpr int64_t kFar = int64_t{1} << 62;
  if (a >= kFar || b >= static_cast<uint64_t>(kFar - a)) return kFar;
  return a + static_cast<int64_t>(b);
}

class TMkvWalker {
 public:
  explicit TMkvWalker(TStream& s) : FStream(s), FSize(s.GetSize()) {}

  int64_t Size() const { return FSize; }
  int64_t Pos() { return FStream.GetPosition(); }
  void Seek(int64_t p) { FStream.SetPosition(p < 0 ? 0 : p > FSize ? FSize : p); }
  bool AtEnd() { return Pos() >= FSize; }

  uint64_t ReadElementSize() {
    uint8_t b[8] = {};
    const int64_t start = Pos();
    FStream.Read(b, 8);
    const int32_t len = 1 + CountLeadingZeros(b[0]);
    if (len > 8) {
      Seek(start + 8);
      return 0;
    }
    b[0] = static_cast<uint8_t>(b[0] & ~(0x80u >> (len - 1)));
    Seek(start + len);
    return BytesToUInt(std::string(reinterpret_cast<const char*>(b), static_cast<size_t>(len)));
  }

  THead ReadElementHead() {
    THead h;
    const int64_t start = Pos();
    uint8_t first = 0;
    FStream.Read(&first, 1);
    const int32_t len = CountLeadingZeros(first) + 1;
    Seek(start);
    h.IdBytes.assign(static_cast<size_t>(len > 8 ? 8 : len), '\0');
    FStream.Read(h.IdBytes.data(), static_cast<int64_t>(h.IdBytes.size()));
    h.Id = BytesToUInt(h.IdBytes);
    Seek(start + static_cast<int64_t>(h.IdBytes.size()));
    const uint64_t size = ReadElementSize();
    h.DataStart = Pos();
    h.End = AddClamped(h.DataStart, size);
    return h;
  }

  // The element at start (or here) when its ID is expected; its data when it
  // holds 8 bytes or fewer (longer data reads as 0 in every use).
  bool ReadElement(const std::string& expected, int64_t start, bool master, std::string& data, int64_t& next) {
    if (start != -1) Seek(start);
    const int64_t here = Pos();
    next = here + static_cast<int64_t>(std::max<size_t>(expected.size(), 1));
    std::string id(expected.size(), '\0');
    FStream.Read(id.data(), static_cast<int64_t>(id.size()));
    if (id != expected) return false;
    const uint64_t size = ReadElementSize();
    const int64_t dataStart = Pos();
    next = AddClamped(dataStart, size);
    data.clear();
    if (master) return true;
    if (size <= 8) {
      data.assign(static_cast<size_t>(size), '\0');
      FStream.Read(data.data(), static_cast<int64_t>(size));
    }
    Seek(next);
    return true;
  }

 private:
  TStream& FStream;
  int64_t FSize;
};

const std::string kSeek("\x4D\xBB", 2);
const std::string kSeekID("\x53\xAB", 2);
const std::string kSeekPosition("\x53\xAC", 2);
const std::string kPixelWidth("\xB0", 1);
const std::string kPixelHeight("\xBA", 1);
const std::string kDuration("\x44\x89", 2);
const std::string kTimecodeScale("\x2A\xD7\xB1", 3);

double BigEndianFloat(const std::string& data) {
  const uint64_t bits = BytesToUInt(data);
  if (data.size() == 4) {
    float f;
    const uint32_t b32 = static_cast<uint32_t>(bits);
    std::memcpy(&f, &b32, 4);
    return f;
  }
  if (data.size() == 8) {
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
  }
  return 0;
}

}  // namespace

bool TVideoInfo::GetVideoDataFromMKV(const std::string& FileName) {
  if (!video_info_detail::IsExistingFile(FileName)) return false;
  std::unique_ptr<TStream> file = OpenStreamForReadingOrRaise(FileName);
  TBufferedStream stream(*file);
  TMkvWalker w(stream);
  const int64_t fileSize = w.Size();
  if (fileSize < 10) return false;
  uint8_t magic[4] = {};
  stream.Read(magic, 4);
  static const uint8_t kEBML[4] = {0x1A, 0x45, 0xDF, 0xA3};
  if (std::memcmp(magic, kEBML, 4) != 0) return false;
  const uint64_t headerSize = w.ReadElementSize();
  const int64_t segmentStart = AddClamped(w.Pos(), headerSize);
  if (fileSize < AddClamped(segmentStart, 16)) return false;
  w.Seek(segmentStart);
  static const uint8_t kSegment[4] = {0x18, 0x53, 0x80, 0x67};
  stream.Read(magic, 4);
  if (std::memcmp(magic, kSegment, 4) != 0) return false;
  const uint64_t segmentSize = w.ReadElementSize();
  const int64_t segmentData = w.Pos();
  const int64_t segmentEnd = AddClamped(segmentData, segmentSize);

  int64_t seekHeadStart = -1, seekHeadEnd = -1, infoStart = -1, infoEnd = -1, tracksStart = -1, tracksEnd = -1;
  int64_t blockCount = 0;
  long double durationValue = 0;
  int32_t timestampScale = 1000000;

  // Top level: every step moves forward, so the walk ends within the file.
  int64_t pos = segmentData;
  while (pos + 8 < fileSize && pos < segmentEnd) {
    w.Seek(pos);
    const THead h = w.ReadElementHead();
    if (h.Id == kIdSeekHead) {
      seekHeadStart = h.DataStart;
      seekHeadEnd = h.End;
    } else if (h.Id == kIdInfo) {
      infoStart = h.DataStart;
      infoEnd = h.End;
    } else if (h.Id == kIdTracks) {
      tracksStart = h.DataStart;
      tracksEnd = h.End;
    } else if (h.Id == kIdCluster && ReadFramesPerSecondMKV) {
      int64_t child = h.DataStart;
      const int64_t clusterEnd = std::min(h.End, fileSize);
      while (child < clusterEnd) {
        w.Seek(child);
        const THead c = w.ReadElementHead();
        if (c.IdBytes.size() == 1 && (c.Id == 0xA3 || c.Id == 0xA0)) ++blockCount;
        if (c.End <= child) break;
        child = c.End;
      }
    }
    if (!ReadFramesPerSecondMKV && seekHeadStart != -1 && infoStart != -1 && tracksStart != -1) break;
    if (h.End <= pos) break;
    pos = h.End;
  }

  if (seekHeadStart != -1 && (infoStart == -1 || tracksStart == -1)) {
    int64_t p = seekHeadStart;
    const int64_t end = std::min(seekHeadEnd, fileSize);
    while (p < end) {
      std::string data;
      int64_t seekNext = 0;
      const bool isSeek = w.ReadElement(kSeek, p, true, data, seekNext);
      if (isSeek) {
        uint64_t targetId = 0;
        int64_t targetPos = -1;
        int64_t next = 0;
        if (w.ReadElement(kSeekID, w.Pos(), false, data, next)) {
          targetId = BytesToUInt(data);
          if (w.ReadElement(kSeekPosition, next, false, data, next))
            targetPos = AddClamped(segmentData, BytesToUInt(data));
        }
        if (targetPos >= 0 && targetPos < fileSize) {
          if (targetId == kIdInfo && infoStart == -1) {
            w.Seek(targetPos + 4);
            const uint64_t size = w.ReadElementSize();
            infoStart = w.Pos();
            infoEnd = AddClamped(infoStart, size);
          } else if (targetId == kIdTracks && tracksStart == -1) {
            w.Seek(targetPos + 4);
            const uint64_t size = w.ReadElementSize();
            tracksStart = w.Pos();
            tracksEnd = AddClamped(tracksStart, size);
          }
        }
      }
      const int64_t next = isSeek ? seekNext : p + 2;
      if (next <= p) break;
      p = next;
    }
  }

  if (tracksStart != -1) {
    // The picture size is the first video track's: the first entry may be
    // audio or subtitles (mkvmerge puts the tracks in the order of its
    // inputs), so every entry is looked at until one gives a size. CRC-32 and
    // Void elements between entries are stepped over by their sizes.
    std::string data;
    int64_t entry = tracksStart;
    const int64_t tracksLimit = std::min(tracksEnd, fileSize);
    while (entry < tracksLimit && !(Width > 0 && Height > 0)) {
      w.Seek(entry);
      const THead e = w.ReadElementHead();
      if (e.End <= entry) break;
      if (e.IdBytes.size() == 1 && e.Id == 0xAE) {
        int64_t p = e.DataStart;
        const int64_t end = std::min(e.End, tracksLimit);
        while (p < end) {
          w.Seek(p);
          const THead child = w.ReadElementHead();
          if (child.IdBytes.size() == 1 && child.Id == 0xE0) {
            int32_t width = 0, height = 0;
            int64_t v = child.DataStart;
            const int64_t videoEnd = std::min(child.End, end);
            while (v < videoEnd) {
              w.Seek(v);
              const THead item = w.ReadElementHead();
              int64_t ignored = 0;
              if (static_cast<uint8_t>(item.IdBytes[0]) == 0xB0) {
                if (w.ReadElement(kPixelWidth, v, false, data, ignored))
                  width = static_cast<int32_t>(static_cast<uint32_t>(BytesToUInt(data)));
              } else if (static_cast<uint8_t>(item.IdBytes[0]) == 0xBA) {
                if (w.ReadElement(kPixelHeight, v, false, data, ignored))
                  height = static_cast<int32_t>(static_cast<uint32_t>(BytesToUInt(data)));
              }
              if ((width > 0 && height > 0) || item.End <= v) break;
              v = item.End;
            }
            // Width and height come from one and the same track.
            if (width > 0 && height > 0) {
              Width = width;
              Height = height;
            }
          }
          if ((Width > 0 && Height > 0) || child.End <= p) break;
          p = child.End;
        }
      }
      entry = e.End;
    }
  }

  if (infoStart != -1) {
    timestampScale = 1000000;
    int64_t p = infoStart;
    const int64_t end = std::min(infoEnd, fileSize);
    std::string data;
    while (p < end) {
      w.Seek(p);
      const THead child = w.ReadElementHead();
      int64_t ignored = 0;
      if (child.IdBytes == kDuration) {
        if (w.ReadElement(kDuration, p, false, data, ignored)) durationValue = BigEndianFloat(data);
      } else if (child.IdBytes == kTimecodeScale) {
        if (w.ReadElement(kTimecodeScale, p, false, data, ignored))
          timestampScale = static_cast<int32_t>(static_cast<uint32_t>(BytesToUInt(data)));
      }
      if (child.End <= p) break;
      p = child.End;
    }
  }

  // A live stream's writer may store an infinite duration: no play time.
  if (std::isfinite(durationValue) && durationValue > 0) {
    const long double seconds =
        timestampScale >= 1 ? durationValue * timestampScale / 1000000000.0L : durationValue / 1000.0L;
    DurationExact = static_cast<double>(seconds);
    Duration = RoundToInt32(DurationExact);
    if (blockCount > 0 && Duration > 0) FramesPerSecond = static_cast<double>(blockCount) / DurationExact;
  }
  Format = vifMKV;
  return true;
}
