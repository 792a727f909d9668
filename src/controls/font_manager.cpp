#include "controls/font_manager.h"

#include <algorithm>

#include "controls/sort_by_key.h"
#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

int32_t FontClassFromRuns(int32_t columnRuns, int32_t rowRuns) {
  int32_t fontClass = columnRuns < 3 ? kFontClassSansSerif : (columnRuns == 3 ? kFontClassSerif : kFontClassOther);
  if (rowRuns > 3) fontClass = kFontClassOther;
  return fontClass;
}

int32_t FontWidthFromStrokePixels(int32_t strokePixels) {
  if (strokePixels <= 14) return kFontWidthThin;
  if (strokePixels <= 26) return kFontWidthAverage;
  return kFontWidthThick;
}

TFontManager::TFontManager(TFontClassifier classifier) : FClassifier(std::move(classifier)) {
  FilterBeginUpdate();
  SetStyles(true, false, false, false);
  SetFilterClassification(true, true, true, true, true, true, true, true);
  SetFilterFontType(true, true, true, true, true, true);
  FilterEndUpdate();
}

TFontManager::~TFontManager() {
  DeinstallAllFontFiles();
  FontsVisible.clear();
}

void TFontManager::AddSystemFonts(const TStrArray& families) {
  for (const std::string& name : families) {
    if (!name.empty() && name[0] == '@' &&
        std::find(families.begin(), families.end(), name.substr(1)) != families.end()) {
      continue;
    }
    AddInternal(name, fmitSystem, "");
  }
  SortUp();
  RefreshFontVisibility();
}

int32_t TFontManager::AddInternal(const std::string& fontName, TFMInstallationType type, const std::string& fileName) {
  TFMFontRec rec;
  rec.Name = fontName;
  rec.NameUpper = UTF8UpperCase(fontName);
  rec.InstallationType = type;
  if (type == fmitSystem) {
    rec.FileName = "System";
    rec.VisibleByType = FVisibleSystemFonts;
    rec.FontType = "?";
  } else {
    rec.FileName = fileName;
    rec.VisibleByType = FVisibleFileFonts;
    rec.FontType = UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(fileName));
  }
  rec.VisibleByFilter = true;
  TFontInfo info = FClassifier ? FClassifier(fontName) : TFontInfo{};
  rec.FixedPitch = info.FixedPitch;
  rec.FontClass = info.FontClass;
  rec.FontWidth = info.FontWidth;
  rec.StrokePixels = info.StrokePixels;
  Fonts.push_back(std::move(rec));
  return static_cast<int32_t>(Fonts.size()) - 1;
}

void TFontManager::FilterEndUpdate() {
  FFilterUpdating = false;
  RefreshFilter();
}

void TFontManager::SetFilterName(const std::string& text) {
  std::string upper = UTF8UpperCase(text);
  if (upper == FFilter) return;
  FFilter = upper;
  RefreshFilter();
}

void TFontManager::SetFilterClassification(bool serif, bool sansSerif, bool other, bool thin, bool average, bool thick,
                                           bool fixed, bool variable) {
  FShowFontClassSerifFonts = serif;
  FShowFontClassSansSerifFonts = sansSerif;
  FShowFontClassOtherFonts = other;
  FShowFontWidthThinFonts = thin;
  FShowFontWidthAverageFonts = average;
  FShowFontWidthThickFonts = thick;
  FShowWidthFixedFonts = fixed;
  FShowWidthVariableFonts = variable;
  RefreshFilter();
}

void TFontManager::SetFilterFontType(bool otf, bool ttf, bool ttc, bool fon, bool pfmPfb, bool other) {
  FShowTypeOTF = otf;
  FShowTypeTTF = ttf;
  FShowTypeTTC = ttc;
  FShowTypeFON = fon;
  FShowTypePFMPFB = pfmPfb;
  FShowTypeOther = other;
  FTypeFilter.clear();
  if (!(otf && ttf && ttc && fon && pfmPfb && other)) {
    if (otf) FTypeFilter += "OTF;";
    if (ttf) FTypeFilter += "TTF;";
    if (ttc) FTypeFilter += "TTC;";
    if (fon) FTypeFilter += "FON;";
    if (pfmPfb) FTypeFilter += "PFM/PFB;";
    if (other) FTypeFilter += "?;";
  }
  RefreshFilter();
}

void TFontManager::SetShowFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RefreshFilter();
}

namespace {

struct TNameTerms {
  TStrArray Include;
  TStrArray Exclude;
};

bool ContainsAny(const std::string& haystack, const TStrArray& terms) {
  for (const std::string& t : terms) {
    if (haystack.find(t) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

bool TFontManager::PassesName(const TFMFontRec& font) const {
  if (FFilter.empty()) return true;
  TStrArray pieces;
  ExplodeAtMultipleChars(pieces, CharSet(",;"), FFilter);
  if (pieces.size() <= 1) {
    if (FFilter.size() > 1 && FFilter[0] == '-') return font.NameUpper.find(FFilter.substr(1)) == std::string::npos;
    return font.NameUpper.find(FFilter) != std::string::npos;
  }
  TNameTerms terms;
  for (const std::string& raw : pieces) {
    std::string piece = Trim(raw);
    if (piece.empty()) continue;
    if (piece.size() > 1 && piece[0] == '-') {
      terms.Exclude.push_back(piece.substr(1));
    } else {
      terms.Include.push_back(piece);
    }
  }
  if (!terms.Include.empty() && !ContainsAny(font.NameUpper, terms.Include)) return false;
  return !ContainsAny(font.NameUpper, terms.Exclude);
}

bool TFontManager::PassesClassification(const TFMFontRec& font) const {
  if (font.FontClass == kFontClassSerif && !FShowFontClassSerifFonts) return false;
  if (font.FontClass == kFontClassSansSerif && !FShowFontClassSansSerifFonts) return false;
  if (font.FontClass == kFontClassOther && !FShowFontClassOtherFonts) return false;
  if (font.FontWidth == kFontWidthThin && !FShowFontWidthThinFonts) return false;
  if (font.FontWidth == kFontWidthAverage && !FShowFontWidthAverageFonts) return false;
  if (font.FontWidth == kFontWidthThick && !FShowFontWidthThickFonts) return false;
  if (font.FixedPitch && !FShowWidthFixedFonts) return false;
  if (!font.FixedPitch && !FShowWidthVariableFonts) return false;
  return true;
}

void TFontManager::RefreshFilter() {
  if (FFilterUpdating) return;
  bool classify = !(FShowFontClassSerifFonts && FShowFontClassSansSerifFonts && FShowFontClassOtherFonts &&
                    FShowFontWidthThinFonts && FShowFontWidthAverageFonts && FShowFontWidthThickFonts &&
                    FShowWidthFixedFonts && FShowWidthVariableFonts);
  for (TFMFontRec& font : Fonts) {
    bool visible = PassesName(font);
    if (visible && classify) visible = PassesClassification(font);
    if (visible && !FTypeFilter.empty()) {
      visible = !font.FontType.empty() && FTypeFilter.find(font.FontType) != std::string::npos;
    }
    font.VisibleByFilter = visible;
  }
  RefreshFontsVisibleArray();
}

void TFontManager::SetVisibleSystemFonts(bool value) {
  if (value == FVisibleSystemFonts) return;
  FVisibleSystemFonts = value;
  RefreshFontVisibility();
}

void TFontManager::SetVisibleFileFonts(bool value) {
  if (value == FVisibleFileFonts) return;
  FVisibleFileFonts = value;
  RefreshFontVisibility();
}

void TFontManager::RefreshFontVisibility() {
  for (TFMFontRec& font : Fonts) {
    font.VisibleByType = font.InstallationType == fmitSystem ? FVisibleSystemFonts : FVisibleFileFonts;
  }
  RefreshFontsVisibleArray();
}

void TFontManager::RefreshFontsVisibleArray() {
  FontsVisible.clear();
  for (size_t i = 0; i < Fonts.size(); ++i) {
    if (Fonts[i].VisibleByType && Fonts[i].VisibleByFilter) FontsVisible.push_back(static_cast<int32_t>(i));
  }
}

void TFontManager::SetStyles(bool regular, bool bold, bool italic, bool boldItalic) {
  FStyles.clear();
  if (regular) FStyles.push_back({false, false, {false, false}, 0});
  if (bold) FStyles.push_back({true, false, {true, false}, 1});
  if (italic) FStyles.push_back({false, true, {false, true}, 2});
  if (boldItalic) FStyles.push_back({true, true, {true, true}, 3});
}

TFMFontRec TFontManager::GetFMFontRecFromVisibleFonts(int32_t index) const {
  if (index < 0 || index >= GetFMFontCountVisible()) return {};
  return Fonts[static_cast<size_t>(FontsVisible[static_cast<size_t>(index)])];
}

int32_t TFontManager::GetIndexOfInstalledFont(const std::string& fileName) const {
  std::string lookedUp = fileName;
  // A Type 1 font is stored under its metrics and outline files together.
  if (ASCIILowerCase(ExtractFileExtWithoutExtensionSeparator(fileName)) == "pfm") {
    lookedUp = fileName + "|" + fileName.substr(0, fileName.size() - 3) + "pfb";
  }
  for (size_t i = 0; i < Fonts.size(); ++i) {
    if (Fonts[i].InstallationType != fmitSystem && Fonts[i].FileName == lookedUp) return static_cast<int32_t>(i);
  }
  return -1;
}

void TFontManager::DeleteFontByIndex(int32_t index, bool deinstall) {
  if (index < 0 || index >= GetFMFontCountAll()) return;
  if (deinstall) {
    TFMFontRec font = Fonts[static_cast<size_t>(index)];
    RemoveAndDeinstallFontFile(font.FileName, font.InstallationType);
    return;
  }
  Fonts.erase(Fonts.begin() + index);
}

bool TFontManager::RemoveAndDeinstallFontFile(const std::string& fileName, TFMInstallationType) {
  int32_t index = GetIndexOfInstalledFont(fileName);
  if (index < 0) return false;
  DeleteFontByIndex(index, false);
  return false;
}

bool TFontManager::RemoveAndDeinstallFontFiles(const TStrArray& fileNames, TFMInstallationType) {
  for (const std::string& name : fileNames) {
    int32_t index = GetIndexOfInstalledFont(name);
    if (index >= 0) DeleteFontByIndex(index, false);
  }
  return false;
}

void TFontManager::DeinstallAllFontFiles() {
  TStrArray files;
  for (const TFMFontRec& font : Fonts) {
    if (font.InstallationType != fmitSystem) files.push_back(font.FileName);
  }
  if (!files.empty()) RemoveAndDeinstallFontFiles(files, fmitFileSystemWide);
  Fonts.clear();
}

void TFontManager::Swap(int32_t a, int32_t b) {
  std::swap(Fonts[static_cast<size_t>(a)], Fonts[static_cast<size_t>(b)]);
}

void TFontManager::SortUp() {
  if (Fonts.size() < 2) return;
  std::vector<std::string> keys;
  for (const TFMFontRec& font : Fonts) keys.push_back(font.NameUpper);
  SortByKeyHoare(Fonts, keys);
}
