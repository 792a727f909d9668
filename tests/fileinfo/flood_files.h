// Files made to flood the readers with millions of tiny elements, boxes,
// items, comments or frames, each followed by what the reader must still find.
// The flood tests and the audio benchmark make them at run time.
#pragma once

#include <cstdint>
#include <string>

namespace floodfiles {

inline std::string BE32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}
inline std::string LE32(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

// Matroska audio: an unknown-size Segment of two-byte Void elements, then an
// Info whose Duration is 5000 (milliseconds: no TimecodeScale).
inline std::string MatroskaVoids(size_t bytes) {
  std::string s = std::string("\x1A\x45\xDF\xA3\x80", 5) + "\x18\x53\x80\x67\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF";
  s.reserve(bytes + 64);
  while (s.size() < bytes) s += "\xEC\x80";
  return s + std::string("\x15\x49\xA9\x66\x87\x44\x89\x84\x45\x9C\x40\x00", 12) + std::string(16, '\0');
}

// An M4A file whose top level holds empty boxes of the given size (8: "free"
// boxes; below 8: no boxes at all), then a movie header of 7 seconds.
inline std::string Mp4Boxes(size_t bytes, uint32_t boxSize) {
  std::string s = BE32(16) + "ftypM4A " + BE32(0);
  s.reserve(bytes + 200);
  const std::string box = boxSize >= 8 ? BE32(boxSize) + "free" + std::string(boxSize - 8, '\0') : BE32(boxSize);
  while (s.size() < bytes) s += box;
  const std::string mvhd = BE32(108) + "mvhd" + std::string(12, '\0') + BE32(1000) + BE32(7000) + std::string(80, '\0');
  return s + BE32(8 + 108) + "moov" + mvhd + std::string(24, '\0');
}

// An APE tag of empty items "K", then a TITLE "Last", behind 1000 bytes.
inline std::string ApeItems(uint32_t count) {
  std::string body;
  body.reserve(static_cast<size_t>(count) * 10 + 64);
  const std::string item = LE32(0) + LE32(0) + std::string("K\0", 2);
  for (uint32_t i = 0; i < count; ++i) body += item;
  body += LE32(4) + LE32(0) + std::string("Title\0", 6) + "Last";
  const uint32_t tagSize = static_cast<uint32_t>(body.size() + 32);
  return std::string(1000, 'x') + body + "APETAGEX" + LE32(2000) + LE32(tagSize) + LE32(count + 1) + LE32(0) +
         std::string(8, '\0');
}

// A FLAC file whose comment block of the given size holds fields "A=", then
// ARTIST=End.
inline std::string FlacComments(size_t blockBytes) {
  std::string comments = LE32(1) + "v" + LE32(0);
  comments.reserve(blockBytes + 16);
  uint32_t count = 0;
  while (comments.size() + 6 + 14 <= blockBytes) {
    comments += LE32(2) + "A=";
    ++count;
  }
  comments += LE32(10) + "ARTIST=End";
  comments.replace(5, 4, LE32(count + 1));
  std::string info(34, '\0');
  info[10] = static_cast<char>(44100 >> 12);
  info[11] = static_cast<char>((44100 >> 4) & 0xFF);
  info[12] = static_cast<char>((44100 & 0xF) << 4 | 1 << 1);
  info[13] = static_cast<char>(15 << 4);
  info[17] = 100;
  const uint32_t n = static_cast<uint32_t>(comments.size());
  return "fLaC" + std::string(1, '\0') + std::string("\x00\x00\x22", 3) + info + "\x84" + static_cast<char>(n >> 16) +
         static_cast<char>(n >> 8) + static_cast<char>(n) + comments;
}

// An MP3 file whose ID3v2.3 tag holds empty TXXX frames, then TIT2 "Last".
inline std::string Id3v2Frames(uint32_t count) {
  std::string frames;
  frames.reserve(static_cast<size_t>(count) * 10 + 64);
  for (uint32_t i = 0; i < count; ++i) frames += std::string("TXXX\0\0\0\0\0\0", 10);
  frames += "TIT2" + BE32(5) + std::string(2, '\0') + std::string("\0Last", 5);
  const uint32_t size = static_cast<uint32_t>(frames.size());
  std::string s = std::string("ID3\x03\0\0", 6) + static_cast<char>((size >> 21) & 0x7F) +
                  static_cast<char>((size >> 14) & 0x7F) + static_cast<char>((size >> 7) & 0x7F) +
                  static_cast<char>(size & 0x7F) + frames;
  for (int i = 0; i < 20; ++i) s += std::string("\xFF\xFB\x90\x40", 4) + std::string(413, '\0');
  return s;
}

}  // namespace floodfiles
