// The PDF reader on arbitrary bytes: cross-reference tables and streams,
// object streams and the page tree are read within the input, with every
// chain and stream bounded.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_file_input.h"

#include "fileinfo/pdf_info.h"

namespace {

TFuzzFileInput& Input() {
  static TFuzzFileInput input("fuzz_pdf_info", {"pdf"});
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string* file = Input().Take(data, size);
  if (!file) return 0;
  TDocumentInfoPDF pdf("", (data[0] & 1) == 0);
  pdf.ReadFromFile(*file);
  if (pdf.PageCount < 0) std::abort();
  pdf.GetMetaCreatedAsDateTime();
  return 0;
}
