#include "model/editor_state.h"

namespace zarkel {

const char* LimitFieldName(std::int32_t field) {
  static const char* const kNames[kLimitFieldCount] = {
      "axisLandCoreMax", "axisNavalCoreMax", "alliedLandCoreMax", "alliedNavalCoreMax",
      "axisAuxMax",      "axisCoreMax",      "alliedAuxMax",      "alliedCoreMax",
  };
  return field >= 0 && field < kLimitFieldCount ? kNames[field] : "";
}

}  // namespace zarkel
