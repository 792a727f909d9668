// The save-target panel: the user chooses the output folder, the name pattern,
// the format and the overwrite, delete, open, only-on-change and keep-date
// options of the files a host writes. The host reads the choices from the
// panel, and the panel keeps them in a section of the settings.
//
// Captions are English here; the localised panel takes them from the text
// store and gives the folder button its chooser.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settingspanels/core/save_target_model.h"

// Kept out of this header: the controls' and the frame's notification types
// share a name, and hosts include the frame beside it.
class QLabel;
class QSpacerItem;
class QToolButton;
class QVBoxLayout;
class TAdvancedComboBox;
class TCheckBoxML;
class TRadioButtonML;
class TRawPanel;

class TSaveSettingsContainer : public QWidget, public TSaveSettingsContainerModel {
  Q_OBJECT
 public:
  explicit TSaveSettingsContainer(QWidget* parent = nullptr);
  ~TSaveSettingsContainer() override;

  // --- The child controls --------------------------------------------------------
  TRadioButtonML* RadioButtonOverwriteFile() const { return FRadioOverwrite; }
  TRadioButtonML* RadioButtonSaveAsNewFile() const { return FRadioSaveAsNew; }
  TRawPanel* Row(TSaveTargetList list) const { return FRows[list]; }
  QLabel* Label(TSaveTargetList list) const { return FLabels[list]; }
  TAdvancedComboBox* ComboBox(TSaveTargetList list) const { return FComboBoxes[list]; }
  QToolButton* FolderButton() const { return FFolderButton; }
  // The check box of an option other than stoOverwriteFile.
  TCheckBoxML* CheckBox(TSaveTargetOption option) const { return FCheckBoxes[option]; }
  // The index of the list's entry that its text shows, -1 for a typed text.
  int32_t SelectedIndex(TSaveTargetList list) const;

  // --- Layout ------------------------------------------------------------------------
  // Indents the rows under the radio buttons' captions and gives the labels
  // one width, that of the widest caption.
  void IndentControls();
  // The vertical gaps between the rows, which depend on what is shown.
  void AdjustControlSpacings();
  // The gaps above and below a child as the spacing rule set them.
  int32_t TopSpacing(QWidget* child) const;
  int32_t BottomSpacing(QWidget* child) const;
  // The leading indent of the rows and lists, and the label's gap to its list.
  int32_t IndentWidth() const { return FIndent; }
  static constexpr int32_t kLabelGap = 8;

  // --- Handlers; public so that subclasses and tests can replay them -------------------
  void ProcComboBoxFolderChange(QObject* sender);
  void ProcComboBoxNameChange(QObject* sender);
  void ProcComboBoxFormatChange(QObject* sender);
  void ProcCheckBoxDeleteOriginalFileChange(QObject* sender);
  void ProcCheckBoxOpenFileAfterCreatingChange(QObject* sender);
  void ProcCheckBoxSaveOnlyInCaseOfChangeChange(QObject* sender);
  void ProcCheckBoxKeepDateOfOriginalFileChange(QObject* sender);
  void ProcRadioButtonOverwriteFileChange(QObject* sender);

 protected:
  void ShowListText(TSaveTargetList list, const std::string& text) override;
  void ShowOptionChecked(TSaveTargetOption option, bool checked) override;
  void ShowOptionControl(TSaveTargetOption option, bool visible) override;
  void ShowAllowCustomFormat(bool allow) override;
  void ShowCaption(TSaveTargetList list, const std::string& text) override;
  void FillLists(const TSaveTargetProfileLists& lists) override;
  void changeEvent(QEvent* e) override;

  // Set while the panel writes into its own controls, so that their change
  // handlers stay silent.
  bool FUpdating = false;

 private:
  void CreateControls();
  TRawPanel* CreateRow(TSaveTargetList list, bool withButton);
  // One child of the column with the gaps the spacing rule gives it.
  void AddToColumn(QWidget* child, int32_t top, int32_t bottom);
  void SetSpacing(QWidget* child, int32_t top, int32_t bottom);
  // Sizes the gaps between the children that are shown: the larger of the
  // upper one's bottom and the lower one's top spacing.
  void ApplySpacings();

  struct TColumnEntry {
    QWidget* Child = nullptr;
    int32_t Top = 0;
    int32_t Bottom = 0;
    QSpacerItem* Above = nullptr;
  };
  std::vector<TColumnEntry> FColumn;
  QSpacerItem* FBelowLast = nullptr;
  QVBoxLayout* FColumnLayout = nullptr;

  TRadioButtonML* FRadioOverwrite = nullptr;
  TRadioButtonML* FRadioSaveAsNew = nullptr;
  std::array<TRawPanel*, kSaveTargetListCount> FRows{};
  std::array<QLabel*, kSaveTargetListCount> FLabels{};
  std::array<TAdvancedComboBox*, kSaveTargetListCount> FComboBoxes{};
  std::array<QSpacerItem*, kSaveTargetListCount> FLabelGaps{};
  QToolButton* FFolderButton = nullptr;
  std::array<TCheckBoxML*, kSaveTargetOptionCount> FCheckBoxes{};
  int32_t FIndent = 0;
};
