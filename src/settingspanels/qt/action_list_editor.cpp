#include "settingspanels/qt/action_list_editor.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "controls/caption_panels.h"
#include "controls/control_helpers.h"
#include "controls/dialogs.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/splitter_panel.h"
#include "controls/tab_panel.h"
#include "controls/zoom_memo.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/scroll_box.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_platform.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "text/caption_grammar.h"
#include "text/text_store.h"

namespace {

// The program text that says a list was read without some of its numbers.
constexpr int32_t kNumbersCutText = 126;

// A list with more numbers than the model holds is read without the ranges
// past them, which whoever carries it out would then miss: the user learns so.
void TellIfNumbersCut(const TBaseActionList& list) {
  if (list.NumbersCut()) ActionListMessageBox(4, SprLocalText(kNumbersCutText));
}

constexpr int32_t kClientWidth = 1100;
constexpr int32_t kClientHeight = 670;
constexpr int32_t kLeftSideWidth = 375;
// The same on both sides: layouts keep their margins where they are in a
// mirrored window, and nothing may touch the splitter or the window's edge.
constexpr int32_t kPanelMargin = 5;
constexpr int32_t kColumnWidths[alCellCount] = {130, 140, 175, 175, 80};

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace

TSettingsContainerActionListEditorSpr::TSettingsContainerActionListEditorSpr()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  RootFolder = ActionListBaseFolder();
  BuildGUI();
}

TSettingsContainerActionListEditorSpr::~TSettingsContainerActionListEditorSpr() = default;

// --- Building ----------------------------------------------------------------------------

QAction* TSettingsContainerActionListEditorSpr::AddMenuItem(QMenu* menu, int32_t command, const std::string& caption,
                                                            const QString& shortcut) {
  QAction* item = menu->addAction(ToQString(caption));
  SetTag(item, command);
  if (!shortcut.isEmpty()) item->setShortcut(QKeySequence::fromString(shortcut));
  connect(item, &QAction::triggered, this, [this, command] { ProcCommand(command); });
  return item;
}

QPushButton* TSettingsContainerActionListEditorSpr::AddButton(QWidget* parent, int32_t command,
                                                              const std::string& caption) {
  auto* button = new QPushButton(ToQString(caption), parent);
  button->setMinimumWidth(100);
  SetTag(button, command);
  connect(button, &QPushButton::clicked, this, [this, command] { ProcCommand(command); });
  return button;
}

void TSettingsContainerActionListEditorSpr::BuildGUI() {
  FMenuFile = menuBar()->addMenu(QStringLiteral("File"));
  AddMenuItem(FMenuFile, cmdSave, "Save", QStringLiteral("Ctrl+S"));
  AddMenuItem(FMenuFile, cmdSaveAsNew, "Save as new Action List")->setVisible(false);
  FMenuFile->addSeparator();
  AddMenuItem(FMenuFile, cmdClose, "Close", QStringLiteral("Esc"));
  FMenuView = menuBar()->addMenu(QStringLiteral("View"));
  AddMenuItem(FMenuView, cmdViewList, "List", QStringLiteral("Ctrl+Alt+L"));
  AddMenuItem(FMenuView, cmdViewText, "Text", QStringLiteral("Ctrl+Alt+T"));

  FSplitter = new TSplitterPanel(this);
  // A larger window gives its room to the list; the composer keeps its width.
  FSplitter->SetResizeBehavior(rbFixedSideA);
  setCentralWidget(FSplitter);
  QWidget* left = FSplitter->GetSide(0);
  QWidget* right = FSplitter->GetSide(1);
  left->setMinimumWidth(200);
  right->setMinimumWidth(300);

  // Left: the list's name over the composer of a new action.
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, 0, 0, 0);
  leftColumn->setSpacing(4);
  FNamePanel = new TCollapsiblePanel(left);
  FNamePanel->SetCaption("Name of the Action List");
  auto* nameColumn = new QVBoxLayout(FNamePanel->GetContentPanel());
  nameColumn->setContentsMargins(5, 5, 5, 5);
  FNameEdit = new QLineEdit(FNamePanel->GetContentPanel());
  nameColumn->addWidget(FNameEdit);
  leftColumn->addWidget(FNamePanel);
  connect(FNameEdit, &QLineEdit::textChanged, this, [this] {
    if (!FLoading) SetModified(true);
  });

  FNewActionPanel = new TCollapsiblePanel(left);
  FNewActionPanel->SetCaption("New Action");
  auto* newColumn = new QVBoxLayout(FNewActionPanel->GetContentPanel());
  newColumn->setContentsMargins(0, 0, 0, 0);
  FScrollBox = new TScrollBox(FNewActionPanel->GetContentPanel());
  FScrollBox->setFrameShape(QFrame::NoFrame);
  FScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FScrollBox->verticalScrollBar()->setTracking(true);
  FScrollBox->verticalScrollBar()->setSingleStep(50);
  FScrollBox->setWidgetResizable(true);
  auto* content = new QWidget;
  auto* contentColumn = new QVBoxLayout(content);
  contentColumn->setContentsMargins(0, 0, 0, 0);
  contentColumn->setSpacing(0);
  FTypeChooser =
      new TSettingsContainerActionListDialogActionTypeContainer(content, 0, 5, 0, [this](QObject*, int32_t definition) {
        FConfigPanel->SetActionType(definition);
        FEditedRowID = -1;
        SetVisibilityButtonUpdate(false);
      });
  FConfigPanel = new TSettingsContainerActionListDialogActionConfigContainer(content, 1, kPanelMargin, kPanelMargin);
  auto* buttonRow = new TRawPanel(content);
  auto* buttons = new QHBoxLayout(buttonRow);
  buttons->setContentsMargins(5, 7, 0, 10);
  buttons->setSpacing(20);
  FButtonAdd = AddButton(buttonRow, cmdAdd, "Add");
  FButtonUpdate = AddButton(buttonRow, cmdUpdate, "Update");
  buttons->addWidget(FButtonAdd);
  buttons->addWidget(FButtonUpdate);
  buttons->addStretch(1);
  contentColumn->addWidget(buttonRow);
  contentColumn->addStretch(1);
  FScrollBox->setWidget(content);
  newColumn->addWidget(FScrollBox);
  leftColumn->addWidget(FNewActionPanel, 1);
  FButtonUpdate->hide();

  // Right: the list as rows or as text.
  auto* rightColumn = new QVBoxLayout(right);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  rightColumn->setSpacing(0);
  FTabs = new TTabPanel(right);
  FTabs->SetCaption("Actions as");
  TTabPanelTab* rowsPage = FTabs->AddTab("List");
  TTabPanelTab* textPage = FTabs->AddTab("Text");
  auto* rowsColumn = new QVBoxLayout(rowsPage);
  rowsColumn->setContentsMargins(0, 0, 0, 0);
  FListView = new TVirtualListView(rowsPage);
  FListView->SetMultiSelect(true);
  FListView->AllowDublicates = true;
  FListView->SetColumnAutoSize(true);
  DefineActionListColumns(*FListView, kColumnWidths);
  rowsColumn->addWidget(FListView);
  auto* textColumn = new QVBoxLayout(textPage);
  textColumn->setContentsMargins(0, 0, 0, 0);
  FMemo = new TAdvancedMemo(textPage);
  FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  textColumn->addWidget(FMemo);
  ActionListSetFixedWidthFont(FConfigPanel->Param(1).Label, FMemo);
  rightColumn->addWidget(FTabs, 1);
  auto* saveRow = new TRawPanel(right);
  auto* saveButtons = new QHBoxLayout(saveRow);
  saveButtons->setContentsMargins(10, 7, 10, 10);
  saveButtons->setSpacing(10);
  saveButtons->addStretch(1);
  FButtonSave = AddButton(saveRow, cmdSave, "Save");
  FButtonDiscard = AddButton(saveRow, cmdDiscard, "Discard Changes");
  saveButtons->addWidget(FButtonSave);
  saveButtons->addWidget(FButtonDiscard);
  rightColumn->addWidget(saveRow);
  FTabs->SetTabIndex(alDialogModeRows);
  FTabs->OnTabChange = [this](QObject*, int32_t tab) { ChangeDialogMode(tab); };

  connect(FMemo, &QPlainTextEdit::textChanged, this, [this] {
    if (!FLoading) SetModified(true);
  });
  FListView->OnChange = [this](TVirtualListView*) {
    if (!FLoading) SetModified(true);
  };
  FListView->OnSelectVirtualListItem = [this](TVirtualListView*, TVirtualListViewListItem, bool selected, int32_t index,
                                              int32_t) { ProcListSelect(index, selected); };
  FListView->OnCopy = [this](TVirtualListView*) { ProcCopy(); };
  FListView->OnPaste = [this](TVirtualListView*) { ProcPaste(); };
  FListView->OnCellChangeInit = [this](TVirtualListView*, const TVirtualListViewCellInfo& cell, int32_t, int32_t,
                                       std::string&, bool&, bool& showEditInput) {
    if (FActionList) ActionListCellChangeInit(*FListView, *FActionList, cell, showEditInput);
  };

  FPopupMenu = new QMenu(this);
  AddMenuItem(FPopupMenu, cmdCopy, "Copy");
  AddMenuItem(FPopupMenu, cmdPaste, "Paste");
  FPopupMenu->addSeparator();
  AddMenuItem(FPopupMenu, cmdSwap, "Swap Parameters");
  for (int32_t i = 0; i < kActionListLetterCount; ++i) AddMenuItem(FPopupMenu, cmdAddOption + i, "Add Option");
  for (int32_t i = 0; i < kActionListLetterCount; ++i) AddMenuItem(FPopupMenu, cmdRemoveOption + i, "Remove Option");
  FPopupMenu->addSeparator();
  AddMenuItem(FPopupMenu, cmdRemoveSelected, "Remove Selected");
  AddMenuItem(FPopupMenu, cmdRemoveNotSelected, "Remove not Selected");
  AddMenuItem(FPopupMenu, cmdRemoveAll, "Remove All");
  FListView->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (PreparePopupMenu()) FPopupMenu->popup(FListView->viewport()->mapToGlobal(at));
  });

  setMinimumSize(550, 350);
  resize(kClientWidth, kClientHeight);
  FitToScreen();
  FSplitter->SetSplitterPositionProperty(kLeftSideWidth);
}

void TSettingsContainerActionListEditorSpr::FitToScreen() {
  const QScreen* s = screen();
  if (!s) return;
  // Room for the title bar and the menu: 1.4 inch.
  const double margin = 1.4 * s->logicalDotsPerInchY();
  const QRect area = s->availableGeometry();
  int32_t w = width(), h = height();
  if (h + margin >= area.height()) h = static_cast<int32_t>(std::lround(area.height() - margin));
  if (w + margin >= area.width()) w = static_cast<int32_t>(std::lround(area.width() - margin));
  resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
}

QAction* TSettingsContainerActionListEditorSpr::MenuItem(int32_t command) const {
  for (QMenu* menu : {FMenuFile, FMenuView, FPopupMenu})
    for (QAction* item : menu->actions())
      if (!item->isSeparator() && GetTag(item) == command) return item;
  return nullptr;
}

// --- Preparing --------------------------------------------------------------------------

void TSettingsContainerActionListEditorSpr::SetParentSettingsContainer(QWidget* container) {
  FParentContainer = container;
  if (TSettingsContainerSpr* c = ParentContainer()) RootFolder = c->ActionListRootFolder();
}

TSettingsContainerSpr* TSettingsContainerActionListEditorSpr::ParentContainer() const {
  return qobject_cast<TSettingsContainerSpr*>(FParentContainer.data());
}

void TSettingsContainerActionListEditorSpr::PrepareAndShow(int32_t hostIndex, int32_t controlID, TBaseActionList* list,
                                                           const std::string& folderName,
                                                           const std::string& fileExtension,
                                                           const TSettingsContainerActionListEditorSource& source) {
  FHostIndex = hostIndex;
  FControlID = controlID;
  FActionList = list;
  FGroupFilter = source.GroupFilter;
  FFolderName = folderName;
  FFileExtension = fileExtension;
  FActionListType = source.ListType;
  const int32_t mode = source.DialogMode > alDialogModeText ? alDialogModeRows : source.DialogMode;
  FActionListFile.clear();
  FLoading = true;
  FDialogMode = mode;
  FTabs->SetTabIndex(mode);
  FLoading = false;
  SetLanguage(source.Language);

  FLoading = true;
  if (source.ListType == alListNew) {
    FNewList = true;
    FNameEdit->setText(ToQString(ActionListSlotText(707)));
  } else if (source.ListType == alListDefault) {
    FNewList = false;
    FNameEdit->setText(QStringLiteral("default"));
    FLoading = false;
    LoadActionListFromString(source.TextOrPath);
    FNamePanel->hide();
    if (QAction* item = MenuItem(cmdSaveAsNew)) item->setVisible(true);
  } else if (source.ListType == alListFile) {
    FNewList = false;
    FActionListFile = source.TextOrPath;
    // The list's own name: only the list extension is left out, as in the
    // host's chooser, so that a list named "a.b" keeps its file.
    FNameEdit->setText(ToQString(ExtractFileNameWithoutPathAndExt(source.TextOrPath)));
    FLoading = false;
    LoadActionListFromFile(source.TextOrPath);
  }
  FLoading = false;
  SetModified(false);
  RefreshCaption();
  FTypeChooser->Init(list, FGroupFilter);
  FConfigPanel->Init(list, FGroupFilter, FTypeChooser->SelectedAction);
  PlaceWindowOverHost(this, FParentContainer);
  show();
  // Its layout may have made it larger than it was before it was shown.
  PlaceWindowOverHost(this, FParentContainer);
}

void TSettingsContainerActionListEditorSpr::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  FSplitter->SetSplitterPositionProperty(kLeftSideWidth);
}

// --- Loading and the views ---------------------------------------------------------------

void TSettingsContainerActionListEditorSpr::SetModified(bool value) { FModified = value; }

bool TSettingsContainerActionListEditorSpr::LoadActionListFromFile(const std::string& path) {
  FLoading = true;
  FListView->RemoveAllWithoutDeletionDoneNotification();
  FMemo->SetText("");
  FLoading = false;
  FActionListFile = path;
  if (!FileExists(path)) return false;
  std::string text;
  try {
    text = LoadString(path);
  } catch (const EFileError&) {
    // A list that cannot be read is shown empty.
    return false;
  }
  LoadActionListFromString(text);
  return true;
}

void TSettingsContainerActionListEditorSpr::LoadActionListFromString(const std::string& text) {
  FLoading = true;
  if (FDialogMode == alDialogModeRows) {
    if (FActionList) {
      AddActionListToListView(*FListView, *FActionList, text, true);
      TellIfNumbersCut(*FActionList);
    }
  } else {
    FMemo->SetText(text);
  }
  FLoading = false;
  SetModified(false);
}

std::string TSettingsContainerActionListEditorSpr::CurrentText() const {
  if (FDialogMode == alDialogModeText) return FMemo->Text();
  std::string text;
  if (FActionList) GetActionListFromListView(text, *FListView, *FActionList, false);
  return text;
}

void TSettingsContainerActionListEditorSpr::ChangeDialogMode(int32_t mode) {
  if (mode == FDialogMode || mode < alDialogModeRows || mode > alDialogModeText) return;
  const std::string text = CurrentText();
  FDialogMode = mode;
  FLoading = true;
  FTabs->SetTabIndex(mode);
  if (mode == alDialogModeRows) {
    if (FActionList) {
      AddActionListToListView(*FListView, *FActionList, text, true);
      TellIfNumbersCut(*FActionList);
    }
  } else {
    FMemo->SetText(text);
    SetVisibilityButtonUpdate(false);
    FEditedRowID = -1;
  }
  FLoading = false;
  if (OnSettingsChange) OnSettingsChange(this, FControlID);
}

void TSettingsContainerActionListEditorSpr::SetVisibilityButtonUpdate(bool visible) {
  FButtonUpdate->setVisible(visible);
}

bool TSettingsContainerActionListEditorSpr::AddOrUpdateActionFromGUI(int32_t itemID) {
  if (!FActionList) return false;
  const bool added = FDialogMode == alDialogModeRows ? FConfigPanel->AddToOrUpdateInListView(FListView, itemID)
                                                     : FConfigPanel->AddToMemo(FMemo);
  if (added) SetModified(true);
  return added;
}

void TSettingsContainerActionListEditorSpr::ProcListSelect(int32_t itemIndex, bool selected) {
  if (!FActionList || !selected || itemIndex < 0 || static_cast<size_t>(itemIndex) >= FListView->VirtualItems.size())
    return;
  const TVirtualListViewItem& item = FListView->VirtualItems[static_cast<size_t>(itemIndex)];
  FEditedRowID = item.ID;
  auto cell = [&item](int32_t c) {
    return static_cast<size_t>(c) < item.StrValues.size() ? item.StrValues[static_cast<size_t>(c)] : std::string();
  };
  const int32_t d = FActionList->StrToAction(cell(alCellAction));
  if (d < 0) return;
  FTypeChooser->SetSelectedAction(d);
  FConfigPanel->SetActionParams(d, cell(alCellScope), cell(alCellParam1), cell(alCellParam2), cell(alCellOptions));
  SetVisibilityButtonUpdate(true);
}

void TSettingsContainerActionListEditorSpr::ProcCopy() {
  if (!FActionList) return;
  std::string text;
  GetActionListFromListView(text, *FListView, *FActionList, true);
  if (!Trim(text).empty()) SetActionListClipboardText(text);
}

void TSettingsContainerActionListEditorSpr::ProcPaste() {
  if (!FActionList) return;
  const int32_t before = FListView->GetItemCount();
  AddActionListToListView(*FListView, *FActionList, ActionListClipboardText(), false);
  if (FListView->GetItemCount() != before) SetModified(true);
}

bool TSettingsContainerActionListEditorSpr::PreparePopupMenu() {
  const int32_t rows = FListView->GetItemCount();
  const int32_t selected = static_cast<int32_t>(FListView->GetSelectedRows().size());
  const bool clipboard = !ActionListClipboardText().empty();
  const bool swappable = FActionList && SettingsContainerActionListListViewHasSwapableItems(*FListView, *FActionList);
  const auto [addable, present] = FActionList
                                      ? SettingsContainerActionListListViewGetOptionInfo(*FListView, *FActionList, true)
                                      : std::pair<TActionListOptionTypes, TActionListOptionTypes>{0, 0};
  bool any = false;
  for (QAction* item : FPopupMenu->actions()) {
    if (item->isSeparator()) continue;
    const int32_t command = GetTag(item);
    bool visible = false;
    if (command == cmdCopy)
      visible = selected > 0;
    else if (command == cmdPaste)
      visible = clipboard;
    else if (command == cmdSwap)
      visible = swappable;
    else if (command >= cmdAddOption && command < cmdAddOption + kActionListLetterCount)
      visible = ActionListHasOption(addable, static_cast<TActionListOptionType>(command - cmdAddOption));
    else if (command >= cmdRemoveOption && command < cmdRemoveOption + kActionListLetterCount)
      visible = ActionListHasOption(present, static_cast<TActionListOptionType>(command - cmdRemoveOption));
    else if (command == cmdRemoveSelected || command == cmdRemoveNotSelected)
      visible = selected > 0 && selected < rows;
    else if (command == cmdRemoveAll)
      visible = rows > 0;
    item->setVisible(visible);
    any = any || visible;
  }
  CHSetVisibilityOfDividersFromPopupMenu(FPopupMenu);
  return any;
}

// --- Commands -----------------------------------------------------------------------------

void TSettingsContainerActionListEditorSpr::ProcCommand(int32_t command) {
  switch (command) {
    case cmdSave: SaveCurrentList(); break;
    case cmdSaveAsNew: ChangeDefaultListToCustomListDialog(); break;
    case cmdDiscard:
      SetModified(false);
      close();
      break;
    case cmdClose: close(); break;
    case cmdAdd: AddOrUpdateActionFromGUI(-1); break;
    case cmdUpdate: AddOrUpdateActionFromGUI(FEditedRowID); break;
    case cmdViewList: ChangeDialogMode(alDialogModeRows); break;
    case cmdViewText: ChangeDialogMode(alDialogModeText); break;
    case cmdCopy: ProcCopy(); break;
    case cmdPaste: ProcPaste(); break;
    case cmdRemoveSelected: FListView->RemoveSelected(); break;
    case cmdRemoveNotSelected: FListView->RemoveNotSelected(); break;
    case cmdRemoveAll: FListView->RemoveAll(); break;
    case cmdSwap:
      if (FActionList) SettingsContainerActionListListViewSwapSwapableItems(*FListView, *FActionList);
      SetModified(true);
      break;
    default:
      if (!FActionList) break;
      if (command >= cmdAddOption && command < cmdAddOption + kActionListLetterCount) {
        SettingsContainerActionListListViewAddOption(*FListView, *FActionList,
                                                     static_cast<TActionListOptionType>(command - cmdAddOption));
        SetModified(true);
      } else if (command >= cmdRemoveOption && command < cmdRemoveOption + kActionListLetterCount) {
        SettingsContainerActionListListViewRemoveOption(*FListView, *FActionList,
                                                        static_cast<TActionListOptionType>(command - cmdRemoveOption));
        SetModified(true);
      }
      break;
  }
}

void TSettingsContainerActionListEditorSpr::ChangeDefaultListToCustomListDialog() {
  FNamePanel->show();
  FLoading = true;
  FNameEdit->clear();
  FLoading = false;
  FActionListType = alListFile;
  FActionListFile.clear();
  FNewList = true;
  SetModified(true);
  RefreshCaption();
  if (QAction* item = MenuItem(cmdSaveAsNew)) item->setVisible(false);
}

std::string TSettingsContainerActionListEditorSpr::ListFolder() const {
  std::string folder = RootFolder + FFolderName;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string TSettingsContainerActionListEditorSpr::ListPath(const std::string& name) const {
  return ListFolder() + name + "." + FFileExtension;
}

bool TSettingsContainerActionListEditorSpr::SaveCurrentList() {
  TSettingsContainerSpr* container = ParentContainer();
  if (!container) return false;
  int32_t savedType = FActionListType;
  std::string value;
  bool nameChanged = false;
  if (FActionListType != alListDefault) {
    const std::string name = FromQString(FNameEdit->text());
    if (name.empty()) {
      ActionListMessageBox(4, ActionListSlotText(712));
      return false;
    }
    if (!FileNameOnlyContainsAllowedChars(name)) {
      ActionListMessageBox(4, ActionListSlotText(153) + "\n" + FileNameGetDisallowedCharsAsString(" "));
      return false;
    }
    const std::string path = ListPath(name);
    const std::string folderPath = ListFolder();
    bool rename = false;
    if (!FActionListFile.empty() && path != FActionListFile) {
      const int32_t answer =
          ConfirmationDialog(ActionListSlotText(2), ActionListSlotText(713) + "\n\n" + ActionListSlotText(714),
                             ActionListSlotText(568), ActionListSlotText(708), ActionListSlotText(200), true);
      if (answer != kModalResultYes && answer != kModalResultNo) return false;
      rename = answer == kModalResultYes;
    }
    if (path != FActionListFile && FileExists(path) &&
        !ConfirmationDialog(ActionListSlotText(2), ActionListSlotText(715) + "\n\n" + ActionListSlotText(716),
                            ActionListSlotText(193), ActionListSlotText(200), true))
      return false;
    if (!SaveActionListFile(CurrentText(), path)) return false;
    const std::string oldID =
        FActionListFile.rfind(folderPath, 0) == 0 ? FActionListFile.substr(folderPath.size()) : FActionListFile;
    const std::string newID = path.substr(folderPath.size());
    if (auto* chooser = qobject_cast<TIDComboBox*>(container->GetControlRef(FControlID))) {
      const TIDNotifyEvent handler = chooser->OnChange;
      chooser->OnChange = nullptr;
      if (rename) {
        std::error_code ec;
        std::filesystem::remove(FActionListFile, ec);
        chooser->DeleteElement(oldID, alListFile);
      }
      // A list saved over an existing file is already in the chooser.
      if ((rename || path != FActionListFile) && chooser->GetIndexOfIntIdAndStrId(alListFile, newID) < 0) {
        chooser->AddElement(name, newID, alListFile);
        chooser->Sort();
      }
      chooser->SetSelectedStrId(newID);
      chooser->OnChange = handler;
      nameChanged = oldID != newID;
    } else if (rename) {
      std::error_code ec;
      std::filesystem::remove(FActionListFile, ec);
    }
    value = newID;
    FActionListFile = path;
    FActionListType = alListFile;
    savedType = alListFile;
  } else {
    if (OnDefaultActionListChange) OnDefaultActionListChange(this, FControlID, CurrentText());
    value = "default";
  }
  SetModified(false);
  RefreshCaption();
  // The control shows the saved list again, unless it shows another list
  // than the default list that was saved here.
  if (savedType != alListDefault || container->ActionListShows(FControlID, alListDefault, value))
    container->SetActionList(FControlID, savedType, value);
  if (OnActionListChange) OnActionListChange(this, FControlID, nameChanged);
  return true;
}

void TSettingsContainerActionListEditorSpr::RefreshCaption() {
  std::string caption;
  if (FNewList)
    caption = ActionListSlotText(707);
  else if (!FActionListFile.empty())
    caption = SprColonCaption(ActionListSlotText(709), ExtractFileNameWithoutPathAndExt(FActionListFile), FLanguage);
  else
    caption = ActionListSlotText(705);
  setWindowTitle(ToQString(caption));
}

void TSettingsContainerActionListEditorSpr::closeEvent(QCloseEvent* e) {
  if (FModified) {
    const bool save = ConfirmationDialog(ActionListSlotText(2), ActionListSlotText(FNewList ? 718 : 717),
                                         ActionListSlotText(67), ActionListSlotText(69), false);
    if (save && !SaveCurrentList()) {
      e->ignore();
      return;
    }
  }
  e->accept();
  if (FClosing) return;
  FClosing = true;
  if (OnUnregister) OnUnregister(this, FHostIndex);
}

// --- Texts --------------------------------------------------------------------------------

void TSettingsContainerActionListEditorSpr::CaptionMenus() {
  auto set = [this](int32_t command, const std::string& text) {
    if (QAction* item = MenuItem(command)) item->setText(ToQString(text));
  };
  FMenuFile->setTitle(ToQString(ActionListSlotText(9)));
  FMenuView->setTitle(ToQString(ActionListSlotText(127)));
  set(cmdSave, ActionListSlotText(204));
  set(cmdSaveAsNew, ActionListSlotText(708));
  set(cmdClose, ActionListSlotText(227));
  set(cmdViewList, ActionListSlotText(263));
  set(cmdViewText, ActionListSlotText(576));
  set(cmdCopy, ActionListSlotText(40));
  set(cmdPaste, ActionListSlotText(41));
  set(cmdSwap, ActionListSlotText(724));
  for (int32_t i = 0; i < kActionListLetterCount; ++i) {
    set(cmdAddOption + i, StringReplaceFast(ActionListSlotText(725), "<X>", ActionListOptionMenuText(i)));
    set(cmdRemoveOption + i, StringReplaceFast(ActionListSlotText(726), "<X>", ActionListOptionMenuText(i)));
  }
  set(cmdRemoveSelected, ActionListSlotText(55));
  set(cmdRemoveNotSelected, ActionListSlotText(58));
  set(cmdRemoveAll, ActionListSlotText(53));
}

void TSettingsContainerActionListEditorSpr::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (!SprResGlobalArr.empty()) {
    CaptionMenus();
    FTabs->SetCaption(ActionListSlotText(704));
    FTabs->GetTab(alDialogModeRows)->SetCaption(ActionListSlotText(263));
    FTabs->GetTab(alDialogModeText)->SetCaption(ActionListSlotText(576));
    FNamePanel->SetCaption(ActionListSlotText(711));
    FNewActionPanel->SetCaption(ActionListSlotText(721));
    SetActionListColumnCaptions(*FListView, ActionListSlotText(727));
    FButtonAdd->setText(ToQString(ActionListSlotText(529)));
    FButtonUpdate->setText(ToQString(ActionListSlotText(35)));
    FButtonSave->setText(ToQString(ActionListSlotText(204)));
    FButtonDiscard->setText(ToQString(ActionListSlotText(69)));
    RefreshCaption();
  }
  FTypeChooser->SetLanguage(language);
  FConfigPanel->SetLanguage(language);
  if (FActionList) RefreshActionListScopeCells(*FListView, *FActionList);
}
