#include "documents/docx_writer.h"

#include <cmath>
#include <ctime>

#include "documents/image_pixel_size.h"
#include "documents/office_package.h"
#include "documents/table_export_buffer.h"
#include "documents/xml_tree.h"
#include "foundation/letter_case.h"
#include "foundation/numeral_systems.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"

namespace {

constexpr const char* kNsPackageRelationships = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kNsContentTypes = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr const char* kRelTypeBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kRelTypeCoreProperties =
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
constexpr const char* kNsExtendedProperties =
    "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
constexpr const char* kNsDocPropsVTypes = "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
constexpr const char* kNsCoreProperties = "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
constexpr const char* kNsDublinCore = "http://purl.org/dc/elements/1.1/";
constexpr const char* kNsDublinCoreTerms = "http://purl.org/dc/terms/";
constexpr const char* kNsDCMIType = "http://purl.org/dc/dcmitype/";
constexpr const char* kNsXMLSchemaInstance = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* kNsRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kNsWordMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kNsDrawingMain = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kNsDrawingPicture = "http://schemas.openxmlformats.org/drawingml/2006/picture";

std::string RelID(int32_t n) { return "rId" + std::to_string(n); }

std::string RelType(const char* name) { return std::string(kRelTypeBase) + name; }

// The namespaces of the document, header and footer roots.
void AddDocumentNamespaces(TXMLNode& root) {
  TKeyValueArrayObj& a = root.Attributes;
  a.Add("xmlns:ve", "http://schemas.openxmlformats.org/markup-compatibility/2006");
  a.Add("xmlns:o", "urn:schemas-microsoft-com:office:office");
  a.Add("xmlns:r", kNsRelationships);
  a.Add("xmlns:m", "http://schemas.openxmlformats.org/officeDocument/2006/math");
  a.Add("xmlns:v", "urn:schemas-microsoft-com:vml");
  a.Add("xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
  a.Add("xmlns:w10", "urn:schemas-microsoft-com:office:word");
  a.Add("xmlns:w", kNsWordMain);
  a.Add("xmlns:wne", "http://schemas.microsoft.com/office/word/2006/wordml");
}

TXMLNode* AddWithAttribute(TXMLNode& parent, std::string name, std::string_view key, std::string_view value) {
  TXMLNode* node = parent.AddNode(std::move(name));
  node->Attributes.Add(key, value);
  return node;
}

// Word drops blanks at the ends of a text and may fold runs of blanks unless
// told to keep them.
void AddTextElement(TXMLNode& run, std::string text) {
  const bool keepBlanks =
      !text.empty() && (text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string::npos);
  TXMLNode* t = run.AddNode("w:t", std::move(text));
  if (keepBlanks) t->Attributes.Add("xml:space", "preserve");
}

// One line of text: a TAB inside a text element is read as a blank, so each
// one is a tab element of its own between the texts.
void AddLineNodes(TXMLNode& run, std::string_view line) {
  if (line.find('\t') == std::string_view::npos) {
    AddTextElement(run, std::string(line));
    return;
  }
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t')) {
    if (tab > 0) AddTextElement(run, std::string(line.substr(0, tab)));
    run.AddNode("w:tab");
    line.remove_prefix(tab + 1);
  }
  if (!line.empty()) AddTextElement(run, std::string(line));
}

// A text in a run: each line break (CR LF, CR or LF) a break element, which
// is what readers take for one; a CR left in the text would be read as a
// line feed or a blank.
void AddTextNode(TXMLNode& run, const std::string& text) {
  if (text.find_first_of("\r\n") == std::string::npos) {
    AddLineNodes(run, text);
    return;
  }
  TStrArray lines;
  ExplodeAtCRLF_CR_LF_LineBreaks(lines, text);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) run.AddNode("w:br");
    AddLineNodes(run, lines[i]);
  }
}

// Lower case with "jpeg" as "jpg", for package names and content types.
std::string ImageExtension(const std::string& source) {
  std::string ext = UTF8LowerCase(ExtractFileExtWithoutExtensionSeparator(source));
  if (ext == "jpeg") ext = "jpg";
  return ext;
}

std::string Twips(double cm) { return std::to_string(CmToTwips(cm)); }

std::string HalfPoints(float points) {
  return std::to_string(static_cast<int64_t>(std::nearbyint(static_cast<double>(points) * 2.0)));
}

const char* JustificationValue(TDocAlignmentHorizontal alignment) {
  switch (alignment) {
    case docAlignHorzRight: return "right";
    case docAlignHorzCenter: return "center";
    case docAlignHorzJustify: return "both";
    default: return "left";
  }
}

const char* UnderlineValue(TDocUnderlineType type) {
  switch (type) {
    case docUnderlineTypeDouble: return "double";
    case docUnderlineTypeDash: return "dash";
    case docUnderlineTypeDotted: return "dotted";
    case docUnderlineTypeWave: return "wave";
    default: return "single";
  }
}

void AddFontsNode(TXMLNode& rPr, const std::string& fontName) {
  TXMLNode* fonts = rPr.AddNode("w:rFonts");
  fonts->Attributes.Add("w:ascii", fontName);
  fonts->Attributes.Add("w:hAnsi", fontName);
  fonts->Attributes.Add("w:cs", fontName);
}

// Children of pPr and rPr come in the order the WordprocessingML schema
// prescribes: keep flags, spacing, indentation, justification; fonts, bold,
// italic, strike, colour, size, underline.
void AddParagraphStyleNode(TXMLNode& node, const std::string& styleId, const std::string& styleName,
                           const std::string& basedOn, const std::string& nextStyle, const TDocParagraphStyle& style) {
  node.Attributes.Add("w:type", "paragraph");
  node.Attributes.Add("w:styleId", styleId);
  AddWithAttribute(node, "w:name", "w:val", styleName);
  if (!basedOn.empty()) AddWithAttribute(node, "w:basedOn", "w:val", basedOn);
  if (!nextStyle.empty()) AddWithAttribute(node, "w:next", "w:val", nextStyle);

  TXMLNode* pPr = node.AddNode("w:pPr");
  if (style.KeepWithNext) AddWithAttribute(*pPr, "w:keepNext", "w:val", "on");
  if (style.KeepTogether) AddWithAttribute(*pPr, "w:keepLines", "w:val", "on");
  TXMLNode* spacing = pPr->AddNode("w:spacing");
  spacing->Attributes.Add("w:before", Twips(style.MarginTop));
  spacing->Attributes.Add("w:after", Twips(style.MarginBottom));
  if (style.LineSpacing != 1.0f) {
    spacing->Attributes.Add(
        "w:line", std::to_string(static_cast<int64_t>(std::nearbyint(static_cast<double>(style.LineSpacing) * 240))));
    spacing->Attributes.Add("w:lineRule", "auto");
  }
  if (style.MarginLeft != 0 || style.MarginRight != 0) {
    TXMLNode* ind = pPr->AddNode("w:ind");
    if (style.MarginLeft != 0) ind->Attributes.Add("w:left", Twips(style.MarginLeft));
    if (style.MarginRight != 0) ind->Attributes.Add("w:right", Twips(style.MarginRight));
  }
  AddWithAttribute(*pPr, "w:jc", "w:val", JustificationValue(style.TextAlignmentHorz));

  TXMLNode* rPr = node.AddNode("w:rPr");
  AddFontsNode(*rPr, style.FontName());
  if (style.FontBold) AddWithAttribute(*rPr, "w:b", "w:val", "true");
  if (style.FontItalic) AddWithAttribute(*rPr, "w:i", "w:val", "true");
  if (style.FontStrikeThrough)
    AddWithAttribute(*rPr, style.FontStrikeType == docStrikeTypeDouble ? "w:dstrike" : "w:strike", "w:val", "true");
  AddWithAttribute(*rPr, "w:color", "w:val", style.GetTextColorAsHex());
  const std::string size = HalfPoints(style.FontSize);
  AddWithAttribute(*rPr, "w:sz", "w:val", size);
  AddWithAttribute(*rPr, "w:szCs", "w:val", size);
  if (style.FontUnderline) AddWithAttribute(*rPr, "w:u", "w:val", UnderlineValue(style.FontUnderlineType));
}

std::string TwoDigits(int value) {
  std::string s = std::to_string(value);
  return s.size() < 2 ? "0" + s : s;
}

std::string FourDigits(int value) {
  std::string s = std::to_string(value);
  while (s.size() < 4) s.insert(0, "0");
  return s;
}

}  // namespace

std::string DocxCreatorText() { return std::string("Pellwick DOCX Creator - ") + kDocumentMakerWebDomain; }
std::string DocxApplicationText() { return std::string("Pellwick DOCXCreator - ") + kDocumentMakerWebDomain; }

std::string DocxW3CDTFDateTime(TDateTime ALocal) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
  if (!DecodeDateTime(ALocal, year, month, day, hour, minute, second, ms)) return {};
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  const std::time_t instant = std::mktime(&local);
  std::tm utc{};
  if (instant != static_cast<std::time_t>(-1) && gmtime_r(&instant, &utc)) {
    year = utc.tm_year + 1900;
    month = utc.tm_mon + 1;
    day = utc.tm_mday;
    hour = utc.tm_hour;
    minute = utc.tm_min;
    second = utc.tm_sec;
  }
  return FourDigits(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day) + "T" + TwoDigits(hour) + ":" +
         TwoDigits(minute) + ":" + TwoDigits(second) + "Z";
}

int64_t DocxPixelsToEMU(int32_t APixels) {
  return static_cast<int64_t>(std::nearbyint((static_cast<double>(APixels) / 72.0) * 361440.0));
}

TDocDOCX::TDocDOCX() {
  SetDefaultFont("Calibri");
  DocumentCreator = DocxCreatorText();
  DocumentLastModifiedBy = DocxCreatorText();
  for (int32_t level = 1; level <= 6; ++level) Page().Heading(level).SetFontName("Calibri");
  Page().Style().SetFontName("Calibri");
}

TDocDOCX::~TDocDOCX() = default;

bool TDocDOCX::SaveToFile(const std::string& FileName) {
  TOfficePackage package;
  package.AddPart("[Content_Types].xml", GetFileStringContentTypesXML());
  package.AddPart("_rels/.rels", GetFileStringRelsRels());
  package.AddPart("docProps/app.xml", GetFileStringDocPropsAppXML());
  package.AddPart("docProps/core.xml", GetFileStringDocPropsCoreXML());
  package.AddPart("word/_rels/document.xml.rels", GetFileStringWordRelsDocumentXMLRels());
  package.AddStreamedPart("word/document.xml", [this](TTextBuffer& out) { WriteWordDocumentXML(out); });
  package.AddPart("word/fontTable.xml", GetFileStringWordFontTableXML());
  package.AddPart("word/styles.xml", GetFileStringWordStylesXML());
  if (Header().HasContent()) package.AddPart("word/header.xml", GetFileStringWordHeaderXML());
  if (Footer().HasContent()) package.AddPart("word/footer.xml", GetFileStringWordFooterXML());
  // A picture that cannot be read would leave the document pointing at a
  // missing part: the save fails instead.
  for (const TDocEmbeddedContentRec& entry : LinkedContent)
    if (entry.ContentType == docEmbeddedContentImage &&
        !package.AddFileFromDisk("word/media/" + entry.FileName, entry.Source))
      return false;
  return package.SaveToFile(FileName);
}

std::string TDocDOCX::GetFileStringContentTypesXML() const {
  bool png = false, jpg = false, gif = false;
  for (const TDocEmbeddedContentRec& entry : LinkedContent) {
    if (entry.ContentType != docEmbeddedContentImage) continue;
    const std::string ext = ImageExtension(entry.Source);
    png = png || ext == "png";
    jpg = jpg || ext == "jpg";
    gif = gif || ext == "gif";
  }
  TDocXML xml("Types");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns", kNsContentTypes);
  const auto addDefault = [&](const char* ext, const char* type) {
    TXMLNode* node = root.AddNode("Default");
    node->Attributes.Add("Extension", ext);
    node->Attributes.Add("ContentType", type);
  };
  const auto addOverride = [&](const char* part, const char* type) {
    TXMLNode* node = root.AddNode("Override");
    node->Attributes.Add("PartName", part);
    node->Attributes.Add("ContentType", type);
  };
  addDefault("rels", "application/vnd.openxmlformats-package.relationships+xml");
  addDefault("xml", "application/xml");
  if (png) addDefault("png", "image/png");
  if (jpg) addDefault("jpg", "image/jpg");
  if (gif) addDefault("gif", "image/gif");
  addOverride("/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
  addOverride("/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml");
  addOverride("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
  addOverride("/word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
  addOverride("/word/fontTable.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml");
  if (Header().HasContent())
    addOverride("/word/header.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml");
  if (Footer().HasContent())
    addOverride("/word/footer.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml");
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringRelsRels() const {
  TDocXML xml("Relationships");
  xml.XMLDeclarationStandalone = true;
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns", kNsPackageRelationships);
  const auto add = [&](const char* id, const std::string& type, const char* target) {
    TXMLNode* node = root.AddNode("Relationship");
    node->Attributes.Add("Id", id);
    node->Attributes.Add("Type", type);
    node->Attributes.Add("Target", target);
  };
  add("rId1", RelType("officeDocument"), "word/document.xml");
  add("rId2", kRelTypeCoreProperties, "docProps/core.xml");
  add("rId3", RelType("extended-properties"), "docProps/app.xml");
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringDocPropsAppXML() const {
  TDocXML xml("Properties");
  xml.XMLDeclarationStandalone = true;
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns", kNsExtendedProperties);
  root.Attributes.Add("xmlns:vt", kNsDocPropsVTypes);
  root.AddNode("Template", "Normal.dotm");
  root.AddNode("Application", DocxApplicationText());
  root.AddNode("AppVersion", "1.0");
  root.AddNode("Company", DocumentCompany);
  root.AddNode("TotalTime", std::to_string(DocumentEditingTime));
  root.AddNode("DocSecurity", "0");
  root.AddNode("ScaleCrop", "false");
  root.AddNode("LinksUpToDate", "false");
  root.AddNode("SharedDoc", "false");
  root.AddNode("HyperlinksChanged", "false");
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringDocPropsCoreXML() const {
  TDocXML xml("cp:coreProperties");
  xml.XMLDeclarationStandalone = true;
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:cp", kNsCoreProperties);
  root.Attributes.Add("xmlns:dc", kNsDublinCore);
  root.Attributes.Add("xmlns:dcterms", kNsDublinCoreTerms);
  root.Attributes.Add("xmlns:dcmitype", kNsDCMIType);
  root.Attributes.Add("xmlns:xsi", kNsXMLSchemaInstance);
  root.AddNode("dc:title", DocumentTitle);
  root.AddNode("dc:subject", DocumentSubject);
  root.AddNode("cp:keywords", DocumentKeywords);
  root.AddNode("dc:description", DocumentDescription);
  root.AddNode("dc:creator", DocumentCreator);
  root.AddNode("dcterms:created", DocxW3CDTFDateTime(DocumentCreationDate))
      ->Attributes.Add("xsi:type", "dcterms:W3CDTF");
  root.AddNode("cp:lastModifiedBy", DocumentLastModifiedBy);
  root.AddNode("dcterms:modified", DocxW3CDTFDateTime(DocumentLastModificationDate))
      ->Attributes.Add("xsi:type", "dcterms:W3CDTF");
  root.AddNode("cp:revision", std::to_string(DocumentVersion));
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringWordRelsDocumentXMLRels() {
  TDocXML xml("Relationships");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns", kNsPackageRelationships);
  const auto add = [&](int32_t n, const std::string& type, const std::string& target) {
    TXMLNode* node = root.AddNode("Relationship");
    node->Attributes.Add("Id", RelID(n));
    node->Attributes.Add("Type", type);
    node->Attributes.Add("Target", target);
    return node;
  };
  add(1, RelType("fontTable"), "fontTable.xml");
  add(2, RelType("styles"), "styles.xml");
  int32_t n = 3;
  if (Header().HasContent()) {
    add(n, RelType("header"), "header.xml");
    FHeaderRelID = n++;
  }
  if (Footer().HasContent()) {
    add(n, RelType("footer"), "footer.xml");
    FFooterRelID = n++;
  }
  for (TDocEmbeddedContentRec& entry : LinkedContent) {
    if (entry.ContentType == docEmbeddedContentHyperlink) {
      add(n, RelType("hyperlink"), entry.Source)->Attributes.Add("TargetMode", "External");
      entry.RelID = n++;
    } else if (entry.ContentType == docEmbeddedContentImage) {
      entry.FileName = "image" + std::to_string(n) + "." + ImageExtension(entry.Source);
      add(n, RelType("image"), "media/" + entry.FileName);
      entry.RelID = n++;
      const TImagePixelSize size = GetImagePixelSize(entry.Source);
      entry.Width = size.Width;
      entry.Height = size.Height;
    }
  }
  return xml.PlainText();
}

void TDocDOCX::AddParagraph(TXMLNode& body, const TDocContent& item) const {
  const std::string styleName = item.Param >= 0 && item.Param < Styles().Count()
                                    ? Styles().GetStyle(item.Param).StyleName
                                    : std::string("DefaultParagraph");
  TXMLNode* p = body.AddNode("w:p");
  AddWithAttribute(*p->AddNode("w:pPr"), "w:pStyle", "w:val", styleName);
  AddTextNode(*p->AddNode("w:r"), item.Value);
}

void TDocDOCX::AddImage(TXMLNode& body, const TDocContent& item) const {
  if (item.Param < 0 || static_cast<size_t>(item.Param) >= LinkedContent.size()) return;
  const TDocEmbeddedContentRec& entry = LinkedContent[static_cast<size_t>(item.Param)];
  const int32_t n = entry.RelID;
  if (n == -1) return;
  const std::string id = std::to_string(n);
  const std::string cx = std::to_string(DocxPixelsToEMU(entry.Width));
  const std::string cy = std::to_string(DocxPixelsToEMU(entry.Height));

  TXMLNode* p = body.AddNode("w:p");
  if (entry.StyleID >= 0 && entry.StyleID < Styles().Count())
    AddWithAttribute(*p->AddNode("w:pPr"), "w:pStyle", "w:val", Styles().GetStyle(entry.StyleID).StyleName);
  TXMLNode* run = p->AddNode("w:r");
  run->AddNode("w:rPr")->AddNode("w:noProof");
  TXMLNode* inline_ = run->AddNode("w:drawing")->AddNode("wp:inline");
  for (const char* side : {"distT", "distB", "distL", "distR"}) inline_->Attributes.Add(side, "0");
  TXMLNode* extent = inline_->AddNode("wp:extent");
  extent->Attributes.Add("cx", cx);
  extent->Attributes.Add("cy", cy);
  TXMLNode* effect = inline_->AddNode("wp:effectExtent");
  effect->Attributes.Add("l", "19050");
  effect->Attributes.Add("t", "0");
  effect->Attributes.Add("r", "0");
  effect->Attributes.Add("b", "0");
  TXMLNode* docPr = inline_->AddNode("wp:docPr");
  docPr->Attributes.Add("id", id);
  docPr->Attributes.Add("name", "Image" + id);
  TXMLNode* locks = inline_->AddNode("wp:cNvGraphicFramePr")->AddNode("a:graphicFrameLocks");
  locks->Attributes.Add("xmlns:a", kNsDrawingMain);
  locks->Attributes.Add("noChangeAspect", "1");
  TXMLNode* graphic = AddWithAttribute(*inline_, "a:graphic", "xmlns:a", kNsDrawingMain);
  TXMLNode* data = AddWithAttribute(*graphic, "a:graphicData", "uri", kNsDrawingPicture);
  TXMLNode* pic = AddWithAttribute(*data, "pic:pic", "xmlns:pic", kNsDrawingPicture);

  TXMLNode* nvPicPr = pic->AddNode("pic:nvPicPr");
  TXMLNode* cNvPr = nvPicPr->AddNode("pic:cNvPr");
  cNvPr->Attributes.Add("id", "0");
  cNvPr->Attributes.Add("name", "Image" + id);
  TXMLNode* picLocks = nvPicPr->AddNode("pic:cNvPicPr")->AddNode("a:picLocks");
  picLocks->Attributes.Add("noChangeAspect", "1");
  picLocks->Attributes.Add("noChangeArrowheads", "1");

  TXMLNode* blipFill = pic->AddNode("pic:blipFill");
  TXMLNode* blip = blipFill->AddNode("a:blip");
  blip->Attributes.Add("r:embed", RelID(n));
  blip->Attributes.Add("cstate", "print");
  blipFill->AddNode("a:srcRect");
  blipFill->AddNode("a:stretch")->AddNode("a:fillRect");

  TXMLNode* spPr = AddWithAttribute(*pic, "pic:spPr", "bwMode", "auto");
  TXMLNode* xfrm = spPr->AddNode("a:xfrm");
  TXMLNode* off = xfrm->AddNode("a:off");
  off->Attributes.Add("x", "0");
  off->Attributes.Add("y", "0");
  TXMLNode* ext = xfrm->AddNode("a:ext");
  ext->Attributes.Add("cx", cx);
  ext->Attributes.Add("cy", cy);
  AddWithAttribute(*spPr, "a:prstGeom", "prst", "rect")->AddNode("a:avLst");
  spPr->AddNode("a:noFill");
  TXMLNode* ln = AddWithAttribute(*spPr, "a:ln", "w", "9525");
  ln->AddNode("a:noFill");
  AddWithAttribute(*ln, "a:miter", "lim", "800000");
  ln->AddNode("a:headEnd");
  ln->AddNode("a:tailEnd");
}

std::string TDocDOCX::GetFileStringWordDocumentXML() const {
  return TextWrittenBy([this](TTextBuffer& out) { WriteWordDocumentXML(out); });
}

namespace {
// Where the paragraphs go in the rendered frame of the document; markup
// cannot come from the document's texts, which are escaped.
constexpr std::string_view kBodyMark = "<!--paragraphs-->";
}  // namespace

void TDocDOCX::WriteWordDocumentXML(TTextBuffer& out) const {
  TDocXML xml("w:document");
  TXMLNode& root = *xml.RootNode();
  AddDocumentNamespaces(root);
  const std::string background = Page().Style().GetBackgroundColorAsHex();
  if (background != "FFFFFF") AddWithAttribute(root, "w:background", "w:color", background);
  TXMLNode& body = *root.AddNode("w:body");
  body.AddNode("", std::string(kBodyMark), false);
  AddSectionProperties(body);
  const std::string frame = xml.PlainText();
  const size_t mark = frame.find(kBodyMark);
  out.Put(std::string_view(frame).substr(0, mark));
  // A tree of a long document's paragraphs would take many times the text
  // they make: each is rendered on its own and handed on.
  std::string piece;
  for (const TDocContent& item : Page().Contents()) {
    TXMLNode holder("w:body");
    AddBodyContent(holder, item);
    piece.clear();
    for (int32_t c = 0; c < holder.ChildCount(); ++c) holder.Child(c)->AppendText(piece);
    out.Put(piece);
    out.Checkpoint();
  }
  out.Put(std::string_view(frame).substr(mark + kBodyMark.size()));
}

void TDocDOCX::AddBodyContent(TXMLNode& body, const TDocContent& item) const {
  switch (item.ContentType) {
    case docContentParagraph: AddParagraph(body, item); break;
    case docContentHeading1:
    case docContentHeading2:
    case docContentHeading3:
    case docContentHeading4:
    case docContentHeading5:
    case docContentHeading6: {
      TXMLNode* p = body.AddNode("w:p");
      const int level = item.ContentType - docContentHeading1 + 1;
      AddWithAttribute(*p->AddNode("w:pPr"), "w:pStyle", "w:val", "Heading" + std::to_string(level));
      AddTextNode(*p->AddNode("w:r"), item.Value);
      break;
    }
    case docContentPageBreak: AddWithAttribute(*body.AddNode("w:p")->AddNode("w:r"), "w:br", "w:type", "page"); break;
    case docContentColumnBreak:
      AddWithAttribute(*body.AddNode("w:p")->AddNode("w:r"), "w:br", "w:type", "column");
      break;
    case docContentHyperlink: {
      const int32_t n = GetEmbeddedContentRelIDFromParam(item.Param, 3);
      TXMLNode* link = body.AddNode("w:p")->AddNode("w:hyperlink");
      link->Attributes.Add("r:id", RelID(n));
      link->Attributes.Add("w:history", "1");
      TXMLNode* run = link->AddNode("w:r");
      AddWithAttribute(*run->AddNode("w:rPr"), "w:rStyle", "w:val", "Hyperlink");
      AddTextNode(*run, item.Value);
      break;
    }
    case docContentImage: AddImage(body, item); break;
    default: break;
  }
}

void TDocDOCX::AddSectionProperties(TXMLNode& body) const {
  // Header and footer references lead the section properties, as the schema
  // orders them.
  TXMLNode* sectPr = body.AddNode("w:sectPr");
  if (Header().HasContent()) {
    TXMLNode* ref = sectPr->AddNode("w:headerReference");
    ref->Attributes.Add("w:type", "default");
    ref->Attributes.Add("r:id", RelID(FHeaderRelID));
  }
  if (Footer().HasContent()) {
    TXMLNode* ref = sectPr->AddNode("w:footerReference");
    ref->Attributes.Add("w:type", "default");
    ref->Attributes.Add("r:id", RelID(FFooterRelID));
  }
  TXMLNode* pgSz = sectPr->AddNode("w:pgSz");
  pgSz->Attributes.Add("w:w", CmToTwipsString(PageWidth()));
  pgSz->Attributes.Add("w:h", CmToTwipsString(PageHeight));
  TXMLNode* pgMar = sectPr->AddNode("w:pgMar");
  pgMar->Attributes.Add("w:top", CmToTwipsString(PageMarginTop));
  pgMar->Attributes.Add("w:right", CmToTwipsString(PageMarginRight()));
  pgMar->Attributes.Add("w:bottom", CmToTwipsString(PageMarginBottom));
  pgMar->Attributes.Add("w:left", CmToTwipsString(PageMarginLeft()));
  pgMar->Attributes.Add("w:header", "708");
  pgMar->Attributes.Add("w:footer", "708");
  pgMar->Attributes.Add("w:gutter", "0");
  AddWithAttribute(*sectPr, "w:pgNumType", "w:start", "1");
  if (PageColumnCount > 1) {
    TXMLNode* cols = sectPr->AddNode("w:cols");
    cols->Attributes.Add("w:num", std::to_string(PageColumnCount));
    cols->Attributes.Add("w:space", "708");
  }
}

std::string TDocDOCX::GetFileStringWordFontTableXML() const {
  TDocXML xml("w:fonts");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:r", kNsRelationships);
  root.Attributes.Add("xmlns:w", kNsWordMain);
  for (int32_t i = 0; i < Fonts().Count(); ++i) AddWithAttribute(root, "w:font", "w:name", Fonts().GetItem(i).FontName);
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringWordStylesXML() const {
  TDocXML xml("w:styles");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:r", kNsRelationships);
  root.Attributes.Add("xmlns:w", kNsWordMain);

  TXMLNode* defaults = root.AddNode("w:docDefaults");
  AddWithAttribute(*defaults->AddNode("w:pPrDefault")->AddNode("w:pPr"), "w:jc", "w:val", "left");
  TXMLNode* defaultRPr = defaults->AddNode("w:rPrDefault")->AddNode("w:rPr");
  AddFontsNode(*defaultRPr, "Calibri");
  AddWithAttribute(*defaultRPr, "w:sz", "w:val", "24");
  root.AddNode("w:latentStyles");

  const TDocParagraphStyle& pageStyle = Page().Style();
  AddParagraphStyleNode(*root.AddNode("w:style"), "Standard", "Standard", "", "Standard", pageStyle);

  TXMLNode* font = root.AddNode("w:style");
  font->Attributes.Add("w:type", "character");
  font->Attributes.Add("w:default", "1");
  font->Attributes.Add("w:styleId", "StandardFont");
  AddWithAttribute(*font, "w:name", "w:val", "StandardFont");
  AddWithAttribute(*font, "w:uiPriority", "w:val", "1");
  TXMLNode* fontRPr = font->AddNode("w:rPr");
  AddFontsNode(*fontRPr, pageStyle.FontName());
  AddWithAttribute(*fontRPr, "w:color", "w:val", pageStyle.GetTextColorAsHex());
  AddWithAttribute(*fontRPr, "w:sz", "w:val", HalfPoints(pageStyle.FontSize));
  AddWithAttribute(*fontRPr, "w:szCs", "w:val", HalfPoints(pageStyle.FontSize));

  const auto addBuiltIn = [&](const char* type, const char* id, const char* name) {
    TXMLNode* node = root.AddNode("w:style");
    node->Attributes.Add("w:type", type);
    node->Attributes.Add("w:default", "1");
    node->Attributes.Add("w:styleId", id);
    AddWithAttribute(*node, "w:name", "w:val", name);
    AddWithAttribute(*node, "w:uiPriority", "w:val", "99");
  };
  addBuiltIn("table", "NormalTable", "Normal Table");
  addBuiltIn("numbering", "NoList", "No List");

  for (int32_t level = 1; level <= 6; ++level) {
    const std::string name = "Heading" + std::to_string(level);
    AddParagraphStyleNode(*root.AddNode("w:style"), name, name, "Standard", "DefaultParagraph", Page().Heading(level));
  }
  AddParagraphStyleNode(*root.AddNode("w:style"), "DefaultParagraph", "DefaultParagraph", "Standard",
                        "DefaultParagraph", pageStyle);
  for (int32_t i = 0; i < Styles().Count(); ++i) {
    const TDocParagraphStyle& style = Styles().GetStyle(i);
    // The fixed style above already carries the id "Standard".
    const std::string name = style.StyleName == "Standard" ? std::string("StandardDef") : style.StyleName;
    AddParagraphStyleNode(*root.AddNode("w:style"), name, name, "Standard", style.StyleName, style);
  }
  if (Header().HasContent())
    AddParagraphStyleNode(*root.AddNode("w:style"), "Header", "DefaultParagraph", "Standard", "", Header().Style());
  if (Footer().HasContent())
    AddParagraphStyleNode(*root.AddNode("w:style"), "Footer", "DefaultParagraph", "Standard", "", Footer().Style());
  if (ContainsEmbeddedContentType(docEmbeddedContentHyperlink)) {
    TXMLNode* link = root.AddNode("w:style");
    link->Attributes.Add("w:type", "character");
    link->Attributes.Add("w:styleId", "Hyperlink");
    AddWithAttribute(*link, "w:name", "w:val", "Hyperlink");
    AddWithAttribute(*link, "w:basedOn", "w:val", "StandardFont");
    AddWithAttribute(*link, "w:uiPriority", "w:val", "99");
    link->AddNode("w:unhideWhenUsed");
    TXMLNode* rPr = link->AddNode("w:rPr");
    TXMLNode* color = AddWithAttribute(*rPr, "w:color", "w:val", "0000FF");
    color->Attributes.Add("w:themeColor", "hyperlink");
    AddWithAttribute(*rPr, "w:u", "w:val", "single");
  }
  return xml.PlainText();
}

std::string TDocDOCX::GetFileStringWordHeaderXML() const { return GetFileStringWordHeaderOrFooterXML("w:hdr"); }

std::string TDocDOCX::GetFileStringWordFooterXML() const { return GetFileStringWordHeaderOrFooterXML("w:ftr"); }

std::string TDocDOCX::GetFileStringWordHeaderOrFooterXML(const std::string& ARootName) const {
  const bool header = ARootName == "w:hdr";
  const TDocumentSection& section = header ? Header() : Footer();
  TDocXML xml(ARootName);
  TXMLNode& root = *xml.RootNode();
  AddDocumentNamespaces(root);
  TXMLNode* p = root.AddNode("w:p");
  AddWithAttribute(*p->AddNode("w:pPr"), "w:pStyle", "w:val", header ? "Header" : "Footer");
  TXMLNode* run = p->AddNode("w:r");
  for (const TDocContent& item : section.Contents()) {
    switch (item.ContentType) {
      case docContentText:
      case docContentParagraph: AddTextNode(*run, item.Value); break;
      case docContentPageNumber:
      case docContentPageCount:
        AddWithAttribute(*run, "w:fldChar", "w:fldCharType", "begin");
        run->AddNode("w:instrText", item.ContentType == docContentPageNumber ? "PAGE" : "NUMPAGES");
        AddWithAttribute(*run, "w:fldChar", "w:fldCharType", "separate");
        run->AddNode("w:t");
        AddWithAttribute(*run, "w:fldChar", "w:fldCharType", "end");
        break;
      default: break;
    }
  }
  return xml.PlainText();
}
