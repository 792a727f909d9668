// The catalogue of column types: each type's persistent id (the text column
// choices are saved under), its category, default caption, width and
// alignment, and the kinds of information it needs read; the conversions
// between types and ids and the category texts.
#pragma once

#include <cstdint>
#include <string>

#include "filelist/core/file_list_types.h"

// The groups of the columns dialog.
enum class TColumnCategory : int32_t {
  FileName,
  Folder,
  FileDate,
  FileProperty,
  DataMedium,
  TextFile,
  Image,
  Video,
  Audio,
  Document,
  CheckSum,
  FileAttribute,
  Status,
  General,
  Dynamic,
  Unknown,
};

// Kinds of information as bits (1 << TFileListViewInfoKind).
using TFileListViewInfoKinds = uint16_t;
inline constexpr TFileListViewInfoKinds InfoKindBit(TFileListViewInfoKind kind) {
  return static_cast<TFileListViewInfoKinds>(1u << static_cast<int32_t>(kind));
}

struct TFileListViewColumnTypeInfo {
  TFileListViewColumnType ColumnType;
  // The custom types' prefix; the fixed types' whole id.
  const char* StrId;
  TColumnCategory Category;
  const char* Caption;
  int32_t Width;
  TAlignment Alignment;
  TFileListViewInfoKinds Needs;
};

// The entry of a type; types outside the enumeration give flvColNone's.
const TFileListViewColumnTypeInfo& FLVColumnTypeInfo(TFileListViewColumnType type);
bool IsCustomColumnType(TFileListViewColumnType type);

std::string FLVColumnTypeToStrId(TFileListViewColumnType AType, int32_t ACustomIndex);
bool StrIdToFLVColumnType(const std::string& AStrId, TFileListViewColumnType& AType, int32_t& ACustomIndex);

// "NOT IMPLEMENTED" for every type: the plain view has no category texts.
std::string GetCategoryOfColumnTypeAsText(TFileListViewColumnType AType);
// The category in the current UI language, from the text store.
std::string GetCategoryOfColumnTypeAsTextSpr(TFileListViewColumnType AType);
