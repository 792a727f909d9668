// The tolerant markup tree: repair of unclosed and stray tags, self-closing
// tags, attributes, text runs, the selector subset and the text forms.
#include "fileinfo/markup_tree.h"

#include <gtest/gtest.h>

#include <string>

TEST(MarkupTree, UnclosedTagTakesTheFollowingContentUntilAnEnclosingEndTag) {
  TDocDOM dom;
  ASSERT_TRUE(dom.LoadFromString("<div><p>a<br>b</p>c</div>"));
  const TDOMNode* p = dom.GetFirstNodeWithTagName("p");
  ASSERT_NE(p, nullptr);
  ASSERT_EQ(p->Count(), 2);
  EXPECT_EQ(p->Children[0]->NodeType, dntText);
  EXPECT_EQ(p->Children[0]->Text, "a");
  const TDOMNode* br = p->Children[1];
  EXPECT_EQ(br->TagName, "br");
  EXPECT_EQ(br->ClosingType, dncNone);
  ASSERT_EQ(br->Count(), 1);
  EXPECT_EQ(br->Children[0]->Text, "b");
  // After </p> the text c belongs to the div again.
  const TDOMNode* div = dom.GetFirstNodeWithTagName("div");
  EXPECT_EQ(div->Children.back()->Text, "c");
  EXPECT_EQ(div->AsText(), "<div><p>a<br>b</p>c</div>");
}

TEST(MarkupTree, StrayEndTagsSelfClosingTagsAndDroppedText) {
  TDocDOM dom;
  dom.LoadFromString("<a></x><B>t</b><img src=\"p.png\" alt='q'/><br/>tail");
  const TDOMNode* a = dom.GetFirstNodeWithTagName("a");
  ASSERT_NE(a, nullptr);
  // </b> does not close <B>: letter case counts.
  const TDOMNode* b = dom.GetFirstNodeWithTagName("B");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Parent, a);
  const TDOMNode* img = dom.GetFirstNodeWithTagName("img");
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(img->ClosingType, dncSelfClosing);
  EXPECT_EQ(img->GetAttribute("SRC"), "p.png");
  EXPECT_EQ(img->GetAttribute("alt"), "q");
  EXPECT_NE(dom.GetFirstNodeWithTagName("br"), nullptr);
  EXPECT_EQ(dom.Document()->AsText().find("tail"), std::string::npos);
}

TEST(MarkupTree, DeclarationsAreSkippedAndNestingIsBounded) {
  TDocDOM dom;
  dom.LoadFromString("<?xml version=\"1.0\"?><!DOCTYPE r><r><x>1</x></r>");
  EXPECT_EQ(dom.Document()->Children[0]->TagName, "r");
  EXPECT_EQ(dom.GetInnerTextOfFirstNodeWithTagNameAsInt("x", 0), 1);
  EXPECT_EQ(dom.GetInnerTextOfFirstNodeWithTagNameAsInt("missing", 42), 42);
  dom.LoadFromString("<?only a declaration?>");
  EXPECT_TRUE(dom.Document()->HasNoChildren());

  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<d>";
  dom.LoadFromString(deep + "x");
  int depth = 0;
  for (const TDOMNode* n = dom.Document(); !n->HasNoChildren(); n = n->Children[0]) ++depth;
  EXPECT_LE(depth, kDOMMaxDepth + 1);
  EXPECT_EQ(dom.GetAllNodesWithTagName("d", true).size(), 100000u);
  EXPECT_FALSE(dom.Document()->AsText().empty());
}

TEST(MarkupTree, SelectorSubset) {
  TDocDOM dom;
  dom.LoadFromString(
      "<html lang=\"de\"><div id=\"Main\" class=\"x big\"><p class=\"c\">one</p><span>s</span><p>two</p>"
      "<section><p>deep</p></section></div>"
      "<meta property=\"schema:numberOfPages\">12</meta><a>A</a><b>B</b></html>");
  struct TCase {
    const char* Selector;
    const char* InnerText;  // of the node the document returns
  };
  const TCase cases[] = {
      {"meta[property=schema:numberOfPages]", "12"},
      {"div > p", "two"},  // the last match not inside another match
      {"section p", "deep"},
      {"p.c", "one"},
      {"[class~=x]", nullptr},
      {"#main", nullptr},
      {"span + p", "two"},
      {"a, b", "B"},
      {"nothing", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Selector);
    const TDOMNode* n = dom.GetFirstNodeMatchingCSSSelector(c.Selector);
    if (std::string(c.Selector) == "nothing") {
      EXPECT_EQ(n, nullptr);
      continue;
    }
    ASSERT_NE(n, nullptr);
    if (c.InnerText) {
      EXPECT_EQ(n->InnerText(), c.InnerText);
    }
  }
  EXPECT_EQ(dom.GetFirstNodeMatchingCSSSelector("[class~=x]")->ID, "Main");
  EXPECT_EQ(dom.GetValueOfAttributeOfFirstNodeMatchingCSSSelector("html", "lang", true, "?"), "de");
  EXPECT_EQ(dom.GetValueOfAttributeOfFirstNodeMatchingCSSSelector("nothing", "lang", true, "?"), "?");
  // With case sensitivity the id must match exactly.
  dom.SetCaseSensitive(true);
  EXPECT_EQ(dom.GetFirstNodeMatchingCSSSelector("#main"), nullptr);
  EXPECT_NE(dom.GetFirstNodeMatchingCSSSelector("#Main"), nullptr);
}

TEST(MarkupTree, TextFormsAndEntities) {
  TDocDOM dom;
  dom.LoadFromString("<dc:title><rdf:Alt> <rdf:li>T &amp; &#233;&#x20AC;</rdf:li></rdf:Alt></dc:title>");
  const TDOMNode* t = dom.GetFirstNodeWithTagName("dc:title");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->InnerText(), "<rdf:Alt> <rdf:li>T &amp; &#233;&#x20AC;</rdf:li></rdf:Alt>");
  EXPECT_EQ(t->InnerTextOfAllSubNodesWithoutMarkup("|"), " |T &amp; &#233;&#x20AC;");
  EXPECT_EQ(DecodeXMLEntities("T &amp; &#233;&#x20AC; &nbsp;&bogus; &#xD800; &"),
            "T & \xC3\xA9\xE2\x82\xAC \xC2\xA0&bogus; &#xD800; &");
}
