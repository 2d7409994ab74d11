// The bytes that shape the instrument's lines: readings are digits ended by a carriage return,
// replies end in a carriage return and a line feed.
#ifndef TARVIK_LINK_LINE_BYTES_H_
#define TARVIK_LINK_LINE_BYTES_H_

#include "base/ascii.h"

namespace tarvik {

constexpr bool IsLineEnd(char c) { return c == kCarriageReturn || c == kLineFeed; }

}  // namespace tarvik

#endif  // TARVIK_LINK_LINE_BYTES_H_
