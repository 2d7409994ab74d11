// Any bytes as the replies of the memory tab: judging them never crashes or reads past them,
// every byte that is not the reply is handed on to the decoder, in order, none twice, and a
// version reply is only taken where a line starts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "link/tab_protocol.h"

namespace {

// The strays are the read with the reply's bytes, `length` of them, taken out of one place.
void CheckStrays(std::string_view read, std::string_view strays, bool found, std::size_t length) {
  if (!found) return FuzzCheck(strays == read, "a read without a reply was not handed on whole");
  FuzzCheck(strays.size() + length == read.size(), "bytes were lost or added beside the reply");
  std::size_t same = 0;
  while (same < strays.size() && strays[same] == read[same]) ++same;
  FuzzCheck(read.substr(same + length) == strays.substr(same), "the bytes around the reply moved");
}

// A version reply taken out is four bytes ending in CR LF that start a line: after a line end,
// or at the read's start when the read starts a line.
void CheckVersionStartsALine(std::string_view read, std::string_view strays, bool starts_line) {
  for (std::size_t at = 0; at + 4 <= read.size() && read.substr(0, at) == strays.substr(0, at);
       ++at) {
    const bool line_start = at == 0 ? starts_line : read[at - 1] == '\r' || read[at - 1] == '\n';
    if (line_start && read.substr(at + 2, 2) == "\r\n" &&
        read.substr(at + 4) == strays.substr(at)) {
      return;
    }
  }
  FuzzCheck(false, "a version reply was taken where no line starts");
}

}  // namespace

int FuzzTabReplies(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  // The first byte: where the two replies' reads meet, and whether the first starts a line.
  const std::size_t split = std::min<std::size_t>(data[0] >> 1, bytes.size());
  const bool starts_line = (data[0] & 1) != 0;
  tarvik::TabStatus status;
  status.capacity = tarvik::kTabCapacity;
  std::string strays;
  const bool version =
      tarvik::JudgeVersionReply(bytes.substr(0, split), starts_line, status, strays);
  CheckStrays(bytes.substr(0, split), strays, version, 4);
  if (version) CheckVersionStartsALine(bytes.substr(0, split), strays, starts_line);
  strays.clear();
  const bool pointers = tarvik::JudgePointerReply(bytes.substr(split), status, strays);
  CheckStrays(bytes.substr(split), strays, pointers, 16);
  tarvik::ResetReplySaysDone(bytes);
  return 0;
}
