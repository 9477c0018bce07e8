#include "model/roster_display.h"

namespace zarkel {

const std::array<CompositionRow, kCompositionRows>& CompositionRows() {
  // Land transport (8), air transport (18) and naval transport (19) are counted but not shown.
  static const std::array<CompositionRow, kCompositionRows> kRows = {{
      {"Inf:", 0},
      {"Tank:", 1},
      {"Recon:", 2},
      {"A-T:", 3},
      {"Art:", 4},
      {"AA:", 5},
      {"AD:", 6},
      {"Fort:", 7},
      {"Dest:", 9},
      {"Btlshp:", 10},
      {"Carrier:", 11},
      {"H. Crsr:", 12},
      {"L. Crsr:", 13},
      {"Sub:", 14},
      {"Ftr:", 15},
      {"Tac:", 16},
      {"Lvl:", 17},
  }};
  return kRows;
}

}  // namespace zarkel
