#include "link/line_queue.h"

#include <algorithm>
#include <utility>

namespace tarvik {

void LineQueue::AddQuiet() {
  std::vector<std::size_t>& quiet = queued_.quiet_before;
  if (quiet.empty() || quiet.back() != queued_.bytes.size()) quiet.push_back(queued_.bytes.size());
}

LineBytes LineQueue::Take(std::size_t count) {
  const std::size_t n = std::min(count, queued_.bytes.size());
  LineBytes taken{queued_.bytes.substr(0, n), {}};
  queued_.bytes.erase(0, n);
  std::vector<std::size_t> left;
  const bool all = queued_.bytes.empty();  // nothing is left behind
  for (const std::size_t place : queued_.quiet_before) {
    // A mark at the place of the first byte left is quiet before that byte: it stays.
    if (place < n || (all && place == n)) {
      taken.quiet_before.push_back(place);
    } else {
      left.push_back(place - n);
    }
  }
  queued_.quiet_before = std::move(left);
  return taken;
}

}  // namespace tarvik
