#include "qm307sim/error_text.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace tarvik::sim {

bool SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
  return false;
}

std::string SystemText(std::string_view what) {
  return std::string(what) + ": " + std::generic_category().message(errno);
}

}  // namespace tarvik::sim
