#include "settingspanels/core/save_target_names.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/str_transform.h"
#include "text/language_constants.h"

namespace {

constexpr std::string_view kKeep = "<keep>";

struct TReplacement {
  const char* From;
  const char* To;
};

// Longer tokens go first, so that "%tt%" is never read as "%t%" twice.
constexpr TReplacement kNeutralForms[] = {
    {"%ordner%/neu", "%folder%/new"},
    {"%carpeta%/nuevo", "%folder%/new"},
    {"%dossier%/nouveau", "%folder%/new"},
    {"%ordner", "%folder"},
    {"%dossier", "%folder"},
    {"%carpeta", "%folder"},
    {"%jjjj%", "%yyyy%"},
    {"%jj%", "%yy%"},
    {"%tt%", "%dd%"},
    {"%t%", "%d%"},
};
constexpr TReplacement kGermanDateForms[] = {
    {"%yyyy%", "%jjjj%"},
    {"%yy%", "%jj%"},
    {"%dd%", "%tt%"},
    {"%d%", "%t%"},
};

std::string Number(int64_t value, int32_t width = 0) {
  char digits[24];
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  std::string text(digits, end);
  if (static_cast<int32_t>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

int32_t DigitCount(int64_t value) { return static_cast<int32_t>(Number(value < 0 ? -value : value).size()); }

struct TMoment {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// Everything a pattern may refer to for one source file.
class TExpansion {
 public:
  TExpansion(const TFileNameCreatorObj& creator, const TMoment& moment) : FCreator(creator), FMoment(moment) {
    // The replacement must not bring back what it replaces.
    for (char c : creator.DisallowedCharReplacement)
      if (!IsRefused(c)) FReplacement += c;
  }

  // Values a pattern puts into a file name lose the characters no name may hold.
  std::string Sanitised(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
      if (IsRefused(c))
        out += FReplacement;
      else
        out += c;
    return out;
  }

  // Replaces every known token of pattern; keep stands for "<keep>". With
  // sanitiseValues the values are cleaned before they go in, as folder
  // patterns keep their own "/" while a name is cleaned as a whole.
  std::string Expand(std::string_view pattern, const std::string& keep, bool sanitiseValues) const {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
      if (pattern.compare(i, kKeep.size(), kKeep) == 0) {
        out += keep;
        i += kKeep.size();
        continue;
      }
      if (pattern[i] == '%') {
        const size_t close = pattern.find('%', i + 1);
        if (close != std::string_view::npos) {
          const std::string_view token = pattern.substr(i + 1, close - i - 1);
          std::string value;
          bool wholePath = false;
          if (TokenValue(token, value, wholePath)) {
            out += sanitiseValues && !wholePath ? Sanitised(value) : value;
            i = close + 1;
            continue;
          }
        }
      }
      out += pattern[i++];
    }
    return out;
  }

 private:
  bool IsRefused(char c) const {
    // No file name on this system can hold "/" or NUL, whatever the option says.
    if (c == '/' || c == '\0') return true;
    return FCreator.RemoveDisallowedChars && !FileNameOnlyContainsAllowedChars(std::string(1, c));
  }

  bool TokenValue(std::string_view token, std::string& value, bool& wholePath) const {
    const TMoment& m = FMoment;
    if (token == "folder") {
      value = FCreator.FolderOld();
      wholePath = true;
    } else if (token == "folder1") {
      value = ExtractFolderNameOfLevel(FCreator.FileNameOld(), -1);
    } else if (token == "name") {
      value = FCreator.NameOld();
    } else if (token == "num") {
      value = Number(FCreator.FileNumber);
    } else if (token == "abs") {
      value = Number(FCreator.FileCount);
    } else if (token == "abs0num") {
      value = Number(FCreator.FileNumber, DigitCount(FCreator.FileCount));
    } else if (token == "yyyy") {
      value = Number(m.Year, 4);
    } else if (token == "yy") {
      value = Number(m.Year % 100, 2);
    } else if (token == "mm") {
      value = Number(m.Month, 2);
    } else if (token == "dd") {
      value = Number(m.Day, 2);
    } else if (token == "d") {
      value = Number(m.Day);
    } else if (token == "hh") {
      value = Number(m.Hour, 2);
    } else if (token == "ii") {
      value = Number(m.Minute, 2);
    } else if (token == "ss") {
      value = Number(m.Second, 2);
    } else if (token == "date") {
      value = Number(m.Year, 4) + "-" + Number(m.Month, 2) + "-" + Number(m.Day, 2);
    } else if (token == "time") {
      value = Number(m.Hour, 2) + "-" + Number(m.Minute, 2) + "-" + Number(m.Second, 2);
    } else {
      return false;
    }
    return true;
  }

  const TFileNameCreatorObj& FCreator;
  TMoment FMoment;
  std::string FReplacement;
};

std::string Neutral(const std::string& pattern) { return TranslateSaveTargetPlaceholders(pattern, SprLangEnglish); }

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// The source's folder below the base, "" when it does not lie below it.
std::string SubFoldersBelow(const std::string& base, const std::string& folder) {
  if (base.empty()) return std::string();
  const std::string withSlash = folder + "/";
  if (withSlash.size() <= base.size() || withSlash.compare(0, base.size(), base) != 0) return std::string();
  return WithoutTrailingSlashes(withSlash.substr(base.size()));
}

}  // namespace

std::string TranslateSaveTargetPlaceholders(const std::string& text, uint32_t language) {
  if (text.empty()) return std::string();
  std::string s = FileNameChangeCustomPlaceholdersToLanguage(text, static_cast<int32_t>(language));
  if (s.find('%') != std::string::npos)
    for (const TReplacement& r : kNeutralForms) s = StringReplaceFast(s, r.From, r.To);
  if (language == static_cast<uint32_t>(SprLangGerman))
    for (const TReplacement& r : kGermanDateForms) s = StringReplaceFast(s, r.From, r.To);
  return s;
}

std::string CreateSaveTargetFileName(const TFileNameCreatorObj& creator, TDateTime moment) {
  TMoment m;
  int millisecond = 0;
  if (!DecodeDateTime(moment, m.Year, m.Month, m.Day, m.Hour, m.Minute, m.Second, millisecond)) return std::string();
  const TExpansion expansion(creator, m);

  std::string folderPattern = Neutral(creator.FolderNew());
  if (folderPattern.empty()) folderPattern = std::string(kKeep);
  const bool namesSourceFolder =
      folderPattern.find(kKeep) != std::string::npos || folderPattern.find("%folder%") != std::string::npos;
  std::string folder = expansion.Expand(folderPattern, creator.FolderOld(), true);
  // A relative folder would depend on the program's working folder.
  if (!creator.FolderOld().empty() && (folder.empty() || folder.front() != '/'))
    folder = creator.FolderOld() + (folder.empty() ? "" : "/" + folder);
  if (creator.KeepSubDirs && !namesSourceFolder) {
    const std::string sub = SubFoldersBelow(creator.KeepSubDirsBaseDir(), creator.FolderOld());
    if (!sub.empty()) folder = WithoutTrailingSlashes(folder) + "/" + sub;
  }
  folder = WithoutTrailingSlashes(folder);

  std::string namePattern = Neutral(creator.NameNew());
  if (namePattern.empty()) namePattern = std::string(kKeep);
  const std::string name = expansion.Sanitised(expansion.Expand(namePattern, creator.NameOld(), false));

  const std::string extPattern = Neutral(creator.ExtensionNew());
  std::string ext;
  if (extPattern.empty() || extPattern == kKeep) {
    ext = creator.ExtensionOld();
  } else {
    ext = expansion.Expand(extPattern, creator.ExtensionOld(), false);
    ext.erase(0, ext.find_first_not_of('.'));
    if (creator.ExtensionAlwaysLowerCase) ext = UTF8LowerCase(ext);
  }
  ext = expansion.Sanitised(ext);

  // A pattern that comes to nothing would make a hidden file of the extension.
  if (name.empty() && !creator.NameOld().empty()) return std::string();
  const std::string file = ext.empty() ? name : name + "." + ext;
  if (file.empty() || file == "." || file == "..") return std::string();
  if (folder.empty()) return file;
  return folder == "/" ? folder + file : folder + "/" + file;
}
