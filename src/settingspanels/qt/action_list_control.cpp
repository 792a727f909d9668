// The action-list control of the settings container: a selector of the saved
// lists, a panel that shows the chosen list as a table or as text, a row of
// four buttons (whose commands the localised container gives), the context
// menu all action lists share, the list files and the stored default list.
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <cmath>
#include <set>

#include "controls/caption_panels.h"
#include "controls/control_helpers.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/padding_button.h"
#include "controls/zoom_memo.h"
#include "filelist/core/file_finder.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/text_files.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_platform.h"
#include "settingspanels/qt/settings_container.h"

namespace {

constexpr int32_t kPanelHeight = 140;
constexpr int32_t kPanelMinHeight = 75;
constexpr int32_t kResizeStrip = 7;
constexpr int32_t kColumnWidths[alCellCount] = {130, 140, 165, 165, 100};

// The shared context menu's entries.
enum : int32_t {
  alMenuNewAction = 1,
  alMenuRemoveSelected = 5,
  alMenuRemoveNotSelected = 6,
  alMenuRemoveAll = 7,
  alMenuShowTable = 8,
  alMenuShowText = 9,
  alMenuCopy = 10,
  alMenuPaste = 11,
  alMenuSwap = 12,
  alMenuDiscard = 13,
  alMenuAddOption = 14,     // 14 to 18: c, r, a, w, i
  alMenuRemoveOption = 19,  // 19 to 23
};
// Their order; 0 stands for a divider.
constexpr int32_t kMenuOrder[] = {1,  0,  10, 11, 0, 12, 14, 15, 16, 17, 18, 19, 20,
                                  21, 22, 23, 0,  5, 6,  7,  0,  8,  9,  0,  13};

}  // namespace

int32_t TSettingsContainer::AddActionList(int32_t tab, const std::string& caption, int32_t captionSlot,
                                          const std::string& iniKey, const std::string& defaultValue,
                                          const std::string& folder, const std::string& extension,
                                          int32_t actionListKind) {
  const int32_t index = AddControl(tab, sckActionList, caption, captionSlot, iniKey, defaultValue);
  TSettingsContainerActionListWrapper w;
  w.ControlIndex = index;
  w.Folder = folder;
  w.Extension = extension;
  w.ActionListKind = actionListKind;
  ActionListWrappers.push_back(std::move(w));
  ControlRecords[index].LinkIndex = static_cast<int32_t>(ActionListWrappers.size()) - 1;
  return index;
}

std::string TSettingsContainer::ActionListRootFolder() const {
  return FActionListRootFolder.empty() ? ActionListBaseFolder() : FActionListRootFolder;
}

TSettingsContainerActionListWrapper* TSettingsContainer::ActionListWrapperOfRecord(int32_t index) {
  if (!IsRecordIndex(index) || ControlRecords[index].Kind != sckActionList) return nullptr;
  const int32_t link = ControlRecords[index].LinkIndex;
  if (link < 0 || static_cast<size_t>(link) >= ActionListWrappers.size()) return nullptr;
  return &ActionListWrappers[static_cast<size_t>(link)];
}

// --- Building ------------------------------------------------------------------------------

void TSettingsContainer::BuildActionListControl(int32_t index, QWidget* parent) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  auto* box = new TIDComboBox(parent);
  box->SetAllowEditing(false);
  box->setMaxVisibleItems(20);
  Place(parent, box, 9);
  SetControls(index, box, nullptr);
  BindChange(box, index);
  BindWheel(box);
  w->ComboBox = box;

  auto* panel = new TExpandablePanel(parent);
  panel->setFixedHeight(kPanelHeight);
  panel->ConstraintsMinHeight = kPanelMinHeight;
  panel->ResizeAreaBottom = kResizeStrip;
  auto* fill = new QVBoxLayout(panel);
  fill->setContentsMargins(0, 0, 0, kResizeStrip);
  Place(parent, panel, 8, 0);
  w->Panel = panel;

  auto* view = new TVirtualListView(panel);
  SetTag(view, index);
  view->SetMultiSelect(true);
  view->SetColumnAutoSize(true);
  view->AllowDublicates = true;
  view->OnCellChangeInit = [this](TVirtualListView* sender, const TVirtualListViewCellInfo& cell, int32_t item,
                                  int32_t id, std::string& value, bool& canChange, bool& showEditInput) {
    ProcActionListWrapperListChangeInit(sender, cell, item, id, value, canChange, showEditInput);
  };
  DefineActionListColumns(*view, kColumnWidths);
  view->setVisible(w->ViewMode == 0);
  fill->addWidget(view);
  w->ListView = view;

  auto* memo = new TAdvancedMemo(panel);
  SetTag(memo, index);
  SetUpMemo(memo);
  memo->setVisible(w->ViewMode == 1);
  fill->addWidget(memo);
  w->Memo = memo;

  if (!ActionListPopupMenu) {
    ActionListPopupMenu = new QMenu(this);
    for (int32_t tag : kMenuOrder) {
      if (tag == 0) {
        ActionListPopupMenu->addSeparator();
        continue;
      }
      QAction* item = ActionListPopupMenu->addAction(QStringLiteral("Item%1").arg(tag));
      SetTag(item, tag);
      if (tag != alMenuNewAction)
        connect(item, &QAction::triggered, this, [this, item] { ProcActionListWrapperPopupMenuItemClick(item); });
    }
  }
  for (QWidget* shown : {static_cast<QWidget*>(view), static_cast<QWidget*>(memo)}) {
    shown->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(shown, &QWidget::customContextMenuRequested, this, [this, shown](const QPoint& at) {
      if (ProcActionListWrapperPopup(shown) && ActionListPopupMenu) {
        QWidget* area =
            qobject_cast<QAbstractScrollArea*>(shown) ? static_cast<QAbstractScrollArea*>(shown)->viewport() : shown;
        ActionListPopupMenu->popup(area->mapToGlobal(at));
      }
    });
  }

  auto* row = new TRawPanel(parent);
  row->SetAutoSize(true);
  SetTag(row, index);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(4);
  QPointer<TPaddingButton>* fields[] = {&w->Button1, &w->Button2, &w->Button3, &w->Button4};
  for (int32_t number = 1; number <= 4; ++number) {
    auto* button = new TPaddingButton(QStringLiteral("Button%1").arg(number), row);
    SetTag(button, number);
    line->addWidget(button, 0, Qt::AlignTop);
    *fields[number - 1] = button;
  }
  line->addStretch(1);
  Place(parent, row, 3, 5);
  BindWheel(row);
}

// --- The selectors ----------------------------------------------------------------------------

void TSettingsContainer::LoadActionLists() {
  // Each folder is searched once, however many controls keep their lists there.
  std::set<std::string> searched;
  TFileFinderObj finder;
  finder.SearchSubDirs = false;
  const std::string root = ActionListRootFolder();
  auto folderOf = [&root](const TSettingsContainerActionListWrapper& w) {
    std::string folder = root + w.Folder;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
  };
  for (const TSettingsContainerActionListWrapper& w : ActionListWrappers) {
    const std::string folder = folderOf(w);
    if (!searched.insert(folder).second) continue;
    finder.StartFolder = folder;
    finder.Execute();
  }
  for (TSettingsContainerActionListWrapper& w : ActionListWrappers) {
    if (w.ControlIndex < 0) continue;
    auto* box = qobject_cast<TIDComboBox*>(GetControlRef(w.ControlIndex));
    if (!box) continue;
    const std::string folder = folderOf(w);
    const TStrArray files = finder.GetFilesFromFolderWithFileExtension(folder, w.Extension);
    const bool wasUpdating = Updating;
    Updating = true;
    box->BeginUpdate();
    box->ClearElements();
    box->AddElement("Default List", "default", 2);
    for (const std::string& path : files) {
      const std::string id = path.substr(folder.size());
      box->AddElement(ActionListCaptionOfFile(id, w.Extension), id, 3);
    }
    box->SetSorted(true);
    box->EndUpdate();
    Updating = wasUpdating;
  }
}

void TSettingsContainer::UpdateActionListControl(int32_t index) {
  TSettingsContainerControl& r = ControlRecords[index];
  auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index));
  if (!box) return;
  box->SetSelectedStrId(r.StrValue);
  r.IntValue = box->SelectedIntId();
  const std::string chosen = box->SelectedStrId();
  if (OnSetActionList) OnSetActionList(index, box->SelectedIntId(), chosen);
  // The user kept the shown list with changes that could not be stored.
  if (box->SelectedStrId() != chosen) {
    r.StrValue = box->SelectedStrId();
    r.IntValue = box->SelectedIntId();
  }
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (w && w->StoredHeight > 0 && w->Panel) {
    w->Panel->setFixedHeight(std::max(w->StoredHeight, kPanelMinHeight));
    w->StoredHeight = 0;
  }
}

bool TSettingsContainer::SaveActionList(int32_t wrapperIndex) {
  if (wrapperIndex < 0 || static_cast<size_t>(wrapperIndex) >= ActionListWrappers.size()) return false;
  TSettingsContainerActionListWrapper& w = ActionListWrappers[static_cast<size_t>(wrapperIndex)];
  bool saved = false;
  if (w.ListType == 2) {
    w.DefaultListText = w.PendingText;
    saved = true;
  } else if (w.ListType == 3) {
    try {
      saved = SaveString(w.PendingText, w.ListFile, 65001, false, false);
    } catch (const EFileError&) {
      saved = false;
    }
    // A list that could not be written keeps its changes for the next try,
    // and the user learns that it was not stored.
    if (!saved) {
      ActionListWriteErrorMessage(w.ListFile);
      return false;
    }
  }
  w.PendingText.clear();
  w.Modified = false;
  return saved;
}

QWidget* TSettingsContainer::GetCurrentActionListViewControlRef(int32_t index) const {
  if (!IsRecordIndex(index) || ControlRecords[index].Kind != sckActionList) return nullptr;
  const int32_t link = ControlRecords[index].LinkIndex;
  if (link < 0 || static_cast<size_t>(link) >= ActionListWrappers.size()) return nullptr;
  const TSettingsContainerActionListWrapper& w = ActionListWrappers[static_cast<size_t>(link)];
  if (w.ViewMode == 0) return w.ListView;
  if (w.ViewMode == 1) return w.Memo;
  return nullptr;
}

// --- Persistence ---------------------------------------------------------------------------------

void TSettingsContainer::SaveModifiedActionLists() {
  for (size_t i = 0; i < ActionListWrappers.size(); ++i)
    if (ActionListWrappers[i].Modified) SaveActionList(static_cast<int32_t>(i));
}

void TSettingsContainer::LoadActionListSettings(int32_t index, const TDocINI& document, const std::string& section,
                                                bool loadDefaults, bool scale) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  const double s = GetScaleFactorForCurrentDPI(scale);
  std::string text;
  if (document.ReadStringIfKeyExists(section, "default", text))
    w->DefaultListText = text;
  else if (loadDefaults)
    w->DefaultListText.clear();
  int32_t height = 0;
  if (document.ReadIntIfKeyExists(section, "height", height))
    w->StoredHeight = static_cast<int32_t>(std::lround(height / s));
  else if (loadDefaults)
    w->StoredHeight = kPanelHeight;
}

void TSettingsContainer::SaveActionListSettings(int32_t index, TDocINI& document, const std::string& section) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  if (!w->DefaultListText.empty()) document.Add(section, "default", w->DefaultListText);
  const double s = GetScaleFactorForCurrentDPI(true);
  const int32_t height = w->StoredHeight > 0 ? w->StoredHeight : w->Panel ? w->Panel->height() : 0;
  if (height > 0 && height != static_cast<int32_t>(std::lround(kPanelHeight * s)))
    document.Add(section, "height", height);
}

// --- The shared context menu and the table ----------------------------------------------------

bool TSettingsContainer::ProcActionListWrapperPopup(QObject* sender) {
  if (!ActionListPopupMenu || !sender) return false;
  const int32_t index = GetTag(sender);
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return false;
  FActionListPopupRecord = index;
  int32_t rows = 0, selected = 0;
  bool clipboard = false, swappable = false;
  TActionListOptionTypes addable = 0, present = 0;
  if (w->ViewMode == 0 && w->ListView) {
    rows = w->ListView->GetItemCount();
    selected = static_cast<int32_t>(w->ListView->GetSelectedRows().size());
    clipboard = !ActionListClipboardText().empty();
    if (ActionListDefinitions) {
      swappable = SettingsContainerActionListListViewHasSwapableItems(*w->ListView, *ActionListDefinitions);
      std::tie(addable, present) =
          SettingsContainerActionListListViewGetOptionInfo(*w->ListView, *ActionListDefinitions, true);
    }
  }
  bool any = false;
  for (QAction* item : ActionListPopupMenu->actions()) {
    if (item->isSeparator()) continue;
    const int32_t tag = GetTag(item);
    bool visible = false;
    switch (tag) {
      case alMenuNewAction: visible = true; break;
      case alMenuCopy: visible = selected > 0; break;
      case alMenuPaste: visible = clipboard; break;
      case alMenuSwap: visible = swappable; break;
      case alMenuRemoveSelected:
      case alMenuRemoveNotSelected: visible = selected > 0 && selected < rows; break;
      case alMenuRemoveAll: visible = rows > 0; break;
      case alMenuShowTable: visible = w->ViewMode == 1; break;
      case alMenuShowText: visible = w->ViewMode == 0; break;
      case alMenuDiscard: visible = w->Modified; break;
      default:
        if (tag >= alMenuAddOption && tag < alMenuAddOption + kActionListLetterCount)
          visible = ActionListHasOption(addable, static_cast<TActionListOptionType>(tag - alMenuAddOption));
        else if (tag >= alMenuRemoveOption && tag < alMenuRemoveOption + kActionListLetterCount)
          visible = ActionListHasOption(present, static_cast<TActionListOptionType>(tag - alMenuRemoveOption));
        break;
    }
    item->setVisible(visible);
    any = any || visible;
  }
  CHSetVisibilityOfDividersFromPopupMenu(ActionListPopupMenu);
  return any;
}

void TSettingsContainer::ProcActionListWrapperPopupMenuItemClick(QObject* sender) {
  auto* item = qobject_cast<QAction*>(sender);
  if (!item || !ActionListPopupMenu || !ActionListPopupMenu->actions().contains(item)) return;
  const int32_t index = FActionListPopupRecord;
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  TVirtualListView* view = w->ListView;
  const int32_t tag = GetTag(item);
  bool changed = false;
  switch (tag) {
    case alMenuRemoveSelected:
      if (view) view->RemoveSelected();
      break;
    case alMenuRemoveNotSelected:
      if (view) view->RemoveNotSelected();
      break;
    case alMenuRemoveAll:
      if (view) view->RemoveAll();
      break;
    case alMenuShowTable:
      if (w->Memo) w->Memo->hide();
      if (view) view->show();
      w->ViewMode = 0;
      if (OnSetActionList) OnSetActionList(index, 6, w->ListName);
      break;
    case alMenuShowText:
      if (view) view->hide();
      if (w->Memo) w->Memo->show();
      w->ViewMode = 1;
      if (OnSetActionList) OnSetActionList(index, 7, w->ListName);
      break;
    case alMenuCopy:
      if (view && view->OnCopy) view->OnCopy(view);
      break;
    case alMenuPaste:
      if (view && view->OnPaste) view->OnPaste(view);
      break;
    case alMenuSwap:
      if (view && ActionListDefinitions)
        SettingsContainerActionListListViewSwapSwapableItems(*view, *ActionListDefinitions);
      changed = true;
      break;
    case alMenuDiscard: {
      w->Modified = false;
      w->PendingText.clear();
      // Copies: the handler may change the wrapper.
      const int32_t type = w->ListType;
      const std::string name = w->ListName;
      if (OnSetActionList) OnSetActionList(index, type, name);
      if (OnCustomTabValueChange) OnCustomTabValueChange(this, index, "", 0, 0.0);
      break;
    }
    default:
      if (!view || !ActionListDefinitions) break;
      if (tag >= alMenuAddOption && tag < alMenuAddOption + kActionListLetterCount) {
        SettingsContainerActionListListViewAddOption(*view, *ActionListDefinitions,
                                                     static_cast<TActionListOptionType>(tag - alMenuAddOption));
        changed = true;
      } else if (tag >= alMenuRemoveOption && tag < alMenuRemoveOption + kActionListLetterCount) {
        SettingsContainerActionListListViewRemoveOption(*view, *ActionListDefinitions,
                                                        static_cast<TActionListOptionType>(tag - alMenuRemoveOption));
        changed = true;
      }
      break;
  }
  if (changed && view && view->OnChange) view->OnChange(view);
}

void TSettingsContainer::ProcActionListWrapperListChangeInit(TVirtualListView* sender,
                                                             const TVirtualListViewCellInfo& cellInfo, int32_t, int32_t,
                                                             std::string&, bool&, bool& showEditInput) {
  if (sender && ActionListDefinitions)
    ActionListCellChangeInit(*sender, *ActionListDefinitions, cellInfo, showEditInput);
}
