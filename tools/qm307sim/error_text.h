// Reasons handed back to a caller through an optional `std::string* error` argument.
#ifndef TARVIK_TOOLS_QM307SIM_ERROR_TEXT_H_
#define TARVIK_TOOLS_QM307SIM_ERROR_TEXT_H_

#include <string>
#include <string_view>

namespace tarvik::sim {

// Puts `text` in `*error` when the caller asked for a reason. Returns false, so that a check
// can end with "return SetError(...)".
bool SetError(std::string* error, std::string text);

// "<what>: <the system's reason>", the reason taken from errno.
std::string SystemText(std::string_view what);

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_ERROR_TEXT_H_
