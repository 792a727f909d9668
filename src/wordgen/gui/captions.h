// The captions of the main window: every menu item, popup item, label,
// button and tab title, and the texts of the two file dialogs, read from the
// text store in the current language.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

struct TFileDialogTexts {
  std::string Title;
  std::string Filter;  // "name (*.ext)|*.ext|name (*.*)|*.*"
  std::string FileName;
};

struct TDialogCaptions {
  TFileDialogTexts Open;
  TFileDialogTexts Save;
};

// Captions every component of the window (found by object name among its
// children: menus, actions, buttons, labels, tab pages) for the language,
// the tab-dependent items for the active tab included, and fills the file
// dialogs' texts. The store must already hold the language's texts.
void ApplyLanguageCaptions(QWidget* window, int32_t language, bool creatorTabActive, TDialogCaptions& dialogs);

// Captions, shows and hides the file menu's items that belong to one tab.
void ApplyTabDependingCaptions(QWidget* window, bool creatorTabActive);
