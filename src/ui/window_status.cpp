#include "ui/window_status.h"

#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <filesystem>

#include "ui/qt_dialogs.h"

namespace zarkel {

WindowStatus::WindowStatus(QStatusBar* bar) : bar_(bar), scenario_(new QLabel) {
  bar_->setObjectName(QStringLiteral("StatusBar"));
  scenario_->setObjectName(QStringLiteral("ScenarioStatus"));
  bar_->addPermanentWidget(scenario_);
}

QString ScenarioStatusText(const ScenarioData& scenario) {
  if (!scenario.layout)
    return QString();
  const std::filesystem::path path(scenario.geometry.sourcePath);
  const qsizetype units = scenario.units.size();
  return MessageText(path.filename().string()) + QStringLiteral(" \u00b7 ") +
         QString::fromLatin1(LayoutCaption(*scenario.layout)) +
         QStringLiteral(" \u00b7 map %1 x %2 \u00b7 %3 %4")
             .arg(scenario.geometry.mapSizeA)
             .arg(scenario.geometry.mapSizeB)
             .arg(units)
             .arg(units == 1 ? QStringLiteral("unit") : QStringLiteral("units"));
}

void WindowStatus::ShowOpened(const ScenarioData& scenario) {
  scenario_->setText(ScenarioStatusText(scenario));
  const QString path = QDir::toNativeSeparators(MessageText(scenario.geometry.sourcePath));
  scenario_->setToolTip(path);
  bar_->showMessage(QStringLiteral("Opened \"%1\"").arg(path));
}

void WindowStatus::ShowWritten(const WrittenFiles& files) {
  bar_->showMessage(MessageText(WrittenFilesLine(files)));
}

}  // namespace zarkel
