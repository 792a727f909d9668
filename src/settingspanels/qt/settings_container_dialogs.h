// The row editor of a settings container's list view: a small window with one
// input per column, built in code when first shown. Confirming hands the
// typed values to OnConfirm, so that the new row keeps them.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/caption_panels.h"
#include "settingspanels/core/settings_container_types.h"

using TSettingsContainerVirtualListViewDialogControls = std::vector<TSettingsContainerVirtualListViewDialogControl>;

class TSettingsContainerVirtualListViewDialog {
 public:
  TSettingsContainerVirtualListViewDialog() = default;
  // The window stays open; it frees itself when closed.
  ~TSettingsContainerVirtualListViewDialog() = default;
  TSettingsContainerVirtualListViewDialog(const TSettingsContainerVirtualListViewDialog&) = delete;
  TSettingsContainerVirtualListViewDialog& operator=(const TSettingsContainerVirtualListViewDialog&) = delete;

  // Empty texts show "OK" and "Cancel".
  std::string StrCaption, StrOk, StrCancel, StrSearchSubDirs;
  TSettingsContainerVirtualListViewDialogControls DialogControls;
  // The values of the fields, in their order, when the user confirms ("1" or
  // "0" for a flag). Taken by the window when it is built.
  std::function<void(const TStrArray& values)> OnConfirm;

  // Appends a field; returns its index.
  int32_t AddControl(int32_t kind, const std::string& caption, const std::string& value);
  // Builds the window on the first call (centred on owner's window, which
  // keeps it) and shows it without waiting; later calls show it again.
  bool Show(QWidget* owner = nullptr);

  QDialog* Form() const { return FForm; }
  TRawPanel* FieldPanel() const { return FFieldPanel; }
  TRawPanel* ButtonPanel() const { return FButtonPanel; }
  QPushButton* ButtonOk() const { return FButtonOk; }
  QPushButton* ButtonCancel() const { return FButtonCancel; }

 private:
  void Build(QWidget* owner);

  QPointer<QDialog> FForm;
  QPointer<TRawPanel> FFieldPanel;
  QPointer<TRawPanel> FButtonPanel;
  QPointer<QPushButton> FButtonOk;
  QPointer<QPushButton> FButtonCancel;
};
