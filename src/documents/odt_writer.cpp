#include "documents/odt_writer.h"

#include <zlib.h>

#include <charconv>
#include <cmath>

#include "documents/odf_text.h"
#include "documents/office_package.h"
#include "documents/xml_tree.h"
#include "foundation/numeral_systems.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"

namespace {

// A text as paragraph content: escaped, with blanks, TABs and line breaks in
// the form ODF readers do not fold away.
std::string ParagraphContent(std::string_view value) {
  std::string out;
  WriteODFParagraphText(
      value, [&out](std::string_view markup) { out += markup; },
      [&out](std::string_view text) { AppendEscapedXMLText(out, text); });
  return out;
}

constexpr const char* kNsOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr const char* kNsMeta = "urn:oasis:names:tc:opendocument:xmlns:meta:1.0";
constexpr const char* kNsXLink = "http://www.w3.org/1999/xlink";
constexpr const char* kNsDublinCore = "http://purl.org/dc/elements/1.1/";
constexpr const char* kNsOOo = "http://openoffice.org/2004/office";
constexpr const char* kMimetypeText = "application/vnd.oasis.opendocument.text";

std::string Cm(double value) { return CreateUnitString(value, "cm", '.'); }

// "#rrggbb" of a colour of the document's table.
std::string ColorText(const TDocumentColorTable& colors, int32_t id) {
  std::string hex = colors.GetColorHexFromID(id);
  for (char& c : hex)
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
  return "#" + hex;
}

std::string TwoDigits(int value) {
  std::string s = std::to_string(value);
  return s.size() < 2 ? "0" + s : s;
}

void AppendBigEndian32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendPNGChunk(std::string& out, const char* type, const std::string& data) {
  AppendBigEndian32(out, static_cast<uint32_t>(data.size()));
  std::string body(type, 4);
  body += data;
  out += body;
  AppendBigEndian32(out, static_cast<uint32_t>(
                             crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

}  // namespace

std::string OdtCreatorText() { return std::string("Pellwick ODT Creator - ") + kDocumentMakerWebDomain; }

std::string FloatToUnitStr(float AValue, const std::string& AUnitText) {
  if (!std::isfinite(AValue)) AValue = 0;
  if (AValue == 0) AValue = 0;  // no "-0"
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, AValue);
  return std::string(buffer, result.ptr) + AUnitText;
}

std::string OdtDateTime(TDateTime AValue) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
  if (!DecodeDateTime(AValue, year, month, day, hour, minute, second, ms)) return {};
  std::string y = std::to_string(year);
  while (y.size() < 4) y.insert(0, "0");
  return y + "-" + TwoDigits(month) + "-" + TwoDigits(day) + "T" + TwoDigits(hour) + ":" + TwoDigits(minute) + ":" +
         TwoDigits(second) + ".00";
}

std::string BlankThumbnailPNG() {
  constexpr uint32_t kSize = 128;
  // One filter byte (none) and 128 white grey-level bytes per row.
  std::string raw;
  for (uint32_t row = 0; row < kSize; ++row) {
    raw += '\0';
    raw.append(kSize, static_cast<char>(0xFF));
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION);
  packed.resize(packedSize);

  std::string png("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  AppendBigEndian32(header, kSize);
  AppendBigEndian32(header, kSize);
  header += '\x08';  // 8 bits per pixel
  header += '\0';    // grey
  header.append(3, '\0');
  AppendPNGChunk(png, "IHDR", header);
  AppendPNGChunk(png, "IDAT", packed);
  AppendPNGChunk(png, "IEND", {});
  return png;
}

TDocODT::TDocODT() {
  DocumentCreator = OdtCreatorText();
  DocumentLastModifiedBy = OdtCreatorText();
}

TDocODT::~TDocODT() = default;

bool TDocODT::SaveToFile(const std::string& FileName) const {
  TOfficePackage package;
  package.StoreFirstFileUncompressed = true;
  package.AddPart("mimetype", GetFileStringMimetype());
  package.AddPart("content.xml", GetFileStringContentXML());
  package.AddPart("styles.xml", GetFileStringStylesXML());
  package.AddPart("meta.xml", GetFileStringMetaXML());
  package.AddPart("settings.xml", GetFileStringSettingsXML());
  package.AddPart("META-INF/manifest.xml", GetFileStringManifestXML());
  if (AddManifestRDF) package.AddPart("manifest.rdf", GetFileStringManifestRDF());
  if (AddThumbnailImage) package.AddPart("Thumbnails/thumbnail.png", BlankThumbnailPNG());
  return package.SaveToFile(FileName);
}

std::string TDocODT::GetFileStringMimetype() const { return kMimetypeText; }

std::string TDocODT::GetFileStringMetaXML() const {
  TDocXML xml("office:document-meta");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:office", kNsOffice);
  root.Attributes.Add("xmlns:xlink", kNsXLink);
  root.Attributes.Add("xmlns:dc", kNsDublinCore);
  if (AddOOOAttributes) root.Attributes.Add("xmlns:ooo", kNsOOo);
  root.Attributes.Add("xmlns:meta", kNsMeta);
  root.Attributes.Add("office:version", "1.2");
  TXMLNode* meta = root.AddNode("office:meta");
  meta->AddNode("dc:title", DocumentTitle);
  meta->AddNode("dc:subject", DocumentSubject);
  meta->AddNode("meta:keyword", DocumentKeywords);
  meta->AddNode("dc:description", DocumentDescription);
  meta->AddNode("meta:initial-creator", DocumentCreator);
  meta->AddNode("meta:creation-date", OdtDateTime(DocumentCreationDate));
  meta->AddNode("meta:generator", OdtCreatorText());
  meta->AddNode("dc:creator", DocumentLastModifiedBy);
  meta->AddNode("dc:date", OdtDateTime(DocumentLastModificationDate));
  meta->AddNode("meta:editing-duration", "PT" + std::to_string(DocumentEditingTime) + "S");
  meta->AddNode("meta:editing-cycles", std::to_string(DocumentVersion));
  for (int i = 1; i <= 4; ++i)
    meta->AddNode("meta:user-defined")->Attributes.Add("meta:name", "Info " + std::to_string(i));
  return xml.PlainText();
}

std::string TDocODT::GetFileStringSettingsXML() const {
  TDocXML xml("office:document-settings");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:office", kNsOffice);
  root.Attributes.Add("xmlns:xlink", kNsXLink);
  root.Attributes.Add("xmlns:config", "urn:oasis:names:tc:opendocument:xmlns:config:1.0");
  if (AddOOOAttributes) root.Attributes.Add("xmlns:ooo", kNsOOo);
  root.Attributes.Add("office:version", "1.2");
  TXMLNode* set = root.AddNode("office:settings")->AddNode("config:config-item-set");
  set->Attributes.Add("config:name", "PellwickODTCreator");
  TXMLNode* item = set->AddNode("config:config-item", "1");
  item->Attributes.Add("config:name", "Version");
  item->Attributes.Add("config:type", "int");
  return xml.PlainText();
}

std::string TDocODT::GetFileStringManifestXML() const {
  TDocXML xml("manifest:manifest");
  TXMLNode& root = *xml.RootNode();
  root.Attributes.Add("xmlns:manifest", "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
  root.Attributes.Add("manifest:version", "1.2");
  const auto add = [&](const char* type, const char* path) {
    TXMLNode* entry = root.AddNode("manifest:file-entry");
    entry->Attributes.Add("manifest:media-type", type);
    entry->Attributes.Add("manifest:full-path", path);
  };
  add(kMimetypeText, "/");
  add("text/xml", "content.xml");
  add("text/xml", "meta.xml");
  add("text/xml", "settings.xml");
  add("text/xml", "styles.xml");
  if (AddManifestRDF) add("application/rdf+xml", "manifest.rdf");
  if (AddThumbnailImage) add("image/png", "Thumbnails/thumbnail.png");
  return xml.PlainText();
}

std::string TDocODT::GetFileStringManifestRDF() const {
  const std::string odf = "http://docs.oasis-open.org/ns/office/1.2/meta/odf#";
  const std::string pkg = "http://docs.oasis-open.org/ns/office/1.2/meta/pkg#";
  const std::string hasPart = "<ns0:hasPart xmlns:ns0=\"" + pkg + "\" rdf:resource=\"";
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
         "<rdf:Description rdf:about=\"styles.xml\"><rdf:type rdf:resource=\"" +
         odf + "StylesFile\"/></rdf:Description><rdf:Description rdf:about=\"\">" + hasPart +
         "styles.xml\"/></rdf:Description><rdf:Description rdf:about=\"content.xml\"><rdf:type rdf:resource=\"" + odf +
         "ContentFile\"/> </rdf:Description><rdf:Description rdf:about=\"\">" + hasPart +
         "content.xml\"/></rdf:Description><rdf:Description rdf:about=\"\"><rdf:type rdf:resource=\"" + pkg +
         "Document\"/></rdf:Description></rdf:RDF>";
}

bool TDocODT::SaveThumbnailPNG(const std::string& FileName) const {
  return WriteFileSafely(FileName, BlankThumbnailPNG(), false, false) == TFileWriteResult::Written;
}

void TDocODT::AddRootNamespaces(TXMLNode& ARoot, bool AContent) const {
  TKeyValueArrayObj& a = ARoot.Attributes;
  const std::string oasis = "urn:oasis:names:tc:opendocument:xmlns:";
  a.Add("xmlns:office", kNsOffice);
  a.Add("xmlns:style", oasis + "style:1.0");
  a.Add("xmlns:text", oasis + "text:1.0");
  a.Add("xmlns:table", oasis + "table:1.0");
  a.Add("xmlns:draw", oasis + "drawing:1.0");
  a.Add("xmlns:fo", oasis + "xsl-fo-compatible:1.0");
  a.Add("xmlns:xlink", kNsXLink);
  a.Add("xmlns:dc", kNsDublinCore);
  a.Add("xmlns:meta", kNsMeta);
  a.Add("xmlns:number", oasis + "datastyle:1.0");
  a.Add("xmlns:svg", oasis + "svg-compatible:1.0");
  a.Add("xmlns:chart", oasis + "chart:1.0");
  a.Add("xmlns:dr3d", oasis + "dr3d:1.0");
  a.Add("xmlns:math", "http://www.w3.org/1998/Math/MathML");
  a.Add("xmlns:form", oasis + "form:1.0");
  a.Add("xmlns:script", oasis + "script:1.0");
  if (AddOOOAttributes) {
    a.Add("xmlns:ooo", kNsOOo);
    a.Add("xmlns:ooow", "http://openoffice.org/2004/writer");
    a.Add("xmlns:oooc", "http://openoffice.org/2004/calc");
  }
  a.Add("xmlns:dom", "http://www.w3.org/2001/xml-events");
  if (AContent) {
    a.Add("xmlns:xforms", "http://www.w3.org/2002/xforms");
    a.Add("xmlns:xsd", "http://www.w3.org/2001/XMLSchema");
    a.Add("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  }
  if (AddOOOAttributes) a.Add("xmlns:rpt", "http://openoffice.org/2005/report");
  a.Add("xmlns:of", oasis + "of:1.2");
  a.Add("xmlns:rdfa", "http://docs.oasis-open.org/opendocument/meta/rdfa#");
  if (AContent && AddOOOAttributes)
    a.Add("xmlns:field", "urn:openoffice:names:experimental:ooo-ms-interop:xmlns:field:1.0");
  a.Add("office:version", "1.2");
}

std::string TDocODT::TableStyleName(int32_t AIndex) const {
  const std::string& name = Styles().GetStyle(AIndex).StyleName;
  // The fixed paragraph style already carries the name "Standard".
  return name == "Standard" ? std::string("StandardDef") : name;
}

std::string TDocODT::GetFileStringContentXML() const {
  TDocXML xml("office:document-content");
  TXMLNode& root = *xml.RootNode();
  AddRootNamespaces(root, true);
  root.AddNode("office:scripts");
  root.AddNode(CreateNodeFontFaceDecls());
  TXMLNode* automatic = root.AddNode("office:automatic-styles");
  for (const auto& [name, kind] : {std::pair{"BreakPagePar", "page"}, std::pair{"BreakColumnPar", "column"}}) {
    TXMLNode* style = automatic->AddNode("style:style");
    style->Attributes.Add("style:name", name);
    style->Attributes.Add("style:family", "paragraph");
    style->Attributes.Add("style:parent-style-name", "DefaultParagraph");
    style->AddNode("style:paragraph-properties")->Attributes.Add("fo:break-before", kind);
  }
  TXMLNode* text = root.AddNode("office:body")->AddNode("office:text");
  TXMLNode* decls = text->AddNode("text:sequence-decls");
  for (const char* name : {"Illustration", "Table", "Text", "Drawing"}) {
    TXMLNode* decl = decls->AddNode("text:sequence-decl");
    decl->Attributes.Add("text:display-outline-level", "0");
    decl->Attributes.Add("text:name", name);
  }
  for (const TDocContent& item : Page().Contents()) {
    switch (item.ContentType) {
      case docContentParagraph: {
        const std::string style = item.Param >= 0 && item.Param < Styles().Count() ? TableStyleName(item.Param)
                                                                                   : std::string("DefaultParagraph");
        text->AddNode("text:p", ParagraphContent(item.Value), false)->Attributes.Add("text:style-name", style);
        break;
      }
      case docContentHeading1:
      case docContentHeading2:
      case docContentHeading3:
      case docContentHeading4:
      case docContentHeading5:
      case docContentHeading6:
        text->AddNode("text:h", ParagraphContent(item.Value), false)
            ->Attributes.Add("text:style-name", "Heading" + std::to_string(item.ContentType - docContentHeading1 + 1));
        break;
      case docContentPageBreak: text->AddNode("text:p")->Attributes.Add("text:style-name", "BreakPagePar"); break;
      case docContentColumnBreak: text->AddNode("text:p")->Attributes.Add("text:style-name", "BreakColumnPar"); break;
      default: break;
    }
  }
  return xml.PlainText();
}

std::string TDocODT::GetFileStringStylesXML() const {
  TDocXML xml("office:document-styles");
  TXMLNode& root = *xml.RootNode();
  AddRootNamespaces(root, false);
  root.AddNode(CreateNodeFontFaceDecls());
  root.AddNode(CreateNodeStyleOfficeStyles());
  root.AddNode("office:automatic-styles")->AddNode(CreateNodeStylePageLayout());
  TXMLNode* master = root.AddNode("office:master-styles")->AddNode("style:master-page");
  master->Attributes.Add("style:name", "Standard");
  master->Attributes.Add("style:page-layout-name", "PageLayoutDef");
  if (Header().HasContent()) master->AddNode(CreateNodeStyleHeaderOrFooter("header", "Header", Header()));
  if (Footer().HasContent()) master->AddNode(CreateNodeStyleHeaderOrFooter("footer", "Footer", Footer()));
  return xml.PlainText();
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeFontFaceDecls() const {
  auto decls = std::make_unique<TXMLNode>("office:font-face-decls");
  for (int32_t i = 0; i < Fonts().Count(); ++i) {
    const std::string name = Fonts().GetItem(i).FontName;
    TXMLNode* face = decls->AddNode("style:font-face");
    face->Attributes.Add("style:name", name);
    face->Attributes.Add("svg:font-family", name.find(' ') != std::string::npos ? "'" + name + "'" : name);
  }
  return decls;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStylePageLayout() const {
  auto layout = std::make_unique<TXMLNode>("style:page-layout");
  layout->Attributes.Add("style:name", "PageLayoutDef");
  TXMLNode* props = layout->AddNode("style:page-layout-properties");
  TKeyValueArrayObj& a = props->Attributes;
  a.Add("fo:page-width", Cm(PageWidth()));
  a.Add("fo:page-height", Cm(PageHeight));
  a.Add("fo:margin-top", Cm(PageMarginTop));
  a.Add("fo:margin-bottom", Cm(PageMarginBottom));
  a.Add("fo:margin-left", Cm(PageMarginLeft()));
  a.Add("fo:margin-right", Cm(PageMarginRight()));
  a.Add("style:print-orientation", PageWidth() > PageHeight ? "landscape" : "portrait");
  a.Add("style:writing-mode", "lr-tb");
  a.Add("style:num-format", "1");
  const TDocParagraphStyle& page = Page().Style();
  if (page.GetBackgroundColorAsTColor() != 0xFFFFFF)
    a.Add("fo:background-color", ColorText(Colors(), page.BackgroundColorID()));
  if (PageColumnCount > 1) {
    TXMLNode* columns = props->AddNode("style:columns");
    columns->Attributes.Add("fo:column-count", std::to_string(PageColumnCount));
    columns->Attributes.Add("fo:column-gap", "0.5cm");
    for (int32_t i = 0; i < PageColumnCount; ++i) columns->AddNode("style:column");
  }
  TXMLNode* header = layout->AddNode("style:header-style");
  if (Header().HasContent()) {
    TXMLNode* p = header->AddNode("style:header-footer-properties");
    p->Attributes.Add("fo:min-height", "0cm");
    p->Attributes.Add("fo:margin-bottom", "0.5cm");
  }
  TXMLNode* footer = layout->AddNode("style:footer-style");
  if (Footer().HasContent()) {
    TXMLNode* p = footer->AddNode("style:header-footer-properties");
    p->Attributes.Add("fo:min-height", "0cm");
    p->Attributes.Add("fo:margin-top", "0.5cm");
  }
  return layout;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleOfficeStyles_Graphic() const {
  auto node = std::make_unique<TXMLNode>("style:default-style");
  node->Attributes.Add("style:family", "graphic");
  TKeyValueArrayObj& a = node->AddNode("style:graphic-properties")->Attributes;
  a.Add("draw:shadow-offset-x", "0.3cm");
  a.Add("draw:shadow-offset-y", "0.3cm");
  a.Add("draw:start-line-spacing-horizontal", "0.4cm");
  a.Add("draw:start-line-spacing-vertical", "0.4cm");
  a.Add("draw:end-line-spacing-horizontal", "0.4cm");
  a.Add("draw:end-line-spacing-vertical", "0.4cm");
  a.Add("style:flow-with-text", "false");
  return node;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleOfficeStyles_Paragraph() const {
  auto node = std::make_unique<TXMLNode>("style:default-style");
  node->Attributes.Add("style:family", "paragraph");
  TKeyValueArrayObj& p = node->AddNode("style:paragraph-properties")->Attributes;
  p.Add("style:line-break", "strict");
  p.Add("style:text-autospace", "ideograph-alpha");
  p.Add("style:punctuation-wrap", "hanging");
  p.Add("style:writing-mode", "page");
  p.Add("fo:hyphenation-ladder-count", "no-limit");
  p.Add("style:tab-stop-distance", "1.5cm");
  TKeyValueArrayObj& t = node->AddNode("style:text-properties")->Attributes;
  t.Add("style:use-window-font-color", "true");
  t.Add("style:font-name", "Courier");
  t.Add("fo:font-size", "16pt");
  t.Add("fo:hyphenate", "false");
  t.Add("fo:hyphenation-remain-char-count", "2");
  t.Add("fo:hyphenation-push-char-count", "2");
  return node;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleOfficeStyles_Table() const {
  auto node = std::make_unique<TXMLNode>("style:default-style");
  node->Attributes.Add("style:family", "table");
  node->AddNode("style:table-properties")->Attributes.Add("table:border-model", "collapsing");
  return node;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleOfficeStyles_TableRow() const {
  auto node = std::make_unique<TXMLNode>("style:default-style");
  node->Attributes.Add("style:family", "table-row");
  node->AddNode("style:table-row-properties")->Attributes.Add("fo:keep-together", "auto");
  return node;
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleOfficeStyles() const {
  auto styles = std::make_unique<TXMLNode>("office:styles");
  styles->AddNode(CreateNodeStyleOfficeStyles_Graphic());
  styles->AddNode(CreateNodeStyleOfficeStyles_Paragraph());
  styles->AddNode(CreateNodeStyleOfficeStyles_Table());
  styles->AddNode(CreateNodeStyleOfficeStyles_TableRow());
  TXMLNode* standard = styles->AddNode("style:style");
  standard->Attributes.Add("style:name", "Standard");
  standard->Attributes.Add("style:family", "paragraph");
  standard->Attributes.Add("style:class", "text");
  standard->AddNode("style:paragraph-properties");
  standard->AddNode("style:text-properties");

  CreateNodeStyleParagraph(*styles, "DefaultParagraph", "paragraph", "Standard", "DefaultParagraph", "text",
                           Page().Style());
  for (int32_t level = 1; level <= 6; ++level)
    CreateNodeStyleParagraph(*styles, "Heading" + std::to_string(level), "paragraph", "DefaultParagraph",
                             "DefaultParagraph", "text", Page().Heading(level));
  for (int32_t i = 0; i < Styles().Count(); ++i) {
    const std::string name = TableStyleName(i);
    CreateNodeStyleParagraph(*styles, name, "paragraph", "DefaultParagraph", name, "text", Styles().GetStyle(i));
  }
  if (Header().HasContent())
    CreateNodeStyleParagraph(*styles, "Header", "paragraph", "DefaultParagraph", "", "extra", Header().Style());
  if (Footer().HasContent())
    CreateNodeStyleParagraph(*styles, "Footer", "paragraph", "DefaultParagraph", "", "extra", Footer().Style());
  return styles;
}

void TDocODT::CreateNodeStyleParagraph(TXMLNode& AParent, const std::string& AName, const std::string& AFamily,
                                       const std::string& AParentStyleName, const std::string& ANextStyleName,
                                       const std::string& AClass, const TDocParagraphStyle& AStyle) const {
  TXMLNode* style = AParent.AddNode("style:style");
  style->Attributes.Add("style:name", AName);
  style->Attributes.Add("style:family", AFamily);
  style->Attributes.Add("style:parent-style-name", AParentStyleName);
  if (!ANextStyleName.empty()) style->Attributes.Add("style:next-style-name", ANextStyleName);
  style->Attributes.Add("style:class", AClass);

  TKeyValueArrayObj& p = style->AddNode("style:paragraph-properties")->Attributes;
  p.Add("fo:margin-top", FloatToUnitStr(AStyle.MarginTop, "cm"));
  p.Add("fo:margin-bottom", FloatToUnitStr(AStyle.MarginBottom, "cm"));
  p.Add("fo:margin-left", FloatToUnitStr(AStyle.MarginLeft, "cm"));
  p.Add("fo:margin-right", FloatToUnitStr(AStyle.MarginRight, "cm"));
  if (AStyle.KeepTogether) p.Add("fo:keep-together", "always");
  if (AStyle.KeepWithNext) p.Add("fo:keep-with-next", "always");
  static constexpr const char* kAlign[4] = {"left", "right", "center", "justify"};
  const int32_t align = AStyle.TextAlignmentHorz;
  p.Add("fo:text-align", kAlign[align >= 0 && align < 4 ? align : 0]);

  TKeyValueArrayObj& t = style->AddNode("style:text-properties")->Attributes;
  t.Add("style:font-name", AStyle.FontName());
  t.Add("style:font-name-complex", AStyle.FontName());
  t.Add("fo:font-size", FloatToUnitStr(AStyle.FontSize, "pt"));
  if (AStyle.FontBold) t.Add("fo:font-weight", "bold");
  if (AStyle.FontItalic) t.Add("fo:font-style", "italic");
  if (AStyle.GetTextColorAsTColor() != 0) t.Add("fo:color", ColorText(Colors(), AStyle.TextColorID()));
  if (AStyle.GetTextBackgroundColorAsTColor() != 0xFFFFFF)
    t.Add("fo:background-color", ColorText(Colors(), AStyle.TextBackgroundColorID()));
  if (AStyle.FontUnderline) {
    static constexpr const char* kStyle[5] = {"solid", "solid", "dash", "dotted", "wave"};
    const int32_t type = AStyle.FontUnderlineType >= 0 && AStyle.FontUnderlineType < 5 ? AStyle.FontUnderlineType : 0;
    t.Add("style:text-underline-style", kStyle[type]);
    t.Add("style:text-underline-type", type == docUnderlineTypeDouble ? "double" : "single");
  }
  if (AStyle.FontStrikeThrough) {
    t.Add("style:text-line-through-style", "solid");
    switch (AStyle.FontStrikeType) {
      case docStrikeTypeDouble: t.Add("style:text-line-through-type", "double"); break;
      case docStrikeTypeBold: t.Add("style:text-line-through-width", "bold"); break;
      case docStrikeTypeWithX: t.Add("style:text-line-through-text", "X"); break;
      case docStrikeTypeWithSlash: t.Add("style:text-line-through-text", "/"); break;
      default: break;
    }
  }
}

std::unique_ptr<TXMLNode> TDocODT::CreateNodeStyleHeaderOrFooter(const std::string& AKind,
                                                                 const std::string& AStyleName,
                                                                 const TDocumentSection& ASection) const {
  auto node = std::make_unique<TXMLNode>("style:" + AKind);
  std::string text;
  for (const TDocContent& item : ASection.Contents()) {
    switch (item.ContentType) {
      case docContentText:
      case docContentParagraph: text += ParagraphContent(item.Value); break;
      case docContentPageNumber: text += "<text:page-number text:select-page=\"current\"></text:page-number>"; break;
      case docContentPageCount: text += "<text:page-count></text:page-count>"; break;
      default: break;
    }
  }
  node->AddNode("text:p", std::move(text), false)->Attributes.Add("text:style-name", AStyleName);
  return node;
}
