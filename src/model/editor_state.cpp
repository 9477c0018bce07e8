#include "model/editor_state.h"

namespace zarkel {

const char* LimitFieldName(std::int32_t field) {
  static const char* const kNames[kLimitFieldCount] = {
      "axisLandCoreMax", "axisNavalCoreMax", "alliedLandCoreMax", "alliedNavalCoreMax",
      "axisAuxMax",      "axisCoreMax",      "alliedAuxMax",      "alliedCoreMax",
  };
  return field >= 0 && field < kLimitFieldCount ? kNames[field] : "";
}

const char* LimitCaption(std::int32_t field) {
  static const char* const kCaptions[kLimitFieldCount] = {
      "max axis land core units",   "max axis navy core units ***",
      "max allied land core units", "max allied navy core units ***",
      "max # of axis Aux ",         "max axis core",
      "max # of allied Aux",        " max allied core",
  };
  return field >= 0 && field < kLimitFieldCount ? kCaptions[field] : "";
}

std::string LimitCaptionInMessages(std::int32_t field) {
  const std::string caption = LimitCaption(field);
  const auto first = caption.find_first_not_of(' ');
  if (first == std::string::npos)
    return std::string();
  return caption.substr(first, caption.find_last_not_of(' ') - first + 1);
}

}  // namespace zarkel
