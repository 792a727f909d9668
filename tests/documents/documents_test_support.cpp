#include "documents_test_support.h"

#include <zip.h>

#include "test_support.h"

namespace documentstest {

std::vector<ZipEntry> ReadZip(const std::string& path) {
  std::vector<ZipEntry> entries;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!archive) return entries;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) break;
    ZipEntry entry;
    entry.Name = st.name;
    entry.Method = st.comp_method;
    entry.Data.resize(st.size);
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    if (file) {
      if (st.size > 0) zip_fread(file, entry.Data.data(), st.size);
      zip_fclose(file);
    }
    entries.push_back(std::move(entry));
  }
  zip_close(archive);
  return entries;
}

std::string ZipEntryData(const std::string& path, const std::string& name) {
  for (const ZipEntry& entry : ReadZip(path))
    if (entry.Name == name) return entry.Data;
  return {};
}

std::vector<std::string> ZipEntryNames(const std::string& path) {
  std::vector<std::string> names;
  for (const ZipEntry& entry : ReadZip(path)) names.push_back(entry.Name);
  return names;
}

std::string PythonText(const std::string& text) {
  std::string s = "bytes([";
  for (unsigned char c : text) s += std::to_string(c) + ",";
  return s + "]).decode('utf-8')";
}

std::string SofficeCommand(const std::string& folder) {
  return "HOME=" + testsupport::ShellQuote(folder) + " soffice -env:UserInstallation=file://" + folder +
         "/profile --headless ";
}

std::string CalcToCsvOptions(const std::string& outFolder) {
  return "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir " + testsupport::ShellQuote(outFolder);
}

std::string ConvertTablesToCsv(const std::string& folder, const std::string& outFolder,
                               const std::vector<std::string>& spreadsheets, const std::vector<std::string>& difFiles) {
  // DIF names no code page; without the option LibreOffice reads the system's.
  for (const auto& [files, filter] : {std::pair{&spreadsheets, ""}, std::pair{&difFiles, "--infilter='DIF:76' "}}) {
    if (files->empty()) continue;
    std::string command = SofficeCommand(folder) + filter + CalcToCsvOptions(outFolder);
    for (const std::string& f : *files) command += " " + testsupport::ShellQuote(f);
    const auto r = testsupport::RunCommand(command + " 2>&1");
    if (r.exitCode != 0) return r.out.empty() ? std::string("soffice failed") : r.out;
  }
  return "";
}

}  // namespace documentstest
