#include "documents/image_pixel_size.h"

#include <utility>

namespace {
TImagePixelSizeReader& Reader() {
  static TImagePixelSizeReader reader;
  return reader;
}
}  // namespace

void SetImagePixelSizeReader(TImagePixelSizeReader reader) { Reader() = std::move(reader); }

TImagePixelSize GetImagePixelSize(const std::string& fileName) {
  const TImagePixelSizeReader& reader = Reader();
  if (!reader) return {};
  TImagePixelSize size = reader(fileName);
  if (size.Width < 0 || size.Height < 0) return {};
  return size;
}
