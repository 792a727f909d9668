// The code-built settings window and the half of the settings object that
// moves values between its records and the window's controls: construction
// from the declarations, captions and layout per language, the change
// handlers, and the handlers of the standard tabs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "frame/core/settings_obj.h"

class TControlArranger;

class TSOWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TSOWindow(QWidget* parent);
  QTabWidget* FPageControl = nullptr;
  std::function<void()> OnFormClose;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

class TSettingsWindowHost : public QObject {
  Q_OBJECT
 public:
  // Registers itself as the settings object's window; the window opens over ownerForm.
  TSettingsWindowHost(TSettingsObj& settings, QWidget* ownerForm);
  ~TSettingsWindowHost() override;

  // The window while it exists.
  TSOWindow* SettingsWindow() const { return FSettingsWindow; }
  // Pixels per inch for the language columns; 0 takes the screen's.
  double PixelsPerInch = 0;

  void ShowSettings(int32_t tabID);
  // The window's part of the settings object's language switch.
  void SetLanguage(int32_t language);
  void UpdateControlValuesInGUI();
  void UpdateControlInGUI(int32_t id, bool raiseChange);
  void ShowDefaultValue(int32_t id);

  // Handlers (the sender is the control that changed or was clicked).
  void TabCustomControlChange(QObject* sender);
  void MemoDialogButtonClick(QObject* sender);
  void ButtonClick(QObject* sender);
  void ActionButtonClickSetToDefault(QObject* sender);
  void ActionButtonConfigureFileListViewColumns(QObject* sender);
  void ActionCheckBoxToggleCharsChange(QObject* sender);
  void LanguageRadioButtonChange(QObject* sender);
  void LanguageTabButtonClickSaveLanguage(QObject* sender);
  void CodePageRadioButtonOrCheckBoxChange(QObject* sender);
  void SaveTabStorageLocationRadioButtonChange(QObject* sender);
  void SaveTabAutoSaveCheckBoxChange(QObject* sender);
  void SaveTabSaveWindowSizeCheckBoxChange(QObject* sender);
  void SaveTabButtonClickDeleteSettings(QObject* sender);
  void PageControlOnChange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWindow();
  void BuildDeclaredControl(QWidget* sheet, int32_t id, TControlArranger& arranger);
  void BuildCodePageTab(TControlArranger& arranger);
  void BuildSystemIntegrationTab(TControlArranger& arranger);
  void BuildLanguageTab(TControlArranger& arranger);
  void BuildSaveTab(TControlArranger& arranger);
  QWidget* NewSheet(const QString& name, int32_t tag);
  void LayoutDeclaredTab(int32_t tab, TControlArranger& arranger);
  void WidenColumnsToTheirCaptions(int32_t tab, const TControlArranger& arranger);
  void LayoutCodePageTab(TControlArranger& arranger);
  void LayoutSystemIntegrationTab(TControlArranger& arranger);
  void LayoutLanguageTab(TControlArranger& arranger);
  void LayoutSaveTab(TControlArranger& arranger);
  void Stretch(QWidget* control, const TSOControlRecord& r, TControlArranger& arranger);
  // Right-to-left pages stand mirrored; the layout works on the unmirrored page.
  void MirrorSheet(QWidget* sheet, bool mirrored);
  template <class T>
  T* Find(const std::string& name) const;
  bool ValidSender(QObject* sender, int32_t& id) const;
  int32_t ScreenPixelsPerInch() const;

  TSettingsObj& FSO;
  QPointer<QWidget> FOwnerForm;
  QPointer<TSOWindow> FSettingsWindow;
  // While above 0, changes shown by program store nothing.
  int32_t FSuppressChange = 0;
};
