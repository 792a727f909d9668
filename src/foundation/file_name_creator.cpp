#include "foundation/file_name_creator.h"

#include "foundation/paths.h"
#include "foundation/str_transform.h"

namespace {

// The language constants live in the text layer above this one; the three
// languages with a placeholder of their own are listed here by number.
struct KeepPlaceholder {
  int32_t Language;
  const char* Text;
};
constexpr KeepPlaceholder kKeepPlaceholders[] = {
    {1, "<beibehalten>"},  // German
    {4, "<preservar>"},    // Spanish
    {6, "<conserver>"},    // French
};
constexpr std::string_view kKeepGeneral = "<keep>";

void StoreTrimmed(std::string& field, std::string_view value) {
  std::string trimmed = Trim(value);
  if (trimmed != field) field = std::move(trimmed);
}

}  // namespace

TFileNameCreatorObj::TFileNameCreatorObj() { Reset(); }

void TFileNameCreatorObj::Reset() {
  FFileNameOld.clear();
  FFolderOld.clear();
  FNameOld.clear();
  FExtensionOld.clear();
  FFolderNew.clear();
  FNameNew.clear();
  FExtensionNew.clear();
  FKeepSubDirsBaseDir.clear();
  FileNumber = 1;
  FileCount = 1;
  KeepSubDirs = false;
}

void TFileNameCreatorObj::SetFileNameOld(const std::string& fileName) {
  FFileNameOld = fileName;
  DividePathFileNameAndExt(fileName, FFolderOld, FNameOld, FExtensionOld);
}

void TFileNameCreatorObj::SetFolderNew(std::string_view value) { StoreTrimmed(FFolderNew, value); }
void TFileNameCreatorObj::SetNameNew(std::string_view value) { StoreTrimmed(FNameNew, value); }
void TFileNameCreatorObj::SetExtensionNew(std::string_view value) { StoreTrimmed(FExtensionNew, value); }

void TFileNameCreatorObj::SetKeepSubDirsBaseDir(const std::string& folder) {
  if (folder == FKeepSubDirsBaseDir) return;
  FKeepSubDirsBaseDir = folder;
  if (FKeepSubDirsBaseDir.empty() || FKeepSubDirsBaseDir.back() != '/') FKeepSubDirsBaseDir += '/';
}

std::string FileNameChangeCustomPlaceholdersToLanguage(std::string_view text, int32_t language) {
  std::string s(text);
  if (s.find('<') == std::string::npos) return s;
  for (const KeepPlaceholder& p : kKeepPlaceholders) s = StringReplaceFast(s, p.Text, kKeepGeneral);
  for (const KeepPlaceholder& p : kKeepPlaceholders)
    if (p.Language == language) return StringReplaceFast(s, kKeepGeneral, p.Text);
  return s;
}
