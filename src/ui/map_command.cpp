#include "ui/map_command.h"

#include <QFileInfo>
#include <cstdio>
#include <filesystem>
#include <map>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "load/open_scenario.h"
#include "output/files_in_use.h"
#include "output/replace_question.h"
#include "output/write_report.h"
#include "session/map_model.h"
#include "ui/map_picture.h"
#include "ui/qt_dialogs.h"

namespace zarkel {

namespace {

// The equipment dialogs answered from the flags; messages printed.
class FlagDialogs : public Dialogs {
 public:
  explicit FlagDialogs(const StartOptions& options) : replace_(options.replace) {
    if (!options.equipment.isEmpty())
      answers_[FileDialogKind::Equipment] = FileSystemName(options.equipment);
    if (!options.names.isEmpty())
      answers_[FileDialogKind::EquipmentNames] = FileSystemName(options.names);
  }
  std::optional<std::string> ChooseFile(FileDialogKind kind, const FileDialogMemory&) override {
    const auto answer = answers_.find(kind);
    if (answer == answers_.end())
      return std::nullopt;
    return answer->second;
  }
  void ShowMessage(const std::string& text) override { Print(text); }
  bool AskYesNo(const std::string&, const std::string& text) override {
    Print(text);
    return false;
  }

  bool AskReplace(const std::string& text) override {
    if (!replace_)
      Print(text + "\nNot written: --replace replaces the file that is there.");
    return replace_;
  }

  static void Print(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

 private:
  bool replace_;
  std::map<FileDialogKind, std::string> answers_;
};

}  // namespace

int SaveMapFromCommandLine(const StartOptions& options) {
  try {
    EditorState state;
    FlagDialogs dialogs(options);
    const QFileInfo scenario(options.scenario);
    OpenRequest request;
    request.layout = options.layout;
    request.directory = FileSystemName(scenario.absolutePath());
    request.fileName = FileSystemName(scenario.fileName());
    if (!OpenScenario(state, dialogs, request).opened)
      return 1;
    const std::filesystem::path target(PathFromUtf8(FileSystemName(options.saveMap)));
    CheckWriteTargets({target}, FilesInUse(state));
    if (!ConfirmReplace(dialogs, target.parent_path(), {Utf8FromPath(target.filename())}))
      return 1;
    const MapContent content = BuildMapContent(state, std::nullopt);
    const QImage picture =
        RenderMapPicture(content, false, options.width.value_or(DefaultPictureWidth(content)));
    WritePicture(picture, target);
    std::printf("%s\n", WrittenFilesLine(
                            WrittenFiles{target.parent_path(), {Utf8FromPath(target.filename())}})
                            .c_str());
    return 0;
  } catch (const std::exception& error) {
    FlagDialogs::Print(error.what());
    return 1;
  }
}

}  // namespace zarkel
