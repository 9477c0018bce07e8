#include "load/open_scenario.h"

#include <filesystem>

#include "base/byte_order.h"
#include "base/case_insensitive_name.h"
#include "base/errors.h"
#include "base/source_file.h"
#include "base/utf8_path.h"
#include "load/equipment_load.h"
#include "output/companion_files.h"

namespace zarkel {

namespace {

std::uint8_t ByteAt(SourceFile& file, std::int64_t offset) {
  std::uint8_t byte = 0;
  file.ReadAt(static_cast<std::uint64_t>(offset), &byte, 1);
  return byte;
}

std::uint16_t WordAt(SourceFile& file, std::int64_t offset) {
  std::uint8_t bytes[2] = {0, 0};
  file.ReadAt(static_cast<std::uint64_t>(offset), bytes, 2);
  return ReadU16(bytes);
}

// The header values and the text lengths, as far as the layout has them.
ScenarioGeometry ReadGeometry(SourceFile& file, ScenarioLayout layout) {
  ScenarioGeometry geometry;
  geometry.mapSizeA = ByteAt(file, scn::kMapSizeAByte);
  geometry.mapSizeB = ByteAt(file, scn::kMapSizeBByte);
  if (layout == ScenarioLayout::Homemade) {
    geometry.placeNameCount = ByteAt(file, scn::kPlaceNameCountByte);
    const std::int64_t texts = AnchorOffset(geometry, layout) + scn::kTextsOffset;
    geometry.descriptionLength = WordAt(file, texts);
    geometry.titleLength = WordAt(file, texts + scn::kTextLengthSize + geometry.descriptionLength);
  }
  return geometry;
}

// The companion paths of an Original scenario: the default names beside it, or the files the
// user picks (a cancelled dialog keeps the earlier path). "Beside it" is the folder the scenario
// was actually opened from, which differs from the folder list's when "Filename" holds a path.
// A default name is fixed here, in the letter case of the file found (SKESSEL.TST beside
// KESSEL.SCN), so that every writer reads the same file and a name in two cases is refused at
// once.
void FixCompanionPaths(EditorState& state, Dialogs& dialogs, const OpenRequest& request,
                       const std::filesystem::path& scenarioPath, CompanionPaths& companions) {
  const std::filesystem::path directory = scenarioPath.parent_path();
  for (const FileDialogKind kind :
       {FileDialogKind::Placenames, FileDialogKind::Title, FileDialogKind::Description}) {
    state.fileDialogs[static_cast<std::size_t>(kind)].initialDirectory = Utf8FromPath(directory);
  }
  const std::string base = BaseName(Utf8FromPath(scenarioPath.filename()));
  auto fix = [&](bool useDefault, const std::string& defaultName, FileDialogKind kind,
                 std::string& path) {
    if (useDefault) {
      path = Utf8FromPath(FindIgnoringCase(*state.files, directory / PathFromUtf8(defaultName)));
    } else if (const auto chosen = ChooseFile(state, dialogs, kind)) {
      path = *chosen;
    }
  };
  fix(request.placenameDefault, PlacenameFileName(base), FileDialogKind::Placenames,
      companions.placeNamePath);
  fix(request.titleDefault, TitleFileName(base), FileDialogKind::Title, companions.titlePath);
  fix(request.descriptionDefault, DescriptionFileName(base), FileDialogKind::Description,
      companions.descriptionPath);
}

}  // namespace

RequiredSize RequiredScenarioSize(SourceFile& file, ScenarioLayout layout) {
  const std::int64_t size = static_cast<std::int64_t>(file.Size());
  const std::int64_t header = HeaderSize(layout);
  if (size < header)
    return {header, false};
  // Fields past the end of the file read as zero; the checks below say when that happened.
  const ScenarioGeometry geometry = ReadGeometry(file, layout);
  if (layout == ScenarioLayout::Homemade) {
    const std::int64_t texts = AnchorOffset(geometry, layout) + scn::kTextsOffset;
    if (size < texts + scn::kTextLengthSize)
      return {texts + 2 * scn::kTextLengthSize, false};
    const std::int64_t titleLengthAt = texts + scn::kTextLengthSize + geometry.descriptionLength;
    if (size < titleLengthAt + scn::kTextLengthSize)
      return {titleLengthAt + scn::kTextLengthSize, false};
  }
  return {ScenarioFileSize(geometry, layout), true};
}

void CheckScenarioSize(SourceFile& file, ScenarioLayout layout) {
  const std::int64_t size = static_cast<std::int64_t>(file.Size());
  const RequiredSize declared = RequiredScenarioSize(file, layout);
  if (declared.complete && size == declared.bytes)
    return;

  const ScenarioLayout other =
      layout == ScenarioLayout::Homemade ? ScenarioLayout::Original : ScenarioLayout::Homemade;
  const RequiredSize alternative = RequiredScenarioSize(file, other);
  if (alternative.complete && size == alternative.bytes) {
    throw Refusal(QuotedPath(file.Path()) + " looks like a scenario of the \"" +
                  LayoutCaption(other) + "\" layout, not \"" + LayoutCaption(layout) +
                  "\": its size fits that layout exactly. Choose \"" + LayoutCaption(other) +
                  "\" and open it again.");
  }
  if (!declared.complete || size < declared.bytes) {
    throw Refusal(QuotedPath(file.Path()) + " is too short for a scenario of the \"" +
                  LayoutCaption(layout) + "\" layout: it has " + std::to_string(size) +
                  " bytes, the layout needs " + (declared.complete ? "" : "at least ") +
                  std::to_string(declared.bytes) + ".");
  }
  // A larger file is accepted; the bytes past its tail are not part of the scenario.
}

OpenResult OpenScenario(EditorState& state, Dialogs& dialogs, const OpenRequest& request) {
  OpenResult result;
  if (!request.layout) {
    dialogs.ShowMessage(kNoLayoutMessage);
    return result;
  }
  const ScenarioLayout layout = *request.layout;
  if (!state.equipment.equipmentLoaded)
    LoadEquipment(state, dialogs);

  // Everything is read into a fresh scenario; the loaded one is replaced only at the end.
  ScenarioData fresh;
  fresh.layout = layout;
  fresh.companions = state.scenario.companions;
  // A full path typed into "Filename" names the file by itself; a name missing in the case
  // typed is looked for in any case.
  const std::filesystem::path scenarioPath = FindIgnoringCase(
      *state.files, PathFromUtf8(request.directory) / PathFromUtf8(request.fileName));
  if (state.files->StatusOf(scenarioPath).directory) {
    // A name that ends in a separator (an empty "Filename") is shown without it.
    throw FolderNotFile(scenarioPath.has_filename() ? scenarioPath : scenarioPath.parent_path(),
                        "scenario file");
  }
  {
    SourceFile file(*state.files, scenarioPath);
    CheckScenarioSize(file, layout);
    fresh.sourceSize = file.Size();

    fresh.geometry = ReadGeometry(file, layout);
    fresh.geometry.sourcePath = Utf8FromPath(scenarioPath);
    const std::int64_t p = AnchorOffset(fresh.geometry, layout);
    fresh.battleType = ByteAt(file, p);
    fresh.geometry.carriedValues = {ByteAt(file, p + scn::kCoreLimitsOffset),
                                    ByteAt(file, p + scn::kCoreLimitsOffset + 1)};
    for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
      fresh.limits[static_cast<std::size_t>(field)] =
          ByteAt(file, LimitOffset(field, fresh.geometry, layout));
    }

    ReadUnitArea(file, UnitAreaOffset(fresh.geometry, layout), fresh.units, fresh.names);
    fresh.rosters = BuildSideRosters(fresh.units);
    fresh.entries = ShowCampaignValues(fresh);
  }
  if (layout == ScenarioLayout::Original) {
    FixCompanionPaths(state, dialogs, request, scenarioPath, fresh.companions);
  }

  state.scenario = std::move(fresh);
  state.history.Clear();
  state.view.coreListMap.clear();
  state.view.auxListMap.clear();
  result.opened = true;
  if (request.side.axis) {
    state.view.currentSide = 0;
    result.roster = RefreshRosters(state, request.side);
  }
  if (request.side.allies) {
    state.view.currentSide = 1;
    result.roster = RefreshRosters(state, request.side);
  }
  result.campaignValues = state.scenario.entries;
  return result;
}

}  // namespace zarkel
