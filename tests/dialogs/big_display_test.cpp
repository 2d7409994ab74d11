#include "dialogs/big_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using Calls = std::vector<std::string>;

Calls Paint(const LastShot& shot, const AppSettings& settings, int width, int height) {
  testing::RecordingCanvas canvas(width, height, 16);
  PaintBigDisplay(canvas, shot, settings, UiLanguage::kNeutral);
  return canvas.calls;
}

// At start-up the display shows the defaults, both above the 12 ft.lbs limit.
TEST(BigDisplayTest, StartUpDefaultsInRedInAFontScaledToTheWindow) {
  EXPECT_EQ(
      Paint(LastShot{}, AppSettings{}, 200, 401),
      (Calls{"text Drag to resize [0,385,200,401] 42", "font 200x33 w900",
             "text 1234 [0,0,200,200] 5 red", "text 12.34 [0,200,200,385] 5 red", "default font"}));
}

TEST(BigDisplayTest, EnergyAtTheLimitIsBlack) {
  const Calls calls = Paint({800.0, 12.0}, AppSettings{}, 200, 400);
  EXPECT_EQ(calls[2], "text 800 [0,0,200,200] 5");
  EXPECT_EQ(calls[3], "text 12.00 [0,200,200,384] 5");
}

TEST(BigDisplayTest, VelocityIsCutToWholeFpsOrShownInMetresWithOneDecimal) {
  EXPECT_EQ(BigVelocityText(999.99, false), "999");
  EXPECT_EQ(BigVelocityText(999.99, true), "304.8");
  EXPECT_EQ(BigEnergyText(12.344, false), "12.34");
  EXPECT_EQ(BigEnergyText(10.0, true), "13.56");
  // Values only absurd settings reach never overrun the display's text.
  EXPECT_EQ(BigVelocityText(1e30, false), "#######");
  EXPECT_EQ(BigVelocityText(1e30, true), "#######");
  EXPECT_EQ(BigEnergyText(-1e300, false), "#######");
}

TEST(BigDisplayTest, TinyClientAreaAsksForTheDefaultFontSize) {
  EXPECT_EQ(Paint(LastShot{}, AppSettings{}, 5, 1)[1], "font 0x0 w900");
}

}  // namespace
}  // namespace tarvik
