// Numbers read from the simulator's options and commands. They go through std::from_chars so
// that no locale can change them, and a parse accepts the whole text or nothing, so that a
// typing error is reported instead of half-read.
#ifndef TARVIK_TOOLS_QM307SIM_TEXT_NUMBER_H_
#define TARVIK_TOOLS_QM307SIM_TEXT_NUMBER_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvik::sim {

std::optional<std::uint64_t> ParseUnsigned(std::string_view text);
// A finite decimal number such as "700", "699.5" or "-1e3".
std::optional<double> ParseNumber(std::string_view text);

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_TEXT_NUMBER_H_
