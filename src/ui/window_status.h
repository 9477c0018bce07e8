// The window's status bar: on the right the scenario that is open, on the left what the last
// open, edit or write did. It only reports; every question and failure still has its message
// box. It follows the session, whose texts are the same for every face.
#pragma once

class QLabel;
class QStatusBar;

namespace zarkel {

class SessionSignals;

class WindowStatus {
 public:
  // `session` must outlive the status bar's announcements, and so must this object.
  WindowStatus(QStatusBar* bar, SessionSignals& session);

 private:
  void ShowOpened();

  QStatusBar* bar_;
  QLabel* scenario_;
  SessionSignals& session_;
};

}  // namespace zarkel
