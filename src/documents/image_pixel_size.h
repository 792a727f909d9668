// The pixel size of an image file, as the DOCX writer needs it for embedded
// pictures. The file-information readers sit above the documents library, so
// they register their reader here; until one is registered every size is 0×0.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct TImagePixelSize {
  int32_t Width = 0;
  int32_t Height = 0;
};

using TImagePixelSizeReader = std::function<TImagePixelSize(const std::string& fileName)>;

// An empty reader restores the 0×0 fallback.
void SetImagePixelSizeReader(TImagePixelSizeReader reader);
// 0×0 when no reader is registered or the reader cannot read the file.
TImagePixelSize GetImagePixelSize(const std::string& fileName);
