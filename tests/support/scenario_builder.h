// Builds the game's files byte by byte from the file format, for the tests. Offsets here are
// written out from the format on purpose, not taken from the editor's constants, so that a wrong
// constant in the editor shows as a failing test. Opaque regions are filled with patterns that
// differ from region to region, so that a byte copied from the wrong place shows.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zarkel::testing {

using Bytes = std::vector<std::uint8_t>;

// The fields of a unit record the editor knows; everything else is patterned from `seed`.
struct UnitPlan {
  std::string name = "Unit";  // up to 40 bytes, zero-filled
  std::uint8_t country = 9;
  std::uint16_t equipmentId = 1;
  std::uint16_t landTransportId = 0xFFFF;
  std::uint16_t navalTransportId = 0xFFFF;
  std::uint16_t column = 3;
  std::uint16_t row = 4;
  std::uint8_t strength = 10;
  std::uint8_t entrenchment = 1;
  std::uint8_t experience = 2;
  std::uint8_t side = 0;
  std::uint8_t orderNumber = 0;
  std::uint8_t seed = 1;
};

// A unit of `side` whose order number is `order`, the other fields as above.
UnitPlan NamedUnit(const std::string& name, int side, int order);

using UnitBytes = std::array<std::uint8_t, 218>;
UnitBytes MakeUnit(const UnitPlan& plan);
UnitBytes EmptySlotBytes();  // 218 zero bytes, bytes 41 and 42 0xFF

enum class Layout { Homemade, Original };

struct ScenarioPlan {
  Layout layout = Layout::Original;
  std::uint8_t mapSizeA = 2;
  std::uint8_t mapSizeB = 3;
  std::array<std::uint8_t, 2> headerOpaque13{0xA1, 0xA3};    // header bytes 1 and 3
  std::array<std::uint8_t, 3> homemadeCountOpaque{0, 0, 0};  // Homemade header bytes 5..7
  std::vector<std::string> placeNames;  // Homemade: each becomes a 30-byte record (zero-filled)
  std::string description;              // Homemade only
  std::string title;                    // Homemade only
  std::uint8_t battleType = 1;
  std::array<std::uint8_t, 2> carriedValues{0xC0, 0xC1};
  // In the order of the file: axisLand, alliedLand (block 7, 8), axisNaval, alliedNaval
  // (block 13, 14), axisAux, axisCore (tail 32, 33), alliedAux, alliedCore (tail 50, 51).
  std::array<std::uint8_t, 8> limits{11, 12, 13, 14, 15, 16, 17, 18};
  // Units by (block, slot); every other slot holds the empty form.
  std::map<std::pair<int, int>, UnitBytes> slots;
  std::uint8_t patternSeed = 0x5A;
  Bytes trailing;  // bytes after the tail (not part of the scenario)

  // Puts a unit into the slot of its side and the block of its order number.
  void Place(const UnitPlan& unit);
};

// A built scenario and where its parts lie, computed from the format.
struct BuiltScenario {
  Bytes bytes;
  std::int64_t typeOffset = 0;      // P
  std::int64_t unitAreaOffset = 0;  // U
  std::int64_t tailOffset = 0;      // T
};

BuiltScenario BuildScenario(const ScenarioPlan& plan);

// A pattern byte for position `index` of opaque region `region`.
std::uint8_t PatternByte(std::uint32_t region, std::uint64_t index);

// An equipment file: a 16-bit count, then 168-byte entries whose byte 0 is the class.
// `declaredCount` may differ from the number of entries given (a truncated file).
Bytes BuildEquipmentFile(const std::vector<std::uint8_t>& classes, int declaredCount = -1);

// Lines joined by `lineEnd`, with `lineEnd` after the last line too when `endLast`.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n",
                      bool endLast = true);

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteFileText(const std::filesystem::path& path, const std::string& text);
Bytes ReadFileBytes(const std::filesystem::path& path);
Bytes ToBytes(const std::string& text);
Bytes Slice(const Bytes& bytes, std::int64_t offset, std::int64_t count);

}  // namespace zarkel::testing
