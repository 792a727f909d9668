#include "fileinfo/pdf_security.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "fileinfo/pdf_info.h"
#include "hashes/hash_md.h"
#include "hashes/hash_sha2.h"

namespace {

// ------------------------------------------------------------------ AES

constexpr uint8_t kSBox[256] = {
    0x63, 0x7C, 0x77, 0x7B, 0xF2, 0x6B, 0x6F, 0xC5, 0x30, 0x01, 0x67, 0x2B, 0xFE, 0xD7, 0xAB, 0x76, 0xCA, 0x82, 0xC9,
    0x7D, 0xFA, 0x59, 0x47, 0xF0, 0xAD, 0xD4, 0xA2, 0xAF, 0x9C, 0xA4, 0x72, 0xC0, 0xB7, 0xFD, 0x93, 0x26, 0x36, 0x3F,
    0xF7, 0xCC, 0x34, 0xA5, 0xE5, 0xF1, 0x71, 0xD8, 0x31, 0x15, 0x04, 0xC7, 0x23, 0xC3, 0x18, 0x96, 0x05, 0x9A, 0x07,
    0x12, 0x80, 0xE2, 0xEB, 0x27, 0xB2, 0x75, 0x09, 0x83, 0x2C, 0x1A, 0x1B, 0x6E, 0x5A, 0xA0, 0x52, 0x3B, 0xD6, 0xB3,
    0x29, 0xE3, 0x2F, 0x84, 0x53, 0xD1, 0x00, 0xED, 0x20, 0xFC, 0xB1, 0x5B, 0x6A, 0xCB, 0xBE, 0x39, 0x4A, 0x4C, 0x58,
    0xCF, 0xD0, 0xEF, 0xAA, 0xFB, 0x43, 0x4D, 0x33, 0x85, 0x45, 0xF9, 0x02, 0x7F, 0x50, 0x3C, 0x9F, 0xA8, 0x51, 0xA3,
    0x40, 0x8F, 0x92, 0x9D, 0x38, 0xF5, 0xBC, 0xB6, 0xDA, 0x21, 0x10, 0xFF, 0xF3, 0xD2, 0xCD, 0x0C, 0x13, 0xEC, 0x5F,
    0x97, 0x44, 0x17, 0xC4, 0xA7, 0x7E, 0x3D, 0x64, 0x5D, 0x19, 0x73, 0x60, 0x81, 0x4F, 0xDC, 0x22, 0x2A, 0x90, 0x88,
    0x46, 0xEE, 0xB8, 0x14, 0xDE, 0x5E, 0x0B, 0xDB, 0xE0, 0x32, 0x3A, 0x0A, 0x49, 0x06, 0x24, 0x5C, 0xC2, 0xD3, 0xAC,
    0x62, 0x91, 0x95, 0xE4, 0x79, 0xE7, 0xC8, 0x37, 0x6D, 0x8D, 0xD5, 0x4E, 0xA9, 0x6C, 0x56, 0xF4, 0xEA, 0x65, 0x7A,
    0xAE, 0x08, 0xBA, 0x78, 0x25, 0x2E, 0x1C, 0xA6, 0xB4, 0xC6, 0xE8, 0xDD, 0x74, 0x1F, 0x4B, 0xBD, 0x8B, 0x8A, 0x70,
    0x3E, 0xB5, 0x66, 0x48, 0x03, 0xF6, 0x0E, 0x61, 0x35, 0x57, 0xB9, 0x86, 0xC1, 0x1D, 0x9E, 0xE1, 0xF8, 0x98, 0x11,
    0x69, 0xD9, 0x8E, 0x94, 0x9B, 0x1E, 0x87, 0xE9, 0xCE, 0x55, 0x28, 0xDF, 0x8C, 0xA1, 0x89, 0x0D, 0xBF, 0xE6, 0x42,
    0x68, 0x41, 0x99, 0x2D, 0x0F, 0xB0, 0x54, 0xBB, 0x16};

const std::array<uint8_t, 256>& InverseSBox() {
  static const std::array<uint8_t, 256> inverse = [] {
    std::array<uint8_t, 256> v{};
    for (int i = 0; i < 256; ++i) v[kSBox[i]] = static_cast<uint8_t>(i);
    return v;
  }();
  return inverse;
}

uint8_t XTime(uint8_t x) { return static_cast<uint8_t>((x << 1) ^ ((x & 0x80) ? 0x1B : 0)); }

uint8_t Multiply(uint8_t x, uint8_t y) {
  uint8_t r = 0;
  while (y) {
    if (y & 1) r ^= x;
    x = XTime(x);
    y >>= 1;
  }
  return r;
}

class TAES {
 public:
  // A key of 16 or 32 bytes.
  explicit TAES(std::string_view key) {
    const int nk = static_cast<int>(key.size() / 4);
    FRounds = nk + 6;
    const int words = 4 * (FRounds + 1);
    for (int i = 0; i < nk * 4; ++i) FKeys[i] = static_cast<uint8_t>(key[static_cast<size_t>(i)]);
    uint8_t rcon = 1;
    for (int i = nk; i < words; ++i) {
      uint8_t t[4];
      std::memcpy(t, FKeys + 4 * (i - 1), 4);
      if (i % nk == 0) {
        const uint8_t first = t[0];
        t[0] = static_cast<uint8_t>(kSBox[t[1]] ^ rcon);
        t[1] = kSBox[t[2]];
        t[2] = kSBox[t[3]];
        t[3] = kSBox[first];
        rcon = XTime(rcon);
      } else if (nk > 6 && i % nk == 4) {
        for (uint8_t& b : t) b = kSBox[b];
      }
      for (int k = 0; k < 4; ++k) FKeys[4 * i + k] = static_cast<uint8_t>(FKeys[4 * (i - nk) + k] ^ t[k]);
    }
  }

  void Encrypt(uint8_t* s) const {
    AddRoundKey(s, 0);
    for (int round = 1; round <= FRounds; ++round) {
      for (int i = 0; i < 16; ++i) s[i] = kSBox[s[i]];
      ShiftRows(s);
      if (round != FRounds) MixColumns(s);
      AddRoundKey(s, round);
    }
  }

  void Decrypt(uint8_t* s) const {
    const auto& inverse = InverseSBox();
    AddRoundKey(s, FRounds);
    for (int round = FRounds - 1; round >= 0; --round) {
      InverseShiftRows(s);
      for (int i = 0; i < 16; ++i) s[i] = inverse[s[i]];
      AddRoundKey(s, round);
      if (round != 0) InverseMixColumns(s);
    }
  }

 private:
  void AddRoundKey(uint8_t* s, int round) const {
    for (int i = 0; i < 16; ++i) s[i] ^= FKeys[16 * round + i];
  }
  // The state is column by column: byte 4c + r is row r of column c.
  static void ShiftRows(uint8_t* s) {
    uint8_t t[16];
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) t[4 * c + r] = s[4 * ((c + r) % 4) + r];
    std::memcpy(s, t, 16);
  }
  static void InverseShiftRows(uint8_t* s) {
    uint8_t t[16];
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) t[4 * ((c + r) % 4) + r] = s[4 * c + r];
    std::memcpy(s, t, 16);
  }
  static void MixColumns(uint8_t* s) {
    for (int c = 0; c < 4; ++c) {
      uint8_t* col = s + 4 * c;
      const uint8_t a0 = col[0], a1 = col[1], a2 = col[2], a3 = col[3];
      col[0] = static_cast<uint8_t>(XTime(a0) ^ (XTime(a1) ^ a1) ^ a2 ^ a3);
      col[1] = static_cast<uint8_t>(a0 ^ XTime(a1) ^ (XTime(a2) ^ a2) ^ a3);
      col[2] = static_cast<uint8_t>(a0 ^ a1 ^ XTime(a2) ^ (XTime(a3) ^ a3));
      col[3] = static_cast<uint8_t>((XTime(a0) ^ a0) ^ a1 ^ a2 ^ XTime(a3));
    }
  }
  static void InverseMixColumns(uint8_t* s) {
    for (int c = 0; c < 4; ++c) {
      uint8_t* col = s + 4 * c;
      const uint8_t a0 = col[0], a1 = col[1], a2 = col[2], a3 = col[3];
      col[0] = static_cast<uint8_t>(Multiply(a0, 14) ^ Multiply(a1, 11) ^ Multiply(a2, 13) ^ Multiply(a3, 9));
      col[1] = static_cast<uint8_t>(Multiply(a0, 9) ^ Multiply(a1, 14) ^ Multiply(a2, 11) ^ Multiply(a3, 13));
      col[2] = static_cast<uint8_t>(Multiply(a0, 13) ^ Multiply(a1, 9) ^ Multiply(a2, 14) ^ Multiply(a3, 11));
      col[3] = static_cast<uint8_t>(Multiply(a0, 11) ^ Multiply(a1, 13) ^ Multiply(a2, 9) ^ Multiply(a3, 14));
    }
  }

  uint8_t FKeys[16 * 15] = {};
  int FRounds = 10;
};

// ------------------------------------------------------------- digests

std::string Digest(THashBase&& hash, std::string_view data) {
  const TByteArr bytes(data.begin(), data.end());
  const std::shared_ptr<IHashResult> result = hash.ComputeBytes(bytes);
  const TByteArr& d = result->GetBytes();
  return std::string(d.begin(), d.end());
}
std::string MD5(std::string_view data) { return Digest(THashMD5(), data); }
std::string SHA256(std::string_view data) { return Digest(THashSHA2_256(), data); }
std::string SHA384(std::string_view data) { return Digest(THashSHA2_384(), data); }
std::string SHA512(std::string_view data) { return Digest(THashSHA2_512(), data); }

// The padding that stands for an empty password in revisions 2 to 4.
const std::string kPasswordPadding(
    "\x28\xBF\x4E\x5E\x4E\x75\x8A\x41\x64\x00\x4E\x56\xFF\xFA\x01\x08\x2E\x2E\x00\xB6\xD0\x68\x3E\x80\x2F\x0C\xA9\xFE"
    "\x64\x53\x69\x7A",
    32);

// The hash of revision 6 (and the plain SHA-256 of revision 5) over the
// empty password, a salt and, for the owner, the user data.
std::string ComputePasswordHash(int revision, std::string_view salt) {
  std::string k = SHA256(salt);
  if (revision < 6) return k;
  for (int round = 0;; ++round) {
    std::string k1;
    for (int i = 0; i < 64; ++i) k1 += k;
    const std::string e = AESEncryptCBC(k.substr(0, 16), k.substr(16, 16), k1);
    int sum = 0;
    for (int i = 0; i < 16; ++i) sum += static_cast<uint8_t>(e[static_cast<size_t>(i)]);
    switch (sum % 3) {
      case 0: k = SHA256(e); break;
      case 1: k = SHA384(e); break;
      default: k = SHA512(e); break;
    }
    // The rule counts the rounds done (this one included): at least 64, and
    // then until the last byte of E is at most that count less 32.
    const int roundsDone = round + 1;
    if (roundsDone >= 64 && static_cast<uint8_t>(e.back()) <= roundsDone - 32) break;
  }
  return k.substr(0, 32);
}

// Revision 6 spends thousands of AES blocks on each hash; a file read again
// (or its neighbour from the same writer) asks for the same salts, which
// each thread remembers.
std::string PasswordHash(int revision, std::string_view salt) {
  struct TRemembered {
    int Revision = 0;
    std::string Salt, Hash;
  };
  thread_local TRemembered remembered[4];
  thread_local size_t next = 0;
  for (const TRemembered& r : remembered)
    if (r.Revision == revision && r.Salt == salt) return r.Hash;
  TRemembered& slot = remembered[next++ % 4];
  slot = {revision, std::string(salt), ComputePasswordHash(revision, salt)};
  return slot.Hash;
}

std::string_view TrimWhite(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

int64_t Number(const TKeyValueArrayObj& d, std::string_view key, int64_t def) {
  const std::string v(TrimWhite(d.GetValueOrDefaultIfKeyNotExist(key, "")));
  if (v.empty() || v.size() > 12) return def;
  size_t i = v[0] == '-' ? 1 : 0;
  if (i == v.size()) return def;
  int64_t n = 0;
  for (; i < v.size(); ++i) {
    if (v[i] < '0' || v[i] > '9') return def;
    n = n * 10 + (v[i] - '0');
  }
  return v[0] == '-' ? -n : n;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string AESEncryptCBC(std::string_view key, std::string_view iv, std::string_view data) {
  const TAES aes(key);
  std::string out(data.substr(0, data.size() / 16 * 16));
  uint8_t chain[16];
  std::memcpy(chain, iv.data(), 16);
  for (size_t b = 0; b + 16 <= out.size(); b += 16) {
    auto* block = reinterpret_cast<uint8_t*>(out.data() + b);
    for (int i = 0; i < 16; ++i) block[i] ^= chain[i];
    aes.Encrypt(block);
    std::memcpy(chain, block, 16);
  }
  return out;
}

std::string AESDecryptCBC(std::string_view key, std::string_view iv, std::string_view data) {
  const TAES aes(key);
  std::string out(data.substr(0, data.size() / 16 * 16));
  uint8_t chain[16], next[16];
  std::memcpy(chain, iv.data(), 16);
  for (size_t b = 0; b + 16 <= out.size(); b += 16) {
    auto* block = reinterpret_cast<uint8_t*>(out.data() + b);
    std::memcpy(next, block, 16);
    aes.Decrypt(block);
    for (int i = 0; i < 16; ++i) block[i] ^= chain[i];
    std::memcpy(chain, next, 16);
  }
  return out;
}

std::string RC4(std::string_view key, std::string_view data) {
  uint8_t s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
  if (key.empty()) return std::string(data);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + static_cast<uint8_t>(key[static_cast<size_t>(i) % key.size()])) & 0xFF;
    std::swap(s[i], s[j]);
  }
  std::string out(data);
  for (size_t n = 0, i = 0, j = 0; n < out.size(); ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    out[n] = static_cast<char>(static_cast<uint8_t>(out[n]) ^ s[(s[i] + s[j]) & 0xFF]);
  }
  return out;
}

std::string PDFStringBytes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '<' && text.back() == '>') {
    std::string bytes;
    int high = -1;
    for (char c : text.substr(1, text.size() - 2)) {
      if (static_cast<unsigned char>(c) <= 32) continue;
      const int v = HexDigit(c);
      const int nibble = v < 0 ? 0 : v;
      if (high < 0) {
        high = nibble;
      } else {
        bytes += static_cast<char>(high * 16 + nibble);
        high = -1;
      }
    }
    if (high >= 0) bytes += static_cast<char>(high * 16);
    return bytes;
  }
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') return std::string(text);
  const std::string_view s = text.substr(1, text.size() - 2);
  std::string bytes;
  bytes.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\r') {  // an end of line inside a string reads as a line feed
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
      bytes += '\n';
      continue;
    }
    if (c != '\\' || i + 1 >= s.size()) {
      if (c != '\\') bytes += c;
      continue;
    }
    const char e = s[++i];
    switch (e) {
      case 'n': bytes += '\n'; break;
      case 'r': bytes += '\r'; break;
      case 't': bytes += '\t'; break;
      case 'b': bytes += '\b'; break;
      case 'f': bytes += '\f'; break;
      case '\r':
        if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        break;
      case '\n': break;
      default:
        if (e >= '0' && e <= '7') {
          int v = e - '0';
          for (int k = 0; k < 2 && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++k)
            v = v * 8 + (s[++i] - '0');
          bytes += static_cast<char>(v & 0xFF);
        } else {
          bytes += e;  // \( \) \\ and unknown escapes: the character itself
        }
    }
  }
  return bytes;
}

bool TPDFSecurity::Open(const TKeyValueArrayObj& encryption, std::string_view firstID) {
  FOpen = false;
  if (encryption.GetValueOrDefaultIfKeyNotExist("Filter", "") != "/Standard") return false;
  const int64_t version = Number(encryption, "V", 0);
  const int64_t revision = Number(encryption, "R", 0);
  const std::string o = PDFStringBytes(TrimWhite(encryption.GetValueOrDefaultIfKeyNotExist("O", "")));
  const std::string u = PDFStringBytes(TrimWhite(encryption.GetValueOrDefaultIfKeyNotExist("U", "")));
  FEncryptMetadata = TrimWhite(encryption.GetValueOrDefaultIfKeyNotExist("EncryptMetadata", "")) != "false";
  // The crypt filters of version 4 and 5 name the cipher of strings and of
  // streams; the identity filter leaves them as they are.
  auto cipherOf = [&](std::string_view entry, TCipher fallback) {
    if (version < 4) return fallback;
    const std::string name(TrimWhite(encryption.GetValueOrDefaultIfKeyNotExist(entry, "/Identity")));
    if (name == "/Identity" || name.size() < 2) return TCipher::None;
    const TKeyValueArrayObj filters = ParsePDFDictionary(encryption.GetValueOrDefaultIfKeyNotExist("CF", ""));
    const TKeyValueArrayObj filter = ParsePDFDictionary(filters.GetValueOrDefaultIfKeyNotExist(name.substr(1), ""));
    const std::string method(TrimWhite(filter.GetValueOrDefaultIfKeyNotExist("CFM", "")));
    if (method == "/AESV2") return TCipher::AES128;
    if (method == "/AESV3") return TCipher::AES256;
    if (method == "/V2") return TCipher::RC4;
    return method == "/None" ? TCipher::None : fallback;
  };

  if (revision >= 5 && revision <= 6) {
    const std::string ue = PDFStringBytes(TrimWhite(encryption.GetValueOrDefaultIfKeyNotExist("UE", "")));
    if (u.size() < 48 || ue.size() < 32) return false;
    if (PasswordHash(static_cast<int>(revision), u.substr(32, 8)) != u.substr(0, 32)) return false;
    const std::string intermediate = PasswordHash(static_cast<int>(revision), u.substr(40, 8));
    FKey = AESDecryptCBC(intermediate, std::string(16, '\0'), ue.substr(0, 32));
    FStringCipher = cipherOf("StrF", TCipher::AES256);
    FStreamCipher = cipherOf("StmF", TCipher::AES256);
    FOpen = true;
    return true;
  }
  if (revision < 2 || revision > 4 || o.size() < 32 || u.size() < 32) return false;
  const int64_t bits = version == 1 ? 40 : Number(encryption, "Length", 40);
  const size_t n = static_cast<size_t>(std::clamp<int64_t>(bits / 8, 5, 16));
  const int64_t permissions = Number(encryption, "P", 0);
  std::string input = kPasswordPadding + o.substr(0, 32);
  for (int k = 0; k < 4; ++k) input += static_cast<char>((static_cast<uint64_t>(permissions) >> (8 * k)) & 0xFF);
  input += firstID;
  if (revision >= 4 && !FEncryptMetadata) input += std::string(4, '\xFF');
  std::string key = MD5(input);
  if (revision >= 3)
    for (int k = 0; k < 50; ++k) key = MD5(key.substr(0, n));
  key.resize(n);
  // The user entry proves the key.
  if (revision == 2) {
    if (RC4(key, kPasswordPadding) != u.substr(0, 32)) return false;
  } else {
    std::string check = RC4(key, MD5(kPasswordPadding + std::string(firstID)));
    for (int round = 1; round <= 19; ++round) {
      std::string roundKey = key;
      for (char& c : roundKey) c = static_cast<char>(c ^ round);
      check = RC4(roundKey, check);
    }
    if (check.substr(0, 16) != u.substr(0, 16)) return false;
  }
  FKey = key;
  FStringCipher = cipherOf("StrF", TCipher::RC4);
  FStreamCipher = cipherOf("StmF", TCipher::RC4);
  FOpen = true;
  return true;
}

std::string TPDFSecurity::Decrypt(std::string_view data, int32_t number, int32_t generation, TCipher cipher) const {
  if (!FOpen || cipher == TCipher::None) return std::string(data);
  std::string key = FKey;
  if (cipher != TCipher::AES256) {
    // Every object has a key of its own, from the file key, its number and
    // its generation.
    std::string input = FKey;
    for (int k = 0; k < 3; ++k) input += static_cast<char>((static_cast<uint32_t>(number) >> (8 * k)) & 0xFF);
    for (int k = 0; k < 2; ++k) input += static_cast<char>((static_cast<uint32_t>(generation) >> (8 * k)) & 0xFF);
    if (cipher == TCipher::AES128) input += "sAlT";
    key = MD5(input).substr(0, std::min<size_t>(FKey.size() + 5, 16));
  }
  if (cipher == TCipher::RC4) return RC4(key, data);
  // AES: the first block is the initial vector; the last block is padded.
  if (data.size() < 32 || data.size() % 16 != 0) return std::string();
  std::string plain = AESDecryptCBC(key, data.substr(0, 16), data.substr(16));
  const auto pad = static_cast<uint8_t>(plain.back());
  if (pad >= 1 && pad <= 16 && pad <= plain.size()) plain.resize(plain.size() - pad);
  return plain;
}

std::string TPDFSecurity::DecryptString(std::string_view data, int32_t number, int32_t generation) const {
  return Decrypt(data, number, generation, FStringCipher);
}

std::string TPDFSecurity::DecryptStream(std::string_view data, int32_t number, int32_t generation) const {
  return Decrypt(data, number, generation, FStreamCipher);
}
