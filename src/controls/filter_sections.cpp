#include "controls/filter_sections.h"

#include "foundation/file_types.h"
#include "foundation/qt/qt_strings.h"

QLabel* CreateFilterHeading(const std::string& text, QWidget* parent, int32_t spaceAbove) {
  auto* label = new QLabel(ToQString(text), parent);
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  label->setWordWrap(true);
  label->setContentsMargins(10, spaceAbove, 10, 5);
  return label;
}

TOptionsPanel* CreateFilterCheckGrid(QWidget* parent, int32_t columns, const TOptionsPanelOptions& options,
                                     const std::string& activateAll, const std::string& deactivateAll) {
  auto* panel = new TOptionsPanel(parent);
  panel->SetColumns(columns);
  panel->UseValueStrAll = true;
  panel->SetShowPopUpMenuSelectAll(true);
  panel->SetPopupMenuCaptions(activateAll, deactivateAll);
  panel->SetOptions(options);
  return panel;
}

TOptionsPanelOptions FileTypeGridOptions(const TFileTypeGridTexts& texts, const std::string& checked) {
  // A box shows its text, or the fixed English name where there is none.
  struct TBox {
    int32_t Type;
    const std::string* Text;
    const char* FixedName;
  };
  const TBox boxes[] = {{ftAudio, &texts.AudioFiles, nullptr},   {ftText, &texts.TextFiles, nullptr},
                        {ftArchive, &texts.Archives, nullptr},   {ftVideo, &texts.Videos, nullptr},
                        {ftDocument, &texts.Documents, nullptr}, {ftExecutable, nullptr, "Executables"},
                        {ftImage, &texts.Images, nullptr},       {ftSpreadsheet, nullptr, "Spreadsheets"},
                        {ftSourceCode, nullptr, "Source Codes"}, {ftFont, &texts.Fonts, nullptr},
                        {ftWebsite, nullptr, "Websites"},        {ftPlaylist, nullptr, "Playlists"},
                        {ftOther, &texts.Others, nullptr}};
  std::string values;
  for (const TBox& box : boxes) values += (values.empty() ? "" : ",") + FileTypeToStringID(box.Type);
  TOptionsPanelOptions options = OptionsFromCSVStrings(checked, values, values, true);
  for (size_t i = 0; i < options.size(); ++i)
    options[i].Caption = boxes[i].Text != nullptr ? *boxes[i].Text : boxes[i].FixedName;
  return options;
}
