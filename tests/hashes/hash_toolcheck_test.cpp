// Digests of random files of every size around the padding and chunk borders
// compared with rhash, openssl dgst and php's hash_file. SHA-0 and the RIPEMD
// of 1992 have no tool; their published vectors are checked elsewhere.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "hashes/hash_facade.h"
#include "support/test_support.h"

namespace {

using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const size_t kSizes[] = {0,   1,   55,  56,  63,  64,    65,    111,   112,    127,
                         128, 135, 136, 143, 144, 65535, 65536, 65537, 1000000};

struct TToolAlgorithm {
  int32_t Id;
  const char* Name;
  // The tool prints the digest's bytes in the opposite order to ours.
  bool Reversed = false;
};

class ToolCheckHashes : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 rng(20230);
    for (size_t n : kSizes) {
      std::string bytes(n, '\0');
      for (auto& c : bytes) c = static_cast<char>(rng());
      const std::string path = FDir.file("r" + std::to_string(n) + ".bin");
      WriteFileBytes(path, bytes);
      FFiles.push_back(path);
    }
  }

  std::string FileList() const {
    std::string list;
    for (const auto& f : FFiles) list += " " + ShellQuote(f);
    return list;
  }

  // Runs a command printing "digest<separator>path" lines and compares each
  // digest with ours for the same file.
  void Compare(const std::string& tool, const std::string& command, const TToolAlgorithm& algorithm) {
    const auto result = RunCommand(command + FileList() + " 2>&1");
    ASSERT_EQ(result.exitCode, 0) << command << "\n" << result.out;
    std::istringstream lines(result.out);
    std::string line;
    size_t seen = 0;
    while (std::getline(lines, line)) {
      const size_t space = line.find(' ');
      ASSERT_NE(space, std::string::npos) << line;
      std::string digest = line.substr(0, space);
      std::string path = line.substr(space + 1);
      path.erase(0, path.find_first_not_of(" *"));
      for (char& c : digest)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
      if (algorithm.Reversed) {
        std::string swapped;
        for (size_t k = digest.size(); k >= 2; k -= 2) swapped += digest.substr(k - 2, 2);
        digest = swapped;
      }
      EXPECT_EQ(HashFile(path, algorithm.Id, 16), digest) << tool << " " << algorithm.Name << " " << path;
      ++seen;
    }
    EXPECT_EQ(seen, FFiles.size()) << tool << " " << algorithm.Name << "\n" << result.out;
  }

  TempDir FDir;
  std::vector<std::string> FFiles;
};

TEST_F(ToolCheckHashes, Rhash) {
  const TToolAlgorithm algorithms[] = {
      {kHashMD4, "md4"},
      {kHashMD5, "md5"},
      {kHashSHA1, "sha1"},
      {kHashSHA224, "sha224"},
      {kHashSHA256, "sha256"},
      {kHashSHA384, "sha384"},
      {kHashSHA512, "sha512"},
      {kHashSHA3_224, "sha3-224"},
      {kHashSHA3_256, "sha3-256"},
      {kHashSHA3_384, "sha3-384"},
      {kHashSHA3_512, "sha3-512"},
      {kHashRIPEMD160, "ripemd160"},
      {kHashWhirlpool, "whirlpool"},
      {kHashGOST, "gost94"},
      {kHashCRC32, "crc32"},
      {kHashCRC32Reversed, "crc32", true},
  };
  for (const auto& a : algorithms) Compare("rhash", std::string("rhash --simple --") + a.Name, a);
}

TEST_F(ToolCheckHashes, OpensslDgst) {
  const TToolAlgorithm algorithms[] = {
      {kHashMD4, "md4"},
      {kHashMD5, "md5"},
      {kHashSHA1, "sha1"},
      {kHashSHA224, "sha224"},
      {kHashSHA256, "sha256"},
      {kHashSHA384, "sha384"},
      {kHashSHA512, "sha512"},
      {kHashSHA3_224, "sha3-224"},
      {kHashSHA3_256, "sha3-256"},
      {kHashSHA3_384, "sha3-384"},
      {kHashSHA3_512, "sha3-512"},
      {kHashRIPEMD160, "ripemd160"},
      {kHashWhirlpool, "whirlpool"},
  };
  for (const auto& a : algorithms) {
    // MD4 and Whirlpool live in OpenSSL's legacy provider.
    const std::string providers =
        (a.Id == kHashMD4 || a.Id == kHashWhirlpool) ? " -provider legacy -provider default" : "";
    Compare("openssl", std::string("openssl dgst -r -") + a.Name + providers, a);
  }
}

TEST_F(ToolCheckHashes, PhpHash) {
  const TToolAlgorithm algorithms[] = {
      {kHashMD2, "md2"},
      {kHashMD4, "md4"},
      {kHashMD5, "md5"},
      {kHashSHA1, "sha1"},
      {kHashSHA224, "sha224"},
      {kHashSHA256, "sha256"},
      {kHashSHA384, "sha384"},
      {kHashSHA512, "sha512"},
      {kHashSHA3_224, "sha3-224"},
      {kHashSHA3_256, "sha3-256"},
      {kHashSHA3_384, "sha3-384"},
      {kHashSHA3_512, "sha3-512"},
      {kHashRIPEMD128, "ripemd128"},
      {kHashRIPEMD160, "ripemd160"},
      {kHashRIPEMD256, "ripemd256"},
      {kHashRIPEMD320, "ripemd320"},
      {kHashWhirlpool, "whirlpool"},
      {kHashGOST, "gost"},
      {kHashAdler32, "adler32"},
      // php's "crc32" is the BZIP2 CRC printed least significant byte first.
      {kHashCRC32BZIP2Reversed, "crc32"},
      {kHashCRC32, "crc32b"},
      {kHashCRC32Reversed, "crc32b", true},
  };
  for (const auto& a : algorithms)
    Compare("php",
            std::string("php -r 'foreach (array_slice($argv, 2) as $f) echo hash_file($argv[1], $f), \" \", $f, "
                        "\"\\n\";' ") +
                a.Name,
            a);
}

}  // namespace
