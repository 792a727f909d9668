// Little-endian byte builders for hand-made audio fixtures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace audiofixtures {

inline std::string LE16(uint32_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
inline std::string LE32(uint32_t v) { return LE16(v & 0xFFFF) + LE16(v >> 16); }

struct TApeItem {
  std::string key;
  std::string value;
  uint32_t flags = 0;  // bits 1-2: 0 text, 1 binary, 2 locator, 3 reserved
};

// An APE tag: optional header (2.0), the items and the footer.
inline std::string ApeTag(const std::vector<TApeItem>& items, uint32_t version = 2000, bool withHeader = false,
                          int32_t itemCount = -1) {
  std::string body;
  for (const auto& i : items)
    body += LE32(static_cast<uint32_t>(i.value.size())) + LE32(i.flags) + i.key + '\0' + i.value;
  const uint32_t tagSize = static_cast<uint32_t>(body.size() + 32);
  const uint32_t count = itemCount < 0 ? static_cast<uint32_t>(items.size()) : static_cast<uint32_t>(itemCount);
  std::string footer = "APETAGEX" + LE32(version) + LE32(tagSize) + LE32(count) + LE32(0) + std::string(8, '\0');
  std::string header =
      withHeader ? "APETAGEX" + LE32(version) + LE32(tagSize) + LE32(count) + LE32(0xA0000000) + std::string(8, '\0')
                 : "";
  return header + body + footer;
}

inline std::string Id3v1() { return "TAG" + std::string(125, ' '); }

}  // namespace audiofixtures
