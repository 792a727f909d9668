// The facade by algorithm id: digest texts, numeral systems, unknown ids,
// files of every kind, failing streams and concurrent callers.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <random>
#include <sstream>
#include <thread>

#include "foundation/numeral_systems.h"
#include "hashes/hash_facade.h"
#include "support/test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFileBytes;

const int32_t kAllIds[] = {1000, 1001, 2001, 2002, 2003, 3001, 5001, 5002, 5003, 6000, 6001, 6002,
                           6003, 6004, 7001, 7002, 7003, 7004, 7005, 7006, 7007, 7008, 7009};

// The digest of bytes that need not be UTF-8 (HashStr would repair them).
std::string DigestOf(const std::string& bytes, int32_t id) {
  return CreateHashByAlgorithmId(id)->ComputeBytes(TByteArr(bytes.begin(), bytes.end()))->AsString();
}

std::string RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng());
  return s;
}

TEST(HashFacade, DigestsOfAbc) {
  struct {
    int32_t Id, NumeralSystem;
    const char* Expected;
  } cases[] = {
      {5003, 16, "900150983CD24FB0D6963F7D28E17F72"},
      {2002, 16, "352441C2"},
      {2003, 16, "C2412435"},
      {2001, 16, "73BB8C64"},
      {1000, 16, "024D0127"},
      {2002, 10, "891568578"},
      {2002, 2, "110101001001000100000111000010"},
      {2002, 36, "EQTEPU"},
      {2002, 62, "yKviM"},
      // A converted digest loses its leading zero.
      {1000, 16, "024D0127"},
      {1000, 10, "38600999"},
  };
  for (const auto& c : cases) EXPECT_EQ(HashStr("abc", c.Id, c.NumeralSystem), c.Expected) << c.Id;
}

TEST(HashFacade, TextIsHashedAsUTF8) {
  EXPECT_EQ(HashStr("\xC3\xA4", 5003, 16), DigestOf("\xC3\xA4", 5003));
  // Bytes that are no UTF-8 reach the hash as U+FFFD, as the text's way
  // through UTF-16 makes them.
  EXPECT_EQ(HashStr("\xFF", 5003, 16), DigestOf("\xEF\xBF\xBD", 5003));
}

TEST(HashFacade, UnknownIdGivesEmptyTextInEveryBase) {
  for (int32_t id : {4001, 0, -1, 1002, 7010, 5000})
    for (int32_t base : {16, 10, 2, 62}) {
      EXPECT_EQ(HashStr("abc", id, base), "") << id << " " << base;
      std::istringstream stream("abc");
      EXPECT_EQ(HashStream(&stream, id, base), "") << id << " " << base;
    }
  // A numeral system outside 2..62 has no digits to write with.
  EXPECT_EQ(HashStr("abc", 2002, 1), "");
  EXPECT_EQ(HashStr("abc", 2002, 63), "");
  EXPECT_EQ(HashStr("abc", 2002, 16 + 256), "");
}

TEST(HashFacade, StreamsFromTheirPosition) {
  const std::string content = RandomBytes(70000, 1);
  std::istringstream stream(content);
  stream.seekg(1000);
  EXPECT_EQ(HashStream(&stream, 7003, 16), DigestOf(content.substr(1000), 7003));
  EXPECT_EQ(HashStream(nullptr, 5003, 16), "D41D8CD98F00B204E9800998ECF8427E");
}

// A stream whose reads fail after some bytes.
class TFailingBuf : public std::streambuf {
 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    if (FDelivered > 0) throw std::ios_base::failure("device gone");
    std::fill(s, s + n, 'x');
    FDelivered += n;
    return n;
  }
  int_type underflow() override { throw std::ios_base::failure("device gone"); }

 private:
  std::streamsize FDelivered = 0;
};

TEST(HashFacade, FailingStreamGivesNoDigest) {
  TFailingBuf buffer;
  std::istream stream(&buffer);
  EXPECT_EQ(HashStream(&stream, 5003, 16), "");
}

TEST(HashFacade, FilesOfEveryKind) {
  TempDir dir;
  const std::string empty = dir.file("empty.bin");
  WriteFileBytes(empty, "");
  EXPECT_EQ(HashFile(empty, 1000, 16), "00000001");
  for (int32_t id : {2001, 2002, 2003}) EXPECT_EQ(HashFile(empty, id, 16), "00000000");
  EXPECT_EQ(HashFile(empty, 5003, 16), "D41D8CD98F00B204E9800998ECF8427E");
  for (int32_t id : kAllIds) {
    EXPECT_EQ(HashFile(dir.file("missing.bin"), id, 16), "") << id;
    EXPECT_EQ(HashFile(dir.file("missing.bin"), id, 10), "") << id;
    EXPECT_EQ(HashFile(dir.str(), id, 16), "") << id;  // a folder
  }
  EXPECT_EQ(HashFile("", 5003, 16), "");
  EXPECT_EQ(HashFile(std::string("a\0b", 3), 5003, 16), "");
  // Character device: not a regular file.
  EXPECT_EQ(HashFile("/dev/zero", 5003, 16), "");
  for (size_t n : {65535u, 65536u, 65537u, 200000u}) {
    const std::string content = RandomBytes(n, static_cast<uint32_t>(n));
    const std::string path = dir.file("data" + std::to_string(n));
    WriteFileBytes(path, content);
    for (int32_t id : kAllIds) EXPECT_EQ(HashFile(path, id, 16), DigestOf(content, id)) << id << " " << n;
    EXPECT_EQ(HashFile(path, 7003, 10), NSNumberToNSNumber(DigestOf(content, 7003), 16, 10));
  }
}

TEST(HashFacade, PipeGivesEmptyTextWithoutBlocking) {
  TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto result = std::async(std::launch::async, [&] { return HashFile(fifo, 5003, 16); });
  ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(result.get(), "");
}

TEST(HashFacade, FileOpenForWritingElsewhere) {
  TempDir dir;
  const std::string path = dir.file("open.bin");
  std::ofstream writer(path, std::ios::binary);
  writer << "abc";
  writer.flush();
  EXPECT_EQ(HashFile(path, 5003, 16), "900150983CD24FB0D6963F7D28E17F72");
}

TEST(HashFacade, UnreadableFileGivesEmptyText) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempDir dir;
  const std::string path = dir.file("secret.bin");
  WriteFileBytes(path, "abc");
  ::chmod(path.c_str(), 0);
  EXPECT_EQ(HashFile(path, 5003, 16), "");
}

TEST(HashFacade, EightThreadsEqualOneThread) {
  TempDir dir;
  std::vector<std::string> files;
  for (int k = 0; k < 8; ++k) {
    files.push_back(dir.file("f" + std::to_string(k)));
    WriteFileBytes(files.back(), RandomBytes(150000 + 977 * static_cast<size_t>(k), static_cast<uint32_t>(k)));
  }
  std::vector<std::vector<std::string>> single(8);
  for (int k = 0; k < 8; ++k)
    for (int32_t id : kAllIds) single[k].push_back(HashFile(files[k], id, 16));
  std::vector<std::vector<std::string>> parallel(8);
  std::vector<std::thread> threads;
  for (int k = 0; k < 8; ++k)
    threads.emplace_back([&, k] {
      // Each thread walks the ids in its own order so that different
      // algorithms run at the same time.
      for (size_t i = 0; i < std::size(kAllIds); ++i) {
        const size_t j = (i + static_cast<size_t>(k) * 3) % std::size(kAllIds);
        parallel[k].push_back(std::to_string(j) + HashFile(files[k], kAllIds[j], 16));
      }
    });
  for (auto& t : threads) t.join();
  for (int k = 0; k < 8; ++k) {
    ASSERT_EQ(parallel[k].size(), std::size(kAllIds));
    for (size_t i = 0; i < std::size(kAllIds); ++i) {
      const size_t j = (i + static_cast<size_t>(k) * 3) % std::size(kAllIds);
      EXPECT_EQ(parallel[k][i], std::to_string(j) + single[k][j]) << k << " " << kAllIds[j];
      EXPECT_FALSE(single[k][j].empty());
    }
  }
}

}  // namespace

TEST(HashFacade, FileHashingEndsOnAStopRequestAndSaysSo) {
  TempDir dir;
  // Not cancelled: exactly the digests of the plain call, whatever the sizes.
  for (size_t n : {0u, 65536u, 200000u}) {
    const std::string content = RandomBytes(n, static_cast<uint32_t>(n) + 7);
    const std::string path = dir.file("data" + std::to_string(n));
    WriteFileBytes(path, content);
    for (int32_t id : {2002, 5003, 7003}) {
      int asked = 0;
      bool cancelled = true;
      EXPECT_EQ(HashFile(
                    path, id, 16,
                    [&] {
                      ++asked;
                      return false;
                    },
                    cancelled),
                DigestOf(content, id))
          << id << " " << n;
      EXPECT_FALSE(cancelled);
      EXPECT_GE(asked, 1);
    }
  }
  // A large file: the request is asked while it is read, and the first true
  // ends the reading with no digest, reported as cancelled.
  const std::string big = dir.file("big.bin");
  ASSERT_TRUE(testsupport::WriteSparseFile(big, uint64_t{8} << 30));
  struct TCase {
    int32_t Id;
    int StopAtAsk;
  };
  for (const TCase c : {TCase{5003, 1}, TCase{7003, 3}, TCase{2002, 50}}) {
    SCOPED_TRACE(c.Id);
    int asked = 0;
    bool cancelled = false;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(HashFile(
                  big, c.Id, 16, [&] { return ++asked >= c.StopAtAsk; }, cancelled),
              "");
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(asked, c.StopAtAsk);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
  }
  // The same for a missing file: nothing to cancel.
  bool cancelled = true;
  EXPECT_EQ(HashFile(
                dir.file("missing.bin"), 5003, 16, [] { return true; }, cancelled),
            "");
  EXPECT_FALSE(cancelled);
}
