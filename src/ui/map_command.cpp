#include "ui/map_command.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "session/dialog_answers.h"
#include "session/printed_dialogs.h"
#include "session/session.h"
#include "ui/map_picture.h"
#include "ui/qt_dialogs.h"

namespace zarkel {

namespace {

// The equipment dialogs answered from the flags (a dialog without its flag cancelled), a
// question answered No and printed, the replace question answered by --replace.
DialogAnswers FlagAnswers(const StartOptions& options) {
  DialogAnswers answers;
  if (!options.equipment.isEmpty())
    answers.files.push_back({FileDialogKind::Equipment, FileSystemName(options.equipment)});
  if (!options.names.isEmpty())
    answers.files.push_back({FileDialogKind::EquipmentNames, FileSystemName(options.names)});
  answers.yesNo = false;
  answers.yesNoDeclinedNote = "";
  answers.replace = options.replace;
  answers.replaceDeclinedNote = "Not written: --replace replaces the file that is there.";
  return answers;
}

}  // namespace

int SaveMapFromCommandLine(const StartOptions& options) {
  PrintedDialogs printed(std::cerr);
  try {
    AnsweredDialogs dialogs(printed, FlagAnswers(options));
    Session session(dialogs);
    if (!session.Open(session.OpenRequestFor(options.layout, FileSystemName(options.scenario)))
             .opened)
      return 1;
    const std::filesystem::path target(PathFromUtf8(FileSystemName(options.saveMap)));
    const std::optional<WrittenFiles> written = session.WriteFileOfFace(target, [&] {
      // Every side in full colour: no side is chosen.
      const MapContent content = session.Map();
      const QImage picture =
          RenderMapPicture(content, false, options.width.value_or(DefaultPictureWidth(content)));
      return PngBytes(picture, target);
    });
    if (!written)
      return 1;
    std::printf("%s\n", Session::WrittenLine(*written).c_str());
    return 0;
  } catch (const std::exception& error) {
    printed.ShowMessage(error.what());
    return 1;
  }
}

}  // namespace zarkel
