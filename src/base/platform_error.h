// Why a call to the operating system failed, in the form every platform interface gives it.
#ifndef TARVIK_BASE_PLATFORM_ERROR_H_
#define TARVIK_BASE_PLATFORM_ERROR_H_

#include <string>

namespace tarvik {

struct PlatformError {
  int code = 0;      // the system's own: errno, or a Windows error code
  std::string text;  // the system's text for it, as the system words it
};

}  // namespace tarvik

#endif  // TARVIK_BASE_PLATFORM_ERROR_H_
