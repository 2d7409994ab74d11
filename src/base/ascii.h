// The character classes and line ends of the texts the program reads and writes (the
// instrument's lines, numbers, the shot log), fixed whatever the C library's locale says.
#ifndef TARVIK_BASE_ASCII_H_
#define TARVIK_BASE_ASCII_H_

#include <string_view>

namespace tarvik {

inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';
// The line break of every text the program writes: the log's lines, the failure message.
inline constexpr std::string_view kLineBreak = "\r\n";

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks of the "C" locale's isspace.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == kLineFeed || c == '\v' || c == '\f' || c == kCarriageReturn;
}

}  // namespace tarvik

#endif  // TARVIK_BASE_ASCII_H_
