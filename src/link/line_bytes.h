// The bytes that shape the instrument's lines: readings are digits ended by a carriage return,
// replies end in a carriage return and a line feed.
#ifndef TARVIK_LINK_LINE_BYTES_H_
#define TARVIK_LINK_LINE_BYTES_H_

namespace tarvik {

inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';

constexpr bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsLineEnd(char c) { return c == kCarriageReturn || c == kLineFeed; }

}  // namespace tarvik

#endif  // TARVIK_LINK_LINE_BYTES_H_
