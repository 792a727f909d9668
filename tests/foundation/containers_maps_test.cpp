#include "foundation/containers_maps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Strs = std::vector<std::string>;
using Pairs = TKeyValueArrayObjItems;

TEST(KeyValueArrayObj, AddUpdateAppendAndSet) {
  TKeyValueArrayObj kv;
  EXPECT_EQ(kv.Add("k", "a"), 0);
  EXPECT_EQ(kv.Add("k", "a"), 1);  // duplicates are kept
  EXPECT_EQ(kv.GetValueOrDefaultIfKeyNotExist("k", "x"), "a");
  EXPECT_EQ(kv.AddOrUpdate("k", "b"), 0);  // only the first pair changes
  EXPECT_EQ(kv.Items, Pairs({{"k", "b"}, {"k", "a"}}));
  EXPECT_EQ(kv.AddOrUpdate("n", "1"), 2);

  TKeyValueArrayObj app;
  app.Add("k", "a");
  EXPECT_EQ(app.AddOrAppend("k", "b"), 0);
  EXPECT_EQ(app.AddOrAppend("j", "c"), 1);
  EXPECT_EQ(app.Items, Pairs({{"k", "ab"}, {"j", "c"}}));

  EXPECT_EQ(app.SetValue("missing", "v"), -1);
  EXPECT_EQ(app.Count(), 2);
  EXPECT_EQ(app.SetValue("j", "d"), 1);
  EXPECT_EQ(app.GetValue(1), "d");

  TKeyValueArrayObj num;
  num.Add("k", 12);
  num.Add("m", -3);
  EXPECT_EQ(num.Items, Pairs({{"k", "12"}, {"m", "-3"}}));
}

TEST(KeyValueArrayObj, Lookups) {
  TKeyValueArrayObj kv;
  kv.Add("k", "v1");
  kv.Add("Straße", "v2");
  kv.Add("k", "v3");
  EXPECT_EQ(kv.GetIndexOfKey("K"), -1);
  EXPECT_EQ(kv.GetIndexOfKeyCaseInsensitive("K"), 0);
  EXPECT_EQ(kv.GetIndexOfKeyCaseInsensitive("STRASSE"), -1);  // lower-casing keeps SS as ss
  EXPECT_EQ(kv.GetIndexOfKeyCaseInsensitive("STRAßE"), 1);
  EXPECT_EQ(kv.AddOrUpdateCaseInsensitive("K", "new"), 0);
  EXPECT_EQ(kv.GetKey(0), "k");  // the stored key stays
  EXPECT_EQ(kv.GetValue(0), "new");
  EXPECT_EQ(kv.AddOrUpdateCaseInsensitive("Q", "q"), 3);

  std::string value = "untouched";
  EXPECT_TRUE(kv.GetValue("k", value, "def"));
  EXPECT_EQ(value, "new");
  EXPECT_FALSE(kv.GetValue("K", value, "def"));
  EXPECT_EQ(value, "def");
  EXPECT_TRUE(kv.GetValueCaseInsensitive("K", value, "def"));
  EXPECT_EQ(value, "new");
  EXPECT_FALSE(kv.GetValueCaseInsensitive("zz", value, "d2"));
  EXPECT_EQ(value, "d2");

  EXPECT_EQ(kv.GetFirstKeyWithValue("v3", "none"), "k");
  EXPECT_EQ(kv.GetFirstKeyWithValue("V3", "none"), "none");
  EXPECT_TRUE(kv.ContainsKey("Straße"));
  EXPECT_FALSE(kv.ContainsKey("straße"));
  EXPECT_TRUE(kv.ContainsKeyValuePair("k", "v3"));
  EXPECT_FALSE(kv.ContainsKeyValuePair("k", "v2"));
  EXPECT_FALSE(TKeyValueArrayObj().ContainsKeyValuePair("", ""));
  EXPECT_EQ(kv.GetKey(4), "");
  EXPECT_EQ(kv.GetValue(-1), "");
  EXPECT_EQ(kv.GetValueOrDefaultIfKeyNotExist("zz", "d"), "d");

  TKeyValueArrayObj other;
  other.Add("x", "1");
  kv.Add(other);
  EXPECT_EQ(kv.Items.back(), (TKeyValueArrayObjItem{"x", "1"}));
  other.Add(other);  // adding a list to itself doubles it once
  EXPECT_EQ(other.Items, Pairs({{"x", "1"}, {"x", "1"}}));
}

TEST(KeyValueArrayObj, WritesXMLAttributes) {
  TKeyValueArrayObj kv;
  EXPECT_EQ(kv.AsXMLAttributeString(), "");
  kv.Add("id", "5");
  kv.Add("class", "a b");
  EXPECT_EQ(kv.AsXMLAttributeString(), "id=\"5\" class=\"a b\"");
  kv.Add("title", "Tom & \"Jerry\" <3>");
  kv.Add("alt", "it's");
  EXPECT_EQ(kv.AsXMLAttributeString(),
            "id=\"5\" class=\"a b\" title=\"Tom &amp; &quot;Jerry&quot; &lt;3&gt;\" alt=\"it's\"");
  // Text that is already an entity is escaped as the text it is.
  TKeyValueArrayObj amp;
  amp.Add("v", "&amp;");
  EXPECT_EQ(amp.AsXMLAttributeString(), "v=\"&amp;amp;\"");
}

TEST(KeyValueArrayObj, ReadsXMLAttributes) {
  struct Case {
    std::string text;
    Pairs pairs;
  } cases[] = {
      {"a=\"1\" b='x\"y' k = \"3\"", {{"a", "1"}, {"b", "x\"y"}, {"k", "3"}}},
      {"a=\"1", {{"a", "1"}}},  // unclosed value runs to the end
      {"a='it\"s", {{"a", "it\"s"}}},
      {"no quotes at all", {}},
      {"", {}},
      {"name", {}},                                 // a name without a value
      {"\"v\"", {{"", "v"}}},                       // a value without a name
      {"a=\"1\" \"2\"", {{"a", "1"}, {"a", "2"}}},  // takes the previous name
      {"a==\"1\"", {{"a", "1"}}},                   // a second = is ordinary text
      {"x=\"a=b\" y='c\"d'", {{"x", "a=b"}, {"y", "c\"d"}}},
      {"v=\"Tom &amp; Jerry\"", {{"v", "Tom & Jerry"}}},  // entities are decoded
      {"\ta\n=\" sp \" ", {{"a", " sp "}}},
      {"a=\"\"", {{"a", ""}}},
      {"a=\"1\"b=\"2\"", {{"a", "1"}, {"b", "2"}}},
  };
  for (const auto& c : cases) {
    TKeyValueArrayObj kv;
    kv.AddFromXMLAttributeString(c.text);
    EXPECT_EQ(kv.Items, c.pairs) << c.text;
  }
  // Writing and reading back give the same pairs where no value needs escaping.
  TKeyValueArrayObj out;
  out.Add("a", "it's");
  out.Add("b", "x y");
  TKeyValueArrayObj back;
  back.AddFromXMLAttributeString(out.AsXMLAttributeString());
  EXPECT_EQ(back.Items, out.Items);
}

TEST(KeyValueArrayObj, DecodesEntitiesAndCharacterReferences) {
  struct Case {
    std::string text;
    std::string value;
  } cases[] = {
      {"v=\"&amp;&lt;&gt;&quot;&apos;\"", "&<>\"'"},
      {"v=\"&#65;&#x42;&#X43;&#0100;\"", "ABCd"},
      {"v=\"&#x20AC;&#128512;\"", "\u20ac\U0001F600"},
      // Anything that is not a complete, valid reference stays as written.
      {"v=\"a & b &amp &unknown; &#; &#x; &#xD800; &#x110000; &#0; &#65a; &#99999999999;\"",
       "a & b &amp &unknown; &#; &#x; &#xD800; &#x110000; &#0; &#65a; &#99999999999;"},
      {"v='&amp;amp;'", "&amp;"},  // decoded once
  };
  for (const auto& c : cases) {
    TKeyValueArrayObj kv;
    kv.AddFromXMLAttributeString(c.text);
    ASSERT_EQ(kv.Items.size(), 1u) << c.text;
    EXPECT_EQ(kv.Items[0].Value, c.value) << c.text;
  }
}

TEST(KeyValueArrayObj, EveryValueRoundTripsThroughAttributeText) {
  // Values built from the characters that need escaping, the other quote,
  // blanks, equals signs, entity-like text and multi-byte characters.
  const std::vector<std::string> pieces = {"&",     "<",     ">",   "\"", "'", " ",        "=",  "a",
                                           "&amp;", "&#65;", "&lt", ";",  "#", "\xC3\xA4", "\t", "\n"};
  std::mt19937 rng(28);
  for (int round = 0; round < 500; ++round) {
    TKeyValueArrayObj out;
    const int pairs = static_cast<int>(rng() % 4) + 1;
    for (int p = 0; p < pairs; ++p) {
      std::string value;
      const int len = static_cast<int>(rng() % 12);
      for (int k = 0; k < len; ++k) value += pieces[rng() % pieces.size()];
      out.Add("k" + std::to_string(p), value);
    }
    TKeyValueArrayObj back;
    back.AddFromXMLAttributeString(out.AsXMLAttributeString());
    ASSERT_EQ(back.Items, out.Items) << out.AsXMLAttributeString();
  }
}

TEST(KeyValueArrayObj, ReadsAttributesFromItsOwnValue) {
  // Every pair appended may move the short text that is being read.
  TKeyValueArrayObj kv;
  kv.Add("attrs", "a='1' b=\"2\"");
  kv.AddFromXMLAttributeString(kv.Items[0].Value);
  EXPECT_EQ(kv.Items, Pairs({{"attrs", "a='1' b=\"2\""}, {"a", "1"}, {"b", "2"}}));
}

TEST(KeyStrArrayArrayObj, MergesValuesPerKeyInFirstOccurrenceOrder) {
  TKeyStrArrayArrayObj m;
  EXPECT_EQ(m.Add("ab", {"c", "d"}), 0);
  EXPECT_EQ(m.Add("x", {}), 1);
  EXPECT_EQ(m.Add("ab", {"e", "c"}), 0);
  EXPECT_EQ(m.Count_Keys(), 2);
  EXPECT_EQ(m.Items[0].Values, Strs({"c", "d", "e", "c"}));
  EXPECT_EQ(m.Count_Values_Key(0), 4);
  EXPECT_EQ(m.Count_Values_Key(1), 0);
  EXPECT_EQ(m.Count_Values_Key(5), 0);
  EXPECT_EQ(m.Count_Values_Key(-1), 0);
  EXPECT_EQ(m.GetValueWithoutCheck(0, 2), "e");
  EXPECT_EQ(m.GetValueWithoutCheck(0, 9), "");
  EXPECT_EQ(m.AddKey("x"), 1);
  EXPECT_EQ(m.AddKey("AB"), 2);  // keys are case-sensitive
  EXPECT_EQ(m.GetIndexOfKey("ab"), 0);
  EXPECT_EQ(m.GetIndexOfKey("zz"), -1);
  // A key's own list added to itself.
  m.Add("ab", m.Items[0].Values);
  EXPECT_EQ(m.Count_Values_Key(0), 8);
  // Another key's list, while the new key moves the entries.
  for (int k = 0; k < 50; ++k) m.Add("new" + std::to_string(k), m.Items[0].Values);
  EXPECT_EQ(m.Count_Values_Key(m.GetIndexOfKey("new49")), 8);
  m.Clear();
  EXPECT_EQ(m.Count_Keys(), 0);
  EXPECT_EQ(m.GetIndexOfKey("ab"), -1);
  EXPECT_EQ(m.AddKey("ab"), 0);
}

TEST(KeyStrArrayArrayObj, ManyKeysStayInOrder) {
  TKeyStrArrayArrayObj m;
  for (int round = 0; round < 3; ++round)
    for (int k = 0; k < 5000; ++k) m.Add("key" + std::to_string(k), {std::to_string(round)});
  ASSERT_EQ(m.Count_Keys(), 5000);
  for (int k = 0; k < 5000; k += 499) {
    EXPECT_EQ(m.Items[k].Key, "key" + std::to_string(k));
    EXPECT_EQ(m.Items[k].Values, Strs({"0", "1", "2"}));
  }
  // Entries appended directly are found, and other direct changes are followed.
  m.Items.push_back({"direct", {}});
  EXPECT_EQ(m.GetIndexOfKey("direct"), 5000);
  m.Items[0].Key = "renamed";
  EXPECT_EQ(m.GetIndexOfKey("renamed"), 0);
  EXPECT_EQ(m.GetIndexOfKey("key0"), -1);
}

TEST(KeyStrArrayArrayObj, LookupsFollowEveryDirectChangeOfItems) {
  TKeyStrArrayArrayObj m;
  m.Add("a", {"1"});
  m.Add("b", {"2"});
  ASSERT_EQ(m.GetIndexOfKey("a"), 0);
  m.Items[0].Key = "z";
  EXPECT_EQ(m.GetIndexOfKey("z"), 0);
  EXPECT_EQ(m.GetIndexOfKey("a"), -1);
  std::reverse(m.Items.begin(), m.Items.end());
  EXPECT_EQ(m.GetIndexOfKey("b"), 0);
  EXPECT_EQ(m.AddKey("z"), 1);  // found, not added a second time
  EXPECT_EQ(m.Count_Keys(), 2);
  m.Items.erase(m.Items.begin());
  m.Items.push_back({"b", {}});
  m.Items[0].Key = "q";
  EXPECT_EQ(m.GetIndexOfKey("b"), 1);
  EXPECT_EQ(m.GetIndexOfKey("q"), 0);
}

TEST(StrArray2DObj, ExpandForPosition) {
  TStrArray2DObj t;
  EXPECT_TRUE(t.ExpandLinesToSameLength);
  t.ExpandForPosition(2, 3);
  ASSERT_EQ(t.LineCount(), 3);
  for (const auto& row : t.Items) EXPECT_EQ(row.size(), 4u);
  EXPECT_EQ(t.Count_ValuesNotEmpty(), 0);
  t.Items[1][2] = "x";
  EXPECT_EQ(t.Count_ValuesNotEmpty(), 1);
  t.ExpandForPosition(0, 5);  // every row grows
  for (const auto& row : t.Items) EXPECT_EQ(row.size(), 6u);
  t.ExpandForPosition(1, 1);  // longer rows stay
  for (const auto& row : t.Items) EXPECT_EQ(row.size(), 6u);
  EXPECT_EQ(t.Items[1][2], "x");
  t.ExpandForPosition(-1, 2);
  EXPECT_EQ(t.GetLineCount(), 3);
  t.Clear();
  EXPECT_EQ(t.LineCount(), 0);

  TStrArray2DObj ragged;
  ragged.ExpandLinesToSameLength = false;
  ragged.ExpandForPosition(2, 3);
  ASSERT_EQ(ragged.LineCount(), 3);
  EXPECT_EQ(ragged.Items[0].size(), 0u);
  EXPECT_EQ(ragged.Items[1].size(), 0u);
  EXPECT_EQ(ragged.Items[2].size(), 4u);
  ragged.ExpandForPosition(0, 1);
  EXPECT_EQ(ragged.Items[0].size(), 2u);
  EXPECT_EQ(ragged.Items[2].size(), 4u);
}

}  // namespace
