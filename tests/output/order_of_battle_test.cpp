#include "output/order_of_battle.h"

#include <gtest/gtest.h>

#include "roster/transfer.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::ScenarioPlan;
using testing::UnitPlan;

const std::string kHeader =
    "Side,Class,Name,Country,Unit Type,Equipment Name,Land Trans, Naval Trans,Column,Row,Used,"
    "Str,Ent,Exp\r\n";

std::string Name40(const std::string& name) {
  return name + std::string(40 - name.size(), '\0');
}

class OrderOfBattleTest : public ::testing::Test {
 protected:
  std::string Export(const std::string& name = "OB") {
    WriteOrderOfBattle(state, testing::Replacing(),
                       OrderOfBattleRequest{fx.dir.path().string(), name});
    const auto bytes = testing::ReadFileBytes(fx.dir / (name + ".txt"));
    return std::string(bytes.begin(), bytes.end());
  }
  testing::ScenarioFixture fx;
  EditorState state;
};

TEST_F(OrderOfBattleTest, BeforeAnyOpeningTheHeaderAndThreeBlankLines) {
  EXPECT_EQ(Export(), kHeader + " \r\n \r\n \r\n");
}

TEST_F(OrderOfBattleTest, EveryRosteredUnitSideBySide) {
  ScenarioPlan plan;
  UnitPlan a;  // fixture equipment: id i is class i % 20, named "Eq<i>"
  a.name = "First, Panzer";
  a.country = 9;
  a.equipmentId = 1;
  a.landTransportId = 8;
  a.navalTransportId = 990;
  a.column = 256 + 12;
  a.row = 4;
  a.strength = 10;
  a.entrenchment = 2;
  a.experience = 3;
  plan.Place(a);
  UnitPlan b = a;
  b.name = std::string(40, 'B');
  b.orderNumber = 80;
  b.landTransportId = 65535;
  b.column = 7;
  plan.Place(b);
  UnitPlan third = a;
  third.name = "Third";
  third.side = 2;
  third.country = 30;
  plan.Place(third);
  UnitPlan none = a;
  none.side = 5;
  none.orderNumber = 1;
  plan.Place(none);
  fx.WriteScenario(plan, "s.scn");
  fx.Open(state, "s.scn", ScenarioLayout::Original);

  const std::string expected =
      kHeader + "Axis,Core," + Name40("First, Panzer") + ",Ge,Tank,Eq1,Eq8,,12,4,NO,10,2,3\r\n" +
      "Axis,Aux," + std::string(40, 'B') + ",Ge,Tank,Eq1,,,7,4,0,10,2,3\r\n \r\n \r\n" +
      "Aux 1,Core," + Name40("Third") + ",VFr,Tank,Eq1,Eq8,,12,4,NO,10,2,3\r\n \r\n";
  EXPECT_EQ(Export(), expected);

  // A transfer shows at once, before anything is written.
  SelectSide(state, SideButtons{true, false});
  TransferToAux(state, {0}, SideButtons{true, false});
  EXPECT_NE(Export("after").find("Axis,Aux," + Name40("First, Panzer")), std::string::npos);
}

}  // namespace
}  // namespace zarkel
