// The windows' tests run in one Qt application on the offscreen platform, so that they need no
// display and render the same on every machine, and under a German locale, which the
// application takes from the environment, so that every number they show is seen to keep its ".".
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
