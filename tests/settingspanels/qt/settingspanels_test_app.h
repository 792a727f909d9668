// The one QApplication of the settings-panel tests, a container that declares
// every control kind once, and helpers for windows and screenshots.
#pragma once

#include <QApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "qt_test_support.h"
#include "settingspanels/core/settings_container_model.h"

QApplication& PanelsTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/settingspanels_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);

// The tabs and the first record of each kind of the full container.
struct TEveryKind {
  int32_t Head = -1, Search = -1, Replace = -1, Options = -1, View = -1;
  std::array<int32_t, sckCount> Record{};
  int32_t NestedEdit = -1, NestedCheck = -1, SecondButton = -1, ThirdButton = -1;
  std::array<int32_t, 3> Radios{};
  std::array<int32_t, 3> OrderItems{};
  int32_t operator[](int32_t kind) const { return Record[static_cast<size_t>(kind)]; }
};
class TSettingsContainer;
// Changes every stored value of the full container through its control, as
// a user would, to something other than its default.
void ChangeEveryStoredValue(TSettingsContainer& c, const TEveryKind& k);

// Declares, with text-store slots, every kind of control once (and what
// nests in the panels), spread over a section head and four tabs.
TEveryKind DeclareEveryKind(TSettingsContainerModel& m);
