// Files kept in memory, with files that cannot be opened, and a text viewer that notes what it
// was asked to show.
#ifndef TARVIK_TESTS_DOUBLES_MEMORY_FILES_H_
#define TARVIK_TESTS_DOUBLES_MEMORY_FILES_H_

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"

namespace tarvik::testing {

class MemoryFiles : public Files {
 public:
  bool Append(const std::string& path, std::string_view bytes) override {
    if (locked.count(path)) return false;
    files[path].append(bytes);
    return true;
  }
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override {
    if (locked.count(path) || !files.count(path)) return nullptr;
    return std::make_unique<Reader>(files[path], part_size, fail_after);
  }
  bool Delete(const std::string& path) override { return files.erase(path) != 0; }
  bool ReplaceWhole(const std::string& path, std::string_view bytes) override {
    if (locked.count(path)) return false;
    files[path] = bytes;
    return true;
  }
  std::optional<PlatformError> WriteStreamed(
      const std::string& path,
      const std::function<bool(const PieceWriter& write)>& produce) override {
    if (locked.count(path)) return PlatformError{13, "Permission denied"};
    std::string bytes;
    if (!produce([&bytes](std::string_view piece) {
          bytes += piece;
          return true;
        })) {
      return PlatformError{0, "the file's content could not be made"};
    }
    files[path] = std::move(bytes);
    return std::nullopt;
  }

  std::map<std::string, std::string> files;
  std::set<std::string> locked;  // held by another program: cannot be opened
  std::size_t part_size = 64;    // the most one read returns
  int fail_after = -1;           // reads that succeed before one fails; -1: none fails

 private:
  class Reader : public FileReader {
   public:
    Reader(std::string text, std::size_t part, int fail_after)
        : rest_(std::move(text)), part_(part), fail_after_(fail_after) {}
    long Read(std::span<char> destination) override {
      if (fail_after_-- == 0) return -1;
      const std::size_t n = rest_.copy(destination.data(), std::min(destination.size(), part_));
      rest_.erase(0, n);
      return static_cast<long>(n);
    }

   private:
    std::string rest_;  // not read yet
    std::size_t part_;
    int fail_after_;
  };
};

class RecordingViewer : public TextFileViewer {
 public:
  void ShowTextFile(const std::string& path, const Failed& failed) override {
    shown.push_back(path);
    if (!refusal.empty()) failed(refusal);
  }
  std::vector<std::string> shown;
  std::string refusal;  // when set, no program shows the file, for this reason
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_MEMORY_FILES_H_
