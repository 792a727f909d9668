#include "foundation/qt/text_measurer.h"

#include <QFontDatabase>
#include <QStringList>

#include "foundation/qt/qt_strings.h"

int32_t TQtTextMeasurer::TextWidth(std::string_view text) const { return FMetrics.horizontalAdvance(ToQString(text)); }

int32_t TQtTextMeasurer::TextHeight(std::string_view text) const {
  return FMetrics.size(Qt::TextSingleLine, ToQString(text)).height();
}

int32_t TQtFontHeightMeasurer::TextHeight(std::string_view fontName, int32_t pointSize, std::string_view text) const {
  QFont font(ToQString(fontName));
  font.setPointSize(pointSize);
  return TQtTextMeasurer(font).TextHeight(text);
}

int32_t GetWidthForFont(const QFont& font, std::string_view text) {
  return GetWidthForFont(TQtTextMeasurer(font), text);
}

std::string FHGetFixedWidthFont(const std::string& defaultName) {
  TStrArray installed;
  for (const QString& family : QFontDatabase::families()) installed.push_back(FromQString(family));
  return FHGetFixedWidthFont(installed, defaultName);
}

int32_t FHGetFontSizeForHeight(std::string_view fontName, int32_t height) {
  return FHGetFontSizeForHeight(fontName, height, TQtFontHeightMeasurer());
}
