#include "measure/csv_export.h"

#include <cstdlib>

#include "base/number_text.h"
#include "measure/units.h"

namespace tarvik {
namespace {

// At least `width` digits, zeros in front.
std::string Padded(std::int64_t value, std::size_t width) {
  std::string digits = FormatInt(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

std::string_view CsvHeader() {
  return "string,name,shot,time,velocity_fps,velocity_ms,energy_ftlbs,energy_j,weight_gr,"
         "weight_g,count,mark,left_out,notes\r\n";
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string IsoTime(const LocalTime& time) {
  std::string text = Padded(time.year, 4) + "-" + Padded(time.month, 2) + "-" +
                     Padded(time.day, 2) + "T" + Padded(time.hour, 2) + ":" +
                     Padded(time.minute, 2) + ":" + Padded(time.second, 2);
  if (time.utc_offset_minutes == 0) return text + "Z";
  const int offset = std::abs(time.utc_offset_minutes);
  return text + (time.utc_offset_minutes < 0 ? "-" : "+") + Padded(offset / 60, 2) + ":" +
         Padded(offset % 60, 2);
}

std::string CsvLine(const ExportedShot& shot) {
  const auto number = [](double value, int decimals) { return FormatFixed(value, decimals); };
  std::string line = CsvField(shot.string_id) + "," + CsvField(shot.name) + "," +
                     FormatInt(shot.shot) + "," + (shot.time ? IsoTime(*shot.time) : "") + ",";
  line += number(shot.velocity, 2) + "," + number(VelocityForDisplay(shot.velocity, true), 2) +
          "," + number(shot.energy, 2) + "," + number(EnergyForDisplay(shot.energy, true), 2) +
          "," + number(shot.weight, 2) + "," + number(WeightForDisplay(shot.weight, true), 3) + ",";
  line += (shot.count ? FormatInt(*shot.count) : "") + "," +
          (shot.mark ? MarkLabel(*shot.mark) : "") + "," + (shot.left_out ? "1" : "0") + "," +
          CsvField(shot.notes) + "\r\n";
  return line;
}

}  // namespace tarvik
