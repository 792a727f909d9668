#include <gtest/gtest.h>

#include <QApplication>
#include <map>
#include <set>

#include "controls/dialogs.h"
#include "controls/system_integration_dialogs.h"
#include "controls_test_app.h"
#include "text/text_store.h"

namespace {

class TRecordingHandler : public TDialogHandler {
 public:
  void Notification(const std::string& caption, const std::string& message, const std::string&) override {
    Notes.push_back(caption + "|" + message);
  }
  int32_t Confirmation(const std::string& caption, const std::string& question, const std::string& yes,
                       const std::string& no, const std::string&, bool) override {
    Questions.push_back(caption + "|" + question + "|" + yes + "|" + no);
    return Answer;
  }
  std::string Input(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                    const TStrArray&, int32_t, bool) override {
    return NulMarker();
  }
  std::vector<std::string> Notes, Questions;
  int32_t Answer = kModalResultNo;
};

// A desktop where everything works and is remembered.
class TFakeBackend : public TSystemIntegrationBackend {
 public:
  bool SetAutostartSettings(const std::string& name, const std::string&, const std::string& params, bool all,
                            bool remove) override {
    Calls.push_back((remove ? "remove " : "set ") + name + " " + params + (all ? " all" : " user"));
    return remove ? !FailRemoval : true;
  }
  bool CreateShortcut(const std::string&, const std::string&, const std::string& name, TShortcutLocation location,
                      const std::string&, const std::string&) override {
    Shortcuts.insert({name, location});
    return true;
  }
  bool ShortcutExists(const std::string& name, TShortcutLocation location, const std::string&) override {
    return Shortcuts.count({name, location}) > 0;
  }
  bool RemoveShortcut(const std::string& name, TShortcutLocation location, const std::string&) override {
    Shortcuts.erase({name, location});
    return true;
  }
  bool FileAssociationSet(const std::string& ext, const std::string& description, const std::string& path,
                          const std::string&, const std::string& params, const std::string&, bool) override {
    Associations[ext] = path;
    Calls.push_back("assoc " + ext + " " + description + " " + params);
    return true;
  }
  bool FileAssociationDelete(const std::string& ext, bool) override { return Associations.erase(ext) > 0; }
  std::string FileAssociationGetProgramPath(const std::string& ext) override {
    auto it = Associations.find(ext);
    return it == Associations.end() ? NulMarker() : it->second;
  }
  bool IsProgramRunningAsAdmin() override { return true; }
  std::vector<std::string> Calls;
  std::set<std::pair<std::string, TShortcutLocation>> Shortcuts;
  std::map<std::string, std::string> Associations;
  bool FailRemoval = false;
};

class SystemIntegrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ControlsTestApp();
    SetSprResGlobal(0);
  }
  TRecordingHandler Handler;
  TScopedDialogHandler Scope{&Handler};
};

TEST_F(SystemIntegrationTest, ThisPlatformShowsOnlyTheAdministratorQuestion) {
  ShowSystemIntegrationAutostartDialog("My Tool", "/usr/bin/mytool", 3, 0);
  TKeyValueArrayObj exts;
  exts.Add("txt", "Text");
  ShowSystemIntegrationFileAssociationsDialog("My Tool", "/usr/bin/mytool", exts);
  ASSERT_EQ(Handler.Questions.size(), 2u);
  EXPECT_EQ(Handler.Questions[0],
            "Information|For this function, it is necessary that the program is running as administrator. "
            "Currently, this program is not running as administrator.\n\nDo you want to restart the program as "
            "administrator?|Yes|Cancel");
  EXPECT_TRUE(Handler.Notes.empty());

  TSystemIntegrationContextMenuDialog dialog("MyTool", "My Tool", "My Tool", "/usr/bin/mytool");
  EXPECT_EQ(dialog.cl_sendto->Caption(), "Status: \t\\b\\c9B0000 Inactive");
  EXPECT_TRUE(dialog.bt_sendto_add->isEnabled());
  EXPECT_FALSE(dialog.bt_sendto_remove->isEnabled());
  dialog.bt_sendto_add->click();
  EXPECT_TRUE(dialog.bt_sendto_add->isEnabled());
  EXPECT_EQ(dialog.pa_bottom, nullptr);
}

TEST_F(SystemIntegrationTest, ContextMenuWithAWorkingDesktop) {
  TFakeBackend fake;
  TSystemIntegrationBackend* previous = SetSystemIntegrationBackend(&fake);
  TSystemIntegrationContextMenuDialog dialog("MyTool", "My Tool", "Mein Tool", "/usr/bin/mytool");
  dialog.bt_sendto_add->click();
  EXPECT_EQ(dialog.cl_sendto->Caption(), "Status: \t\\b\\c9B0000 Inactive");  // added as MyTool, looked for by name
  fake.Shortcuts.insert({"Mein Tool", kShortcutSendTo});
  dialog.RefreshStatusInGUI();
  EXPECT_EQ(dialog.cl_sendto->Caption(), "Status: \t\\b\\c007500 Active");
  EXPECT_FALSE(dialog.bt_sendto_add->isEnabled());
  EXPECT_TRUE(dialog.bt_sendto_remove->isEnabled());
  dialog.bt_sendto_remove->click();
  EXPECT_TRUE(dialog.bt_sendto_add->isEnabled());
  SetSystemIntegrationBackend(previous);
}

TEST_F(SystemIntegrationTest, FileAssociationRowsAndActions) {
  TFakeBackend fake;
  TSystemIntegrationBackend* previous = SetSystemIntegrationBackend(&fake);
  fake.Associations["doc"] = "/opt/other";
  fake.Associations["csv"] = "/USR/BIN/MYTOOL";
  TKeyValueArrayObj exts;
  exts.Add("txt", "Text file");
  exts.Add("doc", "Document");
  exts.Add("csv", "");
  TSystemIntegrationFileAssociationsDialog dialog("My Tool", "/usr/bin/mytool", exts);
  const auto& rows = dialog.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].StatusLabel->Caption(), "File Extension:\tTXT\nStatus: \t\\b\\c9B0000 Not associated");
  EXPECT_EQ(rows[1].StatusLabel->Caption(),
            "File Extension:\tDOC\nStatus: \t\\b\\c9B0000 Associated with another program\n \t/opt/other");
  EXPECT_EQ(rows[2].StatusLabel->Caption(), "File Extension:\tCSV\nStatus: \t\\b\\c007500 Associated");
  EXPECT_FALSE(rows[2].AssociateButton->isVisibleTo(&dialog));
  EXPECT_TRUE(rows[2].DeleteButton->isVisibleTo(&dialog));
  ASSERT_NE(dialog.bt_close, nullptr);

  rows[0].AssociateButton->click();
  EXPECT_EQ(fake.Calls.back(), "assoc txt My Tool Text file \"%1\"");
  EXPECT_EQ(Handler.Notes.back(),
            "Information|The file extension TXT has been associated with this program successfully.");
  EXPECT_TRUE(rows[0].DeleteButton->isVisibleTo(&dialog));

  Handler.Answer = kModalResultNo;
  rows[1].AssociateButton->click();
  ASSERT_EQ(Handler.Questions.size(), 1u);
  EXPECT_NE(Handler.Questions[0].find("DOC-files are currently associated with the following program:\n\n/opt/other"),
            std::string::npos);
  EXPECT_EQ(fake.Associations["doc"], "/opt/other");

  rows[2].DeleteButton->click();
  EXPECT_EQ(Handler.Notes.back(), "Information|The association has been deleted successfully.");
  EXPECT_TRUE(rows[2].AssociateButton->isVisibleTo(&dialog));
  SetSystemIntegrationBackend(previous);
}

TEST_F(SystemIntegrationTest, AutostartFlowReportsAFailedRemoval) {
  TFakeBackend fake;
  TSystemIntegrationBackend* previous = SetSystemIntegrationBackend(&fake);
  EXPECT_EQ(AutostartEntryName(" My Tool "), "MyTool");
  OnNextModal<TSystemIntegrationAutostartDialog>([](TSystemIntegrationAutostartDialog* d) {
    EXPECT_EQ(d->rb_autostart_tray, nullptr);
    EXPECT_TRUE(d->rb_autostart_off->isChecked());
    d->rb_autostart_normal->setChecked(true);
    d->SaveButton->click();
  });
  ShowSystemIntegrationAutostartDialog("My Tool", "/usr/bin/mytool", 3, 0);
  EXPECT_EQ(fake.Calls, (std::vector<std::string>{"remove MyTool  all", "remove MyTool  user", "set MyTool  user"}));
  EXPECT_EQ(Handler.Notes.back(), "Information|The Auto Start Settings have been changed successfully.");

  fake.FailRemoval = true;
  OnNextModal<TSystemIntegrationAutostartDialog>([](TSystemIntegrationAutostartDialog* d) { d->SaveButton->click(); });
  ShowSystemIntegrationAutostartDialog("My Tool", "/usr/bin/mytool", 7, 0);
  EXPECT_EQ(Handler.Notes.back(),
            "Error|It was not possible to change the Auto Start Settings. Do you have the required rights?");
  SetSystemIntegrationBackend(previous);
}

}  // namespace
