#include "foundation/string_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StringArena, KeepsEveryTextWhateverItsLength) {
  TStringArena arena;
  EXPECT_EQ(arena.Add(""), 0u);
  EXPECT_EQ(arena.View(0), "");
  // Lengths around the block sizes and the long-text limit.
  std::vector<std::string> texts;
  std::vector<TArenaStr> refs;
  for (size_t length : {1u, 15u, 16u, 4095u, 4096u, 4097u, 70000u, 262144u, 262145u, 1u << 21}) {
    texts.push_back(std::string(length, static_cast<char>('a' + texts.size())));
    refs.push_back(arena.Add(texts.back()));
  }
  for (int i = 0; i < 5000; ++i) {
    texts.push_back("text " + std::to_string(i));
    refs.push_back(arena.Add(texts.back()));
  }
  for (size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(arena.View(refs[i]), texts[i]) << i;
  // Bytes with the value 0 are kept like any other.
  const std::string nul("a\0b", 3);
  EXPECT_EQ(arena.View(arena.Add(nul)), nul);
  const TStringArena copy = arena;
  for (size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(copy.View(refs[i]), texts[i]) << i;
}

TEST(StringArena, SharedTextsAndCompaction) {
  TStringArena arena;
  const TArenaStr a = arena.AddShared("/home/a.txt");
  EXPECT_EQ(arena.AddShared("/home/a.txt"), a);
  EXPECT_NE(arena.Add("/home/a.txt"), a);
  std::vector<TArenaStr> live = {a, a, arena.Add("x")};
  for (int i = 0; i < 1000; ++i) arena.Add("garbage garbage garbage");
  const size_t before = arena.BytesAdded();
  arena.Compact(
      [&](auto&& fn) {
        for (TArenaStr& r : live) fn(r);
      },
      true);
  EXPECT_LT(arena.BytesAdded(), before);
  EXPECT_EQ(arena.BytesAdded(), std::string("/home/a.txt").size() + 1);
  EXPECT_EQ(live[0], live[1]);
  EXPECT_EQ(arena.View(live[0]), "/home/a.txt");
  EXPECT_EQ(arena.View(live[2]), "x");
}

}  // namespace

namespace {

TEST(StringArena, SeveralTextsUnderOneReference) {
  TStringArena arena;
  EXPECT_EQ(arena.AddParts({"", "", ""}), 0u);
  const std::string long1(300, 'x');
  const std::string long2(20000, 'y');
  const TArenaStr ref = arena.AddParts({"Ann", "", long1, "c", long2});
  EXPECT_EQ(arena.Part(ref, 5, 0), "Ann");
  EXPECT_EQ(arena.Part(ref, 5, 1), "");
  EXPECT_EQ(arena.Part(ref, 5, 2), long1);
  EXPECT_EQ(arena.Part(ref, 5, 3), "c");
  EXPECT_EQ(arena.Part(ref, 5, 4), long2);
  EXPECT_EQ(arena.Part(ref, 5, 5), "");
  EXPECT_EQ(arena.Part(0, 5, 0), "");
}

}  // namespace
