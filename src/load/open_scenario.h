// "Open File": reading a scenario into the editor.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "roster/campaign_values.h"
#include "roster/side_rosters.h"

namespace zarkel {

// What the controls of the "Open File" page (and the side buttons) hold when "Open File" is
// pressed.
struct OpenRequest {
  std::optional<ScenarioLayout> layout;  // RadioButton1 "Homemade" / RadioButton2 "Orvane Original"
  std::string directory;                 // DirectoryListBox1
  std::string fileName;                  // Edit1 as last changed
  bool placenameDefault = true;          // CheckBox1 ".tst file default name and directory"
  bool titleDefault = true;              // CheckBox3 ".tit file default name and directory"
  bool descriptionDefault = true;        // CheckBox2 ".des file default name and directory"
  SideButtons side;
};

struct OpenResult {
  bool opened = false;  // false when no layout was chosen (the message has been shown)
  CampaignValuesDisplay campaignValues;  // for battletype and Edit3..Edit11
  // The refresh, when a side button is checked. Without one, only ListBox1 is emptied and the
  // other lists stay as they were.
  std::optional<RosterDisplay> roster;
};

constexpr const char* kNoLayoutMessage = "Type of Scenario Not Selected Please Select one";

// Opens the scenario: loads the equipment on the first opening, checks the file's size against
// its layout, reads it into a fresh state and only then replaces the loaded scenario and clears
// the edit history. Any failure (IoError, Refusal) leaves the loaded scenario as it was.
OpenResult OpenScenario(EditorState& state, Dialogs& dialogs, const OpenRequest& request);

// The size a scenario file must have for `layout`, found from its own header and length fields.
struct RequiredSize {
  std::int64_t bytes = 0;
  bool complete = false;  // false: the file ends before the fields that fix it; `bytes` is a floor
};
RequiredSize RequiredScenarioSize(SourceFile& file, ScenarioLayout layout);

// The check an opening makes of the file's size against `layout` before it reads anything:
// throws Refusal when the size does not fit, naming the other layout when the size fits that one
// exactly (the file has no marker, so its size is the only witness). A larger file is accepted.
void CheckScenarioSize(SourceFile& file, ScenarioLayout layout);

}  // namespace zarkel
