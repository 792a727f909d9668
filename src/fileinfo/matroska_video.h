// The small EBML routines of the video reader's Matroska and WebM container
// walk (TVideoInfo::GetVideoDataFromMKV).
#pragma once

#include <cstdint>
#include <string>

namespace matroska_video {

// Zero bits above the highest one bit; 8 for 0.
int32_t CountLeadingZeros(uint8_t b);
// 1 to 8 bytes as a big-endian number; any other length gives 0.
uint64_t BytesToUInt(const std::string& bytes);

}  // namespace matroska_video
