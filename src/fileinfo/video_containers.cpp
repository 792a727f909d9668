#include "fileinfo/video_containers.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/video_info.h"

namespace video_containers {

uint32_t BytesToUInt24(const std::string& bytes) {
  if (bytes.size() != 3) return 0;
  return (uint32_t{static_cast<uint8_t>(bytes[0])} << 16) | (uint32_t{static_cast<uint8_t>(bytes[1])} << 8) |
         static_cast<uint8_t>(bytes[2]);
}

double BytesToDouble(const std::string& buffer, size_t index) {
  if (index > buffer.size() || buffer.size() - index < 8) return 0;
  uint64_t bits = 0;
  for (size_t i = 0; i < 8; ++i) bits = (bits << 8) | static_cast<uint8_t>(buffer[index + i]);
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

}  // namespace video_containers

namespace {

int32_t LE32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24));
}

uint32_t BE32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Time stamps count a 90 kHz clock in 33 bits.
constexpr int64_t kTimeStampClock = 90000;
constexpr int64_t kTimeStampRange = int64_t{1} << 33;
// The stretch read at each end of a program stream.
constexpr int64_t kProgramStreamWindow = 256 * 1024;

// A time stamp's 5 bytes, their marker bits checked; -1 when they are none.
int64_t TimeStamp(const uint8_t* p) {
  if (!(p[0] & 1) || !(p[2] & 1) || !(p[4] & 1)) return -1;
  return (static_cast<int64_t>(p[0] >> 1) & 7) << 30 | static_cast<int64_t>(p[1]) << 22 |
         static_cast<int64_t>(p[2] >> 1) << 15 | static_cast<int64_t>(p[3]) << 7 | p[4] >> 1;
}

// The presentation time stamps of the packets in a stretch of a program
// stream, walked from pack to pack by their lengths; a byte that starts no
// packet sends the walk to the next pack header.
// Time stamps are unwrapped against the first one of the file (reference), so
// that a clock that wrapped in between still counts on.
void ProgramStreamTimeStamps(const std::vector<uint8_t>& b, int64_t& reference, int64_t& lowest, int64_t& highest) {
  const size_t n = b.size();
  auto nextPack = [&](size_t from) {
    for (size_t i = from; i + 4 <= n; ++i)
      if (b[i] == 0 && b[i + 1] == 0 && b[i + 2] == 1 && b[i + 3] == 0xBA) return i;
    return n;
  };
  size_t i = nextPack(0);
  while (i + 6 <= n) {
    if (b[i] != 0 || b[i + 1] != 0 || b[i + 2] != 1) {
      i = nextPack(i + 1);
      continue;
    }
    const uint8_t code = b[i + 3];
    if (code == 0xBA) {
      if (i + 14 > n) break;
      i += (b[i + 4] & 0xC0) == 0x40 ? 14 + (b[i + 13] & 7) : 12;
      continue;
    }
    if (code < 0xBB) {
      i = nextPack(i + 1);
      continue;
    }
    const size_t length = static_cast<size_t>(b[i + 4]) << 8 | b[i + 5];
    const bool media = code == 0xBD || (code >= 0xC0 && code <= 0xEF);
    if (media) {
      size_t h = i + 6;
      const size_t end = std::min(n, i + 6 + length);
      const uint8_t* pts = nullptr;
      if (h < end && (b[h] & 0xC0) == 0x80) {
        // MPEG-2: flags, header length, then the time stamp when flagged.
        if (h + 8 <= end && (b[h + 1] & 0x80)) pts = &b[h + 3];
      } else {
        // MPEG-1: stuffing, buffer size, then '0010' or '0011' before it.
        while (h < end && b[h] == 0xFF && h < i + 6 + 16) ++h;
        if (h < end && (b[h] & 0xC0) == 0x40) h += 2;
        if (h + 5 <= end && ((b[h] & 0xF0) == 0x20 || (b[h] & 0xF0) == 0x30)) pts = &b[h];
      }
      int64_t t = pts ? TimeStamp(pts) : -1;
      if (t >= 0) {
        if (reference < 0) reference = t;
        if (t < reference - kTimeStampRange / 2) t += kTimeStampRange;
        if (lowest < 0 || t < lowest) lowest = t;
        if (highest < 0 || t > highest) highest = t;
      }
    }
    i += 6 + length;
  }
}

std::vector<uint8_t> ReadStretch(TStream& s, int64_t from, int64_t count) {
  std::vector<uint8_t> b(static_cast<size_t>(std::max<int64_t>(count, 0)));
  s.SetPosition(from);
  b.resize(static_cast<size_t>(std::max<int64_t>(s.Read(b.data(), static_cast<int64_t>(b.size())), 0)));
  return b;
}

double ProgramStreamSeconds(TStream& s) {
  const int64_t size = s.GetSize();
  int64_t reference = -1, firstLow = -1, firstHigh = -1, lastLow = -1, lastHigh = -1;
  ProgramStreamTimeStamps(ReadStretch(s, 0, std::min(size, kProgramStreamWindow)), reference, firstLow, firstHigh);
  const int64_t tailStart = std::max<int64_t>(0, size - kProgramStreamWindow);
  ProgramStreamTimeStamps(ReadStretch(s, tailStart, size - tailStart), reference, lastLow, lastHigh);
  if (firstLow < 0 || lastHigh < 0) return 0;
  const int64_t span = lastHigh - firstLow;
  if (span <= 0) return 0;
  return static_cast<double>(span) / kTimeStampClock;
}

}  // namespace

bool TVideoInfo::GetVideoDataFromAVI(const std::string& FileName) {
  if (!video_info_detail::IsExistingFile(FileName)) return false;
  std::unique_ptr<TStream> file = OpenStreamForReadingOrRaise(FileName);
  TBufferedStream s(*file);
  const int64_t fileSize = s.GetSize();
  if (fileSize < 100) return false;
  uint8_t b[52] = {};
  s.Read(b, 12);
  if (std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "AVI ", 4) != 0) return false;
  std::memset(b, 0, sizeof b);
  s.Read(b, 12);
  if (std::memcmp(b, "LIST", 4) != 0 || std::memcmp(b + 8, "hdrl", 4) != 0) return false;
  const int64_t hdrlEnd = 20 + static_cast<int64_t>(LE32(b + 4));
  std::memset(b, 0, sizeof b);
  s.SetPosition(24);
  s.Read(b, 52);
  if (std::memcmp(b, "avih", 4) != 0) return false;
  const int64_t avihSize = LE32(b + 4);
  const int32_t microSecPerFrame = LE32(b + 8);
  const int32_t totalFrames = LE32(b + 8 + 16);
  const int32_t width = LE32(b + 8 + 32);
  const int32_t height = LE32(b + 8 + 36);

  // The hdrl lists; each step must move forward, so a list size below 4 ends
  // the scan and the walk stays within the file.
  int64_t odmlFrames = 0;
  int64_t pos = 24 + 8 + avihSize;
  while (pos >= 0 && pos < hdrlEnd && pos < fileSize) {
    s.SetPosition(pos);
    uint8_t h[12] = {};
    s.Read(h, 12);
    if (std::memcmp(h, "LIST", 4) != 0) break;
    const int64_t size = LE32(h + 4);
    if (std::memcmp(h + 8, "odml", 4) == 0) {
      uint8_t d[12] = {};
      s.Read(d, 12);
      odmlFrames = std::memcmp(d, "dmlh", 4) == 0 ? static_cast<uint32_t>(LE32(d + 8)) : 0;
      break;
    }
    const int64_t here = pos + 8;
    if (size < 4 || fileSize < pos + 12 + size) break;
    pos = here + size - 4 + 4;  // the byte after the list
  }

  double frameRate = 0, duration = 0;
  if (microSecPerFrame > 0) {
    frameRate = 1000000.0 / microSecPerFrame;
    if (odmlFrames > 0)
      duration = static_cast<double>(odmlFrames) / frameRate;
    else if (totalFrames > 0)
      duration = totalFrames / frameRate;
  }
  DurationExact = duration;
  Duration = RoundToInt32(duration);
  Width = width;
  Height = height;
  FramesPerSecond = frameRate;
  Format = vifAVI;
  return true;
}

bool TVideoInfo::GetVideoDataFromFLV(const std::string& FileName) {
  if (!video_info_detail::IsExistingFile(FileName)) return false;
  std::unique_ptr<TStream> file = OpenStreamForReadingOrRaise(FileName);
  TBufferedStream s(*file);
  const int64_t fileSize = s.GetSize();
  if (fileSize < 30) return false;
  uint8_t h[5] = {};
  s.Read(h, 5);
  if (std::memcmp(h, "FLV\x01", 4) != 0 || (h[4] != 0x01 && h[4] != 0x04 && h[4] != 0x05)) return false;
  std::string sizeBytes(3, '\0');
  s.SetPosition(14);
  s.Read(sizeBytes.data(), 3);
  const int64_t dataSize = video_containers::BytesToUInt24(sizeBytes);
  if (fileSize < dataSize + 24 + 48) return false;
  // The size field has 24 bits and the file holds it all: at most 16 MiB.
  std::string buf(static_cast<size_t>(dataSize + 24), '\0');
  s.SetPosition(24);
  s.Read(buf.data(), static_cast<int64_t>(buf.size()));

  auto keyAt = [&](size_t i, const char* key, size_t len) {
    return buf.size() - i >= len && std::memcmp(buf.data() + i, key, len) == 0;
  };
  for (size_t i = 0; i + 20 < buf.size(); ++i) {
    if (keyAt(i, "duration", 8)) {
      DurationExact = video_containers::BytesToDouble(buf, i + 9);
      Duration = RoundToInt32(DurationExact);
    } else if (keyAt(i, "framerate", 9)) {
      FramesPerSecond = video_containers::BytesToDouble(buf, i + 10);
    } else if (keyAt(i, "height", 6)) {
      Height = RoundToInt32(video_containers::BytesToDouble(buf, i + 7));
    } else if (keyAt(i, "width", 5)) {
      Width = RoundToInt32(video_containers::BytesToDouble(buf, i + 6));
    }
    if (i > 125 && Duration > 0 && Width > 0 && Height > 0 && FramesPerSecond > 0) break;
  }
  Format = vifFLV;
  return true;
}

bool TVideoInfo::GetVideoDataFromMPG(const std::string& FileName) {
  if (!video_info_detail::IsExistingFile(FileName)) return false;
  std::unique_ptr<TStream> file = OpenStreamForReadingOrRaise(FileName);
  TBufferedStream s(*file);
  const int64_t size = s.GetSize();
  static const double kFrameRates[9] = {0, 23.976024, 24, 25, 29.97003, 30, 50, 59.94, 60};
  int64_t pos = 0;
  // Every step moves forward by at least 4 bytes.
  while (size - pos >= 4) {
    s.SetPosition(pos);
    uint8_t c[4] = {};
    s.Read(c, 4);
    pos += 4;
    const uint32_t code = BE32(c);
    const int64_t left = size - pos;
    if (code < 0x1B3) break;
    if (code == 0x1B3) {
      if (left < 6) return false;
      uint8_t b[6] = {};
      s.Read(b, 6);
      Width = b[0] * 16 + (b[1] >> 4);
      Height = (b[1] & 0x0F) * 256 + b[2];
      const int rate = b[3] & 0x0F;
      if (rate >= 1 && rate <= 8) FramesPerSecond = kFrameRates[rate];
      pos += 6;
    } else if (code == 0x1BA) {
      if (left < 12) break;
      uint8_t b[10] = {};
      s.Read(b, 10);
      // MPEG-2 marks its pack header with 01 in the top bits; its length is
      // 10 bytes plus the stuffing named in the last one.
      if ((b[0] & 0xC0) == 0x40)
        pos += 10 + (b[9] & 0x07);
      else
        pos += 8;
    } else if (code == 0x1BB || code == 0x1BD || code == 0x1BE || code == 0x1BF || code == 0x1C0) {
      if (left < 2) break;
      uint8_t b[2] = {};
      s.Read(b, 2);
      const int64_t len = (b[0] << 8) | b[1];
      if (left - 2 < len + 4) break;
      pos += 2 + len;
    } else if (code == 0x1E0) {
      if (left < 16) break;
      // The PES header ends where its own length fields say: MPEG-2 names its
      // header-data length, MPEG-1 is read through its stuffing, buffer size
      // and time stamps.
      uint8_t b[32] = {};
      s.Read(b, 32);
      int64_t skip = 2;
      if ((b[2] & 0xC0) == 0x80) {
        skip = 2 + 3 + b[4];
      } else {
        int i = 2;
        while (i < 18 && b[i] == 0xFF) ++i;
        if ((b[i] & 0xC0) == 0x40) i += 2;
        if ((b[i] & 0xF0) == 0x20)
          i += 5;
        else if ((b[i] & 0xF0) == 0x30)
          i += 10;
        else
          i += 1;
        skip = i;
      }
      pos += skip;
    } else {
      break;
    }
  }
  // A program stream names no play time: it is the span of its packets'
  // presentation time stamps, from the start to the end of the file.
  if (size >= 4) {
    uint8_t first[4] = {};
    s.SetPosition(0);
    s.Read(first, 4);
    if (BE32(first) == 0x1BA) {
      const double seconds = ProgramStreamSeconds(s);
      if (seconds > 0) {
        DurationExact = seconds;
        Duration = RoundToInt32(seconds);
      }
    }
  }
  Format = vifMPG;
  return true;
}
