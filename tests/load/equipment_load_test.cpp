#include "load/equipment_load.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_builder.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::BuildEquipmentFile;
using testing::JoinLines;

class EquipmentLoadTest : public ::testing::Test {
 protected:
  std::string Equipment(const std::vector<std::uint8_t>& classes, int declared = -1) {
    const std::string path = (dir / ("e" + std::to_string(files++) + ".eqp")).string();
    testing::WriteFileBytes(path, BuildEquipmentFile(classes, declared));
    return path;
  }
  std::string Names(const std::string& content) {
    const std::string path = (dir / ("n" + std::to_string(files++) + ".txt")).string();
    testing::WriteFileText(path, content);
    return path;
  }
  void Load(std::optional<std::string> equipment, std::optional<std::string> names) {
    dialogs.Answer(FileDialogKind::Equipment, std::move(equipment));
    dialogs.Answer(FileDialogKind::EquipmentNames, std::move(names));
    LoadEquipment(state, dialogs);
    EXPECT_TRUE(dialogs.AllAnswered());
  }

  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  EditorState state;
  int files = 0;
};

TEST_F(EquipmentLoadTest, ReadsTheClassByteOfEveryEntryWhateverTheChunking) {
  for (int count : {1, 6, 7, 8, 14, 15, 2101, 3000}) {
    std::vector<std::uint8_t> classes;
    for (int i = 0; i < count; ++i)
      classes.push_back(static_cast<std::uint8_t>((i * 7 + 3) % 23));
    Load(Equipment(classes), std::nullopt);
    ASSERT_EQ(state.equipment.equipmentCount, count);
    ASSERT_GE(state.equipment.classOf.size(), static_cast<std::size_t>(std::max(count, 2101)));
    for (int i = 0; i < count; ++i) {
      ASSERT_EQ(state.equipment.ClassOf(static_cast<std::uint16_t>(i)), classes[i])
          << "id " << i << " of " << count;
    }
  }
}

TEST_F(EquipmentLoadTest, ClassNamesAndTransportNames) {
  Load(Equipment({0, 9, 19}), Names(JoinLines({"Rifles", "Fletcher", "LST"})));
  EXPECT_EQ(state.equipment.ClassName(0), "Infantry");
  EXPECT_EQ(state.equipment.ClassName(1), "Destroyer");
  EXPECT_EQ(state.equipment.ClassName(2), "Naval Transport");
  EXPECT_EQ(state.equipment.EquipmentName(1), "Fletcher");
  EXPECT_EQ(state.equipment.TransportName(2), "LST");
  state.equipment.names[989] = "Truck";
  state.equipment.names[1500] = "Late gear";
  EXPECT_EQ(state.equipment.TransportName(989), "Truck");
  EXPECT_EQ(state.equipment.TransportName(990), "");
  EXPECT_EQ(state.equipment.TransportName(65535), "");
  EXPECT_EQ(state.equipment.TransportName(1500), "") << "990 or more means no transport";
  EXPECT_EQ(state.equipment.EquipmentName(1500), "Late gear") << "no 990 bound for equipment";
  EXPECT_EQ(state.equipment.EquipmentName(65535), "") << "beyond the table";
  EXPECT_EQ(state.equipment.ClassName(65535), "");
  EXPECT_EQ(CountryCode(6), "CB");
  EXPECT_EQ(CountryCode(30), "VFr");
  EXPECT_EQ(CountryCode(31), "");
  EXPECT_EQ(UnitClassName(20), "");
}

TEST_F(EquipmentLoadTest, NameFileLinesFollowTheTextRules) {
  Load(Equipment(std::vector<std::uint8_t>(6, 1)),
       Names(std::string("  spaced  \r\nlone\nfeed\r\r\nlast\x1A"
                         "after\r\n")));
  const auto& names = state.equipment.names;
  EXPECT_EQ(names[0], "  spaced  ");
  EXPECT_EQ(names[1], "lone") << "a lone LF ends a line";
  EXPECT_EQ(names[2], "feed");
  EXPECT_EQ(names[3], "") << "a CR, then a CR LF";
  EXPECT_EQ(names[4], "last");
  EXPECT_EQ(names[5], "") << "0x1A ended the text";
}

TEST_F(EquipmentLoadTest, ShorterAndLongerNameFiles) {
  const std::string shorter = Names(JoinLines({"a", "b"}));
  Load(Equipment({1, 1, 1, 1}), shorter);
  EXPECT_EQ(state.equipment.names[1], "b");
  EXPECT_EQ(state.equipment.names[2], "");
  EXPECT_EQ(state.equipment.note, "\"" + shorter +
                                      "\" holds 2 names for the 4 entries of the equipment file: "
                                      "equipment ids from 2 on have no name.");
  // Names with plain line ends, as an editor elsewhere saves them, are read as names.
  Load(std::nullopt, Names("w\nx\ny\nz\n"));
  EXPECT_EQ(state.equipment.names[3], "z");
  EXPECT_EQ(state.equipment.note, "");
  Load(std::nullopt, Names(JoinLines({"p", "q", "r", "s", "t", "u"})));
  EXPECT_EQ(state.equipment.names[3], "s");
  EXPECT_EQ(state.equipment.names[4], "") << "only as many lines as the count are read";
  // One entry, no name: the counts in the singular where they are one.
  const std::string none = Names("");
  Load(Equipment({1}), none);
  EXPECT_EQ(state.equipment.note, "\"" + none +
                                      "\" holds 0 names for the 1 entry of the equipment file: "
                                      "equipment ids from 0 on have no name.");
}

TEST_F(EquipmentLoadTest, CancelledDialogsKeepWhatTheTablesHeld) {
  // No equipment file was ever read: the name file reads no line.
  Load(std::nullopt, Names(JoinLines({"ignored"})));
  EXPECT_EQ(state.equipment.names[0], "");
  EXPECT_TRUE(state.equipment.equipmentLoaded);

  Load(Equipment({5, 6, 7}), Names(JoinLines({"x", "y", "z"})));
  Load(std::nullopt, std::nullopt);
  EXPECT_EQ(state.equipment.ClassOf(2), 7);
  EXPECT_EQ(state.equipment.names[2], "z");

  // A smaller file later keeps the entries above its count.
  Load(Equipment({9}), Names(JoinLines({"only"})));
  EXPECT_EQ(state.equipment.ClassOf(0), 9);
  EXPECT_EQ(state.equipment.ClassOf(2), 7);
  EXPECT_EQ(state.equipment.names[2], "z");
}

TEST_F(EquipmentLoadTest, ATruncatedEquipmentFileIsRefusedAndChangesNothing) {
  Load(Equipment({3, 3}), Names(JoinLines({"keep", "these"})));
  dialogs.Answer(FileDialogKind::Equipment, Equipment({1, 2, 3}, 500));
  state.equipment.equipmentLoaded = false;
  try {
    LoadEquipment(state, dialogs);
    FAIL();
  } catch (const Refusal& refusal) {
    const std::string text = refusal.what();
    EXPECT_NE(text.find("500"), std::string::npos) << text;
    EXPECT_NE(text.find("holds 3"), std::string::npos) << text;
  }
  EXPECT_EQ(state.equipment.equipmentCount, 2);
  EXPECT_EQ(state.equipment.ClassOf(0), 3);
  EXPECT_FALSE(state.equipment.equipmentLoaded) << "the next opening asks again";

  // One entry declared and none there.
  const std::string one = Equipment({}, 1);
  dialogs.Answer(FileDialogKind::Equipment, one);
  try {
    LoadEquipment(state, dialogs);
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()),
              "\"" + one + "\" is not a complete equipment file: it declares 1 entry but holds 0.");
  }

  // Too short for even the count: said so, not "declares 0 entries but holds 0".
  for (const char* content : {"", "x"}) {
    dialogs.Answer(FileDialogKind::Equipment, Names(content));
    try {
      LoadEquipment(state, dialogs);
      FAIL();
    } catch (const Refusal& refusal) {
      EXPECT_NE(std::string(refusal.what()).find("fewer than the 2 bytes of the entry count"),
                std::string::npos)
          << refusal.what();
    }
  }
}

TEST_F(EquipmentLoadTest, AMissingFileStopsTheLoadWithTheRuntimeText) {
  dialogs.Answer(FileDialogKind::Equipment, (dir / "gone.eqp").string());
  try {
    LoadEquipment(state, dialogs);
    FAIL();
  } catch (const IoError& error) {
    EXPECT_EQ(error.what(), "File not found: \"" + (dir / "gone.eqp").string() + "\"");
  }
  EXPECT_FALSE(state.equipment.equipmentLoaded);
}

TEST_F(EquipmentLoadTest, DialogsShowTheirTitlesAndRememberTheLastFile) {
  const std::string eqp = Equipment({1});
  Load(eqp, std::nullopt);
  EXPECT_EQ(state.fileDialogs[0].lastFile, eqp);
  dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  ReloadEquipment(state, dialogs);
  EXPECT_EQ(dialogs.memories.back().lastFile, "");
  EXPECT_EQ(dialogs.memories[dialogs.memories.size() - 2].lastFile, eqp);
  EXPECT_STREQ(DialogLook(FileDialogKind::Equipment).title, "Open Quennet Equipment File");
  EXPECT_STREQ(DialogLook(FileDialogKind::EquipmentNames).filterPattern, "*.txt");
  EXPECT_STREQ(DialogLook(FileDialogKind::Description).title,
               "Select Decsription File for Orvane Scenario");
}

}  // namespace
}  // namespace zarkel
