// The array types every module passes around, and the character set type.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

using TStrArray = std::vector<std::string>;
using TStrArray2D = std::vector<TStrArray>;
using TIntArray = std::vector<int32_t>;
using TIntArray2D = std::vector<TIntArray>;
using TInt64Array = std::vector<int64_t>;
// One byte per element, unlike std::vector<bool>.
using TBooleanArray = std::vector<uint8_t>;
using TBooleanArray2D = std::vector<TBooleanArray>;

struct TIntStr {
  int32_t Int = 0;
  std::string Str;
  bool operator==(const TIntStr&) const = default;
};
using TIntStrArray = std::vector<TIntStr>;

struct TIntInt {
  int32_t Int1 = 0;
  int32_t Int2 = 0;
  bool operator==(const TIntInt&) const = default;
};
using TIntIntArray = std::vector<TIntInt>;

struct TStrStr {
  std::string Str1;
  std::string Str2;
  bool operator==(const TStrStr&) const = default;
};
using TStrStrArray = std::vector<TStrStr>;

enum TSizeType : int32_t { sizeTypeBestUnit, sizeTypeByte, sizeTypeKB, sizeTypeMB, sizeTypeGB, sizeTypeTB };
enum TResolutionUnit : int32_t { resolutionUnitUnknown, resolutionUnitInch, resolutionUnitCentimeter };
enum TAlwaysNeverAskOption : int32_t { anaOptAlways, anaOptNever, anaOptAsk };
// The widget library's text alignment values (also those of TDocTXT).
enum TAlignment : int32_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TAlignmentVertical : int32_t { tavTop, tavCenter, tavBottom };

enum TFontStyleType : int32_t { fstRegular, fstBold, fstItalic, fstBoldItalic };
enum TOrientationHorizontal : int32_t { ohLeft, ohCenter, ohRight };
enum TOrientationVertical : int32_t { ovTop, ovMiddle, ovBottom };
enum TSortingOrderType : int32_t { soAscending, soDescending };

// A set of 8-bit character codes; only members below 128 mean anything for UTF-8 text.
using TCharSet = std::bitset<256>;
using TSysCharSet = TCharSet;

// Builds a TCharSet from the bytes of a string literal: CharSet(" \t").
TCharSet CharSet(const std::string& chars);

// The NUL marker: one character with code 0, distinct from the empty text.
inline const std::string& NulMarker() {
  static const std::string s(1, '\0');
  return s;
}
inline bool IsNulMarker(const std::string& s) { return s.size() == 1 && s[0] == '\0'; }
