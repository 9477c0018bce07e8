// The editor's one window, TForm1: nine pages holding every control of the program, a view of
// the editing session. Each handler reads what the controls hold, runs one operation of the
// session and shows what it returns; what the session announces (an edit made on the Map page or
// through the Edit menu, a side shown again by an undo) the pages follow as well. A failure is
// reported in an error box and the window goes on.
#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/campaign_page.h"
#include "model/dialogs.h"
#include "session/session.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zarkel {

class DirectoryList;
class FieldUndo;
class FileList;
class MainMenu;
class SessionSignals;
class WindowStatus;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // `dialogs` answers every question of the operations; it must outlive the window.
  explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  Session& session() { return session_; }
  const EditorState& state() const { return session_.state(); }
  // The text of "Filename" (Edit1) as last changed.
  const std::string& currentFileName() const { return currentFileName_; }

  // The steps a user takes on the "Open File" page, for the start from the command line.
  // Picks the file's folder in the folder list and the file in the file list ("Filename").
  void PickScenarioFile(const QString& path);
  void CheckLayout(ScenarioLayout layout);
  // Checks "Axis" (0) or "Allies" (1) on "Core/Aux Transfer", as a click on it does.
  void CheckSide(std::int32_t side);
  void PressOpenFile();

  // The Edit menu's "Undo" and "Redo".
  void Undo();
  void Redo();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Asks before edits that were not written are dropped with the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The controls of the "Core Units" and "Aux Units " pages, which are laid out alike.
  struct UnitPageControls {
    QListWidget* all = nullptr;
    QListWidget* unused = nullptr;
    QPushButton* review = nullptr;
    QPushButton* accept = nullptr;
    QLabel* name = nullptr;
    QLabel* unitType = nullptr;
    QLabel* country = nullptr;
    QLabel* equipmentName = nullptr;
    QLabel* landTransport = nullptr;
    QLabel* navalTransport = nullptr;
    QLineEdit* column = nullptr;
    QLineEdit* row = nullptr;
    QLineEdit* used = nullptr;
    QLabel* strength = nullptr;
    QLabel* entrenchment = nullptr;
    QLineEdit* experience = nullptr;
    QLabel* sideCaption = nullptr;
    QLabel* averageExperience = nullptr;
    QLabel* newUnitExperience = nullptr;
  };
  struct UnitPageNames;

  // The nine pages and the menu bar (tabw1_pages.cpp).
  void BuildPages();
  QWidget* BuildOpenFilePage();
  QWidget* BuildUnitPage(const UnitPageNames& names, UnitPageControls& controls);
  QWidget* BuildTransferPage();
  QWidget* BuildCampaignDataPage();
  QWidget* BuildCampaignPage(CampaignPage page);
  QWidget* BuildOrderOfBattlePage();
  QWidget* BuildHomemadePage();
  void FillDrives();
  void ShowDriveOf(const QString& directory);
  void ConnectHandlers();

  // The handlers, named after the control and event that run them.
  void Edit1Change(const QString& text);
  void Button1Click();
  void Button11Click();
  void StaticText2Click();
  void StaticText13Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void Button2Click();
  void Button3Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void ListBox5Click();
  void ListBox6Click();
  void Button6Click();
  void Button5Click();
  void Button12Click();
  void Button4Click();
  void Button13Click();
  // Leaving a limit's edit (or Enter in it), and the scenario type's control.
  void LimitExit(LimitField field);
  void BattletypeExit();

  // Runs one handler's work; a failure it raises is shown in an error box.
  void Run(const std::function<void()>& work);
  // Makes the edit of a limit or of the type that still has the focus a step, as leaving it
  // would: before a write, an undo, or a question about unwritten edits.
  void FinishPendingEdit();
  // True when nothing unwritten would be lost, or the user agrees to lose it. A unit's column,
  // row, used text or experience typed and not accepted counts as unwritten, as a limit does.
  bool MayDropEdits();
  bool UnitFieldsTyped() const;
  // The text the scenario holds for a limit's edit or a reviewed unit's edit; none for another
  // edit, or a unit edit with no unit reviewed.
  std::optional<QString> HeldText(const QLineEdit* edit) const;
  // The Edit menu's "Undo" and "Redo" from the keys in such an edit: a unit edit shows the
  // restored values of the unit it reviewed.
  void UndoFromField(QLineEdit* edit, bool redo);

  std::int32_t BattleTypeValue() const;
  void Review(UnitPage page);
  void Accept(UnitPage page);
  void UnusedClick(QListWidget* list);
  void WriteCampaign(CampaignPage page);
  std::string SlotName(CampaignPage page) const;

  // What the session announces.
  void ShowOpened();
  void ShowSide();
  void ShowRosters(const RosterDisplay& display);
  void ShowReviewed(const UnitReview& review);
  void ShowCampaignEntries();
  void ShowExperience(const ExperienceCaptions& captions);
  void ShowReview(UnitPageControls& controls, const ReviewFields& fields);
  UnitPageControls& PageControls(UnitPage page) { return page == UnitPage::Core ? core_ : aux_; }

  Dialogs& dialogs_;
  Session session_;
  // Destroyed before the session it listens to.
  std::unique_ptr<SessionSignals> signals_;
  std::unique_ptr<WindowStatus> status_;
  MainMenu* menu_ = nullptr;
  FieldUndo* fieldUndo_ = nullptr;
  std::string currentFileName_;

  QTabWidget* pages_ = nullptr;
  QLabel* staticText2_ = nullptr;
  QLabel* staticText13_ = nullptr;

  // "Open File"
  QComboBox* drives_ = nullptr;
  DirectoryList* scenarioDirectory_ = nullptr;
  FileList* files_ = nullptr;
  QLineEdit* fileName_ = nullptr;
  QRadioButton* homemade_ = nullptr;
  QRadioButton* original_ = nullptr;
  QCheckBox* placenameDefault_ = nullptr;
  QCheckBox* descriptionDefault_ = nullptr;
  QCheckBox* titleDefault_ = nullptr;

  // "Core Units" and "Aux Units "
  UnitPageControls core_;
  UnitPageControls aux_;

  // "Core/Aux Transfer"
  QRadioButton* axis_ = nullptr;
  QRadioButton* allies_ = nullptr;
  QListWidget* coreLines_ = nullptr;
  QListWidget* auxLines_ = nullptr;
  std::array<QLabel*, kCompositionRows> composition_{};
  QLabel* compositionNote_ = nullptr;

  // "Campaign Data"
  std::array<QLineEdit*, kLimitFieldCount> limits_{};
  QSpinBox* battleType_ = nullptr;
  // What the controls last showed of the session's type and limit texts.
  std::int32_t shownType_ = 0;
  LimitTexts shownLimits_;
  std::array<QLabel*, 4> axisCounts_{};
  std::array<QLabel*, 4> alliedCounts_{};
  QLabel* axisAverage_ = nullptr;
  QLabel* axisNewUnit_ = nullptr;
  QLabel* alliedAverage_ = nullptr;
  QLabel* alliedNewUnit_ = nullptr;

  // "Axis Campaign" (0) and "Allied Campaign" (1)
  std::array<DirectoryList*, 2> campaignDirectory_{};
  std::array<std::array<QRadioButton*, 13>, 2> slotButtons_{};
  std::array<QRadioButton*, 2> userSlot_{};
  std::array<QLineEdit*, 2> userSlotName_{};

  // "OB's" and "Home Made"
  DirectoryList* orderOfBattleDirectory_ = nullptr;
  QLineEdit* orderOfBattleName_ = nullptr;
  DirectoryList* homemadeDirectory_ = nullptr;
  QLineEdit* homemadeName_ = nullptr;

  // The order of battle in the spreadsheet form, and its import (File menu and the OB's page).
  void ImportObClick();
  QCheckBox* orderOfBattleSpreadsheet_ = nullptr;  // off: "Write OB" writes NAME.txt
  QLabel* orderOfBattleNameCaption_ = nullptr;     // names the extension the check box gives
};

// The caption over the OB's file name: ".txt extension added automatically", or ".csv".
QString ObNameCaption(bool spreadsheet);

}  // namespace zarkel
