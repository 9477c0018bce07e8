#include "output/homemade_writer.h"

#include <array>
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

namespace {

constexpr const char* kNameField = "\"File Name\" on the \"Home Made\" page";

std::filesystem::path OutputPath(const HomemadeWriteRequest& request) {
  return PathFromUtf8(request.directory) / PathFromUtf8(request.name + ".scn");
}

}  // namespace

bool CheckHomemadeWrite(const EditorState& state, const HomemadeWriteRequest& request) {
  RequireOutputName(request.name, kNameField, std::string("Type one into ") + kNameField + ".",
                    HomemadeFileNames(request.name));
  const ScenarioLayout layout = RequireOpenScenario(state.scenario);
  // The target is checked before the question: a write that cannot go ahead asks nothing.
  CheckWriteTargets(*state.files, {OutputPath(request)}, FilesInUse(state));
  return layout == ScenarioLayout::Original;
}

std::optional<WrittenFiles> WriteHomemadeScenario(EditorState& state, Dialogs& dialogs,
                                                  const HomemadeWriteRequest& request) {
  if (state.scenario.layout == ScenarioLayout::Original)
    FindCompanionsAgain(*state.files, state.scenario.companions);
  const bool original = CheckHomemadeWrite(state, request);
  ScenarioData& scenario = state.scenario;
  const ScenarioLayout layout = *scenario.layout;
  const CompanionPaths& companions = scenario.companions;
  const ScenarioGeometry& geometry = scenario.geometry;
  const std::filesystem::path outputPath = OutputPath(request);

  if (!ConfirmReplace(dialogs, *state.files, PathFromUtf8(request.directory),
                      {request.name + ".scn"}))
    return std::nullopt;
  std::int32_t lineCount = 0;
  if (original) {
    if (!dialogs.AskYesNo(kConfirmTitle, kConfirmOriginalConversion))
      return std::nullopt;
    lineCount = CountPlacenameLines(*state.files, PathFromUtf8(companions.placeNamePath));
  }

  TransferBuffer buffer{};
  SourceFile source(*state.files, PathFromUtf8(geometry.sourcePath));
  RequireUnchangedSource(scenario, source);
  OutputFile output(*state.files, outputPath);

  CopyRange(source, 0, scn::kSharedHeaderSize, output, buffer);
  if (original) {
    // The place-name count is one byte followed by three zero bytes.
    const std::array<std::uint8_t, scn::kPlaceNameCountSize> count = {
        static_cast<std::uint8_t>(lineCount), 0, 0, 0};
    output.Write(count.data(), count.size());
    TextToPlacenames(*state.files, PathFromUtf8(companions.placeNamePath), lineCount, output);
  } else {
    CopyRange(source, scn::kSharedHeaderSize,
              scn::kPlaceNameCountSize + scn::kPlaceNameRecordSize * geometry.placeNameCount,
              output, buffer);
  }

  CommitCampaignValues(scenario, request.battleType, request.limitTexts);
  WriteMapAndSettings(source, scenario, output, buffer);

  if (original) {
    SourceFile description(*state.files, PathFromUtf8(companions.descriptionPath));
    EmbedSideFile(description, output, buffer);
    SourceFile title(*state.files, PathFromUtf8(companions.titlePath));
    EmbedSideFile(title, output, buffer);
  } else {
    CopyRange(source, AnchorOffset(geometry, layout) + scn::kTextsOffset,
              EmbeddedTextsSize(geometry, layout), output, buffer);
  }

  WriteUnitAreaAndTail(source, state, output, buffer);
  output.Commit();
  return WrittenFiles{PathFromUtf8(request.directory), {request.name + ".scn"}};
}

}  // namespace zarkel
