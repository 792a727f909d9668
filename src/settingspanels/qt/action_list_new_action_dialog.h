// The small window that appends actions to the list an action-list control
// shows, without the full editor: the type chooser and the configuration
// panel, and "Add Action", which adds the composed action as a row or as a
// line and leaves the window open for the next one. Not modal, stays on top
// and frees itself when closed.
#pragma once

#include <QDialog>
#include <QPointer>
#include <cstdint>

#include "settingspanels/qt/action_list_panels.h"

class QLabel;
class QPushButton;

class TSettingsContainerActionListNewActionDialogSpr : public QDialog {
  Q_OBJECT
 public:
  enum : int32_t { cmdCancel = 13, cmdAddAction = 20 };

  // CreateNew: built with the defaults, owned by nobody (it frees itself).
  TSettingsContainerActionListNewActionDialogSpr();

  void PrepareAndShow(int32_t hostIndex, int32_t controlID, TBaseActionList* list, int32_t groupFilter,
                      uint32_t language);
  void SetParentSettingsContainer(QWidget* container);
  void AddCurrentActionParamsToParentSettingsContainer();
  void SetLanguage(uint32_t language);
  void ProcCommand(int32_t command);

  TSettingsContainerActionListDialogsSprChangeNotification OnUnregister;

  TSettingsContainerActionListDialogActionTypeContainer* TypeChooser() const { return FTypeChooser; }
  TSettingsContainerActionListDialogActionConfigContainer* ConfigPanel() const { return FConfigPanel; }
  QPushButton* ButtonAdd() const { return FButtonAdd; }
  QPushButton* ButtonCancel() const { return FButtonCancel; }
  QLabel* TypeLabel() const { return FTypeLabel; }

 public:
  // Esc: closes like Cancel.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildGUI();
  void FitToContent();

  int32_t FControlID = -1;
  int32_t FHostIndex = -1;
  TBaseActionList* FActionList = nullptr;
  int32_t FGroupFilter = 0;
  uint32_t FLanguage = 0;
  bool FClosing = false;
  QPointer<QWidget> FParentContainer;
  QLabel* FTypeLabel = nullptr;
  TSettingsContainerActionListDialogActionTypeContainer* FTypeChooser = nullptr;
  TSettingsContainerActionListDialogActionConfigContainer* FConfigPanel = nullptr;
  QPushButton* FButtonAdd = nullptr;
  QPushButton* FButtonCancel = nullptr;
};
