// Replays the fuzz targets' corpora as ordinary tests, so that every input ever found
// interesting is checked on every build, with or without a fuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

int FuzzNumberText(const std::uint8_t* data, std::size_t size);
int FuzzRegFile(const std::uint8_t* data, std::size_t size);
int FuzzShotDecoder(const std::uint8_t* data, std::size_t size);
int FuzzShotLog(const std::uint8_t* data, std::size_t size);
int FuzzTabReplies(const std::uint8_t* data, std::size_t size);

namespace {

int Replay(const std::string& corpus, int (*target)(const std::uint8_t*, std::size_t)) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TARVIK_FUZZ_CORPUS "/" + corpus)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    SCOPED_TRACE(entry.path().string());
    target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++inputs;
  }
  return inputs;
}

TEST(FuzzCorpusTest, EveryCorpusKeepsItsProperties) {
  EXPECT_GT(Replay("number_text", &FuzzNumberText), 5);
  EXPECT_GT(Replay("reg_file", &FuzzRegFile), 5);
  EXPECT_GT(Replay("shot_decoder", &FuzzShotDecoder), 5);
  EXPECT_GT(Replay("shot_log", &FuzzShotLog), 5);
  EXPECT_GT(Replay("tab_reply", &FuzzTabReplies), 5);
}

}  // namespace
