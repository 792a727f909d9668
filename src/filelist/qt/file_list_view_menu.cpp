// The file list view's standard popup menu, its keys and header clicks, and
// the host's menu items and buttons that run the view's operations.
#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include "filelist/core/file_list_popup_menu.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"

namespace {

const char* const kTagProperty = "flvTag";

int32_t TagOf(const QObject* object) {
  const QVariant tag = object ? object->property(kTagProperty) : QVariant();
  return tag.isValid() ? tag.toInt() : -1;
}

// Menu entries only: every other sender is ignored.
const QAction* MenuEntry(const QObject* sender) { return qobject_cast<const QAction*>(sender); }

}  // namespace

void TFileListView::InitMenuAndKeys() {
  header()->setSectionsClickable(true);
  connect(header(), &QHeaderView::sectionClicked, this, [this](int section) { ColClick(section); });
  setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TFileListView::SetShowStandardPopupMenu(bool Value) {
  if (Value == ShowStandardPopUpMenu) return;
  ShowStandardPopUpMenu = Value;
  if (Value) {
    CreateStandardPopupMenu();
  } else {
    delete FStandardPopUpMenu;
    FStandardPopUpMenu = nullptr;
  }
}

void TFileListView::CreateStandardPopupMenu() {
  delete FStandardPopUpMenu;
  FStandardPopUpMenu = new QMenu(this);
  QMenu* menu = FStandardPopUpMenu;
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { PopupOnPopupProc(menu); });
  for (int32_t tag : StandardPopupMenuTags(PopUpCustomItems)) {
    QAction* entry = nullptr;
    if (tag == kPopupSeparator) {
      entry = menu->addSeparator();
    } else if (tag == kPopupRemoveFilesWithStatus || tag == kPopupRemoveFilesWithNotStatus) {
      // These only open their sub-menus: one entry per status text.
      QMenu* sub = menu->addMenu(QString());
      entry = sub->menuAction();
      const bool with = tag == kPopupRemoveFilesWithStatus;
      for (size_t j = 0; j < StatusTexts.size(); ++j) {
        QAction* item = sub->addAction(QString());
        item->setProperty(kTagProperty, static_cast<int>(j));
        connect(item, &QAction::triggered, this, [this, item, with] {
          if (with) {
            PopupItemClickRemoveWithStatusProc(item);
          } else {
            PopupItemClickRemoveWithNotStatusProc(item);
          }
        });
      }
    } else {
      entry = menu->addAction(QString());
      connect(entry, &QAction::triggered, this, [this, entry] { PopupItemClickProc(entry); });
    }
    entry->setProperty(kTagProperty, tag);
  }
  RefreshStandardPopupMenuItemCaptions();
}

void TFileListView::RefreshStandardPopupMenuItemCaptions() {
  if (!FStandardPopUpMenu) return;
  for (QAction* entry : FStandardPopUpMenu->actions()) {
    const int32_t tag = TagOf(entry);
    if (tag == kPopupSeparator) continue;
    // Store texts are shown as they are: "&" is no mnemonic here.
    QString caption = ToQString(StandardPopupMenuCaption(tag, StrRes, PopUpCustomItems));
    entry->setText(caption.replace('&', "&&"));
    QMenu* sub = entry->menu();
    if (!sub || sub->actions().size() != static_cast<qsizetype>(StatusTexts.size())) continue;
    for (QAction* item : sub->actions()) {
      QString text = ToQString(StatusTexts[static_cast<size_t>(TagOf(item))]);
      item->setText(text.replace('&', "&&"));
    }
  }
}

void TFileListView::PopupOnPopupProc(QObject* Sender) {
  QMenu* menu = qobject_cast<QMenu*>(Sender);
  if (!menu) return;
  const TFileListViewPopupState state = GetPopupState(*this, [this] { return ContainsBinaryFiles(); });
  menu->setLayoutDirection(layoutDirection());
  const QList<QAction*> entries = menu->actions();
  std::vector<int32_t> tags;
  for (const QAction* entry : entries) tags.push_back(TagOf(entry));
  const std::vector<bool> shown = StandardPopupMenuVisibility(tags, *this, state);
  for (qsizetype i = 0; i < entries.size(); ++i) {
    entries[i]->setVisible(shown[static_cast<size_t>(i)]);
    QMenu* sub = entries[i]->menu();
    if (!sub || !shown[static_cast<size_t>(i)]) continue;
    sub->setLayoutDirection(layoutDirection());
    const QList<QAction*> items = sub->actions();
    if (items.size() != static_cast<qsizetype>(StatusTexts.size())) continue;
    for (QAction* item : items) {
      const int32_t status = TagOf(item);
      item->setVisible(status >= 0 && status < kFileStatusCount && state.StatusPresent[static_cast<size_t>(status)]);
    }
  }
}

void TFileListView::PopupItemClickProc(QObject* Sender) {
  const QAction* entry = MenuEntry(Sender);
  if (!entry) return;
  const int32_t tag = TagOf(entry);
  switch (tag) {
    case kPopupOpen: OpenSelected(); return;
    case kPopupOpenContainingFolder: OpenContainingFolderOfSelected(); return;
    case kPopupCopyFilesToClipboard: CopyToClipboardSelected_Files(); return;
    case kPopupCopyFilePathsToClipboard: CopyToClipboardSelected_Paths(); return;
    case kPopupFileProperties: ShowSystemPropertiesDialogOfSelected(); return;
    case kPopupRemoveAll: RemoveAll(); return;
    case kPopupRemoveSelected: RemoveSelected(); return;
    case kPopupRemoveNotSelected: RemoveNotSelected(); return;
    case kPopupRemoveBinaryFiles: RemoveBinaryFiles(); return;
    case kPopupRemoveNonexistentFiles: RemoveFilesNonExistent(); return;
    case kPopupListProperties: ShowListPropertiesDialog(); return;
    case kPopupExportFileList: ExecuteFileListExportDialog(); return;
    case kPopupImportFileList: ExecuteFileListImportDialog(); return;
    case kPopupAddFiles: ExecuteOpenDialog(); return;
    case kPopupSearchFolder: ExecuteFileFinderDialog(); return;
    case kPopupFilter: ShowFileFilterOptionsDialog(); return;
    case kPopupColumns: ExecuteColumnsDialog(); return;
    default: break;
  }
  if (tag >= kPopupCustomBase && OnPopUpClick) {
    const size_t n = static_cast<size_t>(tag - kPopupCustomBase);
    if (n >= PopUpCustomItems.size()) return;
    std::string fileName;
    int32_t id = 0, index = -1;
    TFileListViewListItem item = kNoFileListItem;
    if (!GetSelectedItemParams(fileName, id, index, item)) {
      fileName.clear();
      id = 0;
      index = -1;
      item = kNoFileListItem;
    }
    OnPopUpClick(this, PopUpCustomItems[n].ID, item, index, id, fileName);
  }
}

void TFileListView::PopupItemClickRemoveWithStatusProc(QObject* Sender) {
  if (const QAction* entry = MenuEntry(Sender)) RemoveFilesWithStatus(TagOf(entry), true);
}

void TFileListView::PopupItemClickRemoveWithNotStatusProc(QObject* Sender) {
  if (const QAction* entry = MenuEntry(Sender)) RemoveFilesWithStatus(TagOf(entry), false);
}

void TFileListView::contextMenuEvent(QContextMenuEvent* e) {
  if (!FStandardPopUpMenu) {
    QTreeView::contextMenuEvent(e);
    return;
  }
  FStandardPopUpMenu->popup(e->globalPos());
  e->accept();
}

// --- Keys ------------------------------------------------------------------------------

void TFileListView::KeyDown(int Key, Qt::KeyboardModifiers Shift) {
  const TFileListViewKey key = Key == Qt::Key_A ? flvKeyA : Key == Qt::Key_Delete ? flvKeyDelete : flvKeyOther;
  int32_t modifiers = 0;
  if (Shift & Qt::ShiftModifier) modifiers |= kFlvShift;
  if (Shift & Qt::ControlModifier) modifiers |= kFlvCtrl;
  if (Shift & Qt::AltModifier) modifiers |= kFlvAlt;
  if (Shift & Qt::MetaModifier) modifiers |= kFlvMeta;
  switch (FileListViewKeyAction(key, modifiers, AllowDelKey)) {
    case TFileListViewKeyAction::SelectAll: {
      TIntArray rows(static_cast<size_t>(RowCount()));
      for (int32_t r = 0; r < RowCount(); ++r) rows[static_cast<size_t>(r)] = r;
      SetSelectedRows(rows);
      break;
    }
    case TFileListViewKeyAction::RemoveSelected: RemoveSelected(); break;
    case TFileListViewKeyAction::RemoveNotSelected: RemoveNotSelected(); break;
    case TFileListViewKeyAction::RemoveAll: RemoveAll(); break;
    case TFileListViewKeyAction::None: break;
  }
}

void TFileListView::keyPressEvent(QKeyEvent* e) {
  KeyDown(e->key(), e->modifiers() & ~Qt::KeypadModifier);
  QTreeView::keyPressEvent(e);
}

// --- The host's controls -------------------------------------------------------------------

namespace {

template <typename Control, typename Signal>
void Wire(QPointer<Control>& stored, Control* value, TFileListView* view, Signal signal, void (TFileListView::*run)()) {
  if (stored == value) return;
  stored = value;
  // The control before keeps its connection; none only clears the reference.
  if (value) QObject::connect(value, signal, view, [view, run] { (view->*run)(); });
}

}  // namespace

void TFileListView::SetMenuItemExport(QAction* Value) {
  Wire(FMenuItemExport, Value, this, &QAction::triggered, &TFileListView::ProcOnClickExport);
}
void TFileListView::SetMenuItemImport(QAction* Value) {
  Wire(FMenuItemImport, Value, this, &QAction::triggered, &TFileListView::ProcOnClickImport);
}
void TFileListView::SetMenuItemAddFiles(QAction* Value) {
  Wire(FMenuItemAddFiles, Value, this, &QAction::triggered, &TFileListView::ProcOnClickAddFiles);
}
void TFileListView::SetMenuItemSearchFolder(QAction* Value) {
  Wire(FMenuItemSearchFolder, Value, this, &QAction::triggered, &TFileListView::ProcOnClickSearchFolder);
}
void TFileListView::SetMenuItemRemoveAll(QAction* Value) {
  Wire(FMenuItemRemoveAll, Value, this, &QAction::triggered, &TFileListView::ProcOnClickRemoveAll);
}
void TFileListView::SetMenuItemRemoveSelected(QAction* Value) {
  Wire(FMenuItemRemoveSelected, Value, this, &QAction::triggered, &TFileListView::ProcOnClickRemoveSelected);
}
void TFileListView::SetMenuItemRemoveNotSelected(QAction* Value) {
  Wire(FMenuItemRemoveNotSelected, Value, this, &QAction::triggered, &TFileListView::ProcOnClickRemoveNotSelected);
}
void TFileListView::SetButtonAddFiles(QAbstractButton* Value) {
  Wire(FButtonAddFiles, Value, this, &QAbstractButton::clicked, &TFileListView::ProcOnClickAddFiles);
}
void TFileListView::SetButtonSearchFolder(QAbstractButton* Value) {
  Wire(FButtonSearchFolder, Value, this, &QAbstractButton::clicked, &TFileListView::ProcOnClickSearchFolder);
}
void TFileListView::SetButtonRemoveAll(QAbstractButton* Value) {
  Wire(FButtonRemoveAll, Value, this, &QAbstractButton::clicked, &TFileListView::ProcOnClickRemoveAll);
}
void TFileListView::SetButtonFilter(QAbstractButton* Value) {
  Wire(FButtonFilter, Value, this, &QAbstractButton::clicked, &TFileListView::ProcOnClickFilter);
}

void TFileListView::ProcOnClickExport() { ExecuteFileListExportDialog(); }
void TFileListView::ProcOnClickImport() { ExecuteFileListImportDialog(); }
void TFileListView::ProcOnClickAddFiles() { ExecuteOpenDialog(); }
void TFileListView::ProcOnClickSearchFolder() { ExecuteFileFinderDialog(); }
void TFileListView::ProcOnClickRemoveAll() { RemoveAll(); }
void TFileListView::ProcOnClickRemoveSelected() { RemoveSelected(); }
void TFileListView::ProcOnClickRemoveNotSelected() { RemoveNotSelected(); }
void TFileListView::ProcOnClickFilter() { ShowFileFilterOptionsDialog(); }
