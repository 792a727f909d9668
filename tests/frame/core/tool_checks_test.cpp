// Python's configparser reads our settings and profile files to the values we wrote.
#include <gtest/gtest.h>

#include "frame_core_fixture.h"

namespace {

class ToolCheckSettingsFiles : public TSettingsFixture {
 protected:
  // Every section and key as "section|key=value" lines, in file order.
  std::string ReadWithConfigParser(const std::string& path) {
    const testsupport::CommandResult r = testsupport::ReadWithConfigParser(path);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return r.out;
  }
};

TEST_F(ToolCheckSettingsFiles, ConfigParserReadsTheSameValues) {
  SO.AddTab(11, "general");
  SO.AddTab(204, "Ausgabe äöü");
  const int edit = SO.AddInputEditToTab(0, 1, false, "count", "10", -1, false, 0, 0);
  const int font = SO.AddInputFontNameEditToTab(1, 1, false, "font", "Arial", -1, false, 0, 0);
  const int group = SO.AddInputRadioButtonGroupToTab(1, "case", 1, -1);
  SO.AddInputRadioButtonGroupItemToTab(1, group, 2, "upper", 1, false, 0, 0, -1);
  SO.Controls()[edit].Value = "3,5";
  SO.Controls()[font].Value = "DejaVu Sans ÄÖÜ 字";
  SO.Controls()[group].Value = "upper";
  SO.TabCodePage = true;
  SO.CodePage = 88591;
  SO.SetAutoSaveOnExit(true);
  SO.OnSaveSettings = [](TConfigSaver& d) {
    d.Add("windowsize", "top", int32_t{12});
    d.Add("windowsize", "maximized", false);
  };
  ASSERT_TRUE(SO.SaveSettings(cslConfigDir, "start.sxs", false));
  Dialogs.Answers = {"Work"};
  SO.SaveTabButtonClickSaveSettings("bt_save_save_profile");
  const std::string expected =
      "general|count=3,5\nAusgabe äöü|font=DejaVu Sans ÄÖÜ 字\nAusgabe äöü|case=upper\n"
      "textfiles|codepage=LATIN-1\ntextfiles|bom=0\nsettings|autosave=1\nwindowsize|top=12\n"
      "windowsize|maximized=0\n";
  for (const char* name : {"start.sxs", "Work.sxs"}) {
    const std::string path = ConfigDir() + name;
    EXPECT_EQ(ReadWithConfigParser(path), expected) << name;
    // Our own reader agrees.
    TConfigSaver doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(doc.ReadString("Ausgabe äöü", "font", ""), "DejaVu Sans ÄÖÜ 字");
  }
}

TEST_F(ToolCheckSettingsFiles, StartFileHasNoByteOrderMark) {
  SO.AddTab(11, "ä");
  const int id = SO.AddInputEditToTab(0, "k", "", -1, false, 0, 0);
  SO.Controls()[id].Value = "ü";
  ASSERT_TRUE(SO.SaveSettings(cslConfigDir, SO.StartFileName(), false));
  const std::string path = ConfigDir() + "start.sxs";
  const testsupport::CommandResult r =
      testsupport::RunCommand(testsupport::Python3() + " -c " +
                              testsupport::ShellQuote("import sys;d=open(sys.argv[1],'rb').read();print(d[:3].hex());"
                                                      "print(d.startswith(b'\\xef\\xbb\\xbf'))") +
                              " " + testsupport::ShellQuote(path));
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "5bc3a4\nFalse\n");
}

}  // namespace
