// The platform's dialog for choosing a file to open or to name, modal over the window that asks.
#ifndef TARVIK_BASE_FILE_DIALOG_H_
#define TARVIK_BASE_FILE_DIALOG_H_

#include <span>
#include <string>
#include <string_view>

namespace tarvik {

struct FileFilter {
  std::string_view name;     // "Log files"
  std::string_view pattern;  // "*.log"
};

struct ChooseFileRequest {
  std::string_view title;
  std::span<const FileFilter> filters;  // the first is chosen at first
  std::string file;                     // the name the dialog starts from
  // The file is to be written: the dialog says Save and asks before replacing a file that exists.
  bool save = false;
};

// The extension a file to be written gets when its name has none: the one the first filter names
// ("csv" for "*.csv"), none for a pattern of every file or of several.
inline std::string_view DefaultExtension(std::span<const FileFilter> filters) {
  if (filters.empty() || !filters.front().pattern.starts_with("*.")) return {};
  const std::string_view extension = filters.front().pattern.substr(2);
  return extension.find_first_of("*?;") == std::string_view::npos ? extension : std::string_view();
}

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The path chosen, or the starting name unchanged when the user cancels. A file that does not
  // exist yet may be named, in a folder that does.
  virtual std::string ChooseFile(const ChooseFileRequest& request) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_FILE_DIALOG_H_
