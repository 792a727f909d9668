#include "fileinfo/markup_tree.h"

#include <cstring>

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

TDocDOM::TDocDOM() : FRoot(new TDOMNode(nullptr, "", dntRoot, "")) {}

TDocDOM::~TDocDOM() { delete FRoot; }

bool TDocDOM::LoadFromString(std::string_view text) {
  FRoot->Clear();
  TDOMNode* cur = FRoot;
  constexpr size_t kUnset = std::string_view::npos;
  size_t start = 0;
  if (text.find("<!") != kUnset || text.find("<?") != kUnset) {
    start = kUnset;
    for (size_t p = text.find('<'); p != kUnset && p + 1 < text.size(); p = text.find('<', p + 1))
      if (text[p + 1] != '!' && text[p + 1] != '?') {
        start = p;
        break;
      }
    if (start == kUnset) return true;  // declarations only: an empty tree
  }
  bool inTag = false;
  size_t tagStart = kUnset, nameEnd = kUnset, textStart = kUnset;
  // Positions are kept one past the last character of a run (nameEnd too), so
  // an empty run needs no negative index.
  const size_t n = text.size();
  size_t i = start;
  while (i < n) {
    const char c = text[i];
    if (c == '<') {
      inTag = true;
      tagStart = i + 1;
      if (textStart != kUnset) {
        cur->AddNode(text.substr(textStart, i - textStart), dntText, "");
        textStart = kUnset;
      }
    } else if (c == '>') {
      if (inTag && tagStart != kUnset) {
        if (nameEnd == kUnset) nameEnd = i;
        std::string_view name = nameEnd > tagStart ? text.substr(tagStart, nameEnd - tagStart) : std::string_view();
        std::string_view attrText;
        if (nameEnd < i) {
          attrText = text.substr(nameEnd, i - nameEnd);
          while (!attrText.empty() && attrText.back() == '/') attrText.remove_suffix(1);
          attrText = TrimView(attrText);
        }
        if (!name.empty()) {
          if (name[0] == '/') {
            name.remove_prefix(1);
            if (cur->TagName == name) {
              cur = cur->Parent;
            } else {
              TDOMNode* a = cur->GetFirstParentWithTagName(name);
              if (a && a->Parent) {
                for (TDOMNode* p = cur; p != a; p = p->Parent) p->ClosingType = dncNone;
                cur = a->Parent;
              }
            }
            if (!cur) cur = FRoot;
          } else if (i > 1 && text[i - 1] == '/') {
            std::string plain;
            plain.reserve(name.size());
            for (char ch : name)
              if (ch != '/') plain += ch;
            cur->AddNode(plain, dntNode, attrText)->ClosingType = dncSelfClosing;
          } else if (cur->Depth >= kDOMMaxDepth) {
            cur->AddNode(name, dntNode, attrText)->ClosingType = dncNone;
          } else {
            cur = cur->AddNode(name, dntNode, attrText);
          }
        }
      }
      inTag = false;
      tagStart = nameEnd = kUnset;
    } else if (inTag) {
      if (nameEnd == kUnset && c == ' ') nameEnd = i;
    } else if (textStart == kUnset) {
      textStart = i;
      // The rest of a text run holds no markup character.
      const size_t next = text.find_first_of("<>", i + 1);
      i = next == kUnset ? n : next;
      continue;
    }
    ++i;
  }
  return true;
}

bool TDocDOM::LoadFromFile(const std::string& fileName) { return LoadFromString(LoadString(fileName)); }

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

std::string DecodeXMLEntities(std::string_view text) {
  if (text.find('&') == std::string_view::npos) return std::string(text);
  struct TNamed {
    const char* Name;
    const char* Value;
  };
  static const TNamed kNamed[] = {{"amp", "&"},
                                  {"lt", "<"},
                                  {"gt", ">"},
                                  {"quot", "\""},
                                  {"apos", "'"},
                                  {"nbsp", "\xC2\xA0"},
                                  {"copy", "\xC2\xA9"},
                                  {"reg", "\xC2\xAE"},
                                  {"trade", "\xE2\x84\xA2"},
                                  {"hellip", "\xE2\x80\xA6"},
                                  {"ndash", "\xE2\x80\x93"},
                                  {"mdash", "\xE2\x80\x94"}};
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '&') {
      out += text[i++];
      continue;
    }
    const size_t semi = text.find(';', i + 1);
    if (semi == std::string_view::npos || semi - i > 12) {
      out += text[i++];
      continue;
    }
    const std::string_view name = text.substr(i + 1, semi - i - 1);
    bool done = false;
    if (name.size() >= 2 && name[0] == '#') {
      uint32_t cp = 0;
      bool ok = true;
      const bool hex = name[1] == 'x' || name[1] == 'X';
      const std::string_view digits = name.substr(hex ? 2 : 1);
      if (digits.empty()) ok = false;
      for (char d : digits) {
        int v;
        if (d >= '0' && d <= '9')
          v = d - '0';
        else if (hex && d >= 'a' && d <= 'f')
          v = d - 'a' + 10;
        else if (hex && d >= 'A' && d <= 'F')
          v = d - 'A' + 10;
        else {
          ok = false;
          break;
        }
        cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(v);
        if (cp > 0x10FFFF) {
          ok = false;
          break;
        }
      }
      if (ok && cp != 0 && !(cp >= 0xD800 && cp <= 0xDFFF)) {
        UTF8Append(out, static_cast<char32_t>(cp));
        done = true;
      }
    } else {
      for (const TNamed& e : kNamed)
        if (name == e.Name) {
          out += e.Value;
          done = true;
          break;
        }
    }
    if (done) {
      i = semi + 1;
    } else {
      out += text[i++];
    }
  }
  return out;
}
