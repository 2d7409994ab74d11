#include "base/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tarvik {

void ParallelFor(std::size_t count, std::size_t min_per_thread,
                 const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  std::mutex failure_mutex;
  std::exception_ptr failure;
  // A call that throws stops every thread at its next item; the first exception is rethrown.
  const auto take = [&] {
    try {
      for (std::size_t i = next++; i < count; i = next++) work(i);
    } catch (...) {
      next = count;
      const std::lock_guard lock(failure_mutex);
      if (!failure) failure = std::current_exception();
    }
  };
  const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
  const std::size_t threads = std::min(cores, count / std::max<std::size_t>(min_per_thread, 1));
  std::vector<std::jthread> helpers;
  helpers.reserve(threads);
  for (std::size_t t = 1; t < threads; ++t) {
    // A thread the system refuses leaves its share to the others.
    try {
      helpers.emplace_back(take);
    } catch (const std::system_error&) {
      break;
    }
  }
  take();
  for (std::jthread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tarvik
