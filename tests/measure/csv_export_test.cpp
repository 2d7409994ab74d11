#include "measure/csv_export.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace tarvik {
namespace {

using Fields = std::vector<std::string>;

// An RFC 4180 reader of one line, written apart from the writer: quoted fields may hold commas,
// doubled quotes and line ends; the line ends at a CR LF outside quotes.
Fields ReadLine(std::string_view line) {
  Fields fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (line.substr(i) == "\r\n") {
      return fields;
    } else {
      fields.back() += c;
    }
  }
  ADD_FAILURE() << "the line has no CR LF at its end";
  return fields;
}

ExportedShot DecodedShot() {
  ExportedShot shot;
  shot.string_id = "20261207-093000";
  shot.name = "JSB 8.44";
  shot.shot = 3;
  shot.time = LocalTime{2026, 12, 7, 9, 30, 5, 250, 60};
  shot.velocity = 633.7115;
  shot.energy = 13.3549;
  shot.weight = 15.0;
  shot.count = 1234;
  shot.mark = HardwareMark::kMark3;
  return shot;
}

TEST(CsvExportTest, AShotIsOneLineOfTheHeadersColumnsInBothUnitSystems) {
  EXPECT_EQ(ReadLine(CsvHeader()),
            (Fields{"string", "name", "shot", "time", "velocity_fps", "velocity_ms", "energy_ftlbs",
                    "energy_j", "weight_gr", "weight_g", "count", "mark", "left_out", "notes"}));
  EXPECT_EQ(CsvLine(DecodedShot()),
            "20261207-093000,JSB 8.44,3,2026-12-07T09:30:05+01:00,633.71,193.16,13.35,18.11,"
            "15.00,0.972,1234,3,0,\r\n");
  ExportedShot loaded = DecodedShot();
  loaded.time.reset();
  loaded.count.reset();
  loaded.mark.reset();
  loaded.left_out = true;
  const Fields fields = ReadLine(CsvLine(loaded));
  ASSERT_EQ(fields.size(), 14u);
  EXPECT_EQ(fields[3] + "|" + fields[10] + "|" + fields[11] + "|" + fields[12], "|||1");
}

// Names and notes are the user's free text: whatever they hold, a reader gets them back whole
// and the columns stay in place.
TEST(CsvExportTest, FreeTextComesBackWholeWhateverItHolds) {
  for (const std::string text : {"", "plain", "a, b", "the \"Pro\" pellet", "two\r\nlines", "\"",
                                 ",", "ends in \"", "Diabolo schwer, 0,53 g"}) {
    ExportedShot shot = DecodedShot();
    shot.name = text;
    shot.notes = text;
    const Fields fields = ReadLine(CsvLine(shot));
    ASSERT_EQ(fields.size(), 14u) << text;
    EXPECT_EQ(fields[1], text);
    EXPECT_EQ(fields[13], text);
    EXPECT_EQ(fields[2], "3") << "the columns after the name stay in place";
  }
  EXPECT_EQ(CsvField("plain"), "plain") << "a field needing no quotes has none";
}

TEST(CsvExportTest, TimesCarryTheirOffsetAndNumbersAPointWhateverTheLocale) {
  EXPECT_EQ(IsoTime({2026, 1, 2, 3, 4, 5, 0, 0}), "2026-01-02T03:04:05Z");
  EXPECT_EQ(IsoTime({2026, 7, 1, 23, 59, 59, 999, -330}), "2026-07-01T23:59:59-05:30");
  EXPECT_EQ(IsoTime({2026, 7, 1, 0, 0, 0, 0, 765}), "2026-07-01T00:00:00+12:45");
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  const std::string line = CsvLine(DecodedShot());
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(ReadLine(line)[4], "633.71");
  EXPECT_EQ(ReadLine(line).size(), 14u);
}

}  // namespace
}  // namespace tarvik
