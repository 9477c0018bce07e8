#include "ui/window_status.h"

#include <QDir>
#include <QLabel>
#include <QStatusBar>

#include "model/scenario_status.h"
#include "ui/qt_dialogs.h"

namespace zarkel {

WindowStatus::WindowStatus(QStatusBar* bar) : bar_(bar), scenario_(new QLabel) {
  bar_->setObjectName(QStringLiteral("StatusBar"));
  scenario_->setObjectName(QStringLiteral("ScenarioStatus"));
  bar_->addPermanentWidget(scenario_);
}

void WindowStatus::ShowOpened(const ScenarioData& scenario) {
  scenario_->setText(MessageText(ScenarioStatusText(scenario)));
  scenario_->setToolTip(QDir::toNativeSeparators(MessageText(scenario.geometry.sourcePath)));
  bar_->showMessage(MessageText(OpenedText(scenario)));
}

void WindowStatus::ShowWritten(const WrittenFiles& files) {
  bar_->showMessage(MessageText(WrittenFilesLine(files)));
}

void WindowStatus::ShowEdit(const std::string& text) {
  bar_->showMessage(MessageText(text));
}

}  // namespace zarkel
