#include "history/string_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

LocalTime At(int minute, int second, int millisecond = 0) {
  return {2026, 12, 7, 9, minute, second, millisecond, 60};
}

KeptShot Decoded(std::int32_t number, double velocity) {
  KeptShot shot;
  shot.number = number;
  shot.time = At(30, number, 123);
  shot.velocity = velocity;
  shot.energy = 13.3549;
  shot.weight = 8.44;
  shot.calibration = 100;
  shot.count = 1234 + number;
  shot.mark = HardwareMark::kMark12;
  return shot;
}

KeptShot Loaded(std::int32_t number, double velocity) {
  KeptShot shot = Decoded(number, velocity);
  shot.time.reset();
  shot.count.reset();
  shot.mark.reset();
  shot.loaded = true;
  return shot;
}

std::string Join(const std::vector<std::string>& records) {
  std::string bytes(StringFileHeader());
  for (const std::string& record : records) bytes += record;
  return bytes;
}

TEST(StringFileTest, RecordsAreTheHeadersElevenFieldsEndedByLf) {
  EXPECT_EQ(StringFileHeader(),
            "record,shot,time,velocity_fps,energy_ftlbs,weight_gr,calibration,count,mark,origin,"
            "text\n");
  EXPECT_EQ(ShotRecord(Decoded(3, 633.7115)),
            "shot,3,2026-12-07T09:30:03.123+01:00,633.7115,13.3549,8.44,100,1237,1/2,decoded,\n");
  EXPECT_EQ(ShotRecord(Loaded(4, 0.1 + 0.2)),
            "shot,4,,0.30000000000000004,13.3549,8.44,100,,,loaded,\n");
  EXPECT_EQ(ShotMarkRecord(ShotMarkKind::kLeftOut, 2, {2026, 1, 2, 3, 4, 5, 6, 0}),
            "out,2,2026-01-02T03:04:05.006Z,,,,,,,,\n");
  EXPECT_EQ(ShotMarkRecord(ShotMarkKind::kTakenIn, 2, {2026, 7, 1, 23, 59, 59, 999, -330}),
            "in,2,2026-07-01T23:59:59.999-05:30,,,,,,,,\n");
  EXPECT_EQ(NameRecord("a, \"b\"", At(0, 0)),
            "name,,2026-12-07T09:00:00.000+01:00,,,,,,,,\"a, \"\"b\"\"\"\n");
}

TEST(StringFileTest, EveryRecordKindReadsBack) {
  KeptShot third = Decoded(3, 640.25);
  third.mark = HardwareMark::kMark4;
  const std::string bytes =
      Join({ShotRecord(Decoded(1, 812.3456789012345)), ShotRecord(Loaded(2, 0.1 + 0.2)),
            ShotRecord(third), ShotMarkRecord(ShotMarkKind::kLeftOut, 1, At(31, 0)),
            ShotMarkRecord(ShotMarkKind::kLeftOut, 2, At(31, 1)),
            ShotMarkRecord(ShotMarkKind::kTakenIn, 2, At(31, 2)),
            ShotMarkRecord(ShotMarkKind::kUndone, 3, At(31, 3)), NameRecord("first", At(32, 0)),
            NotesRecord("windy", At(32, 1)), NameRecord("JSB 8.44", At(32, 2))});
  const KeptString string = ParseStringFile("2026-12-07_093001", bytes);
  EXPECT_EQ(string.id, "2026-12-07_093001");
  EXPECT_EQ(string.started, At(30, 1, 123)) << "the first record's time";
  EXPECT_EQ(string.name, "JSB 8.44") << "the later record wins";
  EXPECT_EQ(string.notes, "windy");
  KeptShot first = Decoded(1, 812.3456789012345);
  first.left_out = true;
  third.undone = true;
  EXPECT_EQ(string.shots, (std::vector<KeptShot>{first, Loaded(2, 0.1 + 0.2), third}));
}

TEST(StringFileTest, TextsComeBackWholeWhateverTheyHold) {
  for (const std::string text : {"", "a, b", "the \"Pro\" pellet", "two\r\nlines\n", "\"", ",\n,",
                                 "Diabolo schwer, 0,53 g \xC3\xA4\xE2\x82\xAC", "\"\"\n\""}) {
    const KeptString string =
        ParseStringFile("s", Join({ShotRecord(Decoded(1, 800.0)), NameRecord(text, At(0, 0)),
                                   NotesRecord(text, At(0, 1)), ShotRecord(Decoded(2, 801.0))}));
    EXPECT_EQ(string.name, text);
    EXPECT_EQ(string.notes, text);
    EXPECT_EQ(string.shots.size(), 2u) << "the record after the text still counts";
  }
}

// A crash can cut the file's last record anywhere: what is read is the file without that
// record, or with it once it is whole (its LF written).
TEST(StringFileTest, ATornLastRecordIsPassedOverAtEveryByte) {
  std::vector<std::string> records = {std::string(StringFileHeader()),
                                      ShotRecord(Decoded(1, 800.5)),
                                      NameRecord("a \"b\",\r\nc", At(31, 0)),
                                      ShotRecord(Loaded(2, 801.25)),
                                      ShotMarkRecord(ShotMarkKind::kUndone, 2, At(31, 1)),
                                      NotesRecord("n,\n", At(31, 2)),
                                      ShotRecord(Decoded(3, 799.0))};
  std::string file;
  std::vector<std::size_t> ends;
  for (const std::string& record : records) ends.push_back((file += record).size());
  for (std::size_t cut = 0; cut <= file.size(); ++cut) {
    std::size_t whole = 0;
    for (const std::size_t end : ends) {
      if (end <= cut) whole = end;
    }
    const KeptString torn = ParseStringFile("s", file.substr(0, cut));
    const KeptString expected = ParseStringFile("s", file.substr(0, whole));
    EXPECT_EQ(torn.shots, expected.shots) << "cut at " << cut;
    EXPECT_EQ(torn.name + "|" + torn.notes, expected.name + "|" + expected.notes) << cut;
    EXPECT_EQ(torn.started, expected.started) << cut;
  }
  EXPECT_EQ(ParseStringFile("s", file).shots.size(), 3u);
}

TEST(StringFileTest, LinesThatDoNotParseArePassedOverAndSpoilNothingAfterThem) {
  const std::string good = ShotRecord(Decoded(3, 801.0));
  const std::vector<std::string> garbage = {
      "hello\n",
      "\"unclosed quote, then lines\n",
      "shot,2,,800,13,8.44,100,,,decoded\n",    // ten fields
      "shot,2,,800,13,8.44,100,,,decoded,,\n",  // twelve
      "shot,2,,8e2x,13,8.44,100,,,decoded,\n",  // a number with a tail
      "shot,2,,nan,13,8.44,100,,,decoded,\n",   // not finite
      "shot,2,,-800,13,8.44,100,,,decoded,\n",  // negative
      "shot,2,,+800,13,8.44,100,,,decoded,\n",  // a sign
      "shot,2,2026-13-07T09:30:05.123Z,800,13,8.44,100,,,decoded,\n",
      "shot,2,2026-12-07T09:30:05Z,800,13,8.44,100,,,decoded,\n",  // no milliseconds
      "shot,2,,800,13,8.44,100,,2,decoded,\n",                     // no such mark
      "shot,2,,800,13,8.44,100,,,shot,\n",                         // no such origin
      "shot,0,,800,13,8.44,100,,,decoded,\n",                      // numbers start at 1
      "shot,2,,800,13,8.44,100,,,decoded,x\n",                     // text on a shot
      "shot,\"2\",,800,13,8.44,100,,,decoded,\n",                  // a quoted number
      "name,,,,,,,,,,unquoted\n",
      "name,1,,,,,,,,,\"numbered\"\n",
      "out,1,,800,,,,,,,\n",
      "out,\"1\n" + good + "\",,,,,,,,,\n",  // a quote that swallows a line
      "undo,x,,,,,,,,,\n",
      "record,shot,time,velocity_fps,energy_ftlbs,weight_gr,calibration,count,mark,origin,text\n",
      "shot,2,,800,13,8.44,100,,,decoded," + std::string(1, '\0') + "\n",
      "\n",
      "\r\n",
  };
  for (const std::string& line : garbage) {
    const KeptString string =
        ParseStringFile("s", Join({line, good, ShotRecord(Decoded(1, 800.0))}));
    ASSERT_EQ(string.shots.size(), 2u) << line;
    EXPECT_EQ(string.shots[0].number, 3) << line;
    EXPECT_FALSE(string.shots[1].left_out) << line;
    EXPECT_EQ(string.name, "") << line;
  }
}

TEST(StringFileTest, CrLfEndedLinesCount) {
  // Each line's LF replaced by CR LF.
  std::string line = ShotRecord(Decoded(1, 800.0));
  line.back() = '\r';
  line.push_back('\n');
  std::string name = NameRecord("n", At(0, 0));
  name.back() = '\r';
  name.push_back('\n');
  const KeptString string = ParseStringFile("s", Join({line, name}));
  ASSERT_EQ(string.shots.size(), 1u);
  EXPECT_EQ(string.shots[0], Decoded(1, 800.0));
  EXPECT_EQ(string.name, "n");
}

TEST(StringFileTest, MarksNameShotsAlreadyReadAndANumberCountsOnce) {
  const KeptString string = ParseStringFile(
      "s", Join({ShotMarkRecord(ShotMarkKind::kLeftOut, 5, At(0, 0)),  // before its shot
                 ShotRecord(Decoded(1, 800.0)), ShotRecord(Decoded(5, 805.0)),
                 ShotRecord(Decoded(1, 900.0)),  // a duplicated number
                 ShotRecord(Decoded(2, 802.0)), ShotMarkRecord(ShotMarkKind::kUndone, 9, At(0, 1)),
                 ShotMarkRecord(ShotMarkKind::kLeftOut, 2, At(0, 2)),
                 ShotMarkRecord(ShotMarkKind::kUndone, 5, At(0, 3))}));
  ASSERT_EQ(string.shots.size(), 3u);
  EXPECT_EQ(string.shots[0].velocity, 800.0);
  EXPECT_FALSE(string.shots[0].left_out || string.shots[0].undone);
  EXPECT_TRUE(string.shots[1].undone);
  EXPECT_FALSE(string.shots[1].left_out) << "the mark before the shot was passed over";
  EXPECT_EQ(string.shots[2].number, 2);
  EXPECT_TRUE(string.shots[2].left_out);
  EXPECT_EQ(string.started, At(30, 1, 123));
}

TEST(StringFileTest, FileNamesAreTheStartsDateAndSecondsWithAnAttemptOnAClash) {
  const LocalTime start{2026, 12, 7, 9, 30, 5, 999, -300};
  EXPECT_EQ(StringFileName(start, 1), "2026-12-07_093005.csv");
  EXPECT_EQ(StringFileName(start, 2), "2026-12-07_093005-2.csv");
  EXPECT_EQ(StringFileName({2027, 1, 2, 0, 0, 9, 0, 0}, 3), "2027-01-02_000009-3.csv");
}

}  // namespace
}  // namespace tarvik
