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

}  // namespace documentstest
