// Files as the program uses them: a line appended at the end of a file that other programs may
// be reading or writing meanwhile, a file read from start to end, a file deleted. Implemented over
// the operating system's calls; a failure is reported by the result, never shown.
#ifndef TARVIK_BASE_FILES_H_
#define TARVIK_BASE_FILES_H_

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/platform_error.h"

namespace tarvik {

class FileReader {
 public:
  virtual ~FileReader() = default;
  // Bytes read into `destination`: 0 at the end of the file, -1 when the read failed.
  virtual long Read(std::span<char> destination) = 0;
};

class Files {
 public:
  virtual ~Files() = default;
  // Appends the bytes at the end of the file in one write, creating the file when it is missing;
  // other programs may read and write it meanwhile. False when it could not be done.
  virtual bool Append(const std::string& path, std::string_view bytes) = 0;
  // The file opened for reading, others still allowed to read and append to it; null when it
  // cannot be (a folder, a device or a pipe is no file to read).
  virtual std::unique_ptr<FileReader> OpenForReading(const std::string& path) = 0;
  virtual bool Delete(const std::string& path) = 0;
  // Puts a file with exactly these bytes in place of the file there, if any: written beside it,
  // flushed and renamed over it, so that a failed or cut-short write leaves the old file whole.
  virtual bool ReplaceWhole(const std::string& path, std::string_view bytes) = 0;
  // Hands `produce` a writer of pieces and puts a file of what it wrote in place of the file at
  // `path`, as ReplaceWhole does, once `produce` returns true; a file too large to hold in memory
  // is written this way. The system's error when it could not be done; `produce` returning false
  // (its writer returns false once a write failed) leaves the old file as it was.
  using PieceWriter = std::function<bool(std::string_view piece)>;
  virtual std::optional<PlatformError> WriteStreamed(
      const std::string& path, const std::function<bool(const PieceWriter& write)>& produce) = 0;
};

// Shows a text file to the user in the desktop's text editor, without waiting for it.
class TextFileViewer {
 public:
  // Told why no program showed the file, in the system's words.
  using Failed = std::function<void(const std::string& why)>;
  virtual ~TextFileViewer() = default;
  // `failed` is called, at once or later from the event loop, when no program could show it.
  virtual void ShowTextFile(const std::string& path, const Failed& failed) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_FILES_H_
