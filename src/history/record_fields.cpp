#include "history/record_fields.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "measure/csv_export.h"

namespace tarvik {
namespace {

constexpr double kMeasureLimit = 1e9;

// A quoted field from just after its opening quote: the position of its closing quote.
std::optional<std::size_t> ClosingQuote(std::string_view bytes, std::size_t i) {
  while (i < bytes.size()) {
    const void* found = std::memchr(bytes.data() + i, '"', bytes.size() - i);
    if (found == nullptr) return std::nullopt;
    i = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
    if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
      i += 2;
      continue;
    }
    return i;
  }
  return std::nullopt;
}

// `width` digits of `text` from `at` as a number; false when one is not a digit.
bool Digits(std::string_view text, std::size_t at, std::size_t width, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

template <typename Int>
bool ParseWhole(std::string_view field, Int& value) {
  if (field.empty() || field.front() == '+') return false;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

}  // namespace

std::optional<std::size_t> ReadCsvRecord(std::string_view bytes, std::size_t pos, std::size_t count,
                                         CsvRecord& record) {
  const std::size_t size = bytes.size();
  for (std::size_t field = 0; field < count; ++field) {
    const bool quoted = pos < size && bytes[pos] == '"';
    std::size_t start = pos;
    std::size_t end = pos;
    if (quoted) {
      const auto closing = ClosingQuote(bytes, pos + 1);
      if (!closing) return std::nullopt;
      start = pos + 1;
      end = *closing;
      pos = end + 1;
    } else {
      while (pos < size && bytes[pos] != ',' && bytes[pos] != '\n' && bytes[pos] != '"') ++pos;
      end = pos;
    }
    if (pos >= size) return std::nullopt;
    const bool last = field + 1 == count;
    if (!last) {
      if (bytes[pos] != ',') return std::nullopt;
      ++pos;
    } else if (bytes[pos] == '\n') {
      if (!quoted && end > start && bytes[end - 1] == '\r') --end;
      ++pos;
    } else if (quoted && bytes[pos] == '\r' && pos + 1 < size && bytes[pos + 1] == '\n') {
      pos += 2;
    } else {
      return std::nullopt;
    }
    record.fields[field] = bytes.substr(start, end - start);
    record.quoted[field] = quoted;
  }
  return pos;
}

std::size_t NextLine(std::string_view bytes, std::size_t pos) {
  const std::size_t lf = bytes.find('\n', pos);
  return lf == std::string_view::npos ? bytes.size() : lf + 1;
}

std::string UnquoteField(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    text += raw[i];
    if (raw[i] == '"') ++i;  // the second of a doubled pair
  }
  return text;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendInt(std::string& out, std::int64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendNumber(std::string& out, double value) {
  char text[32];  // the shortest form of any double fits
  out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void AppendRecordTime(std::string& out, const LocalTime& time) {
  AppendIsoTime(out, time, /*milliseconds=*/true);
}

bool ParseInt32(std::string_view field, std::int32_t& value) { return ParseWhole(field, value); }

bool ParseInt64(std::string_view field, std::int64_t& value) { return ParseWhole(field, value); }

bool ParseMeasure(std::string_view field, double& value) {
  if (field.empty() || field.front() == '+') return false;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  return result.ec == std::errc() && result.ptr == field.data() + field.size() &&
         std::isfinite(value) && value >= 0.0 && value < kMeasureLimit;
}

bool ParseRecordTime(std::string_view field, LocalTime& time) {
  // "YYYY-MM-DDTHH:MM:SS.mmm" then "Z" or "+HH:MM".
  constexpr std::size_t kLocalLength = 23;
  if (field.size() != kLocalLength + 1 && field.size() != kLocalLength + 6) return false;
  for (const auto& [at, separator] : {std::pair<std::size_t, char>{4, '-'},
                                      {7, '-'},
                                      {10, 'T'},
                                      {13, ':'},
                                      {16, ':'},
                                      {19, '.'}}) {
    if (field[at] != separator) return false;
  }
  LocalTime read;
  if (!Digits(field, 0, 4, read.year) || !Digits(field, 5, 2, read.month) ||
      !Digits(field, 8, 2, read.day) || !Digits(field, 11, 2, read.hour) ||
      !Digits(field, 14, 2, read.minute) || !Digits(field, 17, 2, read.second) ||
      !Digits(field, 20, 3, read.millisecond)) {
    return false;
  }
  if (read.month < 1 || read.month > 12 || read.day < 1 || read.day > 31 || read.hour > 23 ||
      read.minute > 59 || read.second > 60) {
    return false;
  }
  const std::string_view offset = field.substr(kLocalLength);
  if (offset != "Z") {
    int hours = 0;
    int minutes = 0;
    if (offset.size() != 6 || (offset[0] != '+' && offset[0] != '-') || offset[3] != ':' ||
        !Digits(offset, 1, 2, hours) || !Digits(offset, 4, 2, minutes) || hours > 23 ||
        minutes > 59) {
      return false;
    }
    read.utc_offset_minutes = (offset[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
  }
  time = read;
  return true;
}

bool ParseOptionalTime(std::string_view field, std::optional<LocalTime>& time) {
  if (field.empty()) {
    time.reset();
    return true;
  }
  LocalTime read;
  if (!ParseRecordTime(field, read)) return false;
  time = read;
  return true;
}

}  // namespace tarvik
