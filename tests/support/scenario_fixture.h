// A directory holding a scenario, an equipment file and an equipment-name file built from the
// format, and the requests that open them.
#pragma once

#include <string>
#include <vector>

#include "load/open_scenario.h"
#include "scenario_builder.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

namespace zarkel::testing {

// Equipment classes for ids 0..29: id i has class i % 20, so every class occurs; names "Eq<i>".
std::vector<std::uint8_t> StandardClasses();
std::vector<std::string> StandardNames();

class ScenarioFixture {
 public:
  ScenarioFixture();

  // Writes `plan` as `fileName` in the directory and returns what it wrote.
  BuiltScenario WriteScenario(const ScenarioPlan& plan, const std::string& fileName);

  // A request to open `fileName` with the given layout and side buttons.
  OpenRequest Request(const std::string& fileName, ScenarioLayout layout,
                      SideButtons side = {}) const;

  // Opens `fileName`, answering the equipment dialogs on the first opening of `state`.
  OpenResult Open(EditorState& state, const std::string& fileName, ScenarioLayout layout,
                  SideButtons side = {});

  TempDir dir;
  ScriptedDialogs dialogs;
  std::string equipmentPath;
  std::string namesPath;
};

}  // namespace zarkel::testing
