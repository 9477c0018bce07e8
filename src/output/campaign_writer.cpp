#include "output/campaign_writer.h"

#include <filesystem>

#include "base/output_file.h"
#include "base/source_file.h"
#include "base/utf8_path.h"
#include "output/block_transfer.h"
#include "output/companion_files.h"
#include "output/files_in_use.h"
#include "output/output_name.h"
#include "output/replace_question.h"
#include "output/scenario_body.h"
#include "output/write_name.h"
#include "output/writer_checks.h"
#include "roster/campaign_values.h"

namespace zarkel {

std::optional<WrittenFiles> WriteCampaignScenario(EditorState& state, Dialogs& dialogs,
                                                  const CampaignWriteRequest& request) {
  const std::string page = std::string("the \"") + CampaignPageCaption(request.page) + "\" page";
  RequireOutputName(request.slotName, "the name box on " + page,
                    "Check a campaign slot on " + page +
                        ", or the button beside the name box with a name typed in it.",
                    CampaignFileNames(request.slotName));
  ScenarioData& scenario = state.scenario;
  const ScenarioLayout layout = RequireOpenScenario(scenario);
  const bool original = layout == ScenarioLayout::Original;
  if (original)
    FindCompanionsAgain(*state.files, scenario.companions);
  const CompanionPaths& companions = scenario.companions;

  const std::filesystem::path directory = PathFromUtf8(request.directory);
  const std::string& name = request.slotName;
  const std::filesystem::path scenarioPath = directory / PathFromUtf8(name + ".scn");
  const std::filesystem::path placenamePath = directory / PathFromUtf8(PlacenameFileName(name));
  const std::filesystem::path titlePath = directory / PathFromUtf8(TitleFileName(name));
  const std::filesystem::path descriptionPath = directory / PathFromUtf8(DescriptionFileName(name));

  CheckWriteTargets(*state.files, {scenarioPath, placenamePath, titlePath, descriptionPath},
                    FilesInUse(state));
  const std::vector<std::string> names = {name + ".scn", PlacenameFileName(name),
                                          TitleFileName(name), DescriptionFileName(name)};
  if (!ConfirmReplace(dialogs, *state.files, directory, names))
    return std::nullopt;

  TransferBuffer buffer{};
  SourceFile source(*state.files, PathFromUtf8(scenario.geometry.sourcePath));
  RequireUnchangedSource(scenario, source);

  OutputFile titleOut(*state.files, titlePath);
  OutputFile descriptionOut(*state.files, descriptionPath);
  OutputFile placenameOut(*state.files, placenamePath);
  OutputFile scenarioOut(*state.files, scenarioPath);

  const ScenarioGeometry& geometry = scenario.geometry;
  if (original) {
    // The companion files of an Original source are copied byte for byte.
    SourceFile title(*state.files, PathFromUtf8(companions.titlePath));
    SourceFile placenames(*state.files, PathFromUtf8(companions.placeNamePath));
    SourceFile description(*state.files, PathFromUtf8(companions.descriptionPath));
    CopySideFile(title, titleOut, buffer);
    CopySideFile(placenames, placenameOut, buffer);
    CopySideFile(description, descriptionOut, buffer);
  }

  // The first four header bytes (the map size and its neighbours) of either layout.
  CopyRange(source, 0, scn::kSharedHeaderSize, scenarioOut, buffer);

  if (!original) {
    // A Homemade source gives up its place names, description and title to the companions.
    PlacenamesToText(source, scn::kHomemadeHeaderSize,
                     scn::kPlaceNameRecordSize * geometry.placeNameCount, placenameOut, buffer);
    const std::int32_t texts = AnchorOffset(geometry, layout) + scn::kTextsOffset;
    CopyRange(source, texts + scn::kTextLengthSize, geometry.descriptionLength, descriptionOut,
              buffer);
    CopyRange(source, texts + 2 * scn::kTextLengthSize + geometry.descriptionLength,
              geometry.titleLength, titleOut, buffer);
  }

  CommitCampaignValues(scenario, request.battleType, request.limitTexts);
  WriteMapAndSettings(source, scenario, scenarioOut, buffer);
  WriteUnitAreaAndTail(source, state, scenarioOut, buffer);

  CommitTogether({&titleOut, &descriptionOut, &placenameOut, &scenarioOut});
  return WrittenFiles{directory, names};
}

}  // namespace zarkel
