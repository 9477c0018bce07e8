// The equipment files a load read.
#pragma once

#include <optional>
#include <string>

namespace zarkel {

// The files a load of the equipment read: none where its dialog was cancelled.
struct EquipmentRead {
  std::optional<std::string> equipmentPath;
  std::optional<std::string> namesPath;
};

}  // namespace zarkel
