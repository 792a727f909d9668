// Hashing a text, a stream or a file with an algorithm chosen by its numeric
// id; the digest comes back as upper-case hex or as the same number in
// another numeral system.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>

#include "hashes/hash_framework.h"

// The algorithm ids; the numbers are stored by the program's settings.
constexpr int32_t kHashAdler32 = 1000;
constexpr int32_t kHashWhirlpool = 1001;
constexpr int32_t kHashCRC32BZIP2Reversed = 2001;
constexpr int32_t kHashCRC32 = 2002;
constexpr int32_t kHashCRC32Reversed = 2003;
constexpr int32_t kHashGOST = 3001;
constexpr int32_t kHashMD2 = 5001;
constexpr int32_t kHashMD4 = 5002;
constexpr int32_t kHashMD5 = 5003;
constexpr int32_t kHashRIPEMD = 6000;
constexpr int32_t kHashRIPEMD128 = 6001;
constexpr int32_t kHashRIPEMD160 = 6002;
constexpr int32_t kHashRIPEMD256 = 6003;
constexpr int32_t kHashRIPEMD320 = 6004;
constexpr int32_t kHashSHA1 = 7001;
constexpr int32_t kHashSHA224 = 7002;
constexpr int32_t kHashSHA256 = 7003;
constexpr int32_t kHashSHA384 = 7004;
constexpr int32_t kHashSHA512 = 7005;
constexpr int32_t kHashSHA3_224 = 7006;
constexpr int32_t kHashSHA3_256 = 7007;
constexpr int32_t kHashSHA3_384 = 7008;
constexpr int32_t kHashSHA3_512 = 7009;

// The numeral system in which a digest is its own hex text.
constexpr int32_t kHashNumeralSystemHex = 16;

// A new object of the id's class; nullptr for an unknown id.
std::unique_ptr<THashBase> CreateHashByAlgorithmId(int32_t AlgorithmId);

// The digest of the UTF-8 bytes of Text. An unknown id gives "" in every
// numeral system; a numeral system outside 2..62 gives "".
std::string HashStr(const std::string& Text, int32_t AlgorithmId, int32_t NumeralSystem);
// The digest of the stream from its position to its end (of the empty message
// for nullptr); the stream is left at its end. A stream whose read fails
// gives "" rather than the digest of the bytes before the failure.
std::string HashStream(std::istream* Stream, int32_t AlgorithmId, int32_t NumeralSystem);
// The digest of the whole file. Never throws and never blocks on a special
// file: a missing, unreadable or non-regular file (folder, pipe, device)
// gives "" at once. Safe to call from several threads at the same time.
std::string HashFile(const std::string& FileName, int32_t AlgorithmId, int32_t NumeralSystem);

// Asked again and again while a file is read; true ends the hashing.
using THashStopRequest = std::function<bool()>;
// HashFile for callers that may have to give up on a large file: StopRequested
// is asked before every piece of 64 KiB is read. Once it answers true the
// reading ends, Cancelled is set and the result is "" (never the digest of
// the part read). Cancelled is cleared otherwise.
std::string HashFile(const std::string& FileName, int32_t AlgorithmId, int32_t NumeralSystem,
                     const THashStopRequest& StopRequested, bool& Cancelled);
