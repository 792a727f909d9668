#include "foundation/byte_arrays.h"

#include "foundation/str_split.h"
#include "foundation/types.h"
#include "foundation/utf8.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The lowest 8 bits of a hexadecimal number of any length; 0 for anything else.
uint8_t HexToByte(std::string_view s) {
  if (s.empty()) return 0;
  unsigned v = 0;
  for (char c : s) {
    int d = HexDigit(c);
    if (d < 0) return 0;
    v = ((v << 4) | static_cast<unsigned>(d)) & 0xFF;
  }
  return static_cast<uint8_t>(v);
}

}  // namespace

TByteArr HexStringToByteArray(std::string_view hexText, std::string_view separator) {
  TByteArr out;
  if (hexText.empty()) return out;
  if (!separator.empty()) {
    TStrArray parts;
    Explode(parts, separator, hexText);
    out.reserve(parts.size());
    for (const auto& p : parts) out.push_back(HexToByte(p));
    return out;
  }
  out.reserve(hexText.size() / 2);
  for (size_t i = 0; i + 1 < hexText.size(); i += 2) out.push_back(HexToByte(hexText.substr(i, 2)));
  return out;
}

TByteArr StringToByteArray(std::string_view text) { return TByteArr(text.begin(), text.end()); }

std::string ByteArrayToString(const TByteArr& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ByteArrayToStringEncoded(const TByteArr& bytes) {
  const size_t n = bytes.size();
  bool le = n >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
  bool be = n >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF;
  if (!le && !be) return ByteArrayToString(bytes);
  if (n == 2) return "";
  std::u16string units;
  units.reserve(n / 2);
  for (size_t i = 0; i + 1 < n; i += 2) {
    unsigned a = bytes[i], b = bytes[i + 1];
    units.push_back(static_cast<char16_t>(be ? (a << 8) | b : (b << 8) | a));
  }
  return UTF16ToUTF8(units);
}

TByteArr StreamToByteArray(std::istream& stream) {
  stream.clear();
  stream.seekg(0, std::ios::end);
  std::streamoff size = stream.tellg();
  stream.clear();
  stream.seekg(0, std::ios::beg);
  TByteArr out(size > 0 ? static_cast<size_t>(size) : 0, 0);
  if (!out.empty()) stream.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
  stream.clear();
  stream.seekg(0, std::ios::beg);
  return out;
}
