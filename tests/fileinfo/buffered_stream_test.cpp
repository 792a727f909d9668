#include "fileinfo/buffered_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A memory stream that records every read and write it receives and can be
// told to fail its writes.
class TRecordingStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  int64_t Read(void* buffer, int64_t count) override {
    ReadCalls.push_back({GetPosition(), count});
    return TMemoryStream::Read(buffer, count);
  }
  int64_t Write(const void* buffer, int64_t count) override {
    if (FailWrites) return 0;
    WriteCalls.push_back({GetPosition(), count});
    return TMemoryStream::Write(buffer, count);
  }
  struct TCall {
    int64_t Position, Count;
  };
  std::vector<TCall> ReadCalls, WriteCalls;
  bool FailWrites = false;
};

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + i / 256);
  return s;
}

TEST(BufferedStream, SmallReadsCostOneSourceReadPerKilobyte) {
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  std::string got;
  char four[4];
  int64_t n;
  while ((n = stream.Read(four, 4)) > 0) got.append(four, static_cast<size_t>(n));
  EXPECT_EQ(got, Pattern(3000));
  ASSERT_GE(source.ReadCalls.size(), 3u);
  EXPECT_EQ(source.ReadCalls[0].Position, 0);
  EXPECT_EQ(source.ReadCalls[1].Position, 1024);
  EXPECT_EQ(source.ReadCalls[2].Position, 2048);
  for (const auto& c : source.ReadCalls) EXPECT_EQ(c.Count, 1024);
  EXPECT_EQ(stream.Read(four, 4), 0);
  EXPECT_EQ(stream.GetPosition(), 3000);
}

TEST(BufferedStream, LastReadIsShortThenZero) {
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  std::vector<char> buf(2998);
  ASSERT_EQ(stream.Read(buf.data(), 2998), 2998);
  char four[4];
  EXPECT_EQ(stream.Read(four, 4), 2);
  EXPECT_EQ(stream.Read(four, 4), 0);
}

TEST(BufferedStream, SeekBackInsideBufferReadsNothingAgain) {
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  char first[20], again[10];
  ASSERT_EQ(stream.Read(first, 20), 20);
  size_t reads = source.ReadCalls.size();
  EXPECT_EQ(stream.Seek(-10, TSeekOrigin::Current), 10);
  ASSERT_EQ(stream.Read(again, 10), 10);
  EXPECT_EQ(source.ReadCalls.size(), reads);
  EXPECT_EQ(std::string(again, 10), std::string(first + 10, 10));
}

TEST(BufferedStream, SeekClampsAndCountsBackFromTheEnd) {
  struct TCase {
    int64_t Offset;
    TSeekOrigin Origin;
    int64_t Expected;
  };
  const TCase cases[] = {
      {5000, TSeekOrigin::Beginning, 3000},    {-5, TSeekOrigin::Beginning, 0},
      {100, TSeekOrigin::End, 2900},           {-100, TSeekOrigin::End, 3000},
      {INT64_MAX, TSeekOrigin::End, 0},        {INT64_MIN, TSeekOrigin::End, 3000},
      {INT64_MAX, TSeekOrigin::Current, 3000}, {INT64_MIN, TSeekOrigin::Current, 0},
  };
  for (const auto& c : cases) {
    TRecordingStream source(Pattern(3000));
    TBufferedStream stream(source);
    stream.Seek(500, TSeekOrigin::Beginning);
    EXPECT_EQ(stream.Seek(c.Offset, c.Origin), c.Expected) << c.Offset;
    EXPECT_EQ(stream.GetPosition(), c.Expected);
  }
}

TEST(BufferedStream, SeekOutsideBufferReadsFromTheTarget) {
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  char b[8];
  stream.Read(b, 8);
  stream.Seek(2500, TSeekOrigin::Beginning);
  ASSERT_EQ(stream.Read(b, 8), 8);
  EXPECT_EQ(std::string(b, 8), Pattern(3000).substr(2500, 8));
  EXPECT_EQ(source.ReadCalls.back().Position, 2500);
}

TEST(BufferedStream, WritesReachTheSourceAtKilobytesAndOnDestruction) {
  TRecordingStream source(std::string(100, 'x'));
  std::string data = Pattern(1500);
  {
    TBufferedStream stream(source);
    EXPECT_EQ(stream.Write(data.data(), 1500), 1500);
    ASSERT_EQ(source.WriteCalls.size(), 1u);
    EXPECT_EQ(source.WriteCalls[0].Count, 1024);
    EXPECT_EQ(stream.GetSize(), 1500);
  }
  ASSERT_EQ(source.WriteCalls.size(), 2u);
  EXPECT_EQ(source.WriteCalls[1].Position, 1024);
  EXPECT_EQ(source.WriteCalls[1].Count, 476);
  EXPECT_EQ(source.Data(), data);
}

TEST(BufferedStream, ReadAfterWriteContinuesBehindTheWrittenBytes) {
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  char b[4];
  stream.Read(b, 4);
  stream.Write("ABCD", 4);
  ASSERT_EQ(stream.Read(b, 4), 4);
  EXPECT_EQ(std::string(b, 4), Pattern(3000).substr(8, 4));
  EXPECT_EQ(source.Data().substr(4, 4), "ABCD");
  EXPECT_EQ(source.Data().size(), 3000u);
}

TEST(BufferedStream, FlushWithoutPendingWritesChangesNothing) {
  // Read-ahead bytes must not be written back over the following ones.
  TRecordingStream source(Pattern(3000));
  TBufferedStream stream(source);
  char b[10];
  stream.Read(b, 10);
  stream.WriteBuffer();
  EXPECT_TRUE(source.WriteCalls.empty());
  EXPECT_EQ(source.Data(), Pattern(3000));
  EXPECT_EQ(stream.GetPosition(), 10);
}

TEST(BufferedStream, SetSizeFlushesAndMovesToTheNewEnd) {
  TRecordingStream source(Pattern(3000));
  {
    TBufferedStream stream(source);
    stream.Write("AB", 2);
    stream.SetSize(10);
    EXPECT_EQ(stream.GetPosition(), 10);
    EXPECT_EQ(stream.GetSize(), 10);
    stream.Write("Z", 1);
  }
  EXPECT_EQ(source.Data(), "AB" + Pattern(3000).substr(2, 8) + "Z");
}

TEST(BufferedStream, FailedFlushIsRaised) {
  TRecordingStream source(Pattern(100));
  source.FailWrites = true;
  auto* stream = new TBufferedStream(source);
  stream->Write("abc", 3);
  EXPECT_THROW(stream->Seek(2000, TSeekOrigin::Beginning), EWriteError);
  EXPECT_THROW(delete stream, EWriteError);
}

TEST(FileStream, RefusesFoldersPipesAndDevicesAtOnce) {
  auto dir = std::filesystem::temp_directory_path() / ("bs_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::string fifo = (dir / "pipe").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(TFileStream::OpenRead(dir.string()), nullptr);
  EXPECT_EQ(TFileStream::OpenRead(fifo), nullptr);
  EXPECT_EQ(TFileStream::OpenRead("/dev/zero"), nullptr);
  EXPECT_EQ(TFileStream::OpenRead((dir / "missing").string()), nullptr);
  EXPECT_EQ(TFileStream::OpenRead(""), nullptr);
  std::ofstream((dir / "f").string()) << "hello";
  auto f = TFileStream::OpenRead((dir / "f").string());
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->GetSize(), 5);
  char b[8];
  EXPECT_EQ(f->Read(b, 8), 5);
  EXPECT_EQ(f->BytesRead(), 5);
  std::filesystem::remove_all(dir);
}

TEST(FileStream, InjectedOpenerServesEveryReader) {
  auto previous = SetStreamOpener([](const std::string& name) -> std::unique_ptr<TStream> {
    if (name == "memory") return std::make_unique<TMemoryStream>("data");
    return nullptr;
  });
  EXPECT_NE(OpenStreamForReading("memory"), nullptr);
  EXPECT_EQ(OpenStreamForReading("/etc/hostname"), nullptr);
  SetStreamOpener(previous);
}

}  // namespace
