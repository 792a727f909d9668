#include <gtest/gtest.h>

#include <map>

#include "foundation/file_types.h"

TEST(FileTypes, EveryExtensionMapsToExactlyOneType) {
  std::map<std::string, int32_t> seen;
  size_t total = 0;
  for (int32_t t = 0; t < kFileTypeCount; ++t) {
    for (const auto& ext : FileTypeExtensions(t)) {
      ++total;
      auto [it, fresh] = seen.emplace(ext, t);
      EXPECT_TRUE(fresh) << ext << " listed for types " << it->second << " and " << t;
      EXPECT_EQ(GetFileTypeFromFileExtension(ext), t) << ext;
    }
  }
  EXPECT_EQ(total, 1u + 48 + 30 + 25 + 10 + 5 + 2 + 13 + 10 + 14 + 7 + 19);
  EXPECT_TRUE(FileTypeExtensions(ftFolder).empty());
  EXPECT_TRUE(FileTypeExtensions(ftOther).empty());
  EXPECT_EQ(FileTypeExtensions(ftText), (TStrArray{"TXT"}));
}

TEST(FileTypes, LookupIgnoresAsciiCase) {
  struct Case {
    const char* ext;
    int32_t type;
  } cases[] = {
      {"jpeg", ftImage}, {"Jpg", ftImage},      {"JPG", ftImage},   {"Mp3", ftAudio},
      {"csv", ftSpreadsheet}, {"htm", ftWebsite}, {"r", ftSourceCode}, {"7z", ftArchive},
      {"3gp", ftVideo},  {"command", ftExecutable},
      {"", ftOther},     {".txt", ftOther},     {"md", ftOther},    {"txt ", ftOther},
      {"TXTX", ftOther}, {"ẞ", ftOther},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFileTypeFromFileExtension(c.ext), c.type) << c.ext;
}

TEST(FileTypes, NamesAndIds) {
  EXPECT_EQ(FileTypeToStringEN(1, true), "Text Files");
  EXPECT_EQ(FileTypeToStringEN(12, false), "Source Code");
  EXPECT_EQ(FileTypeToStringEN(12, true), "Source Codes");
  EXPECT_EQ(FileTypeToStringEN(14, false), "");
  EXPECT_EQ(FileTypeToStringEN(-1, true), "");
  EXPECT_EQ(FileTypeToStringID(14), "");
  EXPECT_EQ(StringIDToFileType("Image"), -1);
  EXPECT_EQ(StringIDToFileType("image"), 2);
  EXPECT_EQ(StringIDToFileType(" image"), -1);
  EXPECT_EQ(StringIDToFileType(""), -1);
  const char* ids[] = {"folder", "text", "image", "audio", "video", "document", "spreadsheet",
                       "website", "font", "executable", "archive", "playlist", "sourcecode", "other"};
  for (int32_t t = 0; t < kFileTypeCount; ++t) {
    EXPECT_EQ(FileTypeToStringID(t), ids[t]);
    EXPECT_EQ(StringIDToFileType(FileTypeToStringID(t)), t);
    EXPECT_FALSE(FileTypeToStringEN(t, false).empty());
  }
}

TEST(FileTypes, IdListToNumbers) {
  EXPECT_EQ(StringIDsToFileTypeArr("image, audio,,bogus,image", ','), (TIntArray{2, 3, 2}));
  EXPECT_EQ(StringIDsToFileTypeArr("", ','), TIntArray{});
  EXPECT_EQ(StringIDsToFileTypeArr("folder;other\t", ';'), (TIntArray{0, 13}));
  EXPECT_EQ(StringIDsToFileTypeArr("Video", ','), TIntArray{});
}
