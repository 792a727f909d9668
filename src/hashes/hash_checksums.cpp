#include "hashes/hash_checksums.h"

#include <stdexcept>

#include "hashes/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SYLLABRIX_CRC_FOLDING 1
#endif

namespace {

constexpr THashCRC32Fast::TCRC32Table kPKZIPTable = THashCRC32Fast::Init_CRC_Table(0xEDB88320u);

uint8_t ReflectByte(uint8_t b) { return static_cast<uint8_t>(THashCRC::Reflect(b, 8)); }

// The largest batch after which B still fits in 32 bits: with A and B below
// 65521 at its start, 3,800 bytes of 0xFF leave B far below 2^32.
constexpr int32_t kAdlerBatch = 3800;
constexpr uint32_t kAdlerModulus = 65521;

#ifdef SYLLABRIX_CRC_FOLDING

// Below this many bytes the folding set-up costs more than it saves.
constexpr int32_t kMinFoldingLength = 128;

// Folds whole 16-byte blocks (at least four) with carry-less multiplication
// into one 16-byte block whose CRC equals that of all of them; register is
// the running register (the CRC not inverted) and the result is the register
// after the blocks. The constants are x^575, x^511, x^191 and x^127 modulo
// the CRC polynomial, bit-reversed into 64 bits: the reflected product of
// two 64-bit values comes out one power of x short, hence one less than the
// folding distance plus 64 and the distance itself.
__attribute__((target("pclmul,sse4.1"))) inline __m128i LoadBlock(const uint8_t* data, size_t block) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * block));
}

__attribute__((target("pclmul,sse4.1"))) inline __m128i FoldBlock(__m128i x, __m128i k) {
  return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

__attribute__((target("pclmul,sse4.1"))) uint32_t CRC32Fold(uint32_t registerValue, const uint8_t* data,
                                                            size_t blocks) {
  const __m128i fold4 =
      _mm_set_epi64x(static_cast<long long>(0xCAD38E8F00000000ull), static_cast<long long>(0x653D982200000000ull));
  const __m128i fold1 =
      _mm_set_epi64x(static_cast<long long>(0x9BA54C6F00000000ull), static_cast<long long>(0x65673B4600000000ull));
  __m128i x0 = _mm_xor_si128(LoadBlock(data, 0), _mm_cvtsi32_si128(static_cast<int>(registerValue)));
  __m128i x1 = LoadBlock(data, 1), x2 = LoadBlock(data, 2), x3 = LoadBlock(data, 3);
  size_t next = 4;
  for (; next + 4 <= blocks; next += 4) {
    x0 = _mm_xor_si128(FoldBlock(x0, fold4), LoadBlock(data, next));
    x1 = _mm_xor_si128(FoldBlock(x1, fold4), LoadBlock(data, next + 1));
    x2 = _mm_xor_si128(FoldBlock(x2, fold4), LoadBlock(data, next + 2));
    x3 = _mm_xor_si128(FoldBlock(x3, fold4), LoadBlock(data, next + 3));
  }
  __m128i x = _mm_xor_si128(FoldBlock(x0, fold1), x1);
  x = _mm_xor_si128(FoldBlock(x, fold1), x2);
  x = _mm_xor_si128(FoldBlock(x, fold1), x3);
  for (; next < blocks; ++next) x = _mm_xor_si128(FoldBlock(x, fold1), LoadBlock(data, next));
  alignas(16) uint8_t last[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(last), x);
  uint32_t v = 0;
  for (uint8_t b : last) v = (v >> 8) ^ kPKZIPTable[0][(v ^ b) & 0xFF];
  return v;
}

#endif

}  // namespace

// ---- THashCRC ----

THashCRC::THashCRC(int32_t Width, uint64_t Polynomial, uint64_t Initial, bool IsInputReflected, bool IsOutputReflected,
                   uint64_t OutputXor, uint64_t CheckValue, bool IsOutputReversed)
    : THashBase(-1, -1),
      FWidth(Width),
      FPolynomial(Polynomial),
      FInitial(Initial),
      FOutputXor(OutputXor),
      FCheckValue(CheckValue),
      FIsInputReflected(IsInputReflected),
      FIsOutputReflected(IsOutputReflected),
      FIsOutputReversed(IsOutputReversed) {
  // Shifts by Width - 1 and Width - 8 need a width the register can hold.
  if (Width < 3 || Width > 64) throw std::invalid_argument("CRC width must lie between 3 and 64");
  // Widths 33 to 39 need all 8 bytes too, or the CRC would lose its top bits.
  SetHashSize(Width <= 7 ? 1 : Width <= 16 ? 2 : Width <= 32 ? 4 : 8);
  SetBlockSize(1);
}

uint64_t THashCRC::Reflect(uint64_t Value, int32_t Width) {
  uint64_t result = 0;
  for (int32_t k = 0; k < Width; ++k) {
    result = (result << 1) | (Value & 1);
    Value >>= 1;
  }
  return result;
}

void THashCRC::GenerateTable() {
  FCRCTable.assign(256, 0);
  for (uint32_t i = 0; i < 256; ++i) {
    uint64_t r = FIsInputReflected ? ReflectByte(static_cast<uint8_t>(i)) : i;
    r <<= (FWidth - 8);
    for (int k = 0; k < 8; ++k) r = (r & FCRCHighBitMask) ? (r << 1) ^ FPolynomial : r << 1;
    if (FIsInputReflected) r = Reflect(r, FWidth);
    FCRCTable[i] = r & FCRCMask;
  }
  FIsTableGenerated = true;
}

void THashCRC::Initialize() {
  FCRCMask = ((uint64_t{1} << (FWidth - 1)) - 1) * 2 + 1;
  FCRCHighBitMask = uint64_t{1} << (FWidth - 1);
  FHash = FInitial;
  if (FWidth >= 8) {
    if (!FIsTableGenerated) GenerateTable();
    if (FIsInputReflected) FHash = Reflect(FHash, FWidth);
  }
}

void THashCRC::CalculateCRCbyTable(const uint8_t* data, int32_t length) {
  uint64_t crc = FHash;
  if (FIsInputReflected) {
    for (int32_t k = 0; k < length; ++k) crc = (crc >> 8) ^ FCRCTable[(crc ^ data[k]) & 0xFF];
  } else {
    const int shift = FWidth - 8;
    for (int32_t k = 0; k < length; ++k) crc = (crc << 8) ^ FCRCTable[((crc >> shift) ^ data[k]) & 0xFF];
  }
  FHash = crc;
}

void THashCRC::CalculateCRCdirect(const uint8_t* data, int32_t length) {
  for (int32_t k = 0; k < length; ++k) {
    const uint8_t v = FIsInputReflected ? ReflectByte(data[k]) : data[k];
    for (uint32_t m = 0x80; m != 0; m >>= 1) {
      uint64_t t = FHash & FCRCHighBitMask;
      FHash <<= 1;
      if (v & m) t ^= FCRCHighBitMask;
      if (t) FHash ^= FPolynomial;
    }
  }
}

void THashCRC::TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) {
  if (Length <= 0) return;
  if (FWidth >= 8)
    CalculateCRCbyTable(Data + Index, Length);
  else
    CalculateCRCdirect(Data + Index, Length);
}

std::shared_ptr<IHashResult> THashCRC::TransformFinal() {
  if (FWidth >= 8) {
    if (FIsInputReflected != FIsOutputReflected) FHash = Reflect(FHash, FWidth);
  } else if (FIsOutputReflected) {
    FHash = Reflect(FHash, FWidth);
  }
  const uint64_t value = (FHash ^ FOutputXor) & FCRCMask;
  const size_t count = static_cast<size_t>(GetHashSize());
  TByteArr bytes(count);
  for (size_t k = 0; k < count; ++k) {
    const uint8_t b = static_cast<uint8_t>(value >> (8 * k));
    if (FIsOutputReversed)
      bytes[k] = b;
    else
      bytes[count - 1 - k] = b;
  }
  Initialize();
  return std::make_shared<THashResult>(std::move(bytes));
}

THashCRC32_BZIP2_REVERSED::THashCRC32_BZIP2_REVERSED()
    : THashCRC(32, 0x04C11DB7, 0xFFFFFFFF, false, false, 0xFFFFFFFF, 0xFC891918, true) {}

// ---- THashCRC32Fast ----

THashCRC32Fast::THashCRC32Fast() : THashBase(4, 1) {}

void THashCRC32Fast::Initialize() { FCurrentCRC = 0; }

std::shared_ptr<IHashResult> THashCRC32Fast::TransformFinal() {
  auto result = std::make_shared<THashResult>(FCurrentCRC);
  Initialize();
  return result;
}

void THashCRC32Fast::LocalCRCCompute(const TCRC32Table& Table, const uint8_t* Data, int32_t Index, int32_t Length) {
  const uint8_t* p = Data + Index;
  size_t n = Length > 0 ? static_cast<size_t>(Length) : 0;
  uint32_t v = ~FCurrentCRC;
  while (n >= 16) {
    const uint32_t one = hash_bytes::Load32LE(p) ^ v;
    const uint32_t two = hash_bytes::Load32LE(p + 4);
    const uint32_t three = hash_bytes::Load32LE(p + 8);
    const uint32_t four = hash_bytes::Load32LE(p + 12);
    v = Table[15][one & 0xFF] ^ Table[14][(one >> 8) & 0xFF] ^ Table[13][(one >> 16) & 0xFF] ^ Table[12][one >> 24] ^
        Table[11][two & 0xFF] ^ Table[10][(two >> 8) & 0xFF] ^ Table[9][(two >> 16) & 0xFF] ^ Table[8][two >> 24] ^
        Table[7][three & 0xFF] ^ Table[6][(three >> 8) & 0xFF] ^ Table[5][(three >> 16) & 0xFF] ^
        Table[4][three >> 24] ^ Table[3][four & 0xFF] ^ Table[2][(four >> 8) & 0xFF] ^ Table[1][(four >> 16) & 0xFF] ^
        Table[0][four >> 24];
    p += 16;
    n -= 16;
  }
  for (; n > 0; --n, ++p) v = (v >> 8) ^ Table[0][(v ^ *p) & 0xFF];
  FCurrentCRC = ~v;
}

const THashCRC32Fast::TCRC32Table& THashCRC32_PKZIP::FCRC32_PKZIP_TABLE = kPKZIPTable;

void THashCRC32_PKZIP::TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) {
#ifdef SYLLABRIX_CRC_FOLDING
  if (Length >= kMinFoldingLength && HasCarrylessMultiply()) {
    const size_t blocks = static_cast<size_t>(Length) / 16;
    FCurrentCRC = ~CRC32Fold(~FCurrentCRC, Data + Index, blocks);
    const int32_t done = static_cast<int32_t>(blocks * 16);
    Index += done;
    Length -= done;
  }
#endif
  LocalCRCCompute(kPKZIPTable, Data, Index, Length);
}

std::shared_ptr<IHashResult> THashCRC32_PKZIP_REVERSED::TransformFinal() {
  FCurrentCRC = __builtin_bswap32(FCurrentCRC);
  auto result = std::make_shared<THashResult>(FCurrentCRC);
  Initialize();
  return result;
}

// ---- THashAdler32 ----

THashAdler32::THashAdler32() : THashBase(4, 1) {}

void THashAdler32::Initialize() {
  FA = 1;
  FB = 0;
}

void THashAdler32::TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) {
  const uint8_t* p = Data + Index;
  uint32_t a = FA, b = FB;
  while (Length > 0) {
    const int32_t n = Length < kAdlerBatch ? Length : kAdlerBatch;
    Length -= n;
    for (int32_t k = 0; k < n; ++k) {
      a += p[k];
      b += a;
    }
    p += n;
    a %= kAdlerModulus;
    b %= kAdlerModulus;
  }
  FA = a;
  FB = b;
}

std::shared_ptr<IHashResult> THashAdler32::TransformFinal() {
  auto result = std::make_shared<THashResult>(static_cast<uint32_t>((FB << 16) | FA));
  Initialize();
  return result;
}
