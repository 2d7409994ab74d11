// Where the user's files of a kind live on a desktop that follows the XDG base directories: the
// folder an absolute `$variable` names, or the folder under the home folder when it is unset or
// not absolute; empty when there is no home either.
#ifndef TARVIK_PLATFORM_POSIX_XDG_FOLDER_H_
#define TARVIK_PLATFORM_POSIX_XDG_FOLDER_H_

#include <cstdlib>
#include <string>
#include <string_view>

namespace tarvik::posix {

// XdgFolder("XDG_DATA_HOME", ".local/share") is "$XDG_DATA_HOME" or "$HOME/.local/share".
inline std::string XdgFolder(const char* variable, std::string_view under_home) {
  if (const char* folder = std::getenv(variable); folder != nullptr && folder[0] == '/') {
    return folder;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    return std::string(home) + "/" + std::string(under_home);
  }
  return {};
}

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_XDG_FOLDER_H_
