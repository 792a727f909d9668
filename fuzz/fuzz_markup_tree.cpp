// The markup tree on arbitrary text: parsing, the queries the document and
// PDF readers make and the text forms must not crash, hang or recurse without
// bound, whatever the nesting.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fileinfo/markup_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TDocDOM dom;
  // As XML or as HTML, the whole tree or the few elements a reader keeps.
  dom.ParseAsHTML = size % 3 == 1;
  if (size % 5 == 2) dom.KeptTagNames = {"title", "meta", "dc:title", "html"};
  dom.LoadFromString(text);
  dom.SetCaseSensitive(size % 2 == 0);
  static const char* const kSelectors[] = {"meta[property=schema:numberOfPages]",
                                           "div > p",
                                           "div p",
                                           "a, b",
                                           "[class~=x]",
                                           "p.c",
                                           "#id",
                                           ":empty",
                                           "a + b",
                                           "a ~ b",
                                           "x:y",
                                           "*"};
  for (const char* selector : kSelectors) {
    if (const TDOMNode* n = dom.GetFirstNodeMatchingCSSSelector(selector)) {
      n->AsText();
      n->InnerTextOfAllSubNodesWithoutMarkup(" ");
    }
  }
  dom.GetInnerTextOfFirstNodeWithTagName("title", true, "");
  dom.GetInnerTextOfFirstNodeWithTagNameAsInt("Pages", 0);
  dom.GetAllNodesWithTagName("meta", true);
  dom.Document()->AsText();
  dom.Document()->TextContent(" ");
  DecodeXMLEntities(text);
  DecodeHTMLEntities(text, size % 2 == 0);
  return 0;
}
