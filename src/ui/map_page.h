// The "Map" page: every placed unit as a counter on the scenario's hex grid, the units not
// placed beside it by side, and the findings of the scenario check below it, with the check's
// notes under them. It follows the editing session: every roster refresh and every change of the
// limits. A counter of the side chosen on "Core/Aux Transfer" is chosen with a click, which
// reviews its unit, and moved by dragging it to another hex: the session's move, with the checks
// and messages of "Accept Changes".
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/dialogs.h"
#include "session/map_model.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace zarkel {

class MapView;
class SessionSignals;

class MapPage : public QWidget {
  Q_OBJECT

 public:
  // Follows `session`; `dialogs` reports a failed move or "Save Picture". Both must outlive the
  // page.
  MapPage(SessionSignals& session, Dialogs& dialogs);

  // The save dialog of "Save Picture": given the name proposed, the name chosen, or an empty
  // text for Cancel. The Qt dialog by default.
  using PictureFileChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
  void SetPictureFileChooser(PictureFileChooser chooser) {
    choosePictureFile_ = std::move(chooser);
  }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Builds the counters, the list of units not placed and the findings from the window's state.
  void Refresh();
  void RostersChanged();
  void ShowHex(int column, int row);
  void Click(std::int32_t unitIndex);
  void Drop(std::int32_t unitIndex, int column, int row);
  void SavePicture();
  const MapCounter* Counter(std::int32_t unitIndex) const;

  SessionSignals& session_;
  Dialogs& dialogs_;
  PictureFileChooser choosePictureFile_;
  std::shared_ptr<const MapContent> content_;

  MapView* view_ = nullptr;
  QCheckBox* evenColumnsLow_ = nullptr;
  QLabel* hex_ = nullptr;
  QPushButton* savePicture_ = nullptr;
  QTreeWidget* unplaced_ = nullptr;
  QListWidget* findings_ = nullptr;
  QLabel* checkNotes_ = nullptr;  // what the check could not look at, under the findings
};

}  // namespace zarkel
