#include "link/tab_counts.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(CountTabShotsTest, EveryRowOfThePointerTable) {
  struct Case {
    std::uint16_t next, empty;
    TabCounts counts;
  };
  for (const Case& c : {
           Case{0x0005, 0x000A, {5, 5}}, Case{0x0000, 0x0000, {0, 0}},
           Case{0x0FF0, 0x8005, {20, 4080}},  // empty pointer wrapped: 5 + 4095 - 4080
           Case{0x8010, 0x8010, {0, 4095}},   // both wrapped and equal: the ring is full
           Case{0x8005, 0x8010, {11, 4084}}, Case{0x8010, 0x8005, {4084, 11}},
           Case{0x8010, 0x0005, {4084, 11}},
           Case{0x0010, 0x0005, {65525, 16}},  // -11 wraps, and is shown that way
       }) {
    EXPECT_EQ(CountTabShots(c.next, c.empty), c.counts) << std::hex << c.next << " " << c.empty;
  }
}

}  // namespace
}  // namespace tarvik
