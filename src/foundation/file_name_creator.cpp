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

void StoreTrimmed(std::string& Field, std::string_view Value) {
  std::string trimmed = Trim(Value);
  if (trimmed != Field) Field = std::move(trimmed);
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

void TFileNameCreatorObj::SetFileNameOld(const std::string& FileName) {
  FFileNameOld = FileName;
  DividePathFileNameAndExt(FileName, FFolderOld, FNameOld, FExtensionOld);
}

void TFileNameCreatorObj::SetFolderNew(std::string_view Value) { StoreTrimmed(FFolderNew, Value); }
void TFileNameCreatorObj::SetNameNew(std::string_view Value) { StoreTrimmed(FNameNew, Value); }
void TFileNameCreatorObj::SetExtensionNew(std::string_view Value) { StoreTrimmed(FExtensionNew, Value); }

void TFileNameCreatorObj::SetKeepSubDirsBaseDir(const std::string& Folder) {
  if (Folder == FKeepSubDirsBaseDir) return;
  FKeepSubDirsBaseDir = Folder;
  if (FKeepSubDirsBaseDir.empty() || FKeepSubDirsBaseDir.back() != '/') FKeepSubDirsBaseDir += '/';
}

std::string FileNameChangeCustomPlaceholdersToLanguage(std::string_view Text, int32_t Language) {
  std::string s(Text);
  if (s.find('<') == std::string::npos) return s;
  for (const KeepPlaceholder& p : kKeepPlaceholders) s = StringReplaceFast(s, p.Text, kKeepGeneral);
  for (const KeepPlaceholder& p : kKeepPlaceholders)
    if (p.Language == Language) return StringReplaceFast(s, kKeepGeneral, p.Text);
  return s;
}
