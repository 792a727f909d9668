// The view's reader threads, search progress window, dialogs and desktop
// operations.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>

#include "controls/dialogs.h"
#include "controls/directory_chooser.h"
#include "controls/directory_tree.h"
#include "controls/progress_dialog.h"
#include "filelist/qt/file_filter_options_dialog.h"
#include "filelist/qt/file_list_reader_threads.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/file_functions.h"
#include "foundation/paths.h"
#include "foundation/qt/desktop.h"
#include "foundation/qt/file_filters.h"
#include "foundation/qt/qt_strings.h"
#include "text/caption_grammar.h"
#include "text/text_store.h"

// --- Reader threads ----------------------------------------------------------------------

void TFileListView::StartReaderThread(TFileListViewInfoKind Kind, TFileListViewReadJobs&& Jobs,
                                      const TFileListViewHashRequests& Hashes, uint64_t Epoch) {
  std::unique_ptr<TFileListViewReaderThread>& thread = FReaders[static_cast<size_t>(Kind)];
  if (!thread) {
    thread = std::make_unique<TFileListViewReaderThread>(Kind, this, "TakeReaderBatches");
    if (FTestReader) {
      auto reader = FTestReader;
      thread->SetReader([reader, Kind](const TFileListViewReadJob& job) { return reader(Kind, job); });
    }
  }
  thread->StartRun(std::move(Jobs), Hashes, Epoch);
}

void TFileListView::TakeReaderBatches() {
  // The search progress window lets events through; results wait until the
  // search has ended, so that no sort or host event runs in the middle of it.
  if (FolderSearchRunning()) {
    FBatchesWaiting = true;
    return;
  }
  FBatchesWaiting = false;
  for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) {
    if (!FReaders[k]) continue;
    for (TFileListViewReadBatch& batch : FReaders[k]->TakeBatches()) TransferInfo(std::move(batch));
  }
}

void TFileListView::FolderSearchEnded() {
  if (FBatchesWaiting) QMetaObject::invokeMethod(this, "TakeReaderBatches", Qt::QueuedConnection);
}

void TFileListView::StopReaderThread(TFileListViewInfoKind Kind) {
  if (const auto& thread = FReaders[static_cast<size_t>(Kind)]) thread->RequestStop();
}

void TFileListView::StopAndJoinReaders() {
  // Every worker is asked first, so that they end side by side.
  for (const auto& thread : FReaders) {
    if (thread) thread->RequestStop();
  }
  for (auto& thread : FReaders) {
    if (thread) thread->StopAndJoin();
    thread.reset();
  }
}

// --- Search progress window -----------------------------------------------------------------

bool TFileListView::ProgressWindowCanceled() const { return FFileSearchProgress && FFileSearchProgress->Canceled; }

void TFileListView::ProgressWindowShow(const std::string& Caption) {
  if (!FFileSearchProgress) FFileSearchProgress = std::make_unique<TFileSearchProgressObj>(nullptr);
  TFileSearchProgressObj& p = *FFileSearchProgress;
  p.StrCaption = Caption;
  const uint32_t language = SprStoreLanguage();
  p.StrStatus = SprLabelCaption(StrRes.StrFound, language);
  p.StrCurrentFile = SprLabelCaption(StrRes.StrLastFound, language);
  p.StrCurrentFolder = SprLabelCaption(StrRes.StrCurrentFolder, language);
  p.StrSearchedFiles = SprLabelCaption(StrRes.StrSearchedFiles, language);
  p.StrSearchedFolders = SprLabelCaption(StrRes.StrSearchedFolders, language);
  p.StrTargetFile = SprLabelCaption(StrRes.StrTargetFile, language);
  p.StrCancel = StrRes.StrCancel;
  p.AutoRefreshGUIOnValueChange = false;
  p.Show();
}

bool TFileListView::ProgressWindowReport(const std::string* CurrentFile, const std::string* CurrentFolder,
                                         int32_t SearchedFiles, int32_t SearchedFolders) {
  if (!FFileSearchProgress) return false;
  TFileSearchProgressObj& p = *FFileSearchProgress;
  if (CurrentFile) p.SetCurrentFile(*CurrentFile);
  if (CurrentFolder) p.SetCurrentFolder(*CurrentFolder);
  if (SearchedFiles >= 0) p.SetSearchedFiles(SearchedFiles);
  if (SearchedFolders >= 0) p.SetSearchedFolders(SearchedFolders);
  p.RefreshGUI();
  return p.Canceled;
}

void TFileListView::ProgressWindowFree() { FFileSearchProgress.reset(); }

int32_t TFileListView::PlatformIconIndex(const std::string& FileName, bool IsFolder) {
  return IsFolder ? FSysIcons->GetIndexForFolder(FileName) : FSysIcons->GetIndexForFile(FileName);
}

void TFileListView::PlatformBeginUpdate() {
  if (FUpdateDepth++ == 0) viewport()->setUpdatesEnabled(false);
}

void TFileListView::PlatformEndUpdate() {
  if (FUpdateDepth > 0 && --FUpdateDepth == 0) {
    viewport()->setUpdatesEnabled(true);
    viewport()->update();
  }
}

// --- Dialogs ---------------------------------------------------------------------------------

namespace {

// The texts and the filter state the folder search and the filter dialog share.
template <typename Dialog>
void GiveFilterDialogTexts(Dialog& d, const TFileListViewStrRes& s) {
  d.StrOk = s.StrOK;
  d.StrCancel = s.StrCancel;
  d.StrName = s.StrName;
  d.StrInterpretAsRegex = s.StrInterpretAsRegex;
  d.StrExtension = s.StrFileExtension;
  d.StrExtensionFilterDesc = s.StrFilterHint;
  d.StrOptionen = s.StrOptions;
  d.StrSearchSubDirs = s.StrSearchSubfolders;
  d.StrIncludeHiddenFilesAndFolders = s.StrIncludeHidden;
  d.StrFormat = s.StrFormat;
  d.StrMatchCase = s.StrMatchCase;
  d.StrOnlyTextFiles = s.StrOnlyTextFiles;
  d.StrFileType = s.StrFileType;
  d.StrActivateAll = s.StrActivateAll;
  d.StrDeactivateAll = s.StrDeactivateAll;
}

template <typename Dialog>
void GiveFilterState(Dialog& d, const TFileListViewCore& v) {
  const TFileNameFilterObj& names = *v.FileNameFilter;
  const TFileExtensionFilterObj& exts = *v.FileExtensionFilter;
  d.SearchSubDirs = v.SearchSubDirectories;
  d.AddHiddenFiles = v.AddHiddenFiles;
  d.AddOnlyTextFiles = v.AddOnlyTextFiles;
  d.ShowOptionOnlyTextFiles = v.ShowFilterOptOnlyTextFiles;
  d.ShowFilterFileType = v.ShowFilterFileType;
  d.FilterNameStr = names.FilterStr;
  d.FilterNameIsRegEx = names.FilterStrIsRegex;
  d.FilterNameMatchCase = names.FilterStrMatchCase;
  d.FilterExtensionCurrent = exts.GetCurrentExtensionsAsCSVString(",");
  d.FilterExtensionGeneral = exts.GetGeneralExtensionsAsCSVString(",");
  d.FilterFileType = exts.FilterFileType();
}

// What both dialogs give back on OK; the filter-change event follows.
template <typename Dialog>
void TakeFilterState(const Dialog& d, TFileListViewCore& v) {
  v.SearchSubDirectories = d.SearchSubDirs;
  v.AddHiddenFiles = d.AddHiddenFiles;
  v.AddOnlyTextFiles = d.AddOnlyTextFiles;
  v.FileNameFilter->SetFilter(d.FilterNameStr, d.FilterNameIsRegEx, d.FilterNameMatchCase);
  v.FileExtensionFilter->SetCurrentExtensionsFromCSVString(d.FilterExtensionCurrent);
  if (v.ShowFilterFileType) v.FileExtensionFilter->SetFilterFileType(d.FilterFileType);
}

template <typename Dialog>
void GiveFileKindTexts(Dialog& d, const TFileExtensionFilterObj& f) {
  d.StrDocuments = f.StrDocuments;
  d.StrFonts = f.StrFonts;
  d.StrImages = f.StrImages;
  d.StrVideos = f.StrVideos;
  d.StrTextFiles = f.StrTextFiles;
  d.StrAudioFiles = f.StrAudioFiles;
  d.StrArchives = f.StrArchives;
  d.StrOthers = f.StrOthers;
}

}  // namespace

void TFileListView::ExecuteDirSelectDialogInternal(bool FileSearchDialog) {
  TDirSelectDialog dialog(FileSearchDialog);
  GiveFilterDialogTexts(dialog, StrRes);
  dialog.StrFilter = StrRes.StrFilter;
  GiveFileKindTexts(dialog, *FileExtensionFilter);
  dialog.InitialDir = LastDir;
  GiveFilterState(dialog, *this);
  dialog.MultiSelect = true;
  dialog.BiDiMode = layoutDirection();
  dialog.NumberOfFilters = GetFilterCount();
  if (!FileSearchDialog) {
    dialog.StrCaption = "Add Drive or Folder";
  } else if (!StrRes.StrFolderDialogTitle.empty()) {
    dialog.StrCaption = StrRes.StrFolderDialogTitle;
  } else {
    dialog.StrCaption = AddFiles && !AddFolders ? StrRes.StrAddFilesFromFolder : StrRes.StrSearchFolder;
  }
  if (!dialog.Execute() || dialog.SelectedDir.empty()) return;
  LastDir = dialog.SelectedDir;
  TakeFilterState(dialog, *this);
  FilterChangeInternal();
  if (!IsFolderAndExists(dialog.SelectedDir)) {
    NotificationDialog(StrRes.StrError, StrRes.StrDirectoryNotFound, StrRes.StrOK);
    return;
  }
  if (!FileSearchDialog) return;
  FileFinderProgressDialogBeginAdding();
  for (const std::string& folder : dialog.SelectedDirs) AddFilesAndFoldersFromFolder(folder);
  FileFinderProgressDialogEndAdding();
}

void TFileListView::ExecuteOpenDialog() {
  QFileDialog dialog(this, ToQString(StrRes.StrAddFilesDialogTitle),
                     LastDir.empty() ? QDir::currentPath() : ToQString(LastDir));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setViewMode(QFileDialog::Detail);
  dialog.setNameFilters(QtFileFilters(FileExtensionFilter->GetFilterStringForOpenAndSaveDialogs()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  LastDir = FromQString(dialog.directory().absolutePath());
  TStrArray files;
  for (const QString& f : dialog.selectedFiles()) files.push_back(FromQString(f));
  AddFilesFromStringList(files, true);
}

void TFileListView::ShowFileFilterOptionsDialog() {
  TFileFilterOptionsDialog dialog;
  GiveFilterDialogTexts(dialog, StrRes);
  dialog.StrCaption = StrRes.StrFilter;
  dialog.StrApplyFilterOnlyForFolderSearch = StrRes.StrApplyFilterOnlyWhenSearchingFolders;
  dialog.StrApplyFilterAlsoForSingleFiles = StrRes.StrApplyFilterForSingleFiles;
  dialog.StrUpdateFileListAfterFilterChange = StrRes.StrUpdateAfterFilterChange;
  dialog.StrAlways = StrRes.StrAlways;
  dialog.StrAsk = StrRes.StrAsk;
  dialog.StrNever = StrRes.StrNever;
  dialog.StrSettings = StrRes.StrSettings;
  dialog.StrUpdateN = StrRes.StrUpdate;
  dialog.StrApplicationApply = StrRes.StrApplication;
  GiveFileKindTexts(dialog, *FileExtensionFilter);
  GiveFilterState(dialog, *this);
  dialog.ApplyFilterForSingleFiles = ApplyFilterForSingleFiles;
  dialog.UpdateFileListAfterFilterChange = UpdateFileListAfterFilterChange;
  dialog.BidiMode = layoutDirection();
  if (dialog.ShowModal() != kModalResultOK) return;
  TakeFilterState(dialog, *this);
  ApplyFilterForSingleFiles = dialog.ApplyFilterForSingleFiles;
  UpdateFileListAfterFilterChange = dialog.UpdateFileListAfterFilterChange;
  FilterChangeInternal();
  switch (UpdateFileListAfterFilterChange) {
    case anaOptAlways:
      if (ContainsFilesNotMatchingCurrentFileFilter()) RemoveFilesNotMatchingCurrentFileFilter();
      break;
    case anaOptAsk: ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter(); break;
    default: break;
  }
}

void TFileListView::ShowFilesNotMatchingAnymoreDialogIfContainsFilesNotMatchingCurrentFileFilter() {
  if (!ContainsFilesNotMatchingCurrentFileFilter()) return;
  if (ConfirmationDialogSystem(StrRes.StrNote, StrRes.StrFilesNotMatchingFilter + "\n\n" + StrRes.StrRemoveThoseFiles,
                               StrRes.StrYes, StrRes.StrNo, std::string(1, '\0')) == kModalResultYes) {
    RemoveFilesNotMatchingCurrentFileFilter();
  }
}

// --- The desktop ------------------------------------------------------------------------------

void TFileListView::OpenSelected() {
  for (int32_t i : GetSelectedItemIndexes()) {
    const auto k = static_cast<size_t>(i);
    const std::string name(Items().FileName(k));
    // Entries gone from the disk are passed over without a word.
    if (Items().IsFolder(k) ? IsFolderAndExists(name) : QFileInfo::exists(ToQString(name))) OpenDirectory(name);
  }
}

void TFileListView::OpenContainingFolderOfSelected() {
  TStrArray opened;
  for (int32_t i : GetSelectedItemIndexes()) {
    const std::string folder = GetContainingFolderOfFile(i);
    if (folder.empty() || std::find(opened.begin(), opened.end(), folder) != opened.end()) continue;
    OpenDirectory(folder);
    opened.push_back(folder);
  }
}

void TFileListView::CopyToClipboardSelected_Files() {
  const TStrArray files = GetFilePathAndNameOfSelectedFiles();
  if (!files.empty()) CopyFilesToClipboard(files, TClipboardDropEffect::Copy);
}

void TFileListView::CopyToClipboardSelected_Paths() {
  std::string text;
  for (const std::string& f : GetFilePathAndNameOfSelectedFiles()) {
    if (!text.empty()) text += '\n';
    text += f;
  }
  QApplication::clipboard()->setText(ToQString(text));
}

void TFileListView::ShowSystemPropertiesDialogOfFile(int32_t Index) {
  if (Index < 0 || Index >= GetFileCount()) return;
  ShowSystemFilePropertyDialog(std::string(Items().FileName(static_cast<size_t>(Index))));
}

void TFileListView::ShowSystemPropertiesDialogOfSelected() {
  for (int32_t i : GetSelectedItemIndexes()) ShowSystemPropertiesDialogOfFile(i);
}
