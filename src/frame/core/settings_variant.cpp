#include "frame/core/settings_variant.h"

#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

int32_t GetIntFromVariant(const TSettingsVariant& value) {
  return std::visit(
      [](const auto& v) -> int32_t {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, std::string>) {
          return -1;
        } else if constexpr (std::is_floating_point_v<T>) {
          const double d = std::nearbyint(static_cast<double>(v));
          if (!std::isfinite(d) || d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max())
            return -1;
          return static_cast<int32_t>(d);
        } else {
          if (!std::in_range<int32_t>(v)) return -1;
          return static_cast<int32_t>(v);
        }
      },
      value);
}
