// The settings object's questions and messages answered with real windows.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "foundation/qt/file_filters.h"
#include "frame/core/settings_types.h"

class TQtSettingsUserDialogs : public TSettingsUserDialogs {
 public:
  // The windows open over parent (may be nullptr).
  explicit TQtSettingsUserDialogs(QWidget* parent = nullptr) : FParent(parent) {}
  void MessageBox(TSOMessageKind kind, const std::string& caption, const std::string& text) override;
  std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                        const std::string& cancelCaption, const std::string& defaultText) override;
  std::string InputComboBox(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                            const std::string& cancelCaption, const std::string& defaultText,
                            const TStrArray& items) override;
  std::string SaveFileDialog(const std::string& title, const std::string& fileName, const std::string& defaultExt,
                             const std::string& filter) override;
  std::string OpenFileDialog(const std::string& title, const std::string& defaultExt,
                             const std::string& filter) override;
  void ShowText(const std::string& text) override;
  std::string InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                        const std::string& cancelCaption, const std::string& defaultText) override;

 private:
  QPointer<QWidget> FParent;
};
