// A count with its noun in the singular or the plural, as messages write them: "1 entry",
// "3 entries", "0 names".
#pragma once

#include <cstdint>
#include <string>

namespace zarkel {

inline std::string Counted(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace zarkel
