// What the session answers, as plain JavaScript objects for the page. Names are the core's
// field names; the scenario's single-byte texts arrive as JavaScript strings.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <utility>

#include "model/campaign_display.h"
#include "model/dialogs.h"
#include "model/roster_display.h"
#include "model/scenario_findings.h"
#include "model/unit_edit.h"
#include "session/map_model.h"
#include "session/session_change.h"

namespace zarkel::web {

using emscripten::val;

val ToJs(const RosterDisplay& display);
val ToJs(const ReviewFields& fields);
val ToJs(const UnitReview& review);
val ToJs(const UnitEditTexts& texts);
val ToJs(const UnitCountCaptions& captions);
val ToJs(const MapContent& content);

// "core" or "aux", as the page names the two unit pages.
const char* PageName(UnitPage page);
std::optional<UnitPage> PageNamed(const std::string& name);

// The files an open asks for, as the page names them: "equipment", "names", "placenames",
// "title" and "description".
using FileDialogName = std::pair<FileDialogKind, const char*>;
const std::array<FileDialogName, 5>& FileDialogNames();

}  // namespace zarkel::web
