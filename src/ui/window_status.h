// The window's status bar: on the right the scenario that is open, on the left what the last
// open or write did. It only reports; every question and failure still has its message box.
#pragma once

#include <QString>

#include "model/editor_state.h"
#include "output/write_report.h"

class QLabel;
class QStatusBar;

namespace zarkel {

class WindowStatus {
 public:
  explicit WindowStatus(QStatusBar* bar);

  void ShowOpened(const ScenarioData& scenario);
  void ShowWritten(const WrittenFiles& files);

 private:
  QStatusBar* bar_;
  QLabel* scenario_;
};

// "kardel.scn · Homemade · map 40 x 30 · 64 units".
QString ScenarioStatusText(const ScenarioData& scenario);

}  // namespace zarkel
