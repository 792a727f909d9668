// The window in which the user edits a multi-line value of a settings
// container in a larger memo. Every edit is reported at once, so the
// container's value follows the typing; "Discard Changes" reports the text
// the window opened with.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/zoom_memo.h"

using TSettingsContainerMemoDialogSprChange =
    std::function<void(QObject* Sender, int32_t AControlIndex, const std::string& AText)>;

class TSettingsContainerMemoDialogSpr : public QDialog {
  Q_OBJECT
 public:
  // Builds the window, captioned in the current language; owner's window
  // keeps it. It frees itself when closed.
  explicit TSettingsContainerMemoDialogSpr(QWidget* owner = nullptr);

  void Init(int32_t index, const std::string& caption, const std::string& text, const std::string& fontName,
            int32_t fontSize);
  TSettingsContainerMemoDialogSprChange OnChange;

  TAdvancedMemo* Memo() const { return FMemo; }
  QPushButton* ButtonOk() const { return FButtonOk; }
  QPushButton* ButtonCancel() const { return FButtonCancel; }

  void ProcMemoChange();
  void ProcButtonClickOkay();
  void ProcButtonClickCancel();

 private:
  TAdvancedMemo* FMemo;
  QPushButton* FButtonOk;
  QPushButton* FButtonCancel;
  int32_t FControlIndex = -1;
  std::string FStartText;
};

// Opens a new dialog for the value of record index (not modal) and reports
// each change through onChange. Returns the dialog.
TSettingsContainerMemoDialogSpr* ShowSettingsContainerMemoDialogSpr(int32_t index, const std::string& caption,
                                                                    const std::string& text,
                                                                    const std::string& fontName, int32_t fontSize,
                                                                    TSettingsContainerMemoDialogSprChange onChange,
                                                                    QWidget* owner = nullptr);
