// The font chooser: a modal window built in code around a font list box, a
// font-name edit and an optional side panel whose controls drive the font
// manager's filters. The Spr variant takes its texts from the text store.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>

#include "controls/font_list_box.h"
#include "controls/font_manager.h"

class TFontSelectDialog {
 public:
  explicit TFontSelectDialog(bool showAdvanced);
  // Fills the manager from the given families (tests pass a fixed list).
  TFontSelectDialog(bool showAdvanced, const TStrArray& families);
  virtual ~TFontSelectDialog();
  TFontSelectDialog(const TFontSelectDialog&) = delete;
  TFontSelectDialog& operator=(const TFontSelectDialog&) = delete;

  // True when the window closed with OK; InitialFont then holds the choice.
  bool Execute();

  std::string InitialFont = "Arial";
  std::string FilterNameStr;
  bool FilterNameMatchCase = true;
  bool FilterNameIsRegEx = false;
  Qt::LayoutDirection BiDiMode = Qt::LeftToRight;
  std::string StrCaption = "Select Font";
  std::string StrOk = "OK";
  std::string StrCancel = "Cancel";
  std::string StrFilter = "Filter";
  std::string StrAdvanced = "Advanced";
  std::string StrName = "Name";
  std::string StrExampleText = "Example Text";
  std::string StrCharacterWidth = "Character Width";
  std::string StrFixedWidth = "Fixed Width";
  std::string StrVariableWidth = "Variable Width";
  std::string StrLineWeight = "Line Weight";
  std::string StrThin = "Thin";
  std::string StrAverage = "Average";
  std::string StrThick = "Thick";
  std::string StrType = "Type";
  std::string StrSerif = "Serif";
  std::string StrSansSerif = "Sans Serif";
  std::string StrOthers = "Others";
  std::string StrFilterDesMultiCommaSemicolon;
  std::string StrInterpretAsRegex = "Interpret as Regular Expression";
  std::string StrOptionen = "Options";
  std::string StrFormat = "Format";

  bool ShowAdvanced() const { return FShowAdvanced; }
  TFontManager& FontManager() { return *FFontManager; }

  // The window while it is open (for tests that drive it), else nullptr.
  QDialog* Window() const { return FWindow; }
  TFontListBox* ListBox() const { return FListBox; }
  QLineEdit* FontNameEdit() const { return FFontNameEdit; }
  QLineEdit* PreviewEdit() const { return FPreviewEdit; }
  QLineEdit* FilterEdit() const { return FFilterEdit; }
  QPushButton* AdvancedButton() const { return FAdvancedButton; }
  QWidget* SidePanel() const { return FSidePanel; }

  // What OnData delivers for a visible row: the preview text has every
  // "%name%" replaced by the font's name.
  static std::string PreviewText(const std::string& pattern, const std::string& fontName);

 private:
  void BuildWindow();
  void SettingsChanged(QObject* sender);

  bool FShowAdvanced;
  std::unique_ptr<TFontManager> FFontManager;
  QPointer<QDialog> FWindow;
  TFontListBox* FListBox = nullptr;
  QLineEdit* FFontNameEdit = nullptr;
  QLineEdit* FPreviewEdit = nullptr;
  QLineEdit* FFilterEdit = nullptr;
  QPushButton* FAdvancedButton = nullptr;
  QWidget* FSidePanel = nullptr;
  QCheckBox* FSerif = nullptr;
  QCheckBox* FSansSerif = nullptr;
  QCheckBox* FOthers = nullptr;
  QCheckBox* FFixed = nullptr;
  QCheckBox* FVariable = nullptr;
  QCheckBox* FThin = nullptr;
  QCheckBox* FAverage = nullptr;
  QCheckBox* FThick = nullptr;
};

class TFontSelectDialogSpr : public TFontSelectDialog {
 public:
  explicit TFontSelectDialogSpr(bool showAdvanced);
  TFontSelectDialogSpr(bool showAdvanced, const TStrArray& families);
  // Copies the texts out of the store; nothing while the store is empty.
  void SetLanguage();
};
