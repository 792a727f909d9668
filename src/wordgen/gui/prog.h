// The program's main window: the creator tab (syllable list in, made-up
// words out) and the counter tab (text in, count table out), their menus and
// popups, and the frame component that owns settings, languages and the
// settings window.
//
// The components come from the form prog.ui and keep the names it gives
// them; the command handlers tell the menu items apart by those names.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "foundation/config_files.h"
#include "foundation/letter_case.h"
#include "foundation/types.h"
#include "frame/qt/pwk_prog_obj.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/engine/engine_message.h"
#include "wordgen/engine/word_generator.h"
#include "wordgen/gui/captions.h"
#include "wordgen/gui/ratio_splitter.h"
#include "wordgen/gui/settings_schema.h"

class QTabWidget;
class QComboBox;
class TAdvancedMemo;

namespace Ui {
class Tprog;
}

// Everything the window asks the user. The program answers with real
// dialogs; tests answer from a script.
class TProgDialogs {
 public:
  virtual ~TProgDialogs() = default;
  // A modal message with one OK button.
  virtual void MessageBox(TMessageKind kind, const std::string& caption, const std::string& text) = 0;
  // The entered text, or the NUL marker when the user cancelled.
  virtual std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& text) = 0;
  // Shows a multi-line text; the result is not used.
  virtual void InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                         const std::string& cancelCaption, const std::string& text) = 0;
  // The chosen existing file, or "" when cancelled.
  virtual std::string OpenFile(const std::string& title, const std::string& filter) = 0;
  // The chosen file name, or "" when cancelled. filterIndex (from 1) comes in
  // as the entry to preselect and goes out as the entry the user left chosen.
  virtual std::string SaveFile(const std::string& title, const std::string& folder, const std::string& fileName,
                               const std::string& filter, int32_t& filterIndex) = 0;
  // Replaces the clipboard's content with plain text.
  virtual void SetClipboardText(const std::string& text) = 0;
  // A warning question with the two buttons, whose yes gives work up: no is
  // the default button. True only for yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& question, const std::string& yesCaption,
                        const std::string& noCaption) = 0;
};

// The real dialogs, opened over the window.
class TQtProgDialogs : public TProgDialogs {
 public:
  explicit TQtProgDialogs(QWidget* parent) : FParent(parent) {}
  void MessageBox(TMessageKind kind, const std::string& caption, const std::string& text) override;
  std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                        const std::string& cancelCaption, const std::string& text) override;
  void InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                 const std::string& cancelCaption, const std::string& text) override;
  std::string OpenFile(const std::string& title, const std::string& filter) override;
  std::string SaveFile(const std::string& title, const std::string& folder, const std::string& fileName,
                       const std::string& filter, int32_t& filterIndex) override;
  void SetClipboardText(const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& question, const std::string& yesCaption,
                const std::string& noCaption) override;

 private:
  QWidget* FParent;
};

struct TProgOptions {
  // Runs on the frame after the form has set its properties and before the
  // start-up: tests give it their folders, scripted answers and no splash.
  std::function<void(TPwkProgObj& frame)> PrepareFrame;
  // nullptr: real dialogs. Not owned.
  TProgDialogs* Dialogs = nullptr;
};

class Tprog : public QMainWindow {
  Q_OBJECT
 public:
  explicit Tprog(const TProgOptions& options = {}, QWidget* parent = nullptr);
  ~Tprog() override;

  TPwkProgObj& SP() { return *FSP; }
  TCounterObj& Counter() { return FCounter; }
  TWordGenEngine& Engine() { return FEngine; }

  // The save dialog's start folder and the remembered number range.
  std::string InitialDir;
  std::string RandNumbers;
  TSettingsSchemaTabs SchemaTabs() const { return FTabs; }
  const TDialogCaptions& DialogCaptions() const { return FDialogCaptions; }

  // Components, as the form names them.
  QTabWidget* pc() const;
  QWidget* tab_creator() const;
  QWidget* tab_counter() const;
  TAdvancedMemo* m_silben() const;
  TAdvancedMemo* m_creator_out() const;
  TAdvancedMemo* m_counter_in() const;
  TAdvancedMemo* m_counter_out() const;
  QComboBox* cb_laenge() const;
  QComboBox* cb_anzahl() const;
  TRatioSplitter* splitter_creator() const;
  TRatioSplitter* splitter_counter() const;
  // A menu item, popup item or popup menu by name (nullptr when unknown).
  QAction* Item(const std::string& name) const;
  QMenu* Popup(const std::string& name) const;

  // --- Window -----------------------------------------------------------
  void ResizeAll(bool firstLayout);
  void SetFontSettings();
  void SetLanguage(int32_t language);
  void RefreshTabDependingCaptions();
  bool CreatorTabActive() const;

  // --- Command handlers (the sender is the menu item, button or popup item) -
  void ShowSettingsClick(QObject* sender);
  void m_create_countClick(QObject* sender);
  void m_closeClick(QObject* sender);
  void bt_createClick(QObject* sender);
  void bt_countClick(QObject* sender);
  void pm_counter_resetcounterClick(QObject* sender);
  void m_load(QObject* sender);
  void m_save(QObject* sender);
  void m_clear(QObject* sender);
  void m_clipboard(QObject* sender);
  void m_copy_result_to_clipboard_textClick(QObject* sender);
  void m_setlist(QObject* sender);
  void ChangeSilbenlistFrequencies(QObject* sender);

  // --- Frame notifications -----------------------------------------------
  void SPLanguageChange(int32_t newLanguage);
  void SPSettingsCustomInputChange(int32_t controlID, const std::string& newValue, int32_t newValueInt);
  void SPSettingsSave(TConfigSaver& settings);
  void SPSettingsLoad(TConfigSaver& settings);
  void SPSettingsReset(void* sender);
  void SPWindowSizeSave(const std::string& preferredSection, TConfigSaver& settings);
  void SPWindowSizeLoad(const std::string& preferredSection, TConfigSaver& settings);

  // The settings of the commands as the frame holds them now.
  TCounterSettings ReadCounterSettings() const;

  // True while a field holds text that changed since it was last saved,
  // copied or loaded (typed or pasted text, created words, a count): closing
  // the window asks first then.
  bool HoldsUnsavedText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The first show centres the window on its screen unless the settings placed it.
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void CreatePopups();
  void BindHandlers();
  void LayoutSplitter(TRatioSplitter* splitter, bool firstLayout);
  void ShowMessage(TMessageKind kind, const std::string& caption, const std::string& text);
  void PutListIntoSyllableField(const TStrArray& lines);
  void SaveWithDialog(int32_t content, int32_t filterIndex);
  std::string MemoText(const TAdvancedMemo* memo) const;
  void SetMemoText(TAdvancedMemo* memo, const std::string& text);
  // Empties the field as an edit of its own, so that undo brings the text back.
  void ClearField(TAdvancedMemo* memo);
  // The field's text is now kept elsewhere (saved, copied, loaded) or not.
  void MarkFieldSaved(const TAdvancedMemo* memo) { FUnsavedFields.erase(memo); }
  void MarkFieldUnsaved(const TAdvancedMemo* memo) { FUnsavedFields.insert(memo); }
  // Asks before closing over unsaved text; true when the window may close.
  bool ConfirmClose();
  void ShowFileFailure(StrResGlobal message, const std::string& fileName, int errorNumber);

  std::unique_ptr<Ui::Tprog> ui;
  std::unique_ptr<TQtProgDialogs> FQtDialogs;
  TProgDialogs* FDialogs = nullptr;
  TPwkProgObj* FSP = nullptr;
  TSettingsSchemaTabs FTabs;
  TDialogCaptions FDialogCaptions;
  int32_t FSaveFilterIndex = 1;
  TWordGenEngine FEngine;
  TCounterObj FCounter;
  bool FShownOnce = false;
  std::set<const TAdvancedMemo*> FUnsavedFields;
  // Set while the program itself puts text into a field.
  bool FProgramSetsText = false;
  // The letter case of the language of the list last chosen from the menu.
  TLetterCaseRules FListCaseRules = TLetterCaseRules::Common;
};

// The main window while it exists.
extern Tprog* prog;
