// The titles and texts of the questions writes ask.
#pragma once

namespace zarkel {

// The question a write asks before it replaces files that are there.
constexpr const char* kReplaceTitle = "Replace";

// The Homemade writer's question before it converts an Original scenario.
constexpr const char* kConfirmTitle = "Confirm";
constexpr const char* kConfirmOriginalConversion =
    "Continue ? (answer yes only if the scenario origonally created in the battle generator)";

}  // namespace zarkel
