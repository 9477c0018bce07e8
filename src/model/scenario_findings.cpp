#include "model/scenario_findings.h"

namespace zarkel {

const char* FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::ImplausibleContent:
      return "implausible-content";
    case FindingKind::OutsideMap:
      return "outside-map";
    case FindingKind::SharedHex:
      return "shared-hex";
    case FindingKind::TooManyUnits:
      return "too-many-units";
    case FindingKind::LimitBelowCount:
      return "limit-below-count";
    case FindingKind::LimitNotWritable:
      return "limit-not-writable";
    case FindingKind::UnknownEquipment:
      break;
  }
  return "unknown-equipment";
}

}  // namespace zarkel
