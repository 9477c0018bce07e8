// What the companion files of an Original scenario hold, as the writers would read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zarkel {

struct CompanionReading {
  std::string path;                    // as fixed at opening (UTF-8); empty when none was chosen
  std::optional<std::int64_t> amount;  // place names, or bytes; none when it cannot be read
  bool missing = false;                // no file stands at `path`
  std::string problem;                 // otherwise, the message of the failed read
};

struct CompanionSummary {
  CompanionReading placeNames;
  CompanionReading description;
  CompanionReading title;
};

}  // namespace zarkel
