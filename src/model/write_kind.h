// The writes the editor makes from the open scenario, as every face offers them.
#pragma once

namespace zarkel {

enum class WriteKind {
  Campaign,       // a campaign scenario and its three companion files
  Homemade,       // a copy in the Homemade layout
  OrderOfBattle,  // the order of battle as text
};

}  // namespace zarkel
