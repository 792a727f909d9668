#include <array>
#include <cstdint>

#include "foundation/code_pages.h"

namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct UTF7Tables {
  std::array<bool, 128> direct{};   // written as itself: set D, set O and white space
  std::array<int8_t, 256> value{};  // base64 value of a byte, -1 for others
};

// Built at compile time, so no first-use initialisation can race between threads.
constexpr UTF7Tables MakeUTF7Tables() {
  UTF7Tables t;
  for (auto& v : t.value) v = -1;
  for (int i = 0; i < 64; ++i) t.value[static_cast<unsigned char>(kBase64[i])] = static_cast<int8_t>(i);
  const char* setD = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?";
  const char* setO = "!\"#$%&*;<=>@[]^_`{|}";
  const char* white = " \t\r\n";
  for (const char* s : {setD, setO, white})
    for (; *s; ++s) t.direct[static_cast<unsigned char>(*s)] = true;
  return t;
}
constexpr UTF7Tables kUTF7 = MakeUTF7Tables();

bool IsBase64Char(char32_t c) { return c < 256 && kUTF7.value[c] >= 0; }

}  // namespace

std::string WideStringToUTF7(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  bool inRun = false;
  uint32_t bits = 0;
  int nbits = 0;
  auto flush = [&] {
    if (nbits > 0) out.push_back(kBase64[(bits << (6 - nbits)) & 0x3F]);
    bits = 0;
    nbits = 0;
  };
  for (char16_t c : text) {
    bool direct = c < 128 && kUTF7.direct[c];
    if (direct || c == u'+') {
      if (inRun) {
        flush();
        // The closing "-" is needed only where the next character could be
        // read as part of the run.
        if (IsBase64Char(c) || c == u'-') out.push_back('-');
        inRun = false;
      }
      if (c == u'+')
        out += "+-";
      else
        out.push_back(static_cast<char>(c));
      continue;
    }
    if (!inRun) {
      out.push_back('+');
      inRun = true;
    }
    bits = (bits << 16) | c;
    nbits += 16;
    while (nbits >= 6) {
      nbits -= 6;
      out.push_back(kBase64[(bits >> nbits) & 0x3F]);
    }
    bits &= (1u << nbits) - 1;
  }
  if (inRun) flush();
  return out;
}

std::u16string UTF7ToWideString(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  bool inRun = false;
  uint32_t bits = 0;
  int nbits = 0;
  auto direct = [&](unsigned char b) { out.push_back(b < 0x80 ? static_cast<char16_t>(b) : u'\uFFFD'); };
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (!inRun) {
      if (b == '+') {
        if (i + 1 < text.size() && text[i + 1] == '-') {
          out.push_back(u'+');
          ++i;
        } else {
          inRun = true;
          bits = 0;
          nbits = 0;
        }
      } else {
        direct(b);
      }
      continue;
    }
    int v = kUTF7.value[b];
    if (v >= 0) {
      bits = ((bits << 6) | static_cast<uint32_t>(v)) & 0x3FFFFF;
      nbits += 6;
      if (nbits >= 16) {
        nbits -= 16;
        out.push_back(static_cast<char16_t>((bits >> nbits) & 0xFFFF));
      }
      continue;
    }
    // Any other character ends the run; leftover bits are padding.
    inRun = false;
    if (b != '-') direct(b);
  }
  return out;
}

bool UTF7EndsInRun(std::string_view text) {
  bool inRun = false;
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (inRun) {
      inRun = kUTF7.value[b] >= 0;
    } else if (b == '+') {
      if (i + 1 < text.size() && text[i + 1] == '-')
        ++i;
      else
        inRun = true;
    }
  }
  return inRun;
}
