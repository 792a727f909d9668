// What the action-list window tests share: a user who answers the dialogs
// from a script, a vocabulary using every part of the format, a folder of
// list files of its own, and a localised container with an action-list
// control.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "controls/dialogs.h"
#include "controls/id_combo_box.h"
#include "settingspanels/core/action_list_vocabulary.h"
#include "settingspanels/qt/action_list_editor.h"
#include "settingspanels/qt/action_list_new_action_dialog.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/text_store.h"

struct TScriptedHandler : TDialogHandler {
  struct TShown {
    std::string Caption, Text;
  };
  std::vector<TShown> Notifications;
  std::vector<TShown> Questions;
  // The answers to the next questions; Cancel (or No without a cancel
  // button) when the script runs out.
  std::deque<int32_t> Answers;

  void Notification(const std::string& caption, const std::string& message, const std::string&) override {
    Notifications.push_back({caption, message});
  }
  int32_t Confirmation(const std::string& caption, const std::string& question, const std::string&, const std::string&,
                       const std::string& cancelCaption, bool) override {
    Questions.push_back({caption, question});
    if (Answers.empty()) return IsNulMarker(cancelCaption) ? kModalResultNo : kModalResultCancel;
    const int32_t answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::string Input(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                    const TStrArray&, int32_t, bool) override {
    return NulMarker();
  }
};

class ActionListWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    FillTestVocabulary(Vocabulary);
    QGuiApplication::clipboard()->clear();
  }
  void TearDown() override {
    // Open editors and dialogs close without asking and free themselves.
    Dialogs.Answers.clear();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* editor = qobject_cast<TSettingsContainerActionListEditorSpr*>(w)) {
        editor->ProcCommand(TSettingsContainerActionListEditorSpr::cmdDiscard);
      } else if (auto* dialog = qobject_cast<TSettingsContainerActionListNewActionDialogSpr*>(w)) {
        dialog->close();
      }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    C.reset();
    delete Window;
    Window = nullptr;
    SetSprResGlobal(0);
  }

  std::string ListFolder() const { return Root.str() + "/lists/"; }
  std::string ListFile(const std::string& name) const { return ListFolder() + name; }
  void WriteList(const std::string& name, const std::string& text) const {
    std::filesystem::create_directories(ListFolder());
    testsupport::WriteFileBytes(ListFile(name), text);
  }

  // A window with a localised container whose first tab holds an action-list
  // control (folder "lists", extension "al", value "default"); with twoControls
  // a second one in another tab shares the folder with the extension "lst".
  void MakeContainer(bool twoControls = false, bool rightToLeft = false) {
    CloseContainer();
    Window = new QWidget;
    Window->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    C = std::make_unique<TSettingsContainerSpr>(Window);
    auto* column = new QVBoxLayout(Window);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(C.get());
    C->SetActionListRootFolder(Root.str() + "/");
    C->ActionListDefinitions = &Vocabulary;
    const int32_t tab = C->AddTab("Actions", 705, "actions", scTabTypeLabel);
    Record = C->AddActionList(tab, "", -1, "list", "default", "lists", "al", 0);
    if (twoControls) {
      const int32_t tab2 = C->AddTab("More", 27, "more", scTabTypeLabel);
      Second = C->AddActionList(tab2, "", -1, "list", "default", "lists", "lst", 2);
    }
    C->OnCustomTabValueChange = [this](TSettingsContainerModel*, int32_t id, const std::string& text, int32_t, double) {
      Changes.emplace_back(id, text);
    };
    C->Initialize();
    for (int32_t t = 0; t < C->TabCount(); ++t) C->OpenTab(t, true);
  }
  // Frees the window with the container, after the windows that closed.
  void CloseContainer() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    C.reset();
    delete Window;
    Window = nullptr;
  }
  // Shows the list in the control, as a pick of the user does.
  void Pick(const std::string& id, int32_t record = -1) {
    TIDComboBox* box = Chooser(record);
    box->setCurrentIndex(box->GetIndexOfStrId(id));
    box->Change();
  }
  void Show(int width = 640, int height = 420) {
    Window->resize(width, height);
    Window->show();
    QApplication::processEvents();
  }
  TSettingsContainerActionListWrapper& Wrapper(int32_t record = -1) {
    return *C->ActionListWrapperOfRecord(record < 0 ? Record : record);
  }
  TIDComboBox* Chooser(int32_t record = -1) { return Wrapper(record).ComboBox; }
  // The open editors and new-action dialogs.
  template <class T>
  std::vector<T*> Open() {
    std::vector<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) found.push_back(t);
    return found;
  }

  testsupport::TempDir Root;
  TBaseActionList Vocabulary;
  TScriptedHandler Dialogs;
  TScopedDialogHandler Scoped{&Dialogs};
  QWidget* Window = nullptr;
  std::unique_ptr<TSettingsContainerSpr> C;
  int32_t Record = -1;
  int32_t Second = -1;
  std::vector<std::pair<int32_t, std::string>> Changes;
};
