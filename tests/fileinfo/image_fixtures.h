// Small image files built byte by byte for the reader tests, a temporary
// folder that cleans up after itself, and running outside tools.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace fixtures {

class TTempDir {
 public:
  explicit TTempDir(const std::string& tag) {
    static int counter = 0;
    FPath = std::filesystem::temp_directory_path() /
            ("syllabrix_" + tag + "_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(FPath);
  }
  ~TTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
  }
  std::string operator/(const std::string& name) const { return (FPath / name).string(); }
  std::string Path() const { return FPath.string(); }

 private:
  std::filesystem::path FPath;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Runs a shell command; its standard output, or "" when it could not start.
inline std::string RunCommand(const std::string& command, int* exitCode = nullptr) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int rc = pclose(p);
  if (exitCode) *exitCode = rc;
  return out;
}

inline std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

inline std::string BE16(uint32_t v) { return Bytes({int(v >> 8 & 0xFF), int(v & 0xFF)}); }
inline std::string LE16(uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF)}); }
inline std::string BE32(uint32_t v) { return BE16(v >> 16) + BE16(v & 0xFFFF); }
inline std::string LE32(uint32_t v) { return LE16(v & 0xFFFF) + LE16(v >> 16); }

inline std::string PngSignature() { return "\x89PNG\r\n\x1A\n"; }

inline std::string PngChunk(const std::string& type, const std::string& data) {
  return BE32(static_cast<uint32_t>(data.size())) + type + data + std::string(4, '\0');
}

inline std::string PngIHDR(uint32_t w, uint32_t h, int depth, int colourType, int interlace = 0) {
  return PngChunk("IHDR", BE32(w) + BE32(h) + Bytes({depth, colourType, 0, 0, interlace}));
}

inline std::string Png(uint32_t w, uint32_t h, int depth, int colourType, const std::string& extra = "") {
  return PngSignature() + PngIHDR(w, h, depth, colourType) + extra + PngChunk("IDAT", std::string(10, '\0')) +
         PngChunk("IEND", "");
}

// One directory entry of a TIFF structure in the given byte order.
struct TTiffEntry {
  uint16_t Tag;
  uint16_t Type;
  uint32_t Count;
  std::string Value;  // the 4-byte value field, already in the file's order
};

// A TIFF structure: the header, the entries of one directory at offset 8 and
// a next-directory offset; extra bytes follow (for values stored elsewhere).
inline std::string Tiff(bool bigEndian, const std::vector<TTiffEntry>& entries, uint32_t next = 0,
                        const std::string& extra = "") {
  auto u16 = [&](uint32_t v) { return bigEndian ? BE16(v) : LE16(v); };
  auto u32 = [&](uint32_t v) { return bigEndian ? BE32(v) : LE32(v); };
  std::string s = bigEndian ? std::string("MM\0\x2A", 4) : std::string("II\x2A\0", 4);
  s += u32(8);
  s += u16(static_cast<uint32_t>(entries.size()));
  for (const auto& e : entries) s += u16(e.Tag) + u16(e.Type) + u32(e.Count) + e.Value;
  s += u32(next);
  return s + extra;
}

// Value fields: a short is stored in the first two bytes of the field.
inline std::string Short(bool bigEndian, uint32_t v) {
  return bigEndian ? BE16(v) + std::string(2, '\0') : LE16(v) + std::string(2, '\0');
}
inline std::string Long(bool bigEndian, uint32_t v) { return bigEndian ? BE32(v) : LE32(v); }

}  // namespace fixtures
