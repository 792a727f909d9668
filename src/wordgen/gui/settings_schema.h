// The settings of the main window: its seven settings tabs and every setting
// on them, declared once through the frame before its start-up. The frame
// builds the settings window from these declarations, keeps the values, saves
// them in the settings files and answers the reads by the IDs of
// settings_ids.h.
#pragma once

#include <cstdint>
#include <string>

class TPwkProgObj;

// The defaults that depend on the system the program starts on.
struct TSettingsSchemaDefaults {
  // The fixed-width font found at start (font) and its size (fontsize).
  std::string FontName;
  int32_t FontSize = 12;
  // The system's decimal separator; "," makes min_frequence "0,00" and
  // fieldseparator ";", anything else "0.00" and ",".
  std::string DecimalSeparator = ".";
};

// The tab IDs that the main window's settings buttons open.
struct TSettingsSchemaTabs {
  int32_t Creator = -1;
  int32_t SyllableList = -1;
  int32_t Counter = -1;
};

// Declares the seven settings tabs and every setting of the main window, in
// order. Every setting ID of settings_ids.h lands on its own place in the
// frame's table; headings, texts, radio items and action controls fill the
// places between them. Declaring twice on the same frame throws the frame's
// ESettingsObjError.
TSettingsSchemaTabs DeclareSettingsSchema(TPwkProgObj& sp, const TSettingsSchemaDefaults& defaults);
