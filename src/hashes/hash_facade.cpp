#include "hashes/hash_facade.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <streambuf>

#include "foundation/numeral_systems.h"
#include "hashes/hash_checksums.h"
#include "hashes/hash_md.h"
#include "hashes/hash_ripemd.h"
#include "hashes/hash_sha1.h"
#include "hashes/hash_sha2.h"
#include "hashes/hash_sha3.h"
#include "hashes/hash_whirlpool_gost.h"

namespace {

constexpr int32_t kMinNumeralSystem = 2;
constexpr int32_t kMaxNumeralSystem = 62;

std::string FormatDigest(const std::string& hex, int32_t numeralSystem) {
  if (numeralSystem == kHashNumeralSystemHex) return hex;
  if (numeralSystem < kMinNumeralSystem || numeralSystem > kMaxNumeralSystem) return {};
  return NSNumberToNSNumber(hex, kHashNumeralSystemHex, static_cast<TNumeralSystem>(numeralSystem));
}

// Reads a file descriptor straight into the caller's buffer and remembers a
// failed read, which a plain stream would take for the end of the file. A stop
// request ends the data as a failed read does, and is remembered as well.
class TDescriptorStreamBuf : public std::streambuf {
 public:
  TDescriptorStreamBuf(int handle, const THashStopRequest& stopRequested)
      : FHandle(handle), FStopRequested(stopRequested) {}
  bool Failed() const { return FFailed; }
  bool Cancelled() const { return FCancelled; }

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    std::streamsize total = 0;
    while (total < n && gptr() < egptr()) {
      *s++ = *gptr();
      gbump(1);
      ++total;
    }
    while (total < n) {
      if (FStopRequested && FStopRequested()) {
        FCancelled = true;
        break;
      }
      const ssize_t got = ::read(FHandle, s, static_cast<size_t>(n - total));
      if (got < 0) {
        if (errno == EINTR) continue;
        FFailed = true;
        break;
      }
      if (got == 0) break;
      s += got;
      total += got;
    }
    return total;
  }

  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    char* c = &FOne;
    if (xsgetn(c, 1) != 1) return traits_type::eof();
    setg(&FOne, &FOne, &FOne + 1);
    return traits_type::to_int_type(FOne);
  }

 private:
  int FHandle;
  const THashStopRequest& FStopRequested;
  bool FFailed = false;
  bool FCancelled = false;
  char FOne = 0;
};

class TFileHandle {
 public:
  explicit TFileHandle(int handle) : FHandle(handle) {}
  ~TFileHandle() {
    if (FHandle >= 0) ::close(FHandle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  int Get() const { return FHandle; }

 private:
  int FHandle;
};

}  // namespace

std::unique_ptr<THashBase> CreateHashByAlgorithmId(int32_t AlgorithmId) {
  switch (AlgorithmId) {
    case kHashAdler32: return std::make_unique<THashAdler32>();
    case kHashWhirlpool: return std::make_unique<THashWhirlPool>();
    case kHashCRC32BZIP2Reversed: return std::make_unique<THashCRC32_BZIP2_REVERSED>();
    case kHashCRC32: return std::make_unique<THashCRC32_PKZIP>();
    case kHashCRC32Reversed: return std::make_unique<THashCRC32_PKZIP_REVERSED>();
    case kHashGOST: return std::make_unique<THashGost>();
    case kHashMD2: return std::make_unique<THashMD2>();
    case kHashMD4: return std::make_unique<THashMD4>();
    case kHashMD5: return std::make_unique<THashMD5>();
    case kHashRIPEMD: return std::make_unique<THashRIPEMD>();
    case kHashRIPEMD128: return std::make_unique<THashRIPEMD128>();
    case kHashRIPEMD160: return std::make_unique<THashRIPEMD160>();
    case kHashRIPEMD256: return std::make_unique<THashRIPEMD256>();
    case kHashRIPEMD320: return std::make_unique<THashRIPEMD320>();
    case kHashSHA1: return std::make_unique<THashSHA1>();
    case kHashSHA224: return std::make_unique<THashSHA2_224>();
    case kHashSHA256: return std::make_unique<THashSHA2_256>();
    case kHashSHA384: return std::make_unique<THashSHA2_384>();
    case kHashSHA512: return std::make_unique<THashSHA2_512>();
    case kHashSHA3_224: return std::make_unique<THashSHA3_224>();
    case kHashSHA3_256: return std::make_unique<THashSHA3_256>();
    case kHashSHA3_384: return std::make_unique<THashSHA3_384>();
    case kHashSHA3_512: return std::make_unique<THashSHA3_512>();
    default: return nullptr;
  }
}

std::string HashStr(const std::string& Text, int32_t AlgorithmId, int32_t NumeralSystem) {
  auto hash = CreateHashByAlgorithmId(AlgorithmId);
  if (!hash) return {};
  return FormatDigest(hash->ComputeString(Text, THashEncoding::UTF8)->AsString(), NumeralSystem);
}

std::string HashStream(std::istream* Stream, int32_t AlgorithmId, int32_t NumeralSystem) {
  auto hash = CreateHashByAlgorithmId(AlgorithmId);
  if (!hash) return {};
  auto result = hash->ComputeStream(Stream, -1);
  if (Stream != nullptr && Stream->bad()) return {};
  return FormatDigest(result->AsString(), NumeralSystem);
}

std::string HashFile(const std::string& FileName, int32_t AlgorithmId, int32_t NumeralSystem) {
  bool cancelled = false;
  return HashFile(FileName, AlgorithmId, NumeralSystem, THashStopRequest(), cancelled);
}

std::string HashFile(const std::string& FileName, int32_t AlgorithmId, int32_t NumeralSystem,
                     const THashStopRequest& StopRequested, bool& Cancelled) {
  Cancelled = false;
  try {
    if (!CreateHashByAlgorithmId(AlgorithmId)) return {};
    // Only regular files: opening a pipe or a device could block or have
    // effects of its own, and a folder has no content to hash.
    struct stat info {};
    if (FileName.empty() || FileName.find('\0') != std::string::npos) return {};
    if (::stat(FileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    TFileHandle file(::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) return {};
    // The name may have been replaced by something else since the check above.
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    TDescriptorStreamBuf buffer(file.Get(), StopRequested);
    std::istream stream(&buffer);
    std::string digest = HashStream(&stream, AlgorithmId, NumeralSystem);
    Cancelled = buffer.Cancelled();
    if (buffer.Failed() || Cancelled) return {};
    return digest;
  } catch (...) {
    // A reader thread must never see an exception; an empty text is the
    // caller's sign that no digest could be made.
    return {};
  }
}
