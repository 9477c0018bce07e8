// "Write out Files" on the "Axis Campaign" and "Allied Campaign" pages: the scenario in the
// Original layout with its three companion files, under a campaign slot's name.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/campaign_page.h"
#include "model/dialogs.h"
#include "model/editor_state.h"
#include "output/write_report.h"

namespace zarkel {

struct CampaignWriteRequest {
  CampaignPage page = CampaignPage::Axis;
  std::string slotName;         // the checked slot's base name, the user's name, or empty
  std::string directory;        // the page's directory list
  std::int32_t battleType = 0;  // the spin control's value
  LimitTexts limitTexts;        // Edit3 .. Edit11
};

// Writes the four files and returns them (the session then counts the edits as written). Refuses
// an empty slot name before anything else; asks before it replaces files that are there, and
// returns none, having written nothing, when the answer is No.
std::optional<WrittenFiles> WriteCampaignScenario(EditorState& state, Dialogs& dialogs,
                                                  const CampaignWriteRequest& request);

}  // namespace zarkel
