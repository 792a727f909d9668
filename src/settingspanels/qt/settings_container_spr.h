// The settings container in the user's language: captions and default texts
// are declared as slots of the text store, resolved in the current language
// and re-applied on every language switch. It also lends the base container
// its translation, id-list refresh and memo-dialog hooks, localised names to
// the encoding pickers and a folder chooser to folder edits.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>
#include <vector>

#include "settingspanels/qt/settings_container.h"

class TSettingsContainerActionListEditorSpr;
class TSettingsContainerActionListNewActionDialogSpr;

class TSettingsContainerSpr : public TSettingsContainer {
  Q_OBJECT
 public:
  explicit TSettingsContainerSpr(QWidget* parent = nullptr);

  void Initialize() override;
  // Re-captions everything in the language (a language constant); an empty
  // text store leaves every text as it is.
  void SetLanguage(uint32_t language);
  uint32_t Language() const { return FLanguage; }
  // The defaults of declared default texts follow the current language first.
  void ResetValuesToDefault() override;

  std::string GetTranslation(int32_t slot) const;
  void RefreshTranslationOfControl(int32_t index);
  void ShowMemoDialogSpr(int32_t index, const std::string& caption, const std::string& text,
                         const std::string& fontName, int32_t fontSize);
  void DirSelectEditButtonClickSpr(QObject* sender);

  // --- Action lists ---------------------------------------------------------------
  // Empties the registers; the open windows stay and no longer reach the container.
  ~TSettingsContainerSpr() override;
  // Puts a list into the control of record index: 2 the default list, 3 the
  // list file name, 6 the memo's text into the table, 7 the table's rows into
  // the memo. False for an invalid record or type, and when the user keeps the
  // shown list because its changes could not be stored.
  bool SetActionList(int32_t index, int32_t listType, const std::string& name);
  // Whether the control of record index shows that list.
  bool ActionListShows(int32_t index, int32_t listType, const std::string& name);
  // The register index of the editor that shows the list: an open one for the
  // default list or the same file, else a new one.
  int32_t ActionListEditorDialogShow(int32_t index, TBaseActionList* definitions, const std::string& folder,
                                     const std::string& extension, int32_t listType, const std::string& text,
                                     int32_t groupFilter, int32_t displayMode);
  int32_t ActionListEditorDialogFindOpen(int32_t listType, const std::string& file) const;
  int32_t ActionListNewActionDialogShow(int32_t index, TBaseActionList* definitions, int32_t groupFilter);
  // Deletes the list the control shows, after asking.
  void DeleteActionList(int32_t index);
  const std::vector<QPointer<TSettingsContainerActionListEditorSpr>>& ActionListEditors() const { return FEditors; }
  const std::vector<QPointer<TSettingsContainerActionListNewActionDialogSpr>>& ActionListNewActionDialogs() const {
    return FNewActionDialogs;
  }
  int32_t ActionListEditorDisplayMode() const { return FEditorDisplayMode; }

  // The handlers of the action-list controls and windows.
  void ProcActionListWrapperPaddingButtonClickSpr(QObject* sender);
  void ProcActionListWrapperPopupMenuItemClickSpr(QObject* sender);
  void ProcActionListWrapperListCopySpr(QObject* sender);
  void ProcActionListWrapperListPasteSpr(QObject* sender);
  void ProcActionListWrapperListChangeSpr(QObject* sender);
  void ProcActionListWrapperMemoChangeSpr(QObject* sender);
  void ProcActionListEditorDialogActionListChange(QObject* sender, int32_t index, bool nameChanged);
  void ProcActionListEditorDialogDefaultActionListChange(QObject* sender, int32_t index, const std::string& text);
  void ProcActionListEditorDialogSettingsChange(QObject* sender);
  void ProcActionListEditorDialogUnregister(QObject* sender, int32_t registerIndex);
  void ProcActionListNewActionDialogUnregister(QObject* sender, int32_t registerIndex);

 private:
  void BindActionListHandlers(int32_t index);
  void SetActionListTexts(int32_t index);
  void CaptionActionListPopupMenu();
  TSettingsContainerActionListWrapper* ActionListWrapperOfSender(QObject* sender);
  // Stores the changes of the shown list before the control shows another.
  // False when they could not be stored and the user stays with them.
  bool SaveChangesBeforeSwitching(int32_t index);

  int32_t FEditorDisplayMode = 0;
  std::vector<QPointer<TSettingsContainerActionListEditorSpr>> FEditors;
  std::vector<QPointer<TSettingsContainerActionListNewActionDialogSpr>> FNewActionDialogs;

  void SetDeclaredTexts(int32_t index);
  void SetBuiltInTexts(int32_t index);
  // Shows the record's default text in the new language while the user has
  // left it at its default.
  void SetDefaultText(int32_t index);

  uint32_t FLanguage = 0;
};
