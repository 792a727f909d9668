// Descriptive information of a PDF file: the header's version, the page count
// from the page tree (a scan for page objects when the tree cannot be
// reached), the information dictionary and, for what it leaves empty, the XMP
// metadata of the catalog. Classic cross-reference tables, cross-reference
// streams and object streams are read; every walk is bounded by the file.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "fileinfo/buffered_stream.h"
#include "foundation/containers_maps.h"

// Inflated stream data beyond this is cut off: a stream of a few kilobytes
// must not blow up into gigabytes.
constexpr int64_t kPDFMaxStreamSize = int64_t{64} * 1024 * 1024;

struct TXRefEntry {
  int64_t Offset = 0;      // kind "n": the object's file offset; kind "x2": the object stream's number
  int32_t Generation = 0;  // kind "x2": the index inside the object stream
  std::string Kind;        // "n", "f", "x" (from a cross-reference stream), "x2" (inside an object stream)
  bool Used = false;
};
using TXRefTable = std::unordered_map<int32_t, TXRefEntry>;

struct TRootObj {
  int32_t MetadataObj = 0;
  int32_t PagesObj = 0;
};

class TDocumentInfoPDF {
 public:
  explicit TDocumentInfoPDF(const std::string& FileName = "", bool ReadOutMetaInfo = true);

  void Reset();
  // True when the file exists and could be read; raises for a file that
  // cannot be opened.
  bool ReadFromFile(const std::string& FileName);
  double GetMetaCreatedAsDateTime() const;
  double GetMetaModifiedAsDateTime() const;

  // A PDF string as written ((literal) or <hex>) as UTF-8: escapes decoded,
  // UTF-16BE with its mark, PDFDocEncoding without. Anything else unchanged.
  static std::string EncodeStringFromPDFStringFormat(std::string_view text);
  // "D:20240517093000+02'00'" gives "2024-05-17 09:30:00"; "" when missing,
  // malformed or out of range. Missing month and day count as 01.
  static std::string PDFDateToNormalDateStr(std::string_view text);

  int32_t PageCount = 0;
  std::string FileName;
  std::string MetaTitle, MetaAuthor, MetaSubject, MetaKeywords, MetaCreated, MetaModified;
  std::string MetaApplication, MetaCreatedWith, PDFVersion;
  bool ReadOutMetaInfo = true;
  int32_t Tag = 0;
  // The file names an encryption dictionary: its strings cannot be read.
  bool Encrypted = false;

 private:
  struct TObject {
    std::string Body;  // between "obj" and "stream" or "endobj"
    bool IsStream = false;
    int64_t DataStart = 0;
  };

  bool ParsePDFVersionFromStream();
  int32_t CountPagesFromFileViaString();
  void ParseXRefTable(int64_t offset, int32_t depth);
  bool ParseXRefTableFromString(std::string_view text, int32_t depth);
  bool ParseXRefTableFromObjWithStream(int64_t offset, int32_t depth);
  void SetInfosFromXRefTrailer(const TKeyValueArrayObj& trailer);
  bool AddToXRefTable(int64_t objectNumber, int64_t offset, int32_t generation, const std::string& kind);
  bool ReadObject(int32_t number, TObject& object, int32_t depth);
  bool ReadObjectAt(int64_t offset, TObject& object);
  bool ReadStreamData(const TObject& object, std::string& data, int32_t depth);
  std::string ResolveValue(const std::string& value, int32_t depth);
  int32_t PageCountFromTree();
  void ParseMetaInfo();
  void ParseMetaInfoFromXMLObj(int32_t number);

  std::unique_ptr<TStream> FFile;
  std::unique_ptr<TBufferedStream> FStream;
  int64_t FSize = 0;
  TXRefTable FTable;
  std::set<int64_t> FSectionsRead;
  std::map<int32_t, std::string> FObjectStreams;  // decoded, by object number
  int32_t FInfoObj = 0, FRootObj = 0, FMetadataObj = 0, FPagesObj = 0;
};

// "yyyy-mm-dd hh:nn:ss" of a date and time whose fields all lie in range (a
// day that exists in its month, hours below 24, minutes and seconds below
// 60); "" for any other: a date that cannot be is no date.
std::string NormalDateTimeText(int year, int month, int day, int hour, int minute, int second);

// The entries of a PDF dictionary text ("<< /Key value … >>" or its inside):
// keys without the slash, values as written (strings, names, numbers,
// references "5 0 R", arrays and dictionaries whole).
TKeyValueArrayObj ParsePDFDictionary(std::string_view text);
