#include "filelist/core/file_extension_types.h"

#include <algorithm>
#include <unordered_map>

#include "foundation/letter_case.h"

namespace {

const std::unordered_map<std::string, TFileExtensionType>& ExtensionKinds() {
  static const std::unordered_map<std::string, TFileExtensionType> table = [] {
    const std::pair<TFileExtensionType, std::vector<const char*>> rows[] = {
        {fetText, {"TXT"}},
        {fetImage, {"BMP", "JPG", "JPEG", "PNG", "GIF", "TIF", "TIFF", "ICO", "ICNS", "PSD", "SVG"}},
        {fetAudio, {"MP3", "WMA", "FLAC", "OGG", "OGA", "WAV", "M4A", "RA"}},
        {fetVideo,
         {"MP4", "AVI", "MPEG", "FLV", "MKV", "WEBM", "DIVX", "MOV", "3GP", "OGV", "WMV", "RM", "RV", "RMVB"}},
        {fetDocument, {"RTF", "DOC", "DOCX", "ODT"}},
        {fetWebsite, {"HTM", "HTML"}},
        {fetFont, {"TTF", "OTF", "FON", "FNT", "FOT", "TTC", "MMM", "PFM", "PFB", "PFA", "AFM", "DFONT"}},
    };
    std::unordered_map<std::string, TFileExtensionType> map;
    for (const auto& [kind, extensions] : rows)
      for (const char* ext : extensions) map.emplace(ext, kind);
    return map;
  }();
  return table;
}

}  // namespace

TFileExtensionType GetFileExtensionTypeFromFileExtension(std::string_view ext) {
  const auto& kinds = ExtensionKinds();
  auto it = kinds.find(ASCIIUpperCase(ext));
  return it == kinds.end() ? fetOther : it->second;
}

TFileExtensionFileTypeRecArr GetFileExtensionsByType(const TStrArray& extensions) {
  TFileExtensionFileTypeRecArr groups;
  for (const std::string& ext : extensions) {
    const TFileExtensionType kind = GetFileExtensionTypeFromFileExtension(ext);
    auto group = std::find_if(groups.begin(), groups.end(),
                              [kind](const TFileExtensionFileTypeRec& g) { return g.FileExtensionType == kind; });
    if (group == groups.end()) group = groups.insert(groups.end(), TFileExtensionFileTypeRec{kind, {}});
    group->Extensions.push_back(ext);
  }
  return groups;
}

std::string GetFileExtensionFilterStringLine(const std::string& description, const TStrArray& extensions) {
  std::string patterns;
  for (const std::string& ext : extensions) {
    if (!patterns.empty()) patterns += ';';
    patterns += "*." + ASCIILowerCase(ext);
  }
  if (patterns.empty()) patterns = "*.*";
  return description + " (" + patterns + ")|" + patterns;
}
