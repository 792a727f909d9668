#include "foundation/doc_ini.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>

#include "support/test_support.h"

namespace {

TKeyValueArrayObj Pairs(std::initializer_list<TDocINIItem> items) {
  TKeyValueArrayObj pairs;
  for (const auto& item : items) pairs.Add(item.Key, item.Value);
  return pairs;
}

std::vector<std::string> Keys(const TDocINI& ini, size_t section) {
  std::vector<std::string> keys;
  for (const auto& item : ini.Sections.at(section).Items) keys.push_back(item.Key);
  return keys;
}

TEST(DocINI, ParsesKeysCommentsAndDropsShortLines) {
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("[a]\nx=1=2\n; note\ny"));
  ASSERT_EQ(ini.Sections.size(), 1u);
  EXPECT_EQ(ini.Sections[0].Name, "a");
  ASSERT_EQ(ini.Sections[0].Items.size(), 1u);
  EXPECT_EQ(ini.ReadString("a", "x", "?"), "1=2");
  EXPECT_EQ(ini.ReadString("a", "y", "?"), "?");
  ASSERT_GE(ini.Comments.Items.size(), 2u);
  ASSERT_GE(ini.Comments.Items[1].size(), 2u);
  EXPECT_EQ(ini.Comments.Items[1][1], "; note");  // after key 0 of section 0
  EXPECT_EQ(ini.AsString(), "[a]\nx=1=2\n; note\n");
}

TEST(DocINI, WhatCountsAsKeyHeaderOrComment) {
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("k=before\n[s]\n x=1\n#x=2\n=3\nk=v\n[]\nq=4\n[a]b]\nr=5\n  [t]  \nz=6\n"));
  ASSERT_EQ(ini.Sections.size(), 2u);
  EXPECT_EQ(ini.Sections[0].Name, "s");
  // "[]" and "[a]b]" are no headers, so their lines stay in section s.
  EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{" x", "k", "q", "r"}));
  EXPECT_EQ(ini.ReadString("s", " x", ""), "1");
  EXPECT_EQ(ini.ReadString("s", "x", "none"), "none");
  EXPECT_EQ(ini.Sections[1].Name, "t");
  EXPECT_EQ(ini.ReadString("t", "z", ""), "6");
  EXPECT_EQ(ini.Comments.Items.at(0).at(0), "k=before");  // a key line before any header
  EXPECT_EQ(ini.Comments.Items.at(1).at(1), "#x=2\n=3");  // after key 0
  EXPECT_EQ(ini.Comments.Items.at(1).at(2), "[]");
  EXPECT_EQ(ini.Comments.Items.at(1).at(3), "[a]b]");
}

TEST(DocINI, LineBreaksOfEveryKind) {
  for (const char* text : {"[s]\r\na=1\r\nb=2\r\n", "[s]\ra=1\rb=2",
                           "[s]\na=1\r\nb=2\n",  // mixed kinds lose no line
                           "[s]\n\n   \na=1\n\t\nb=2"}) {
    TDocINI ini;
    ASSERT_TRUE(ini.LoadFromString(text));
    ASSERT_EQ(ini.Sections.size(), 1u) << text;
    EXPECT_EQ(ini.Sections[0].Name, "s");
    EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{"a", "b"})) << text;
    EXPECT_EQ(ini.ReadString("s", "b", ""), "2");
    EXPECT_EQ(ini.AsString(), "[s]\na=1\nb=2\n");
  }
  TDocINI empty;
  EXPECT_FALSE(empty.LoadFromString(""));
  EXPECT_TRUE(empty.LoadFromString("[only a header]\n"));
  EXPECT_TRUE(empty.Sections.empty());  // a section without keys is not kept
}

TEST(DocINI, CommentsStayInPlace) {
  const std::string text = "# head\n; two\n[one]\n# after header\na=1\n# after a\nb=2\n[two]\nc=3\n# end\n";
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString(text));
  EXPECT_EQ(ini.Comments.Items.at(0).at(0), "# head\n; two");
  EXPECT_EQ(ini.AsString(), text);

  // A section without keys is dropped; its comment stays after the line
  // before it rather than jumping to the first section.
  TDocINI keyless;
  ASSERT_TRUE(keyless.LoadFromString("[a]\nx=1\ny=2\n[empty]\n# lonely\n[b]\nz=3\n# mine\n"));
  EXPECT_EQ(keyless.AsString(), "[a]\nx=1\ny=2\n# lonely\n[b]\nz=3\n# mine\n");

  TDocINI dropped;
  dropped.KeepComments = false;
  ASSERT_TRUE(dropped.LoadFromString(text));
  EXPECT_EQ(dropped.AsString(), "[one]\na=1\nb=2\n[two]\nc=3\n");
}

TEST(DocINI, RepeatedSectionsAndLookupOrder) {
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("[s]\nother=1\n[s]\nk=1\n"));
  ASSERT_EQ(ini.Sections.size(), 2u);
  EXPECT_EQ(ini.ReadString("s", "k", ""), "1");

  TDocINI two;
  ASSERT_TRUE(two.LoadFromString("[s]\nk=0\n[s]\nk=1\n"));
  EXPECT_EQ(two.ReadString("s", "k", ""), "0");       // the first section that holds it
  EXPECT_EQ(two.ReadBoolean("s", "k", false), true);  // the last one
  bool b = true;
  EXPECT_TRUE(two.ReadBooleanIfKeyExists("s", "k", b));
  EXPECT_FALSE(b);
  EXPECT_EQ(two.ContainsInt("s"), 0);
  EXPECT_EQ(two.ContainsInt("s", "k"), 0);
  EXPECT_EQ(two.ContainsInt("s", "none"), -1);

  // A key that only the second section holds is changed and deleted there.
  ini.Add("s", "k", "2");
  EXPECT_EQ(ini.Sections[1].Items[0].Value, "2");
  EXPECT_EQ(ini.Sections[0].Items.size(), 1u);
  EXPECT_TRUE(ini.DeleteKey("s", "k"));
  EXPECT_TRUE(ini.Sections[1].Items.empty());
  EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{"other"}));

  // Loading into a document that has sections replaces their keys.
  TDocINI merged;
  merged.Add("s", "old", "1");
  merged.Add("t", "keep", "1");
  ASSERT_TRUE(merged.LoadFromString("[s]\nnew=2\n[s]\nnewer=3\n[u]\nx=1\n"));
  ASSERT_EQ(merged.Sections.size(), 3u);
  EXPECT_EQ(Keys(merged, 0), (std::vector<std::string>{"newer"}));
  EXPECT_EQ(merged.ReadString("t", "keep", ""), "1");
  EXPECT_EQ(merged.ReadString("u", "x", ""), "1");
}

TEST(DocINI, TypedValues) {
  TDocINI ini;
  ini.Add("s", "text", "hello");  // a string literal stays text, never a Boolean
  ini.Add("s", "yes", true);
  ini.Add("s", "no", false);
  ini.Add("s", "n", -7);
  ini.Add("s", "bad", std::string("12a"));
  ini.Add("s", "empty", std::string());
  ini.Add("s", "blank", std::string(" 5"));
  EXPECT_EQ(ini.ReadString("s", "text", ""), "hello");
  EXPECT_EQ(ini.ReadString("s", "yes", ""), "1");
  EXPECT_TRUE(ini.ReadBoolean("s", "yes", false));
  EXPECT_FALSE(ini.ReadBoolean("s", "no", true));
  EXPECT_TRUE(ini.ReadBoolean("s", "text", true));  // neither "1" nor "0": the default
  EXPECT_FALSE(ini.ReadBoolean("s", "missing", false));
  bool b = true;
  EXPECT_FALSE(ini.ReadBooleanIfKeyExists("s", "missing", b));
  EXPECT_FALSE(b);

  int32_t v = 99;
  EXPECT_TRUE(ini.ReadIntIfKeyExists("s", "n", v));
  EXPECT_EQ(v, -7);
  v = 99;
  EXPECT_FALSE(ini.ReadIntIfKeyExists("s", "bad", v));
  EXPECT_EQ(v, 0);
  v = 99;
  EXPECT_FALSE(ini.ReadIntIfKeyExists("s", "empty", v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ini.ReadIntIfKeyExists("s", "missing", v));
  EXPECT_TRUE(ini.ReadIntIfKeyExists("s", "blank", v));
  EXPECT_EQ(v, 5);
  std::string s = "x";
  EXPECT_FALSE(ini.ReadStringIfKeyExists("s", "missing", s));
  EXPECT_EQ(s, "");
  ini.Add("s", "n", 8);  // an existing key is set in place
  EXPECT_EQ(Keys(ini, 0).at(3), "n");
  EXPECT_EQ(ini.ReadString("s", "n", ""), "8");
}

TEST(DocINI, EscapingIsReversible) {
  struct Case {
    std::string value;
    std::string stored;
  } cases[] = {
      {"a\r\nb", "a\\r\\nb"},
      {"a\\nb", "a\\\\nb"},             // backslash and n
      {"C:\\\nnext", "C:\\\\\\nnext"},  // a path ending in a backslash, then a line break
      {"C:\\dir\\", "C:\\dir\\"},       // nothing to escape: stored as it stands
      {"C:\\rest\\x", "C:\\\\rest\\\\x"},
      {"\\\\r\n", "\\\\\\\\r\\n"},
      {"line\n", "line\\n"},
      {"", ""},
      {"\\", "\\"},
  };
  for (const auto& c : cases) {
    TDocINI ini;
    ini.Add("s", "k", c.value);
    EXPECT_EQ(ini.Sections[0].Items[0].Value, c.stored) << c.value;
    EXPECT_EQ(ini.ReadString("s", "k", "?"), c.value) << c.stored;
    TDocINI reread;
    ASSERT_TRUE(reread.LoadFromString(ini.AsString()));
    EXPECT_EQ(reread.ReadString("s", "k", "?"), c.value) << c.stored;
  }
}

TEST(DocINI, ValuesWrittenByTheEarlierRuleStayReadable) {
  // The earlier rule doubled only the backslash of "\r" and "\n" sequences.
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("[s]\nlit=a\\\\nb\npath=C:\\temp\\nx\nplain=C:\\temp\\dir\n"));
  EXPECT_EQ(ini.ReadString("s", "lit", ""), "a\\nb");
  EXPECT_EQ(ini.ReadString("s", "path", ""), "C:\\temp\nx");
  EXPECT_EQ(ini.ReadString("s", "plain", ""), "C:\\temp\\dir");
}

TEST(DocINI, BareLineBreaksInSetSectionValuesCannotSplitLines) {
  TDocINI ini;
  ini.SetSection("s", Pairs({{"k", "one\ntwo"}, {"j", "x"}}), false);
  EXPECT_EQ(ini.Sections[0].Items[0].Value, "one\ntwo");  // stored as given
  EXPECT_EQ(ini.AsString(), "[s]\nk=one\\ntwo\nj=x\n");
  TDocINI reread;
  ASSERT_TRUE(reread.LoadFromString(ini.AsString()));
  EXPECT_EQ(reread.ReadString("s", "k", ""), "one\ntwo");
}

TEST(DocINI, Tables) {
  TDocINI ini;
  const TStrArray2D table = {{"a", "b"}, {"c"}};
  ini.AddStrArray2D("s", "k", table);
  EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{"k|0|0", "k|0|1", "k|1|0"}));
  EXPECT_EQ(ini.ReadStrArray2D("s", "k"), table);

  // Empty rows survive, also in the middle and at the end.
  const TStrArray2D gaps = {{"x"}, {}, {"", "y\nz"}, {}};
  ini.AddStrArray2D("s", "k", gaps);  // replaces every old cell
  EXPECT_EQ(ini.ReadStrArray2D("s", "k"), gaps);
  TDocINI reread;
  ASSERT_TRUE(reread.LoadFromString(ini.AsString()));
  TStrArray2D got;
  EXPECT_TRUE(reread.ReadStrArray2DIfKeyExists("s", "k", got));
  EXPECT_EQ(got, gaps);

  ini.AddStrArray2D("s", "k", {});
  EXPECT_TRUE(ini.Sections[0].Items.empty());
  EXPECT_FALSE(ini.ReadStrArray2DIfKeyExists("s", "k", got));
  EXPECT_TRUE(got.empty());

  // A cell that only a later section of that name holds is set where it is.
  TDocINI split;
  ASSERT_TRUE(split.LoadFromString("[s]\na=1\n[s]\nt|0|0=old\n"));
  split.AddStrArray2D("s", "t", {{"new", "more"}});
  EXPECT_EQ(Keys(split, 0), (std::vector<std::string>{"a", "t|0|1"}));
  EXPECT_EQ(split.Sections[1].Items.at(0).Value, "new");
  EXPECT_EQ(split.ReadStrArray2D("s", "t"), (TStrArray2D{{"new", "more"}}));

  // A row ends at its first missing column; the table at the first missing row.
  TDocINI gapsByHand;
  ASSERT_TRUE(gapsByHand.LoadFromString("[s]\nt|0|0=a\nt|0|2=c\nt|2|0=x\n"));
  EXPECT_EQ(gapsByHand.ReadStrArray2D("s", "t"), (TStrArray2D{{"a"}}));
}

TEST(DocINI, DeleteKeyRenumbersOnlyItsOwnGroup) {
  TDocINI ini;
  ini.Add("s", "f|0", "a");
  ini.Add("s", "f|1", "b");
  ini.AddStrArray2D("s", "t", {{"x", "y"}, {"z"}});
  ini.Add("s", "f|2", "c");
  ini.Add("s", "g|0", "other list");
  ini.Add("s", "g|1", "other list");
  ini.Add("s", "plain", "1");

  EXPECT_TRUE(ini.DeleteKey("s", "f|0"));
  EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{"f|0", "t|0|0", "t|0|1", "t|1|0", "f|1", "g|0", "g|1", "plain"}));
  EXPECT_EQ(ini.ReadString("s", "f|0", ""), "b");
  EXPECT_EQ(ini.ReadString("s", "f|1", ""), "c");
  EXPECT_EQ(ini.ReadStrArray2D("s", "t"), (TStrArray2D{{"x", "y"}, {"z"}}));

  // A table cell closes the gap within its row.
  EXPECT_TRUE(ini.DeleteKey("s", "t|0|0"));
  EXPECT_EQ(ini.ReadStrArray2D("s", "t"), (TStrArray2D{{"y"}, {"z"}}));

  EXPECT_TRUE(ini.DeleteKey("s", "plain"));
  EXPECT_FALSE(ini.DeleteKey("s", "plain"));
  EXPECT_FALSE(ini.DeleteKey("nosection", "f|0"));

  // RebuildLists itself renumbers every key with "|" by its first part.
  TDocINI lists;
  ASSERT_TRUE(lists.LoadFromString("[s]\na|5=x\nb|x=y\na|9=z\nc=1\n"));
  lists.RebuildLists(0);
  EXPECT_EQ(Keys(lists, 0), (std::vector<std::string>{"a|0", "b|0", "a|1", "c"}));
  lists.RebuildLists(7);  // out of range: nothing happens
}

TEST(DocINI, DeletingKeepsCommentsWithTheirKeys) {
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("[s]\na=1\nb=2\n# about b\nc=3\n# after c\n"));
  EXPECT_TRUE(ini.DeleteKey("s", "a"));
  EXPECT_EQ(ini.AsString(), "[s]\nb=2\n# about b\nc=3\n# after c\n");
  EXPECT_TRUE(ini.DeleteAllKeysWithKeyStartingWith("s", "c"));
  EXPECT_EQ(ini.AsString(), "[s]\nb=2\n# about b\n# after c\n");
  EXPECT_FALSE(ini.DeleteAllKeysWithKeyStartingWith("none", ""));

  // Several removed keys: their comments join the line before, in order.
  TDocINI list;
  ASSERT_TRUE(
      list.LoadFromString("[s]\n# h\nk|0=1\n# c0\nx=1\n# cx\nk|1=2\n# c1\nk|2=3\n# c2\ny=4\n# cy\n[t]\nk|0=5\n# t0\n"));
  EXPECT_TRUE(list.DeleteAllKeysWithKeyStartingWith("s", "k|"));
  EXPECT_EQ(list.AsString(), "[s]\n# h\n# c0\nx=1\n# cx\n# c1\n# c2\ny=4\n# cy\n[t]\nk|0=5\n# t0\n");
}

TEST(DocINI, NamesTakenFromTheDocumentItselfStayValid) {
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("[a|1]\nfirst|0=x\nfirst|1=y\n"));
  EXPECT_TRUE(ini.DeleteKey(ini.Sections[0].Name, ini.Sections[0].Items[0].Key));
  EXPECT_EQ(Keys(ini, 0), (std::vector<std::string>{"first|0"}));
  for (int i = 0; i < 40; ++i) ini.Add(ini.Sections[0].Name, true);  // the list of sections grows
  EXPECT_EQ(ini.Sections.size(), 41u);
  EXPECT_EQ(ini.Blocks.at(0).SectionIndexes.size(), 41u);
  ini.Add(ini.Sections[0].Name, ini.Sections[0].Items[0].Key, ini.Sections[0].Items[0].Value);
  TKeyValueArrayObj copy;
  copy.Items = ini.Sections[0].Items;
  ini.SetSection(ini.Sections[0].Name, copy, true);
  EXPECT_EQ(ini.Sections.back().Items, ini.Sections[0].Items);
  ini.AddStrArray2D(ini.Sections[0].Name, ini.Sections[0].Items[0].Key, {{"t"}});
  EXPECT_TRUE(ini.DeleteAllKeysWithKeyStartingWith(ini.Sections[0].Name, ini.Sections[0].Items[0].Key));
}

TEST(DocINI, SectionsAndBlocks) {
  TDocINI ini;
  ini.Add("plain", false);
  ini.Add("plain", false);
  EXPECT_EQ(ini.Sections.size(), 1u);
  ini.Add("plain", true);
  EXPECT_EQ(ini.Sections.size(), 2u);
  ini.Add("list|1", false);
  ini.Add("list|2", false);
  ini.Add("other|x|y", false);
  ASSERT_EQ(ini.ContainsBlock("list"), 0);
  EXPECT_EQ(ini.Blocks[0].SectionIndexes, (TIntArray{2, 3}));
  ASSERT_EQ(ini.ContainsBlock("other"), 1);
  EXPECT_EQ(ini.Blocks[1].SectionIndexes, (TIntArray{4}));
  EXPECT_EQ(ini.ContainsBlock("plain"), -1);
  ini.AddBlock("list", "1");  // already listed
  EXPECT_EQ(ini.Blocks[0].SectionIndexes, (TIntArray{2, 3}));
  EXPECT_EQ(ini.SetSection("list|3", Pairs({{"k", "v"}}), false), 5);
  EXPECT_EQ(ini.Blocks[0].SectionIndexes, (TIntArray{2, 3, 5}));
  EXPECT_TRUE(ini.Contains("list|3"));
  EXPECT_FALSE(ini.Contains("list|4"));
  EXPECT_EQ(ini.SetSection("plain", Pairs({{"a", "1"}}), false), 0);
  EXPECT_EQ(ini.SetSection("plain", Pairs({{"b", "2"}}), true), 6);
}

TEST(DocINI, FilesAreWrittenSafelyWithLFAndNoMark) {
  testsupport::TempDir dir;
  const std::string file = dir.file("new/deeper/settings.sxs");
  TDocINI ini;
  ini.Add("s", "k", "Grüße\r\nzwei");
  ASSERT_TRUE(ini.SaveToFile(file));
  EXPECT_EQ(testsupport::ReadFileBytes(file), "[s]\nk=Grüße\\r\\nzwei\n");

  TDocINI loaded(file);
  EXPECT_EQ(loaded.ReadString("s", "k", ""), "Grüße\r\nzwei");
  // A byte-order mark at the start of a file is skipped.
  testsupport::WriteFileBytes(dir.file("bom.ini"), "\xEF\xBB\xBF[InternetShortcut]\r\nURL=https://example.org/\r\n");
  TDocINI shortcut;
  ASSERT_TRUE(shortcut.LoadFromFile(dir.file("bom.ini")));
  EXPECT_EQ(shortcut.ReadString("InternetShortcut", "URL", ""), "https://example.org/");

  // Overwriting keeps the file's permission bits and leaves nothing behind.
  chmod(file.c_str(), 0640);
  ini.Add("s", "k", "changed");
  ASSERT_TRUE(ini.SaveToFile(file));
  EXPECT_EQ(testsupport::ReadFileBytes(file), "[s]\nk=changed\n");
  struct stat st {};
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path() / "new/deeper")) ++entries;
  EXPECT_EQ(entries, 1);

  // A folder that cannot be made, or a target that is a folder: false, and
  // the old content stays.
  testsupport::WriteFileBytes(dir.file("blocker"), "x");
  EXPECT_FALSE(ini.SaveToFile(dir.file("blocker/sub/a.ini")));
  std::filesystem::create_directory(dir.file("adir"));
  bool ok = true;
  try {
    ok = ini.SaveToFile(dir.file("adir"));
  } catch (const std::exception&) {
    ok = false;
  }
  EXPECT_FALSE(ok);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("adir")));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("blocker")), "x");

  TDocINI missing;
  EXPECT_FALSE(missing.LoadFromFile(dir.file("nothing.ini")));
  TDocINI fromMissing(dir.file("nothing.ini"));
  EXPECT_TRUE(fromMissing.Sections.empty());
}

TEST(DocINI, TextThatBeginsWithTheMarkCharacterSurvivesSaveAndLoad) {
  testsupport::TempDir dir;
  const std::string file = dir.file("marks.ini");
  // The file's mark, then the text's own U+FEFF in front of a comment.
  testsupport::WriteFileBytes(file, "\xEF\xBB\xBF\xEF\xBB\xBF#note\n[s]\nk=v\n");
  TDocINI first(file);
  const std::string text = first.AsString();
  EXPECT_EQ(text, "\xEF\xBB\xBF#note\n[s]\nk=v\n");
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(first.SaveToFile(file));
    TDocINI again(file);
    ASSERT_EQ(again.AsString(), text) << round;
    EXPECT_EQ(again.ReadString("s", "k", ""), "v");
  }
  // Other documents are still written without a mark.
  TDocINI plain;
  plain.Add("s", "k", "\xEF\xBB\xBF");
  ASSERT_TRUE(plain.SaveToFile(file));
  EXPECT_EQ(testsupport::ReadFileBytes(file), "[s]\nk=\xEF\xBB\xBF\n");
}

TEST(DocINI, MalformedInputStaysBounded) {
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk += (i % 7 == 0) ? "[" : (i % 5 == 0) ? "=\r" : (i % 3 == 0) ? "]\n" : "x";
  junk += std::string("\0\xFF\xFE=\n[\0]\n", 9);
  TDocINI ini;
  EXPECT_TRUE(ini.LoadFromString(junk));
  TDocINI again;
  again.LoadFromString(ini.AsString());
  EXPECT_EQ(again.AsString(), ini.AsString());
}

// Many sections of one numbered block, or many distinct names loaded into a
// filled document: every section is listed once and found by its name, and
// the work grows with the text rather than with its cube.
TEST(DocINI, LargeDocumentsKeepBlocksAndNamesStraight) {
  const size_t n = 20000;
  std::string repeated;
  for (size_t i = 0; i < n; ++i) repeated += "[list|x]\nk=" + std::to_string(i) + "\n";
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString(repeated));
  ASSERT_EQ(ini.Sections.size(), n);
  ASSERT_EQ(ini.Blocks.size(), 1u);
  TIntArray all(n);
  for (size_t i = 0; i < n; ++i) all[i] = static_cast<int32_t>(i);
  EXPECT_EQ(ini.Blocks[0].SectionIndexes, all);
  EXPECT_EQ(ini.ReadString("list|x", "k", ""), "0");

  TDocINI merged;
  merged.Add("s7", "old", "1");
  merged.Add("b|7", "old", "1");
  merged.Add("other|1", "keep", "1");
  std::string distinct;
  for (size_t i = 0; i < n; ++i) {
    const std::string id = std::to_string(i);
    distinct += "[s" + id + "]\nk=" + id + "\n[b|" + id + "]\nk=" + id + "\n[other|" + id + "]\nk=" + id + "\n";
  }
  ASSERT_TRUE(merged.LoadFromString(distinct));
  ASSERT_EQ(merged.Sections.size(), 3 * n);
  EXPECT_EQ(merged.ContainsInt("s7"), 0);
  EXPECT_EQ(Keys(merged, 0), (std::vector<std::string>{"k"}));  // the loaded pairs replace the old ones
  EXPECT_EQ(merged.ContainsInt("b|7"), 1);
  EXPECT_EQ(merged.ReadString("other|1", "k", ""), "1");
  EXPECT_EQ(merged.ReadString("s19999", "k", ""), "19999");
  ASSERT_EQ(merged.ContainsBlock("b"), 0);
  ASSERT_EQ(merged.ContainsBlock("other"), 1);
  EXPECT_EQ(merged.Blocks.size(), 2u);
  EXPECT_EQ(merged.Blocks[0].SectionIndexes.size(), n);
  EXPECT_EQ(merged.Blocks[1].SectionIndexes.size(), n);
  for (const auto& block : merged.Blocks)
    for (int32_t idx : block.SectionIndexes)
      EXPECT_EQ(merged.Sections.at(static_cast<size_t>(idx)).Name.rfind(block.Name + "|", 0), 0u);
}

// Python's configparser (no interpolation, keys kept as written) reads what
// the document writes as the same sections, keys and values.
TEST(ToolCheckDocINI, ConfigParserReadsTheSameDocument) {
  testsupport::TempDir dir;
  TDocINI ini;
  ASSERT_TRUE(ini.LoadFromString("# written by a test\n[General]\n; note\nName=Syllabrix\n"));
  ini.Add("General", "Equation", "a=b=c");
  ini.Add("General", "Empty", std::string());
  ini.Add("General", "Multi", "line one\r\nline two\nthree");
  ini.Add("General", "Path", "C:\\Users\\ann\\");
  ini.Add("General", "Literal", "a\\nb");
  ini.Add("Texte", "Grüße", "Ünïcödé ✓ 日本");
  ini.Add("Texte", "CaseKey", true);
  ini.Add("Texte", "casekey", 42);
  ini.Add("Texte", "semi", "x ; not a comment # either");
  ini.AddStrArray2D("Table|1", "cells", {{"a", "b"}, {}, {"c"}});
  const std::string file = dir.file("doc.ini");
  ASSERT_TRUE(ini.SaveToFile(file));

  testsupport::WriteFileBytes(dir.file("read.py"), R"PY(
import configparser, sys
cp = configparser.ConfigParser(interpolation=None)
cp.optionxform = str
with open(sys.argv[1], encoding="utf-8") as f:
    cp.read_file(f)
out = []
for s in cp.sections():
    out.append("S\t" + s)
    for k, v in cp.items(s):
        out.append("K\t" + k + "\t" + v)
sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))
)PY");
  auto r = testsupport::RunCommand(testsupport::Python3() + " " + testsupport::ShellQuote(dir.file("read.py")) + " " +
                                   testsupport::ShellQuote(file));
  ASSERT_EQ(r.exitCode, 0);
  std::string expected;
  for (const auto& sec : ini.Sections) {
    expected += "S\t" + sec.Name + "\n";
    for (const auto& item : sec.Items) expected += "K\t" + item.Key + "\t" + item.Value + "\n";
  }
  EXPECT_EQ(r.out, expected);
}

}  // namespace

// A write that fails half-way (here: the file-size limit) must report false and
// leave the old file as it was, never throw through the caller.
TEST(DocINI, FailedWriteKeepsOldFileAndReportsFalse) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  testsupport::WriteFileBytes(path, "[old]\nkey=1\n");
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    TDocINI ini;
    ini.Add("big", "value", std::string(100000, 'x'));
    bool ok = true;
    try {
      ok = ini.SaveToFile(path);
    } catch (...) {
      _exit(3);
    }
    _exit(ok ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(testsupport::ReadFileBytes(path), "[old]\nkey=1\n");
  size_t files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u);  // no temporary file left behind
}
