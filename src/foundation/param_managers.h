// Read/write pairs of line-break and CSV separator settings for a document
// that is read and written again. Either side may say detect (1) or "keep"
// (2); the managers resolve those against what the file that was read held.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/csv_params.h"
#include "foundation/line_breaks.h"
#include "foundation/number_format.h"
#include "foundation/types.h"

// One line-break setting.
class TLineBreakParamObj {
 public:
  explicit TLineBreakParamObj(uint32_t lineBreakType = 0, std::string customStr = "", int32_t customInt = 0);

  uint32_t LineBreakType = 0;
  const std::string& CustomStr() const { return FCustomStr; }
  int32_t CustomInt() const { return FCustomInt; }
  // The list of the list kinds (111, 121), filled by SetFromParamStr.
  TStrArray CustomStrs;
  // The entries' bytes when every entry of CustomStrs is exactly one byte.
  TCharSet CustomStrsChars;
  bool CustomStrsAreChars = false;

  std::string ParamStr() const { return AsParamStr(); }
  void SetParamStr(std::string_view text) { SetFromParamStr(text); }
  // Takes a parameter word; a text that is no known word changes nothing.
  void SetFromParamStr(std::string_view text);
  // The parameter word; "" for a kind without one.
  std::string AsParamStr() const;
  void RefreshCustomStrsParams();

  bool AutoDetect() const { return GetAutoDetect(); }
  bool Keep() const { return GetKeep(); }
  bool GetAutoDetect() const { return LineBreakType == lbkAutoDetect; }
  bool GetKeep() const { return LineBreakType == lbkKeep; }

  // The kind, or the fallback where the kind is detect or "keep".
  uint32_t GetLineBreakType(uint32_t fallback) const;
  std::string GetLineBreakCharacters(uint32_t fallback) const;

 private:
  std::string FCustomStr;
  int32_t FCustomInt = 0;
};

struct TLBMQuoteObj {
  bool Active = false;
  std::string QuoteChar = "\"";
  bool AutoDetect = false;
  std::string SepFieldsForGuess;
};

class TStoredMixedLineBreaksObj {
 public:
  const TStrArray& LineBreaks() const { return FLineBreaks; }
  TStrArray& LineBreaks() { return FLineBreaks; }
  int32_t Count() const { return GetCount(); }
  int32_t GetCount() const { return static_cast<int32_t>(FLineBreaks.size()); }
  void Clear() { FLineBreaks.clear(); }

 private:
  TStrArray FLineBreaks;
};

class TLineBreakManagerObj {
 public:
  TLineBreakManagerObj(uint32_t readType, uint32_t writeType);

  TLineBreakParamObj& Read() { return FRead; }
  const TLineBreakParamObj& Read() const { return FRead; }
  TLineBreakParamObj& Write() { return FWrite; }
  const TLineBreakParamObj& Write() const { return FWrite; }
  TLBMQuoteObj& ExplodeWithQuotes() { return FExplodeWithQuotes; }
  TStoredMixedLineBreaksObj& StoredMixedLineBreaks() { return FStoredMixedLineBreaks; }

  // The kind found in the file that was read; set by the reader of the file.
  uint32_t LineBreakOldFile = 0;
  bool FirstReadDone = false;
  bool LastResultExplode = false;
  bool LastResultImplode = false;
  bool HasStoredMixedLineBreaks = false;

  uint32_t GetLineBreakTypeForWriting() const;
  std::string GetLineBreakCharsForWriting() const;
  uint32_t GetLineBreakTypeForReading() const;
  bool LineBreakTypeForReadingIsArray() const;

 private:
  // The writing side wins unless it says "keep" while reading names a concrete kind.
  bool WriteSideDecides() const { return !FWrite.GetKeep() || FRead.GetAutoDetect(); }

  TLineBreakParamObj FRead;
  TLineBreakParamObj FWrite;
  TLBMQuoteObj FExplodeWithQuotes;
  TStoredMixedLineBreaksObj FStoredMixedLineBreaks;
};

class TCSVParamSetObj;

// One field-separator or quote setting.
class TCSVParamObj {
 public:
  // fmt decides the default separator (";" under a decimal comma, "," otherwise).
  TCSVParamObj(uint32_t paramType, TCSVCharType charType, std::string customStr = "", int32_t customInt = 0,
               const NumberFormat& fmt = GlobalNumberFormat());

  uint32_t ParamType() const { return FParamType; }
  TCSVCharType CharType() const { return FCharType; }
  const std::string& CustomStr() const { return FCustomStr; }
  int32_t CustomInt = 0;
  // The character found in the file that was read.
  const std::string& OldFileChar() const { return FOldFileChar; }
  TStrArray CustomStrs;

  std::string ParamStr() const { return AsParamStr(); }
  void SetParamStr(std::string_view text) { SetFromParamStr(text); }
  void SetFromParamStr(std::string_view text);
  std::string AsParamStr() const;
  // Takes a literal character ("," or "%tab%" or any text).
  void SetFromChar(std::string_view text);
  std::string GetCharToUse() const;

  bool AutoDetect() const { return GetAutoDetect(); }
  bool Keep() const { return GetKeep(); }
  bool GetAutoDetect() const { return FParamType == csvpAutoDetect; }
  bool GetKeep() const { return FParamType == csvpKeep; }

 private:
  friend class TCSVParamSetObj;
  uint32_t FParamType = 0;
  TCSVCharType FCharType;
  std::string FCustomStr;
  std::string FOldFileChar;
  NumberFormat FFormat;
};

class TCSVParamSetObj {
 public:
  TCSVParamSetObj(uint32_t readType, uint32_t writeType, TCSVCharType charType,
                  const NumberFormat& fmt = GlobalNumberFormat());

  TCSVParamObj& Read() { return FRead; }
  const TCSVParamObj& Read() const { return FRead; }
  TCSVParamObj& Write() { return FWrite; }
  const TCSVParamObj& Write() const { return FWrite; }
  bool FirstReadDone = false;
  const std::string& OldFileChar() const { return FOldFileChar; }
  void SetOldFileChar(std::string_view text);

  std::string GetCharsForWriting() const;
  // Not resolved further: may be 1 or 2.
  uint32_t GetParamTypeForWriting() const;
  uint32_t GetParamTypeForReading() const;
  bool ParamTypeForReadingIsArray() const;

 private:
  bool WriteSideDecides() const { return !FWrite.GetKeep() || FRead.GetAutoDetect(); }

  TCSVParamObj FRead;
  TCSVParamObj FWrite;
  std::string FOldFileChar;
};

class TStoredMixedCSVSeparatorsObj {
 public:
  const TStrArray& LineBreaks() const { return FLineBreaks; }
  TStrArray& LineBreaks() { return FLineBreaks; }
  const TStrArray2D& FieldSeparators() const { return FFieldSeparators; }
  TStrArray2D& FieldSeparators() { return FFieldSeparators; }
  bool HasSeparators() const { return GetHasSeparators(); }
  bool GetHasSeparators() const { return !FLineBreaks.empty() || !FFieldSeparators.empty(); }
  void Clear() {
    FLineBreaks.clear();
    FFieldSeparators.clear();
  }

 private:
  TStrArray FLineBreaks;
  TStrArray2D FFieldSeparators;
};
