#include "controls/font_classification.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <map>

#include "foundation/qt/qt_strings.h"

namespace {

bool IsInk(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; }

}  // namespace

TFontInfo GetFontInfo(const std::string& fontName) {
  QFont font(ToQString(fontName));
  font.setPointSize(50);
  // Without antialiasing every pixel is ink or paper; grey edges would
  // thicken the strokes by a font-dependent amount.
  font.setStyleStrategy(QFont::NoAntialias);
  QImage probe(1, 1, QImage::Format_RGB32);
  QFontMetrics metrics(font, &probe);
  int h = metrics.height();
  int w = metrics.horizontalAdvance(QStringLiteral("D"));
  QImage image(w + 10, h + 10, QImage::Format_RGB32);
  // A new bitmap is black; only the text cell is filled white before the
  // "D" is drawn. The strip right of and below the cell counts as ink: the
  // class and stroke thresholds are set for the counts measured so (it adds
  // the run at the bottom of the scan column that a serif "D" reaches three
  // with).
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, w, h), Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(5, 5 + QFontMetrics(font, &image).ascent()), QStringLiteral("D"));
  }
  int32_t rowRuns = 0, strokePixels = 0, scanX = 0;
  bool previousWhite = true;
  int y = h / 2;
  for (int x = 0; x < image.width(); ++x) {
    if (!IsInk(image, x, y)) {
      previousWhite = true;
      continue;
    }
    if (previousWhite) {
      // The column left of the first stroke; a stroke in column 0 keeps the
      // scan inside the bitmap.
      if (rowRuns == 0) scanX = std::max(0, x - 1);
      ++rowRuns;
    }
    ++strokePixels;
    previousWhite = false;
  }
  int32_t columnRuns = 0;
  previousWhite = true;
  for (int yy = 0; yy < image.height(); ++yy) {
    if (!IsInk(image, scanX, yy)) {
      previousWhite = true;
      continue;
    }
    if (previousWhite) ++columnRuns;
    previousWhite = false;
  }
  TFontInfo info;
  int wW = metrics.horizontalAdvance(QStringLiteral("W"));
  info.FixedPitch =
      wW == metrics.horizontalAdvance(QStringLiteral("i")) && wW == metrics.horizontalAdvance(QStringLiteral("g"));
  info.FontClass = FontClassFromRuns(columnRuns, rowRuns);
  info.FontWidth = FontWidthFromStrokePixels(strokePixels);
  info.StrokePixels = strokePixels;
  return info;
}

TFontInfo GetFontInfoCached(const std::string& fontName) {
  static std::map<std::string, TFontInfo> cache;
  auto it = cache.find(fontName);
  if (it != cache.end()) return it->second;
  TFontInfo info = GetFontInfo(fontName);
  cache.emplace(fontName, info);
  return info;
}

TStrArray InstalledFontFamilies() {
  TStrArray families;
  for (const QString& family : QFontDatabase::families()) families.push_back(FromQString(family));
  return families;
}
