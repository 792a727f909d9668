// The caption argument of the frame's program-text declarations: a loosely
// typed value that declares something only when it holds a number.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

using TSettingsVariant = std::variant<std::monostate, int8_t, uint8_t, int16_t, uint16_t, int32_t, uint32_t, int64_t,
                                      uint64_t, float, double, std::string>;

// The number as a 32-bit integer (fractions rounded half to even); -1 for a
// value without a number or one beyond the 32-bit range.
int32_t GetIntFromVariant(const TSettingsVariant& value);
