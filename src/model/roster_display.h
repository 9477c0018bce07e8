// What the window shows of the side chosen after a refresh: its six unit lists, the core
// composition and the experience figures, as plain values every face draws from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarkel {

// The side radio buttons "Axis" (RadioButton3) and "Allies" (RadioButton4) as they stand.
struct SideButtons {
  bool axis = false;
  bool allies = false;
};

// The experience captions. Average figures read like "2.67"; a side without units shows
// empty texts.
struct ExperienceCaptions {
  std::string axisAverage;    // Label78
  std::string axisNewUnit;    // Label80
  std::string alliedAverage;  // Label83
  std::string alliedNewUnit;  // Label84
  // The figures of the checked side for the "Core Units" and "Aux Units " pages (Label95 and
  // Label91, Label96 and Label92); none when no side is checked (the captions keep their text).
  std::optional<std::string> pageAverage;
  std::optional<std::string> pageNewUnit;
};

constexpr std::int32_t kCompositionRows = 17;

// What the window shows after a refresh. Applying it also empties the review fields of the
// "Core Units" and "Aux Units " pages except their experience edits (Edit21, Edit20), and
// removes every selection.
struct RosterDisplay {
  std::vector<std::string> coreNames;        // ListBox1 "All Core Units"
  std::vector<std::string> coreLines;        // ListBox2, experience lines
  std::vector<std::string> auxLines;         // ListBox3, experience lines
  std::vector<std::string> auxNames;         // ListBox4 "All Auxillary Units"
  std::vector<std::string> unusedCoreNames;  // ListBox5
  std::vector<std::string> unusedAuxNames;   // ListBox6
  std::optional<std::string> sideCaption;    // Label85 and Label87; none: keep their text
  std::array<std::string, kCompositionRows> compositionCaptions;  // Label127 .. Label143
  // Beneath them: why core units are left out of the counts (their class is unknown); empty
  // when every core unit is counted.
  std::string compositionNote;
  ExperienceCaptions experience;
};

// The row captions of the composition panel ("Inf:", "Tank:", ...), and the class each shows.
struct CompositionRow {
  const char* caption;
  std::int32_t unitClass;
};
const std::array<CompositionRow, kCompositionRows>& CompositionRows();

}  // namespace zarkel
