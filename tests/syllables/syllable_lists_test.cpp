#include <gtest/gtest.h>

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/uscript.h>

#include <cstddef>
#include <set>
#include <string>
#include <utility>

#include "foundation/utf8.h"
#include "syllables/syllable_lists.h"

namespace {

using TLoader = TStrArray (*)(bool, bool, bool);

struct TListRow {
  const char* Code;
  TLoader Loader;
  std::size_t Counts[3];  // single letters, two-letter groups, three-letter groups
  int Sums[3];            // frequency sum of each block
  UScriptCode Script;     // the one script every code point of the list belongs to
};

// clang-format off
const TListRow kRows[] = {
    {"af", LoadListAF, {34, 35, 33}, {9992, 4953, 1991}, USCRIPT_LATIN},
    {"ba", LoadListBA, {27, 43, 61}, {9996, 6415, 3618}, USCRIPT_LATIN},
    {"be", LoadListBE, {32, 33, 29}, {9896, 3769, 1027}, USCRIPT_CYRILLIC},
    {"ca", LoadListCA, {36, 39, 43}, {9993, 5163, 2179}, USCRIPT_LATIN},
    {"ce", LoadListCE, {41, 24, 34}, {9997, 2418, 972}, USCRIPT_LATIN},
    {"cy", LoadListCY, {28, 29, 33}, {9955, 3865, 1625}, USCRIPT_LATIN},
    {"da", LoadListDA, {29, 32, 48}, {9990, 4776, 2656}, USCRIPT_LATIN},
    {"de", LoadListDE, {30, 31, 46}, {10001, 5036, 2771}, USCRIPT_LATIN},
    {"ee", LoadListEE, {27, 39, 36}, {9953, 4676, 1525}, USCRIPT_LATIN},
    {"en", LoadListEN, {26, 34, 34}, {9995, 4557, 2056}, USCRIPT_LATIN},
    {"es", LoadListES, {28, 39, 36}, {9968, 5039, 1545}, USCRIPT_LATIN},
    {"fi", LoadListFI, {29, 41, 44}, {9995, 5033, 1929}, USCRIPT_LATIN},
    {"fj", LoadListFJ, {24, 39, 46}, {10000, 6479, 3559}, USCRIPT_LATIN},
    {"fr", LoadListFR, {39, 41, 54}, {9989, 5139, 2628}, USCRIPT_LATIN},
    {"ga", LoadListGA, {33, 38, 34}, {9978, 4975, 1855}, USCRIPT_LATIN},
    {"gr", LoadListGR, {31, 24, 25}, {9820, 2927, 1267}, USCRIPT_GREEK},
    {"he", LoadListHE, {27, 25, 21}, {10001, 2875, 966}, USCRIPT_HEBREW},
    {"hi", LoadListHI, {61, 17, 30}, {9578, 2003, 1610}, USCRIPT_DEVANAGARI},
    {"hr", LoadListHR, {30, 35, 40}, {10001, 4005, 1406}, USCRIPT_LATIN},
    {"id", LoadListID, {26, 37, 30}, {9986, 4650, 1244}, USCRIPT_LATIN},
    {"ir", LoadListIR, {23, 31, 51}, {9890, 4461, 2674}, USCRIPT_LATIN},
    {"is", LoadListIS, {32, 32, 34}, {9914, 3668, 1710}, USCRIPT_LATIN},
    {"it", LoadListIT, {27, 47, 42}, {9967, 5645, 2027}, USCRIPT_LATIN},
    {"ki", LoadListKI, {24, 37, 41}, {9986, 5033, 2399}, USCRIPT_LATIN},
    {"la", LoadListLA, {23, 44, 38}, {10000, 5339, 1726}, USCRIPT_LATIN},
    {"lv", LoadListLV, {33, 34, 26}, {9975, 3420, 962}, USCRIPT_LATIN},
    {"ma", LoadListMA, {29, 39, 55}, {9996, 5851, 3266}, USCRIPT_LATIN},
    {"mk", LoadListMK, {31, 36, 35}, {9988, 4356, 1499}, USCRIPT_CYRILLIC},
    {"mn", LoadListMN, {35, 32, 35}, {10007, 3630, 1461}, USCRIPT_CYRILLIC},
    {"nl", LoadListNL, {31, 35, 49}, {9998, 5114, 2690}, USCRIPT_LATIN},
    {"no", LoadListNO, {29, 35, 44}, {9991, 4820, 2307}, USCRIPT_LATIN},
    {"pl", LoadListPL, {32, 30, 33}, {9969, 3355, 1561}, USCRIPT_LATIN},
    {"po", LoadListPO, {38, 41, 39}, {9993, 5138, 2111}, USCRIPT_LATIN},
    {"ru", LoadListRU, {32, 37, 22}, {9873, 3719, 854}, USCRIPT_CYRILLIC},
    {"se", LoadListSE, {28, 36, 39}, {9991, 4584, 2196}, USCRIPT_LATIN},
    {"sp", LoadListSP, {33, 36, 34}, {9996, 4957, 1891}, USCRIPT_LATIN},
    {"sq", LoadListSQ, {27, 37, 36}, {9991, 4372, 1452}, USCRIPT_LATIN},
    {"ta", LoadListTA, {19, 35, 67}, {9899, 6414, 3950}, USCRIPT_LATIN},
    {"tu", LoadListTU, {32, 28, 33}, {9987, 3452, 1535}, USCRIPT_LATIN},
    {"uk", LoadListUK, {33, 43, 27}, {9991, 3911, 998}, USCRIPT_CYRILLIC},
    {"vi", LoadListVI, {82, 28, 35}, {9879, 3503, 2573}, USCRIPT_LATIN},
};
// clang-format on

TStrArray Block(const TListRow& row, int block) { return row.Loader(block == 0, block == 1, block == 2); }

// The frequency of an entry line "dddd syllable", or -1 when the line is not of that form.
int Frequency(const std::string& line) {
  if (line.size() < 6 || line[4] != ' ') return -1;
  int value = 0;
  for (int i = 0; i < 4; ++i) {
    if (line[i] < '0' || line[i] > '9') return -1;
    value = value * 10 + (line[i] - '0');
  }
  return value;
}

bool IsNFC(const std::string& text) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  const std::u16string utf16 = UTF8ToUTF16(text);
  const UBool normalized = unorm2_isNormalized(nfc, utf16.data(), static_cast<int32_t>(utf16.size()), &status);
  return U_SUCCESS(status) && normalized;
}

}  // namespace

// Every list against its expected shape: block sizes, frequency sums, entry form,
// syllable length in code points per block, script, case, normal form and no repeats.
TEST(SyllableLists, EveryListHasItsBlockCountsSumsAndSyllableLengths) {
  ASSERT_EQ(std::size(kRows), 41u);
  std::size_t total = 0;
  for (const TListRow& row : kRows) {
    SCOPED_TRACE(row.Code);
    std::set<std::string> syllables;
    for (int block = 0; block < 3; ++block) {
      const TStrArray entries = Block(row, block);
      EXPECT_EQ(entries.size(), row.Counts[block]) << "block " << block;
      int sum = 0;
      for (const std::string& line : entries) {
        SCOPED_TRACE(line);
        const int frequency = Frequency(line);
        ASSERT_GE(frequency, 0);
        sum += frequency;
        const std::string syllable = line.substr(5);
        ASSERT_TRUE(UTF8IsValid(syllable));
        EXPECT_TRUE(IsNFC(syllable));
        EXPECT_TRUE(syllables.insert(syllable).second) << "repeated";
        const std::u32string codePoints = UTF8ToUTF32(syllable);
        EXPECT_EQ(codePoints.size(), static_cast<std::size_t>(block + 1));
        for (char32_t cp : codePoints) {
          UErrorCode status = U_ZERO_ERROR;
          EXPECT_EQ(uscript_getScript(static_cast<UChar32>(cp), &status), row.Script)
              << "U+" << std::hex << static_cast<uint32_t>(cp);
          // Capitals only; the German sharp s is the one lower-case syllable.
          if (cp != U'\u00DF') {
            EXPECT_FALSE(u_islower(static_cast<UChar32>(cp)));
          }
          EXPECT_FALSE(u_isspace(static_cast<UChar32>(cp)));
        }
      }
      EXPECT_EQ(sum, row.Sums[block]) << "block " << block;
    }
    const TStrArray all = row.Loader(true, true, true);
    EXPECT_EQ(all.size(), row.Counts[0] + row.Counts[1] + row.Counts[2]);
    total += all.size();
  }
  EXPECT_EQ(total, 4311u);
}

// Blocks are returned in their stored order, never sorted: 95 of the 123 blocks
// happen to be in ascending code-point order and the other 28 are not.
TEST(SyllableLists, StoredOrderIsKeptAndOnlySomeBlocksAreInCodePointOrder) {
  int ascending = 0, other = 0;
  for (const TListRow& row : kRows) {
    for (int block = 0; block < 3; ++block) {
      const TStrArray entries = Block(row, block);
      bool sorted = true;
      for (std::size_t i = 1; i < entries.size(); ++i)
        if (UTF8ToUTF32(entries[i - 1].substr(5)) > UTF8ToUTF32(entries[i].substr(5))) sorted = false;
      (sorted ? ascending : other)++;
    }
  }
  EXPECT_EQ(ascending, 95);
  EXPECT_EQ(other, 28);
}

TEST(SyllableLists, EveryFlagCombinationIsTheChosenBlocksInOrder) {
  for (const TListRow& row : kRows) {
    SCOPED_TRACE(row.Code);
    const TStrArray blocks[3] = {Block(row, 0), Block(row, 1), Block(row, 2)};
    for (int mask = 0; mask < 8; ++mask) {
      const bool single = mask & 1, digrams = mask & 2, trigrams = mask & 4;
      TStrArray expected;
      if (single) expected.insert(expected.end(), blocks[0].begin(), blocks[0].end());
      if (digrams) expected.insert(expected.end(), blocks[1].begin(), blocks[1].end());
      if (trigrams) expected.insert(expected.end(), blocks[2].begin(), blocks[2].end());
      EXPECT_EQ(row.Loader(single, digrams, trigrams), expected) << "flags " << mask;
    }
    EXPECT_TRUE(row.Loader(false, false, false).empty());
  }
}

TEST(SyllableLists, SingleLettersWithoutDigramsRunStraightIntoTrigrams) {
  const TStrArray da = LoadListDA(true, false, true);
  ASSERT_EQ(da.size(), 77u);
  EXPECT_EQ(da[28], "0098 \xC3\x98");  // Ø
  EXPECT_EQ(da[29], "0041 AGE");
  EXPECT_EQ(da[76], "0034 \xC3\x86RE");  // ÆRE

  const TStrArray af = LoadListAF(true, false, true);
  ASSERT_EQ(af.size(), 67u);
  EXPECT_EQ(af[33], "0001 \xC3\x9B");  // Û
  EXPECT_EQ(af[34], "0062 AAN");
}

// Entries singled out for their place or their exact bytes; look-alike letters
// (Cyrillic and Latin A, Ð and Đ, dotted and plain I) must not be swapped.
TEST(SyllableLists, SelectedEntriesHaveTheirPlaceAndExactBytes) {
  struct Case {
    const char* name;
    TLoader loader;
    int block;
    std::size_t index;
    std::string bytes;
  } cases[] = {
      {"de single last, lower-case sharp s", LoadListDE, 0, 29, "0037 \xC3\x9F"},
      {"de single first", LoadListDE, 0, 0, "0558 A"},
      {"de trigram first", LoadListDE, 2, 0, "0034 ABE"},
      {"en single first", LoadListEN, 0, 0, "0834 A"},
      {"en single last", LoadListEN, 0, 25, "0006 Z"},
      {"vi single Eth U+00D0", LoadListVI, 0, 6, "\x30\x33\x30\x39\x20\xC3\x90"},
      {"vi single 33rd", LoadListVI, 0, 32, "0004 Z"},
      {"vi single 34th", LoadListVI, 0, 33, "0247 \xC3\x80"},                                    // À
      {"vi single U-tilde after U-horn-dot", LoadListVI, 0, 80, "0010 \xC5\xA8"},                // Ũ
      {"vi single last", LoadListVI, 0, 81, "0010 \xC3\x9D"},                                    // Ý
      {"vi digram D-stroke U+0110", LoadListVI, 1, 23, "\x30\x30\x38\x38\x20\xC4\x90\xC3\x83"},  // ĐÃ
      {"vi trigram of 11 bytes", LoadListVI, 2, 32,
       "0107 \xC6\xAF\xE1\xBB\xA2"
       "C"},  // ƯỢC
      {"ru first is Cyrillic A", LoadListRU, 0, 0, "0764 \xD0\x90"},
      {"ru single last", LoadListRU, 0, 31, "0196 \xD0\xAF"},  // Я
      {"be first is Cyrillic A", LoadListBE, 0, 0, "1638 \xD0\x90"},
      {"be Yo right after Ye", LoadListBE, 0, 6, "0031 \xD0\x81"},  // Ё
      {"tu plain I", LoadListTU, 0, 11, "0384 I"},
      {"tu dotted I", LoadListTU, 0, 12, "0861 \xC4\xB0"},                                           // İ
      {"ce E-acute after D-caron", LoadListCE, 0, 29, "0121 \xC3\x89"},                              // É
      {"ce D-caron", LoadListCE, 0, 28, "0005 \xC4\x8E"},                                            // Ď
      {"cy I-circumflex", LoadListCY, 0, 11, "0000 \xC3\x8E"},                                       // Î
      {"cy U-circumflex", LoadListCY, 0, 23, "0000 \xC3\x9B"},                                       // Û
      {"gr omega with tonos closes singles", LoadListGR, 0, 30, "0058 \xCE\x8F"},                    // Ώ
      {"gr epsilon iota with tonos", LoadListGR, 1, 4, "0127 \xCE\x95\xCE\x8A"},                     // ΕΊ
      {"gr epsilon iota", LoadListGR, 1, 5, "0115 \xCE\x95\xCE\x99"},                                // ΕΙ
      {"he final kaf before kaf", LoadListHE, 0, 10, "0081 \xD7\x9A"},                               // ך
      {"hi vocalic R", LoadListHI, 0, 9, "0000 \xE0\xA4\x8B"},                                       // ऋ
      {"hi candra E sign", LoadListHI, 0, 54, "0000 \xE0\xA5\x85"},                                  // ॅ
      {"hi virama alone", LoadListHI, 0, 60, "0302 \xE0\xA5\x8D"},                                   // ्
      {"hi digram first", LoadListHI, 1, 0, "0107 \xE0\xA4\x8F\xE0\xA4\x95"},                        // एक
      {"hi dda with nukta stays two", LoadListHI, 1, 5, "0075 \xE0\xA4\xA1\xE0\xA4\xBC"},            // ड़
      {"hi trigram of nine bytes", LoadListHI, 2, 15, "0195 \xE0\xA4\xAE\xE0\xA5\x87\xE0\xA4\x82"},  // में
      {"is O-umlaut after O", LoadListIS, 0, 14, "0063 \xC3\x96"},                                   // Ö
      {"is thorn last", LoadListIS, 0, 31, "0156 \xC3\x9E"},                                         // Þ
      {"sp N-tilde", LoadListSP, 0, 29, "0017 \xC3\x91"},                                            // Ñ
      {"uk Ghe with upturn", LoadListUK, 0, 4, "0001 \xD2\x90"},                                     // Ґ
      {"uk Byelorussian-Ukrainian I", LoadListUK, 0, 11, "0623 \xD0\x86"},                           // І
      {"uk Yi", LoadListUK, 0, 12, "0084 \xD0\x87"},                                                 // Ї
      {"po digrams by frequency", LoadListPO, 1, 0, "0210 RA"},
      {"po digrams last", LoadListPO, 1, 40, "0075 TI"},
      {"pl trigram last", LoadListPL, 2, 32,
       "0036 \xC5\x9A"
       "CI"},                                                             // ŚCI
      {"fr ligature after Z", LoadListFR, 0, 26, "0001 \xC5\x92"},        // Œ
      {"mk Gje after Ghe", LoadListMK, 0, 4, "0013 \xD0\x83"},            // Ѓ
      {"mn Ue last digram", LoadListMN, 1, 31, "0094 \xD2\xAE\xD2\xAE"},  // ҮҮ
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TStrArray entries = c.loader(c.block == 0, c.block == 1, c.block == 2);
    ASSERT_LT(c.index, entries.size());
    EXPECT_EQ(entries[c.index], c.bytes);
  }
  EXPECT_EQ(LoadListVI(false, false, true)[32].size(), 11u);
  EXPECT_EQ(UTF8Length(LoadListVI(false, false, true)[32]), 8u);
}

// A frequency of 0000 never drops an entry, and exactly these six have it.
TEST(SyllableLists, TheSixZeroFrequencyEntriesArePresent) {
  std::set<std::pair<std::string, std::string>> zero;
  for (const TListRow& row : kRows)
    for (const std::string& line : row.Loader(true, true, true))
      if (Frequency(line) == 0) zero.insert({row.Code, line});
  const std::set<std::pair<std::string, std::string>> expected = {
      {"cy", "0000 \xC3\x8E"},      // Î
      {"cy", "0000 \xC3\x9B"},      // Û
      {"fi", "0000 \xC3\x85"},      // Å
      {"fr", "0000 \xC3\x8F"},      // Ï
      {"hi", "0000 \xE0\xA4\x8B"},  // ऋ
      {"hi", "0000 \xE0\xA5\x85"},  // ॅ
  };
  EXPECT_EQ(zero, expected);
}

TEST(SyllableLists, TwoCallsReturnEqualArraysThatShareNoStorage) {
  for (const TListRow& row : kRows) {
    SCOPED_TRACE(row.Code);
    TStrArray first = row.Loader(true, true, true);
    const TStrArray second = row.Loader(true, true, true);
    ASSERT_EQ(first, second);
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first.data(), second.data());
    EXPECT_NE(first[0].data(), second[0].data());

    const TStrArray original = second;
    first[0] = "9999 X";
    first.back().push_back('!');
    first.push_back("0001 Q");
    EXPECT_EQ(second, original);
    EXPECT_EQ(row.Loader(true, true, true), original);
  }
}
