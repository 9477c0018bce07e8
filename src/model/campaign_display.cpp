#include "model/campaign_display.h"

#include <algorithm>

namespace zarkel {

std::int32_t ClampBattleType(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, 2));
}

}  // namespace zarkel
