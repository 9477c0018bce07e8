// zarkel-cli as scripts use it: the built program run on files made from the format, checked by
// its exit status, what it printed and the bytes it wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "base/utf8_path.h"
#include "base/version.h"
#include "cli_process.h"
#include "session/write_kinds.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::Layout;
using testing::ReadFileBytes;
using testing::ToBytes;
using testing::UnitPlan;

using Args = std::vector<std::string>;

const std::string kConfirm =
    "Continue ? (answer yes only if the scenario origonally created in the battle generator)\n";
const std::string kOddName = "Q\"B\\\x01\xE9";  // a quote, a backslash, a control byte, e acute

// A small Homemade scenario: an Axis core unit (unused, with a land transport) and an Axis
// auxiliary unit, an unused Allied unit, a unit of the third side and one of no side.
testing::ScenarioPlan SmallScenario() {
  testing::ScenarioPlan s;
  s.layout = Layout::Homemade;
  s.placeNames = {"Town", "Hill"};
  s.description = "desc";
  s.title = "ti";
  auto unit = [](const std::string& name, int side, int order, int country, int equipment,
                 int seed) {
    UnitPlan u;
    u.name = name;
    u.side = static_cast<std::uint8_t>(side);
    u.orderNumber = static_cast<std::uint8_t>(order);
    u.country = static_cast<std::uint8_t>(country);
    u.equipmentId = static_cast<std::uint16_t>(equipment);
    u.seed = static_cast<std::uint8_t>(seed);
    return u;
  };
  UnitPlan q = unit(kOddName, 0, 0, 14, 11, 1);
  q.landTransportId = 21;
  q.column = 0x0105;
  q.experience = 3;
  UnitPlan yank = unit("Yank", 1, 0, 28, 2, 3);
  yank.column = 0x0102;
  yank.row = 6;
  for (const UnitPlan& u : {q, unit("Aux", 0, 80, 9, 9, 2), yank, unit("Third", 2, 1, 9, 0, 4),
                            unit("Stray", 3, 2, 9, 0, 5)}) {
    s.Place(u);
  }
  return s;
}

std::string Name40(const std::string& name) {
  return name + std::string(40 - name.size(), '\0');
}

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    fx.WriteScenario(SmallScenario(), "small.scn");
    std::filesystem::create_directory(fx.dir / "out");
  }
  testing::CliRun Run(const Args& args) { return testing::RunCli(args, fx.dir.path(), io.path()); }
  Args WithEquipment(Args args) {
    args.insert(args.end(), {"--equipment", fx.equipmentPath, "--names", fx.namesPath});
    return args;
  }
  Bytes Out(const std::string& name) { return ReadFileBytes(fx.dir / ("out/" + name)); }
  std::size_t OutCount() { return testing::Snapshot(fx.dir / "out").size(); }

  testing::ScenarioFixture fx;
  testing::TempDir io;
};

std::string UnitJson(const std::string& name, int country, int equipment, int land, int column,
                     int row, const char* used, int experience, int order, const char* type) {
  return "{\"name\":" + name + ",\"country\":" + std::to_string(country) +
         ",\"equipmentId\":" + std::to_string(equipment) +
         ",\"landTransportId\":" + std::to_string(land) +
         ",\"navalTransportId\":65535,\"column\":" + std::to_string(column) +
         ",\"row\":" + std::to_string(row) + ",\"used\":\"" + used +
         "\",\"strength\":10,\"entrenchment\":1,\"experience\":" + std::to_string(experience) +
         ",\"orderNumber\":" + std::to_string(order) + ",\"unitType\":\"" + type +
         "\",\"equipmentName\":\"Eq" + std::to_string(equipment) + "\"}";
}

TEST_F(CliTest, InfoJsonHoldsTheScenarioAsRead) {
  const testing::CliRun run =
      Run(WithEquipment({"info", "--layout", "homemade", "small.scn", "--json"}));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  const std::string expected =
      "{\"layout\":\"homemade\",\"mapSizeA\":2,\"mapSizeB\":3,\"placeNameCount\":2,"
      "\"descriptionLength\":4,\"titleLength\":2,\"battleType\":1,\"limits\":{"
      "\"axisLandCoreMax\":11,\"axisNavalCoreMax\":13,\"alliedLandCoreMax\":12,"
      "\"alliedNavalCoreMax\":14,\"axisAuxMax\":15,\"axisCoreMax\":16,\"alliedAuxMax\":17,"
      "\"alliedCoreMax\":18},\"unitCount\":5,\"sides\":["
      "{\"core\":[" +
      UnitJson("\"Q\\\"B\\\\\\u0001\xC3\xA9\"", 14, 11, 21, 5, 4, "NO", 3, 0, "Carrier") +
      "],\"aux\":[" + UnitJson("\"Aux\"", 9, 9, 65535, 3, 4, "0", 2, 80, "Destroyer") +
      "]},{\"core\":[" + UnitJson("\"Yank\"", 28, 2, 65535, 2, 6, "NO", 2, 0, "Recon") +
      "],\"aux\":[]},{\"core\":[" +
      UnitJson("\"Third\"", 9, 0, 65535, 3, 4, "0", 2, 1, "Infantry") + "],\"aux\":[]}]}\n";
  EXPECT_EQ(run.out, expected);

  // Without an equipment file there is nothing to name the types and equipment by.
  const testing::CliRun bare = Run({"info", "--layout", "homemade", "small.scn", "--json"});
  EXPECT_EQ(bare.exitCode, 0);
  EXPECT_EQ(bare.out.find("unitType"), std::string::npos);
  EXPECT_EQ(bare.out.find("equipmentName"), std::string::npos);

  const testing::CliRun summary = Run({"info", "--layout", "homemade", "small.scn"});
  EXPECT_EQ(summary.exitCode, 0);
  EXPECT_NE(summary.out.find("Allies: 1 core, 0 auxiliary"), std::string::npos) << summary.out;
  EXPECT_NE(summary.out.find("Third"), std::string::npos);
}

TEST_F(CliTest, InfoOnAnOriginalReadsItsCompanionsAndNamesAMissingOne) {
  // Names outside ASCII are UTF-8 on the command line and on disk, and printed as they are.
  const std::string base =
      "\xC3\x9C"
      "bung";  // "Übung"
  testing::ScenarioPlan plan = SmallScenario();
  plan.layout = Layout::Original;
  fx.WriteScenario(plan, base + ".scn");
  testing::WriteFileText(fx.dir / ("s" + base + ".tst"), "Ford\r\nMill\r\nChapel\r\n");
  const std::string description = "Twenty-one bytes long";
  testing::WriteFileText(fx.dir / (base + ".des"), description);
  // No title file.
  const auto path = [&](const std::string& name) { return Utf8FromPath(fx.dir / name); };
  const Args open = {"info", "--layout", "original", base + ".scn"};

  const testing::CliRun text = Run(open);
  EXPECT_EQ(text.exitCode, 0) << text.err;
  for (const std::string& line : {"Place names:     3, from " + path("s" + base + ".tst") + "\n",
                                  "Description:     " + std::to_string(description.size()) +
                                      " bytes, from " + path(base + ".des") + "\n",
                                  "Title:           missing: " + path(base + ".tit") + "\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "in\n" << text.out;
  }

  Args json = open;
  json.push_back("--json");
  const testing::CliRun object = Run(json);
  EXPECT_EQ(object.exitCode, 0) << object.err;
  const auto jsonPath = [&](const std::string& name) {
    std::string escaped;
    for (const char c : path(name))
      escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "\"" + escaped + "\"";
  };
  EXPECT_NE(
      object.out.find("\"placeNameCount\":3,\"placeNameFile\":" + jsonPath("s" + base + ".tst") +
                      ",\"descriptionLength\":" + std::to_string(description.size()) +
                      ",\"descriptionFile\":" + jsonPath(base + ".des") +
                      ",\"titleLength\":null,\"titleFile\":" + jsonPath(base + ".tit") +
                      ",\"battleType\":1,"),
      std::string::npos)
      << object.out;
}

#ifndef _WIN32
TEST_F(CliTest, InfoJsonStaysUtf8ForAFileNameThatIsNot) {
  // A Linux file name may be any bytes; the JSON takes such a name as Latin-1, as the status
  // line does, rather than carrying bytes that are no UTF-8.
  testing::ScenarioPlan plan = SmallScenario();
  plan.layout = Layout::Original;
  fx.WriteScenario(plan, "orig.scn");
  const testing::CliRun run =
      Run({"info", "--layout", "original", "orig.scn", "--placenames", "s\xE9.tst", "--json"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("s\xC3\xA9.tst\",\"descriptionLength\""), std::string::npos) << run.out;
}
#endif

TEST_F(CliTest, EditsAreAppliedInTheOrderGiven) {
  // Line 1 of the Axis core list exists only after "--to-core 0"; the Allied unit is edited on
  // the auxiliary page only after it was moved there.
  const testing::CliRun run = Run(WithEquipment({"ob",          "--layout",
                                                 "homemade",    "small.scn",
                                                 "--side",      "axis",
                                                 "--to-core",   "0",
                                                 "--core-unit", "1:used=NO,experience=44",
                                                 "--side",      "allies",
                                                 "--to-aux",    "0",
                                                 "--aux-unit",  "0:column=7,row=8,used=0",
                                                 "--dir",       "out",
                                                 "--name",      "battle"}));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "Because Status set to Unused Columns and Rows set to 0\n");
  // The line the window's status bar shows after a write.
  EXPECT_EQ(run.out, "Wrote battle.txt in \"" + (fx.dir / "out").string() + "\"\n");
  const std::string expected =
      "Side,Class,Name,Country,Unit Type,Equipment Name,Land Trans, Naval Trans,Column,Row,Used,"
      "Str,Ent,Exp\r\n"
      "Axis,Core," +
      Name40(kOddName) +
      ",Jpn,Carrier,Eq11,Eq21,,5,4,NO,10,1,3\r\n"
      "Axis,Core," +
      Name40("Aux") +
      ",Ge,Destroyer,Eq9,,,0,0,NO,10,1,44\r\n"
      " \r\n"
      "Allies,Aux," +
      Name40("Yank") +
      ",USA,Recon,Eq2,,,7,8,0,10,1,2\r\n"
      " \r\n"
      "Aux 1,Core," +
      Name40("Third") +
      ",Ge,Infantry,Eq0,,,3,4,0,10,1,2\r\n"
      " \r\n";
  EXPECT_EQ(Out("battle.txt"), ToBytes(expected));
  EXPECT_EQ(OutCount(), 1u);
}

// Every kind of write is made by the command and flag its row names, into the files its row
// names, and printed as the session's written line.
TEST_F(CliTest, EveryKindOfWriteIsMadeByItsCommandAndFlag) {
  for (const WriteKindRow& row : WriteKinds()) {
    SCOPED_TRACE(row.key);
    const std::filesystem::path out = fx.dir / (std::string("out-") + row.key);
    std::filesystem::create_directory(out);
    Args args = WithEquipment({row.command, "--layout", "homemade", "small.scn", "--dir",
                               out.string(), "--name", "plain"});
    if (row.commandFlag != nullptr)
      args.emplace_back(row.commandFlag);
    const testing::CliRun run = Run(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> made;
    for (const auto& [name, bytes] : testing::Snapshot(out))
      made.push_back(name);
    std::vector<std::string> expected = row.fileNames("plain");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(made, expected);
    EXPECT_EQ(run.out.rfind("Wrote ", 0), 0u) << run.out;
  }
}

TEST_F(CliTest, CampaignWritesTheMidwaySlotAfterATransfer) {
  const testing::WriterCase wc = testing::MakeWriterCase(Layout::Homemade);
  fx.WriteScenario(wc.source, "source.scn");
  const testing::CliRun run =
      Run({"campaign", "--layout", "homemade", "source.scn", "--side", "axis", "--to-aux", "0,1",
           "--type", "5", "--limit", "axisAuxMax=$2C", "--slot", "Midway", "--dir", "out"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");

  // Both Axis core units join the auxiliary unit, in roster order: 80, 81, 82.
  std::vector<UnitPlan> units = wc.expectedUnits;
  for (int i = 0; i < 3; ++i)
    units[static_cast<std::size_t>(i)].orderNumber = static_cast<std::uint8_t>(80 + i);
  EXPECT_EQ(Out("midway.scn"), testing::ExpectedScenario(wc.source, Layout::Original, units, 2,
                                                         {11, 12, 13, 14, 44, 16, 17, 18}));
  EXPECT_EQ(Out("smidway.tst"), ToBytes(testing::JoinLines(wc.source.placeNames)));
  EXPECT_EQ(Out("midway.des"), ToBytes(wc.source.description));
  EXPECT_EQ(Out("midway.tit"), ToBytes(wc.source.title));
  EXPECT_EQ(OutCount(), 4u);
}

TEST_F(CliTest, NamesOutsideAsciiTravelAsUtf8FromTheCommandLineToTheFiles) {
  // On Windows too, where the system takes such names only in wide characters.
  const std::string folder =
      "\xC3\x9C"
      "bung \xCE\xB1";                        // "Übung α"
  const std::string name = "K\xC3\xA4rnten";  // "Kärnten"
  std::filesystem::create_directory(fx.dir / folder);
  fx.WriteScenario(SmallScenario(), folder + "/" + name + ".scn");
  const testing::CliRun run =
      Run(WithEquipment({"campaign", "--layout", "homemade", folder + "/" + name + ".scn", "--name",
                         name + "-2", "--dir", folder}));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const std::string& written : {name + "-2.scn", "s" + name + "-2.tst", name + "-2.tit"})
    EXPECT_TRUE(std::filesystem::exists(fx.dir / (folder + "/" + written))) << written;

  // Opened again as an Original scenario, whose companions are read under their default names.
  const testing::CliRun back =
      Run({"homemade", "--layout", "original", folder + "/" + name + "-2.scn", "--yes", "--name",
           name + "-3", "--dir", folder});
  EXPECT_EQ(back.exitCode, 0) << back.err;
  const testing::CliRun info =
      Run({"info", "--layout", "homemade", folder + "/" + name + "-3.scn"});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find(folder), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(name + "-3.scn"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Allies: 1 core, 0 auxiliary"), std::string::npos) << info.out;
}

TEST_F(CliTest, UndoAndRedoAreEditsInTheOrderGiven) {
  fx.WriteScenario(testing::MakeWriterCase(Layout::Homemade).source, "source.scn");
  const auto written = [&](const std::string& name, const Args& edits) {
    Args args = {"campaign", "--layout", "homemade", "source.scn", "--name", name, "--dir", "out"};
    args.insert(args.end(), edits.begin(), edits.end());
    const testing::CliRun run = Run(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Out(name + ".scn");
  };
  const Bytes unedited = written("unedited", {});
  const Bytes edited = written("edited", {"--side", "axis", "--to-aux", "0,1"});
  ASSERT_NE(edited, unedited);
  EXPECT_EQ(written("undone", {"--side", "axis", "--to-aux", "0,1", "--undo"}), unedited);
  EXPECT_EQ(written("redone", {"--side", "axis", "--to-aux", "0,1", "--undo", "--redo"}), edited);

  // The type and a limit are steps too: undone, the file holds them as they were; redone, as
  // set. A set value differs from the source in its one byte.
  for (const Args& change : {Args{"--limit", "axisCoreMax=50"}, Args{"--type", "2"}}) {
    const std::string name = change[0].substr(2);
    const Bytes set = written(name, change);
    ASSERT_EQ(set.size(), unedited.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < set.size(); ++i)
      differing += set[i] != unedited[i] ? 1 : 0;
    EXPECT_EQ(differing, 1u) << name;
    Args undone = change;
    undone.push_back("--undo");
    EXPECT_EQ(written(name + "-undone", undone), unedited) << name;
    undone.push_back("--redo");
    EXPECT_EQ(written(name + "-redone", undone), set) << name;
  }

  // Nothing to take: a usage error that names the flag's place; nothing is written.
  const auto before = testing::Snapshot(fx.dir.path());
  for (const auto& [args, message] :
       {std::pair{Args{"--side", "allies", "--undo"}, "--undo (argument 7): "},
        std::pair{Args{"--side", "axis", "--to-aux", "0", "--undo", "--to-aux", "1", "--redo"},
                  "--redo (argument 12): "}}) {
    Args all = {"ob", "--layout", "homemade", "source.scn"};
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), {"--dir", "out"});
    const testing::CliRun run = Run(all);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
    EXPECT_NE(run.err.find("Usage: zarkel-cli"), std::string::npos) << run.err;
  }
  EXPECT_EQ(testing::Snapshot(fx.dir.path()), before);
}

TEST_F(CliTest, HomemadeFromAnOriginalAsksAndTakesTheCompanionsGiven) {
  const testing::WriterCase wc = testing::MakeWriterCase(Layout::Original);
  fx.WriteScenario(wc.source, "source.scn");
  // Not the default names beside the scenario: only the flags can lead to them.
  testing::WriteFileText(fx.dir / "places.tst", "North\r\nSouth\r\n");
  testing::WriteFileText(fx.dir / "words.des", "A description");
  testing::WriteFileText(fx.dir / "heading.tit", "Heading");
  const Args args = {"homemade",      "--layout",   "original", "source.scn",
                     "--placenames",  "places.tst", "--title",  "heading.tit",
                     "--description", "words.des",  "--dir",    "out"};

  const testing::CliRun no = Run(args);
  EXPECT_EQ(no.exitCode, 1);
  EXPECT_EQ(no.err, kConfirm + "Not written: --yes answers Yes.\n");
  EXPECT_EQ(OutCount(), 0u);

  // The question that --yes answers is not printed.
  Args yes = args;
  yes.push_back("--yes");
  const testing::CliRun run = Run(yes);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Out("User_Specified_Name.scn"),
            testing::ExpectedScenario(wc.source, Layout::Homemade, wc.expectedUnits, 1,
                                      {11, 12, 13, 14, 15, 16, 17, 18}, {"North", "South"},
                                      "A description", "Heading"));
}

TEST_F(CliTest, AWriteReplacesFilesThatAreThereOnlyWithReplace) {
  const std::string out = (fx.dir / "out").string();
  testing::WriteFileText(fx.dir / "out" / "cchina.tit", "earlier title");
  testing::WriteFileText(fx.dir / "out" / "OB.txt", "earlier OB");
  testing::WriteFileText(fx.dir / "out" / "User_Specified_Name.scn", "earlier scenario");
  const Args open = WithEquipment({"--layout", "homemade", "small.scn", "--dir", "out"});
  const std::vector<std::pair<Args, std::string>> writes = {
      {{"campaign", "--slot", "Central China"}, "\"cchina.tit\" already exists"},
      {{"ob"}, "\"OB.txt\" already exists"},
      {{"homemade", "--yes"}, "\"User_Specified_Name.scn\" already exists"}};
  // homemade's --yes answers the other question, never this one.
  for (const auto& [command, question] : writes) {
    Args args = command;
    args.insert(args.end(), open.begin(), open.end());
    const auto before = testing::Snapshot(fx.dir / "out");
    const testing::CliRun refused = Run(args);
    EXPECT_EQ(refused.exitCode, 1) << command[0];
    EXPECT_EQ(refused.err, question + " in \"" + out +
                               "\". Replace it?\nNot written: --replace replaces the files that "
                               "are there.\n");
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(testing::Snapshot(fx.dir / "out"), before) << command[0];

    args.push_back("--replace");
    const testing::CliRun replaced = Run(args);
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(replaced.err, "");
  }
  EXPECT_GT(Out("OB.txt").size(), 20u);
  EXPECT_NE(Out("cchina.tit"), ToBytes("earlier title"));
  EXPECT_EQ(OutCount(), 6u);
}

TEST_F(CliTest, ACompanionFlagGivenAloneReplacesOnlyItsOwnDefault) {
  fx.WriteScenario(testing::MakeWriterCase(Layout::Original).source, "source.scn");
  testing::WriteFileText(fx.dir / "ssource.tst", "Default place\r\n");
  testing::WriteFileText(fx.dir / "source.tit", "Default title");
  testing::WriteFileText(fx.dir / "source.des", "Default description");
  testing::WriteFileText(fx.dir / "places.tst", "Given place\r\n");
  testing::WriteFileText(fx.dir / "heading.tit", "Given title");
  testing::WriteFileText(fx.dir / "words.des", "Given description");
  for (const auto& [flag, file] :
       {std::pair{"--placenames", "places.tst"}, std::pair{"--title", "heading.tit"},
        std::pair{"--description", "words.des"}}) {
    const std::string name(flag + 2);  // the outputs are named after the flag
    const testing::CliRun run = Run({"campaign", "--layout", "original", "source.scn", flag, file,
                                     "--name", name, "--dir", "out"});
    ASSERT_EQ(run.exitCode, 0) << flag << ": " << run.err;
    // The given file for the flag's own companion, the default one for the two others.
    const auto expected = [&](const std::string& companion, const std::string& text) {
      return ToBytes((companion == name ? "Given " : "Default ") + text);
    };
    EXPECT_EQ(Out("s" + name + ".tst"), expected("placenames", "place\r\n")) << flag;
    EXPECT_EQ(Out(name + ".tit"), expected("title", "title")) << flag;
    EXPECT_EQ(Out(name + ".des"), expected("description", "description")) << flag;
  }
}

TEST_F(CliTest, AFailureOrAStoppingMessageWritesNothing) {
  const std::string sourceHere = (fx.dir / "small.scn").string();
  const std::vector<std::pair<Args, std::string>> cases = {
      {{"campaign", "--layout", "homemade", "small.scn", "--side", "axis", "--core-unit",
        "0:used=no,column=30", "--slot", "Midway", "--dir", "out"},
       "\"0\" and \"NO\" are the only two valid entries\n"},
      {{"homemade", "--layout", "homemade", "small.scn", "--limit", "axisCoreMax=abc", "--dir",
        "out"},
       "'abc' is not a valid integer value: \"--limit axisCoreMax\"\n"},
      {{"homemade", "--layout", "homemade", "small.scn", "--limit", "axisCoreMax=300", "--dir",
        "out"},
       "300 does not fit \"--limit axisCoreMax\" (0 to 255)\n"},
      {{"campaign", "--layout", "homemade", "small.scn", "--limit", "axisAuxMax=300", "--name", "c",
        "--dir", "out"},
       "300 does not fit \"--limit axisAuxMax\" (0 to 255)\n"},
      // An edit flag's text is named by the flag, the line and the field.
      {{"ob", "--layout", "homemade", "small.scn", "--side", "axis", "--core-unit", "0:row=x",
        "--dir", "out"},
       "'x' is not a valid integer value: \"--core-unit 0: row\"\n"},
      {{"ob", "--layout", "homemade", "small.scn", "--side", "axis", "--aux-unit",
        "0:column=1,experience=-1", "--dir", "out"},
       "-1 does not fit \"--aux-unit 0: experience\" (0 to 255)\n"},
      {{"campaign", "--layout", "homemade", "small.scn", "--name", "small", "--dir",
        fx.dir.path().string()},
       "Cannot write \"" + sourceHere +
           "\": it is the opened scenario. Choose another name or folder.\n"},
      {WithEquipment({"ob", "--layout", "homemade", "small.scn", "--dir", fx.dir.path().string(),
                      "--name", "equip"}),
       "Cannot write \"" + fx.namesPath +
           "\": it is the equipment-name file in use. Choose another name or folder.\n"},
      {{"ob", "--layout", "homemade", "small.scn", "--dir", "out", "--name", "../escaped"},
       "The name \"../escaped\" given in --name holds \"/\": type a file name without a folder. "
       "Nothing was written.\n"},
      // The names Windows cannot take, refused before anything is opened.
      {{"ob", "--layout", "homemade", "small.scn", "--dir", "out", "--name", "."},
       "The name \".\" given in --name stands for a folder, not a file. Nothing was written.\n"},
      {{"homemade", "--layout", "homemade", "small.scn", "--dir", "out", "--name", "two\nlines"},
       "The name \"two\\x0Alines\" given in --name holds the control character 0x0A, which "
       "Windows does not allow in a file name. Nothing was written.\n"},
      {{"campaign", "--layout", "homemade", "small.scn", "--dir", "out", "--name", "Con"},
       "The name \"Con\" given in --name is a name Windows keeps for a device (CON). Nothing "
       "was written.\n"},
      {{"campaign", "--layout", "homemade", "small.scn", "--dir", "out", "--name",
        std::string(251, 'n')},
       "The name \"" + std::string(251, 'n') +
           "\" given in --name is too long: the longest file it makes would have a name of 256 "
           "bytes, and a file name may have 255. Nothing was written.\n"},
      // "Invalid filename" says which kind it is.
      {{"ob", "--layout", "homemade", "small.scn", "--equipment",
        (fx.dir / "nonexist" / "x.eqp").string(), "--dir", "out"},
       "Invalid filename: \"" + (fx.dir / "nonexist" / "x.eqp").string() + "\" (the folder \"" +
           (fx.dir / "nonexist").string() + "\" does not exist)\n"},
      {{"ob", "--layout", "homemade", "small.scn", "--dir", "small.scn"},
       "Invalid filename: \"" + (fx.dir / "small.scn" / "OB.txt").string() + "\" (\"" + sourceHere +
           "\" is a file, not a folder)\n"},
      {{"ob", "--layout", "homemade", "small.scn", "--dir", "nosuchdir"},
       "The folder \"" + (fx.dir / "nosuchdir").string() + "\" does not exist\n"},
      {{"info", "--layout", "homemade", "out"},
       "\"" + (fx.dir / "out").string() + "\" is a folder, not a scenario file\n"},
      {{"ob", "--layout", "homemade", "missing.scn", "--dir", "out"},
       "File not found: \"" + (fx.dir / "missing.scn").string() + "\"\n"},
      {{"ob", "--layout", "homemade", "small.scn", "--side", "allies", "--to-aux", "0,1", "--dir",
        "out"},
       "--to-aux: line 1 is not on the Allies core list, which has lines 0 to 0.\n"},
  };
  const auto before = testing::Snapshot(fx.dir.path());
  for (const auto& [args, message] : cases) {
    const testing::CliRun run = Run(args);
    EXPECT_EQ(run.exitCode, 1) << args[0] << " " << message;
    EXPECT_EQ(run.err, message);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::Snapshot(fx.dir.path()), before) << message;
  }
}

TEST_F(CliTest, PathsInMessagesAreShownWithoutDotPartsAndParentPartsResolvedOnTheDisk) {
  const std::filesystem::path root = std::filesystem::canonical(fx.dir.path());
  std::filesystem::create_directories(root / "t1" / "deep");
#ifndef _WIN32
  // Through a link, ".." leads to the parent of the link's target.
  std::filesystem::create_directory_symlink(root / "t1" / "deep", root / "link");
  const testing::CliRun linked =
      Run({"ob", "--layout", "homemade", "small.scn", "--dir", "link/../out2", "--name", "x"});
  EXPECT_EQ(linked.err, "The folder \"" + (root / "t1" / "out2").string() + "\" does not exist\n");
#endif
  const testing::CliRun run =
      Run({"ob", "--layout", "homemade", "./small.scn", "--dir", "./t1/.././out/.", "--name", "x"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Wrote x.txt in \"" + (root / "out").string() + "\"\n");
}

TEST_F(CliTest, AUsageErrorPrintsItsCauseAndTheUsageAndExitsTwo) {
  const std::string commands = "info, ob, campaign, homemade ";
  // The arguments, a piece of the cause, and the command whose usage follows.
  std::vector<std::tuple<Args, std::string, std::string>> cases = {
      {{"ob", "--layout", "homemade", "small.scn", "--to-aux", "0", "--side", "axis", "--dir",
        "out"},
       "--to-aux: needs --side",
       "ob"},
      {{"ob", "--layout", "homemade", "small.scn", "--side", "axis", "--to-aux", "1,,2", "--dir",
        "out"},
       "is not a line number",
       "ob"},
      {{"ob", "--layout", "homemade", "small.scn", "--limit", "maxUnits=3", "--dir", "out"},
       "maxUnits",
       "ob"},
      {{"ob", "--layout", "homemade", "small.scn"}, "--dir", "ob"},
      {{"campaign", "--layout", "homemade", "small.scn", "--slot", "Midway", "--name", "x", "--dir",
        "out"},
       "either --slot",
       "campaign"},
      {{"campaign", "--layout", "homemade", "small.scn", "--slot", "Midway", "--page", "axis",
        "--dir", "out"},
       "not a slot of the axis page",
       "campaign"},
      {{"info", "--layout", "homemade", "small.scn", "--title", "t.tit"}, "--title", "info"},
      {{"info", "--layout", "sideways", "small.scn"}, "sideways", "info"},
      {{"check", "--layout", "homemade", "small.scn", "--undo"}, "--undo (argument 5): ", "check"},
      {{}, "A command is required: " + commands + "or check.", ""},
      {{"--layout", "homemade"}, "A command is required before \"--layout\"", ""},
      {{"foo", "--layout", "homemade"},
       "\"foo\" is not a command; the commands are " + commands + "and check.",
       ""},
  };
  // An edit's text that would be taken for another: each flag's value as a whole is refused.
  const Args ob = {"ob", "--layout", "homemade", "small.scn", "--side", "axis", "--dir", "out"};
  const auto edit = [&](std::initializer_list<std::string> more) {
    Args args = ob;
    args.insert(args.end(), more);
    return args;
  };
  cases.emplace_back(edit({"--type", "2x"}), "--type: \"2x\" is not a number", "ob");
  cases.emplace_back(edit({"--core-unit", "0:row=1,row=2"}),
                     "--core-unit: the field \"row\" is given twice", "ob");
  cases.emplace_back(edit({"--aux-unit", "0:used=0,experience=2,used=NO"}),
                     "--aux-unit: the field \"used\" is given twice", "ob");
  // A line number too large to hold (2^31, 2^32, 2^64 + 1) is no line number: never line 0,
  // which every one of these lists has.
  for (const std::string line : {"2147483648", "4294967296", "18446744073709551617"}) {
    const std::string cause = "\"" + line + "\" is not a line number (0, 1, 2, ...)";
    cases.emplace_back(edit({"--to-aux", line}), "--to-aux: " + cause, "ob");
    cases.emplace_back(edit({"--to-core", "0," + line}), "--to-core: " + cause, "ob");
    cases.emplace_back(edit({"--core-unit", line + ":row=3"}), "--core-unit: " + cause, "ob");
    cases.emplace_back(edit({"--aux-unit", line + ":row=3"}), "--aux-unit: " + cause, "ob");
  }
  const auto before = testing::Snapshot(fx.dir.path());
  for (const auto& [args, cause, command] : cases) {
    const testing::CliRun run = Run(args);
    EXPECT_EQ(run.exitCode, 2) << cause;
    // Three lines: the cause, the usage, where to read more; not the whole help.
    const std::string usage = command.empty() ? "COMMAND [OPTIONS]" : command + " --layout ";
    const std::string more = command.empty() ? "" : command + " ";
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
    EXPECT_NE(run.err.find(cause), std::string::npos) << run.err;
    EXPECT_LT(run.err.find(cause), run.err.find('\n')) << run.err;
    EXPECT_NE(run.err.find("\nUsage: zarkel-cli " + usage), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nRun \"zarkel-cli " + more + "--help\" for more.\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::Snapshot(fx.dir.path()), before) << cause;
  }

  const testing::CliRun help = Run({"homemade", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: zarkel-cli homemade"), std::string::npos);
  // The edits, in the footer: each flag at the head of its entry, no word lost to the wrapping,
  // no line past the width of the rest of the help.
  const auto edits = help.out.find("EDITS,");
  ASSERT_NE(edits, std::string::npos) << help.out;
  const std::string editsHelp = help.out.substr(edits, help.out.find("\nMessages", edits) - edits);
  for (const char* head : {"\n  --side axis|allies ", "\n  --to-core LINES ",
                           "\n  --core-unit LINE:FIELD=TEXT[,FIELD=TEXT...]\n ",
                           "\n  --limit FIELD=TEXT ", "\n  --undo ", "\n  --redo "})
    EXPECT_NE(editsHelp.find(head), std::string::npos) << head << editsHelp;
  for (const char* words : {"0..2", "alliedNavalCoreMax,", "alliedCoreMax\n", "a usage error\n"})
    EXPECT_NE(editsHelp.find(words), std::string::npos) << words << editsHelp;
  std::istringstream lines(editsHelp);
  for (std::string line; std::getline(lines, line);)
    EXPECT_LE(line.size(), 91u) << line;
  const testing::CliRun overview = Run({"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  EXPECT_NE(
      overview.out.find("  campaign --layout L SCENARIO [COMMON] [EDITS] --dir DIR (--slot "
                        "CAPTION | --name NAME)\n           [--page axis|allied] [--replace]\n"),
      std::string::npos)
      << overview.out;

  const testing::CliRun version = Run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("zarkel-cli ") + kVersion + "\n");
}

TEST(CliExamplesTest, InfoAndEveryWriterTakeTheDemoSet) {
  // Absolute in this system's terms (under wine, the build's path lies on a drive of its own).
  const std::filesystem::path examples = std::filesystem::absolute(ZARKEL_EXAMPLES_DIR);
  testing::TempDir out;
  testing::TempDir io;
  const std::pair<std::string, std::string> scenarios[] = {{"kardel", "homemade"},
                                                           {"vessin", "original"}};
  for (const auto& [base, layout] : scenarios) {
    const Args open = {"--layout",
                       layout,
                       (examples / (base + ".scn")).string(),
                       "--equipment",
                       (examples / "equipment.eqp").string(),
                       "--names",
                       (examples / "equipment.txt").string()};
    const std::vector<Args> commands = {
        {"info"},
        {"ob", "--dir", ".", "--name", base},
        {"campaign", "--dir", ".", "--name", base},
        {"homemade", "--dir", ".", "--name", base + "-home", "--yes"}};
    for (Args args : commands) {
      args.insert(args.begin() + 1, open.begin(), open.end());
      const testing::CliRun run = testing::RunCli(args, out.path(), io.path());
      EXPECT_EQ(run.exitCode, 0) << args[0] << " " << base << ": " << run.err;
      if (args[0] == "info") {
        EXPECT_NE(run.out.find(base == "kardel" ? "Grenadiers" : "Vessin"), std::string::npos);
      }
    }
  }
  // Each scenario: the order of battle, a campaign scenario with three companions, a Homemade one.
  EXPECT_EQ(testing::Snapshot(out.path()).size(), 12u);
}

}  // namespace
}  // namespace zarkel
