// A history folder kept in memory: string files by name, the ones moved aside, the summary
// cache, and faults on demand. Every file's `modified` moves on with each change, as a real
// file's time of change does.
#ifndef TARVIK_TESTS_DOUBLES_MEMORY_HISTORY_FOLDER_H_
#define TARVIK_TESTS_DOUBLES_MEMORY_HISTORY_FOLDER_H_

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_folder.h"

namespace tarvik::testing {

inline constexpr int kNoSpace = 28;  // ENOSPC's number on Linux
inline constexpr int kExists = 17;   // EEXIST's

class MemoryHistoryFolder : public HistoryFolder {
 public:
  struct File {
    std::string bytes;
    std::int64_t modified = 0;
  };

  // Faults: while `full`, an append writes `partial_bytes` of what it was given and fails;
  // `held_elsewhere` is another program's hold.
  bool full = false;
  std::size_t partial_bytes = 0;
  bool held_elsewhere = false;

  std::map<std::string, File, std::less<>> strings;
  std::vector<std::pair<std::string, std::string>> deleted;  // name and content
  std::optional<std::string> index;
  int syncs = 0;               // appends that reached the disk
  std::atomic<int> reads = 0;  // ReadString calls, made from several threads at once

  std::string Path() const override { return "/memory/Dorvex/Tarvik"; }
  std::vector<HistoryEntry> ListStrings() override {
    std::vector<HistoryEntry> entries;
    for (const auto& [name, file] : strings) {
      entries.push_back({name, static_cast<std::int64_t>(file.bytes.size()), file.modified});
    }
    return entries;
  }
  std::optional<HistoryEntry> StatString(std::string_view name) override {
    const auto found = strings.find(name);
    if (found == strings.end()) return std::nullopt;
    return HistoryEntry{found->first, static_cast<std::int64_t>(found->second.bytes.size()),
                        found->second.modified};
  }
  std::optional<std::string> ReadString(std::string_view name) override {
    ++reads;
    const auto found = strings.find(name);
    if (found == strings.end()) return std::nullopt;
    return found->second.bytes;
  }
  std::unique_ptr<HistoryFile> CreateString(std::string_view name, PlatformError& error) override {
    if (full) {
      error = {kNoSpace, "No space left on device"};
      return nullptr;
    }
    if (strings.contains(name)) {
      error = {kExists, "File exists"};
      return nullptr;
    }
    strings[std::string(name)].modified = ++clock_;
    return std::make_unique<OpenFile>(*this, std::string(name));
  }
  std::unique_ptr<HistoryFile> OpenString(std::string_view name, PlatformError& error) override {
    if (!strings.contains(name)) {
      error = {2, "No such file or directory"};
      return nullptr;
    }
    return std::make_unique<OpenFile>(*this, std::string(name));
  }
  std::optional<PlatformError> MoveStringAside(std::string_view name) override {
    const auto found = strings.find(name);
    if (found == strings.end()) return PlatformError{2, "No such file or directory"};
    deleted.emplace_back(found->first, found->second.bytes);
    strings.erase(found);
    return std::nullopt;
  }
  std::optional<std::string> ReadIndex() override { return index; }
  std::optional<PlatformError> WriteIndex(std::string_view bytes) override {
    if (full) return PlatformError{kNoSpace, "No space left on device"};
    index = std::string(bytes);
    return std::nullopt;
  }
  std::optional<PlatformError> AppendIndex(std::string_view header,
                                           std::string_view lines) override {
    if (full) return PlatformError{kNoSpace, "No space left on device"};
    if (!index || index->empty()) index = std::string(header);
    *index += lines;
    return std::nullopt;
  }
  bool TakeHold() override { return !held_elsewhere; }

 private:
  class OpenFile : public HistoryFile {
   public:
    OpenFile(MemoryHistoryFolder& folder, std::string name)
        : folder_(folder), name_(std::move(name)) {}
    std::optional<PlatformError> AppendDurably(std::string_view bytes) override {
      File& file = folder_.strings[name_];
      file.modified = ++folder_.clock_;
      if (folder_.full) {
        file.bytes.append(bytes.substr(0, folder_.partial_bytes));
        return PlatformError{kNoSpace, "No space left on device"};
      }
      file.bytes.append(bytes);
      ++folder_.syncs;
      return std::nullopt;
    }
    std::optional<PlatformError> Truncate(std::int64_t size) override {
      File& file = folder_.strings[name_];
      file.bytes.resize(static_cast<std::size_t>(size));
      file.modified = ++folder_.clock_;
      return std::nullopt;
    }
    std::int64_t Size() override {
      return static_cast<std::int64_t>(folder_.strings[name_].bytes.size());
    }

   private:
    MemoryHistoryFolder& folder_;
    std::string name_;
  };

  std::int64_t clock_ = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_MEMORY_HISTORY_FOLDER_H_
