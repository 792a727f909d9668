// The document reader on arbitrary bytes, by every extension (the ZIP packages
// through the extractor) and by the leading bytes alone: no crash, hang or
// allocation beyond the input and the extractor's limits.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/document_info.h"

namespace {

const char* const kExtensions[] = {"", "pdf", "rtf", "docx", "odt", "epub", "doc"};
constexpr size_t kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];

// One placeholder per extension makes the names exist; the readers' opener
// then serves the input from memory.
const std::string& Placeholder(size_t index) {
  static std::string names[kExtensionCount];
  if (names[index].empty()) {
    const auto dir = std::filesystem::temp_directory_path() / ("fuzz_document_info_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string name = (dir / "input").string();
    if (*kExtensions[index]) name += std::string(".") + kExtensions[index];
    std::ofstream(name).put('x');
    names[index] = name;
  }
  return names[index];
}

std::string gInput;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t index = data[0] % kExtensionCount;
  gInput.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
  static const bool opener = [] {
    SetStreamOpener(
        [](const std::string&) -> std::unique_ptr<TStream> { return std::make_unique<TMemoryStream>(gInput); });
    return true;
  }();
  (void)opener;
  TDocumentInfo info;
  const bool ok = info.GetDocumentData(Placeholder(index));
  if (ok && info.Format == difUnknow) std::abort();
  return 0;
}
