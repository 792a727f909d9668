#include "fileinfo/document_info.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/markup_tree.h"
#include "fileinfo/pdf_info.h"
#include "fileinfo/reader_errors.h"
#include "fileinfo/zip_extractor.h"
#include "foundation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/paths.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

bool IsExistingFile(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::exists(name, ec) && !std::filesystem::is_directory(name, ec);
}

std::string UpperASCII(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string Trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return std::string(s.substr(b, e - b));
}

// The text of the first element with that name, trimmed, its character
// references decoded and CDATA sections taken as written.
std::string ElementText(const TDocDOM& dom, std::string_view tag) {
  const TDOMNode* node = dom.GetFirstNodeWithTagName(tag);
  return node ? Trimmed(node->TextContent()) : std::string();
}

// A package part parsed for the few elements a reader takes from it: the
// rest of the part costs no nodes, however large or deeply nested it is.
void LoadPart(TDocDOM& dom, std::string_view text, std::vector<std::string> elements) {
  dom.KeptTagNames = std::move(elements);
  dom.LoadFromString(text);
}

// HTML's title: its text with runs of white space taken as one blank.
std::string CollapsedWhiteSpace(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

bool EqualsIgnoringASCIICase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperASCII(std::string(a)) == UpperASCII(std::string(b));
}

// An RTF time group ("yr2024\mo5\dy17\hr9\min30"): its fields as the
// normalised date and time, "" when a field is out of range.
std::string RTFDateTime(std::string_view group) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool any = false;
  size_t i = 0;
  while (i < group.size()) {
    size_t j = i;
    while (j < group.size() && std::isalpha(static_cast<unsigned char>(group[j]))) ++j;
    const std::string_view word = group.substr(i, j - i);
    size_t k = j;
    if (k < group.size() && group[k] == '-') ++k;
    while (k < group.size() && std::isdigit(static_cast<unsigned char>(group[k]))) ++k;
    int32_t value = 0;
    if (k > j && TryStrToInt(group.substr(j, k - j), value)) {
      int* field = word == "yr"    ? &year
                   : word == "mo"  ? &month
                   : word == "dy"  ? &day
                   : word == "hr"  ? &hour
                   : word == "min" ? &minute
                   : word == "sec" ? &second
                                   : nullptr;
      if (field) {
        *field = value;
        any = true;
      }
    }
    i = std::max(k, j) + 1;
    while (i < group.size() && (group[i] == '\\' || group[i] == ' ')) ++i;
  }
  return any ? NormalDateTimeText(year, month, day, hour, minute, second) : std::string();
}

int32_t ElementNumber(const TDocDOM& dom, std::string_view tag) {
  return dom.GetInnerTextOfFirstNodeWithTagNameAsInt(tag, 0);
}

// The whole file as bytes, through the library's opener.
std::string LoadBytes(const std::string& fileName) { return ReadToEnd(*OpenStreamForReadingOrRaise(fileName)); }

int32_t EditingSeconds(int32_t minutes) {
  const int64_t s = int64_t{minutes} * 60;
  return s > INT32_MAX ? INT32_MAX : s < INT32_MIN ? INT32_MIN : static_cast<int32_t>(s);
}

}  // namespace

std::string DecodeRTFText(const std::string& text, int32_t codePage) {
  std::string out, pending;  // pending: \'hh bytes still to convert
  auto flush = [&] {
    if (!pending.empty()) {
      out += CodePageBytesToUTF8(pending, codePage);
      pending.clear();
    }
  };
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '\\') {
      flush();
      if (c != '{' && c != '}' && c != '\r' && c != '\n') out += c;
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;
    const char e = text[i + 1];
    if (e == '\'' && i + 3 < text.size() + 0 && std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
      pending += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 4;
      continue;
    }
    flush();
    if (e == '\\' || e == '{' || e == '}') {
      out += e;
      i += 2;
      continue;
    }
    if (e == '~') {
      out += "\xC2\xA0";
      i += 2;
      continue;
    }
    if (e == 'u' && i + 2 < text.size() &&
        (std::isdigit(static_cast<unsigned char>(text[i + 2])) || text[i + 2] == '-')) {
      size_t j = i + 2;
      bool neg = false;
      if (text[j] == '-') {
        neg = true;
        ++j;
      }
      int64_t v = 0;
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])) && v < 1000000)
        v = v * 10 + (text[j++] - '0');
      if (neg) v = 65536 - v;
      if (j < text.size() && text[j] == ' ') ++j;
      // The replacement character for readers without Unicode follows.
      if (j < text.size()) {
        if (text[j] == '\\' && j + 1 < text.size() && text[j + 1] == '\'')
          j = std::min(text.size(), j + 4);
        else if (text[j] != '\\' && text[j] != '{' && text[j] != '}')
          ++j;
      }
      if (v > 0 && v < 0x110000 && !(v >= 0xD800 && v <= 0xDFFF)) UTF8Append(out, static_cast<char32_t>(v));
      i = j;
      continue;
    }
    // Any other control word ends at its delimiter; a space there belongs to it.
    size_t j = i + 1;
    while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
    while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '-')) ++j;
    if (j < text.size() && text[j] == ' ') ++j;
    i = j == i + 1 ? i + 2 : j;
  }
  flush();
  return out;
}

TDocumentInfoFormat GuessDocumentInfoFormat(const std::string& FileName) {
  std::unique_ptr<TStream> s = OpenStreamForReadingOrRaise(FileName);
  if (s->GetSize() < 10) return difUnknow;
  char b[5] = {};
  s->Read(b, 5);
  if (b[0] == '%' && std::memcmp(b, "%PDF", 4) == 0) return difPDF;
  if (b[0] == '{' && std::memcmp(b, "{\\rtf", 5) == 0) return difRTF;
  return difUnknow;
}

TDocumentInfo::TDocumentInfo(const std::string& FileName) {
  Tag = 0;
  Reset();
  if (!FileName.empty()) GetDocumentData(FileName);
}

void TDocumentInfo::Reset() {
  Format = difUnknow;
  for (std::string* s :
       {&FileName, &MetaTitle, &MetaAuthor, &MetaSubject, &MetaDescription, &MetaKeywords, &MetaCreated, &MetaModified,
        &MetaPrinted, &MetaApplication, &MetaCreatedWith, &Language, &PDFVersion, &Error})
    s->clear();
  PageCount = ParagraphCount = WordCount = CharCountWithSpaces = CharCountWithoutSpaces = 0;
  EditingTime = Revision = 0;
}

bool TDocumentInfo::GetDocumentData(const std::string& fileName) {
  bool result = false;
  Reset();
  const std::string ext = UpperASCII(ExtractFileExtWithoutExtensionSeparator(fileName));
  if (!IsExistingFile(fileName)) return false;
  FileName = fileName;
  using TReader = bool (TDocumentInfo::*)(const std::string&);
  static const TReader kReaders[] = {nullptr,
                                     &TDocumentInfo::GetDocumentDataFromPDF,
                                     &TDocumentInfo::GetDocumentDataFromRTF,
                                     &TDocumentInfo::GetDocumentDataFromDOCX,
                                     &TDocumentInfo::GetDocumentDataFromODT,
                                     &TDocumentInfo::GetDocumentDataFromDOC,
                                     &TDocumentInfo::GetDocumentDataFromHTML,
                                     &TDocumentInfo::GetDocumentDataFromEPUB};
  try {
    struct TExt {
      const char* Ext;
      TDocumentInfoFormat Format;
    };
    // Workbooks carry the same document properties as texts of their
    // family, in the same package parts.
    static const TExt kByExtension[] = {{"PDF", difPDF},   {"RTF", difRTF},  {"DOCX", difDOCX}, {"ODT", difODT},
                                        {"DOC", difDOC},   {"HTM", difHTML}, {"HTML", difHTML}, {"EPUB", difEPUB},
                                        {"XLSX", difDOCX}, {"ODS", difODT}};
    for (const TExt& e : kByExtension)
      if (ext == e.Ext) {
        result = (this->*kReaders[e.Format])(fileName);
        if (result) Format = e.Format;
        break;
      }
    if (!result) {
      const TDocumentInfoFormat guess = GuessDocumentInfoFormat(fileName);
      if (guess != difUnknow) {
        result = (this->*kReaders[guess])(fileName);
        if (result) Format = guess;
      }
    }
  } catch (const std::exception& e) {
    Error = ReaderErrorText(e);
  }
  return result;
}

bool TDocumentInfo::GetDocumentDataFromPDF(const std::string& fileName) {
  if (!IsExistingFile(fileName)) return false;
  const int32_t tag = Tag;
  Reset();
  Tag = tag;
  FileName = fileName;
  auto pdf = std::make_unique<TDocumentInfoPDF>("", true);
  if (!pdf->ReadFromFile(fileName)) return false;
  PageCount = pdf->PageCount;
  MetaApplication = pdf->MetaApplication;
  MetaAuthor = pdf->MetaAuthor;
  MetaCreated = pdf->MetaCreated;
  MetaKeywords = pdf->MetaKeywords;
  MetaModified = pdf->MetaModified;
  MetaTitle = pdf->MetaTitle;
  MetaSubject = pdf->MetaSubject;
  MetaCreatedWith = pdf->MetaCreatedWith;
  PDFVersion = pdf->PDFVersion;
  Language.clear();
  return true;
}

bool TDocumentInfo::GetDocumentDataFromRTF(const std::string& fileName) {
  const std::string whole = LoadBytes(fileName);
  int32_t codePage = 1252;
  const size_t cpg = whole.find("\\ansicpg");
  if (cpg != std::string::npos && cpg < 4096) {
    int32_t v = 0;
    size_t j = cpg + 8;
    while (j < whole.size() && std::isdigit(static_cast<unsigned char>(whole[j])) && v < 100000)
      v = v * 10 + (whole[j++] - '0');
    if (v > 0) codePage = v;
  }
  // The info group ends at its own closing brace, counted over the groups
  // nested in it: LibreOffice wraps a title in {\upr{...}{\*\ud{...}}}, whose
  // "}}" is not the group's end. Escaped braces are text.
  std::string s;
  const size_t p = whole.find("{\\info");
  if (p != std::string::npos) {
    int64_t depth = 0;
    size_t q = p;
    for (; q < whole.size(); ++q) {
      if (whole[q] == '\\') {
        ++q;
      } else if (whole[q] == '{') {
        ++depth;
      } else if (whole[q] == '}' && --depth == 0) {
        break;
      }
    }
    s = whole.substr(p, q - p + 1);
  }

  auto trimRTF = [](std::string_view t) {
    auto strip = [](char c) { return c == ' ' || c == '\\' || c == '}'; };
    size_t b = 0, e = t.size();
    while (b < e && strip(t[b])) ++b;
    while (e > b && strip(t[e - 1])) --e;
    return t.substr(b, e - b);
  };
  size_t start = 0;
  while (start <= s.size()) {
    size_t end = s.find('{', start);
    if (end == std::string::npos) end = s.size();
    const std::string_view t = trimRTF(std::string_view(s).substr(start, end - start));
    start = end + 1;
    if (t.empty()) continue;
    const size_t space = t.find(' ');
    if (space != std::string_view::npos) {
      const std::string key = Trimmed(t.substr(0, space));
      const std::string value = Trimmed(DecodeRTFText(std::string(t.substr(space + 1)), codePage));
      if (key == "title")
        MetaTitle = value;
      else if (key == "author")
        MetaAuthor = value;
      else if (key == "subject")
        MetaSubject = value;
      else if (key == "keywords")
        MetaKeywords = value;
      else if (key == "doccomm")
        MetaDescription = value;
      continue;
    }
    const size_t bs = t.find('\\');
    if (bs != std::string_view::npos) {
      const std::string key = Trimmed(t.substr(0, bs));
      const std::string value = Trimmed(t.substr(bs + 1));
      if (key == "creatim")
        MetaCreated = RTFDateTime(value);
      else if (key == "revtim")
        MetaModified = RTFDateTime(value);
      else if (key == "printim")
        MetaPrinted = RTFDateTime(value);
      continue;
    }
    for (size_t i = 1; i < t.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(t[i]))) continue;
      const std::string key = Trimmed(t.substr(0, i));
      int32_t n = 0;
      if (!TryStrToInt(t.substr(i), n)) {
        size_t j = i;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
        if (j == t.size() || !TryStrToInt(t.substr(i, j - i), n)) continue;
      }
      if (key == "nofpages")
        PageCount = n;
      else if (key == "nofwords")
        WordCount = n;
      else if (key == "nofchars")
        CharCountWithoutSpaces = n;  // RTF counts these without spaces
      else if (key == "nofcharsws")
        CharCountWithSpaces = n;
      else if (key == "version")
        Revision = n;
      else if (key == "edmins")
        EditingTime = EditingSeconds(n);
      break;
    }
  }
  return true;
}

bool TDocumentInfo::GetDocumentDataFromDOCX(const std::string& fileName) {
  bool result = false;
  {
    TZipFileExtractor zip(fileName);
    const std::string core = zip.GetFileFromZipAsString("docProps/core.xml");
    if (!core.empty()) {
      TDocDOM dom;
      LoadPart(dom, core,
               {"dc:title", "dc:creator", "dc:subject", "dc:description", "dcterms:created", "dcterms:modified",
                "cp:lastPrinted", "cp:keywords", "cp:revision"});
      MetaTitle = ElementText(dom, "dc:title");
      MetaAuthor = ElementText(dom, "dc:creator");
      MetaSubject = ElementText(dom, "dc:subject");
      MetaDescription = ElementText(dom, "dc:description");
      MetaCreated = ElementText(dom, "dcterms:created");
      MetaModified = ElementText(dom, "dcterms:modified");
      MetaPrinted = ElementText(dom, "cp:lastPrinted");
      MetaKeywords = ElementText(dom, "cp:keywords");
      Revision = ElementNumber(dom, "cp:revision");
      result = true;
    }
  }
  TZipFileExtractor zip(fileName);
  const std::string app = zip.GetFileFromZipAsString("docProps/app.xml");
  if (!app.empty()) {
    TDocDOM dom;
    LoadPart(dom, app,
             {"Application", "Pages", "Paragraphs", "Words", "CharactersWithSpaces", "Characters", "TotalTime"});
    MetaCreatedWith = MetaApplication = ElementText(dom, "Application");
    PageCount = ElementNumber(dom, "Pages");
    ParagraphCount = ElementNumber(dom, "Paragraphs");
    WordCount = ElementNumber(dom, "Words");
    CharCountWithSpaces = ElementNumber(dom, "CharactersWithSpaces");
    CharCountWithoutSpaces = ElementNumber(dom, "Characters");
    EditingTime = EditingSeconds(ElementNumber(dom, "TotalTime"));
    result = true;
  }
  return result;
}

bool TDocumentInfo::GetDocumentDataFromODT(const std::string& fileName) {
  TZipFileExtractor zip(fileName);
  const std::string meta = zip.GetFileFromZipAsString("meta.xml");
  if (meta.empty()) return false;
  TDocDOM dom;
  LoadPart(dom, meta,
           {"dc:title", "meta:keyword", "meta:creation-date", "dc:date", "meta:print-date", "dc:subject",
            "dc:description", "dc:creator", "meta:initial-creator", "meta:generator", "meta:editing-cycles",
            "dc:language", "meta:document-statistic"});
  MetaTitle = ElementText(dom, "dc:title");
  // Each keyword is an element of its own; joined as the PDF and RTF exports
  // of the same document join them.
  for (const TDOMNode* keyword : dom.GetAllNodesWithTagName("meta:keyword", false)) {
    const std::string k = Trimmed(keyword->TextContent());
    if (k.empty()) continue;
    if (!MetaKeywords.empty()) MetaKeywords += ", ";
    MetaKeywords += k;
  }
  MetaCreated = ElementText(dom, "meta:creation-date");
  MetaModified = ElementText(dom, "dc:date");
  MetaPrinted = ElementText(dom, "meta:print-date");
  MetaSubject = ElementText(dom, "dc:subject");
  MetaDescription = ElementText(dom, "dc:description");
  // The author is the initial creator; dc:creator names the last person who
  // saved, as the DOCX and PDF exports of the same document say.
  MetaAuthor = ElementText(dom, "meta:initial-creator");
  if (MetaAuthor.empty()) MetaAuthor = ElementText(dom, "dc:creator");
  MetaCreatedWith = MetaApplication = ElementText(dom, "meta:generator");
  Revision = ElementNumber(dom, "meta:editing-cycles");
  Language = ElementText(dom, "dc:language");
  if (const TDOMNode* n = dom.GetFirstNodeWithTagName("meta:document-statistic")) {
    PageCount = n->GetAttributeAsInt("meta:page-count", 0);
    ParagraphCount = n->GetAttributeAsInt("meta:paragraph-count", 0);
    WordCount = n->GetAttributeAsInt("meta:word-count", 0);
    CharCountWithSpaces = n->GetAttributeAsInt("meta:character-count", 0);
    CharCountWithoutSpaces = n->GetAttributeAsInt("meta:non-whitespace-character-count", 0);
  }
  return true;
}

bool TDocumentInfo::GetDocumentDataFromEPUB(const std::string& fileName) {
  TZipFileExtractor zip(fileName);
  const std::string container = zip.GetFileFromZipAsString("META-INF/container.xml");
  if (container.empty()) return false;
  TDocDOM dom;
  LoadPart(dom, container, {"rootfile"});
  std::string path = dom.GetValueOfAttributeOfFirstNodeMatchingCSSSelector("rootfile", "full-path", false, "");
  if (path.empty()) return false;
  for (char& c : path)
    if (c == '\\') c = '/';
  const std::string package = zip.GetFileFromZipAsString(path);
  if (package.empty()) return false;
  LoadPart(
      dom, package,
      {"metadata", "dc:title", "dc:creator", "dc:subject", "dc:description", "dc:language", "meta", "description"});
  if (!dom.GetFirstNodeWithTagName("metadata")) return false;
  MetaTitle = ElementText(dom, "dc:title");
  MetaAuthor = ElementText(dom, "dc:creator");
  MetaSubject = ElementText(dom, "dc:subject");
  MetaDescription = ElementText(dom, "dc:description");
  Language = ElementText(dom, "dc:language");
  PageCount = StrToIntDef(
      Trimmed(dom.GetInnerTextOfFirstNodeMatchingCSSSelector("meta[property=schema:numberOfPages]", true, "")), 0);
  if (MetaDescription.empty()) MetaDescription = ElementText(dom, "description");
  return true;
}

bool TDocumentInfo::GetDocumentDataFromHTML(const std::string& fileName) {
  TDocDOM dom;
  dom.ParseAsHTML = true;
  dom.KeptTagNames = {"html", "title", "meta"};
  int32_t codePage = 0;
  bool hasBOM = false;
  dom.LoadFromString(LoadTextForReading(fileName, codePage, hasBOM,
                                        [&dom](std::string_view head) { return dom.DeclaredCodePageOfHead(head); }));
  PageCount = 1;
  MetaTitle = CollapsedWhiteSpace(ElementText(dom, "title"));
  Language = dom.GetValueOfAttributeOfFirstNodeMatchingCSSSelector("html", "lang", true, "");
  // HTML compares metadata names without regard to case.
  for (const TDOMNode* meta : dom.GetAllNodesWithTagName("meta", true)) {
    const std::string name = meta->GetAttribute("name");
    const std::string content = meta->GetAttribute("content");
    if (name.empty() || content.empty()) continue;
    if (EqualsIgnoringASCIICase(name, "author"))
      MetaAuthor = content;
    else if (EqualsIgnoringASCIICase(name, "keywords"))
      MetaKeywords = content;
    else if (EqualsIgnoringASCIICase(name, "description"))
      MetaDescription = content;
    else if (EqualsIgnoringASCIICase(name, "last-modified"))
      MetaModified = content;
    else if (EqualsIgnoringASCIICase(name, "application-name"))
      MetaApplication = content;
    else if (EqualsIgnoringASCIICase(name, "dc.creator") && MetaAuthor.empty())
      MetaAuthor = content;
  }
  return true;
}

bool TDocumentInfo::GetDocumentDataFromDOC(const std::string&) { return true; }
