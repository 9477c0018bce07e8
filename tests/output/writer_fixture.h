// A source scenario for the writers' tests, and the files the writers must produce from it, both
// built from the format by the test builder. The source holds units out of order, a unit of no
// side, a unit of strength 0 and bytes past its tail, so that renumbering, dropping and the end
// of the file all show in the output.
#pragma once

#include <string>
#include <vector>

#include "scenario_fixture.h"

namespace zarkel::testing {

struct WriterCase {
  ScenarioPlan source;                  // as written to disk
  std::vector<UnitPlan> expectedUnits;  // as a writer must lay them out, default type and limits
};

// A 20 x 30 map; Homemade sources have 12 place names, a 500-byte description and a 20-byte title.
WriterCase MakeWriterCase(Layout layout);

// The scenario a writer must produce in `layout` from `source`: the same opaque bytes, the units
// of `units`, the type and limits given, the carried values of the source, nothing past the tail.
Bytes ExpectedScenario(const ScenarioPlan& source, Layout layout,
                       const std::vector<UnitPlan>& units, std::uint8_t type,
                       const std::array<std::uint8_t, 8>& fileOrderLimits,
                       const std::vector<std::string>& placeNames = {},
                       const std::string& description = "", const std::string& title = "");

// The limits of a LimitTexts (edit order) as they stand in the file (file order).
std::array<std::uint8_t, 8> FileOrder(const std::array<std::uint8_t, 8>& editOrder);

}  // namespace zarkel::testing
