// The primary image of a HEIF or AVIF file, from the items of its "meta" box:
// the primary item ("pitm"), the items and their kinds ("iinf"), the
// references that make an item a thumbnail, an auxiliary image (alpha, depth)
// or an input of a derived image ("iref"), and the properties associated with
// each item ("iprp": "ipco" and "ipma").
#pragma once

#include <cstdint>

#include "fileinfo/buffered_stream.h"

struct THEIFPrimaryImage {
  bool HasPrimary = false;  // the meta box names a primary item
  int32_t Width = 0;        // the primary item's spatial extent; 0 when it has none
  int32_t Height = 0;
  int32_t Depth = 0;  // the bits of all its channels together; 0 when not stated
  // Image items at the primary level: neither thumbnails, auxiliary images,
  // inputs of a derived image nor hidden.
  int32_t ImageCount = 0;
};

// Reads the children of a meta box, from the first byte after its version and
// flags (start) to its end; every read stays within the box and the stream.
THEIFPrimaryImage ReadHEIFPrimaryImage(TStream& stream, uint64_t start, uint64_t end);
