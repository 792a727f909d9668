#include "frame/qt/settings_user_dialogs_qt.h"

#include <QFileDialog>

#include "controls/dialogs.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/open_file_dialog.h"
#include "text/text_store.h"

// The library's notification window, so that a program driven by a dialog
// handler in tests never meets a window of its own; the caption ("Error",
// "Information", "Warning") tells the kind.
void TQtSettingsUserDialogs::MessageBox(TSOMessageKind kind, const std::string& caption, const std::string& text) {
  NotificationDialog(caption, text, SprText(192));
}

std::string TQtSettingsUserDialogs::InputEdit(const std::string& caption, const std::string& prompt,
                                              const std::string& okCaption, const std::string& cancelCaption,
                                              const std::string& defaultText) {
  return ::InputEdit(caption, prompt, okCaption, cancelCaption, defaultText, false);
}

std::string TQtSettingsUserDialogs::InputComboBox(const std::string& caption, const std::string& prompt,
                                                  const std::string& okCaption, const std::string& cancelCaption,
                                                  const std::string& defaultText, const TStrArray& items) {
  return ::InputComboBox(caption, prompt, okCaption, cancelCaption, defaultText, items);
}

std::string TQtSettingsUserDialogs::SaveFileDialog(const std::string& title, const std::string& fileName,
                                                   const std::string& defaultExt, const std::string& filter) {
  QFileDialog dialog(FParent, ToQString(title), QString(), QtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(ToQString(defaultExt));
  dialog.selectFile(ToQString(fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
  return FromQString(dialog.selectedFiles().first());
}

std::string TQtSettingsUserDialogs::OpenFileDialog(const std::string& title, const std::string& defaultExt,
                                                   const std::string& filter) {
  TOpenFileDialog dialog(FParent, ToQString(title), {QtFileFilter(filter)}, ToQString(defaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
  return FromQString(dialog.selectedFiles().first());
}

void TQtSettingsUserDialogs::ShowText(const std::string& text) { SV(text); }

std::string TQtSettingsUserDialogs::InputMemo(const std::string& caption, const std::string& prompt,
                                              const std::string& okCaption, const std::string& cancelCaption,
                                              const std::string& defaultText) {
  return ::InputMemo(caption, prompt, okCaption, cancelCaption, defaultText);
}
