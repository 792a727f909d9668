// The document reader on arbitrary bytes, by every extension (the ZIP packages
// through the extractor, HTML through the markup tree) and by the leading
// bytes alone: no crash, hang or allocation beyond the input and the
// extractor's limits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/document_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_document_info",
                              {"", "pdf", "rtf", "docx", "odt", "epub", "doc", "html", "xlsx", "ods"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;
  TDocumentInfo info;
  const bool ok = info.GetDocumentData(*file);
  if (ok && info.Format == difUnknow) std::abort();
  return 0;
}
