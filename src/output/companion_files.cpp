#include "output/companion_files.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/byte_order.h"
#include "base/case_insensitive_name.h"
#include "base/errors.h"
#include "base/text_lines.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

constexpr std::int32_t kRecord = scn::kPlaceNameRecordSize;
constexpr std::int32_t kRecordsPerChunk = kPlaceNameChunk / kRecord;  // 43
constexpr const char* kLineEnd = "\r\n";

// `wholeFile`: the line is the only one, and the file holds no line end at all.
void CheckPlaceName(const std::string& line, std::int32_t lineNumber,
                    const std::filesystem::path& file, bool wholeFile) {
  if (static_cast<std::int32_t>(line.size()) > kMaxWrittenNameLength) {
    throw Refusal("Line " + std::to_string(lineNumber) + " of " + QuotedPath(file) +
                  " holds a place name of " + std::to_string(line.size()) +
                  " characters; a place name can have at most " +
                  std::to_string(kMaxWrittenNameLength) + "." +
                  (wholeFile ? " The file has no line ends: each place name must stand on a "
                               "line of its own."
                             : ""));
  }
}

// True when the file holds neither a CR nor an LF byte before its end of text.
bool WithoutLineEnds(TextLineReader& reader, std::int32_t linesRead) {
  return linesRead == 1 && reader.AtEnd() && !reader.EndedByLineEnd();
}

}  // namespace

std::string BaseName(const std::string& fileName) {
  return fileName.size() <= 4 ? std::string() : fileName.substr(0, fileName.size() - 4);
}

std::string PlacenameFileName(const std::string& baseName) {
  return "s" + baseName + ".tst";
}
std::string TitleFileName(const std::string& baseName) {
  return baseName + ".tit";
}
std::string DescriptionFileName(const std::string& baseName) {
  return baseName + ".des";
}

void PlacenamesToText(SourceFile& source, std::int32_t offset, std::int32_t length,
                      OutputFile& target, TransferBuffer& buffer) {
  std::int32_t recordNumber = 0;
  auto writeLines = [&](std::int32_t bytes) {
    ReadBlock(source, offset, bytes, buffer);
    for (std::int32_t start = 0; start < bytes; start += kRecord) {
      ++recordNumber;
      const std::uint8_t* record = buffer.data() + start;
      const std::int32_t available = std::min(kRecord, bytes - start);
      const std::uint8_t* end = std::find(record, record + available, 0);
      // A line break inside a name would split it in two lines and shift every name after it.
      if (std::any_of(record, end,
                      [](std::uint8_t byte) { return byte == '\r' || byte == '\n'; })) {
        throw Refusal("Place name " + std::to_string(recordNumber) + " of " +
                      QuotedPath(source.Path()) +
                      " holds a line break, which a place-name file cannot hold.");
      }
      target.Write(record, static_cast<std::size_t>(end - record));
      target.Write(kLineEnd);
    }
  };
  std::int32_t rest = length;
  while (rest > kPlaceNameChunk) {
    writeLines(kPlaceNameChunk);
    offset += kPlaceNameChunk;
    rest -= kPlaceNameChunk;
  }
  writeLines(rest);
}

std::int32_t CountPlacenameLines(FileSystem& files, const std::filesystem::path& placenameFile) {
  TextLineReader reader(files, placenameFile);
  std::int32_t count = 0;
  while (!reader.AtEnd()) {
    const std::string line = reader.ReadLine();
    ++count;
    CheckPlaceName(line, count, placenameFile, WithoutLineEnds(reader, count));
    if (count > kMaxPlaceNames) {
      throw Refusal(QuotedPath(placenameFile) + " holds more than " +
                    std::to_string(kMaxPlaceNames) + " place names; a scenario can hold at most " +
                    std::to_string(kMaxPlaceNames) + ".");
    }
  }
  return count;
}

void TextToPlacenames(FileSystem& files, const std::filesystem::path& placenameFile,
                      std::int32_t lineCount, OutputFile& target) {
  TextLineReader reader(files, placenameFile);
  std::array<std::uint8_t, kPlaceNameChunk> records{};
  std::int32_t inChunk = 0;
  for (std::int32_t line = 1; line <= lineCount; ++line) {
    const std::string name = reader.ReadLine();
    CheckPlaceName(name, line, placenameFile, WithoutLineEnds(reader, line));
    std::uint8_t* record = records.data() + inChunk * kRecord;
    std::fill(record, record + kRecord, 0);
    std::copy(name.begin(), name.end(), record);
    if (++inChunk == kRecordsPerChunk) {
      target.Write(records.data(), kPlaceNameChunk);
      inChunk = 0;
    }
  }
  target.Write(records.data(), static_cast<std::size_t>(inChunk * kRecord));
}

void EmbedSideFile(SourceFile& source, OutputFile& target, TransferBuffer& buffer) {
  std::uint64_t size = 0;
  for (;;) {
    const std::size_t got = source.ReadAt(size, buffer.data(), buffer.size());
    if (got == 0)
      break;
    size += got;
  }
  if (size > static_cast<std::uint64_t>(kMaxEmbeddedText)) {
    throw Refusal(QuotedPath(source.Path()) + " is " + std::to_string(size) +
                  " bytes long; a title or description can be at most " +
                  std::to_string(kMaxEmbeddedText) + " bytes.");
  }
  std::array<std::uint8_t, scn::kTextLengthSize> length{};
  WriteU16(length.data(), static_cast<std::uint16_t>(size));
  target.Write(length.data(), length.size());
  CopySideFile(source, target, buffer);
}

void FindCompanionsAgain(FileSystem& files, CompanionPaths& paths) {
  for (std::string* path : {&paths.placeNamePath, &paths.titlePath, &paths.descriptionPath}) {
    if (path->empty())
      continue;
    const std::filesystem::path file = PathFromUtf8(*path);
    if (!files.StatusOf(file).exists)
      *path = Utf8FromPath(FindIgnoringCase(files, file));
  }
}

}  // namespace zarkel
