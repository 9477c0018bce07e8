#include "writer_fixture.h"

namespace zarkel::testing {

namespace {

UnitPlan Unit(const std::string& name, int side, int order, int seed) {
  UnitPlan u = NamedUnit(name, side, order);
  u.seed = static_cast<std::uint8_t>(seed);
  u.equipmentId = static_cast<std::uint16_t>(seed % 30);
  u.experience = static_cast<std::uint8_t>(seed % 5);
  return u;
}

UnitPlan Renumbered(UnitPlan unit, int order) {
  unit.orderNumber = static_cast<std::uint8_t>(order);
  return unit;
}

}  // namespace

WriterCase MakeWriterCase(Layout layout) {
  WriterCase c;
  ScenarioPlan& s = c.source;
  s.layout = layout;
  s.mapSizeA = 20;
  s.mapSizeB = 30;
  s.homemadeCountOpaque = {0xB5, 0xB6, 0xB7};
  if (layout == Layout::Homemade) {
    for (int i = 0; i < 12; ++i)
      s.placeNames.push_back("Place " + std::to_string(i));
    s.placeNames[3] = std::string(30, 'W');  // a full record without a zero byte
    s.description = std::string(500, '\0');
    for (int i = 0; i < 500; ++i)
      s.description[i] = static_cast<char>(PatternByte(77, i));
    s.title = "A title, with a comma";
  }
  s.battleType = 1;
  s.trailing = {0xEE, 0xEF};

  const UnitPlan axisA = Unit("Axis A", 0, 3, 11);
  const UnitPlan axisB = Unit("Axis B", 0, 7, 12);
  const UnitPlan axisAux = Unit("Axis aux", 0, 95, 13);
  const UnitPlan allied = Unit("Allied", 1, 0, 14);
  const UnitPlan third = Unit("Third", 2, 2, 15);
  UnitPlan weak = Unit("Weak", 0, 4, 16);
  weak.strength = 0;
  const UnitPlan stray = Unit("No side", 3, 5, 17);
  // Slots out of their side's position: the reader goes by the record's own side byte.
  s.slots[{3, 0}] = MakeUnit(axisA);
  s.slots[{7, 4}] = MakeUnit(axisB);
  s.slots[{95, 0}] = MakeUnit(axisAux);
  s.slots[{0, 1}] = MakeUnit(allied);
  s.slots[{2, 2}] = MakeUnit(third);
  s.slots[{4, 0}] = MakeUnit(weak);
  s.slots[{5, 3}] = MakeUnit(stray);

  c.expectedUnits = {Renumbered(axisA, 0), Renumbered(axisB, 1), Renumbered(axisAux, 80),
                     Renumbered(allied, 0), Renumbered(third, 0)};
  return c;
}

Bytes ExpectedScenario(const ScenarioPlan& source, Layout layout,
                       const std::vector<UnitPlan>& units, std::uint8_t type,
                       const std::array<std::uint8_t, 8>& fileOrderLimits,
                       const std::vector<std::string>& placeNames, const std::string& description,
                       const std::string& title) {
  ScenarioPlan out = source;
  out.layout = layout;
  out.placeNames = placeNames;
  out.description = description;
  out.title = title;
  out.battleType = type;
  out.limits = fileOrderLimits;
  out.trailing.clear();
  // Header bytes 5 to 7 come from a Homemade source; written from an Original one they are zero.
  if (source.layout == Layout::Original)
    out.homemadeCountOpaque = {0, 0, 0};
  out.slots.clear();
  for (const UnitPlan& unit : units)
    out.Place(unit);
  return BuildScenario(out).bytes;
}

std::array<std::uint8_t, 8> FileOrder(const std::array<std::uint8_t, 8>& e) {
  // Edit order: axisLand, axisNaval, alliedLand, alliedNaval, axisAux, axisCore, alliedAux,
  // alliedCore. File order: axisLand, alliedLand, axisNaval, alliedNaval, then the tail four.
  return {e[0], e[2], e[1], e[3], e[4], e[5], e[6], e[7]};
}

}  // namespace zarkel::testing
