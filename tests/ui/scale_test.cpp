// The windows at the desktop's scale. Qt places them in device-independent pixels, so at a scale
// of 2 (QT_SCALE_FACTOR, or the desktop's own) a window has twice the device pixels each way, its
// text drawn at that resolution, and the same layout. The scale is read as the application
// starts, so the scaled window is made by this program again, run as a child.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/number_text.h"
#include "res/main_window_template.h"
#include "ui/qt_dialog.h"

namespace tarvik::ui {
namespace {

constexpr char kProbeFolder[] = "TARVIK_SCALE_PROBE";

// The window's size and every control's place, in device-independent pixels, a line each.
std::string Layout(const QtDialog& window) {
  const auto line = [](const QRect& rect) {
    return FormatInt(rect.x()) + " " + FormatInt(rect.y()) + " " + FormatInt(rect.width()) + " " +
           FormatInt(rect.height()) + "\n";
  };
  std::string layout = line(window.rect());
  for (const QWidget* control :
       window.client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    layout += line(control->geometry());
  }
  return layout;
}

// The steps of more than half the full contrast between a pixel in an even column and its right
// neighbour (`odd` = false) or between one in an odd column and its neighbour (`odd` = true). A
// picture drawn at half the resolution and doubled has none of the first kind, whether doubled
// pixel by pixel or smoothly; one drawn at its own resolution has about as many of each.
int SharpSteps(const QImage& picture, bool odd) {
  const QImage image = picture.convertToFormat(QImage::Format_Grayscale8);
  int steps = 0;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = odd ? 1 : 0; x + 1 < image.width(); x += 2) {
      if (std::abs(row[x] - row[x + 1]) > 128) ++steps;
    }
  }
  return steps;
}

class MainWindowAtThisScale {
 public:
  MainWindowAtThisScale()
      : window_(MainWindowTemplate(UiLanguage::kNeutral), &MainMenuTemplate(UiLanguage::kNeutral)) {
    window_.show();
  }
  QtDialog& window() { return window_; }

 private:
  QtDialog window_;
};

// Run as the child: writes the main window's layout, scale and picture into the folder named.
TEST(QtScaleProbe, WritesTheMainWindowAtThisProgramsScale) {
  const char* folder = std::getenv(kProbeFolder);
  if (folder == nullptr) GTEST_SKIP() << "QtScaleTest runs this in a child at another scale";
  MainWindowAtThisScale shown;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window()));
  std::ofstream(std::string(folder) + "/layout.txt") << Layout(shown.window());
  std::ofstream(std::string(folder) + "/scale.txt")
      << FormatFixed(shown.window().devicePixelRatio(), 2);
  ASSERT_TRUE(
      shown.window().grab().save(QString::fromStdString(std::string(folder) + "/window.png")));
}

TEST(QtScaleTest, DoubleScaleDoublesTheDevicePixelsDrawsTextAtThemAndKeepsTheLayout) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / ("tarvik-scale-" + FormatInt(::getpid()));
  std::filesystem::create_directories(folder);
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_SCALE_FACTOR", "2");
  environment.insert(kProbeFolder, QString::fromStdString(folder.string()));
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QApplication::applicationFilePath(),
              {"--gtest_filter=QtScaleProbe.*", "--gtest_brief=1"});
  ASSERT_TRUE(child.waitForFinished(120000));
  ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
  const auto read = [&folder](const char* name) {
    std::ifstream in(folder / name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };

  MainWindowAtThisScale plain;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain.window()));
  ASSERT_EQ(plain.window().devicePixelRatio(), 1.0);
  EXPECT_EQ(read("scale.txt"), "2.00");
  EXPECT_EQ(read("layout.txt"), Layout(plain.window()));
  const QImage scaled(QString::fromStdString((folder / "window.png").string()));
  const QImage unscaled = plain.window().grab().toImage();
  EXPECT_EQ(scaled.size(), unscaled.size() * 2);
  const int inside_pairs = SharpSteps(scaled, false);
  EXPECT_GT(inside_pairs, SharpSteps(scaled, true) / 2) << "blown up, not drawn: " << inside_pairs;
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tarvik::ui
