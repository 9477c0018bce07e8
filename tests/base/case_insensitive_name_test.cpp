// A name found among others in any case of A to Z: the exact name first, one twin in other
// case taken, two refused by name; and the same in a folder on the disk.
#include "base/case_insensitive_name.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/errors.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

std::vector<NameCandidate> Given(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<NameCandidate> candidates;
  for (const auto& [name, path] : files)
    candidates.push_back({name, path});
  return candidates;
}

std::string RefusalOf(const std::vector<NameCandidate>& candidates, const std::string& wanted,
                      CandidatesFrom from) {
  try {
    PickIgnoringCase(candidates, wanted, wanted, from);
  } catch (const Refusal& refusal) {
    return refusal.what();
  }
  return "no refusal";
}

TEST(PickIgnoringCase, TheExactNameFirstThenItsOneTwinInOtherCase) {
  const std::vector<NameCandidate> files = Given({{"KESSEL.SCN", "CD/KESSEL.SCN"},
                                                  {"equipment.eqp", "equipment.eqp"},
                                                  {"EQUIPMENT.EQP", "CD/EQUIPMENT.EQP"}});
  EXPECT_EQ(PickIgnoringCase(files, "kessel.scn", "kessel.scn", CandidatesFrom::FilesGiven), 0u);
  // Twins in other case do not stand in the way of the exact name.
  EXPECT_EQ(PickIgnoringCase(files, "equipment.eqp", "", CandidatesFrom::FilesGiven), 1u);
  EXPECT_EQ(PickIgnoringCase(files, "EQUIPMENT.EQP", "", CandidatesFrom::FilesGiven), 2u);
  EXPECT_EQ(PickIgnoringCase(files, "kessel.tit", "", CandidatesFrom::FilesGiven), std::nullopt);
  EXPECT_EQ(PickIgnoringCase({}, "kessel.scn", "", CandidatesFrom::Folder), std::nullopt);
}

TEST(PickIgnoringCase, FoldsTheLettersAToZAndNothingElse) {
  // "[" and "{" lie 32 apart as "A" and "a" do; "É" and "é" are letters beyond A to Z.
  const std::vector<NameCandidate> files =
      Given({{"MAP[1].TXT", "MAP[1].TXT"}, {"CAF\xC3\x89.TXT", "CAF\xC3\x89.TXT"}});
  EXPECT_EQ(PickIgnoringCase(files, "map{1}.txt", "", CandidatesFrom::Folder), std::nullopt);
  EXPECT_EQ(PickIgnoringCase(files, "map[1].txt", "", CandidatesFrom::Folder), 0u);
  EXPECT_EQ(PickIgnoringCase(files, "caf\xC3\xA9.txt", "", CandidatesFrom::Folder), std::nullopt);
  EXPECT_EQ(PickIgnoringCase(files, "caf\xC3\x89.txt", "", CandidatesFrom::Folder), 1u);
  EXPECT_EQ(NamesIgnoringCase({"a.scn", "B.SCN", "A.SCN", "a.scn.bak"}, "A.scn"),
            (std::vector<std::size_t>{0, 2}));
}

TEST(PickIgnoringCase, TwoTwinsOrTwoOfTheVeryNameAreRefusedByName) {
  const std::vector<NameCandidate> files = Given({{"Names.txt", "b/Names.txt"},
                                                  {"names.TXT", "a/names.TXT"},
                                                  {"orders.txt", "b/orders.txt"},
                                                  {"orders.txt", "a/orders.txt"},
                                                  {"ORDERS.TXT", "c/ORDERS.TXT"}});
  EXPECT_EQ(RefusalOf(files, "names.txt", CandidatesFrom::FilesGiven),
            "\"names.txt\" is not among the files given, and 2 of them have that name in other "
            "letter case: \"a/names.TXT\", \"b/Names.txt\". Choose one of them yourself.");
  EXPECT_EQ(RefusalOf(files, "NAMES.TXT", CandidatesFrom::Folder),
            "\"NAMES.TXT\" does not exist, and 2 files in its folder have that name in other "
            "letter case: \"a/names.TXT\", \"b/Names.txt\". Choose one of them yourself.");
  EXPECT_EQ(RefusalOf(files, "orders.txt", CandidatesFrom::FilesGiven),
            "2 of the files given are named \"orders.txt\": \"a/orders.txt\", \"b/orders.txt\". "
            "Give only one of them.");
}

void Touch(const std::filesystem::path& path) {
  std::ofstream(path) << "x";
}

TEST(FindIgnoringCase, TakesTheOneTwinInTheFolderAndRefusesTwo) {
  testing::TempDir dir;
  Touch(dir / "KESSEL.SCN");
  Touch(dir / "SKESSEL.TST");
  EXPECT_EQ(FindIgnoringCase(DiskFileSystem(), dir / "KESSEL.SCN"), dir / "KESSEL.SCN");
  EXPECT_EQ(FindIgnoringCase(DiskFileSystem(), dir / "kessel.tit"), dir / "kessel.tit");
  // Where the file system ignores letter case itself (Windows), the name as given is found.
  if (std::filesystem::exists(dir / "kessel.scn"))
    GTEST_SKIP() << "this file system ignores letter case itself";
  EXPECT_EQ(FindIgnoringCase(DiskFileSystem(), dir / "kessel.scn"), dir / "KESSEL.SCN");

  Touch(dir / "Kessel.scn");
  try {
    FindIgnoringCase(DiskFileSystem(), dir / "kessel.scn");
    FAIL() << "two twins taken";
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()),
              QuotedPath(dir / "kessel.scn") +
                  " does not exist, and 2 files in its folder have that name in other letter "
                  "case: \"KESSEL.SCN\", \"Kessel.scn\". Choose one of them yourself.");
  }
}

}  // namespace
}  // namespace zarkel
