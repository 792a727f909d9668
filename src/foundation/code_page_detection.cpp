#include "foundation/code_pages.h"
#include "foundation/code_pages_internal.h"
#include "foundation/str_transform.h"

using code_pages_detail::kHighBits;
using code_pages_detail::kOnes;
using code_pages_detail::Load8;

std::string CodePageBOM(int32_t codePage) {
  switch (codePage) {
    case cpUTF8:
    case cpUTF8BOM: return "\xEF\xBB\xBF";
    case cpUTF32LE: return std::string("\xFF\xFE\x00\x00", 4);
    case cpUTF32BE: return std::string("\x00\x00\xFE\xFF", 4);
    case cpUTF16LE: return "\xFF\xFE";
    case cpUTF16BE: return "\xFE\xFF";
    // U+FEFF in GB 18030.
    case cpGB18030: return "\x84\x31\x95\x33";
    default: return "";
  }
}

namespace {

// The code page a byte-order mark at the start announces; -1 for none. The
// head is the first five bytes, zero where the file is shorter.
int32_t MarkOf(const unsigned char* b, size_t n) {
  auto starts = [&](std::initializer_list<unsigned char> m) {
    size_t i = 0;
    for (unsigned char c : m)
      if (b[i++] != c) return false;
    return true;
  };
  if (starts({0xEF, 0xBB, 0xBF})) return cpUTF8;
  if (starts({0x2B, 0x2F, 0x76}) && (b[3] == 0x2B || b[3] == 0x2F || b[3] == 0x38 || b[3] == 0x39)) return cpUTF7;
  if (starts({0xFF, 0xFE, 0x00, 0x00}) && n >= 4) return cpUTF32LE;
  if (starts({0x00, 0x00, 0xFE, 0xFF})) return cpUTF32BE;
  if (starts({0xFF, 0xFE})) return cpUTF16LE;
  if (starts({0xFE, 0xFF})) return cpUTF16BE;
  if (starts({0xF7, 0x64, 0x4C})) return cpUTF1;
  if (starts({0x0E, 0xFE, 0xFF})) return cpSCSU;
  if (starts({0xFB, 0xEE, 0x28})) return cpBOCU1;
  if (starts({0xDD, 0x73, 0x66, 0x73})) return cpUTFEBCDIC;
  if (starts({0x84, 0x31, 0x95, 0x33})) return cpGB18030;
  return -1;
}

}  // namespace

void TCodePageDetector::Feed(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  for (size_t i = 0; i < n && FCount + i < 5; ++i) FHead[FCount + i] = p[i];
  if (!FScanStopped) Scan(p, n);
  if (!FWalkInvalid) Walk(p, n);
  FCount += n;
}

// The zero-byte scan: zeros counted by index modulo 4, up to the first
// non-ASCII byte past index 750.
void TCodePageDetector::Scan(const unsigned char* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    // Eight ASCII bytes without a zero among them change nothing.
    while (i + 8 <= n) {
      uint64_t v = Load8(reinterpret_cast<const char*>(p + i));
      if ((v & kHighBits) != 0 || ((v - kOnes) & ~v & kHighBits) != 0) break;
      i += 8;
    }
    if (i >= n) break;
    const size_t g = FCount + i;
    if (p[i] >= 0x80) {
      FPureASCII = false;
      if (g > 750) {
        FScanStopped = true;
        return;
      }
    } else if (p[i] == 0) {
      ++FZeros[g % 4];
    }
  }
}

// The UTF-8 walk: every byte of 0x80 or above must start a sequence whose
// continuation bytes follow (no other check); it may run on into the next piece.
void TCodePageDetector::Walk(const unsigned char* p, size_t n) {
  // Continuation bytes a lead byte announces; 4 marks a byte that starts no sequence.
  static constexpr auto kFollow = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0x80; b < 0x100; ++b)
      t[b] = b >= 0xC0 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF7 ? 3 : 4;
    return t;
  }();
  // The top two bits of the bytes after the lead, read little endian.
  static constexpr uint32_t kMask[4] = {0, 0x0000C000, 0x00C0C000, 0xC0C0C000};
  size_t i = 0;
  auto fail = [&] {
    FWalkInvalid = true;
    FNeed = 0;
  };
  for (; FNeed > 0 && i < n; ++i, --FNeed) {
    if ((p[i] & 0xC0) != 0x80) return fail();
  }
  while (i < n) {
    // Jump over ASCII to the next byte of 0x80 or above.
    if (i + 8 <= n) {
      const uint64_t high = Load8(reinterpret_cast<const char*>(p + i)) & kHighBits;
      if (high == 0) {
        i += 8;
        continue;
      }
      i += static_cast<size_t>(std::countr_zero(high)) / 8;
    } else if (p[i] < 0x80) {
      ++i;
      continue;
    }
    const unsigned follow = kFollow[p[i]];
    if (follow == 4) return fail();
    if (i + 4 <= n) {
      uint32_t w;
      std::memcpy(&w, p + i, 4);
      if ((w & kMask[follow]) != (kMask[follow] & 0x80808080u)) return fail();
      i += follow + 1;
      continue;
    }
    ++i;
    for (unsigned k = 0; k < follow; ++k, ++i) {
      if (i >= n) {
        FNeed = static_cast<int>(follow - k);
        return;
      }
      if ((p[i] & 0xC0) != 0x80) return fail();
    }
  }
}

bool TCodePageDetector::Decided() const {
  if (FCount >= 5 && MarkOf(FHead, FCount) >= 0) return true;
  return FScanStopped && FWalkInvalid;
}

int32_t TCodePageDetector::Result(bool& hasBOM) const {
  hasBOM = false;
  const size_t n = FCount;
  if (n < 2) return cpASCII;
  int32_t marked = MarkOf(FHead, n);
  if (marked >= 0) {
    hasBOM = true;
    return marked;
  }
  const size_t* z = FZeros;
  if (z[0] == 0 && z[1] > 0 && z[2] == 0 && z[3] > 0) return cpUTF16LE;
  if (z[0] > 0 && z[1] == 0 && z[2] > 0 && z[3] == 0) return cpUTF16BE;
  if (z[0] == 0 && z[1] > 0 && z[2] > 0 && z[3] > 0) return cpUTF32LE;
  if (z[0] > 0 && z[1] > 0 && z[2] > 0 && z[3] == 0) return cpUTF32BE;
  if (FPureASCII) return cpASCII;
  // A sequence cut off by the end of the file does not count as UTF-8.
  return FWalkInvalid || FNeed > 0 ? cpISO88591 : cpUTF8;
}

int32_t DetectCodePage(std::string_view bytes, bool& hasBOM) {
  TCodePageDetector d;
  d.Feed(bytes);
  return d.Result(hasBOM);
}

size_t CodePageMarkLength(std::string_view head, int32_t codePage) {
  switch (codePage) {
    case cpUTF16LE: return head.starts_with("\xFF\xFE") ? 2 : 0;
    case cpUTF16BE: return head.starts_with("\xFE\xFF") ? 2 : 0;
    case cpUTF32LE:
    case cpUTF32BE: return head.size() > 3 && head.starts_with(CodePageBOM(codePage)) ? 4 : 0;
    case cpUTF8:
    case cpUTF8BOM: return head.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    case cpGB18030: return head.starts_with("\x84\x31\x95\x33") ? 4 : 0;
    default: return 0;
  }
}
