#include "roster/ob_import.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "ob_scenario.h"
#include "output/campaign_writer.h"
#include "output/ob_spreadsheet.h"
#include "output/order_of_battle.h"
#include "roster/transfer.h"
#include "roster/unit_review.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;

// The spreadsheet form's columns.
enum Cell {
  kSide,
  kPosition,
  kClass,
  kName,
  kCountry,
  kUnitType,
  kEquipment,
  kLand,
  kNaval,
  kColumn,
  kRow,
  kUsed,
  kStr,
  kEnt,
  kExp
};

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;
       start = at + separator.size())
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i)
    text += (i == 0 ? "" : separator) + parts[i];
  return text;
}

// `text` with field `field` of line `line` (the header is line 1) set to `value`; the line holds
// no separator inside quotes.
std::string WithCell(const std::string& text, int line, int field, const std::string& value) {
  std::vector<std::string> lines = Split(text, "\r\n");
  std::vector<std::string> fields = Split(lines.at(static_cast<std::size_t>(line - 1)), ",");
  fields.at(static_cast<std::size_t>(field)) = value;
  lines[static_cast<std::size_t>(line - 1)] = Join(fields, ",");
  return Join(lines, "\r\n");
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// Everything an import may change, and the history.
std::string Snapshot(const EditorState& state) {
  return testing::ImportableContent(state) + "|" + std::to_string(state.history.Revision());
}

class ObImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.WriteScenario(testing::ObFixtureScenario(), "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Homemade, axis);
    before = Snapshot(state);
  }
  ObImport Read(const std::string& bytes) { return ReadObImport(state, "OB.csv", bytes); }
  // The single problem of a refused import, after checking that nothing was planned or changed.
  ImportProblem OnlyProblem(const std::string& bytes) {
    const ObImport import = Read(bytes);
    EXPECT_TRUE(import.plan.Empty());
    EXPECT_EQ(Snapshot(state), before);
    EXPECT_EQ(import.problems.size(), 1u) << ImportRefusalText("OB.csv", import.problems);
    return import.problems.empty() ? ImportProblem{} : import.problems.front();
  }
  RosterPair Pair(int side, int position) const {
    return state.scenario.rosters[static_cast<std::size_t>(side)].pairs.at(position);
  }
  const UnitRecord& Unit(int side, int position) const {
    return state.scenario.units.at(Pair(side, position).unitIndex);
  }
  // The campaign scenario written from `editor` as it stands.
  Bytes Written(EditorState& editor, const std::string& name) {
    CampaignWriteRequest request;
    request.slotName = name;
    request.directory = fx.dir.path().string();
    request.battleType = editor.scenario.entries.battleType;
    request.limitTexts = editor.scenario.entries.limitTexts;
    WriteCampaignScenario(editor, testing::Replacing(), request);
    return testing::ReadFileBytes(fx.dir / (name + ".scn"));
  }

  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
  std::string before;
};

TEST_F(ObImportTest, BothFormsReadBackUnchangedPlanNothing) {
  const ObImport sheet = Read(ObSpreadsheetBytes(state));
  EXPECT_TRUE(sheet.problems.empty()) << ImportRefusalText("OB.csv", sheet.problems);
  EXPECT_TRUE(sheet.plan.Empty());
  EXPECT_EQ(ImportSummary(sheet.plan), "Importing \"OB.csv\" changes nothing");

  // "Write OB": names filled with zero bytes, one holding a comma, no quotes, Latin-1.
  WriteOrderOfBattle(state, testing::Replacing(), {fx.dir.path().string(), "OB"});
  const ObImport own = ReadObImportFile(state, fx.dir / "OB.txt");
  EXPECT_TRUE(own.problems.empty()) << ImportRefusalText("OB.txt", own.problems);
  EXPECT_TRUE(own.plan.Empty());
  EXPECT_EQ(own.plan.fileName, "OB.txt");
  EXPECT_EQ(Snapshot(state), before);
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "OB.txt"),
            testing::ToBytes(testing::ObFixtureFile("source.txt")))
      << "the import never writes its file";
}

TEST_F(ObImportTest, WhatSpreadsheetsMakeOfTheFileReadsAsWritten) {
  const std::string written = ObSpreadsheetBytes(state);
  const std::string body = written.substr(3);  // without the byte-order mark
  std::string latin1;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const auto c = static_cast<unsigned char>(body[i]);
    if (c == 0xC3) {
      latin1 += static_cast<char>(0xC0 | (static_cast<unsigned char>(body[++i]) & 0x3F));
    } else {
      latin1 += body[i];
    }
  }
  ASSERT_NE(latin1.find("R\xE9giment"), std::string::npos);
  std::string spaced;  // trailing spaces after every field, empty columns after the last
  for (const std::string& line : Split(body, "\r\n"))
    spaced += line.empty() ? "" : ReplaceAll(line, ",", " ,") + " ,,,\r\n";
  spaced = ReplaceAll(spaced, "Flak , schwere", "Flak, schwere");
  const std::vector<std::pair<const char*, std::string>> variants = {
      {"without the mark", body},
      {"LF", ReplaceAll(written, "\r\n", "\n")},
      {"semicolons, CR LF",
       ReplaceAll(ReplaceAll(written, ",", ";"), "\"Flak; schwere\"", "\"Flak, schwere\"")},
      {"Latin-1", latin1},
      {"trailing spaces and columns", spaced},
      {"blank lines",
       ReplaceAll(written, "\r\nAllies,1", "\r\n \r\n,,,\r\n\r\nAllies,1") + " \r\n"},
      {"LibreOffice, semicolons", testing::ObFixtureFile("lo-semicolon.csv")},
      {"LibreOffice, semicolons, CR LF",
       ReplaceAll(testing::ObFixtureFile("lo-semicolon.csv"), "\n", "\r\n")},
      {"LibreOffice, commas, Windows-1252", testing::ObFixtureFile("lo-comma-1252.csv")},
      {"LibreOffice, the form of Write OB", testing::ObFixtureFile("lo-own-semicolon.csv")},
      {"the form of Write OB", testing::ObFixtureFile("source.txt")},
  };
  for (const auto& [what, bytes] : variants) {
    const ObImport import = Read(bytes);
    EXPECT_TRUE(import.problems.empty()) << what << "\n"
                                         << ImportRefusalText("OB.csv", import.problems);
    EXPECT_TRUE(import.plan.Empty()) << what;
  }
}

TEST_F(ObImportTest, ChangedCellsPlanExactlyTheirFields) {
  // As LibreOffice saved edited.csv: Axis 2 placed at 14,15; Axis 3 to auxiliary; Axis 4 to
  // core with experience 5; Allies 1 not placed.
  const ObImport import = Read(testing::ObFixtureFile("lo-edited-semicolon.csv"));
  ASSERT_TRUE(import.problems.empty()) << ImportRefusalText("OB.csv", import.problems);
  ASSERT_EQ(import.plan.edits.size(), 4u);
  const UnitImportEdit& placed = import.plan.edits[0];
  EXPECT_EQ(placed.side, 0);
  EXPECT_EQ(placed.position, 2);
  EXPECT_EQ(placed.line, 3);
  EXPECT_EQ(placed.column, std::uint8_t{14});
  EXPECT_EQ(placed.row, std::uint8_t{15});
  EXPECT_EQ(placed.placed, true);
  EXPECT_FALSE(placed.auxFlag || placed.experience);
  const UnitImportEdit& toAux = import.plan.edits[1];
  EXPECT_EQ(toAux.position, 3);
  EXPECT_EQ(toAux.auxFlag, std::uint8_t{1});
  EXPECT_FALSE(toAux.PlacementChanges() || toAux.experience);
  const UnitImportEdit& toCore = import.plan.edits[2];
  EXPECT_EQ(toCore.position, 4);
  EXPECT_EQ(toCore.auxFlag, std::uint8_t{0});
  EXPECT_EQ(toCore.experience, std::uint8_t{5});
  EXPECT_FALSE(toCore.PlacementChanges()) << "1.00E+05 stands for the name 1E5";
  const UnitImportEdit& unplaced = import.plan.edits[3];
  EXPECT_EQ(unplaced.side, 1);
  EXPECT_EQ(unplaced.position, 1);
  EXPECT_EQ(unplaced.line, 7);
  EXPECT_EQ(unplaced.placed, false);
  EXPECT_EQ(unplaced.column, std::uint8_t{0}) << "as Accept Changes does with NO";
  EXPECT_EQ(unplaced.row, std::uint8_t{0});
  EXPECT_EQ(ImportSummary(import.plan),
            "Imported \"OB.csv\": 1 unit moved to auxiliary, 1 unit moved to core, 2 placements "
            "changed, 1 experience change");
  EXPECT_EQ(Snapshot(state), before) << "reading changes nothing";
}

TEST_F(ObImportTest, OnlyTheCellsThatDifferMakeAnEdit) {
  // A NO line whose experience alone changes keeps its column and row; numbers written
  // otherwise ("03", "+3") are the same numbers.
  std::string text = WithCell(ObSpreadsheetBytes(state), 3, kExp, "4");
  text = WithCell(text, 3, kColumn, "03");
  text = WithCell(text, 2, kRow, "+7");
  const ObImport import = Read(text);
  ASSERT_EQ(import.plan.edits.size(), 1u);
  EXPECT_EQ(import.plan.edits[0].experience, std::uint8_t{4});
  EXPECT_FALSE(import.plan.edits[0].PlacementChanges());
  EXPECT_EQ(ImportSummary(import.plan), "Imported \"OB.csv\": 1 experience change");

  // Placing a unit takes the column and row of its line; a placed unit moved on the map.
  text = WithCell(WithCell(ObSpreadsheetBytes(state), 3, kUsed, "0"), 2, kColumn, "13");
  const ObImport placed = Read(text);
  ASSERT_EQ(placed.plan.edits.size(), 2u);
  EXPECT_EQ(placed.plan.edits[0].column, std::uint8_t{13});
  EXPECT_FALSE(placed.plan.edits[0].row || placed.plan.edits[0].placed);
  EXPECT_EQ(placed.plan.edits[1].placed, true);
  EXPECT_FALSE(placed.plan.edits[1].column || placed.plan.edits[1].row) << "3 and 4 already";
  EXPECT_EQ(ImportSummary(placed.plan), "Imported \"OB.csv\": 2 placements changed");
}

TEST_F(ObImportTest, AppliedPlanWritesWhatTheRosterOperationsWrite) {
  const Bytes original = Written(state, "original");
  EditorState byHand;
  fx.Open(byHand, "s.scn", ScenarioLayout::Homemade, axis);

  const ObImport import = Read(testing::ObFixtureFile("lo-edited-semicolon.csv"));
  const AppliedImport applied = ApplyImportPlan(state, import.plan);
  EXPECT_EQ(applied.flags.size(), 2u);
  EXPECT_EQ(applied.units.size(), 3u);

  // The same edits through the window's operations.
  const auto line = [&byHand](int side, int position) {
    return ListedLineOf(
               byHand,
               byHand.scenario.rosters[static_cast<std::size_t>(side)].pairs.at(position).unitIndex)
        ->line;
  };
  TransferToCore(byHand, {line(0, 4)}, axis);
  TransferToAux(byHand, {line(0, 3)}, axis);
  testing::ScriptedDialogs dialogs;
  AcceptUnitChanges(byHand, dialogs, UnitPage::Core, line(0, 2), {"14", "15", "0", "3"}, axis);
  AcceptUnitChanges(byHand, dialogs, UnitPage::Core, line(0, 4), {"5", "6", "0", "5"}, axis);
  const SideButtons allies{false, true};
  SelectSide(byHand, allies);
  AcceptUnitChanges(byHand, dialogs, UnitPage::Core, line(1, 1), {"30", "31", "NO", "2"}, allies);

  const Bytes imported = Written(state, "imported");
  EXPECT_EQ(imported, Written(byHand, "byhand"));
  EXPECT_NE(imported, original);

  RevertImport(state, applied);
  EXPECT_EQ(Snapshot(state).substr(0, before.find('|')), before.substr(0, before.find('|')));
  EXPECT_EQ(Written(state, "reverted"), original);
  ReapplyImport(state, applied);
  EXPECT_EQ(Written(state, "reapplied"), imported);
}

TEST_F(ObImportTest, APlanForAnotherScenarioIsRefusedWhole) {
  ImportPlan plan;
  plan.fileName = "OB.csv";
  plan.edits.push_back(UnitImportEdit{0, 1, 2, std::uint8_t{1}, {}, {}, {}, {}});
  plan.edits.push_back(UnitImportEdit{1, 9, 3, std::uint8_t{1}, {}, {}, {}, {}});
  EXPECT_THROW(ApplyImportPlan(state, plan), Refusal);
  EXPECT_EQ(Snapshot(state), before);
}

TEST_F(ObImportTest, ColumnsTheEditorDoesNotEditAreRefused) {
  const std::string written = ObSpreadsheetBytes(state);
  const std::vector<std::tuple<int, const char*, const char*>> cells = {
      {kName, "Name", "Grenadier Rgt 2"},
      {kCountry, "Country", "Ita"},
      {kUnitType, "Unit Type", "Tank"},
      {kEquipment, "Equipment Name", "Eq7"},
      {kLand, "Land Trans", ""},
      {kNaval, "Naval Trans", "Eq19"},
      {kStr, "Str", "9"},
      {kEnt, "Ent", "x"},
  };
  for (const auto& [field, caption, value] : cells) {
    const ImportProblem problem = OnlyProblem(WithCell(written, 2, field, value));
    EXPECT_EQ(problem.line, 2) << caption;
    EXPECT_EQ(problem.column, caption);
    EXPECT_NE(problem.reason.find("\"" + std::string(value) + "\" differs"), std::string::npos)
        << problem.reason;
  }
  // A long cell is cut in the message.
  EXPECT_EQ(
      OnlyProblem(WithCell(written, 2, kName, std::string(500, 'x'))).reason,
      "\"" + std::string(40, 'x') +
          "...\" differs from the unit's \"Grenadier Rgt 1\"; an import does not change Name");
  // A line moved to the other side matches another unit, whose name is not that of the line.
  const ObImport moved = Read(WithCell(written, 2, kSide, "Allies"));
  EXPECT_TRUE(moved.plan.Empty());
  ASSERT_FALSE(moved.problems.empty());
  EXPECT_EQ(moved.problems[0].line, 2);
  EXPECT_EQ(moved.problems[0].column, "Name");
}

TEST_F(ObImportTest, EquipmentColumnsAreComparedOnlyWithTheEquipmentRead) {
  EditorState bare;
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  OpenScenario(bare, fx.dialogs, fx.Request("s.scn", ScenarioLayout::Homemade, axis));
  ASSERT_TRUE(bare.equipment.equipmentPath.empty());
  // Written with the equipment: unit types and names the bare state does not know.
  const ObImport import = ReadObImport(bare, "OB.csv", ObSpreadsheetBytes(state));
  EXPECT_TRUE(import.problems.empty()) << ImportRefusalText("OB.csv", import.problems);
  EXPECT_TRUE(import.plan.Empty());
}

TEST_F(ObImportTest, LinesThatMatchNoUnitAreRefused) {
  const std::string written = ObSpreadsheetBytes(state);
  ImportProblem problem = OnlyProblem(WithCell(written, 8, kPosition, "3"));
  EXPECT_EQ(problem.line, 8);
  EXPECT_EQ(problem.column, "Position");
  EXPECT_EQ(problem.reason, "3 matches no unit: Allies has 2 units");
  problem = OnlyProblem(WithCell(written, 2, kSide, "Axes"));
  EXPECT_EQ(problem.column, "Side");
  problem = OnlyProblem(WithCell(written, 2, kPosition, "first"));
  EXPECT_EQ(problem.reason, "'first' is not a valid integer value");

  // The form of "Write OB": a sixth Axis line.
  std::string own = testing::ObFixtureFile("source.txt");
  const std::size_t firstBlank = own.find("\r\n \r\n");
  own.insert(firstBlank, "\r\n" + Split(own, "\r\n")[1]);
  problem = OnlyProblem(own);
  EXPECT_EQ(problem.line, 7);
  EXPECT_EQ(problem.column, "");
  EXPECT_EQ(problem.reason, "matches no unit: it is Axis line 6, and Axis has 5 units");
}

TEST_F(ObImportTest, AUnitListedTwiceIsRefused) {
  const std::string written = ObSpreadsheetBytes(state);
  const ImportProblem problem = OnlyProblem(written + Split(written, "\r\n")[2] + "\r\n");
  EXPECT_EQ(problem.line, 10);
  EXPECT_EQ(problem.reason, "Axis unit 2 is listed twice, first on line 3");
}

TEST_F(ObImportTest, ValuesAreCheckedAsAcceptChangesChecksThem) {
  const std::string written = ObSpreadsheetBytes(state);
  // The message Accept Changes gives for the same text.
  const auto acceptMessage = [this](const UnitEditTexts& texts) {
    EditorState copy = state;
    testing::ScriptedDialogs dialogs;
    try {
      AcceptUnitChanges(copy, dialogs, UnitPage::Core, 0, texts, axis);
    } catch (const UnitFieldError& error) {
      return std::string(error.what());
    }
    return dialogs.messages.empty() ? std::string() : dialogs.messages.front();
  };
  struct Case {
    int field;
    const char* caption;
    const char* value;
    UnitEditTexts texts;
  };
  const std::vector<Case> cases = {
      {kColumn, "Column", "300", {"300", "7", "0", "2"}},
      {kRow, "Row", "-1", {"12", "-1", "0", "2"}},
      {kExp, "Exp", "x7", {"12", "7", "0", "x7"}},
      {kUsed, "Used", "no", {"12", "7", "no", "2"}},
  };
  for (const Case& c : cases) {
    const ImportProblem problem = OnlyProblem(WithCell(written, 2, c.field, c.value));
    EXPECT_EQ(problem.line, 2);
    EXPECT_EQ(problem.column, c.caption);
    EXPECT_EQ(problem.reason, acceptMessage(c.texts));
    EXPECT_FALSE(problem.reason.empty());
  }
  const ImportProblem problem = OnlyProblem(WithCell(written, 2, kClass, "Auxiliary"));
  EXPECT_EQ(problem.column, "Class");
  EXPECT_EQ(problem.reason, "\"Auxiliary\" is neither \"Core\" nor \"Aux\"");
  EXPECT_TRUE(Read(WithCell(written, 2, kClass, "core")).problems.empty()) << "any letter case";
}

TEST_F(ObImportTest, TheLimitsOfATransferHold) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  for (int i = 0; i < 80; ++i)
    plan.Place(testing::NamedUnit("core" + std::to_string(i), 0, i));
  plan.Place(testing::NamedUnit("aux", 0, 80));
  fx.WriteScenario(plan, "full.scn");
  fx.Open(state, "full.scn", ScenarioLayout::Homemade, axis);
  before = Snapshot(state);
  const std::string written = ObSpreadsheetBytes(state);

  const ImportProblem problem = OnlyProblem(WithCell(written, 82, kClass, "Core"));
  EXPECT_EQ(problem.line, 82);
  EXPECT_EQ(problem.column, "Class");
  EXPECT_EQ(problem.reason,
            "the import would give Axis 81 core units, but a scenario holds at most 80 core "
            "units per side");
  // One leaving as the other arrives fits.
  const ObImport swap = Read(WithCell(WithCell(written, 82, kClass, "Core"), 5, kClass, "Aux"));
  EXPECT_TRUE(swap.problems.empty()) << ImportRefusalText("OB.csv", swap.problems);
  EXPECT_EQ(ImportSummary(swap.plan),
            "Imported \"OB.csv\": 1 unit moved to auxiliary, 1 unit moved to core");
}

TEST_F(ObImportTest, TheThirdSidesLinesMustStayAsTheyAre) {
  const std::string written = ObSpreadsheetBytes(state);
  for (const int field : {int{kExp}, int{kClass}, int{kColumn}}) {
    const ImportProblem problem =
        OnlyProblem(WithCell(written, 9, field, field == kClass ? "Aux" : "1"));
    EXPECT_EQ(problem.line, 9);
    EXPECT_NE(problem.reason.find("third side"), std::string::npos) << problem.reason;
  }
}

TEST_F(ObImportTest, NamesASpreadsheetTurnedIntoNumbersStillFindTheirUnit) {
  std::string text = WithCell(ObSpreadsheetBytes(state), 4, kName, "2026-03-07");
  text = WithCell(text, 5, kName, "100000");
  text = WithCell(text, 5, kExp, "3");
  const ObImport import = Read(text);
  EXPECT_TRUE(import.problems.empty()) << ImportRefusalText("OB.csv", import.problems);
  ASSERT_EQ(import.plan.edits.size(), 1u);
  EXPECT_EQ(import.plan.edits[0].position, 4);
  EXPECT_EQ(import.plan.edits[0].experience, std::uint8_t{3});
  // A name of another shape is compared.
  EXPECT_EQ(OnlyProblem(WithCell(ObSpreadsheetBytes(state), 2, kName, "37")).column, "Name");
}

TEST_F(ObImportTest, AnyProblemRefusesTheWholeFileAndTheMessageNamesTheFirstTen) {
  std::string text = WithCell(ObSpreadsheetBytes(state), 2, kExp, "3");  // a good change
  for (int line = 2; line <= 9; ++line) {
    if (line != 3 && line != 6)  // quoted names hold no comma here
      text = WithCell(text, line, kColumn, "256");
  }
  text = WithCell(text, 4, kEnt, "9");
  text = WithCell(text, 7, kUsed, "yes");
  text = WithCell(text, 8, kRow, "999");
  text = WithCell(text, 8, kStr, "1");
  text = WithCell(text, 9, kCountry, "Ge");
  text = WithCell(text, 5, kCountry, "Fra");
  text = WithCell(text, 2, kClass, "?");
  text = WithCell(text, 3, kRow, "r");
  const ObImport import = Read(text);
  EXPECT_TRUE(import.plan.Empty());
  EXPECT_EQ(Snapshot(state), before);
  ASSERT_EQ(import.problems.size(), 14u) << "each line's problems, all of them";
  const std::vector<std::string> lines = Split(ImportRefusalText("OB.csv", import.problems), "\n");
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "Cannot import \"OB.csv\"; nothing was changed:");
  EXPECT_EQ(lines[1], "line 2, Class: \"?\" is neither \"Core\" nor \"Aux\"");
  EXPECT_EQ(lines[2], "line 2, Column: 256 does not fit \"Column\" (0 to 255)");
  EXPECT_EQ(lines[3], "line 3, Row: 'r' is not a valid integer value");
  EXPECT_EQ(lines[11], "and 4 more problems");

  const ImportProblem header = OnlyProblem("Side;Class;Name\r\n");
  EXPECT_EQ(header.line, 1);
  EXPECT_NE(header.reason.find("not the header"), std::string::npos);
}

}  // namespace
}  // namespace zarkel
