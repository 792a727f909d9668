#include "foundation/param_managers.h"

#include <utility>

#include "foundation/line_breaks.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

std::string DefaultCharOf(TCSVCharType charType, const NumberFormat& fmt) {
  // An unknown type yields the character type's default.
  return CSVTypeToChar(csvpUnknown, charType, fmt);
}

// List values are comma-separated; double quotes protect commas inside an entry.
void SplitCustomList(TStrArray& arr, const std::string& list, bool codePoints) {
  ExplodeWithQuotes(arr, list, ",", "\"");
  if (codePoints)
    for (auto& e : arr) e = CodePointsAsStrToStr(e);
}

}  // namespace

// --- TLineBreakParamObj ---------------------------------------------------------

TLineBreakParamObj::TLineBreakParamObj(uint32_t lineBreakType, std::string customStr, int32_t customInt)
    : LineBreakType(lineBreakType), FCustomStr(std::move(customStr)), FCustomInt(customInt) {}

void TLineBreakParamObj::SetFromParamStr(std::string_view text) {
  uint32_t kind = 0;
  std::string customStr;
  int32_t customInt = 0;
  if (!LineBreakParamStrEncode(text, kind, customStr, customInt)) return;
  LineBreakType = kind;
  FCustomStr = std::move(customStr);
  FCustomInt = customInt;
  CustomStrs.clear();
  if (kind == lbkCustomStrs || kind == lbkCustomCodePoints) {
    SplitCustomList(CustomStrs, FCustomStr, kind == lbkCustomCodePoints);
    RefreshCustomStrsParams();
  }
}

std::string TLineBreakParamObj::AsParamStr() const {
  std::string s;
  LineBreakParamStrDecode(LineBreakType, FCustomStr, FCustomInt, s);
  return s;
}

void TLineBreakParamObj::RefreshCustomStrsParams() {
  CustomStrsChars.reset();
  CustomStrsAreChars = true;
  for (const auto& e : CustomStrs) {
    if (e.size() != 1) {
      CustomStrsAreChars = false;
      break;
    }
  }
  if (CustomStrsAreChars)
    for (const auto& e : CustomStrs) CustomStrsChars.set(static_cast<unsigned char>(e[0]));
}

uint32_t TLineBreakParamObj::GetLineBreakType(uint32_t fallback) const {
  return LineBreakType == lbkAutoDetect || LineBreakType == lbkKeep ? fallback : LineBreakType;
}

std::string TLineBreakParamObj::GetLineBreakCharacters(uint32_t fallback) const {
  switch (LineBreakType) {
    case lbkAutoDetect:
    case lbkKeep: return LineBreakCharactersForLineBreakType(fallback);
    case lbkNoChar:
    case lbkFixedLength: return "";
    case lbkCustomStr:
    case lbkCustomStrs: return FCustomStr;
    case lbkCustomCodePoint:
    case lbkCustomCodePoints: return CodePointsAsStrToStr(FCustomStr);
    default: return LineBreakCharactersForLineBreakType(LineBreakType);
  }
}

// --- TLineBreakManagerObj -------------------------------------------------------

TLineBreakManagerObj::TLineBreakManagerObj(uint32_t readType, uint32_t writeType)
    : FRead(readType), FWrite(writeType) {}

uint32_t TLineBreakManagerObj::GetLineBreakTypeForWriting() const {
  return WriteSideDecides() ? FWrite.GetLineBreakType(LineBreakOldFile) : FRead.GetLineBreakType(LineBreakOldFile);
}

std::string TLineBreakManagerObj::GetLineBreakCharsForWriting() const {
  // Both sides resolve "keep" against the old file, so the characters always
  // agree with GetLineBreakTypeForWriting (a CR LF file stays CR LF).
  return WriteSideDecides() ? FWrite.GetLineBreakCharacters(LineBreakOldFile)
                            : FRead.GetLineBreakCharacters(LineBreakOldFile);
}

uint32_t TLineBreakManagerObj::GetLineBreakTypeForReading() const {
  return FirstReadDone ? GetLineBreakTypeForWriting() : FRead.GetLineBreakType(LineBreakOldFile);
}

bool TLineBreakManagerObj::LineBreakTypeForReadingIsArray() const {
  uint32_t t = GetLineBreakTypeForReading();
  return t == lbkCustomStrs || t == lbkCustomCodePoints;
}

// --- TCSVParamObj -----------------------------------------------------------------

TCSVParamObj::TCSVParamObj(uint32_t paramType, TCSVCharType charType, std::string customStr, int32_t customInt,
                           const NumberFormat& fmt)
    : CustomInt(customInt),
      FParamType(paramType),
      FCharType(charType),
      FCustomStr(std::move(customStr)),
      FOldFileChar(DefaultCharOf(charType, fmt)),
      FFormat(fmt) {}

void TCSVParamObj::SetFromParamStr(std::string_view text) {
  uint32_t type = 0;
  std::string customStr;
  int32_t customInt = 0;
  if (!CSVParamStrEncode(text, type, customStr, customInt)) return;
  FParamType = type;
  FCustomStr = std::move(customStr);
  CustomInt = customInt;
  CustomStrs.clear();
  if (type == csvpCustomStrs || type == csvpCustomCodePoints)
    SplitCustomList(CustomStrs, FCustomStr, type == csvpCustomCodePoints);
}

std::string TCSVParamObj::AsParamStr() const {
  std::string s;
  CSVParamStrDecode(FParamType, FCustomStr, CustomInt, s);
  return s;
}

void TCSVParamObj::SetFromChar(std::string_view text) {
  CSVCharToType(text, FParamType, FCustomStr);
  CustomInt = 0;
  CustomStrs.clear();
}

std::string TCSVParamObj::GetCharToUse() const {
  switch (FParamType) {
    case csvpAutoDetect:
    case csvpKeep: return FOldFileChar;
    case csvpCustomStr:
    case csvpCustomStrs: return FCustomStr;
    case csvpCustomCodePoint:
    case csvpCustomCodePoints: return CodePointsAsStrToStr(FCustomStr);
    case csvpFixedLength: return "";
    default: return CSVTypeToChar(FParamType, FCharType, FFormat);
  }
}

// --- TCSVParamSetObj --------------------------------------------------------------

TCSVParamSetObj::TCSVParamSetObj(uint32_t readType, uint32_t writeType, TCSVCharType charType, const NumberFormat& fmt)
    : FRead(readType, charType, "", 0, fmt),
      FWrite(writeType, charType, "", 0, fmt),
      FOldFileChar(DefaultCharOf(charType, fmt)) {}

void TCSVParamSetObj::SetOldFileChar(std::string_view text) {
  if (text == FOldFileChar) return;
  FOldFileChar = std::string(text);
  FRead.FOldFileChar = FOldFileChar;
  FWrite.FOldFileChar = FOldFileChar;
}

std::string TCSVParamSetObj::GetCharsForWriting() const {
  return WriteSideDecides() ? FWrite.GetCharToUse() : FRead.GetCharToUse();
}

uint32_t TCSVParamSetObj::GetParamTypeForWriting() const {
  return WriteSideDecides() ? FWrite.ParamType() : FRead.ParamType();
}

uint32_t TCSVParamSetObj::GetParamTypeForReading() const {
  return FirstReadDone ? GetParamTypeForWriting() : FRead.ParamType();
}

bool TCSVParamSetObj::ParamTypeForReadingIsArray() const {
  uint32_t t = GetParamTypeForReading();
  return t == csvpCustomStrs || t == csvpCustomCodePoints;
}
