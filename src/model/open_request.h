// What "Open File" takes from the controls and answers them.
#pragma once

#include <optional>
#include <string>

#include "model/campaign_display.h"
#include "model/roster_display.h"
#include "model/scenario_layout.h"

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

}  // namespace zarkel
