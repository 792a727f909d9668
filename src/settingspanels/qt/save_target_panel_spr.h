// The save-target panel in the user's language: its captions come from the
// text store, its lists show the keep and date tokens in the language's form,
// and its folder button opens the folder chooser. This is the panel that the
// program frame hosts.
#pragma once

#include <cstdint>
#include <string>

#include "settingspanels/qt/save_target_panel.h"

// Which word the format row's label shows.
enum TCaptionFormatSpr : int32_t { capFormat, capFileExtension, capFormatAndFileExt };

// Text-store slots of the panel's captions.
inline constexpr int32_t kSlotSaveTargetOverwrite = 515;
inline constexpr int32_t kSlotSaveTargetSaveAsNew = 513;
inline constexpr int32_t kSlotSaveTargetFolder = 255;
inline constexpr int32_t kSlotSaveTargetName = 241;
inline constexpr int32_t kSlotSaveTargetFormat = 304;
inline constexpr int32_t kSlotSaveTargetFileExtension = 307;
inline constexpr int32_t kSlotSaveTargetExtension = 308;
inline constexpr int32_t kSlotSaveTargetOpenFile = 188;
inline constexpr int32_t kSlotSaveTargetDeleteOriginal = 516;
inline constexpr int32_t kSlotSaveTargetSaveOnlyOnChange = 191;
inline constexpr int32_t kSlotSaveTargetKeepDate = 517;
// A longer "File Extension" gives way to the short word.
inline constexpr size_t kSaveTargetExtensionWordMaxBytes = 17;

class TSaveSettingsContainerSpr : public TSaveSettingsContainer {
  Q_OBJECT
 public:
  explicit TSaveSettingsContainerSpr(QWidget* parent = nullptr);

  TCaptionFormatSpr CaptionFormatSpr() const { return FCaptionFormatSpr; }
  // Takes effect at the next SetLanguage.
  void SetCaptionFormatSpr(TCaptionFormatSpr value) { FCaptionFormatSpr = value; }
  uint32_t Language() const { return FLanguage; }

  // Captions from the text store (kept while it is empty), the lists'
  // patterns in the language's form, and the labels' width again.
  virtual void SetLanguage(uint32_t language);
  // The options' defaults, then the lists in the current language's form.
  void ResetValuesToDefault() override;
  // Translates the list's text and every entry, keeping the selected entry.
  void TranslateComboBox(TSaveTargetList list, uint32_t language);
  std::string TranslatePlaceholders(const std::string& text, uint32_t language) const;
  // Chooses the output folder in the folder chooser.
  void ProcFolderButtonClick();

 private:
  TCaptionFormatSpr FCaptionFormatSpr = capFormat;
  uint32_t FLanguage = 0;
};
