#include <gtest/gtest.h>

#include "foundation/qt/desktop.h"
#include "foundation/qt/qt_strings.h"
#include "qt_test_app.h"
#include "support/test_support.h"

namespace {

// Records what would have gone to the desktop.
struct FakeDesktop {
  FakeDesktop() {
    SetUrlOpener([this](const QUrl& url) {
      urls.push_back(url);
      return accept;
    });
    SetProgramStarter([this](const QString& program, const QStringList& arguments) {
      programs.push_back(program);
      args = arguments;
      return true;
    });
  }
  ~FakeDesktop() {
    SetUrlOpener(nullptr);
    SetProgramStarter(nullptr);
  }
  bool accept = true;
  std::vector<QUrl> urls;
  QStringList programs, args;
};

}  // namespace

TEST(Desktop, OpenDirectoryReportsWhatTheDesktopSays) {
  TestApp();
  testsupport::TempDir dir;
  std::string folder = dir.file("it's a \"folder\"; $(rm -rf x)");
  std::filesystem::create_directory(folder);
  FakeDesktop desktop;

  EXPECT_TRUE(OpenDirectory(folder));
  ASSERT_EQ(desktop.urls.size(), 1u);
  EXPECT_TRUE(desktop.urls[0].isLocalFile());
  EXPECT_EQ(FromQString(desktop.urls[0].toLocalFile()), folder);  // the path as it is, unquoted

  desktop.accept = false;
  EXPECT_FALSE(OpenDirectory(folder));

  desktop.accept = true;
  desktop.urls.clear();
  EXPECT_FALSE(OpenDirectory(dir.file("missing")));
  EXPECT_FALSE(OpenDirectory("neither a folder nor an address"));
  EXPECT_FALSE(OpenDirectory(""));
  EXPECT_TRUE(desktop.urls.empty());

  EXPECT_TRUE(OpenDirectory("https://example.org/page"));
  ASSERT_EQ(desktop.urls.size(), 1u);
  EXPECT_EQ(desktop.urls[0].toString(), "https://example.org/page");
}

TEST(Desktop, PropertiesWindowGetsOneEncodedAddress) {
  TestApp();
  FakeDesktop desktop;
  ShowSystemFilePropertyDialog("  /tmp/a,b c/  ");
  ASSERT_EQ(desktop.programs.size(), 1);
  EXPECT_EQ(desktop.programs[0], "dbus-send");
  EXPECT_TRUE(desktop.args.contains("array:string:file:///tmp/a%2Cb%20c")) << desktop.args.join("|").toStdString();
  desktop.programs.clear();
  ShowSystemFilePropertyDialog("   ");
  EXPECT_TRUE(desktop.programs.empty());
}
