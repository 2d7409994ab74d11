#include "base/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace tarvik {

void ParallelFor(std::size_t count, std::size_t min_per_thread,
                 const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  const auto take = [&] {
    for (std::size_t i = next++; i < count; i = next++) work(i);
  };
  const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
  const std::size_t threads = std::min(cores, count / std::max<std::size_t>(min_per_thread, 1));
  std::vector<std::jthread> helpers;
  for (std::size_t t = 1; t < threads; ++t) {
    // A thread the system refuses leaves its share to the others.
    try {
      helpers.emplace_back(take);
    } catch (const std::system_error&) {
      break;
    }
  }
  take();
}

}  // namespace tarvik
