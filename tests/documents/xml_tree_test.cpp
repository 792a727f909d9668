#include "documents/xml_tree.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "documents_test_support.h"
#include "foundation/utf8.h"
#include "test_support.h"

namespace {

TEST(XMLTree, DeclarationVariants) {
  TDocXML doc("w:document");
  EXPECT_EQ(doc.PlainText(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<w:document></w:document>");
  doc.XMLDeclarationStandalone = true;
  EXPECT_EQ(doc.GetDeclarationString(), "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>");
  doc.XMLDeclaration = false;
  EXPECT_EQ(doc.PlainText(), "<w:document></w:document>");
  EXPECT_EQ(doc.XMLVersion(), "1.0");
}

TEST(XMLTree, RendersElementsCompactlyWithEndTags) {
  TXMLNode p("p");
  p.Attributes.Add("a", "1");
  p.Content = "x&y";
  p.AddNode("b");
  EXPECT_EQ(p.AsText(), "<p a=\"1\">x&amp;y<b></b></p>");
  TXMLNode empty("w:b");
  EXPECT_EQ(empty.AsText(), "<w:b></w:b>");
}

TEST(XMLTree, EscapesContentOnlyWhenAsked) {
  struct Case {
    std::string content;
    bool escape;
    std::string expected;
  };
  const Case cases[] = {
      {"a<b", true, "<x>a&lt;b</x>"},
      {"a<b", false, "<x>a<b</x>"},
      {"&lt;", true, "<x>&amp;lt;</x>"},
      {"'\">", true, "<x>&apos;&quot;&gt;</x>"},
      {"caf\xC3\xA9 \xE2\x82\xAC", true, "<x>caf\xC3\xA9 \xE2\x82\xAC</x>"},
  };
  for (const Case& c : cases) {
    TXMLNode node("x", c.content, c.escape);
    EXPECT_EQ(node.AsText(), c.expected) << c.content;
  }
}

TEST(XMLTree, InvalidBytesBecomeBlanksAndForbiddenCharactersAreDropped) {
  // A lone continuation byte, a truncated sequence, an overlong form and an
  // encoded surrogate each turn into blanks byte by byte.
  EXPECT_EQ(EscapeXMLText("a\x80z"), "a z");
  EXPECT_EQ(EscapeXMLText("a\xE2\x82"), "a  ");
  EXPECT_EQ(EscapeXMLText("\xC0\xAF"), "  ");
  EXPECT_EQ(EscapeXMLText("\xED\xA0\x80"), "   ");
  // Controls other than tab, LF and CR, NUL, U+FFFE and U+FFFF vanish.
  EXPECT_EQ(EscapeXMLText(std::string("a\x01\x08\x0B\x0C\x0E\x1F", 7) + std::string(1, '\0') + "b"), "ab");
  // A parser would read CR in text as LF; TAB and LF it keeps.
  EXPECT_EQ(EscapeXMLText("a\tb\nc\rd"), "a\tb\nc&#13;d");
  EXPECT_EQ(EscapeXMLText("x\xEF\xBF\xBEy\xEF\xBF\xBFz\xEF\xBF\xBD"), "xyz\xEF\xBF\xBD");
  TXMLNode node("x", "a\x02\xFF", true);
  EXPECT_EQ(node.AsText(), "<x>a </x>");
  EXPECT_EQ(RemoveXMLForbiddenChars("<a\x01>\xFF"), "<a> ");
}

TEST(XMLTree, AnyBytesRenderAsWellFormedText) {
  // Random byte strings, biased towards the bytes that need care.
  std::mt19937 rng(5);
  const std::string special =
      std::string("&<>\"'\x01\x0B\x1F\x7F\x80\xBF\xC0\xC3\xE0\xED\xEF\xF0\xF4\xFF", 19) + std::string(1, '\0');
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const size_t length = rng() % 24;
    for (size_t i = 0; i < length; ++i)
      bytes += rng() % 2 ? special[rng() % special.size()] : static_cast<char>(rng() % 256);
    std::string attribute;
    AppendEscapedXMLAttributeValue(attribute, bytes);
    for (const std::string& out : {EscapeXMLText(bytes), attribute}) {
      ASSERT_TRUE(UTF8IsValid(out));
      EXPECT_EQ(out.find_first_of(std::string("<>\"", 3)), std::string::npos);
      for (char32_t cp : UTF8ToUTF32(out)) {
        const bool allowed = cp == 0x09 || cp == 0x0A || cp == 0x0D || (cp >= 0x20 && cp != 0xFFFE && cp != 0xFFFF);
        EXPECT_TRUE(allowed) << static_cast<uint32_t>(cp);
      }
      // Every ampersand starts an entity.
      for (size_t at = out.find('&'); at != std::string::npos; at = out.find('&', at + 1)) {
        const std::string rest = out.substr(at);
        EXPECT_TRUE(rest.rfind("&amp;", 0) == 0 || rest.rfind("&lt;", 0) == 0 || rest.rfind("&gt;", 0) == 0 ||
                    rest.rfind("&quot;", 0) == 0 || rest.rfind("&apos;", 0) == 0 || rest.rfind("&#9;", 0) == 0 ||
                    rest.rfind("&#10;", 0) == 0 || rest.rfind("&#13;", 0) == 0);
      }
    }
  }
}

TEST(XMLTree, AttributeValuesAreEscapedOnce) {
  TXMLNode node("r");
  node.Attributes.Add("Target", "a&b<c>\"d'\x01");
  node.Attributes.Add("w:val", "&amp;");
  EXPECT_EQ(node.AsText(), "<r Target=\"a&amp;b&lt;c&gt;&quot;d'\" w:val=\"&amp;amp;\"></r>");
}

// A parser normalises TAB, CR and LF in attribute values to blanks and CR in
// text to LF: those are written as references, the rest as it stands.
TEST(XMLTree, WhiteSpaceAParserWouldNormaliseIsReferenced) {
  TXMLNode node("r", "t\tx\ny\r\nz\r", true);
  node.Attributes.Add("a", "t\tx\ny\r\nz\r");
  EXPECT_EQ(node.AsText(), "<r a=\"t&#9;x&#10;y&#13;&#10;z&#13;\">t\tx\ny&#13;\nz&#13;</r>");
  EXPECT_EQ(RemoveXMLForbiddenChars("a\tb\r"), "a\tb\r");
}

// Python's XML parser reads back exactly what the tree was given, in
// attribute values and in text.
TEST(ToolCheckXMLTree, ParserReadsWhiteSpaceBack) {
  testsupport::TempDir dir;
  const std::vector<std::string> values = {"a\tb", "a\nb", "a\rb", "a\r\nb", " \t\r\n ", "\tlead", "trail\r"};
  TDocXML xml("root");
  std::string expected = "[";
  for (const std::string& v : values) {
    TXMLNode* item = xml.RootNode()->AddNode("item", v);
    item->Attributes.Add("value", v);
    expected += documentstest::PythonText(v) + ",";
  }
  expected += "]";
  const std::string file = dir.file("t.xml");
  testsupport::WriteFileBytes(file, xml.GetPlainText());
  testsupport::WriteFileBytes(dir.file("check.py"),
                              "import sys\n"
                              "import xml.etree.ElementTree as ET\n"
                              "expected = " +
                                  expected +
                                  "\n"
                                  "items = ET.parse(sys.argv[1]).getroot().findall('item')\n"
                                  "print([i.get('value') for i in items] == expected, [i.text for i in items] == "
                                  "expected)\n");
  const auto r = testsupport::RunCommand(testsupport::Python3() + " " + testsupport::ShellQuote(dir.file("check.py")) +
                                         " " + testsupport::ShellQuote(file) + " 2>&1");
  EXPECT_EQ(r.out, "True True\n");
}

TEST(XMLTree, AddNodeWithAttributesSkipsOnlyTheMarker) {
  TXMLNode root("root");
  TXMLNode* one =
      root.AddNodeWithAttributes("a", "xmlns:a", "u", kXMLNoAttribute, "", kXMLNoAttribute, "", kXMLNoAttribute, "");
  EXPECT_EQ(one->Attributes.Count(), 1);
  TXMLNode* two = root.AddNodeWithAttributes("b", "k", "v", "", "e", kXMLNoAttribute, "", kXMLNoAttribute, "");
  ASSERT_EQ(two->Attributes.Count(), 2);
  EXPECT_EQ(two->Attributes.GetKey(1), "");
  TXMLNode* four = root.AddNodeWithAttributes("c", "1", "a", "2", "b", "3", "c", "4", "d");
  EXPECT_EQ(four->AsText(), "<c 1=\"a\" 2=\"b\" 3=\"c\" 4=\"d\"></c>");
}

TEST(XMLTree, AddOrGetNodeFindsByExactName) {
  TXMLNode root("root");
  TXMLNode* a = root.AddOrGetNode("w:body");
  EXPECT_EQ(root.AddOrGetNode("w:body"), a);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_NE(root.AddOrGetNode("W:BODY"), a);
  EXPECT_EQ(root.ChildCount(), 2);
  EXPECT_EQ(root.GetNode("none"), nullptr);
}

TEST(XMLTree, NamelessChildrenRenderTheirContentOnly) {
  TXMLNode x("x");
  TXMLNode* a = x.AddNode("", "a", true);
  a->Attributes.Add("ignored", "1");
  a->AddNode("ignored");
  x.AddNode("", "<b>", false);
  x.AddNode("", "&", true);
  EXPECT_EQ(x.AsText(), "<x>a<b>&amp;</x>");
  EXPECT_EQ(x.AddNode(std::make_unique<TXMLNode>("y")), 3);
}

}  // namespace
