#include "hashes/hash_framework.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "foundation/utf8.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string Base64Encode(const std::string& bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    uint32_t v = (uint32_t(uint8_t(bytes[i])) << 16) | (uint32_t(uint8_t(bytes[i + 1])) << 8) | uint8_t(bytes[i + 2]);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  size_t rest = bytes.size() - i;
  if (rest > 0) {
    uint32_t v = uint32_t(uint8_t(bytes[i])) << 16;
    if (rest == 2) v |= uint32_t(uint8_t(bytes[i + 1])) << 8;
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

uint64_t ReadBigEndian(const TByteArr& bytes, size_t count) {
  if (bytes.size() != count) return 0;
  uint64_t v = 0;
  for (uint8_t b : bytes) v = (v << 8) | b;
  return v;
}

TByteArr BigEndianBytes(uint64_t value, size_t count) {
  TByteArr out(count);
  for (size_t k = 0; k < count; ++k) out[count - 1 - k] = static_cast<uint8_t>(value >> (8 * k));
  return out;
}

void CheckRange(size_t size, int32_t index, int32_t length) {
  if (index < 0 || length < 0 || static_cast<size_t>(index) + static_cast<size_t>(length) > size)
    throw std::out_of_range("byte range outside the array");
}

// Word-wise when everything is aligned to the word, byte by byte otherwise;
// both give the same bytes.
template <typename Word>
void SwapCopy(const void* source, int32_t sourceIndex, void* destination, int32_t destinationIndex, int32_t size) {
  constexpr int32_t w = sizeof(Word);
  auto* src = static_cast<const uint8_t*>(source);
  auto* dst = static_cast<uint8_t*>(destination);
  const bool aligned = (reinterpret_cast<uintptr_t>(src) % w == 0) && (reinterpret_cast<uintptr_t>(dst) % w == 0) &&
                       sourceIndex % w == 0 && destinationIndex % w == 0 && size % w == 0;
  if (aligned) {
    for (int32_t k = 0; k < size; k += w) {
      Word v;
      std::memcpy(&v, src + sourceIndex + k, w);
      if constexpr (w == 4)
        v = __builtin_bswap32(v);
      else
        v = __builtin_bswap64(v);
      std::memcpy(dst + destinationIndex + k, &v, w);
    }
    return;
  }
  for (int32_t k = 0; k < size; ++k) dst[(destinationIndex + k) ^ (w - 1)] = src[sourceIndex + k];
}

void PlainCopy(const void* source, int32_t sourceIndex, void* destination, int32_t destinationIndex, int32_t size) {
  if (size > 0)
    std::memmove(static_cast<uint8_t*>(destination) + destinationIndex,
                 static_cast<const uint8_t*>(source) + sourceIndex, static_cast<size_t>(size));
}

}  // namespace

// ---- THashResult ----

THashResult::THashResult(TByteArr Bytes) : FHash(std::move(Bytes)) {}
THashResult::THashResult(uint8_t Value) : FHash(BigEndianBytes(Value, 1)) {}
THashResult::THashResult(uint16_t Value) : FHash(BigEndianBytes(Value, 2)) {}
THashResult::THashResult(uint32_t Value) : FHash(BigEndianBytes(Value, 4)) {}
THashResult::THashResult(uint64_t Value) : FHash(BigEndianBytes(Value, 8)) {}

uint8_t THashResult::GetUInt8() const { return static_cast<uint8_t>(ReadBigEndian(FHash, 1)); }
uint16_t THashResult::GetUInt16() const { return static_cast<uint16_t>(ReadBigEndian(FHash, 2)); }
uint32_t THashResult::GetUInt32() const { return static_cast<uint32_t>(ReadBigEndian(FHash, 4)); }
int32_t THashResult::GetInt32() const { return static_cast<int32_t>(GetUInt32()); }
uint64_t THashResult::GetUInt64() const { return ReadBigEndian(FHash, 8); }

std::string THashResult::ToString(bool Group) const { return TConverters::ConvertBytesToHexString(FHash, Group); }
std::string THashResult::AsString() const { return TConverters::ConvertBytesToHexString(FHash); }

bool THashResult::Equals(const IHashResult& Other) const { return SlowEquals(Other.GetBytes(), FHash); }

bool THashResult::SlowEquals(const TByteArr& A, const TByteArr& B) {
  size_t diff = A.size() ^ B.size();
  const size_t n = std::min(A.size(), B.size());
  for (size_t i = 0; i < n; ++i) diff |= static_cast<size_t>(A[i] ^ B[i]);
  return diff == 0;
}

int64_t THashResult::GetHashCode() const {
  const TByteArr asText = TConverters::ConvertStringToBytes(
      TConverters::ConvertBytesToString(FHash, THashEncoding::UTF8), THashEncoding::UTF8);
  std::string encoded = Base64Encode(std::string(asText.begin(), asText.end()));
  // Base64 is ASCII, so upper-casing byte by byte is the whole upper-casing.
  for (char& c : encoded)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  uint32_t h = 0;
  for (unsigned char c : encoded) h = hash_bytes::Rotl32(h, 5) ^ c;
  return static_cast<int64_t>(h);
}

// ---- TBitConverter ----

const bool TBitConverter::FIsLittleEndian = [] {
  const uint32_t one = 1;
  uint8_t first;
  std::memcpy(&first, &one, 1);
  return first == 1;
}();

std::string TBitConverter::ToString(const TByteArr& Bytes) { return ToString(Bytes, 0); }

std::string TBitConverter::ToString(const TByteArr& Bytes, int32_t StartIndex) {
  if (StartIndex < 0 || static_cast<size_t>(StartIndex) > Bytes.size())
    throw std::out_of_range("start index outside the array");
  return ToString(Bytes, StartIndex, static_cast<int32_t>(Bytes.size() - static_cast<size_t>(StartIndex)));
}

std::string TBitConverter::ToString(const TByteArr& Bytes, int32_t StartIndex, int32_t Length) {
  CheckRange(Bytes.size(), StartIndex, Length);
  std::string out;
  if (Length == 0) return out;
  out.reserve(static_cast<size_t>(Length) * 3);
  for (int32_t k = StartIndex; k < StartIndex + Length; ++k) {
    out += kHexDigits[Bytes[k] >> 4];
    out += kHexDigits[Bytes[k] & 15];
    out += '-';
  }
  out.pop_back();
  return out;
}

// ---- TConverters ----

void TConverters::swap_copy_str_to_u32(const void* Source, int32_t SourceIndex, void* Destination,
                                       int32_t DestinationIndex, int32_t Size) {
  SwapCopy<uint32_t>(Source, SourceIndex, Destination, DestinationIndex, Size);
}

void TConverters::swap_copy_str_to_u64(const void* Source, int32_t SourceIndex, void* Destination,
                                       int32_t DestinationIndex, int32_t Size) {
  SwapCopy<uint64_t>(Source, SourceIndex, Destination, DestinationIndex, Size);
}

void TConverters::be32_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                            int32_t Size) {
  if (TBitConverter::FIsLittleEndian)
    swap_copy_str_to_u32(Source, SourceIndex, Destination, DestinationIndex, Size);
  else
    PlainCopy(Source, SourceIndex, Destination, DestinationIndex, Size);
}

void TConverters::be64_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                            int32_t Size) {
  if (TBitConverter::FIsLittleEndian)
    swap_copy_str_to_u64(Source, SourceIndex, Destination, DestinationIndex, Size);
  else
    PlainCopy(Source, SourceIndex, Destination, DestinationIndex, Size);
}

void TConverters::le32_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                            int32_t Size) {
  if (TBitConverter::FIsLittleEndian)
    PlainCopy(Source, SourceIndex, Destination, DestinationIndex, Size);
  else
    swap_copy_str_to_u32(Source, SourceIndex, Destination, DestinationIndex, Size);
}

void TConverters::le64_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                            int32_t Size) {
  if (TBitConverter::FIsLittleEndian)
    PlainCopy(Source, SourceIndex, Destination, DestinationIndex, Size);
  else
    swap_copy_str_to_u64(Source, SourceIndex, Destination, DestinationIndex, Size);
}

std::string TConverters::ConvertBytesToHexString(const TByteArr& Bytes) {
  std::string out;
  out.reserve(Bytes.size() * 2);
  for (uint8_t b : Bytes) {
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 15];
  }
  return out;
}

std::string TConverters::ConvertBytesToHexString(const TByteArr& Bytes, bool Group) {
  if (!Group || Bytes.size() <= 2) return ConvertBytesToHexString(Bytes);
  // Groups of four bytes; a digest whose length is no multiple of four ends
  // with a shorter group rather than losing its last bytes.
  std::string plain = ConvertBytesToHexString(Bytes);
  std::string out;
  out.reserve(plain.size() + plain.size() / 8);
  for (size_t k = 0; k < plain.size(); k += 8) {
    if (k) out += '-';
    out.append(plain, k, 8);
  }
  return out;
}

TByteArr TConverters::ConvertStringToBytes(const std::string& Text, THashEncoding Encoding) {
  if (Encoding == THashEncoding::None) return {};
  // The text passes through UTF-16 on the way, which turns bytes that are no
  // UTF-8 into U+FFFD.
  const std::string valid = UTF8IsValid(Text) ? Text : UTF8Repair(Text);
  return TByteArr(valid.begin(), valid.end());
}

std::string TConverters::ConvertBytesToString(const TByteArr& Bytes, THashEncoding Encoding) {
  if (Encoding == THashEncoding::None) return {};
  return UTF8Repair(std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

THashLibStringArray TConverters::SplitString(const std::string& Text, char Delimiter) {
  THashLibStringArray out;
  if (Text.empty()) return out;
  size_t start = 0;
  for (;;) {
    size_t pos = Text.find(Delimiter, start);
    if (pos == std::string::npos) {
      out.push_back(Text.substr(start));
      return out;
    }
    out.push_back(Text.substr(start, pos - start));
    start = pos + 1;
  }
}

// ---- THashBase ----

THashBase::THashBase(int32_t HashSize, int32_t BlockSize)
    : FBufferSize(kReadBufferSize), FBlockSize(BlockSize), FHashSize(HashSize) {}

std::shared_ptr<IHashResult> THashBase::ComputeString(const std::string& Text, THashEncoding Encoding) {
  return ComputeBytes(TConverters::ConvertStringToBytes(Text, Encoding));
}

std::shared_ptr<IHashResult> THashBase::ComputeBytes(const TByteArr& Data) {
  Initialize();
  TransformBytes(Data);
  return TransformFinal();
}

std::shared_ptr<IHashResult> THashBase::ComputeStream(std::istream* Stream, int64_t Length) {
  Initialize();
  TransformStream(Stream, Length);
  return TransformFinal();
}

void THashBase::TransformBytes(const TByteArr& Data) {
  // The block interface counts in signed 32 bits; larger arrays go in pieces.
  constexpr size_t kPiece = size_t{1} << 30;
  const uint8_t* p = Data.data();
  size_t rest = Data.size();
  do {
    const size_t n = std::min(rest, kPiece);
    TransformBytes(p, 0, static_cast<int32_t>(n));
    p += n;
    rest -= n;
  } while (rest > 0);
}

void THashBase::TransformBytes(const TByteArr& Data, int32_t Index, int32_t Length) {
  CheckRange(Data.size(), Index, Length);
  TransformBytes(Data.data(), Index, Length);
}

void THashBase::TransformStream(std::istream* Stream, int64_t Length) {
  if (Stream == nullptr || !Stream->good()) return;
  const int32_t chunk = FBufferSize;
  TByteArr buffer(static_cast<size_t>(chunk));
  int64_t total = 0;
  // Every pass reads; a short read means the end of the stream, so the loop
  // ends with the input even when Length asks for more.
  for (;;) {
    Stream->read(reinterpret_cast<char*>(buffer.data()), chunk);
    const auto got = static_cast<int32_t>(Stream->gcount());
    if (Length >= 0 && total + got >= Length) {
      TransformBytes(buffer.data(), 0, static_cast<int32_t>(Length - total));
      break;
    }
    if (got > 0) TransformBytes(buffer.data(), 0, got);
    total += got;
    if (got < chunk) break;
  }
  // Reaching the end is no failure of the stream; a failed read (badbit) stays visible.
  if (!Stream->bad()) Stream->clear();
}

// ---- THashBuffer ----

THashBuffer::THashBuffer(int32_t Length) : Data(static_cast<size_t>(std::max(Length, 0))) {}

void THashBuffer::Initialize() {
  Position = 0;
  std::fill(Data.begin(), Data.end(), uint8_t{0});
}

bool THashBuffer::Feed(const uint8_t* Source, int32_t SourceLength, int32_t& StartIndex, int32_t& Length,
                       uint64_t& ProcessedBytes) {
  if (SourceLength == 0 || Length == 0) return false;
  const int32_t n = std::min(GetLength() - Position, Length);
  std::memcpy(Data.data() + Position, Source + StartIndex, static_cast<size_t>(n));
  Position += n;
  StartIndex += n;
  Length -= n;
  ProcessedBytes += static_cast<uint64_t>(n);
  return Position == GetLength();
}

// ---- TBlockHash ----

TBlockHash::TBlockHash(int32_t HashSize, int32_t BlockSize, int32_t BufferSize)
    : THashBase(HashSize, BlockSize), FBuffer(BufferSize == -1 ? BlockSize : BufferSize) {}

void TBlockHash::Initialize() {
  FBuffer.Initialize();
  FProcessedBytes = 0;
}

void TBlockHash::TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) {
  const int32_t blockLength = FBuffer.GetLength();
  if (FBuffer.Position != 0) {
    if (FBuffer.Feed(Data, Index + Length, Index, Length, FProcessedBytes)) {
      FBuffer.Position = 0;
      TransformBlock(FBuffer.Data.data(), blockLength, 0);
    }
  }
  if (Length >= blockLength) {
    const int32_t count = Length / blockLength;
    TransformBlocks(Data, Index, count);
    Index += count * blockLength;
    Length -= count * blockLength;
  }
  if (Length > 0) FBuffer.Feed(Data, Index + Length, Index, Length, FProcessedBytes);
}

void TBlockHash::TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) {
  const int32_t blockLength = FBuffer.GetLength();
  for (int32_t k = 0; k < Count; ++k, Index += blockLength) {
    FProcessedBytes += static_cast<uint64_t>(blockLength);
    TransformBlock(Data, blockLength, Index);
  }
}

std::shared_ptr<IHashResult> TBlockHash::TransformFinal() {
  Finish();
  TByteArr result = GetResult();
  Initialize();
  return std::make_shared<THashResult>(std::move(result));
}
