#include "scenario_builder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zarkel::testing {

namespace {

void Put16(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value & 0xFF);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

void AppendPattern(Bytes& bytes, std::uint32_t region, std::int64_t count) {
  for (std::int64_t i = 0; i < count; ++i)
    bytes.push_back(PatternByte(region, i));
}

void Append(Bytes& bytes, const std::string& text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
}

void Append16(Bytes& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Region numbers of the opaque runs, so each gets its own pattern.
enum Region : std::uint32_t {
  kMapRegion = 1,
  kAfterMapRegion = 2,
  kAfterTypeRegion = 3,
  kLimitsBlockRegion = 4,
  kAfterLimitsRegion = 5,
  kTailRegion = 6,
};

}  // namespace

std::uint8_t PatternByte(std::uint32_t region, std::uint64_t index) {
  std::uint64_t x = (region + 1) * 0x9E3779B97F4A7C15ull ^ (index * 0xBF58476D1CE4E5B9ull);
  x ^= x >> 29;
  x *= 0x94D049BB133111EBull;
  x ^= x >> 32;
  return static_cast<std::uint8_t>(x);
}

UnitPlan NamedUnit(const std::string& name, int side, int order) {
  UnitPlan unit;
  unit.name = name;
  unit.side = static_cast<std::uint8_t>(side);
  unit.orderNumber = static_cast<std::uint8_t>(order);
  return unit;
}

UnitBytes MakeUnit(const UnitPlan& plan) {
  if (plan.name.size() > 40)
    throw std::invalid_argument("unit name over 40 bytes");
  UnitBytes bytes{};
  for (std::size_t i = 40; i < bytes.size(); ++i)
    bytes[i] = PatternByte(1000 + plan.seed, i);
  std::copy(plan.name.begin(), plan.name.end(), bytes.begin());
  bytes[40] = plan.country;
  Put16(&bytes[41], plan.equipmentId);
  Put16(&bytes[43], plan.landTransportId);
  Put16(&bytes[45], plan.navalTransportId);
  Put16(&bytes[51], plan.column);
  Put16(&bytes[53], plan.row);
  bytes[55] = plan.strength;
  bytes[61] = plan.entrenchment;
  bytes[64] = plan.experience;
  bytes[191] = plan.side;
  bytes[197] = plan.orderNumber;
  return bytes;
}

UnitBytes EmptySlotBytes() {
  UnitBytes bytes{};
  bytes[41] = 0xFF;
  bytes[42] = 0xFF;
  return bytes;
}

void ScenarioPlan::Place(const UnitPlan& unit) {
  slots[{unit.orderNumber, unit.side}] = MakeUnit(unit);
}

BuiltScenario BuildScenario(const ScenarioPlan& plan) {
  const bool homemade = plan.layout == Layout::Homemade;
  const std::uint32_t seed = plan.patternSeed * 16u;
  BuiltScenario built;
  Bytes& b = built.bytes;

  b.push_back(plan.mapSizeA);
  b.push_back(plan.headerOpaque13[0]);
  b.push_back(plan.mapSizeB);
  b.push_back(plan.headerOpaque13[1]);
  if (homemade) {
    if (plan.placeNames.size() > 255)
      throw std::invalid_argument("over 255 place names");
    b.push_back(static_cast<std::uint8_t>(plan.placeNames.size()));
    b.insert(b.end(), plan.homemadeCountOpaque.begin(), plan.homemadeCountOpaque.end());
    for (const std::string& name : plan.placeNames) {
      if (name.size() > 30)
        throw std::invalid_argument("place name over 30 bytes");
      Append(b, name);
      b.insert(b.end(), 30 - name.size(), 0);
    }
  }
  AppendPattern(b, seed + kMapRegion, 37LL * plan.mapSizeA * plan.mapSizeB);
  AppendPattern(b, seed + kAfterMapRegion, 100);

  built.typeOffset = static_cast<std::int64_t>(b.size());
  b.push_back(plan.battleType);
  AppendPattern(b, seed + kAfterTypeRegion, 10425);

  // The 15-byte core limits block.
  Bytes block;
  AppendPattern(block, seed + kLimitsBlockRegion, 15);
  block[0] = plan.carriedValues[0];
  block[1] = plan.carriedValues[1];
  block[7] = plan.limits[0];
  block[8] = plan.limits[1];
  block[13] = plan.limits[2];
  block[14] = plan.limits[3];
  b.insert(b.end(), block.begin(), block.end());
  AppendPattern(b, seed + kAfterLimitsRegion, 82);

  if (homemade) {
    if (plan.description.size() > 65535 || plan.title.size() > 65535) {
      throw std::invalid_argument("embedded text over 65535 bytes");
    }
    Append16(b, static_cast<std::uint16_t>(plan.description.size()));
    Append(b, plan.description);
    Append16(b, static_cast<std::uint16_t>(plan.title.size()));
    Append(b, plan.title);
  }

  built.unitAreaOffset = static_cast<std::int64_t>(b.size());
  const UnitBytes empty = EmptySlotBytes();
  for (int block = 0; block < 200; ++block) {
    for (int slot = 0; slot < 6; ++slot) {
      const auto found = plan.slots.find({block, slot});
      const UnitBytes& unit = found == plan.slots.end() ? empty : found->second;
      b.insert(b.end(), unit.begin(), unit.end());
    }
  }

  built.tailOffset = static_cast<std::int64_t>(b.size());
  Bytes tail;
  AppendPattern(tail, seed + kTailRegion, 132);
  tail[32] = plan.limits[4];
  tail[33] = plan.limits[5];
  tail[50] = plan.limits[6];
  tail[51] = plan.limits[7];
  b.insert(b.end(), tail.begin(), tail.end());
  b.insert(b.end(), plan.trailing.begin(), plan.trailing.end());
  return built;
}

Bytes BuildEquipmentFile(const std::vector<std::uint8_t>& classes, int declaredCount) {
  const int count = declaredCount < 0 ? static_cast<int>(classes.size()) : declaredCount;
  Bytes bytes;
  Append16(bytes, static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < classes.size(); ++i) {
    bytes.push_back(classes[i]);
    for (int j = 1; j < 168; ++j)
      bytes.push_back(PatternByte(2000, i * 168 + j));
  }
  return bytes;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd,
                      bool endLast) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (endLast || i + 1 < lines.size())
      text += lineEnd;
  }
  return text;
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write test file " + path.string());
}

void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  WriteFileBytes(path, ToBytes(text));
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot read test file " + path.string());
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

Bytes Slice(const Bytes& bytes, std::int64_t offset, std::int64_t count) {
  if (offset < 0 || count < 0 || offset + count > static_cast<std::int64_t>(bytes.size())) {
    throw std::out_of_range("slice outside the bytes");
  }
  return Bytes(bytes.begin() + offset, bytes.begin() + offset + count);
}

}  // namespace zarkel::testing
