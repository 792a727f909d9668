#include "documents/xml_tree.h"

#include <utility>

#include "foundation/code_pages.h"

namespace {

enum class TEscapeMode { None, Text, Attribute };

// Length of the valid UTF-8 sequence at s[i] and its code point; 0 when the
// byte does not start one.
size_t ValidSequenceAt(std::string_view s, size_t i, char32_t& cp) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    const unsigned char c = byte(i + k);
    if (k == 1 ? (c < lo || c > hi) : (c < 0x80 || c > 0xBF)) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  return len;
}

// Copies text to out, dropping what XML 1.0 forbids, turning invalid bytes into
// blanks and writing the characters special to the mode as entities. Runs of
// ordinary characters are appended in one piece.
void AppendSanitized(std::string& out, std::string_view text, TEscapeMode mode) {
  size_t runStart = 0;
  size_t i = 0;
  const auto flush = [&](size_t end) {
    if (end > runStart) out.append(text.data() + runStart, end - runStart);
  };
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x80) {
      const char* entity = nullptr;
      if (mode != TEscapeMode::None) {
        switch (c) {
          case '&': entity = "&amp;"; break;
          case '<': entity = "&lt;"; break;
          case '>': entity = "&gt;"; break;
          case '"': entity = "&quot;"; break;
          case '\'':
            if (mode == TEscapeMode::Text) entity = "&apos;";
            break;
          default: break;
        }
      }
      if (entity) {
        flush(i);
        out += entity;
        runStart = i + 1;
      }
      ++i;
      continue;
    }
    if (c < 0x20) {
      if (c == '\t' || c == '\n' || c == '\r') {
        // A parser reads TAB, CR and LF in an attribute value as blanks and a
        // CR in text as LF; as references they stay what they are.
        const bool keep = mode == TEscapeMode::None || (mode == TEscapeMode::Text && c != '\r');
        if (!keep) {
          flush(i);
          out += c == '\t' ? "&#9;" : c == '\n' ? "&#10;" : "&#13;";
          runStart = i + 1;
        }
        ++i;
        continue;
      }
      flush(i);
      runStart = ++i;
      continue;
    }
    char32_t cp = 0;
    const size_t len = ValidSequenceAt(text, i, cp);
    if (len == 0) {
      flush(i);
      out += ' ';
      runStart = ++i;
      continue;
    }
    if (cp == 0xFFFE || cp == 0xFFFF) {
      flush(i);
      i += len;
      runStart = i;
      continue;
    }
    i += len;
  }
  flush(text.size());
}

}  // namespace

std::string EscapeXMLText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendSanitized(out, text, TEscapeMode::Text);
  return out;
}

void AppendEscapedXMLText(std::string& out, std::string_view text) { AppendSanitized(out, text, TEscapeMode::Text); }

void AppendEscapedXMLAttributeValue(std::string& out, std::string_view value) {
  AppendSanitized(out, value, TEscapeMode::Attribute);
}

std::string RemoveXMLForbiddenChars(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendSanitized(out, text, TEscapeMode::None);
  return out;
}

TXMLNode::TXMLNode(std::string AName) : Name(std::move(AName)) {}

TXMLNode::TXMLNode(std::string AName, std::string AContent, bool AEscapeContent)
    : Name(std::move(AName)), Content(std::move(AContent)), EscapeContent(AEscapeContent) {}

int32_t TXMLNode::AddNode(std::unique_ptr<TXMLNode> ANode) {
  FChildren.push_back(std::move(ANode));
  return static_cast<int32_t>(FChildren.size()) - 1;
}

TXMLNode* TXMLNode::AddNode(std::string AName, std::string AContent, bool AEscapeContent) {
  FChildren.push_back(std::make_unique<TXMLNode>(std::move(AName), std::move(AContent), AEscapeContent));
  return FChildren.back().get();
}

TXMLNode* TXMLNode::AddNodeWithAttributes(std::string AName, std::string_view AKey1, std::string_view AValue1,
                                          std::string_view AKey2, std::string_view AValue2, std::string_view AKey3,
                                          std::string_view AValue3, std::string_view AKey4, std::string_view AValue4) {
  TXMLNode* node = AddNode(std::move(AName));
  node->Attributes.Add(AKey1, AValue1);
  if (AKey2 != kXMLNoAttribute) node->Attributes.Add(AKey2, AValue2);
  if (AKey3 != kXMLNoAttribute) node->Attributes.Add(AKey3, AValue3);
  if (AKey4 != kXMLNoAttribute) node->Attributes.Add(AKey4, AValue4);
  return node;
}

TXMLNode* TXMLNode::GetNode(std::string_view AName) const {
  for (const auto& child : FChildren)
    if (child->Name == AName) return child.get();
  return nullptr;
}

TXMLNode* TXMLNode::AddOrGetNode(std::string_view AName) {
  if (TXMLNode* node = GetNode(AName)) return node;
  return AddNode(std::string(AName));
}

std::string TXMLNode::AsText() const {
  std::string out;
  AppendText(out);
  return out;
}

void TXMLNode::AppendText(std::string& out) const {
  if (Name.empty()) {
    if (EscapeContent)
      AppendEscapedXMLText(out, Content);
    else
      out += Content;
    return;
  }
  out += '<';
  out += Name;
  for (const auto& item : Attributes.Items) {
    out += ' ';
    out += item.Key;
    out += "=\"";
    AppendEscapedXMLAttributeValue(out, item.Value);
    out += '"';
  }
  out += '>';
  if (!Content.empty()) {
    if (EscapeContent)
      AppendEscapedXMLText(out, Content);
    else
      out += Content;
  }
  for (const auto& child : FChildren) child->AppendText(out);
  out += "</";
  out += Name;
  out += '>';
}

TDocXML::TDocXML(std::string ARootName) : FRootNode(std::make_unique<TXMLNode>(std::move(ARootName))) {}

std::string TDocXML::GetDeclarationString() const {
  std::string out = "<?xml version=\"" + FXMLVersion + "\" encoding=\"" + CodePageToStr(XMLEncoding, false);
  out += XMLDeclarationStandalone ? "\" standalone=\"yes\"?>" : "\"?>";
  return out;
}

std::string TDocXML::GetPlainText() const {
  std::string out;
  if (XMLDeclaration) {
    out = GetDeclarationString();
    out += '\n';
  }
  FRootNode->AppendText(out);
  return out;
}
