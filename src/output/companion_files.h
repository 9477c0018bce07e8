// The three companion files of an Original scenario and their forms inside a Homemade one.
//
//   s<base>.tst  place names, one per line, each line ended by CR LF. Inside a Homemade scenario
//                each name is a 30-byte record: its characters, then zero bytes.
//   <base>.tit   the title, the whole file, no header.
//   <base>.des   the description, likewise. Inside a Homemade scenario the description and the
//                title each stand as a 16-bit little-endian length followed by the bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/output_file.h"
#include "base/source_file.h"
#include "model/editor_state.h"
#include "output/block_transfer.h"

namespace zarkel {

constexpr std::int32_t kPlaceNameChunk = 1290;      // 43 place-name records
constexpr std::int32_t kMaxWrittenNameLength = 29;  // a record must end with a zero byte
constexpr std::int32_t kMaxPlaceNames = 255;        // the count is one byte
constexpr std::int32_t kMaxEmbeddedText = 65535;    // the length is 16 bits

// A file name less its last four characters (a dot and a three-letter extension, not looked
// at); the empty string for a name of four characters or fewer.
std::string BaseName(const std::string& fileName);

std::string PlacenameFileName(const std::string& baseName);    // "s" + base + ".tst"
std::string TitleFileName(const std::string& baseName);        // base + ".tit"
std::string DescriptionFileName(const std::string& baseName);  // base + ".des"

// Each companion path of `paths` that no file stands at is looked for again in its folder with
// the letter case ignored (FindIgnoringCase), so that a file put there after the scenario was
// opened is found by the writers; a path still not found stays as it was, for the write to name.
void FindCompanionsAgain(FileSystem& files, CompanionPaths& paths);

// Writes one CR LF line per 30-byte place-name record of `source` in [offset, offset + length):
// the record's bytes up to its first zero byte. Reads 43 records at a time. Throws Refusal for a
// name holding a CR or LF byte, which no line of the text file can hold.
void PlacenamesToText(SourceFile& source, std::int32_t offset, std::int32_t length,
                      OutputFile& target, TransferBuffer& buffer);

// Counts the lines of a place-name file, checking that each fits a record. Throws Refusal for a
// line longer than 29 characters or more than 255 lines, naming the file (and the line).
std::int32_t CountPlacenameLines(FileSystem& files, const std::filesystem::path& placenameFile);

// Appends `lineCount` 30-byte records made from the first lines of `placenameFile`, in writes of
// 43 records (1290 bytes) and a last write of the rest. Throws Refusal for a line too long.
void TextToPlacenames(FileSystem& files, const std::filesystem::path& placenameFile,
                      std::int32_t lineCount, OutputFile& target);

// Appends the embedded form of a title or description file: its size as a 16-bit little-endian
// number, then its bytes. Throws Refusal, before writing, for a file of 65536 bytes or more.
void EmbedSideFile(SourceFile& source, OutputFile& target, TransferBuffer& buffer);

}  // namespace zarkel
