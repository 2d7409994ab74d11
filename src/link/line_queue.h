// Bytes taken from the line and not used yet, in the order they came, with the places where the
// line had been quiet between them long enough for a line in progress to be over. The program
// keeps listening to the line while it waits for a reply of the memory tab, so that it knows
// when a stray byte was followed by quiet, however late the bytes are used.
#ifndef TARVIK_LINK_LINE_QUEUE_H_
#define TARVIK_LINK_LINE_QUEUE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct LineBytes {
  std::string bytes;
  // Ascending places in `bytes` before which the line had been quiet; bytes.size() for quiet
  // after the last byte.
  std::vector<std::size_t> quiet_before;
};

class LineQueue {
 public:
  void Add(std::string_view bytes) { queued_.bytes += bytes; }
  // The line was quiet after the bytes added so far.
  void AddQuiet();
  std::size_t size() const { return queued_.bytes.size(); }
  // A quiet mark after the last byte counts as waiting: it belongs to the next byte to come.
  bool empty() const { return queued_.bytes.empty() && queued_.quiet_before.empty(); }
  // The first `count` bytes, or all there are, with the quiet marks among them. A mark after
  // the last byte taken goes with them when nothing is left, else it stays for the bytes left.
  LineBytes Take(std::size_t count);
  void Clear() { queued_ = {}; }

 private:
  LineBytes queued_;
};

}  // namespace tarvik

#endif  // TARVIK_LINK_LINE_QUEUE_H_
