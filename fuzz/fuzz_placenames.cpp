// The place-name conversions from arbitrary bytes, both ways:
//  - the bytes as a place-name file (.tst): counted and turned into 30-byte records, each ending
//    with a zero byte, which turned back into text give the lines again;
//  - the bytes as the place-name records of a scenario: turned into one CR LF line per record.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "base/errors.h"
#include "base/output_file.h"
#include "base/source_file.h"
#include "base/text_lines.h"
#include "fuzz_support.h"
#include "output/companion_files.h"

namespace {

using namespace zarkel;

constexpr std::size_t kRecord = 30;

// The text of records, worked out here byte by byte: each record's bytes up to its first zero
// byte, then CR LF; a last record cut short by the end of the bytes counts too.
std::string ExpectedText(const std::string& records) {
  std::string text;
  for (std::size_t start = 0; start < records.size(); start += kRecord) {
    const std::string record = records.substr(start, kRecord);
    text += record.substr(0, record.find('\0'));
    text += "\r\n";
  }
  return text;
}

// True when a record's name (its bytes up to the first zero byte) holds a CR or LF, which no
// line of a place-name file can hold.
bool HoldsALineBreak(const std::string& records) {
  for (std::size_t start = 0; start < records.size(); start += kRecord) {
    const std::string record = records.substr(start, kRecord);
    const std::string name = record.substr(0, record.find('\0'));
    if (name.find_first_of("\r\n") != std::string::npos)
      return true;
  }
  return false;
}

// The records turned into text, or none when the conversion refused a name with a line break
// (and it must refuse exactly then).
std::optional<std::string> RecordsToText(const std::filesystem::path& records,
                                         std::int32_t length) {
  const auto textPath = fuzz::Scratch() / "back.tst";
  const bool breaks = HoldsALineBreak(fuzz::ReadWhole(records).substr(0, length));
  try {
    SourceFile source(DiskFileSystem(), records);
    OutputFile target(DiskFileSystem(), textPath);
    TransferBuffer buffer{};
    PlacenamesToText(source, 0, length, target, buffer);
    target.Commit();
  } catch (const Refusal&) {
    fuzz::Require(breaks, "a place name without a line break refused");
    return std::nullopt;
  }
  fuzz::Require(!breaks, "a place name with a line break written as a line");
  return fuzz::ReadWhole(textPath);
}

void TextToRecordsAndBack(const std::filesystem::path& textFile) {
  std::int32_t count = 0;
  try {
    count = CountPlacenameLines(DiskFileSystem(), textFile);
  } catch (const Refusal&) {
    return;  // a line too long for a record, or more place names than a scenario holds
  }
  fuzz::Require(count >= 0 && count <= kMaxPlaceNames, "a count a scenario cannot hold");

  const auto recordsPath = fuzz::Scratch() / "records.bin";
  {
    OutputFile target(DiskFileSystem(), recordsPath);
    TextToPlacenames(DiskFileSystem(), textFile, count, target);
    target.Commit();
  }
  const std::string records = fuzz::ReadWhole(recordsPath);
  fuzz::Require(records.size() == kRecord * static_cast<std::size_t>(count),
                "not one 30-byte record per line");
  for (std::size_t start = 0; start < records.size(); start += kRecord)
    fuzz::Require(records[start + kRecord - 1] == '\0', "a record without a closing zero byte");

  // Back to text: the lines again, each up to a zero byte it may hold.
  std::string expected;
  TextLineReader reader(DiskFileSystem(), textFile);
  for (std::int32_t line = 0; line < count; ++line) {
    const std::string name = reader.ReadLine();
    expected += name.substr(0, name.find('\0')) + "\r\n";
  }
  const auto text = RecordsToText(recordsPath, static_cast<std::int32_t>(records.size()));
  fuzz::Require(!text || *text == expected, "records turned back into text differ from the lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = fuzz::WriteScratch("places.tst", data, size);
  TextToRecordsAndBack(path);

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto text = RecordsToText(path, static_cast<std::int32_t>(size));
  fuzz::Require(!text || *text == ExpectedText(bytes),
                "place-name records turned into the wrong text");
  return 0;
}
