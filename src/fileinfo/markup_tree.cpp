#include "fileinfo/markup_tree.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "fileinfo/html_entities.h"
#include "foundation/code_pages.h"
#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

std::string_view TrimView(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

bool IsCombinator(std::string_view s, size_t i) {
  const char c = s[i];
  if (c == ' ' || c == '>' || c == '+') return true;
  return c == '~' && !(i + 1 < s.size() && s[i + 1] == '=');
}

bool LowerEquals(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && a == b) return true;
  return UTF8LowerCase(a) == UTF8LowerCase(b);
}

}  // namespace

int32_t AddDOMNodeToArray(TDOMNodeArray& array, TDOMNode* node) {
  array.push_back(node);
  return static_cast<int32_t>(array.size()) - 1;
}

TDOMNode::TDOMNode(TDOMNode* parent, std::string_view nameOrText, TDOMNodeType nodeType, std::string_view attributeText)
    : Parent(parent), NodeType(nodeType) {
  if (parent) Depth = parent->Depth + 1;
  if (nodeType == dntText) {
    Text.assign(nameOrText);
    return;
  }
  TagName.assign(nameOrText);
  if (attributeText.empty()) return;
  Attributes.AddFromXMLAttributeString(attributeText);
  std::string value;
  if (Attributes.GetValueCaseInsensitive("id", value, "")) ID = value;
  if (Attributes.GetValueCaseInsensitive("class", value, "")) {
    size_t start = 0;
    while (start <= value.size()) {
      size_t end = value.find(' ', start);
      if (end == std::string::npos) end = value.size();
      std::string_view part = TrimView(std::string_view(value).substr(start, end - start));
      if (!part.empty()) Classes.Items.emplace_back(part);
      start = end + 1;
    }
  }
}

TDOMNode::~TDOMNode() { Clear(); }

TDOMNode* TDOMNode::AddNode(std::string_view nameOrText, TDOMNodeType nodeType, std::string_view attributeText) {
  auto* node = new TDOMNode(this, nameOrText, nodeType, attributeText);
  Children.push_back(node);
  return node;
}

void TDOMNode::Clear() {
  for (TDOMNode* child : Children) delete child;
  Children.clear();
}

int32_t TDOMNode::GetPosition() const {
  if (!Parent) return -1;
  for (size_t i = 0; i < Parent->Children.size(); ++i)
    if (Parent->Children[i] == this) return static_cast<int32_t>(i);
  return -1;
}

void TDOMNode::SetID(const std::string& text) {
  if (text == ID) return;
  ID = text;
  Attributes.AddOrUpdateCaseInsensitive("id", text);
}

void TDOMNode::SetCaseSensitive(bool flag) {
  if (flag == CaseSensitive) return;
  CaseSensitive = flag;
  for (TDOMNode* child : Children) child->SetCaseSensitive(flag);
}

std::string TDOMNode::GetAttribute(std::string_view name) const {
  std::string value;
  if (CaseSensitive)
    Attributes.GetValue(name, value, "");
  else
    Attributes.GetValueCaseInsensitive(name, value, "");
  return value;
}

int32_t TDOMNode::GetAttributeAsInt(std::string_view name, int32_t def) const {
  return StrToIntDef(TrimView(GetAttribute(name)), def);
}

bool TDOMNode::HasClass(std::string_view className) const {
  if (!className.empty() && className[0] == '.') className.remove_prefix(1);
  if (className.empty()) return false;
  return Classes.Contains(className, !CaseSensitive) >= 0;
}

TDOMNode* TDOMNode::GetFirstParentWithTagName(std::string_view tagName) const {
  for (TDOMNode* p = Parent; p; p = p->Parent)
    if (p->TagName == tagName) return p;
  return nullptr;
}

TDOMNode* TDOMNode::GetDirectSilblingBefore(bool skipTextNodes) const {
  const int32_t pos = GetPosition();
  for (int32_t i = pos - 1; i >= 0; --i) {
    TDOMNode* sibling = Parent->Children[static_cast<size_t>(i)];
    if (!skipTextNodes || sibling->NodeType != dntText) return sibling;
  }
  return nullptr;
}

bool TDOMNode::TagEquals(std::string_view name) const {
  return CaseSensitive ? TagName == name : LowerEquals(TagName, name);
}

bool TDOMNode::HasParentMatchingCSSSelector(std::string_view selector) const {
  return Parent && Parent->MatchesCSSSelector(selector);
}

bool TDOMNode::HasAncestorMatchingCSSSelector(std::string_view selector) const {
  for (TDOMNode* p = Parent; p; p = p->Parent)
    if (p->MatchesCSSSelector(selector)) return true;
  return false;
}

bool TDOMNode::HasDirectPreviousSiblingMatchingCSSSelector(std::string_view selector) const {
  TDOMNode* sibling = GetDirectSilblingBefore(true);
  return sibling && sibling->MatchesCSSSelector(selector);
}

bool TDOMNode::HasPreviousSiblingMatchingCSSSelector(std::string_view selector) const {
  const int32_t pos = GetPosition();
  for (int32_t i = pos - 1; i >= 0; --i)
    if (Parent->Children[static_cast<size_t>(i)]->MatchesCSSSelector(selector)) return true;
  return false;
}

bool TDOMNode::MatchesCSSSelector(std::string_view s) const {
  if (s.empty()) return false;
  if (s == "*") return true;
  if (s.find(',') != std::string_view::npos) {
    size_t start = 0;
    while (start <= s.size()) {
      size_t end = s.find(',', start);
      if (end == std::string_view::npos) end = s.size();
      if (MatchesCSSSelector(TrimView(s.substr(start, end - start)))) return true;
      start = end + 1;
    }
    return false;
  }
  size_t lastComb = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i)
    if (IsCombinator(s, i)) lastComb = i;
  if (lastComb != std::string_view::npos) {
    size_t l = lastComb;
    while (l > 0 && IsCombinator(s, l - 1)) --l;
    if (l == 0) return false;
    --l;  // the last character of the left part
    const std::string_view right = s.substr(lastComb + 1);
    const std::string_view comb = TrimView(s.substr(l + 1, lastComb - l));
    const std::string_view left = s.substr(0, l + 1);
    if (!MatchesCSSSelector(right)) return false;
    if (comb == ">") return HasParentMatchingCSSSelector(left);
    if (comb.empty()) return HasAncestorMatchingCSSSelector(left);
    if (comb == "+") return HasDirectPreviousSiblingMatchingCSSSelector(left);
    if (comb == "~") return HasPreviousSiblingMatchingCSSSelector(left);
    return false;
  }
  const size_t bracket = s.find('[');
  if (bracket != std::string_view::npos && s.back() == ']') {
    std::string_view inner;
    if (bracket == 0) {
      inner = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string_view();
    } else {
      if (!MatchesCSSSelector(s.substr(0, bracket))) return false;
      inner = s.substr(bracket + 1, s.size() - bracket - 2);
    }
    size_t op;
    if ((op = inner.find("~=")) != std::string_view::npos) {
      std::string value;
      Attributes.GetValue(TrimView(inner.substr(0, op)), value, "");
      std::string h = " " + value + " ";
      for (char& c : h)
        if (c == ':' || c == ';') c = ' ';
      return h.find(" " + std::string(inner.substr(op + 2)) + " ") != std::string::npos;
    }
    if ((op = inner.find("*=")) != std::string_view::npos) {
      const std::string_view part = inner.substr(op + 2);
      if (part.empty()) return false;
      std::string value;
      Attributes.GetValue(TrimView(inner.substr(0, op)), value, "");
      return value.find(part) != std::string::npos;
    }
    if ((op = inner.find('=')) != std::string_view::npos)
      return Attributes.ContainsKeyValuePair(TrimView(inner.substr(0, op)), inner.substr(op + 1));
    return Attributes.ContainsKey(inner);
  }
  const size_t dot = s.find('.');
  if (dot != std::string_view::npos && dot >= 1)
    return TagEquals(TrimView(s.substr(0, dot))) && HasClass(TrimView(s.substr(dot + 1)));
  const size_t colon = s.find(':');
  if (colon != std::string_view::npos && colon >= 2) return MatchesCSSSelector(TrimView(s.substr(0, colon)));
  switch (s[0]) {
    case '#': return CaseSensitive ? s.substr(1) == ID : LowerEquals(s.substr(1), ID);
    case '.': return HasClass(s);
    case ':': return s == ":empty" && HasNoChildren();
    default: return TagEquals(s);
  }
}

void TDOMNode::AppendText(std::string& out) const {
  if (NodeType == dntText) {
    if (TextKind == TDOMTextKind::CData)
      out.append("<![CDATA[").append(Text).append("]]>");
    else
      out += Text;
    return;
  }
  std::string attrs;
  if (Attributes.Count() > 0) attrs = " " + Attributes.AsXMLAttributeString();
  if (ClosingType != dncDefault && Children.empty()) {
    out += "<" + TagName + attrs + (ClosingType == dncSelfClosing ? "/>" : ">");
    return;
  }
  if (NodeType != dntRoot) out += "<" + TagName + attrs + ">";
  for (const TDOMNode* child : Children) child->AppendText(out);
  if (NodeType != dntRoot && ClosingType != dncNone) out += "</" + TagName + ">";
}

std::string TDOMNode::AsText() const {
  std::string out;
  AppendText(out);
  return out;
}

std::string TDOMNode::InnerText() const {
  if (NodeType == dntText) return Text;
  std::string out;
  for (const TDOMNode* child : Children) child->AppendText(out);
  return out;
}

std::string TDOMNode::InnerTextOfAllSubNodesWithoutMarkup(std::string_view separator) const {
  std::string r = NodeType == dntText ? Text : std::string();
  for (const TDOMNode* child : Children) {
    const std::string t = child->InnerTextOfAllSubNodesWithoutMarkup(separator);
    if (t.empty()) continue;
    if (!r.empty()) r += separator;
    r += t;
  }
  return r;
}

std::string TDOMNode::TextContent(std::string_view separator) const {
  std::string r;
  if (NodeType == dntText) {
    switch (TextKind) {
      case TDOMTextKind::XML: r = DecodeXMLEntities(Text); break;
      case TDOMTextKind::HTML: r = DecodeHTMLEntities(Text, false); break;
      default: r = Text; break;
    }
  }
  for (const TDOMNode* child : Children) {
    const std::string t = child->TextContent(separator);
    if (t.empty()) continue;
    if (!r.empty()) r += separator;
    r += t;
  }
  return r;
}

TDocDOM::TDocDOM() : FRoot(new TDOMNode(nullptr, "", dntRoot, "")) {}

TDocDOM::~TDocDOM() { delete FRoot; }

namespace {

bool IsMarkupSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}

std::string LowerASCII(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool EqualsIgnoringASCIICase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// HTML elements that never have content or an end tag.
bool IsVoidElement(std::string_view name) {
  static const char* const kVoid[] = {"area",   "base", "br",   "col",   "embed",  "hr",    "img", "input",
                                      "keygen", "link", "meta", "param", "source", "track", "wbr"};
  for (const char* v : kVoid)
    if (name == v) return true;
  return false;
}

// HTML elements whose content is text up to their own end tag: raw text, or
// text with character references (title and textarea).
bool IsRawTextElement(std::string_view name) {
  return name == "script" || name == "style" || name == "xmp" || name == "iframe" || name == "noembed" ||
         name == "noframes";
}
bool IsEscapableRawTextElement(std::string_view name) { return name == "title" || name == "textarea"; }

// The position of the end tag that closes a raw text element, or npos.
size_t FindRawTextEnd(std::string_view text, size_t from, std::string_view name) {
  for (size_t p = text.find("</", from); p != std::string_view::npos; p = text.find("</", p + 2)) {
    const size_t e = p + 2 + name.size();
    if (e > text.size() || !EqualsIgnoringASCIICase(text.substr(p + 2, name.size()), name)) continue;
    if (e == text.size() || IsMarkupSpace(text[e]) || text[e] == '/' || text[e] == '>') return p;
  }
  return std::string_view::npos;
}

// HTML lets a value stand without quotes (name=value, up to a space or the
// end); the attribute list reads quoted values only, so such values are
// quoted here, their own double quotes as references.
std::string QuoteHTMLAttributeValues(std::string_view attributes) {
  if (attributes.find('=') == std::string_view::npos) return std::string(attributes);
  std::string out;
  out.reserve(attributes.size() + 8);
  size_t i = 0;
  while (i < attributes.size()) {
    const char c = attributes[i];
    if (c == '"' || c == '\'') {
      const size_t close = attributes.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? attributes.size() : close + 1;
      out.append(attributes.substr(i, end - i));
      i = end;
      continue;
    }
    out += c;
    ++i;
    if (c != '=') continue;
    while (i < attributes.size() && IsMarkupSpace(attributes[i])) out += attributes[i++];
    if (i >= attributes.size() || attributes[i] == '"' || attributes[i] == '\'') continue;
    out += '"';
    while (i < attributes.size() && !IsMarkupSpace(attributes[i])) {
      if (attributes[i] == '"')
        out += "&quot;";
      else
        out += attributes[i];
      ++i;
    }
    out += '"';
  }
  return out;
}

// The code page a document declares for itself in its first bytes: HTML's
// <meta charset> or its http-equiv form, XML's encoding in the declaration.
// Only single-byte code pages count (0 otherwise): UTF-8 and the byte-order
// marks are found by detection. HTML reads Latin-1 and ASCII labels as
// windows-1252, as browsers do.
int32_t DeclaredCodePage(std::string_view head, bool html) {
  std::string label;
  if (!html) {
    if (head.substr(0, 5) != "<?xml") return 0;
    const std::string_view decl = head.substr(0, head.find("?>"));
    const size_t at = decl.find("encoding");
    if (at == std::string_view::npos) return 0;
    TKeyValueArrayObj attrs;
    attrs.AddFromXMLAttributeString(decl.substr(at));
    attrs.GetValue("encoding", label, "");
  } else {
    for (size_t p = 0; label.empty() && p < head.size();) {
      size_t meta = std::string_view::npos;
      for (size_t q = p; q + 5 <= head.size(); ++q)
        if (head[q] == '<' && EqualsIgnoringASCIICase(head.substr(q + 1, 4), "meta")) {
          meta = q;
          break;
        }
      if (meta == std::string_view::npos) break;
      const size_t close = head.find('>', meta);
      const std::string_view text =
          head.substr(meta + 5, (close == std::string_view::npos ? head.size() : close) - meta - 5);
      p = close == std::string_view::npos ? head.size() : close + 1;
      TKeyValueArrayObj attrs;
      attrs.AddFromXMLAttributeString(QuoteHTMLAttributeValues(text));
      std::string value;
      if (attrs.GetValueCaseInsensitive("charset", value, "") && !value.empty()) {
        label = value;
      } else if (attrs.GetValueCaseInsensitive("http-equiv", value, "") &&
                 EqualsIgnoringASCIICase(TrimView(value), "content-type") &&
                 attrs.GetValueCaseInsensitive("content", value, "")) {
        const std::string lower = LowerASCII(value);
        const size_t at = lower.find("charset=");
        if (at != std::string::npos) {
          label = value.substr(at + 8);
          label = label.substr(0, label.find_first_of("; \t\"'"));
        }
      }
    }
  }
  label = LowerASCII(TrimView(label));
  if (label.empty()) return 0;
  if (html && (label == "iso-8859-1" || label == "latin1" || label == "us-ascii" || label == "ascii")) return 1252;
  const int32_t cp = StrToCodePage(label);
  for (int32_t single : {cpWindows1250, cpWindows1251, cpWindows1252, cpWindows1253, cpISO88591, cpISO88592})
    if (cp == single) return cp;
  return 0;
}

// HTML's named references in an attribute text, where the value decoder of
// the attribute list knows only XML's five. Only references whose text holds
// no character of the attribute syntax are replaced here.
std::string DecodeHTMLNamesInAttributes(std::string_view attributes) {
  if (attributes.find('&') == std::string_view::npos) return std::string(attributes);
  std::string out;
  out.reserve(attributes.size());
  size_t i = 0;
  while (i < attributes.size()) {
    const size_t amp = attributes.find('&', i);
    if (amp == std::string_view::npos) break;
    out.append(attributes.substr(i, amp - i));
    const size_t semi = attributes.find(';', amp + 1);
    i = amp + 1;
    out += '&';
    if (semi == std::string_view::npos || semi - amp > 33) continue;
    const std::string_view name = attributes.substr(amp + 1, semi - amp);
    static const char* const kXML[] = {"amp;", "lt;", "gt;", "quot;", "apos;"};
    bool xml = false;
    for (const char* x : kXML) xml = xml || name == x;
    if (xml || name[0] == '#') continue;
    const std::string decoded = DecodeHTMLEntities(std::string("&").append(name), false);
    if (decoded.find_first_of("\"'&<>") != std::string::npos) continue;
    out.pop_back();
    out += decoded;
    i = semi + 1;
  }
  out.append(attributes.substr(std::min(i, attributes.size())));
  return out;
}

// One pass over the text; the open elements are kept on a stack of their
// names (bounded by the nesting limit), with the node each one holds, so that
// elements that are not kept cost nothing beyond their names.
class TMarkupParser {
 public:
  TMarkupParser(TDOMNode* root, std::string_view text, bool html, const std::vector<std::string>& kept)
      : FRoot(root), FText(text), FHTML(html), FKept(kept) {}

  void Run() {
    // Text before the first element is dropped once declarations, comments
    // or processing instructions stand there.
    FDropLeadingText = FText.find("<!") != std::string_view::npos || FText.find("<?") != std::string_view::npos;
    const size_t n = FText.size();
    size_t i = 0;
    while (i < n) {
      if (!IsMarkupStart(i)) {
        // A "<" that opens no markup is text, as in "a < b".
        size_t next = FText.find('<', i + 1);
        while (next != std::string_view::npos && !IsMarkupStart(next)) next = FText.find('<', next + 1);
        if (next == std::string_view::npos) next = n;
        AddText(FText.substr(i, next - i), FHTML ? TDOMTextKind::HTML : TDOMTextKind::XML);
        i = next;
        continue;
      }
      const std::string_view rest = FText.substr(i);
      if (rest.substr(0, 4) == "<!--") {
        i = SkipComment(i);
      } else if (rest.substr(0, 9) == "<![CDATA[") {
        if (FHTML) {
          i = SkipTo(i, ">");
        } else {
          const size_t end = FText.find("]]>", i + 9);
          AddText(FText.substr(i + 9, (end == std::string_view::npos ? n : end) - i - 9), TDOMTextKind::CData);
          i = end == std::string_view::npos ? n : end + 3;
        }
      } else if (rest.substr(0, 2) == "<!") {
        i = SkipDeclaration(i);
      } else if (rest.substr(0, 2) == "<?") {
        i = SkipTo(i, FHTML ? ">" : "?>");
      } else if (rest[1] == '/') {
        i = EndTag(i);
      } else {
        i = StartTag(i);
      }
    }
  }

 private:
  struct TOpen {
    std::string Name;
    TDOMNode* Node;    // none when the element is not kept
    TDOMNode* Attach;  // where its content goes: its node, or the nearest kept one above
  };

  bool IsMarkupStart(size_t i) const {
    if (FText[i] != '<' || i + 1 >= FText.size()) return false;
    const char c = FText[i + 1];
    return c == '!' || c == '?' || c == '/' || IsNameStart(c);
  }

  TDOMNode* Attach() const { return FOpen.empty() ? FRoot : FOpen.back().Attach; }
  bool Filtering() const { return !FKept.empty(); }
  bool Keep(const std::string& name) {
    if (!Filtering()) return true;
    if (FKeptNodes >= kDOMMaxKeptNodes) return false;
    return std::find(FKept.begin(), FKept.end(), name) != FKept.end();
  }

  void AddText(std::string_view t, TDOMTextKind kind) {
    if (t.empty() || (FDropLeadingText && !FSeenElement)) return;
    if (Filtering() && (Attach() == FRoot || FKeptNodes >= kDOMMaxKeptNodes)) return;
    ++FKeptNodes;
    Attach()->AddNode(t, dntText, "")->TextKind = kind;
  }

  size_t SkipTo(size_t i, std::string_view end) const {
    const size_t e = FText.find(end, i + 2);
    return e == std::string_view::npos ? FText.size() : e + end.size();
  }

  size_t SkipComment(size_t i) const {
    if (FHTML && FText.compare(i, 5, "<!-->") == 0) return i + 5;
    if (FHTML && FText.compare(i, 6, "<!--->") == 0) return i + 6;
    const size_t e = FText.find("-->", i + 4);
    return e == std::string_view::npos ? FText.size() : e + 3;
  }

  // A document type may hold an internal subset in brackets, with ">" inside.
  size_t SkipDeclaration(size_t i) const {
    const size_t n = FText.size();
    bool inSubset = false;
    char quote = 0;
    for (size_t j = i + 2; j < n; ++j) {
      const char c = FText[j];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '[' && !FHTML) {
        inSubset = true;
      } else if (c == ']') {
        inSubset = false;
      } else if (c == '>' && !inSubset) {
        return j + 1;
      }
    }
    return n;
  }

  size_t EndTag(size_t i) {
    const size_t n = FText.size();
    size_t j = i + 2;
    while (j < n && !IsMarkupSpace(FText[j]) && FText[j] != '>') ++j;
    std::string name(FText.substr(i + 2, j - i - 2));
    const size_t close = FText.find('>', j);
    if (close == std::string_view::npos) return n;  // cut off: no tag
    FSeenElement = true;
    if (FHTML) name = LowerASCII(name);
    if (name.empty() || FOpen.empty()) return close + 1;
    if (FOpen.back().Name == name) {
      FOpen.pop_back();
      return close + 1;
    }
    // An end tag closes the nearest open element of its name and, without an
    // end tag of their own, every element opened inside it.
    for (size_t k = FOpen.size() - 1; k-- > 0;) {
      if (FOpen[k].Name != name) continue;
      for (size_t m = k + 1; m < FOpen.size(); ++m)
        if (FOpen[m].Node) FOpen[m].Node->ClosingType = dncNone;
      FOpen.resize(k);
      break;
    }
    return close + 1;
  }

  size_t StartTag(size_t i) {
    const size_t n = FText.size();
    size_t j = i + 1;
    while (j < n && !IsMarkupSpace(FText[j]) && FText[j] != '>' && FText[j] != '<' &&
           !(FText[j] == '/' && j + 1 < n && FText[j + 1] == '>'))
      ++j;
    const size_t nameEnd = j;
    // The attributes, up to the ">" outside a quoted value. A "<" outside a
    // value starts the tag again there.
    char quote = 0;
    bool afterEquals = false;
    for (; j < n; ++j) {
      const char c = FText[j];
      if (quote) {
        if (c == quote) quote = 0;
        continue;
      }
      if (c == '>' || c == '<') break;
      if ((c == '"' || c == '\'') && afterEquals) {
        quote = c;
        afterEquals = false;
      } else if (c == '=') {
        afterEquals = true;
      } else if (!IsMarkupSpace(c)) {
        afterEquals = false;
      }
    }
    if (j >= n) return n;           // cut off: no tag
    if (FText[j] == '<') return j;  // broken tag: start again at the "<"
    const bool selfClosing = FText[j - 1] == '/';
    std::string name;
    for (char c : FText.substr(i + 1, nameEnd - i - 1))
      if (c != '/') name += c;
    if (FHTML) name = LowerASCII(name);
    std::string_view attributes = FText.substr(nameEnd, j - nameEnd);
    while (!attributes.empty() && attributes.back() == '/') attributes.remove_suffix(1);
    attributes = TrimView(attributes);
    const size_t after = j + 1;
    FSeenElement = true;
    if (name.empty()) return after;
    const bool keep = Keep(name);
    const bool isVoid = FHTML && IsVoidElement(name);
    auto add = [&]() -> TDOMNode* {
      if (!keep) return nullptr;
      ++FKeptNodes;
      if (!FHTML) return Attach()->AddNode(name, dntNode, attributes);
      TDOMNode* node =
          Attach()->AddNode(name, dntNode, DecodeHTMLNamesInAttributes(QuoteHTMLAttributeValues(attributes)));
      // HTML attribute names have no case either.
      for (auto& item : node->Attributes.Items) item.Key = LowerASCII(item.Key);
      return node;
    };
    if (selfClosing || isVoid) {
      if (TDOMNode* node = add()) node->ClosingType = selfClosing ? dncSelfClosing : dncNone;
      return after;
    }
    if (static_cast<int32_t>(FOpen.size()) >= kDOMMaxDepth) {
      if (TDOMNode* node = add()) node->ClosingType = dncNone;
      return after;
    }
    TDOMNode* node = add();
    FOpen.push_back({name, node, node ? node : Attach()});
    if (FHTML && (IsRawTextElement(name) || IsEscapableRawTextElement(name))) {
      const size_t end = FindRawTextEnd(FText, after, name);
      const size_t stop = end == std::string_view::npos ? n : end;
      AddText(FText.substr(after, stop - after), IsRawTextElement(name) ? TDOMTextKind::RawText : TDOMTextKind::HTML);
      return stop;
    }
    return after;
  }

  TDOMNode* FRoot;
  std::string_view FText;
  bool FHTML;
  const std::vector<std::string>& FKept;
  std::vector<TOpen> FOpen;
  int32_t FKeptNodes = 0;
  bool FDropLeadingText = false;
  bool FSeenElement = false;
};

}  // namespace

bool TDocDOM::LoadFromString(std::string_view text) {
  FRoot->Clear();
  std::vector<std::string> kept = KeptTagNames;
  if (ParseAsHTML)
    for (std::string& k : kept) k = LowerASCII(k);
  TMarkupParser(FRoot, text, ParseAsHTML, kept).Run();
  return true;
}

bool TDocDOM::LoadFromFile(const std::string& fileName) {
  // A byte-order mark wins over a declaration; without either, detection
  // reads UTF-8 and falls back as for any text file. The declaration stands
  // in the first 1024 bytes, where HTML's prescan looks for it.
  std::string head(1024, '\0');
  {
    std::ifstream in(fileName, std::ios::binary);
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  }
  const int32_t declared = DeclaredCodePageOfHead(head);
  return LoadFromString(declared != 0 ? LoadString(fileName, declared) : LoadString(fileName));
}

int32_t TDocDOM::DeclaredCodePageOfHead(std::string_view head) const {
  const bool bom =
      head.substr(0, 3) == "\xEF\xBB\xBF" || head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF";
  return bom ? 0 : DeclaredCodePage(head, ParseAsHTML);
}

void TDocDOM::SetCaseSensitive(bool flag) {
  if (flag == FCaseSensitive) return;
  FCaseSensitive = flag;
  std::vector<TDOMNode*> stack{FRoot};
  while (!stack.empty()) {
    TDOMNode* node = stack.back();
    stack.pop_back();
    node->CaseSensitive = flag;
    for (TDOMNode* child : node->Children) stack.push_back(child);
  }
}

TDOMNode* TDocDOM::GetFirstNodeWithTagName(std::string_view tagName) const {
  std::vector<TDOMNode*> stack{FRoot};
  while (!stack.empty()) {
    TDOMNode* node = stack.back();
    stack.pop_back();
    if (node->TagName == tagName) return node;
    for (auto it = node->Children.rbegin(); it != node->Children.rend(); ++it) stack.push_back(*it);
  }
  return nullptr;
}

TDOMNodeArray TDocDOM::GetAllNodesWithTagName(std::string_view tagName, bool includeNested) const {
  TDOMNodeArray result;
  std::vector<TDOMNode*> stack{FRoot};
  while (!stack.empty()) {
    TDOMNode* node = stack.back();
    stack.pop_back();
    const bool hit = node->TagName == tagName;
    if (hit) result.push_back(node);
    if (hit && !includeNested) continue;
    for (auto it = node->Children.rbegin(); it != node->Children.rend(); ++it) stack.push_back(*it);
  }
  return result;
}

TDOMNode* TDocDOM::GetFirstNodeMatchingCSSSelector(std::string_view selector) const {
  TDOMNode* found = nullptr;
  std::vector<TDOMNode*> stack{FRoot};
  while (!stack.empty()) {
    TDOMNode* node = stack.back();
    stack.pop_back();
    if (node->MatchesCSSSelector(selector)) {
      found = node;
      continue;
    }
    for (auto it = node->Children.rbegin(); it != node->Children.rend(); ++it) stack.push_back(*it);
  }
  return found;
}

std::string TDocDOM::GetInnerTextOfFirstNodeWithTagName(std::string_view tagName, bool trim,
                                                        std::string_view def) const {
  const TDOMNode* node = GetFirstNodeWithTagName(tagName);
  if (!node) return std::string(def);
  const std::string text = node->InnerText();
  return trim ? std::string(TrimView(text)) : text;
}

int32_t TDocDOM::GetInnerTextOfFirstNodeWithTagNameAsInt(std::string_view tagName, int32_t def) const {
  return StrToIntDef(GetInnerTextOfFirstNodeWithTagName(tagName, true, " "), def);
}

std::string TDocDOM::GetInnerTextOfFirstNodeMatchingCSSSelector(std::string_view selector, bool trim,
                                                                std::string_view def) const {
  const TDOMNode* node = GetFirstNodeMatchingCSSSelector(selector);
  if (!node) return std::string(def);
  const std::string text = node->InnerText();
  return trim ? std::string(TrimView(text)) : text;
}

std::string TDocDOM::GetValueOfAttributeOfFirstNodeMatchingCSSSelector(std::string_view selector,
                                                                       std::string_view attributeName, bool trim,
                                                                       std::string_view def) const {
  const TDOMNode* node = GetFirstNodeMatchingCSSSelector(selector);
  if (!node) return std::string(def);
  std::string value;
  node->Attributes.GetValue(attributeName, value, def);
  return trim ? std::string(TrimView(value)) : value;
}

namespace {

// The named reference that is the longest prefix of text (which follows the
// ampersand); its length, 0 when none. Only names with their semicolon when
// legacy is false.
size_t MatchNamedReference(std::string_view text, bool legacy, const char*& decoded) {
  constexpr size_t kLongestName = 32;
  static const THTMLEntity* const kEnd = kHTMLEntities + kHTMLEntityCount;
  for (size_t len = std::min(kLongestName, text.size()); len >= 2; --len) {
    const std::string_view name = text.substr(0, len);
    if (!legacy && name.back() != ';') continue;
    const THTMLEntity* it = std::lower_bound(kHTMLEntities, kEnd, name, [](const THTMLEntity& e, std::string_view v) {
      return std::string_view(e.Name) < v;
    });
    if (it != kEnd && std::string_view(it->Name) == name) {
      decoded = it->Text;
      return len;
    }
  }
  return 0;
}

// What HTML makes of the numeric references 0x80 to 0x9F: the Windows-1252
// characters (0 where that code page has none).
const uint16_t kWindows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsASCIIAlphanumeric(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A numeric reference after "&#": its length (up to and including an
// optional semicolon) and code point; 0 when no digit follows.
size_t MatchNumericReference(std::string_view text, bool html, uint32_t& cp) {
  size_t i = 0;
  const bool hex = !text.empty() && (text[0] == 'x' || text[0] == 'X');
  if (hex) ++i;
  const size_t digitsStart = i;
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const char d = text[i];
    int value;
    if (d >= '0' && d <= '9')
      value = d - '0';
    else if (hex && d >= 'a' && d <= 'f')
      value = d - 'a' + 10;
    else if (hex && d >= 'A' && d <= 'F')
      value = d - 'A' + 10;
    else
      break;
    v = std::min<uint64_t>(v * (hex ? 16 : 10) + static_cast<uint64_t>(value), 0x110000);
  }
  if (i == digitsStart) return 0;
  const bool semicolon = i < text.size() && text[i] == ';';
  if (!semicolon && !html) return 0;
  cp = static_cast<uint32_t>(v);
  return i + (semicolon ? 1 : 0);
}

std::string DecodeReferences(std::string_view text, bool html, bool inAttribute) {
  if (text.find('&') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t amp = text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, amp - i));
    const std::string_view rest = text.substr(amp + 1);
    if (!rest.empty() && rest[0] == '#') {
      uint32_t cp = 0;
      const size_t len = MatchNumericReference(rest.substr(1), html, cp);
      if (len > 0) {
        if (html) {
          if (cp >= 0x80 && cp <= 0x9F && kWindows1252High[cp - 0x80] != 0) cp = kWindows1252High[cp - 0x80];
          if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        }
        if (cp != 0 && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF)) {
          UTF8Append(out, static_cast<char32_t>(cp));
          i = amp + 2 + len;
          continue;
        }
      }
      out += '&';
      i = amp + 1;
      continue;
    }
    const char* decoded = nullptr;
    const size_t len = MatchNamedReference(rest, html, decoded);
    // In an attribute value a legacy name before "=" or a letter or digit is
    // part of the text, as in a query "?a=1&copy=2".
    if (len > 0 && inAttribute && rest[len - 1] != ';' && len < rest.size() &&
        (rest[len] == '=' || IsASCIIAlphanumeric(rest[len])))
      decoded = nullptr;
    if (len > 0 && decoded) {
      out += decoded;
      i = amp + 1 + len;
    } else {
      out += '&';
      i = amp + 1;
    }
  }
  return out;
}

}  // namespace

std::string DecodeXMLEntities(std::string_view text) { return DecodeReferences(text, false, false); }

std::string DecodeHTMLEntities(std::string_view text, bool inAttribute) {
  return DecodeReferences(text, true, inAttribute);
}
