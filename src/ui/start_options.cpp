#include "ui/start_options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "base/version.h"
#include "model/vocabulary.h"
#include "ui/map_picture.h"
#include "ui/qt_dialogs.h"
#include "ui/tabw1.h"

namespace zarkel {

namespace {

constexpr int kUsageExitCode = 2;

QString Absolute(const QString& path) {
  return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

// The usage, read before the application exists: Qt then cannot name the program itself.
QString HelpText(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  text.replace(QStringLiteral("<executable_name>"), QStringLiteral("zarkel"));
  return text;
}

StartCommandLine UsageError(const QCommandLineParser& parser, const QString& problem) {
  StartCommandLine result;
  result.exitCode = kUsageExitCode;
  result.toStandardError = true;
  // Three lines, as zarkel-cli words one: the problem, the usage line, where the rest is.
  const QString usage = HelpText(parser).section(QLatin1Char('\n'), 0, 0);
  result.text = QStringLiteral("zarkel: ") + problem + QStringLiteral("\nUsage: zarkel") +
                usage.mid(usage.indexOf(QStringLiteral(" [options]"))) +
                QStringLiteral("\nRun \"zarkel --help\" for more.\n");
  return result;
}

}  // namespace

void SetUpApplication(QApplication& application) {
  // Only the name: a display name would be added to the title of every dialog and box.
  application.setApplicationName(QStringLiteral("zarkel"));
  application.setApplicationVersion(QString::fromLatin1(kVersion));
}

StartCommandLine ReadStartOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Editor for the scenarios of a hex-map Second World War wargame: splits each "
                     "side's units into core and auxiliary units and writes campaign scenarios."));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version(QStringLiteral("version"),
                                   QStringLiteral("Show the version and exit."));
  const QCommandLineOption layout(
      QStringLiteral("layout"),
      QStringLiteral("Open SCENARIO at start in this layout: homemade or original. Without it the "
                     "scenario is only picked, and the window waits for the layout."),
      QStringLiteral("homemade|original"));
  const QCommandLineOption equipment(
      QStringLiteral("equipment"),
      QStringLiteral("The file for \"Open Quennet Equipment File\" at the first opening."),
      QStringLiteral("EQP"));
  const QCommandLineOption names(
      QStringLiteral("names"),
      QStringLiteral("The file for \"Open Equipment Txt File\" at the first opening."),
      QStringLiteral("TXT"));
  const QCommandLineOption side(QStringLiteral("side"),
                                QStringLiteral("Check this side on \"Core/Aux Transfer\"."),
                                QStringLiteral("axis|allies"));
  const QCommandLineOption saveMap(
      QStringLiteral("save-map"),
      QStringLiteral("Write the map of SCENARIO, opened with --layout, as a PNG picture to FILE "
                     "and exit without showing the window."),
      QStringLiteral("FILE"));
  const QCommandLineOption width(
      QStringLiteral("width"),
      QStringLiteral("The width of the --save-map picture: %1 to %2 pixels (default: from the "
                     "map's size, 1024 to 4096).")
          .arg(kMinPictureWidth)
          .arg(kMaxPictureSide),
      QStringLiteral("PIXELS"));
  const QCommandLineOption replace(
      QStringLiteral("replace"),
      QStringLiteral("Let --save-map replace a file of that name; without it such a file is kept "
                     "and nothing is written."));
  parser.addOptions({help, version, layout, equipment, names, side, saveMap, width, replace});
  parser.addPositionalArgument(QStringLiteral("SCENARIO"),
                               QStringLiteral("The scenario file (.scn) to pick or open."),
                               QStringLiteral("[SCENARIO]"));

  if (!parser.parse(arguments))
    return UsageError(parser, parser.errorText());
  if (parser.isSet(help)) {
    StartCommandLine result;
    result.text = HelpText(parser);
    return result;
  }
  if (parser.isSet(version)) {
    StartCommandLine result;
    result.text = QStringLiteral("zarkel %1\n").arg(QString::fromLatin1(kVersion));
    return result;
  }

  StartOptions options;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1)
    return UsageError(parser, QStringLiteral("only one scenario can be opened."));
  if (!positional.isEmpty())
    options.scenario = Absolute(positional.first());
  if (parser.isSet(layout)) {
    const QString value = parser.value(layout);
    options.layout = LayoutByKey(value.toStdString());
    if (!options.layout)
      return UsageError(
          parser, QStringLiteral("--layout takes homemade or original, not \"%1\".").arg(value));
  }
  if (parser.isSet(side)) {
    const QString value = parser.value(side);
    options.side = SideByKey(value.toStdString());
    if (!options.side)
      return UsageError(parser,
                        QStringLiteral("--side takes axis or allies, not \"%1\".").arg(value));
  }
  options.equipment = Absolute(parser.value(equipment));
  options.names = Absolute(parser.value(names));
  if (parser.isSet(saveMap)) {
    if (options.scenario.isEmpty() || !options.layout)
      return UsageError(parser, QStringLiteral("--save-map needs SCENARIO and --layout."));
    options.saveMap = Absolute(parser.value(saveMap));
  }
  if (parser.isSet(replace)) {
    if (!parser.isSet(saveMap))
      return UsageError(parser, QStringLiteral("--replace goes with --save-map."));
    options.replace = true;
  }
  if (parser.isSet(width)) {
    if (!parser.isSet(saveMap))
      return UsageError(parser, QStringLiteral("--width goes with --save-map."));
    bool number = false;
    const int pixels = parser.value(width).toInt(&number);
    if (!number || pixels < kMinPictureWidth || pixels > kMaxPictureSide) {
      return UsageError(parser, QStringLiteral("--width takes %1 to %2 pixels, not \"%3\".")
                                    .arg(kMinPictureWidth)
                                    .arg(kMaxPictureSide)
                                    .arg(parser.value(width)));
    }
    options.width = pixels;
  }

  StartCommandLine result;
  result.options = options;
  return result;
}

void ApplyStartOptions(TForm1& window, AnsweredDialogs& dialogs, const StartOptions& options) {
  if (!options.equipment.isEmpty())
    dialogs.Answer({FileDialogKind::Equipment, FileSystemName(options.equipment), true});
  if (!options.names.isEmpty())
    dialogs.Answer({FileDialogKind::EquipmentNames, FileSystemName(options.names), true});
  if (options.side)
    window.CheckSide(*options.side);
  if (!options.scenario.isEmpty())
    window.PickScenarioFile(options.scenario);
  if (options.layout) {
    window.CheckLayout(*options.layout);
    if (!options.scenario.isEmpty())
      window.PressOpenFile();
  }
}

}  // namespace zarkel
