// Replays the fuzz targets' corpora as ordinary tests, so that every input ever found
// interesting is checked on every build, with or without a fuzzer. A broken property fails its
// target's test with the property and the input's file, and the replay goes on.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"

int FuzzNumberText(const std::uint8_t* data, std::size_t size);
int FuzzRegFile(const std::uint8_t* data, std::size_t size);
int FuzzShotDecoder(const std::uint8_t* data, std::size_t size);
int FuzzShotLog(const std::uint8_t* data, std::size_t size);
int FuzzStringFile(const std::uint8_t* data, std::size_t size);
int FuzzTabReplies(const std::uint8_t* data, std::size_t size);

namespace {

// Thrown by a broken property: it leaves the target at once, since what follows the check may
// rely on it.
struct BrokenProperty {
  std::string what;
};

}  // namespace

void FuzzPropertyBroken(const char* what) { throw BrokenProperty{what}; }

namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

// Hands every file in `corpus` to the target; how many there were.
int Replay(const std::filesystem::path& corpus, Target target) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    try {
      target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    } catch (const BrokenProperty& broken) {
      ADD_FAILURE() << "property broken: " << broken.what << "\n  input: " << entry.path().string();
    }
    ++inputs;
  }
  return inputs;
}

struct Corpus {
  const char* name;
  Target target;
};

void PrintTo(const Corpus& corpus, std::ostream* out) { *out << corpus.name; }

class FuzzCorpusTest : public testing::TestWithParam<Corpus> {};

TEST_P(FuzzCorpusTest, EveryInputKeepsTheTargetsProperties) {
  EXPECT_GT(Replay(std::filesystem::path(TARVIK_FUZZ_CORPUS) / GetParam().name, GetParam().target),
            5);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FuzzCorpusTest,
    testing::Values(Corpus{"number_text", &FuzzNumberText}, Corpus{"reg_file", &FuzzRegFile},
                    Corpus{"shot_decoder", &FuzzShotDecoder}, Corpus{"shot_log", &FuzzShotLog},
                    Corpus{"string_file", &FuzzStringFile}, Corpus{"tab_reply", &FuzzTabReplies}),
    [](const testing::TestParamInfo<Corpus>& info) { return std::string(info.param.name); });

TEST(FuzzReplayTest, ABrokenPropertyFailsNamingItAndItsInputAndTheOtherInputsAreStillTried) {
  const std::filesystem::path corpus = std::filesystem::path(testing::TempDir()) / "replay_corpus";
  std::filesystem::remove_all(corpus);
  std::filesystem::create_directories(corpus);
  for (const char* name : {"first", "broken", "last"}) std::ofstream(corpus / name) << name;
  const Target target = [](const std::uint8_t* data, std::size_t size) {
    FuzzCheck(std::string_view(reinterpret_cast<const char*>(data), size) != "broken",
              "the word broken");
    return 0;
  };
  testing::TestPartResultArray failures;
  int tried = 0;
  {
    const testing::ScopedFakeTestPartResultReporter catcher(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    tried = Replay(corpus, target);
  }
  std::filesystem::remove_all(corpus);
  EXPECT_EQ(tried, 3);
  ASSERT_EQ(failures.size(), 1);
  const std::string message = failures.GetTestPartResult(0).message();
  EXPECT_NE(message.find("property broken: the word broken"), std::string::npos) << message;
  EXPECT_NE(message.find((corpus / "broken").string()), std::string::npos) << message;
}

}  // namespace
