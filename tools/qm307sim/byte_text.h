// Bytes as readable text and back: for the trace of the line and the "raw" command.
#ifndef TARVIK_TOOLS_QM307SIM_BYTE_TEXT_H_
#define TARVIK_TOOLS_QM307SIM_BYTE_TEXT_H_

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik::sim {

// The last `digits` uppercase hexadecimal digits of `value`, leading zeros included.
std::string HexText(std::uint64_t value, int digits);

// Printable ASCII as it is, a backslash as "\\", CR, LF and tab as "\r", "\n", "\t", any other
// byte as "\xHH".
std::string EscapeBytes(std::string_view bytes);
// The inverse of EscapeBytes; nothing, with a reason in `error`, for a broken escape.
std::optional<std::string> UnescapeBytes(std::string_view text, std::string* error = nullptr);

enum class Direction { kIn, kOut };  // from the computer, to the computer

// Trace lines of bytes that crossed the line at `time` (ms since the simulator started): one
// line per 16 bytes, each "<ms> in|out <hex bytes> <escaped>" and ended by "\n".
std::string TraceLines(std::chrono::milliseconds time, Direction direction, std::string_view bytes);

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_BYTE_TEXT_H_
