#include "hashes/hash_sha1.h"

#include "hashes/sha_compress.h"

namespace {

using hash_bytes::Rotl32;

inline uint32_t Ch(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
inline uint32_t Parity(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }
inline uint32_t Maj(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (z & (x | y)); }

}  // namespace

THashSHA0::THashSHA0() : TBlockHash(20, 64), FState(5, 0) {}

void THashSHA0::Initialize() {
  FState[0] = 0x67452301;
  FState[1] = 0xEFCDAB89;
  FState[2] = 0x98BADCFE;
  FState[3] = 0x10325476;
  FState[4] = 0xC3D2E1F0;
  TBlockHash::Initialize();
}

void THashSHA0::Expand(uint32_t* W) {
  for (int t = 16; t < 80; ++t) W[t] = W[t - 3] ^ W[t - 8] ^ W[t - 14] ^ W[t - 16];
}

void THashSHA1::Expand(uint32_t* W) {
  for (int t = 16; t < 80; ++t) W[t] = Rotl32(W[t - 3] ^ W[t - 8] ^ W[t - 14] ^ W[t - 16], 1);
}

void THashSHA0::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  uint32_t w[80];
  const uint8_t* block = Data + Index;
  for (int k = 0; k < 16; ++k) w[k] = hash_bytes::Load32BE(block + 4 * k);
  Expand(w);
  uint32_t a = FState[0], b = FState[1], c = FState[2], d = FState[3], e = FState[4];
  e += Rotl32(a, 5) + Ch(b, c, d) + 0x5A827999u + w[0];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Ch(a, b, c) + 0x5A827999u + w[1];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Ch(e, a, b) + 0x5A827999u + w[2];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Ch(d, e, a) + 0x5A827999u + w[3];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Ch(c, d, e) + 0x5A827999u + w[4];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Ch(b, c, d) + 0x5A827999u + w[5];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Ch(a, b, c) + 0x5A827999u + w[6];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Ch(e, a, b) + 0x5A827999u + w[7];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Ch(d, e, a) + 0x5A827999u + w[8];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Ch(c, d, e) + 0x5A827999u + w[9];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Ch(b, c, d) + 0x5A827999u + w[10];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Ch(a, b, c) + 0x5A827999u + w[11];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Ch(e, a, b) + 0x5A827999u + w[12];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Ch(d, e, a) + 0x5A827999u + w[13];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Ch(c, d, e) + 0x5A827999u + w[14];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Ch(b, c, d) + 0x5A827999u + w[15];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Ch(a, b, c) + 0x5A827999u + w[16];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Ch(e, a, b) + 0x5A827999u + w[17];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Ch(d, e, a) + 0x5A827999u + w[18];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Ch(c, d, e) + 0x5A827999u + w[19];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0x6ED9EBA1u + w[20];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0x6ED9EBA1u + w[21];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0x6ED9EBA1u + w[22];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0x6ED9EBA1u + w[23];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0x6ED9EBA1u + w[24];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0x6ED9EBA1u + w[25];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0x6ED9EBA1u + w[26];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0x6ED9EBA1u + w[27];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0x6ED9EBA1u + w[28];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0x6ED9EBA1u + w[29];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0x6ED9EBA1u + w[30];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0x6ED9EBA1u + w[31];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0x6ED9EBA1u + w[32];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0x6ED9EBA1u + w[33];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0x6ED9EBA1u + w[34];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0x6ED9EBA1u + w[35];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0x6ED9EBA1u + w[36];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0x6ED9EBA1u + w[37];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0x6ED9EBA1u + w[38];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0x6ED9EBA1u + w[39];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Maj(b, c, d) + 0x8F1BBCDCu + w[40];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Maj(a, b, c) + 0x8F1BBCDCu + w[41];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Maj(e, a, b) + 0x8F1BBCDCu + w[42];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Maj(d, e, a) + 0x8F1BBCDCu + w[43];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Maj(c, d, e) + 0x8F1BBCDCu + w[44];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Maj(b, c, d) + 0x8F1BBCDCu + w[45];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Maj(a, b, c) + 0x8F1BBCDCu + w[46];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Maj(e, a, b) + 0x8F1BBCDCu + w[47];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Maj(d, e, a) + 0x8F1BBCDCu + w[48];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Maj(c, d, e) + 0x8F1BBCDCu + w[49];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Maj(b, c, d) + 0x8F1BBCDCu + w[50];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Maj(a, b, c) + 0x8F1BBCDCu + w[51];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Maj(e, a, b) + 0x8F1BBCDCu + w[52];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Maj(d, e, a) + 0x8F1BBCDCu + w[53];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Maj(c, d, e) + 0x8F1BBCDCu + w[54];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Maj(b, c, d) + 0x8F1BBCDCu + w[55];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Maj(a, b, c) + 0x8F1BBCDCu + w[56];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Maj(e, a, b) + 0x8F1BBCDCu + w[57];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Maj(d, e, a) + 0x8F1BBCDCu + w[58];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Maj(c, d, e) + 0x8F1BBCDCu + w[59];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0xCA62C1D6u + w[60];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0xCA62C1D6u + w[61];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0xCA62C1D6u + w[62];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0xCA62C1D6u + w[63];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0xCA62C1D6u + w[64];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0xCA62C1D6u + w[65];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0xCA62C1D6u + w[66];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0xCA62C1D6u + w[67];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0xCA62C1D6u + w[68];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0xCA62C1D6u + w[69];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0xCA62C1D6u + w[70];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0xCA62C1D6u + w[71];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0xCA62C1D6u + w[72];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0xCA62C1D6u + w[73];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0xCA62C1D6u + w[74];
  c = Rotl32(c, 30);
  e += Rotl32(a, 5) + Parity(b, c, d) + 0xCA62C1D6u + w[75];
  b = Rotl32(b, 30);
  d += Rotl32(e, 5) + Parity(a, b, c) + 0xCA62C1D6u + w[76];
  a = Rotl32(a, 30);
  c += Rotl32(d, 5) + Parity(e, a, b) + 0xCA62C1D6u + w[77];
  e = Rotl32(e, 30);
  b += Rotl32(c, 5) + Parity(d, e, a) + 0xCA62C1D6u + w[78];
  d = Rotl32(d, 30);
  a += Rotl32(b, 5) + Parity(c, d, e) + 0xCA62C1D6u + w[79];
  c = Rotl32(c, 30);
  FState[0] += a;
  FState[1] += b;
  FState[2] += c;
  FState[3] += d;
  FState[4] += e;
  hash_bytes::Wipe(w, sizeof w);
}

void THashSHA1::TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) {
  if (HasSHAExtensions())
    SHA1CompressHardware(FState.data(), Data + Index);
  else
    THashSHA0::TransformBlock(Data, DataLength, Index);
}

void THashSHA0::Finish() {
  const uint64_t bits = FProcessedBytes << 3;
  const int32_t fill = FBuffer.Position;
  const int32_t padLength = fill < 56 ? 56 - fill : 120 - fill;
  uint8_t pad[128] = {0x80};
  hash_bytes::Store64BE(pad + padLength, bits);
  TransformBytes(pad, 0, padLength + 8);
}

TByteArr THashSHA0::GetResult() {
  TByteArr out(20);
  for (int k = 0; k < 5; ++k) hash_bytes::Store32BE(out.data() + 4 * k, FState[k]);
  return out;
}
