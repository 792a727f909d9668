#include <gtest/gtest.h>

#include <filesystem>

#include "frame/core/command_line.h"
#include "test_support.h"

namespace {

struct TRecordingList : TBatchFileListView {
  std::vector<std::string> Calls;
  void Log(const std::string& s) { Calls.push_back(s); }
  static std::string B(bool v) { return v ? "1" : "0"; }
  void StartBatchMode() override { Log("start"); }
  void SetShowFileSearchProgressDialog(bool v) override { Log("progress" + B(v)); }
  void SetShowFileIcons(bool v) override { Log("icons" + B(v)); }
  int32_t AddFile(const std::string& f, bool) override {
    Log("file:" + std::filesystem::path(f).filename().string());
    return 0;
  }
  void AddFilesAndFoldersFromFolder(const std::string& f) override {
    Log("folder:" + std::filesystem::path(f).filename().string());
  }
  void SetNameFilter(const std::string& s) override { Log("name:" + s); }
  void SetCurrentExtensionsFromString(const std::string& t, const std::string& sep, bool c) override {
    Log("ext:" + t + sep + B(c));
  }
  void SetFilterFileType(const std::string& t) override { Log("type:" + t); }
  void SetAddFiles(bool v) override { Log("addfiles" + B(v)); }
  void SetAddFolders(bool v) override { Log("addfolders" + B(v)); }
  void SetFilterStrIsRegex(bool v) override { Log("regex" + B(v)); }
  void SetFilterStrMatchCase(bool v) override { Log("case" + B(v)); }
  void SetSearchSubDirectories(bool v) override { Log("subdirs" + B(v)); }
  void SetAddHiddenFiles(bool v) override { Log("hidden" + B(v)); }
  void SetAddOnlyTextFiles(bool v) override { Log("text" + B(v)); }
  void SetSaveBaseDir(bool v) override { Log("basedir" + B(v)); }
};

struct TRecordingPanel : TBatchSaveSettingsContainer {
  std::vector<std::string> Calls;
  static std::string B(bool v) { return v ? "1" : "0"; }
  void SetValFolder(const std::string& v) override { Calls.push_back("folder:" + v); }
  void SetValName(const std::string& v) override { Calls.push_back("name:" + v); }
  void SetValFormat(const std::string& v) override { Calls.push_back("format:" + v); }
  void SetOptKeepDateOfOriginalFile(bool v) override { Calls.push_back("date" + B(v)); }
  void SetOptOpenFileAfterCreating(bool v) override { Calls.push_back("open" + B(v)); }
  void SetOptDeleteOriginalFile(bool v) override { Calls.push_back("del" + B(v)); }
  void SetOptKeepSubDirs(bool v) override { Calls.push_back("keepsub" + B(v)); }
  bool ValsFromFilePath(const std::string& p) override {
    Calls.push_back("path:" + p);
    return true;
  }
};

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteFileBytes(Dir.file("words.txt"), "x");
    std::filesystem::create_directories(Dir.file("lists"));
    Context.SettingsExtension = "sxs";
    Context.BatchKeyValues = CreateBatchKeyValues();
    Context.LoadSettings = [this](const std::string& f) {
      Loaded.push_back(std::filesystem::path(f).filename().string());
      return LoadResult;
    };
  }
  testsupport::TempDir Dir;
  THandleParamsContext Context;
  std::vector<std::string> Loaded;
  bool LoadResult = true;
};

TEST_F(CommandLine, Classification) {
  const TCommandLineArguments a =
      ClassifyCommandLine({Dir.file("p.SXS"), Dir.file("lists") + "/", Dir.file("words.txt"), "-batch", "-cl",
                           "name=", "=x", "a=b=c", "a=d", Dir.file("missing.txt"), "-hide"},
                          Context);
  EXPECT_EQ(Loaded, (std::vector<std::string>{"p.SXS"}));
  EXPECT_TRUE(a.Loaded);
  EXPECT_EQ(a.Folders, (TStrArray{Dir.file("lists")}));
  EXPECT_EQ(a.Files, (TStrArray{Dir.file("words.txt")}));
  EXPECT_EQ(a.Parameters, (TStrArray{Dir.file("missing.txt"), "-hide"}));
  EXPECT_EQ(a.Options.Count(), 15 + 3);
  EXPECT_EQ(a.Options.GetValueOrDefaultIfKeyNotExist("name", "?"), "");
  EXPECT_EQ(a.Options.GetValueOrDefaultIfKeyNotExist("", "?"), "x");
  EXPECT_EQ(a.Options.GetValueOrDefaultIfKeyNotExist("a", "?"), "d");
  EXPECT_EQ(a.Given.GetValueOrDefaultIfKeyNotExist("a", "?"), "b=cd");
  EXPECT_EQ(a.Options.GetKey(0), "save");
  EXPECT_EQ(a.Options.GetKey(14), "delfile");
  LoadResult = false;
  EXPECT_FALSE(ClassifyCommandLine({Dir.file("q.sxs")}, Context).Loaded);
}

TEST_F(CommandLine, NormalModeOffersOnlyFilesAndFolders) {
  int offers = 0;
  TStrArray files, folders;
  Context.OnOpenFiles = [&](const TStrArray& f, const TStrArray& d) {
    ++offers;
    files = f;
    folders = d;
  };
  int batches = 0;
  Context.OnBatchProcess = [&](const TStrArray&, const TStrArray&, const TStrArray&, const TKeyValueArrayObj&) {
    ++batches;
  };
  HandleParams({"x=1", "word", Dir.file("missing.txt"), Dir.file("p.sxs")}, false, Context);
  EXPECT_EQ(offers, 0);
  HandleParams({Dir.file("words.txt"), "x=1"}, false, Context);
  EXPECT_EQ(offers, 1);
  EXPECT_EQ(files, (TStrArray{Dir.file("words.txt")}));
  EXPECT_TRUE(folders.empty());
  HandleParams({Dir.file("lists")}, false, Context);
  EXPECT_EQ(offers, 2);
  EXPECT_EQ(folders, (TStrArray{Dir.file("lists")}));
  EXPECT_EQ(batches, 0);
}

TEST_F(CommandLine, BatchModeFeedsHostedComponents) {
  TRecordingList list;
  TRecordingPanel panel;
  Context.FileListView = &list;
  Context.SaveSettingsContainer = &panel;
  TKeyValueArrayObj options;
  Context.OnBatchProcess = [&](const TStrArray&, const TStrArray&, const TStrArray&, const TKeyValueArrayObj& o) {
    options = o;
    throw std::runtime_error("swallowed");
  };
  HandleParams({Dir.file("words.txt"), Dir.file("lists"), "filter-ext=txt;doc-md", "save-ext=pdf", "filter-type=1;2"},
               true, Context);
  EXPECT_EQ(list.Calls,
            (std::vector<std::string>{"progress0", "icons0", "file:words.txt", "ext:txt,doc,md,1", "type:1,2", "regex0",
                                      "case0", "subdirs1", "hidden0", "text0", "basedir0", "folder:lists"}));
  EXPECT_EQ(panel.Calls, (std::vector<std::string>{"folder:<keep>", "name:<keep>", "format:pdf", "date0", "open0",
                                                   "del0", "keepsub0"}));
  EXPECT_EQ(options.GetValueOrDefaultIfKeyNotExist("save-ext", ""), "pdf");
}

TEST_F(CommandLine, SettingsFileOptionsAreNotOverwrittenByDefaults) {
  TRecordingPanel panel;
  Context.SaveSettingsContainer = &panel;
  HandleParams({Dir.file("p.sxs"), "save-name=out", "date=keep", "save=/tmp/a.txt"}, true, Context);
  EXPECT_EQ(panel.Calls, (std::vector<std::string>{"name:out", "date1", "path:/tmp/a.txt"}));
  panel.Calls.clear();
  LoadResult = false;
  HandleParams({Dir.file("p.sxs")}, true, Context);
  EXPECT_EQ(panel.Calls, (std::vector<std::string>{"folder:<keep>", "name:<keep>", "format:<keep>", "date0", "open0",
                                                   "del0", "keepsub0"}));
}

TEST_F(CommandLine, BatchWithoutHostsStillCallsTheHandler) {
  int calls = 0;
  Context.OnBatchProcess = [&](const TStrArray& f, const TStrArray& d, const TStrArray& p, const TKeyValueArrayObj& o) {
    ++calls;
    EXPECT_TRUE(f.empty() && d.empty() && p.empty());
    EXPECT_EQ(o.Count(), 15);
  };
  HandleParams({}, true, Context);
  EXPECT_EQ(calls, 1);
}

TEST(InstanceManager, NeverFindsAnotherInstance) {
  TInstanceManager m("s-x", 42);
  EXPECT_EQ(m.LockNameMain(), "PwqSXMSyllabrixSingleInst");
  EXPECT_FALSE(m.Execute());
  EXPECT_FALSE(m.BringWindowToForeground(42));
  EXPECT_EQ(m.HandleOfFirstInstance(), 0);
  TStrArray got;
  bool batch = false;
  int notified = 0;
  m.OnNewInstanceParams = [&](const TStrArray& p, bool b) {
    got = p;
    batch = b;
  };
  m.OnNewInstanceNotification = [&] { ++notified; };
  m.HandleParamsProcInternal({"a"}, true);
  m.HandleNewInstanceProcInternal();
  EXPECT_EQ(got, (TStrArray{"a"}));
  EXPECT_TRUE(batch);
  EXPECT_EQ(notified, 1);
}

}  // namespace
