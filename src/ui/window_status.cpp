#include "ui/window_status.h"

#include <QDir>
#include <QLabel>
#include <QStatusBar>

#include "model/scenario_status.h"
#include "ui/qt_dialogs.h"
#include "ui/session_signals.h"

namespace zarkel {

WindowStatus::WindowStatus(QStatusBar* bar, SessionSignals& session)
    : bar_(bar), scenario_(new QLabel), session_(session) {
  bar_->setObjectName(QStringLiteral("StatusBar"));
  scenario_->setObjectName(QStringLiteral("ScenarioStatus"));
  bar_->addPermanentWidget(scenario_);
  QObject::connect(&session, &SessionSignals::scenarioOpened, bar_, [this] { ShowOpened(); });
  QObject::connect(&session, &SessionSignals::statusChanged, bar_,
                   [this](const QString& text) { bar_->showMessage(text); });
}

void WindowStatus::ShowOpened() {
  const ScenarioData& scenario = session_.session().state().scenario;
  scenario_->setText(MessageText(ScenarioStatusText(scenario)));
  scenario_->setToolTip(QDir::toNativeSeparators(MessageText(scenario.geometry.sourcePath)));
}

}  // namespace zarkel
