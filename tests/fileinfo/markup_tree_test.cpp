// The tolerant markup tree: repair of unclosed and stray tags, self-closing
// tags, attributes, text runs, the selector subset and the text forms.
#include "fileinfo/markup_tree.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

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

TEST(MarkupTree, StrayEndTagsSelfClosingTagsAndTrailingText) {
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
  // The text after the last tag belongs to the element still open.
  ASSERT_EQ(b->Children.back()->NodeType, dntText);
  EXPECT_EQ(b->Children.back()->Text, "tail");
}

// The text after the last tag is part of the tree: in the element still
// open, or at the top level.
TEST(MarkupTree, TextAtTheEndOfTheInput) {
  struct TCase {
    const char* Text;
    const char* Tag;
    const char* Content;  // TextContent of the first element of that name, or of the whole tree
  };
  const TCase cases[] = {
      {"<html><head><title>Quarterly report", "title", "Quarterly report"},
      {"<p>one</p>two", "", "onetwo"},
      {"<r>a<b>b</b>c", "r", "abc"},
      {"plain", "", "plain"},
      {"<r>a<b", "r", "a"},  // a tag cut off is no tag and no text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TDocDOM dom;
    dom.LoadFromString(c.Text);
    const TDOMNode* n = *c.Tag ? dom.GetFirstNodeWithTagName(c.Tag) : dom.Document();
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->TextContent(), c.Content);
  }
}

// Markup as the XML and HTML standards read it: comments, processing
// instructions and declarations are no content; CDATA is text in XML;
// attributes may be separated by any white space and quoted values may hold
// ">"; HTML names are read without regard to case, its void elements hold
// nothing and the title is text up to its end tag.
TEST(MarkupTree, CommentsCdataWhiteSpaceAndCase) {
  TDocDOM xml;
  xml.LoadFromString(
      "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x \"<y>\">]><r><!-- <c>not</c> --><t>A <![CDATA[<b> & c]]>"
      "<?pi x?>B&amp;&eacute;</t><e\ta=\"1\"\n\tb='x > y'/></r>");
  const TDOMNode* t = xml.GetFirstNodeWithTagName("t");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(xml.GetFirstNodeWithTagName("c"), nullptr);
  EXPECT_EQ(t->TextContent(), "A <b> & cB&\xC3\xA9");
  EXPECT_EQ(t->InnerText(), "A <![CDATA[<b> & c]]>B&amp;&eacute;");
  const TDOMNode* e = xml.GetFirstNodeWithTagName("e");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->ClosingType, dncSelfClosing);
  EXPECT_EQ(e->GetAttribute("a"), "1");
  EXPECT_EQ(e->GetAttribute("b"), "x > y");
  // XML keeps the letter case of names.
  xml.LoadFromString("<Title>x</title>");
  EXPECT_EQ(xml.GetFirstNodeWithTagName("title"), nullptr);

  TDocDOM html;
  html.ParseAsHTML = true;
  html.LoadFromString(
      "<!DOCTYPE html><HTML LANG=\"fr\"><HEAD><TITLE>Caf&eacute; <!-- draft --> &amp co <b></TITLE>"
      "<META\nNAME=\"Author\"\tCONTENT=\"Ren&eacute; &amp; Co\"><Meta name=k content=v><script>if (a<b) x();</script>"
      "</HEAD><BODY><!-- <p>hidden</p> --><P>one<![CDATA[gone]]>two</P></BODY></HTML>");
  const TDOMNode* title = html.GetFirstNodeWithTagName("title");
  ASSERT_NE(title, nullptr);
  // The title's content is text: the comment is part of it, the references
  // are decoded, the legacy "&amp" without its semicolon too.
  EXPECT_EQ(title->TextContent(), "Caf\xC3\xA9 <!-- draft --> & co <b>");
  const TDOMNode* meta = html.GetFirstNodeWithTagName("meta");
  ASSERT_NE(meta, nullptr);
  EXPECT_TRUE(meta->HasNoChildren());
  EXPECT_EQ(meta->GetAttribute("name"), "Author");
  EXPECT_EQ(meta->GetAttribute("content"), "Ren\xC3\xA9 & Co");
  EXPECT_EQ(html.GetAllNodesWithTagName("meta", true).size(), 2u);
  EXPECT_EQ(html.GetFirstNodeWithTagName("script")->TextContent(), "if (a<b) x();");
  EXPECT_EQ(html.GetFirstNodeWithTagName("p")->TextContent(), "onetwo");
  EXPECT_EQ(html.GetValueOfAttributeOfFirstNodeMatchingCSSSelector("html", "lang", true, ""), "fr");
  // The end tag of the body closes it: nothing is left open under the head.
  EXPECT_EQ(html.GetFirstNodeWithTagName("body")->Parent->TagName, "html");
}

TEST(MarkupTree, HtmlCharacterReferences) {
  struct TCase {
    const char* Text;
    bool Attribute;
    const char* Decoded;
  };
  const TCase cases[] = {
      {"&eacute;&Eacute;&amp;&lt;&NotEqualTilde;", false, "\xC3\xA9\xC3\x89&<\xE2\x89\x82\xCC\xB8"},
      {"&copy 2024 &notit;", false, "\xC2\xA9 2024 \xC2\xACit;"},
      {"?a=1&copy=2&copyx &copy;", true, "?a=1&copy=2&copyx \xC2\xA9"},
      {"&#233;&#xe9&#128;&#0;&#x110000;&#xD800;", false,
       "\xC3\xA9\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"& &; &#; &bogus;", false, "& &; &#; &bogus;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(DecodeHTMLEntities(c.Text, c.Attribute), c.Decoded);
  }
  // XML knows only complete references.
  EXPECT_EQ(DecodeXMLEntities("&copy 2024 &eacute; &#233 &#x20AC;"), "&copy 2024 \xC3\xA9 &#233 \xE2\x82\xAC");
}

// A tree of a few kinds of elements: the others, however many and however
// deeply nested, cost no nodes.
TEST(MarkupTree, KeptElementsOnly) {
  std::string text = "<r><dc:title><rdf:Alt><rdf:li>T1</rdf:li> <rdf:li>T2</rdf:li></rdf:Alt></dc:title>";
  for (int i = 0; i < 300; ++i) text += "<x>";
  for (int i = 0; i < 20000; ++i) text += "<y>z</y>";
  text += "<meta a=\"1\">m</meta>";
  for (int i = 0; i < 300; ++i) text += "</x>";
  text += "</r>";
  TDocDOM dom;
  dom.KeptTagNames = {"dc:title", "meta"};
  dom.LoadFromString(text);
  ASSERT_EQ(dom.Document()->Count(), 2);
  const TDOMNode* title = dom.GetFirstNodeWithTagName("dc:title");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->TextContent("|"), "T1| |T2");
  const TDOMNode* meta = dom.GetFirstNodeWithTagName("meta");
  ASSERT_NE(meta, nullptr);
  EXPECT_EQ(meta->GetAttribute("a"), "1");
  EXPECT_EQ(meta->TextContent(), "m");
  EXPECT_EQ(dom.GetFirstNodeWithTagName("x"), nullptr);
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

TEST(TDocDOM, XmlDeclarationNamesTheCodePage) {
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("a.xml"),
                              "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r a=\"\x80\">\x93x\x94</r>");
  TDocDOM dom;
  ASSERT_TRUE(dom.LoadFromFile(dir.file("a.xml")));
  const TDOMNode* r = dom.GetFirstNodeWithTagName("r");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->TextContent(), "\xE2\x80\x9Cx\xE2\x80\x9D");
  EXPECT_EQ(r->GetAttribute("a"), "\xE2\x82\xAC");
}
