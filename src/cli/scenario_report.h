// `info`: what the opened scenario holds, as a readable summary or as one JSON object.
#pragma once

#include <string>

#include "cli/command_line.h"
#include "model/editor_state.h"
#include "session/session.h"

namespace zarkel::cli {

// A text holding unit names, for a terminal: control bytes shown as "?", the rest taken as
// Latin-1 and written as UTF-8.
std::string TerminalText(const std::string& text);

// The summary for people: header values, limits, and each side's core and auxiliary units in
// list order.
std::string ScenarioSummary(const Session& session, const Command& command);

// The same as one JSON object (compact, on one line). Unit types and equipment names are
// included when an equipment file was given.
std::string ScenarioJson(const Session& session, const Command& command);

}  // namespace zarkel::cli
