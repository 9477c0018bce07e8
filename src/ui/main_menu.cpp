#include "ui/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "base/version.h"
#include "ui/session_signals.h"

namespace zarkel {

namespace {

// "Undo" alone, or "Undo Change of A&&B": a step's name is Latin-1 like every unit name, and an
// ampersand in it is no shortcut mark.
QString ActionText(const char* verb, const std::optional<std::string>& step) {
  QString text = QString::fromLatin1(verb);
  if (step) {
    QString name = QString::fromLatin1(step->data(), static_cast<qsizetype>(step->size()));
    text += QLatin1Char(' ') + name.replace(QLatin1Char('&'), QLatin1String("&&"));
  }
  return text;
}

}  // namespace

MainMenu::MainMenu(QMainWindow& window, SessionSignals& session)
    : QObject(&window), window_(window), session_(session) {
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  file->addAction(QStringLiteral("Import OB\u2026"), this, &MainMenu::importObChosen)
      ->setObjectName(QStringLiteral("ImportObAction"));

  QMenu* edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("EditMenu"));
  undo_ = edit->addAction(QStringLiteral("Undo"), this, &MainMenu::undoChosen);
  undo_->setObjectName(QStringLiteral("UndoAction"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = edit->addAction(QStringLiteral("Redo"), this, &MainMenu::redoChosen);
  redo_->setObjectName(QStringLiteral("RedoAction"));
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("HelpMenu"));
  QAction* about = help->addAction(QStringLiteral("About zarkel"), this, &MainMenu::ShowAbout);
  about->setObjectName(QStringLiteral("AboutAction"));
  about->setMenuRole(QAction::AboutRole);

  // Whichever view made, undid or wrote a step, the session says so.
  connect(&session, &SessionSignals::historyChanged, this, &MainMenu::Update);
  connect(&session, &SessionSignals::scenarioOpened, this, &MainMenu::Update);
  connect(edit, &QMenu::aboutToShow, this, &MainMenu::Update);
  Update();
}

void MainMenu::Update() {
  const std::optional<std::string> undo = session_.session().UndoName();
  const std::optional<std::string> redo = session_.session().RedoName();
  undo_->setText(ActionText("Undo", undo));
  undo_->setEnabled(undo.has_value());
  redo_->setText(ActionText("Redo", redo));
  redo_->setEnabled(redo.has_value());
}

void MainMenu::ShowAbout() {
  QMessageBox::about(&window_, QStringLiteral("About zarkel"), AboutText());
}

QString AboutText() {
  return QStringLiteral(
             "zarkel %1\n\n"
             "An editor for the scenarios of a hex-map Second World War wargame. It opens a "
             "scenario with the game's equipment files, splits each side's units into core and "
             "auxiliary units, fixes a unit's column, row, placement and experience, sets the "
             "scenario type and the campaign limits, and writes campaign scenarios with their "
             "companion files, Homemade copies and orders of battle.")
      .arg(QString::fromLatin1(kVersion));
}

}  // namespace zarkel
