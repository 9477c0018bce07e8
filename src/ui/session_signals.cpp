#include "ui/session_signals.h"

#include "ui/qt_dialogs.h"

namespace zarkel {

SessionSignals::SessionSignals(Session& session, QObject* parent)
    : QObject(parent), session_(session) {
  subscription_ = session_.Subscribe([this](const SessionChange& change) { Tell(change); });
}

SessionSignals::~SessionSignals() {
  session_.Unsubscribe(subscription_);
}

void SessionSignals::Tell(const SessionChange& change) {
  if (change.opened)
    Q_EMIT scenarioOpened();
  if (change.side)
    Q_EMIT sideChosen();
  if (change.rosters)
    Q_EMIT rostersShown(*change.rosters);
  if (change.review)
    Q_EMIT unitReviewed(*change.review);
  if (change.campaignEntries)
    Q_EMIT campaignEntriesChanged();
  if (change.history)
    Q_EMIT historyChanged();
  if (change.written)
    Q_EMIT filesWritten(*change.written);
  if (!change.status.empty())
    Q_EMIT statusChanged(MessageText(change.status));
}

}  // namespace zarkel
