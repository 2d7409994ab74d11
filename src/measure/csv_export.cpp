#include "measure/csv_export.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/number_text.h"
#include "measure/units.h"

namespace tarvik {
namespace {

// At least `width` digits, zeros in front.
void AppendPadded(std::string& out, std::int64_t value, std::size_t width) {
  char digits[24];
  char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto length = static_cast<std::size_t>(end - digits);
  if (length < width) out.append(width - length, '0');
  out.append(digits, end);
}

void AppendInt(std::string& out, std::int64_t value) { AppendPadded(out, value, 0); }

// As FormatFixed writes it, without a string of its own.
void AppendFixed(std::string& out, double value, int decimals) {
  if (std::isnan(value)) {
    out += FormatFixed(value, decimals);
    return;
  }
  char text[400];  // any double in fixed notation with a few decimals
  out.append(
      text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
}

}  // namespace

std::string_view CsvHeader() {
  return "string,name,shot,time,velocity_fps,velocity_ms,energy_ftlbs,energy_j,weight_gr,"
         "weight_g,count,mark,left_out,notes\r\n";
}

void AppendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvField(std::string_view text) {
  std::string field;
  AppendCsvField(field, text);
  return field;
}

void AppendIsoTime(std::string& out, const LocalTime& time, bool milliseconds) {
  AppendPadded(out, time.year, 4);
  out += '-';
  AppendPadded(out, time.month, 2);
  out += '-';
  AppendPadded(out, time.day, 2);
  out += 'T';
  AppendPadded(out, time.hour, 2);
  out += ':';
  AppendPadded(out, time.minute, 2);
  out += ':';
  AppendPadded(out, time.second, 2);
  if (milliseconds) {
    out += '.';
    AppendPadded(out, time.millisecond, 3);
  }
  if (time.utc_offset_minutes == 0) {
    out += 'Z';
    return;
  }
  const int offset = std::abs(time.utc_offset_minutes);
  out += time.utc_offset_minutes < 0 ? '-' : '+';
  AppendPadded(out, offset / 60, 2);
  out += ':';
  AppendPadded(out, offset % 60, 2);
}

std::string IsoTime(const LocalTime& time) {
  std::string text;
  AppendIsoTime(text, time);
  return text;
}

void AppendCsvLine(std::string& out, const ExportedShot& shot) {
  AppendCsvField(out, shot.string_id);
  out += ',';
  AppendCsvField(out, shot.name);
  out += ',';
  AppendInt(out, shot.shot);
  out += ',';
  if (shot.time) AppendIsoTime(out, *shot.time);
  for (const auto& [value, decimals] : {std::pair{shot.velocity, 2},
                                        {VelocityForDisplay(shot.velocity, true), 2},
                                        {shot.energy, 2},
                                        {EnergyForDisplay(shot.energy, true), 2},
                                        {shot.weight, 2},
                                        {WeightForDisplay(shot.weight, true), 3}}) {
    out += ',';
    AppendFixed(out, value, decimals);
  }
  out += ',';
  if (shot.count) AppendInt(out, *shot.count);
  out += ',';
  if (shot.mark) out += MarkLabel(*shot.mark);
  out += shot.left_out ? ",1," : ",0,";
  AppendCsvField(out, shot.notes);
  out += "\r\n";
}

std::string CsvLine(const ExportedShot& shot) {
  std::string line;
  AppendCsvLine(line, shot);
  return line;
}

}  // namespace tarvik
