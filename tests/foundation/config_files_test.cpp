#include "foundation/config_files.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "foundation/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (FOld)
      setenv(FName.c_str(), FOld->c_str(), 1);
    else
      unsetenv(FName.c_str());
  }

 private:
  std::string FName;
  std::optional<std::string> FOld;
};

// Every test gets its own configuration home.
class ConfigFiles : public ::testing::Test {
 protected:
  testsupport::TempDir home;
  ScopedEnv xdg{"XDG_CONFIG_HOME", home.str().c_str()};
  const std::string maker = home.str() + "/Pellwick/";
};

// A file name in the application folder that no other run uses; removed at the end.
class AppDirFile {
 public:
  explicit AppDirFile(const std::string& stem)
      : FName(stem + "-" + std::to_string(getpid()) + ".cfg"), FPath(ApplicationPath() + FName) {}
  ~AppDirFile() {
    std::error_code ec;
    fs::remove(FPath, ec);
  }
  const std::string& name() const { return FName; }
  const std::string& path() const { return FPath; }

 private:
  std::string FName, FPath;
};

TEST_F(ConfigFiles, FolderFollowsXDGConfigHome) {
  EXPECT_EQ(GetConfigPwqConfigDir("Syllabrix"), maker + "Syllabrix/");
  EXPECT_FALSE(fs::exists(maker));  // only named, not made
  {
    ScopedEnv slash("XDG_CONFIG_HOME", (home.str() + "/").c_str());
    EXPECT_EQ(GetConfigPwqConfigDir("Syllabrix"), maker + "Syllabrix/");
  }
  ScopedEnv fakeHome("HOME", "/home/someone");
  {
    ScopedEnv unset("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(GetConfigPwqConfigDir("P"), "/home/someone/.config/Pellwick/P/");
  }
  {
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/dir");  // not absolute: ignored
    EXPECT_EQ(GetConfigPwqConfigDir("P"), "/home/someone/.config/Pellwick/P/");
  }
  {
    ScopedEnv empty("XDG_CONFIG_HOME", "");
    EXPECT_EQ(GetConfigPwqConfigDir("P"), "/home/someone/.config/Pellwick/P/");
  }
}

TEST_F(ConfigFiles, LanguageFileLines) {
  ASSERT_TRUE(SaveConfigToAppConfigDir("Syllabrix", "lang.cfg", "language=en\nlang=de\nlang=fr\n"));
  EXPECT_EQ(LoadConfigLineFromAppConfigDir("Syllabrix", "lang.cfg", "lang"), "de");  // first match counts
  EXPECT_EQ(LoadConfigFromAppConfigDir("Syllabrix", "lang.cfg"), "language=en\nlang=de\nlang=fr\n");

  struct Case {
    const char* content;
    const char* want;
  } cases[] = {
      {"lang==x", "=x"},
      {"lang=ptbr\r\nother=1\r\n", "ptbr"},
      {"LANG=de\nlang=zhsimp", "zhsimp"},  // exact case
      {" lang=de", ""},                    // nothing is trimmed
      {"lang=", ""},
      {"", ""},
      {"x=1\rlang=ja\r", "ja"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(SaveConfigToAppConfigDir("Syllabrix", "lang.cfg", c.content)) << c.content;
    EXPECT_EQ(LoadConfigLineFromAppConfigDir("Syllabrix", "lang.cfg", "lang"), c.want) << c.content;
  }
  EXPECT_EQ(LoadConfigLineFromAppConfigDir("Syllabrix", "missing.cfg", "lang"), "");
  EXPECT_EQ(LoadConfigLineFromAppConfigDir("", "lang.cfg", "lang"), "");
  EXPECT_EQ(LoadConfigLineFromAppConfigDir("Syllabrix", "", "lang"), "");
  EXPECT_EQ(LoadConfigLineFromAppConfigDir("Syllabrix", "lang.cfg", ""), "");
}

TEST_F(ConfigFiles, WrittenAsPlainASCII) {
  ASSERT_TRUE(SaveConfigToAppConfigDir("Syllabrix", "lang.cfg", "lang=dé"));
  // One "?" per character that ASCII cannot hold, no byte-order mark.
  EXPECT_EQ(testsupport::ReadFileBytes(maker + "Syllabrix/lang.cfg"), "lang=d?");
  EXPECT_FALSE(SaveConfigToAppConfigDir("", "lang.cfg", "x"));
  EXPECT_FALSE(SaveConfigToAppConfigDir("Syllabrix", "", "x"));
  EXPECT_EQ(LoadConfigFromAppConfigDir("", "lang.cfg"), "");
  // A configuration home that cannot hold folders makes saving fail.
  testsupport::WriteFileBytes(home.file("file"), "x");
  ScopedEnv blocked("XDG_CONFIG_HOME", home.file("file").c_str());
  EXPECT_FALSE(SaveConfigToAppConfigDir("Syllabrix", "lang.cfg", "lang=de"));
}

TEST_F(ConfigFiles, ApplicationFolderAndItsFallback) {
  AppDirFile file("syllabrix-config-test");
  ASSERT_FALSE(fs::exists(file.path()));
  ASSERT_TRUE(SaveConfigToAppConfigDir("Syllabrix", file.name(), "lang=de\n"));
  // Preferring the application folder, which has no such file, still finds
  // the one of the configuration folder.
  EXPECT_EQ(LoadConfigLineFromAppDirOrAppConfigDir("Syllabrix", file.name(), "lang", true), "de");
  EXPECT_EQ(LoadConfigLineFromAppDirOrAppConfigDir("Syllabrix", file.name(), "lang", false), "de");

  ASSERT_TRUE(SaveConfigToAppDir(file.name(), "lang=fr\n"));
  EXPECT_EQ(testsupport::ReadFileBytes(file.path()), "lang=fr\n");
  EXPECT_EQ(LoadConfigFromAppDir(file.name()), "lang=fr\n");
  EXPECT_EQ(LoadConfigLineFromAppDir(file.name(), "lang"), "fr");
  EXPECT_EQ(LoadConfigLineFromAppDirOrAppConfigDir("Syllabrix", file.name(), "lang", true), "fr");
  EXPECT_EQ(LoadConfigLineFromAppDirOrAppConfigDir("Syllabrix", file.name(), "lang", false), "de");
  EXPECT_FALSE(SaveConfigToAppDir("", "x"));
  EXPECT_EQ(LoadConfigFromAppDir(""), "");
}

TEST_F(ConfigFiles, DeleteProgConfigStaysInsideItsFolder) {
  ASSERT_TRUE(SaveConfigToAppConfigDir("Syllabrix", "lang.cfg", "lang=de"));
  ASSERT_TRUE(SaveConfigToAppConfigDir("Other", "lang.cfg", "lang=en"));
  fs::create_directories(maker + "Syllabrix/profiles/old");
  testsupport::WriteFileBytes(maker + "Syllabrix/profiles/old/a.sxs", "[s]\nk=1\n");
  testsupport::WriteFileBytes(home.file("outside.txt"), "keep");

  for (const char* bad : {"", ".", "..", "../Pellwick", "a/b", "/", "Syllabrix/..", "x..y"})
    EXPECT_FALSE(DeleteProgConfig(bad)) << bad;
  // The system reads a name only up to a zero byte: "Other\0x" would reach
  // the folder of "Other", and "\0" the maker folder itself.
  for (const std::string& bad : {std::string("\0", 1), std::string("Other\0x", 7), std::string("Other\0", 6)})
    EXPECT_FALSE(DeleteProgConfig(bad)) << bad.size();
  EXPECT_TRUE(fs::exists(maker + "Syllabrix/lang.cfg"));
  EXPECT_TRUE(fs::exists(maker + "Other/lang.cfg"));
  EXPECT_TRUE(fs::exists(home.file("outside.txt")));

  EXPECT_TRUE(DeleteProgConfig("Syllabrix"));
  EXPECT_FALSE(fs::exists(maker + "Syllabrix"));
  EXPECT_TRUE(fs::exists(maker + "Other/lang.cfg"));
  EXPECT_TRUE(DeleteProgConfig("Syllabrix"));  // already gone

  // A program folder that is a link elsewhere: the link goes, not its target.
  fs::create_directory(home.file("elsewhere"));
  testsupport::WriteFileBytes(home.file("elsewhere/precious.txt"), "x");
  fs::create_directory_symlink(home.file("elsewhere"), maker + "Linked");
  EXPECT_TRUE(DeleteProgConfig("Linked"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(maker + "Linked")));
  EXPECT_TRUE(fs::exists(home.file("elsewhere/precious.txt")));
}

TEST_F(ConfigFiles, ConfigSaver) {
  TConfigSaver saver;
  EXPECT_TRUE(saver.Texts.empty());
  for (bool b : saver.Switches) EXPECT_TRUE(b);
  saver.Add("Settings", "Font", "Noto Sans");
  saver.Add("Settings", "Size", 11);
  ASSERT_TRUE(saver.SaveToConfigDir("start.sxs", "Syllabrix"));
  EXPECT_EQ(testsupport::ReadFileBytes(maker + "Syllabrix/start.sxs"), "[Settings]\nFont=Noto Sans\nSize=11\n");

  TConfigSaver loaded;
  ASSERT_TRUE(loaded.LoadFromConfigDir("start.sxs", "Syllabrix"));
  EXPECT_EQ(loaded.ReadString("Settings", "Font", ""), "Noto Sans");

  TConfigSaver none;
  EXPECT_FALSE(none.LoadFromConfigDir("missing.sxs", "Syllabrix"));
  EXPECT_TRUE(none.Sections.empty());

  AppDirFile app("syllabrix-saver-test");
  TConfigSaver fallback;
  EXPECT_TRUE(fallback.LoadFromAppDirOrConfigDir("start.sxs", "Syllabrix", true));
  EXPECT_EQ(fallback.ReadString("Settings", "Size", ""), "11");

  TConfigSaver appSide;
  appSide.Add("Settings", "Size", 14);
  ASSERT_TRUE(appSide.SaveToAppDir(app.name()));
  TConfigSaver fromApp;
  ASSERT_TRUE(fromApp.LoadFromAppDir(app.name()));
  EXPECT_EQ(fromApp.ReadString("Settings", "Size", ""), "14");
  ASSERT_TRUE(saver.SaveToConfigDir(app.name(), "Syllabrix"));
  TConfigSaver preferApp, preferConfig;
  ASSERT_TRUE(preferApp.LoadFromAppDirOrConfigDir(app.name(), "Syllabrix", true));
  ASSERT_TRUE(preferConfig.LoadFromAppDirOrConfigDir(app.name(), "Syllabrix", false));
  EXPECT_EQ(preferApp.ReadString("Settings", "Size", ""), "14");
  EXPECT_EQ(preferConfig.ReadString("Settings", "Size", ""), "11");
  TConfigSaver neither;
  EXPECT_FALSE(neither.LoadFromAppDirOrConfigDir("nowhere.sxs", "Syllabrix", true));
}

}  // namespace
