#include "base/csv_text.h"

#include "base/latin1_text.h"

namespace zarkel {

void AppendCsvField(std::string& out, std::string_view field) {
  const bool quoted = field.find_first_of(",;\"\r\n") != std::string_view::npos ||
                      (!field.empty() && (field.front() == ' ' || field.back() == ' '));
  if (!quoted) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"')
      out += '"';
    out += c;
  }
  out += '"';
}

std::string SpreadsheetTextAsUtf8(std::string_view bytes) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    bytes.remove_prefix(kUtf8ByteOrderMark.size());
  return Utf8OrLatin1(std::string(bytes));
}

char DetectCsvSeparator(std::string_view text) {
  std::size_t commas = 0;
  std::size_t semicolons = 0;
  bool inQuotes = false;
  for (const char c : text) {
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (!inQuotes && (c == '\r' || c == '\n')) {
      break;
    } else if (!inQuotes) {
      commas += c == ',' ? 1 : 0;
      semicolons += c == ';' ? 1 : 0;
    }
  }
  return semicolons > commas ? ';' : ',';
}

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  bool inQuotes = false;
  bool anything = false;    // the record has begun
  bool fieldBegun = false;  // a quote opens quoting only as a field's first character
  const auto endRecord = [&] {
    record.fields.push_back(std::move(field));
    field.clear();
    fieldBegun = false;
    record.number = static_cast<std::int32_t>(records.size()) + 1;
    records.push_back(std::move(record));
    record = CsvRecord{};
    anything = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inQuotes) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        inQuotes = false;
      }
      continue;
    }
    anything = true;
    if (c == '"' && !fieldBegun) {
      inQuotes = true;
      fieldBegun = true;
    } else if (c == separator) {
      record.fields.push_back(std::move(field));
      field.clear();
      fieldBegun = false;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
      endRecord();
    } else {
      field += c;
      fieldBegun = true;
    }
  }
  if (anything || inQuotes)
    endRecord();
  return records;
}

}  // namespace zarkel
