// The list of fonts a font chooser offers, each classified once (serif, sans
// serif or other; thin, average or thick strokes; fixed or variable pitch),
// filtered by name terms, classification, file type and origin, and sorted
// by upper-cased name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/types.h"

inline constexpr int32_t kFontClassSerif = 0;
inline constexpr int32_t kFontClassSansSerif = 1;
inline constexpr int32_t kFontClassOther = 2;
inline constexpr int32_t kFontWidthThin = 0;
inline constexpr int32_t kFontWidthAverage = 1;
inline constexpr int32_t kFontWidthThick = 2;

struct TFontInfo {
  bool FixedPitch = false;
  int32_t FontClass = kFontClassSansSerif;
  int32_t FontWidth = kFontWidthAverage;
  int32_t StrokePixels = 0;
  bool operator==(const TFontInfo&) const = default;
};

// The class and stroke width from the runs counted on the rendered "D".
int32_t FontClassFromRuns(int32_t columnRuns, int32_t rowRuns);
int32_t FontWidthFromStrokePixels(int32_t strokePixels);

enum TFMInstallationType : int32_t { fmitSystem = 0, fmitFileProcess = 1, fmitFileSystemWide = 2 };

// The font style set handed to the list box as the preview style.
struct TFontStyleSet {
  bool Bold = false;
  bool Italic = false;
  bool operator==(const TFontStyleSet&) const = default;
};

struct TFMFontRec {
  std::string Name;
  std::string FileName;
  bool VisibleByType = true;
  bool VisibleByFilter = true;
  std::string NameUpper;
  std::string FontType;
  TFMInstallationType InstallationType = fmitSystem;
  bool Bold = false;
  bool Italic = false;
  TFontStyleSet Styles;
  int32_t StyleId = 0;
  bool FixedPitch = false;
  int32_t FontClass = 0;
  int32_t FontWidth = 0;
  int32_t StrokePixels = 0;
};
using TFMFonts = std::vector<TFMFontRec>;

struct TFMFontStyleRec {
  bool Bold = false;
  bool Italic = false;
  TFontStyleSet Styles;
  int32_t StyleId = 0;
};
using TFMFontStyles = std::vector<TFMFontStyleRec>;

// Classifies a font by name; the Qt layer renders it (GetFontInfoCached).
using TFontClassifier = std::function<TFontInfo(const std::string& fontName)>;

class TFontManager {
 public:
  explicit TFontManager(TFontClassifier classifier);
  ~TFontManager();
  TFontManager(const TFontManager&) = delete;
  TFontManager& operator=(const TFontManager&) = delete;

  // Adds the given installed families (vertical "@" variants only where the
  // plain name is missing), sorts and refreshes the visibility; earlier
  // entries stay and the name filter is not run.
  void AddSystemFonts(const TStrArray& families);
  int32_t AddInternal(const std::string& fontName, TFMInstallationType type, const std::string& fileName);

  void RefreshFilter();
  void FilterBeginUpdate() { FFilterUpdating = true; }
  void FilterEndUpdate();
  void SetFilterName(const std::string& text);
  const std::string& Filter() const { return FFilter; }
  void SetFilterClassification(bool serif, bool sansSerif, bool other, bool thin, bool average, bool thick, bool fixed,
                               bool variable);
  void SetFilterFontType(bool otf, bool ttf, bool ttc, bool fon, bool pfmPfb, bool other);
  const std::string& TypeFilter() const { return FTypeFilter; }

  void SetShowFontClassSerifFonts(bool value) { SetShowFlag(FShowFontClassSerifFonts, value); }
  void SetShowFontClassSansSerifFonts(bool value) { SetShowFlag(FShowFontClassSansSerifFonts, value); }
  void SetShowFontClassOtherFonts(bool value) { SetShowFlag(FShowFontClassOtherFonts, value); }
  void SetShowFontWidthThinFonts(bool value) { SetShowFlag(FShowFontWidthThinFonts, value); }
  void SetShowFontWidthAverageFonts(bool value) { SetShowFlag(FShowFontWidthAverageFonts, value); }
  void SetShowFontWidthThickFonts(bool value) { SetShowFlag(FShowFontWidthThickFonts, value); }
  void SetShowWidthFixedFonts(bool value) { SetShowFlag(FShowWidthFixedFonts, value); }
  void SetShowWidthVariableFonts(bool value) { SetShowFlag(FShowWidthVariableFonts, value); }

  bool VisibleSystemFonts() const { return FVisibleSystemFonts; }
  void SetVisibleSystemFonts(bool value);
  bool VisibleFileFonts() const { return FVisibleFileFonts; }
  void SetVisibleFileFonts(bool value);
  void RefreshFontVisibility();
  void RefreshFontsVisibleArray();

  void SetStyles(bool regular, bool bold, bool italic, bool boldItalic);
  int32_t StyleCount() const { return static_cast<int32_t>(FStyles.size()); }
  const TFMFontStyles& Styles() const { return FStyles; }

  int32_t GetFMFontCountAll() const { return static_cast<int32_t>(Fonts.size()); }
  int32_t GetFMFontCountVisible() const { return static_cast<int32_t>(FontsVisible.size()); }
  int32_t GetFMStyleFontCountAll() const { return GetFMFontCountAll() * StyleCount(); }
  int32_t GetFMStyleFontCountVisible() const { return GetFMFontCountVisible() * StyleCount(); }
  // A copy; an index outside the visible fonts gives an empty record.
  TFMFontRec GetFMFontRecFromVisibleFonts(int32_t index) const;

  int32_t GetIndexOfInstalledFont(const std::string& fileName) const;
  void DeleteFontByIndex(int32_t index, bool deinstall);
  // Nothing is registered with the system here, so nothing is unregistered.
  bool RemoveAndDeinstallFontFile(const std::string& fileName, TFMInstallationType type);
  bool RemoveAndDeinstallFontFiles(const TStrArray& fileNames, TFMInstallationType type);
  void DeinstallAllFontFiles();
  void Swap(int32_t a, int32_t b);
  void SortUp();

  TFMFonts Fonts;
  TIntArray FontsVisible;
  bool SystemWideRegistration = false;

 private:
  void SetShowFlag(bool& flag, bool value);
  bool PassesName(const TFMFontRec& font) const;
  bool PassesClassification(const TFMFontRec& font) const;

  TFontClassifier FClassifier;
  bool FFilterUpdating = false;
  bool FShowFontClassSerifFonts = true, FShowFontClassSansSerifFonts = true, FShowFontClassOtherFonts = true;
  bool FShowFontWidthAverageFonts = true, FShowFontWidthThickFonts = true, FShowFontWidthThinFonts = true;
  bool FShowWidthFixedFonts = true, FShowWidthVariableFonts = true;
  bool FShowTypeOTF = true, FShowTypeTTF = true, FShowTypeTTC = true, FShowTypeFON = true, FShowTypePFMPFB = true,
       FShowTypeOther = true;
  std::string FTypeFilter;
  bool FVisibleSystemFonts = true;
  bool FVisibleFileFonts = true;
  std::string FFilter;
  TFMFontStyles FStyles;
};
