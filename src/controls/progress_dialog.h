// Progress windows for long loops on the GUI thread: the loop sets values,
// the window redraws at most once per refresh interval and lets the event
// loop run then, so that a click on Cancel is seen; the loop polls Canceled.
#pragma once

#include <QFontMetrics>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// The rows a progress window can have, in their order from the top.
enum class TProgressRow { Status, CurrentFile, TargetFile, SearchedFiles, CurrentFolder, SearchedFolders };

class TBaseProgressDialogObj : public QObject {
  Q_OBJECT
 public:
  TBaseProgressDialogObj(QObject* owner, int32_t fileCount);
  ~TBaseProgressDialogObj() override;

  const std::string& CurrentFile() const { return FCurrentFile; }
  const std::string& TargetFile() const { return FTargetFile; }
  const std::string& CurrentFolder() const { return FCurrentFolder; }
  int32_t SearchedFiles() const { return FSearchedFiles; }
  int32_t SearchedFolders() const { return FSearchedFolders; }
  int32_t FileCount() const { return FFileCount; }
  int32_t CurrentFileNumber() const { return FCurrentFileNumber; }

  void SetCurrentFile(const std::string& value);
  void SetTargetFile(const std::string& value);
  void SetCurrentFolder(const std::string& value);
  void SetSearchedFiles(int32_t value);
  void SetSearchedFolders(int32_t value);

  bool Canceled = false;
  // Which rows the window gets; read once, when the window is built.
  bool ShowLabelStatus = false;
  bool ShowLabelCurrentFile = false;
  bool ShowLabelTargetFile = false;
  bool ShowLabelCurrentFolder = false;
  bool ShowLabelSearchedFiles = false;
  bool ShowLabelSearchedFolders = false;
  // Texts; read once, when the window is built.
  std::string StrCaption = "Caption";
  std::string StrStatus = "Status:";
  std::string StrCurrentFile = "Current File:";
  std::string StrSourceFile = "Source File:";
  std::string StrTargetFile = "Target File:";
  std::string StrCurrentFolder = "Current Folder:";
  std::string StrSearchedFiles = "Searched Files:";
  std::string StrSearchedFolders = "Searched Folders:";
  std::string StrCancel = "Cancel";
  bool AutoRefreshGUIOnValueChange = true;
  int32_t RefreshGUIInterval = 200;

  // Builds the window on the first call; every call shows it.
  void Show();
  // Brings the window up to date when the refresh interval has passed.
  void RefreshGUI();
  void ProcBtCancelButton(QObject* Sender);

  // The window and its parts (null before the first Show or where not built).
  QWidget* Form() const { return FForm; }
  QProgressBar* ProgressBar() const { return FProgressBar; }
  QPushButton* CancelButton() const { return FCancelButton; }
  QLabel* RowValueLabel(TProgressRow row) const;
  QLabel* RowNameLabel(TProgressRow row) const;
  // The tick source (tests step it by hand); an empty function restores the clock.
  void SetTickSource(std::function<uint32_t()> source);

 private:
  void BuildForm();
  void AutoRefresh() {
    if (AutoRefreshGUIOnValueChange) RefreshGUI();
  }

  std::string FCurrentFile;
  std::string FTargetFile;
  std::string FCurrentFolder;
  int32_t FSearchedFiles = 0;
  int32_t FSearchedFolders = 0;
  int32_t FFileCount = 0;
  int32_t FCurrentFileNumber = 0;
  uint32_t FLastRefreshTick = 0;
  bool FRefreshing = false;
  std::function<uint32_t()> FTickSource;
  QPointer<QWidget> FForm;
  QProgressBar* FProgressBar = nullptr;
  QPushButton* FCancelButton = nullptr;
  QLabel* FValueLabels[6] = {};
  QLabel* FNameLabels[6] = {};
};

// The progress window set up for a search through folders.
class TFileSearchProgressObj : public TBaseProgressDialogObj {
  Q_OBJECT
 public:
  explicit TFileSearchProgressObj(QObject* owner);
};

// A path shortened to fit a pixel width: inner folders give way to "..."
// first, so that the file name stays visible.
QString ProgressMinimizeName(const QString& path, const QFontMetrics& metrics, int maxWidth);
