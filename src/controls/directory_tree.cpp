#include "controls/directory_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QPixmap>
#include <filesystem>
#include <mutex>
#include <thread>

#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"

namespace {
constexpr int kLoadedRole = Qt::UserRole + 1;
constexpr int kLoopLinkRole = Qt::UserRole + 2;
constexpr int kIconSize = 16;
}  // namespace

TSysIconsImageList::TSysIconsImageList(QObject* parent) : QObject(parent) {}

int32_t TSysIconsImageList::GetIndexForFile(const std::string& fileName) {
  std::string ext = UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(fileName));
  if (ext == "APP" || ext == "ICNS") return GetIndex(fileName, sitByFile);
  return GetIndex(ext, sitByExtension);
}

int32_t TSysIconsImageList::GetIndexForFolder(const std::string& folder) {
  std::string up = UTF8UpperCase(folder);
  if (up.size() >= 4 && up.compare(up.size() - 4, 4, ".APP") == 0) return GetIndex(folder, sitByFile);
  if (FolderIconIndex == -1) FolderIconIndex = GetIndex(folder, sitFolder);
  return FolderIconIndex;
}

int32_t TSysIconsImageList::ContainsIndexForExt(const std::string& upperExt) const {
  return FCache.GetValue(upperExt, -1);
}

int32_t TSysIconsImageList::GetIndex(const std::string& name, TSysIconImageType kind) {
  if (kind == sitByExtension) {
    int32_t cached = ContainsIndexForExt(name);
    if (cached >= 0) return cached;
  }
  ++FRequests;
  QIcon icon;
  switch (kind) {
    case sitByExtension:
    case sitByFileExtension:
      icon = FProvider.icon(QFileInfo(QStringLiteral("file.") + ToQString(name).toLower()));
      break;
    case sitByFile: icon = FProvider.icon(QFileInfo(ToQString(name))); break;
    case sitFolder: icon = FProvider.icon(QAbstractFileIconProvider::Folder); break;
  }
  if (icon.isNull() || icon.pixmap(kIconSize, kIconSize).isNull()) return -1;
  FIcons.push_back(QIcon(icon.pixmap(kIconSize, kIconSize)));
  auto index = static_cast<int32_t>(FIcons.size()) - 1;
  if (kind == sitByExtension) FCache.AddOrUpdate(name, index);
  return index;
}

QIcon TSysIconsImageList::Icon(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return FIcons[static_cast<size_t>(index)];
}

// Shared with the listing threads: once the tree is gone they deliver
// nothing. A posted delivery that is still queued when the tree dies is
// dropped by Qt together with the tree.
struct TDirTreeView::TMailbox {
  std::mutex Lock;
  TDirTreeView* Receiver = nullptr;
};

TDirTreeView::TDirTreeView(QWidget* parent)
    : QTreeWidget(parent), FIcons(new TSysIconsImageList(this)), FMailbox(std::make_shared<TMailbox>()) {
  FMailbox->Receiver = this;
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(kIconSize, kIconSize));
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    if (FLoadingChildren) return;
    // A link back into its own ancestors is never entered.
    if (item->data(0, kLoopLinkRole).toBool()) {
      FLoadingChildren = true;
      collapseItem(item);
      FLoadingChildren = false;
      return;
    }
    RequestListing(item);
  });
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (OnSelectionChanged) OnSelectionChanged(this);
  });
}

TDirTreeView::~TDirTreeView() {
  std::lock_guard<std::mutex> guard(FMailbox->Lock);
  FMailbox->Receiver = nullptr;
}

void TDirTreeView::SetMultiSelect(bool value) {
  setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QTreeWidgetItem* TDirTreeView::AddTopNode(const std::string& text) {
  FWalkNode = nullptr;
  FWalkParts.clear();
  FPending.clear();
  clear();
  auto* top = new QTreeWidgetItem(this, QStringList(ToQString(text)));
  top->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  if (FShowFileIcons) top->setIcon(0, FIcons->Icon(FIcons->GetIndexForFolder(GetRootPath())));
  expandItem(top);
  return top;
}

void TDirTreeView::LoadBaseDirs() {
  FRoot.clear();
  AddTopNode("/");
}

void TDirTreeView::SetRoot(const std::string& text) {
  if (text == FRoot && topLevelItemCount() > 0) return;
  std::string root = text.empty() ? "/" : text;
  FRoot = FromQString(QFileInfo(ToQString(root)).absoluteFilePath());
  AddTopNode(text.empty() ? "/" : text);
}

std::string TDirTreeView::GetRootPath() const { return WithTrailingDelimiter(FRoot.empty() ? GetBasePath() : FRoot); }

std::string TDirTreeView::GetPathFromNode(const QTreeWidgetItem* node) const {
  if (node == nullptr) return "";
  if (node->parent() == nullptr) return GetRootPath();
  std::string path = FromQString(node->text(0));
  for (const QTreeWidgetItem* p = node->parent(); p != nullptr; p = p->parent()) {
    if (p->parent() == nullptr) {
      path = GetRootPath() + path;
    } else {
      path = FromQString(p->text(0)) + "/" + path;
    }
  }
  return path;
}

std::string TDirTreeView::GetPath() const {
  QList<QTreeWidgetItem*> items = selectedItems();
  return items.isEmpty() ? std::string() : GetPathFromNode(items.first());
}

TStrArray TDirTreeView::GetSelectedPaths() const {
  TStrArray paths;
  for (QTreeWidgetItemIterator it(const_cast<TDirTreeView*>(this), QTreeWidgetItemIterator::Selected); *it; ++it)
    paths.push_back(GetPathFromNode(*it));
  return paths;
}

void TDirTreeView::SetShowFileIcons(bool value) {
  FShowFileIcons = value;
  setIconSize(value ? QSize(kIconSize, kIconSize) : QSize(0, 0));
}

void TDirTreeView::RequestListing(QTreeWidgetItem* node) {
  uint64_t ticket = FNextTicket++;
  FPending[ticket] = node;
  std::string path = GetPathFromNode(node);
  std::shared_ptr<TMailbox> mailbox = FMailbox;
  std::thread([mailbox, ticket, path] {
    TDirTreeListing listing = ListDirTreeLevel(path);
    std::lock_guard<std::mutex> guard(mailbox->Lock);
    TDirTreeView* tree = mailbox->Receiver;
    if (tree == nullptr) return;
    QMetaObject::invokeMethod(
        tree, [tree, ticket, listing] { tree->ApplyListing(ticket, listing); }, Qt::QueuedConnection);
  }).detach();
}

void TDirTreeView::Forget(QTreeWidgetItem* node) {
  for (int i = 0; i < node->childCount(); ++i) Forget(node->child(i));
  for (auto it = FPending.begin(); it != FPending.end();) {
    if (it->second == node) {
      it = FPending.erase(it);
    } else {
      ++it;
    }
  }
  if (FWalkNode == node) {
    FWalkNode = nullptr;
    FWalkParts.clear();
  }
}

void TDirTreeView::DeleteChildren(QTreeWidgetItem* node) {
  while (node->childCount() > 0) {
    QTreeWidgetItem* child = node->child(0);
    Forget(child);
    delete child;
  }
}

void TDirTreeView::ApplyListing(uint64_t ticket, const TDirTreeListing& listing) {
  auto it = FPending.find(ticket);
  if (it == FPending.end()) return;
  QTreeWidgetItem* node = it->second;
  FPending.erase(it);
  FLoadingChildren = true;
  DeleteChildren(node);
  for (const auto& entry : listing.Entries) {
    auto* child = new QTreeWidgetItem(node, QStringList(ToQString(entry.Name)));
    child->setChildIndicatorPolicy(entry.HasSubDirs ? QTreeWidgetItem::ShowIndicator
                                                    : QTreeWidgetItem::DontShowIndicator);
    child->setData(0, kLoopLinkRole, entry.LoopLink);
    if (FShowFileIcons) child->setIcon(0, FIcons->Icon(FIcons->GetIndexForFolder(entry.Path)));
  }
  node->setData(0, kLoadedRole, true);
  if (listing.Entries.empty()) {
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    collapseItem(node);
  }
  FLoadingChildren = false;
  if (FWalkNode == node) ContinueSetPath();
}

QTreeWidgetItem* TDirTreeView::FindChild(QTreeWidgetItem* parent, const std::string& name) const {
  std::string want = UTF8LowerCase(name);
  for (int i = 0; i < parent->childCount(); ++i)
    if (UTF8LowerCase(FromQString(parent->child(i)->text(0))) == want) return parent->child(i);
  return nullptr;
}

void TDirTreeView::SetPath(const std::string& path) {
  std::error_code ec;
  std::string absolute = path;
  if (absolute.empty()) return;
  if (absolute[0] != '/') {
    std::string underRoot = GetRootPath() + absolute;
    absolute = std::filesystem::is_directory(underRoot, ec)
                   ? underRoot
                   : FromQString(QDir::current().absoluteFilePath(ToQString(path)));
  }
  if (!std::filesystem::is_directory(absolute, ec)) return;
  TStrArray parts;
  if (!DirTreePathParts(GetRootPath(), absolute, parts)) return;
  QTreeWidgetItem* top = topLevelItem(0);
  if (top == nullptr) return;
  if (parts.empty()) {
    expandItem(top);
    setCurrentItem(top);
    FWalkNode = nullptr;
    return;
  }
  FWalkNode = top;
  FWalkParts = parts;
  ContinueSetPath();
}

void TDirTreeView::ContinueSetPath() {
  while (FWalkNode != nullptr && !FWalkParts.empty()) {
    QTreeWidgetItem* node = FWalkNode;
    bool waiting = false;
    for (const auto& [ticket, item] : FPending)
      if (item == node) waiting = true;
    if (waiting) return;
    if (!node->data(0, kLoadedRole).toBool()) {
      if (node->isExpanded()) {
        RequestListing(node);
      } else {
        expandItem(node);
      }
      return;
    }
    QTreeWidgetItem* child = FindChild(node, FWalkParts.front());
    if (child == nullptr) break;
    FWalkParts.erase(FWalkParts.begin());
    if (FWalkParts.empty()) {
      FWalkNode = nullptr;
      expandItem(child);
      setCurrentItem(child);
      return;
    }
    FWalkNode = child;
    if (!child->isExpanded()) {
      expandItem(child);
      return;
    }
  }
  FWalkNode = nullptr;
  FWalkParts.clear();
}
