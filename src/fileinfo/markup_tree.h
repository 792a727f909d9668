// A tolerant tree of HTML or XML text: unclosed, stray and self-closing tags
// are repaired by fixed rules and nothing is validated. Comments, processing
// instructions and declarations are no content; CDATA sections are text;
// text nodes keep entities as written, and TextContent decodes them. Queries
// find nodes by tag name or by a small subset of CSS selectors and give their
// inner text and attributes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/containers_lists.h"
#include "foundation/containers_maps.h"

enum TDOMNodeType : int32_t { dntRoot = 0, dntNode = 1, dntText = 2 };
enum TDOMNodeClosingType : int32_t { dncDefault = 0, dncSelfClosing = 1, dncNone = 2 };

// How a text node's text was written: markup text with XML or HTML
// character references, the raw text of an HTML script or style element, or
// an XML CDATA section.
enum class TDOMTextKind : uint8_t { XML, HTML, RawText, CData };

class TDOMNode;
using TDOMNodeArray = std::vector<TDOMNode*>;

int32_t AddDOMNodeToArray(TDOMNodeArray& array, TDOMNode* node);

// Element nesting deeper than this is flattened: further start tags become
// children of the deepest element without opening a level, which bounds every
// walk of the tree however the text nests.
constexpr int32_t kDOMMaxDepth = 512;
// A tree that keeps only some elements (TDocDOM::KeptTagNames) holds at most
// this many nodes, so that a reader asking for a few elements holds a bounded
// amount whatever the text.
constexpr int32_t kDOMMaxKeptNodes = 1 << 16;

class TDOMNode {
 public:
  // Not added to the parent's children; AddNode does that.
  TDOMNode(TDOMNode* parent, std::string_view nameOrText, TDOMNodeType nodeType, std::string_view attributeText);
  ~TDOMNode();
  TDOMNode(const TDOMNode&) = delete;
  TDOMNode& operator=(const TDOMNode&) = delete;

  TDOMNode* AddNode(std::string_view nameOrText, TDOMNodeType nodeType, std::string_view attributeText);
  void Clear();
  int32_t GetCount() const { return static_cast<int32_t>(Children.size()); }
  int32_t Count() const { return GetCount(); }
  bool HasNoChildren() const { return Children.empty(); }
  // Index among the parent's children; -1 without parent.
  int32_t GetPosition() const;
  int32_t Position() const { return GetPosition(); }
  void SetID(const std::string& text);
  void SetCaseSensitive(bool flag);

  std::string GetAttribute(std::string_view name) const;
  int32_t GetAttributeAsInt(std::string_view name, int32_t def) const;
  bool HasClass(std::string_view className) const;
  TDOMNode* GetFirstParentWithTagName(std::string_view tagName) const;
  TDOMNode* GetDirectSilblingBefore(bool skipTextNodes) const;

  bool MatchesCSSSelector(std::string_view selector) const;
  bool HasParentMatchingCSSSelector(std::string_view selector) const;
  bool HasAncestorMatchingCSSSelector(std::string_view selector) const;
  bool HasDirectPreviousSiblingMatchingCSSSelector(std::string_view selector) const;
  bool HasPreviousSiblingMatchingCSSSelector(std::string_view selector) const;

  std::string AsText() const;
  // The children's markup and text as written.
  std::string InnerText() const;
  // All text of the subtree without markup, joined by the separator.
  std::string InnerTextOfAllSubNodesWithoutMarkup(std::string_view separator) const;
  // The same with the character references decoded as the text's kind says
  // (CDATA and raw text as written): the text a reader of the document sees.
  std::string TextContent(std::string_view separator = "") const;

  bool CaseSensitive = false;
  TDOMNodeClosingType ClosingType = dncDefault;
  std::string Text;
  TDOMNode* Parent = nullptr;
  TKeyValueArrayObj Attributes;
  std::string ID;
  TStrArrayObj Classes;
  TDOMNodeArray Children;  // owned
  std::string TagName;
  TDOMNodeType NodeType = dntNode;
  TDOMTextKind TextKind = TDOMTextKind::XML;  // of a text node
  int32_t Depth = 0;                          // elements above this node; the root is 0

 private:
  bool TagEquals(std::string_view name) const;
  void AppendText(std::string& out) const;
};

class TDocDOM {
 public:
  TDocDOM();
  ~TDocDOM();
  TDocDOM(const TDocDOM&) = delete;
  TDocDOM& operator=(const TDocDOM&) = delete;

  bool LoadFromString(std::string_view text);
  bool LoadFromFile(const std::string& fileName);
  // The code page a file beginning with head declares for itself (a web
  // page's charset, an XML declaration's encoding); 0 when it declares none
  // or begins with a byte-order mark, which wins over any declaration.
  int32_t DeclaredCodePageOfHead(std::string_view head) const;
  void SetCaseSensitive(bool flag);
  bool GetCaseSensitive() const { return FCaseSensitive; }

  TDOMNode* Document() const { return FRoot; }
  TDOMNode* GetFirstNodeWithTagName(std::string_view tagName) const;
  TDOMNodeArray GetAllNodesWithTagName(std::string_view tagName, bool includeNested) const;
  // The last match in document order among matches not inside another match.
  TDOMNode* GetFirstNodeMatchingCSSSelector(std::string_view selector) const;
  std::string GetInnerTextOfFirstNodeWithTagName(std::string_view tagName, bool trim, std::string_view def) const;
  int32_t GetInnerTextOfFirstNodeWithTagNameAsInt(std::string_view tagName, int32_t def) const;
  std::string GetInnerTextOfFirstNodeMatchingCSSSelector(std::string_view selector, bool trim,
                                                         std::string_view def) const;
  std::string GetValueOfAttributeOfFirstNodeMatchingCSSSelector(std::string_view selector,
                                                                std::string_view attributeName, bool trim,
                                                                std::string_view def) const;

  int32_t CodePage = 65001;
  // Parse as HTML: tag names without regard to case (kept lower-cased), void
  // elements such as meta and br without content, the contents of script,
  // style, title and textarea as text, comments and CDATA sections dropped,
  // HTML's named references in text and attribute values. Otherwise as XML,
  // where CDATA sections are text.
  bool ParseAsHTML = false;
  // When not empty, only the elements of these names become nodes, and the
  // text inside them (at any depth) becomes their text, up to
  // kDOMMaxKeptNodes nodes; every other element is parsed and dropped.
  std::vector<std::string> KeptTagNames;

 private:
  TDOMNode* FRoot;
  bool FCaseSensitive = false;
};

// The five XML entities and decimal and hexadecimal character references,
// plus HTML's named references with their semicolon; anything else after an
// ampersand stays as written.
std::string DecodeXMLEntities(std::string_view text);
// Character references as HTML reads them: named ones also in their legacy
// form without the semicolon (except, in an attribute value, before "=" or a
// letter or digit), numeric ones without the semicolon too, with the code
// points 0x80 to 0x9F read as Windows-1252 and invalid ones as U+FFFD.
std::string DecodeHTMLEntities(std::string_view text, bool inAttribute);
