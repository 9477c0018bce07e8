#include "output/output_name.h"

#include "base/errors.h"

namespace zarkel {

namespace {

#ifdef _WIN32
constexpr const char* kPathCharacters = "/\\:";
#else
constexpr const char* kPathCharacters = "/";
#endif

}  // namespace

void RequireNameWithoutFolder(const std::string& name, const std::string& field) {
  const std::string::size_type at = name.find_first_of(kPathCharacters);
  if (at == std::string::npos)
    return;
  throw Refusal("The name \"" + name + "\" given in " + field + " holds \"" + name[at] +
                "\": type a file name without a folder. Nothing was written.");
}

void RequireOutputName(const std::string& name, const std::string& field,
                       const std::string& choose) {
  if (name.empty())
    throw Refusal("The file name is empty. " + choose + " Nothing was written.");
  RequireNameWithoutFolder(name, field);
}

}  // namespace zarkel
