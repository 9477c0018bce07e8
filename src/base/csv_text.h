// Comma-separated text as spreadsheets write and read it: records of fields, a field in double
// quotes when it holds the separator, a quote or a line end, a quote inside doubled. Reading
// takes what a spreadsheet saves: comma or semicolon, CR LF, LF or a lone CR, a byte-order mark
// or none, UTF-8 or Latin-1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarkel {

// UTF-8's byte-order mark, which tells a spreadsheet the text is UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends `field` to `out` as one field: quoted when it holds a comma, a semicolon, a double
// quote, a CR or an LF (or begins or ends with a space, which a spreadsheet would trim), as it
// is otherwise.
void AppendCsvField(std::string& out, std::string_view field);

// The text of a file as UTF-8: a byte-order mark is dropped; the rest is taken as UTF-8 when it
// is well-formed UTF-8, else as Latin-1.
std::string SpreadsheetTextAsUtf8(std::string_view bytes);

struct CsvRecord {
  std::int32_t number = 0;  // 1 for the first record, as a spreadsheet numbers its rows
  std::vector<std::string> fields;
};

// The separator of a text whose first record is a header: a semicolon when that record holds
// more semicolons than commas outside quotes, else a comma.
char DetectCsvSeparator(std::string_view text);

// Splits `text` into records at line ends outside quotes (CR LF, LF or a lone CR) and into fields
// at `separator`. A quote opens a quoted field only as the field's first character (elsewhere it
// is text, as in the unquoted names of "Write OB"); a quoted field ends at its closing quote, and
// text after it up to the separator is kept. A line end inside quotes belongs to the field, so a
// record may span several lines; it keeps one number all the same. A last record without a line end
// is read all the same; the empty text after a last line end is no record.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator);

}  // namespace zarkel
