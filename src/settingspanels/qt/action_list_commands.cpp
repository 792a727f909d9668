// The commands of the localised container's action-list controls: new
// action, new list, edit and delete, copy and paste of rows, live tracking of
// edits, putting a list into a control, and the registers of the editors and
// new-action dialogs the container opens.
#include <QMenu>
#include <filesystem>

#include "controls/caption_panels.h"
#include "controls/dialogs.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/padding_button.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_editor.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_new_action_dialog.h"
#include "settingspanels/qt/action_list_platform.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "text/language_constants.h"
#include "text/text_store.h"

namespace {

std::string ListFolderOf(const std::string& root, const std::string& folder) {
  std::string path = root + folder;
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// Drops the entries of closed windows; once none is open, numbering starts at 0 again.
template <class T>
void Unregister(std::vector<QPointer<T>>& entries, QObject* sender, int32_t registerIndex) {
  if (!qobject_cast<T*>(sender) || registerIndex < 0 || static_cast<size_t>(registerIndex) >= entries.size()) return;
  entries[static_cast<size_t>(registerIndex)] = nullptr;
  for (const QPointer<T>& entry : entries)
    if (entry) return;
  entries.clear();
}

}  // namespace

TSettingsContainerSpr::~TSettingsContainerSpr() {
  FEditors.clear();
  FNewActionDialogs.clear();
}

TSettingsContainerActionListWrapper* TSettingsContainerSpr::ActionListWrapperOfSender(QObject* sender) {
  return sender ? ActionListWrapperOfRecord(GetTag(sender)) : nullptr;
}

void TSettingsContainerSpr::BindActionListHandlers(int32_t index) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  for (TPaddingButton* button : {w->Button1.data(), w->Button2.data(), w->Button3.data(), w->Button4.data()}) {
    if (!button) continue;
    connect(button, &QPushButton::clicked, this,
            [this, button] { ProcActionListWrapperPaddingButtonClickSpr(button); });
  }
  if (TVirtualListView* view = w->ListView) {
    view->OnCopy = [this](TVirtualListView* sender) { ProcActionListWrapperListCopySpr(sender); };
    view->OnPaste = [this](TVirtualListView* sender) { ProcActionListWrapperListPasteSpr(sender); };
    view->OnChange = [this](TVirtualListView* sender) { ProcActionListWrapperListChangeSpr(sender); };
  }
  if (TAdvancedMemo* memo = w->Memo)
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] { ProcActionListWrapperMemoChangeSpr(memo); });
  if (ActionListPopupMenu) {
    for (QAction* item : ActionListPopupMenu->actions()) {
      if (item->isSeparator() || GetTag(item) != 1 || item->property("BoundSpr").toBool()) continue;
      item->setProperty("BoundSpr", true);
      connect(item, &QAction::triggered, this, [this, item] { ProcActionListWrapperPopupMenuItemClickSpr(item); });
    }
  }
}

// --- Putting a list into a control --------------------------------------------------------

bool TSettingsContainerSpr::SetActionList(int32_t index, int32_t listType, const std::string& name) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return false;
  if (w->Modified && (listType == alListDefault || listType == alListFile) &&
      (name != w->ListName || listType != w->ListType) && !SaveChangesBeforeSwitching(index))
    return false;
  // The wrapper may have moved while the list was saved.
  w = ActionListWrapperOfRecord(index);
  const std::string path = listType == alListFile ? ListFolderOf(ActionListRootFolder(), w->Folder) + name : "";
  std::string text;
  switch (listType) {
    case alListDefault: text = w->DefaultListText; break;
    case alListFile: try { text = LoadString(path);
      } catch (const EFileError&) {
        // A list that cannot be read shows empty.
        text.clear();
      }
      break;
    case alListFromMemo: text = w->Memo ? w->Memo->Text() : std::string(); break;
    case alListFromRows:
      if (w->ListView && ActionListDefinitions)
        GetActionListFromListView(text, *w->ListView, *ActionListDefinitions, false);
      break;
    default: return false;
  }
  SettingActionList = true;
  if (w->ViewMode == 0) {
    if (w->ListView && ActionListDefinitions) AddActionListToListView(*w->ListView, *ActionListDefinitions, text, true);
  } else if (w->ViewMode == 1) {
    if (w->Memo) w->Memo->SetText(text);
  } else {
    SettingActionList = false;
    return false;
  }
  if (listType == alListDefault || listType == alListFile) {
    w->ListName = name;
    w->ListType = listType;
    w->ListFile = path;
    w->Modified = false;
  }
  SettingActionList = false;
  return true;
}

bool TSettingsContainerSpr::SaveChangesBeforeSwitching(int32_t index) {
  while (!SaveActionList(ControlRecords[index].LinkIndex)) {
    // The user has been told why; the changes are still there, and only the
    // user may let them go.
    const int32_t answer = ConfirmationDialog(GetTranslation(2), GetTranslation(717), GetTranslation(67),
                                              GetTranslation(69), GetTranslation(200), true);
    TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
    if (!w) return false;
    if (answer == kModalResultNo) {
      w->Modified = false;
      w->PendingText.clear();
      return true;
    }
    if (answer != kModalResultYes) {
      // The selector shows the list whose changes stay.
      if (auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index))) box->SetSelectedStrId(w->ListName);
      return false;
    }
  }
  return true;
}

bool TSettingsContainerSpr::ActionListShows(int32_t index, int32_t listType, const std::string& name) {
  const TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  return w && w->ListType == listType && w->ListName == name;
}

// --- Buttons, menu, copy and paste, tracking ----------------------------------------------

void TSettingsContainerSpr::ProcActionListWrapperPaddingButtonClickSpr(QObject* sender) {
  auto* button = qobject_cast<QWidget*>(sender);
  QWidget* row = button ? button->parentWidget() : nullptr;
  const int32_t index = row ? GetTag(row) : -1;
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  switch (GetTag(button)) {
    case 1: ActionListNewActionDialogShow(index, ActionListDefinitions, w->ActionListKind); break;
    case 2:
      ActionListEditorDialogShow(index, ActionListDefinitions, w->Folder, w->Extension, alListNew, "",
                                 w->ActionListKind, FEditorDisplayMode);
      break;
    case 3: {
      // An editor would show the file without the changes that could not be
      // stored, and saving there would replace them; they stay here instead.
      if (w->Modified && !SaveActionList(ControlRecords[index].LinkIndex)) break;
      w = ActionListWrapperOfRecord(index);
      const std::string text = w->ListType == alListDefault ? w->DefaultListText
                               : w->ListType == alListFile  ? w->ListFile
                                                            : std::string();
      ActionListEditorDialogShow(index, ActionListDefinitions, w->Folder, w->Extension, w->ListType, text,
                                 w->ActionListKind, FEditorDisplayMode);
      break;
    }
    case 4: DeleteActionList(index); break;
    default: break;
  }
}

void TSettingsContainerSpr::ProcActionListWrapperPopupMenuItemClickSpr(QObject* sender) {
  auto* item = qobject_cast<QAction*>(sender);
  if (!item || !ActionListPopupMenu || !ActionListPopupMenu->actions().contains(item) || GetTag(item) != 1) return;
  const int32_t index = ActionListPopupRecord();
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (w) ActionListNewActionDialogShow(index, ActionListDefinitions, w->ActionListKind);
}

void TSettingsContainerSpr::ProcActionListWrapperListCopySpr(QObject* sender) {
  auto* view = qobject_cast<TVirtualListView*>(sender);
  if (!view || !ActionListDefinitions) return;
  std::string text;
  GetActionListFromListView(text, *view, *ActionListDefinitions, true);
  if (!Trim(text).empty()) SetActionListClipboardText(text);
}

void TSettingsContainerSpr::ProcActionListWrapperListPasteSpr(QObject* sender) {
  auto* view = qobject_cast<TVirtualListView*>(sender);
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfSender(sender);
  if (!view || !w || !ActionListDefinitions) return;
  const int32_t before = view->GetItemCount();
  AddActionListToListView(*view, *ActionListDefinitions, ActionListClipboardText(), false);
  if (view->GetItemCount() == before) return;
  GetActionListFromListView(w->PendingText, *view, *ActionListDefinitions, false);
  w->Modified = true;
}

void TSettingsContainerSpr::ProcActionListWrapperListChangeSpr(QObject* sender) {
  auto* view = qobject_cast<TVirtualListView*>(sender);
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfSender(sender);
  if (!view || !w || SettingActionList) return;
  if (ActionListDefinitions) GetActionListFromListView(w->PendingText, *view, *ActionListDefinitions, false);
  w->Modified = true;
  if (OnCustomTabValueChange) OnCustomTabValueChange(this, GetTag(sender), "", 0, 0.0);
}

void TSettingsContainerSpr::ProcActionListWrapperMemoChangeSpr(QObject* sender) {
  auto* memo = qobject_cast<TAdvancedMemo*>(sender);
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfSender(sender);
  if (!memo || !w || SettingActionList) return;
  w->PendingText = memo->Text();
  w->Modified = true;
  if (OnCustomTabValueChange) OnCustomTabValueChange(this, GetTag(sender), "", 0, 0.0);
}

// --- Deleting ----------------------------------------------------------------------------------

void TSettingsContainerSpr::DeleteActionList(int32_t index) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w || (w->ListType != alListDefault && w->ListType != alListFile)) return;
  const std::string name =
      w->ListType == alListDefault ? std::string("Default") : ActionListCaptionOfFile(w->ListName, w->Extension);
  if (!ConfirmationDialog(GetTranslation(2), StringReplaceFast(GetTranslation(719), "<X>", name), GetTranslation(193),
                          GetTranslation(200), true))
    return;
  // Unsaved changes of a deleted list go with it: saved on the next switch
  // or settings save, they would bring the list back.
  w->Modified = false;
  w->PendingText.clear();
  if (w->ListType == alListDefault) {
    w->DefaultListText.clear();
    ProcActionListEditorDialogActionListChange(this, index, false);
    ActionListMessageBox(1, GetTranslation(182));
    return;
  }
  const std::string path = w->ListFile;
  const std::string id = w->ListName;
  auto removeEntry = [this, index, id] {
    // The chooser then shows a neighbouring list, which the control loads.
    if (auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index))) box->DeleteElement(id, alListFile);
  };
  if (!FileExists(path)) {
    removeEntry();
    ActionListMessageBox(7, GetTranslation(175) + "\n\n" + path + "\n\n" + GetTranslation(160));
    return;
  }
  std::error_code ec;
  if (std::filesystem::remove(path, ec) && !ec) {
    removeEntry();
    ActionListMessageBox(1, GetTranslation(182));
  } else {
    ActionListMessageBox(7, GetTranslation(175) + "\n\n" + path + "\n\n" + GetTranslation(177));
  }
}

// --- Editors and new-action dialogs -----------------------------------------------------------

int32_t TSettingsContainerSpr::ActionListEditorDialogFindOpen(int32_t listType, const std::string& file) const {
  if (listType == alListNew) return -1;
  for (size_t i = 0; i < FEditors.size(); ++i) {
    const TSettingsContainerActionListEditorSpr* editor = FEditors[i];
    if (editor && editor->ActionListType() == listType && editor->ActionListFile() == file)
      return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TSettingsContainerSpr::ActionListEditorDialogShow(int32_t index, TBaseActionList* definitions,
                                                          const std::string& folder, const std::string& extension,
                                                          int32_t listType, const std::string& text,
                                                          int32_t groupFilter, int32_t displayMode) {
  const int32_t open = ActionListEditorDialogFindOpen(listType, listType == alListFile ? text : std::string());
  if (open >= 0) {
    FEditors[static_cast<size_t>(open)]->show();
    FEditors[static_cast<size_t>(open)]->raise();
    return open;
  }
  auto* editor = new TSettingsContainerActionListEditorSpr;
  FEditors.emplace_back(editor);
  const int32_t registerIndex = static_cast<int32_t>(FEditors.size()) - 1;
  // The window may outlive the container; then it has nobody left to tell.
  QPointer<TSettingsContainerSpr> self = this;
  editor->OnActionListChange = [self](QObject* sender, int32_t control, bool nameChanged) {
    if (self) self->ProcActionListEditorDialogActionListChange(sender, control, nameChanged);
  };
  editor->OnDefaultActionListChange = [self](QObject* sender, int32_t control, const std::string& listText) {
    if (self) self->ProcActionListEditorDialogDefaultActionListChange(sender, control, listText);
  };
  editor->OnSettingsChange = [self](QObject* sender, int32_t) {
    if (self) self->ProcActionListEditorDialogSettingsChange(sender);
  };
  editor->OnUnregister = [self](QObject* sender, int32_t entry) {
    if (self) self->ProcActionListEditorDialogUnregister(sender, entry);
  };
  editor->SetParentSettingsContainer(this);
  TSettingsContainerActionListEditorSource source;
  source.ListType = listType;
  source.TextOrPath = text;
  source.GroupFilter = groupFilter;
  source.DialogMode = displayMode;
  source.Language = Language();
  editor->PrepareAndShow(registerIndex, index, definitions, folder, extension, source);
  return registerIndex;
}

int32_t TSettingsContainerSpr::ActionListNewActionDialogShow(int32_t index, TBaseActionList* definitions,
                                                             int32_t groupFilter) {
  auto* dialog = new TSettingsContainerActionListNewActionDialogSpr;
  FNewActionDialogs.emplace_back(dialog);
  const int32_t registerIndex = static_cast<int32_t>(FNewActionDialogs.size()) - 1;
  QPointer<TSettingsContainerSpr> self = this;
  dialog->OnUnregister = [self](QObject* sender, int32_t entry) {
    if (self) self->ProcActionListNewActionDialogUnregister(sender, entry);
  };
  dialog->SetParentSettingsContainer(this);
  dialog->PrepareAndShow(registerIndex, index, definitions, groupFilter, Language());
  return registerIndex;
}

void TSettingsContainerSpr::ProcActionListEditorDialogActionListChange(QObject*, int32_t index, bool nameChanged) {
  if (!ActionListWrapperOfRecord(index)) return;
  if (nameChanged) {
    if (auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index))) ProcCustomControlChange(box);
  } else if (OnCustomTabValueChange) {
    OnCustomTabValueChange(this, index, "", 0, 0.0);
  }
}

void TSettingsContainerSpr::ProcActionListEditorDialogDefaultActionListChange(QObject*, int32_t index,
                                                                              const std::string& text) {
  if (TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index)) w->DefaultListText = text;
}

void TSettingsContainerSpr::ProcActionListEditorDialogSettingsChange(QObject* sender) {
  if (auto* editor = qobject_cast<TSettingsContainerActionListEditorSpr*>(sender))
    FEditorDisplayMode = editor->DialogMode();
}

void TSettingsContainerSpr::ProcActionListEditorDialogUnregister(QObject* sender, int32_t registerIndex) {
  Unregister(FEditors, sender, registerIndex);
}

void TSettingsContainerSpr::ProcActionListNewActionDialogUnregister(QObject* sender, int32_t registerIndex) {
  Unregister(FNewActionDialogs, sender, registerIndex);
}

// --- Texts ----------------------------------------------------------------------------------

void TSettingsContainerSpr::SetActionListTexts(int32_t index) {
  TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
  if (!w) return;
  const std::pair<TPaddingButton*, std::string> buttons[] = {
      {w->Button1, GetTranslation(721) + "..."},
      {w->Button2, GetTranslation(707) + "..."},
      {w->Button3, GetTranslation(30) + "..."},
      {w->Button4, GetTranslation(46)},
  };
  for (const auto& [button, caption] : buttons)
    if (button) button->SetCaption(ToQString(caption));
  if (!w->ListView) return;
  std::string scope;
  switch (Language()) {
    case SprLangGerman: scope = "Bereich"; break;
    case SprLangSpanish: scope = "\xC3\x81mbito"; break;
    case SprLangFrench: scope = "Domaine"; break;
    default: scope = GetTranslation(727); break;
  }
  SetActionListColumnCaptions(*w->ListView, scope);
  if (w->ViewMode == 0 && ActionListDefinitions) RefreshActionListScopeCells(*w->ListView, *ActionListDefinitions);
}

void TSettingsContainerSpr::CaptionActionListPopupMenu() {
  if (!ActionListPopupMenu) return;
  for (QAction* item : ActionListPopupMenu->actions()) {
    if (item->isSeparator()) continue;
    const int32_t tag = GetTag(item);
    std::string caption;
    switch (tag) {
      case 1: caption = GetTranslation(721) + "..."; break;
      case 5: caption = GetTranslation(55); break;
      case 6: caption = GetTranslation(58); break;
      case 7: caption = GetTranslation(53); break;
      case 8: caption = StringReplaceFast(GetTranslation(92), "<X>", GetTranslation(263)); break;
      case 9: caption = StringReplaceFast(GetTranslation(92), "<X>", GetTranslation(576)); break;
      case 10: caption = GetTranslation(40); break;
      case 11: caption = GetTranslation(41); break;
      case 12: caption = GetTranslation(724); break;
      case 13: caption = GetTranslation(69); break;
      default:
        if (tag >= 14 && tag <= 18)
          caption = StringReplaceFast(GetTranslation(725), "<X>", ActionListOptionMenuText(tag - 14));
        else if (tag >= 19 && tag <= 23)
          caption = StringReplaceFast(GetTranslation(726), "<X>", ActionListOptionMenuText(tag - 19));
        break;
    }
    // Menu entries show "&" as written.
    if (!caption.empty()) item->setText(ToQString(StringReplaceFast(caption, "&", "&&")));
  }
}
