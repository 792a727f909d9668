// Parts that the windows editing a file filter share: the bold section
// heading and the check-box grids of extensions and file types.
#pragma once

#include <QLabel>
#include <QWidget>
#include <cstdint>
#include <string>

#include "controls/options_panel.h"

// Bold and word-wrapped, with 10 pixels of room on either side and 5 below.
QLabel* CreateFilterHeading(const std::string& text, QWidget* parent, int32_t spaceAbove);

// A grid of check boxes in which every box ticked reads back as "all", with
// a popup menu that ticks or unticks all of them.
TOptionsPanel* CreateFilterCheckGrid(QWidget* parent, int32_t columns, const TOptionsPanelOptions& options,
                                     const std::string& activateAll, const std::string& deactivateAll);

// The shown names of the file-type boxes; the other five are fixed English
// texts.
struct TFileTypeGridTexts {
  std::string AudioFiles, TextFiles, Archives, Videos, Documents, Images, Fonts, Others;
};
// The thirteen file-type boxes in their order (the folder type has none),
// ticked by a list of file-type ids or "all". Captions are set one by one, so
// a caption may hold "," or ";".
TOptionsPanelOptions FileTypeGridOptions(const TFileTypeGridTexts& texts, const std::string& checked);
