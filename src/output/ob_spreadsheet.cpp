#include "output/ob_spreadsheet.h"

#include <filesystem>

#include "base/csv_text.h"
#include "base/output_file.h"
#include "base/utf8_path.h"
#include "model/ob_columns.h"
#include "output/files_in_use.h"
#include "output/output_name.h"
#include "output/replace_question.h"

namespace zarkel {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kNameField = "\"Name of OB file\" on the \"OB's\" page";

void AppendLine(std::string& out, const std::string& side, const std::string& position,
                const ObFields& fields) {
  AppendCsvField(out, side);
  out += ',';
  AppendCsvField(out, position);
  for (std::size_t i = 1; i < fields.size(); ++i) {
    out += ',';
    AppendCsvField(out, fields[i]);
  }
  out += kLineEnd;
}

}  // namespace

std::string ObSpreadsheetFileName(const std::string& name) {
  return name + kObSpreadsheetExtension;
}

std::string ObSpreadsheetBytes(const EditorState& state) {
  std::string out(kUtf8ByteOrderMark);
  ObFields header;
  for (std::int32_t c = 0; c < kObColumnCount; ++c)
    header[static_cast<std::size_t>(c)] = ObColumnCaption(static_cast<ObColumn>(c));
  AppendLine(out, header[0], kObPositionCaption, header);
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const SideRoster& roster = state.scenario.rosters[static_cast<std::size_t>(side)];
    for (std::int32_t position = 1; position <= roster.rosterCount(); ++position) {
      const RosterPair& pair = roster.pairs.at(position);
      const ObFields fields = ObUnitFields(state.scenario.units.at(pair.unitIndex),
                                           state.scenario.names.at(pair.unitIndex), side,
                                           pair.auxFlag, state.equipment);
      AppendLine(out, fields[0], std::to_string(position), fields);
    }
  }
  return out;
}

std::optional<WrittenFiles> WriteObSpreadsheet(const EditorState& state, Dialogs& dialogs,
                                               const ObSpreadsheetRequest& request) {
  const std::string fileName = ObSpreadsheetFileName(request.name);
  RequireOutputName(request.name, kNameField, std::string("Type one into ") + kNameField + ".",
                    {fileName});
  const std::filesystem::path target = PathFromUtf8(request.directory) / PathFromUtf8(fileName);
  CheckWriteTargets(*state.files, {target}, FilesInUse(state));
  if (!ConfirmReplace(dialogs, *state.files, PathFromUtf8(request.directory), {fileName}))
    return std::nullopt;
  OutputFile output(*state.files, target);
  output.Write(ObSpreadsheetBytes(state));
  output.Commit();
  return WrittenFiles{PathFromUtf8(request.directory), {fileName}};
}

}  // namespace zarkel
