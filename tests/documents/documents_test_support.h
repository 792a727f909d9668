// Reading back the packages the writers produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace documentstest {

struct ZipEntry {
  std::string Name;
  int32_t Method = -1;  // ZIP_CM_STORE or ZIP_CM_DEFLATE
  std::string Data;
};

// Every entry in archive order; empty when the file is no readable archive.
std::vector<ZipEntry> ReadZip(const std::string& path);
// The data of the named entry; "" when missing.
std::string ZipEntryData(const std::string& path, const std::string& name);
// The entry names in order.
std::vector<std::string> ZipEntryNames(const std::string& path);

// A Python expression giving the text: its bytes decoded as UTF-8, so that no
// character needs an escaping rule of its own.
std::string PythonText(const std::string& text);
// The start of a LibreOffice command line with a profile of its own in the
// folder, so that no other office process interferes.
std::string SofficeCommand(const std::string& folder);
// The options converting spreadsheets to CSV in UTF-8, with commas and double
// quotes, into the output folder.
std::string CalcToCsvOptions(const std::string& outFolder);
// Has LibreOffice convert the spreadsheets (XLSX, ODS) in one call and the
// DIF files, read as UTF-8, in another, to CSV files of the same names in
// outFolder; "" when both calls succeeded, else what they printed.
std::string ConvertTablesToCsv(const std::string& folder, const std::string& outFolder,
                               const std::vector<std::string>& spreadsheets, const std::vector<std::string>& difFiles);

}  // namespace documentstest
