// A coarse classification of extensions in eight kinds, used to group the
// extensions of the open and save dialogs' filter text. It is deliberately
// smaller than the fourteen file types of foundation/file_types.h: the two
// tables serve different purposes and are not kept in step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/types.h"

enum TFileExtensionType : int32_t { fetText, fetImage, fetAudio, fetVideo, fetDocument, fetWebsite, fetFont, fetOther };

struct TFileExtensionFileTypeRec {
  TFileExtensionType FileExtensionType = fetOther;
  TStrArray Extensions;
  bool operator==(const TFileExtensionFileTypeRec&) const = default;
};
using TFileExtensionFileTypeRecArr = std::vector<TFileExtensionFileTypeRec>;

// The kind of an extension given without the dot, compared after ASCII
// upper-casing; fetOther for anything not in the table.
TFileExtensionType GetFileExtensionTypeFromFileExtension(std::string_view ext);

// One group per kind, the groups in the order of their first extension, the
// extensions in list order.
TFileExtensionFileTypeRecArr GetFileExtensionsByType(const TStrArray& extensions);

// One description-and-pattern pair of a dialog filter text:
// "Images (*.png;*.jpg)|*.png;*.jpg", or "… (*.*)|*.*" without extensions.
std::string GetFileExtensionFilterStringLine(const std::string& description, const TStrArray& extensions);
