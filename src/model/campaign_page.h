// The "Axis Campaign" and "Allied Campaign" pages and the game's campaign slots on them.
#pragma once

#include <array>

namespace zarkel {

enum class CampaignPage { Axis, Allied };

// A campaign slot of the game: its radio button, caption and file base name.
struct CampaignSlot {
  const char* radioButton;  // "RadioButton5" ...
  const char* caption;      // "Central China" ...
  const char* baseName;     // "cchina" ...
};
// The 13 slots of each page, in the order of their radio buttons on the page.
const std::array<CampaignSlot, 13>& CampaignSlots(CampaignPage page);

// "Axis Campaign" or "Allied Campaign", the page's caption.
const char* CampaignPageCaption(CampaignPage page);

}  // namespace zarkel
