// The settings container in the user's language: captions and default texts
// are declared as slots of the text store, resolved in the current language
// and re-applied on every language switch. It also lends the base container
// its translation, id-list refresh and memo-dialog hooks, localised names to
// the encoding pickers and a folder chooser to folder edits.
#pragma once

#include <cstdint>
#include <string>

#include "settingspanels/qt/settings_container.h"

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

 private:
  void SetDeclaredTexts(int32_t index);
  void SetBuiltInTexts(int32_t index);
  // Shows the record's default text in the new language while the user has
  // left it at its default.
  void SetDefaultText(int32_t index);

  uint32_t FLanguage = 0;
};
