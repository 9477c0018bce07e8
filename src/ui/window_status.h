// The window's status bar: on the right the scenario that is open, on the left what the last
// open, edit or write did. It only reports; every question and failure still has its message
// box. The texts come from the core, which builds them for every face alike.
#pragma once

#include <string>

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
  // A line of the core's about an edit ("Transferred 2 units to auxiliary", ...).
  void ShowEdit(const std::string& text);

 private:
  QStatusBar* bar_;
  QLabel* scenario_;
};

}  // namespace zarkel
