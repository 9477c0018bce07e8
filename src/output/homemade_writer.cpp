#include "output/homemade_writer.h"

#include <array>
#include <filesystem>

#include "base/output_file.h"
#include "base/source_file.h"
#include "output/block_transfer.h"
#include "output/companion_files.h"
#include "output/scenario_body.h"
#include "output/writer_checks.h"
#include "roster/campaign_values.h"

namespace zarkel {

std::optional<WrittenFiles> WriteHomemadeScenario(EditorState& state, Dialogs& dialogs,
                                                  const HomemadeWriteRequest& request) {
  RequireOutputName(request.name, "Type one into \"File Name\" on the \"Home Made\" page.");
  ScenarioData& scenario = state.scenario;
  const ScenarioLayout layout = RequireOpenScenario(scenario);
  const bool original = layout == ScenarioLayout::Original;
  const CompanionPaths& companions = scenario.companions;
  const ScenarioGeometry& geometry = scenario.geometry;

  std::int32_t lineCount = 0;
  if (original) {
    if (!dialogs.AskYesNo(kConfirmTitle, kConfirmOriginalConversion))
      return std::nullopt;
    lineCount = CountPlacenameLines(companions.placeNamePath);
  }

  const std::filesystem::path outputPath =
      std::filesystem::path(request.directory) / (request.name + ".scn");
  std::vector<ReadFile> reads = {{geometry.sourcePath, "the opened scenario"}};
  if (original) {
    reads.push_back({companions.placeNamePath, "the place-name file of the opened scenario"});
    reads.push_back({companions.titlePath, "the title file of the opened scenario"});
    reads.push_back({companions.descriptionPath, "the description file of the opened scenario"});
  }
  RefuseOverwritingSources({outputPath}, reads);

  TransferBuffer buffer{};
  SourceFile source(geometry.sourcePath);
  RequireUnchangedSource(scenario, source);
  OutputFile output(outputPath);

  CopyRange(source, 0, scn::kSharedHeaderSize, output, buffer);
  if (original) {
    // The place-name count is one byte followed by three zero bytes.
    const std::array<std::uint8_t, scn::kPlaceNameCountSize> count = {
        static_cast<std::uint8_t>(lineCount), 0, 0, 0};
    output.Write(count.data(), count.size());
    TextToPlacenames(companions.placeNamePath, lineCount, output);
  } else {
    CopyRange(source, scn::kSharedHeaderSize,
              scn::kPlaceNameCountSize + scn::kPlaceNameRecordSize * geometry.placeNameCount,
              output, buffer);
  }

  CommitCampaignValues(scenario, request.battleType, request.limitTexts);
  WriteMapAndSettings(source, scenario, output, buffer);

  if (original) {
    SourceFile description(companions.descriptionPath);
    EmbedSideFile(description, output, buffer);
    SourceFile title(companions.titlePath);
    EmbedSideFile(title, output, buffer);
  } else {
    CopyRange(source, AnchorOffset(geometry, layout) + scn::kTextsOffset,
              EmbeddedTextsSize(geometry, layout), output, buffer);
  }

  WriteUnitAreaAndTail(source, state, output, buffer);
  output.Commit();
  state.history.MarkWritten();
  return WrittenFiles{request.directory, {request.name + ".scn"}};
}

}  // namespace zarkel
