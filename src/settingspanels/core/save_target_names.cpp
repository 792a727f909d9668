#include "settingspanels/core/save_target_names.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"
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

// The most bytes one name in a folder may take on the file systems we write to.
constexpr size_t kMaxNameBytes = 255;

// The parts between the "/" of a path, empty ones left out.
TStrArray PathParts(std::string_view path) {
  TStrArray parts;
  ExplodeAtChar(parts, '/', path);
  std::erase(parts, std::string());
  return parts;
}

struct TNormalPath {
  bool Absolute = false;
  TStrArray Parts;
};

// The path with "." left out and each ".." taking away the part before it,
// without asking the file system. Above the root there is nothing to go to;
// a ".." above the start of a relative path stays unless clampAtStart drops it.
TNormalPath Normalised(std::string_view path, bool clampAtStart) {
  TNormalPath out;
  out.Absolute = !path.empty() && path.front() == '/';
  for (std::string& part : PathParts(path)) {
    if (part == ".") continue;
    if (part != "..") {
      out.Parts.push_back(std::move(part));
    } else if (!out.Parts.empty() && out.Parts.back() != "..") {
      out.Parts.pop_back();
    } else if (!out.Absolute && !clampAtStart) {
      out.Parts.push_back(std::move(part));
    }
  }
  return out;
}

std::string NormalisedPath(std::string_view path, bool clampAtStart) {
  const TNormalPath normal = Normalised(path, clampAtStart);
  return (normal.Absolute ? "/" : "") + Implode(normal.Parts, "/");
}

// The longest start of text within maxBytes that does not end inside a character.
std::string_view UTF8Start(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = maxBytes;
  // A character has at most three bytes after its first; a longer run of
  // such bytes is no character to keep whole.
  for (int back = 0; back < 3 && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back) --end;
  return text.substr(0, end);
}

// name.ext within the bytes one name may take. The extension stays, and the
// values in the name are cut first: the pattern's own text (the "-1" of
// "%name%-1") is what tells the file from its source, and cutting it away
// could give the source's own name. nameWithValuesCutTo(n) is the name with
// every value cut to at most n bytes.
template <typename NameWithValuesCutTo>
std::string FittedFileName(const std::string& name, const std::string& ext,
                           const NameWithValuesCutTo& nameWithValuesCutTo) {
  const std::string dotExt = ext.empty() ? std::string() : "." + ext;
  if (name.size() + dotExt.size() <= kMaxNameBytes) return name + dotExt;
  if (dotExt.size() < kMaxNameBytes) {
    const size_t room = kMaxNameBytes - dotExt.size();
    // The longest cut of the values that fits; a shorter cut never gives a longer name.
    size_t low = 0, high = name.size();
    std::string best;
    while (low <= high) {
      const size_t cut = low + (high - low) / 2;
      std::string candidate = nameWithValuesCutTo(cut);
      if (candidate.size() <= room) {
        best = std::move(candidate);
        low = cut + 1;
      } else if (cut == 0) {
        break;
      } else {
        high = cut - 1;
      }
    }
    if (best.empty()) best = std::string(UTF8Start(name, room));
    if (!best.empty()) return best + dotExt;
  }
  return std::string(UTF8Start(name + dotExt, kMaxNameBytes));
}

struct TMoment {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// Everything a pattern may refer to for one source file.
class TExpansion {
 public:
  TExpansion(const TFileNameCreatorObj& creator, const TMoment& moment) : FCreator(creator), FMoment(moment) {
    // No file name on this system can hold "/" or NUL, whatever the option says.
    FRefused = std::string("/\0", 2);
    if (creator.RemoveDisallowedChars) FRefused += FileNameGetDisallowedCharsAsString(std::string());
    // The replacement must not bring back what it replaces.
    for (char c : creator.DisallowedCharReplacement)
      if (!IsRefused(c)) FReplacement += c;
    // A source named through "." or ".." (as a list file may hold it) is
    // held by the folder those lead to, not by one called "..".
    FFolder1 = ExtractFolderNameOfLevel(NormalisedPath(creator.FileNameOld(), false), -1);
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

  // Replaces every known token of pattern; keep stands for "<keep>" and
  // folder for "%folder%". With sanitiseValues the values are cleaned before
  // they go in, as folder patterns keep their own "/" while a name is cleaned
  // as a whole. usedToken tells whether any token was replaced, also by
  // nothing; no value puts more than valueCut bytes in.
  std::string Expand(std::string_view pattern, const std::string& keep, const std::string& folder, bool sanitiseValues,
                     bool* usedToken = nullptr, size_t valueCut = std::string::npos) const {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
      if (pattern.compare(i, kKeep.size(), kKeep) == 0) {
        out += UTF8Start(keep, valueCut);
        i += kKeep.size();
        if (usedToken) *usedToken = true;
        continue;
      }
      if (pattern[i] == '%') {
        const size_t close = pattern.find('%', i + 1);
        if (close != std::string_view::npos) {
          const std::string_view token = pattern.substr(i + 1, close - i - 1);
          std::string value;
          bool wholePath = token == "folder";
          if (wholePath) value = folder;
          if (wholePath || TokenValue(token, value)) {
            const std::string_view cut = UTF8Start(value, valueCut);
            out += sanitiseValues && !wholePath ? Sanitised(cut) : std::string(cut);
            i = close + 1;
            if (usedToken) *usedToken = true;
            continue;
          }
        }
      }
      out += pattern[i++];
    }
    return out;
  }

 private:
  bool IsRefused(char c) const { return FRefused.find(c) != std::string::npos; }

  bool TokenValue(std::string_view token, std::string& value) const {
    const TMoment& m = FMoment;
    if (token == "folder1") {
      value = FFolder1;
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
  std::string FRefused;
  std::string FFolder1;
};

std::string Neutral(const std::string& pattern) { return TranslateSaveTargetPlaceholders(pattern, SprLangEnglish); }

// The source's folders below the base, both normalised; none when the
// source does not lie below it.
TStrArray SubFoldersBelow(const std::string& base, const std::string& folder) {
  if (base.empty()) return {};
  const TNormalPath b = Normalised(base, false);
  const TNormalPath f = Normalised(folder, false);
  if (b.Absolute != f.Absolute || f.Parts.size() <= b.Parts.size() ||
      !std::equal(b.Parts.begin(), b.Parts.end(), f.Parts.begin()))
    return {};
  TStrArray below(f.Parts.begin() + static_cast<std::ptrdiff_t>(b.Parts.size()), f.Parts.end());
  // Below a relative base that starts above its own folder, a ".." may be left.
  if (std::find(below.begin(), below.end(), "..") != below.end()) return {};
  return below;
}

// One folder of the target path; Made when a placeholder had a hand in it.
struct TFolderPart {
  std::string Text;
  bool Made = false;
};

// Builds the target folder from the pattern. The folder the pattern names
// first (a typed path, or the source's own folder) is where every file of
// it lands: a folder that a placeholder makes "." or ".." gives no folder
// at all, as no folder name the user chose would stand in for it, and the
// source's folder put into the pattern elsewhere cannot climb above where
// it is put.
class TFolderBuilder {
 public:
  TFolderBuilder(const TExpansion& expansion, const TFileNameCreatorObj& creator)
      : FExpansion(expansion),
        FSource(creator.FolderOld()),
        // DividePathFileNameAndExt leaves no folder for "/name".
        FSourceAbsolute(creator.FileNameOld().starts_with('/')),
        FInner(NormalisedPath(FSource.empty() && FSourceAbsolute ? "/" : FSource, true)) {}

  std::optional<std::string> Build(const std::string& pattern, const TStrArray& subFolders) {
    TStrArray pieces;
    ExplodeAtChar(pieces, '/', pattern);
    const size_t head = SourceFolderTokenAtStart(pattern);
    if (head > 0) {
      // The source's folder as it was given: the file lands beside the
      // source, wherever the folders on its way lead.
      AddSourceFolder();
      Add(std::string_view(pieces[0]).substr(head), true);
    } else {
      // A relative folder would depend on the program's working folder.
      if (!pieces[0].empty()) AddSourceFolder();
      FAbsolute = FAbsolute || pieces[0].empty();
      Add(pieces[0], false);
    }
    for (size_t i = 1; i < pieces.size(); ++i) Add(pieces[i], false);
    for (const std::string& sub : subFolders) FParts.push_back({sub, true});

    TStrArray texts;
    for (TFolderPart& part : FParts) {
      if (part.Made) {
        part.Text = std::string(UTF8Start(part.Text, kMaxNameBytes));
        if (part.Text == "." || part.Text == "..") return std::nullopt;
      }
      texts.push_back(std::move(part.Text));
    }
    return (FAbsolute ? "/" : "") + Implode(texts, "/");
  }

 private:
  static size_t SourceFolderTokenAtStart(std::string_view pattern) {
    for (std::string_view token : {kKeep, std::string_view("%folder%")})
      if (pattern.starts_with(token)) return token.size();
    return 0;
  }

  void AddSourceFolder() {
    FAbsolute = FSourceAbsolute;
    for (std::string& part : PathParts(FSource)) FParts.push_back({std::move(part), false});
  }

  // One piece of the pattern between its "/"; with glue it continues the
  // folder before it, as "_old" does in "%folder%_old".
  void Add(std::string_view piece, bool glue) {
    bool made = false;
    const std::string text = FExpansion.Expand(piece, FInner, FInner, true, &made);
    TStrArray parts;
    ExplodeAtChar(parts, '/', text);
    for (size_t k = 0; k < parts.size(); ++k) {
      if (parts[k].empty()) continue;
      if (k == 0 && glue && !FParts.empty()) {
        FParts.back().Text += parts[k];
        FParts.back().Made = true;
      } else {
        FParts.push_back({std::move(parts[k]), made || glue});
      }
    }
  }

  const TExpansion& FExpansion;
  const std::string& FSource;
  const bool FSourceAbsolute;
  const std::string FInner;
  bool FAbsolute = false;
  std::vector<TFolderPart> FParts;
};

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
  const TStrArray subFolders = creator.KeepSubDirs && !namesSourceFolder
                                   ? SubFoldersBelow(creator.KeepSubDirsBaseDir(), creator.FolderOld())
                                   : TStrArray();
  const std::optional<std::string> folder = TFolderBuilder(expansion, creator).Build(folderPattern, subFolders);
  if (!folder) return std::string();

  std::string namePattern = Neutral(creator.NameNew());
  if (namePattern.empty()) namePattern = std::string(kKeep);
  const auto nameWithValuesCutTo = [&](size_t valueCut) {
    return expansion.Sanitised(
        expansion.Expand(namePattern, creator.NameOld(), creator.FolderOld(), false, nullptr, valueCut));
  };
  const std::string name = nameWithValuesCutTo(std::string::npos);

  const std::string extPattern = Neutral(creator.ExtensionNew());
  std::string ext;
  if (extPattern.empty() || extPattern == kKeep) {
    ext = creator.ExtensionOld();
  } else {
    ext = expansion.Expand(extPattern, creator.ExtensionOld(), creator.FolderOld(), false);
    ext.erase(0, ext.find_first_not_of('.'));
    if (creator.ExtensionAlwaysLowerCase) ext = UTF8LowerCase(ext);
  }
  ext = expansion.Sanitised(ext);

  // A pattern that comes to nothing would make a hidden file of the extension.
  if (name.empty() && !creator.NameOld().empty()) return std::string();
  const std::string file = FittedFileName(name, ext, nameWithValuesCutTo);
  if (file.empty() || file == "." || file == "..") return std::string();
  if (folder->empty()) return file;
  return *folder == "/" ? *folder + file : *folder + "/" + file;
}
