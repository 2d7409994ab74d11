#include "res/text_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

// A group box 100 by 40 pixels, the label "2" measured inside it, and control "3" in the label's
// row from x 70 to 90. The label's room is its whole rectangle.
struct Case {
  const char* name;
  PixelRect label;
  TextAlign align;
  int width, height;
  bool neighbour_is_bare_label;
  const char* misfit;  // what the judge says of the label's text, if anything
};

class TextFitTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextFitTest, JudgesTheLabelsText) {
  const Case& c = GetParam();
  const std::vector<PlacedControl> controls = {
      {"1", {0, 0, 100, 40}, true, false},
      {"2", c.label, false, true},
      {"3", {70, 10, 20, 13}, false, c.neighbour_is_bare_label},
  };
  const std::vector<MeasuredText> texts = {{1, "a", c.label, c.align, c.width, c.height}};
  std::vector<std::string> expected;
  if (c.misfit != nullptr) expected.push_back(std::string("2 \"a\": ") + c.misfit);
  EXPECT_EQ(Misfits(controls, texts), expected);
}

using enum TextAlign;
const Case kCases[] = {
    {"Fits", {10, 10, 50, 13}, kLeft, 50, 13, false, nullptr},
    {"Wider", {10, 10, 50, 13}, kCenter, 53, 13, false, "wider than its room of 50 px by 3 px"},
    {"Taller", {10, 10, 50, 13}, kLeft, 20, 26, false, "taller than its room of 13 px by 13 px"},
    // The label's rectangle reaches under its neighbour, and its text runs into it.
    {"IntoANeighbour", {10, 10, 75, 13}, kLeft, 65, 13, false, "runs into 3 by 5 px"},
    // A bare label is in the way only where it draws a text (and "3" draws none).
    {"OverABareLabelsEmptyPart", {10, 10, 75, 13}, kLeft, 65, 13, true, nullptr},
    {"OutOfItsGroup", {10, 25, 90, 13}, kLeft, 89, 13, false, "out of the frame of 1 by 1 px"},
    // An overflowing right-aligned text is cut at the label's left edge: it reaches no frame.
    {"CutAtEdge", {10, 10, 50, 13}, kRight, 70, 13, false, "wider than its room of 50 px by 20 px"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TextFitTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvik::testing
