#include "documents/office_package.h"

#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "foundation/text_files.h"

namespace {

bool ReadWholeFile(const std::string& path, std::string& data) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The system's reason behind a failed libzip call, for the saves' report.
void RecordZipFailure(zip_error_t* error) {
  SetLastFileWriteError(zip_error_system_type(error) == ZIP_ET_SYS ? zip_error_code_system(error) : 0);
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

void TOfficePackage::AddPart(std::string AEntryName, std::string AData) {
  FEntries.push_back({std::move(AEntryName), std::move(AData)});
}

bool TOfficePackage::AddFileFromDisk(std::string AEntryName, const std::string& APath) {
  std::string data;
  if (!ReadWholeFile(APath, data)) return false;
  AddPart(std::move(AEntryName), std::move(data));
  return true;
}

bool TOfficePackage::SaveToFile(const std::string& AFileName) const {
  if (FEntries.empty() || AFileName.empty()) return false;
  std::string target = AFileName;
  struct stat old {};
  bool existed = ::lstat(target.c_str(), &old) == 0;
  if (existed && S_ISLNK(old.st_mode)) {
    // Replace the file the link points to, not the link itself.
    std::error_code ec;
    target = std::filesystem::canonical(AFileName, ec).string();
    if (ec || ::stat(target.c_str(), &old) != 0) return false;
  }
  if (existed && !S_ISREG(old.st_mode)) return false;

  // ZIP_TRUNCATE ignores the old content: libzip writes a temporary file in the
  // target's folder and renames it over the target only in zip_close.
  int error = 0;
  zip_t* archive = zip_open(target.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) {
    zip_error_t openError;
    zip_error_init_with_code(&openError, error);
    RecordZipFailure(&openError);
    zip_error_fini(&openError);
    return false;
  }
  bool ok = true;
  for (size_t i = 0; i < FEntries.size() && ok; ++i) {
    const TOfficePackageEntry& entry = FEntries[i];
    // The buffers stay alive until zip_close, so libzip need not copy them.
    zip_source_t* source = zip_source_buffer(archive, entry.Data.data(), entry.Data.size(), 0);
    if (!source) {
      ok = false;
      break;
    }
    const zip_int64_t index = zip_file_add(archive, entry.Name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
      zip_source_free(source);
      ok = false;
      break;
    }
    const bool store = StoreFirstFileUncompressed && i == 0;
    // zlib's default level: libzip's own default for deflate is the slowest.
    constexpr zip_uint32_t kDeflateDefaultLevel = 6;
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 store ? 0 : kDeflateDefaultLevel) != 0)
      ok = false;
  }
  if (!ok || zip_close(archive) != 0) {
    RecordZipFailure(zip_get_error(archive));
    zip_discard(archive);
    return false;
  }
  // libzip creates its temporary file private to the owner; give the archive
  // the permissions the replaced file had, or those of any new file.
  const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
  ::chmod(target.c_str(), mode);
  return true;
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
