// Descriptive information of a PDF file: the header's version, the page count
// from the page tree (a scan for page objects when the tree cannot be
// reached), the information dictionary and, for what it leaves empty, the XMP
// metadata of the catalog. Classic cross-reference tables, cross-reference
// streams and object streams are read; a file whose cross-reference data do
// not lead to its objects is read by a scan of the objects instead. Files that
// open without a password are decrypted. Every walk is bounded by the file,
// and what the reader holds by a few megabytes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/pdf_security.h"
#include "foundation/containers_maps.h"

// Inflated stream data beyond this is cut off: a stream of a few kilobytes
// must not blow up into gigabytes.
constexpr int64_t kPDFMaxStreamSize = int64_t{64} * 1024 * 1024;

struct TXRefEntry {
  int64_t Offset = 0;      // kind 'n' and 'x': the object's file offset; kind '2': the object stream's number
  int32_t Generation = 0;  // kind '2': the index inside the object stream
  char Kind = 'n';         // 'n', 'f', 'x' (from a cross-reference stream), '2' (inside an object stream)
  bool Used = false;
};
// The entries the reader holds at once: a file of more objects costs further
// passes over its cross-reference sections, not memory.
constexpr size_t kPDFMaxTableEntries = 1 << 14;
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
  // The file names an encryption dictionary. Its strings and streams are read
  // when the file opens without a password.
  bool Encrypted = false;

 private:
  struct TObject {
    std::string Body;  // between "obj" and "stream" or "endobj"
    bool IsStream = false;
    int64_t DataStart = 0;
    int32_t Number = 0, Generation = 0;
    bool InObjectStream = false;  // its strings are not encrypted on their own
  };
  // Called with each entry of a section: object number, offset or object
  // stream number, generation or index, kind.
  using TEntryVisitor = std::function<void(int64_t, int64_t, int32_t, char)>;

  bool ParsePDFVersionFromStream();
  int32_t CountPagesFromFileViaString();
  void ParseXRefTable(int64_t offset);
  // The entries of one section (only those of the object wanted, when it is
  // not 0) and, when asked, its trailer.
  void ParseSectionEntries(int64_t offset, int32_t wanted, const TEntryVisitor& visit, TKeyValueArrayObj* trailer);
  void ParseClassicSection(int64_t offset, int32_t wanted, const TEntryVisitor& visit, TKeyValueArrayObj* trailer);
  void ParseXRefStreamSection(int64_t offset, int32_t wanted, const TEntryVisitor& visit, TKeyValueArrayObj* trailer);
  void SetInfosFromXRefTrailer(const TKeyValueArrayObj& trailer);
  bool AddToXRefTable(int64_t objectNumber, int64_t offset, int32_t generation, char kind, bool replace);
  bool FindEntry(int32_t number, TXRefEntry& entry);
  bool FindObjectByScan(int32_t number, TXRefEntry& entry);
  bool Reachable(int32_t number);
  void Reconstruct();
  void OpenSecurity();
  bool ReadObject(int32_t number, TObject& object, int32_t depth);
  bool ReadObjectAt(int64_t offset, TObject& object, int32_t expectedNumber);
  bool ReadDictionaryAt(int64_t offset, std::string& text);
  bool ReadStreamData(const TObject& object, std::string& data, int32_t depth);
  std::string ResolveValue(const std::string& value, int32_t depth, TObject* from = nullptr);
  int32_t PageCountFromTree();
  void ParseMetaInfo();
  void ParseMetaInfoFromXMLObj(int32_t number);

  std::unique_ptr<TStream> FFile;
  std::unique_ptr<TBufferedStream> FStream;
  int64_t FSize = 0;
  TXRefTable FTable;
  bool FTableComplete = true;  // no entry was dropped for the table's bound
  std::vector<int64_t> FSections;
  std::map<int32_t, TXRefEntry> FLookups;         // entries found by a further pass (Used false: none)
  std::map<int32_t, std::string> FObjectStreams;  // decoded, by object number, a few at a time
  bool FReconstructed = false;
  std::string FEncryptValue, FFirstID;
  TPDFSecurity FSecurity;
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
