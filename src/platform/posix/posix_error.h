// errno as the platform interfaces carry a failure: the code and the C library's text for it.
#ifndef TARVIK_PLATFORM_POSIX_POSIX_ERROR_H_
#define TARVIK_PLATFORM_POSIX_POSIX_ERROR_H_

#include <cerrno>
#include <system_error>

#include "base/platform_error.h"

namespace tarvik::posix {

inline PlatformError ErrnoError(int code = errno) {
  return PlatformError{code, std::error_code(code, std::generic_category()).message()};
}

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_POSIX_ERROR_H_
