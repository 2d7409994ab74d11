#include "base/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tarvik {
namespace {

// Every index is worked on exactly once, whoever takes it; a few items stay on the caller's
// thread, so that a list of one changed string never starts a thread.
TEST(ParallelForTest, EachIndexOnceAndFewItemsOnTheCallersThread) {
  for (const std::size_t count : {0U, 1U, 7U, 1000U, 100'000U}) {
    std::vector<std::atomic<int>> calls(count);
    std::mutex mutex;
    std::set<std::thread::id> threads;
    ParallelFor(count, 100, [&](std::size_t i) {
      ++calls[i];
      const std::lock_guard lock(mutex);
      threads.insert(std::this_thread::get_id());
    });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(calls[i], 1) << i << " of " << count;
    if (count < 200) {
      const std::set<std::thread::id> caller_alone{std::this_thread::get_id()};
      EXPECT_EQ(threads, count == 0 ? std::set<std::thread::id>{} : caller_alone);
    }
  }
}

// Enough items share the cores; a call that throws, on whichever thread, stops the others at
// their next item and its exception reaches the caller.
TEST(ParallelForTest, ManyItemsShareTheCoresAndAThrowStopsThemAll) {
  if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one core";
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<bool> helped = false;
  std::atomic<std::size_t> done = 0;
  EXPECT_THROW(ParallelFor(1'000'000, 1000,
                           [&](std::size_t) {
                             if (std::this_thread::get_id() == caller) {
                               // The caller waits until a helper has thrown.
                               while (!helped) std::this_thread::yield();
                               return;
                             }
                             helped = true;
                             ++done;
                             throw std::runtime_error("a file that could not be parsed");
                           }),
               std::runtime_error);
  EXPECT_LE(done, std::thread::hardware_concurrency());
}

}  // namespace
}  // namespace tarvik
