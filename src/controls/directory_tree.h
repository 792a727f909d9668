// A read-only tree of folders that lists a folder's sub-folders only when it
// is expanded, with the system's folder icons, and an image list of 16-pixel
// system icons cached per extension.
//
// Listing runs off the GUI thread and the result is handed back queued, so a
// slow or hung folder never blocks the window; a folder that cannot be read
// simply shows no children.
#pragma once

#include <QFileIconProvider>
#include <QIcon>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/directory_model.h"
#include "foundation/hash_table.h"
#include "foundation/types.h"

enum TSysIconImageType { sitByExtension = 0, sitByFile = 1, sitByFileExtension = 2, sitFolder = 3 };

class TSysIconsImageList : public QObject {
  Q_OBJECT
 public:
  explicit TSysIconsImageList(QObject* parent = nullptr);

  int32_t GetIndexForFile(const std::string& fileName);
  int32_t GetIndexForFolder(const std::string& folder);
  int32_t ContainsIndexForExt(const std::string& upperExt) const;
  int32_t GetIndex(const std::string& name, TSysIconImageType kind);
  int32_t FolderIconIndex = -1;
  int32_t Count() const { return static_cast<int32_t>(FIcons.size()); }
  QIcon Icon(int32_t index) const;
  // How often the platform was asked; the cache keeps it to once per extension.
  int32_t PlatformRequests() const { return FRequests; }

 private:
  TStrIntHashTable FCache{263};
  std::vector<QIcon> FIcons;
  QFileIconProvider FProvider;
  int32_t FRequests = 0;
};

class TDirTreeView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit TDirTreeView(QWidget* parent = nullptr);
  ~TDirTreeView() override;

  void LoadBaseDirs();
  std::string GetBasePath() const { return "/"; }
  std::string GetRootPath() const;
  std::string GetPathFromNode(const QTreeWidgetItem* node) const;
  std::string GetPath() const;
  TStrArray GetSelectedPaths() const;
  // Selects the folder, expanding (and so loading) each level on the way.
  // Paths that do not exist or lie outside the root are ignored.
  void SetPath(const std::string& path);
  std::string Root() const { return FRoot; }
  void SetRoot(const std::string& text);
  bool ShowFileIcons() const { return FShowFileIcons; }
  void SetShowFileIcons(bool value);
  bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
  void SetMultiSelect(bool value);
  TSysIconsImageList* Icons() const { return FIcons; }

  // True while a listing is out (tests wait for it).
  bool IsLoading() const { return !FPending.empty(); }

  std::function<void(QObject* Sender)> OnSelectionChanged;

 private:
  struct TMailbox;
  void RequestListing(QTreeWidgetItem* node);
  void ApplyListing(uint64_t ticket, const TDirTreeListing& listing);
  void DeleteChildren(QTreeWidgetItem* node);
  void Forget(QTreeWidgetItem* node);
  QTreeWidgetItem* AddTopNode(const std::string& text);
  void ContinueSetPath();
  QTreeWidgetItem* FindChild(QTreeWidgetItem* parent, const std::string& name) const;

  std::string FRoot;
  bool FShowFileIcons = true;
  TSysIconsImageList* FIcons;
  std::shared_ptr<TMailbox> FMailbox;
  uint64_t FNextTicket = 1;
  std::map<uint64_t, QTreeWidgetItem*> FPending;
  // The rest of a SetPath that waits for a folder's listing.
  QTreeWidgetItem* FWalkNode = nullptr;
  TStrArray FWalkParts;
  bool FLoadingChildren = false;
};
