// A write-only XML element tree: the office writers build each part of their
// packages from nodes and render it compactly to one UTF-8 string (no
// indentation, no line breaks inside the tree, every element as a start tag
// and an end tag).
//
// Everything rendered is well-formed whatever the caller passes as text:
// characters XML 1.0 forbids are dropped, bytes that are not valid UTF-8 become
// blanks, and attribute values are escaped once (&, <, >, "). Where a parser
// would normalise them, TAB, CR and LF are written as character references:
// all three in attribute values, CR in text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/containers_maps.h"

// The text with &, <, >, ' and " written as entities (the ampersand first, so
// the entities are not escaped again), CR as "&#13;", forbidden characters
// dropped and every byte that is not part of valid UTF-8 replaced by a blank.
std::string EscapeXMLText(std::string_view text);
void AppendEscapedXMLText(std::string& out, std::string_view text);
// An attribute value for double quotes: &, <, > and " as entities, TAB, LF
// and CR as "&#9;", "&#10;" and "&#13;", forbidden characters dropped,
// invalid bytes as blanks.
void AppendEscapedXMLAttributeValue(std::string& out, std::string_view value);
// Only the characters XML 1.0 forbids dropped and invalid bytes as blanks; for
// text that the caller has escaped and marked up itself.
std::string RemoveXMLForbiddenChars(std::string_view text);

// One element, or a text node when its name is empty.
class TXMLNode {
 public:
  std::string Name;
  std::string Content;
  bool EscapeContent = true;
  // In order of adding; duplicates are kept.
  TKeyValueArrayObj Attributes;

  explicit TXMLNode(std::string AName);
  TXMLNode(std::string AName, std::string AContent, bool AEscapeContent);
  TXMLNode(const TXMLNode&) = delete;
  TXMLNode& operator=(const TXMLNode&) = delete;

  // Appends an existing node as the last child and returns its index.
  int32_t AddNode(std::unique_ptr<TXMLNode> ANode);
  // Creates, appends and returns a child (owned by this node).
  TXMLNode* AddNode(std::string AName, std::string AContent = {}, bool AEscapeContent = true);
  // A child with the first attribute pair always; each further pair is added
  // unless its key is kXMLNoAttribute (an empty key is still added).
  TXMLNode* AddNodeWithAttributes(std::string AName, std::string_view AKey1, std::string_view AValue1,
                                  std::string_view AKey2, std::string_view AValue2, std::string_view AKey3,
                                  std::string_view AValue3, std::string_view AKey4, std::string_view AValue4);
  // The first direct child with exactly this name, or nullptr.
  TXMLNode* GetNode(std::string_view AName) const;
  TXMLNode* AddOrGetNode(std::string_view AName);

  int32_t ChildCount() const { return static_cast<int32_t>(FChildren.size()); }
  TXMLNode* Child(int32_t AIndex) const { return FChildren[static_cast<size_t>(AIndex)].get(); }

  std::string AsText() const;
  void AppendText(std::string& out) const;

 private:
  std::vector<std::unique_ptr<TXMLNode>> FChildren;
};

// The key that AddNodeWithAttributes skips: one character of code 0.
inline const std::string kXMLNoAttribute(1, '\0');

// One XML part: declaration and root element.
class TDocXML {
 public:
  bool XMLDeclaration = true;
  bool XMLDeclarationStandalone = false;
  // Code page named in the declaration.
  int32_t XMLEncoding = 65001;

  explicit TDocXML(std::string ARootName);

  const std::string& XMLVersion() const { return FXMLVersion; }
  TXMLNode* RootNode() const { return FRootNode.get(); }

  // <?xml version="1.0" encoding="UTF-8"?> (standalone="yes" when set).
  std::string GetDeclarationString() const;
  // Declaration, a line feed and the tree; the tree alone without declaration.
  std::string GetPlainText() const;
  std::string PlainText() const { return GetPlainText(); }

 private:
  std::string FXMLVersion = "1.0";
  std::unique_ptr<TXMLNode> FRootNode;
};
