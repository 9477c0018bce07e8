#include "model/campaign_page.h"

namespace zarkel {

const std::array<CampaignSlot, 13>& CampaignSlots(CampaignPage page) {
  // The game's own captions and file names, spellings included.
  static const std::array<CampaignSlot, 13> kAxis = {{
      {"RadioButton5", "Central China", "cchina"},
      {"RadioButton6", "Southeast China", "sechina"},
      {"RadioButton7", "Singapore", "malay"},
      {"RadioButton8", "Burma", "burma42"},
      {"RadioButton9", "India", "india"},
      {"RadioButton10", "Australia", "austral"},
      {"RadioButton11", "Pearl Harbor", "pearl41"},
      {"RadioButton12", "Philpines 41", "phill41"},
      {"RadioButton13", "New Guinea", "guinea"},
      {"RadioButton14", "Hawaii 44", "hawai44"},
      {"RadioButton15", "San Fransisco", "frisco"},
      {"RadioButton16", "Midwest", "midwest"},
      {"RadioButton17", "Persia", "persia"},
  }};
  static const std::array<CampaignSlot, 13> kAllied = {{
      {"RadioButton19", "Midway", "midway"},
      {"RadioButton20", "Guadalcanal", "guadcnl"},
      {"RadioButton21", "Tarawa", "tarawa"},
      {"RadioButton22", "Solomon", "slmnisl"},
      {"RadioButton23", "Marshalls", "mrslisl"},
      {"RadioButton24", "Marianas", "mrnaisl"},
      {"RadioButton25", "Admiralty", "admrisl"},
      {"RadioButton26", "Philippine Sea", "philsea"},
      {"RadioButton27", "Leyte Gulf", "lyteglf"},
      {"RadioButton28", "Philippines 44", "phill44"},
      {"RadioButton29", "Iwo Jima", "iwojima"},
      {"RadioButton30", "Okinawa", "okinawa"},
      {"RadioButton31", "Coronet", "coronet"},
  }};
  return page == CampaignPage::Axis ? kAxis : kAllied;
}

const char* CampaignPageCaption(CampaignPage page) {
  return page == CampaignPage::Axis ? "Axis Campaign" : "Allied Campaign";
}

}  // namespace zarkel
