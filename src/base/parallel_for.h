// Work on many independent items spread over the machine's cores: for the first listing of a
// large history, which reads and parses thousands of files.
#ifndef TARVIK_BASE_PARALLEL_FOR_H_
#define TARVIK_BASE_PARALLEL_FOR_H_

#include <cstddef>
#include <functional>

namespace tarvik {

// Calls `work` once for each index below `count`, from the calling thread and, when there are
// at least `min_per_thread` items for each, up to one more thread per further core; returns once
// every call has. `work` must be safe to call from several threads at once. When a call throws,
// the items not begun are left undone and the first exception is thrown here, on the caller's
// thread, once every thread has stopped.
void ParallelFor(std::size_t count, std::size_t min_per_thread,
                 const std::function<void(std::size_t)>& work);

}  // namespace tarvik

#endif  // TARVIK_BASE_PARALLEL_FOR_H_
