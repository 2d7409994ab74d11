// Replays the fuzz targets' corpora as ordinary tests, so that every input ever found
// interesting is checked on every build, with or without a fuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzCorpusTest, SettingsFileCorpusKeepsItsProperties) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TARVIK_FUZZ_CORPUS "/reg_file")) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    SCOPED_TRACE(entry.path().string());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++inputs;
  }
  EXPECT_GT(inputs, 5);
}

}  // namespace
