#include "documents/office_package.h"

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "documents/table_export_buffer.h"
#include "foundation/posix_files.h"
#include "foundation/text_files.h"

namespace {

bool ReadWholeFile(const std::string& path, std::string& data) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// zlib's default level.
constexpr int kDeflateDefaultLevel = 6;
constexpr uint64_t kZipLimit = 0xFFFFFFFFu;
constexpr uint16_t kMethodStore = 0;
constexpr uint16_t kMethodDeflate = 8;

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The local time in the form ZIP entries carry it.
void DosDateTime(uint16_t& date, uint16_t& time) {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  if (tm.tm_year < 80) {
    date = (1 << 5) | 1;
    time = 0;
    return;
  }
  date = static_cast<uint16_t>(((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
  time = static_cast<uint16_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
}

// A ZIP archive written front to back into a file descriptor. Every entry's
// local header is written with its sizes and checksum open and filled in once
// the data is through, so that no entry needs to be in memory as a whole.
class TZipArchiveWriter {
 public:
  explicit TZipArchiveWriter(int fd) : FFd(fd) {
    FOut.reserve(kOutSize);
    DosDateTime(FDate, FTime);
  }
  ~TZipArchiveWriter() {
    if (FDeflating) deflateEnd(&FZ);
  }
  TZipArchiveWriter(const TZipArchiveWriter&) = delete;
  TZipArchiveWriter& operator=(const TZipArchiveWriter&) = delete;

  bool Begin(const std::string& name, bool store) {
    if (!FOk || name.size() > 0xFFFF || FEntries.size() >= 0xFFFF) return FOk = false;
    TEntry e;
    e.Name = name;
    e.Method = store ? kMethodStore : kMethodDeflate;
    e.Offset = Offset();
    FEntries.push_back(e);
    std::string h;
    Put32(h, 0x04034b50);
    Put16(h, e.Method == kMethodStore ? 10 : 20);
    Put16(h, 0);
    Put16(h, e.Method);
    Put16(h, FTime);
    Put16(h, FDate);
    Put32(h, 0);  // checksum and sizes: filled in by End
    Put32(h, 0);
    Put32(h, 0);
    Put16(h, static_cast<uint32_t>(name.size()));
    Put16(h, 0);
    h += name;
    Append(h);
    // The header goes to the file now, so that End can fill it in there.
    Flush();
    if (!store) {
      FZ = z_stream{};
      if (deflateInit2(&FZ, kDeflateDefaultLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return FOk = false;
      FDeflating = true;
    }
    return FOk;
  }

  bool Data(std::string_view data) {
    if (!FOk) return false;
    TEntry& e = FEntries.back();
    e.Crc = static_cast<uint32_t>(Crc(e.Crc, data));
    e.Size += data.size();
    if (!FDeflating) {
      e.CompressedSize += data.size();
      Append(data);
      return FOk;
    }
    return Deflate(data, Z_NO_FLUSH);
  }

  bool End() {
    if (!FOk) return false;
    TEntry& e = FEntries.back();
    if (FDeflating) {
      Deflate({}, Z_FINISH);
      deflateEnd(&FZ);
      FDeflating = false;
    }
    if (!FOk || e.Size > kZipLimit || e.CompressedSize > kZipLimit || e.Offset > kZipLimit) return FOk = false;
    std::string fields;
    Put32(fields, e.Crc);
    Put32(fields, static_cast<uint32_t>(e.CompressedSize));
    Put32(fields, static_cast<uint32_t>(e.Size));
    // The header reached the file in Begin.
    if (::pwrite(FFd, fields.data(), fields.size(), static_cast<off_t>(e.Offset + 14)) !=
        static_cast<ssize_t>(fields.size()))
      FOk = false;
    return FOk;
  }

  bool Close() {
    if (!FOk) return false;
    const uint64_t directoryOffset = Offset();
    std::string d;
    for (const TEntry& e : FEntries) {
      Put32(d, 0x02014b50);
      Put16(d, (3 << 8) | 20);  // made on Unix, ZIP 2.0
      Put16(d, e.Method == kMethodStore ? 10 : 20);
      Put16(d, 0);
      Put16(d, e.Method);
      Put16(d, FTime);
      Put16(d, FDate);
      Put32(d, e.Crc);
      Put32(d, static_cast<uint32_t>(e.CompressedSize));
      Put32(d, static_cast<uint32_t>(e.Size));
      Put16(d, static_cast<uint32_t>(e.Name.size()));
      Put16(d, 0);
      Put16(d, 0);
      Put16(d, 0);
      Put16(d, 0);
      Put32(d, 0100644u << 16);  // a plain file, readable by all
      Put32(d, static_cast<uint32_t>(e.Offset));
      d += e.Name;
    }
    const uint64_t directorySize = d.size();
    Put32(d, 0x06054b50);
    Put16(d, 0);
    Put16(d, 0);
    Put16(d, static_cast<uint32_t>(FEntries.size()));
    Put16(d, static_cast<uint32_t>(FEntries.size()));
    Put32(d, static_cast<uint32_t>(directorySize));
    Put32(d, static_cast<uint32_t>(directoryOffset));
    Put16(d, 0);
    if (directoryOffset + directorySize > kZipLimit) return FOk = false;
    Append(d);
    Flush();
    return FOk;
  }

 private:
  struct TEntry {
    std::string Name;
    uint16_t Method = kMethodDeflate;
    uint64_t Offset = 0;
    uint32_t Crc = 0;
    uint64_t Size = 0;
    uint64_t CompressedSize = 0;
  };
  static constexpr size_t kOutSize = size_t{1} << 20;

  static uLong Crc(uLong crc, std::string_view data) {
    // zlib takes lengths of 32 bits.
    while (!data.empty()) {
      const size_t n = std::min<size_t>(data.size(), std::numeric_limits<uInt>::max());
      crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(n));
      data.remove_prefix(n);
    }
    return crc;
  }

  uint64_t Offset() const { return FWritten + FOut.size(); }

  void Append(std::string_view v) {
    if (FOut.size() + v.size() > kOutSize) Flush();
    if (v.size() > kOutSize) {
      if (FOk && !WriteAllToFd(FFd, v)) FOk = false;
      FWritten += v.size();
      return;
    }
    FOut.append(v);
  }

  void Flush() {
    if (FOut.empty()) return;
    if (FOk && !WriteAllToFd(FFd, FOut)) FOk = false;
    FWritten += FOut.size();
    FOut.clear();
  }

  // Compresses straight into the free room of the output buffer.
  bool Deflate(std::string_view data, int flush) {
    FZ.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    size_t inLeft = data.size();
    for (;;) {
      const size_t feed = std::min<size_t>(inLeft, std::numeric_limits<uInt>::max());
      FZ.avail_in = static_cast<uInt>(feed);
      if (FOut.size() == kOutSize) Flush();
      const size_t before = FOut.size();
      FOut.resize(kOutSize);
      FZ.next_out = reinterpret_cast<Bytef*>(FOut.data() + before);
      FZ.avail_out = static_cast<uInt>(kOutSize - before);
      const int finalFlush = feed == inLeft ? flush : Z_NO_FLUSH;
      const int r = deflate(&FZ, finalFlush);
      const size_t produced = kOutSize - before - FZ.avail_out;
      FOut.resize(before + produced);
      FEntries.back().CompressedSize += produced;
      inLeft -= feed - FZ.avail_in;
      if (r == Z_STREAM_ERROR) return FOk = false;
      if (finalFlush == Z_FINISH) {
        if (r == Z_STREAM_END) return FOk;
        continue;
      }
      if (inLeft == 0 && FZ.avail_in == 0 && FZ.avail_out != 0) return FOk;
    }
  }

  int FFd;
  std::string FOut;
  uint64_t FWritten = 0;
  bool FOk = true;
  uint16_t FDate = 0, FTime = 0;
  std::vector<TEntry> FEntries;
  z_stream FZ{};
  bool FDeflating = false;
};

}  // namespace

void TOfficePackage::AddPart(std::string AEntryName, std::string AData) {
  FEntries.push_back({std::move(AEntryName), std::move(AData), nullptr});
}

void TOfficePackage::AddStreamedPart(std::string AEntryName, TOfficePartWriter AWriter) {
  FEntries.push_back({std::move(AEntryName), std::string(), std::move(AWriter)});
}

bool TOfficePackage::AddFileFromDisk(std::string AEntryName, const std::string& APath) {
  std::string data;
  errno = 0;
  if (!ReadWholeFile(APath, data)) {
    // The save that needed the file fails for this reason.
    SetLastFileWriteError(errno != 0 ? errno : EIO);
    return false;
  }
  AddPart(std::move(AEntryName), std::move(data));
  return true;
}

bool TOfficePackage::SaveToFile(const std::string& AFileName) const {
  // Every refusal leaves its reason for the message that reports it.
  const auto refuse = [](int reason) {
    SetLastFileWriteError(reason);
    return false;
  };
  if (AFileName.empty()) return refuse(ENOENT);
  if (FEntries.empty()) return refuse(EINVAL);
  struct stat old {};
  // A link must lead to a file or to nothing; the archive replaces that file.
  if (::lstat(AFileName.c_str(), &old) == 0) {
    if (S_ISLNK(old.st_mode) && ::stat(AFileName.c_str(), &old) != 0) return refuse(errno);
    if (!S_ISREG(old.st_mode)) return refuse(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
  }
  const auto write = [this](int fd) {
    TZipArchiveWriter zip(fd);
    std::string buffer;
    for (size_t i = 0; i < FEntries.size(); ++i) {
      const TOfficePackageEntry& entry = FEntries[i];
      if (!zip.Begin(entry.Name, StoreFirstFileUncompressed && i == 0)) return false;
      if (entry.Writer) {
        TTextBuffer out(buffer, [&zip](std::string_view piece) { return zip.Data(piece); });
        entry.Writer(out);
        out.Finish();
        if (out.Failed()) return false;
      } else if (!zip.Data(entry.Data)) {
        return false;
      }
      if (!zip.End()) return false;
    }
    return zip.Close();
  };
  // The folder must be there: a package is never the first thing in a new folder.
  return WriteFileSafelyBy(AFileName, write, false, false) == TFileWriteResult::Written;
}

TZipperFilelist::TZipperFilelist(const TStrArray& AFiles, std::string AZipFileName)
    : FFiles(AFiles), FZipFileName(std::move(AZipFileName)) {
  if (!FFiles.empty()) {
    const std::string& first = FFiles.front();
    const size_t slash = first.find_last_of('/');
    SetBaseDir(slash == std::string::npos ? std::string() : first.substr(0, slash + 1));
  }
}

void TZipperFilelist::SetBaseDir(const std::string& ADir) {
  if (ADir == FBaseDir) return;
  FBaseDir = ADir;
  if (!FBaseDir.empty() && FBaseDir.back() != '/') FBaseDir += '/';
}

bool TZipperFilelist::Execute() {
  TOfficePackage package;
  package.StoreFirstFileUncompressed = StoreFirstFileUncompressed;
  for (const std::string& path : FFiles) {
    std::string name = path;
    // The first occurrence anywhere, not only as a prefix.
    if (!FBaseDir.empty()) {
      const size_t at = name.find(FBaseDir);
      if (at != std::string::npos) name.erase(at, FBaseDir.size());
    }
    if (!package.AddFileFromDisk(std::move(name), path)) return false;
  }
  return package.SaveToFile(FZipFileName);
}
