#include "output/output_name.h"

#include "base/errors.h"
#include "output/write_name.h"

namespace zarkel {

void RequireOutputName(const std::string& name, const std::string& field, const std::string& choose,
                       const std::vector<std::string>& fileNames) {
  if (name.empty())
    throw Refusal("The file name is empty. " + choose + " Nothing was written.");
  RequireWriteName(name, "given in " + field, fileNames);
}

}  // namespace zarkel
