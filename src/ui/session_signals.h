// The editing session's announcements as Qt signals, for the views of the window: one
// subscription to the session, and each view connects to the signals it follows. The signals
// of one change come in the order declared here.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "session/session.h"

namespace zarkel {

class SessionSignals : public QObject {
  Q_OBJECT

 public:
  // `session` must outlive the adapter.
  explicit SessionSignals(Session& session, QObject* parent = nullptr);
  ~SessionSignals() override;

  Session& session() const { return session_; }

 Q_SIGNALS:
  void scenarioOpened();
  void sideChosen();
  void rostersShown(const zarkel::RosterDisplay& display);
  void unitReviewed(const zarkel::UnitReview& review);
  void campaignEntriesChanged();
  void historyChanged();
  void filesWritten(const zarkel::WrittenFiles& files);
  void statusChanged(const QString& text);

 private:
  void Tell(const SessionChange& change);

  Session& session_;
  std::int32_t subscription_ = 0;
};

}  // namespace zarkel
