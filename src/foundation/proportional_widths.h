// Column widths scaled so that together they fill a given room, in the
// proportions of the widths given: each becomes Floor(width / (total /
// room)). A total of 0 gives equal widths; no room leaves them as they are.
#pragma once

#include <cstdint>

#include "foundation/types.h"

TIntArray ProportionalWidths(const TIntArray& widths, int32_t available);
