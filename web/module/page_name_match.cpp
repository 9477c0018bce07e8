#include "page_name_match.h"

#include <cstdint>
#include <vector>

#include "base/case_insensitive_name.h"
#include "base/errors.h"
#include "js_values.h"

namespace zarkel::web {

using emscripten::val;

val PickFile(const val& files, const std::string& wanted) {
  std::vector<NameCandidate> candidates;
  const auto count = files["length"].as<std::uint32_t>();
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string name = TextField(files[i], "name").value_or("");
    candidates.push_back({name, TextField(files[i], "path").value_or(name)});
  }
  val result = val::object();
  try {
    const std::optional<std::size_t> found =
        PickIgnoringCase(candidates, wanted, wanted, CandidatesFrom::FilesGiven);
    result.set("index", found ? static_cast<std::int32_t>(*found) : -1);
  } catch (const Refusal& refusal) {
    result.set("error", std::string(refusal.what()));
  }
  return result;
}

val NamesIgnoringCaseOf(const val& names, const std::string& wanted) {
  std::vector<std::string> all;
  const auto count = names["length"].as<std::uint32_t>();
  for (std::uint32_t i = 0; i < count; ++i)
    all.push_back(names[i].as<std::string>());
  val found = val::array();
  std::uint32_t at = 0;
  for (const std::size_t i : NamesIgnoringCase(all, wanted))
    found.set(at++, all[i]);
  return found;
}

}  // namespace zarkel::web
