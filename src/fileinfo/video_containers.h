// Number conversions of the video reader's own AVI, FLV and MPEG program
// stream readers (TVideoInfo::GetVideoDataFromAVI, …FromFLV, …FromMPG).
#pragma once

#include <cstdint>
#include <string>

namespace video_containers {

// Three bytes, big-endian; other lengths give 0.
uint32_t BytesToUInt24(const std::string& bytes);
// The eight bytes at index as a big-endian IEEE 754 double; 0 beyond the buffer.
double BytesToDouble(const std::string& buffer, size_t index);

}  // namespace video_containers
