#include "fileinfo/zip_extractor.h"

#include <zip.h>

#include <cstring>

namespace {

// libzip reads the archive through the library's own streams, so the files
// are opened the way every reader opens them.
struct TSourceState {
  TStream* Stream = nullptr;
  zip_error_t Error;
};

zip_int64_t StreamSourceCallback(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
  auto* st = static_cast<TSourceState*>(userdata);
  try {
    switch (cmd) {
      case ZIP_SOURCE_OPEN: st->Stream->SetPosition(0); return 0;
      case ZIP_SOURCE_READ: return st->Stream->Read(data, static_cast<int64_t>(len));
      case ZIP_SOURCE_CLOSE: return 0;
      case ZIP_SOURCE_STAT: {
        auto* s = static_cast<zip_stat_t*>(data);
        zip_stat_init(s);
        s->size = static_cast<zip_uint64_t>(st->Stream->GetSize());
        s->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
      }
      case ZIP_SOURCE_ERROR: return zip_error_to_data(&st->Error, data, len);
      case ZIP_SOURCE_FREE: return 0;
      case ZIP_SOURCE_SEEK: {
        const zip_int64_t target =
            zip_source_seek_compute_offset(static_cast<zip_uint64_t>(st->Stream->GetPosition()),
                                           static_cast<zip_uint64_t>(st->Stream->GetSize()), data, len, &st->Error);
        if (target < 0) return -1;
        st->Stream->SetPosition(target);
        return 0;
      }
      case ZIP_SOURCE_TELL: return st->Stream->GetPosition();
      case ZIP_SOURCE_SUPPORTS: return ZIP_SOURCE_SUPPORTS_SEEKABLE;
      default: zip_error_set(&st->Error, ZIP_ER_OPNOTSUPP, 0); return -1;
    }
  } catch (const std::exception&) {
    zip_error_set(&st->Error, ZIP_ER_READ, 0);
    return -1;
  }
}

bool EqualsIgnoringASCIICase(const char* a, const std::string& b) {
  const size_t n = std::strlen(a);
  if (n != b.size()) return false;
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

struct TZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct TZipFileCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};

}  // namespace

TZipFileExtractor::TZipFileExtractor(const std::string& archiveFileName) : FFileName(archiveFileName) {}

TZipFileExtractor::~TZipFileExtractor() { FBuffer.clear(); }

void TZipFileExtractor::DoCreateOutZipStream(std::unique_ptr<TMemoryStream>& stream) {
  stream = std::make_unique<TMemoryStream>();
}

void TZipFileExtractor::DoDoneOutZipStream(std::unique_ptr<TMemoryStream>& stream) {
  stream->SetPosition(0);
  FBuffer.clear();
  int64_t chunk = 1024;
  for (;;) {
    const size_t old = FBuffer.size();
    FBuffer.resize(old + static_cast<size_t>(chunk));
    const int64_t got = stream->Read(FBuffer.data() + old, chunk);
    FBuffer.resize(old + static_cast<size_t>(got));
    if (got < chunk) break;
    chunk *= 2;
  }
  stream.reset();
}

std::string TZipFileExtractor::GetFileFromZipAsString(const std::string& entryName) {
  std::unique_ptr<TStream> file = OpenStreamForReadingOrRaise(FFileName);
  TSourceState state;
  state.Stream = file.get();
  zip_error_init(&state.Error);
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_function_create(StreamSourceCallback, &state, &error);
  if (!source) {
    zip_error_fini(&error);
    throw EZipError("Cannot read the archive \"" + FFileName + "\"");
  }
  std::unique_ptr<zip_t, TZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
  if (!archive) {
    zip_source_free(source);
    const std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    zip_error_fini(&state.Error);
    throw EZipError("\"" + FFileName + "\" is no readable ZIP archive: " + text);
  }
  zip_error_fini(&error);

  std::string result;
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
    if (!name || !EqualsIgnoringASCIICase(name, entryName)) continue;
    zip_stat_t st;
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0)
      throw EZipError("Cannot read the entry \"" + entryName + "\"");
    const int64_t size = (st.valid & ZIP_STAT_SIZE) ? static_cast<int64_t>(st.size) : -1;
    const int64_t stored = (st.valid & ZIP_STAT_COMP_SIZE) ? static_cast<int64_t>(st.comp_size) : -1;
    if (size < 0 || size > kZipMaxEntrySize ||
        (stored >= 0 && size > stored * kZipMaxRatio && size > kZipRatioFreeSize))
      throw EZipError("The entry \"" + entryName + "\" is refused: it would inflate to " + std::to_string(size) +
                      " bytes");
    std::unique_ptr<zip_file_t, TZipFileCloser> entry(zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
    if (!entry) throw EZipError("Cannot open the entry \"" + entryName + "\"");
    std::unique_ptr<TMemoryStream> out;
    DoCreateOutZipStream(out);
    // The directory's size bounds the read, whatever the compressed data hold.
    std::string chunk(64 * 1024, '\0');
    int64_t total = 0;
    for (;;) {
      const zip_int64_t got = zip_fread(entry.get(), chunk.data(), chunk.size());
      if (got < 0) throw EZipError("Cannot read the entry \"" + entryName + "\"");
      if (got == 0) break;
      total += got;
      if (total > size) throw EZipError("The entry \"" + entryName + "\" holds more than its stated size");
      out->WriteBuffer(chunk.data(), got);
    }
    DoDoneOutZipStream(out);
    result.swap(FBuffer);
    FBuffer.clear();
    break;
  }
  zip_error_fini(&state.Error);
  return result;
}
