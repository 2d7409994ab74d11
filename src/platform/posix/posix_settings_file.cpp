#include "platform/posix/posix_settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "base/number_text.h"
#include "platform/posix/posix_error.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/xdg_folder.h"

namespace tarvik::posix {
namespace {

// A settings file is a few hundred bytes (twice that in UTF-16); anything beyond this is not one.
// The limit counts bytes, before any decoding. Every read parses the whole file, and a file of
// nothing but line ends costs a few hundred bytes of memory for each byte: at 64 KiB that is some
// 25 MB and a few tens of milliseconds at worst.
constexpr off_t kMaxFileSize = 64 << 10;

// The settings file as a read found it.
struct FileRead {
  enum class Outcome { kRead, kMissing, kNotASettingsFile, kFailed };
  Outcome outcome = Outcome::kFailed;
  std::string bytes;    // kRead
  mode_t mode = 0;      // of a file found there, which a new one keeps
  PlatformError error;  // kFailed
};

// The rest of the file open as `fd`, into `read`.
FileRead::Outcome ReadBytes(int fd, FileRead& read) {
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) return FileRead::Outcome::kRead;
    if (n < 0) {
      if (errno == EINTR) continue;
      read.error = ErrnoError();
      return FileRead::Outcome::kFailed;
    }
    read.bytes.append(chunk, static_cast<std::size_t>(n));
    if (read.bytes.size() > static_cast<std::size_t>(kMaxFileSize)) {
      return FileRead::Outcome::kNotASettingsFile;
    }
  }
}

FileRead ReadWholeFile(const std::string& path) {
  FileRead read;
  // Not blocking: a pipe put in the file's place must not hold the program up.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat status {};
  if (!fd.ok() && errno == ENOENT) {
    read.outcome = FileRead::Outcome::kMissing;
  } else if (!fd.ok() || ::fstat(fd.get(), &status) != 0) {
    read.error = ErrnoError();
  } else if (!S_ISREG(status.st_mode)) {
    read.error = PlatformError{0, "not a regular file"};
  } else {
    read.mode = status.st_mode & 07777;
    read.outcome = status.st_size > kMaxFileSize ? FileRead::Outcome::kNotASettingsFile
                                                 : ReadBytes(fd.get(), read);
  }
  return read;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the folder and any missing folder above it, private to the user as new configuration
// folders are.
bool MakeFolders(const std::string& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) == 0) {
    if (!S_ISDIR(status.st_mode)) errno = ENOTDIR;
    return S_ISDIR(status.st_mode);
  }
  if (errno != ENOENT) return false;
  const std::string parent = FolderOf(folder);
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// The file a path names once symbolic links are followed, even when it does not exist yet.
std::string FileBehindLinks(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path file = path;
  for (int links = 0; links < 40 && fs::is_symlink(file, error); ++links) {
    const fs::path target = fs::read_symlink(file, error);
    if (error) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.string();
}

// A name beside the file that no earlier bad file holds.
std::string FreeBadName(const std::string& path) {
  std::string name = path + ".bad";
  for (int n = 2; ::access(name.c_str(), F_OK) == 0 && n < 1000; ++n) {
    name = path + ".bad." + FormatInt(n);
  }
  return name;
}

// Tells the log that `action` on `subject` failed, with errno's reason, and returns false.
bool LogErrno(const DebugLog& log, std::string_view action, const std::string& subject) {
  LogFailure(log, action, subject, ErrnoError());
  return false;
}

// Writes a new file beside the file at `path`, flushed to the disk, and renames it over it.
bool PutInPlace(const std::string& path, std::string_view bytes, mode_t mode, const DebugLog& log) {
  const std::string temporary = path + ".new";
  ::unlink(temporary.c_str());  // left by a write that was cut short
  UniqueFd out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!out.ok()) return LogErrno(log, "create", temporary);
  const bool written = (mode == 0 || ::fchmod(out.get(), mode) == 0) &&
                       WriteAll(out.get(), bytes) && ::fdatasync(out.get()) == 0 && out.Close();
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  LogErrno(log, written ? "rename the new file over" : "write", written ? path : temporary);
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

std::optional<SettingValue> SettingsFile::QueryValue(std::string_view name) {
  WriteDeferred();  // a value read is the value last written
  const FileRead read = ReadWholeFile(path_);
  if (read.outcome != FileRead::Outcome::kRead) return std::nullopt;
  const std::optional<RegFile> file = RegFile::Parse(read.bytes);
  if (!file) return std::nullopt;
  return file->Find(kSettingsKeyPath, name);
}

void SettingsFile::SetText(std::string_view name, std::string_view text) {
  Apply({std::string(name), [name = std::string(name), text = std::string(text)](RegFile& file) {
           return file.SetText(kSettingsKeyPath, name, text);
         }});
}

void SettingsFile::SetNumber(std::string_view name, std::uint32_t value) {
  Apply({std::string(name), [name = std::string(name), value](RegFile& file) {
           return file.SetNumber(kSettingsKeyPath, name, value);
         }});
}

void SettingsFile::Apply(Change change) {
  // A later write of a value replaces the one waiting, so that deferred batches written at
  // every shot hold two values however long they wait.
  std::erase_if(pending_, [&](const Change& held) { return held.name == change.name; });
  pending_.push_back(std::move(change));
  if (batch_depth_ == 0) Update(std::exchange(pending_, {}), true);
}

void SettingsFile::EndBatch() {
  if (batch_depth_ == 0 || --batch_depth_ > 0 || pending_.empty()) return;
  Update(std::exchange(pending_, {}), false);
}

void SettingsFile::EndBatchDeferred() {
  if (batch_depth_ > 0) --batch_depth_;
}

void SettingsFile::WriteDeferred() {
  if (batch_depth_ > 0 || pending_.empty()) return;
  Update(std::exchange(pending_, {}), false);
}

bool SettingsFile::Update(const std::vector<Change>& changes, bool durable_rename) {
  // A settings file that is a link (into a folder of dotfiles, say) stays one: the new file
  // takes the place of the file it points to.
  const std::string path = FileBehindLinks(path_);
  const std::string folder = FolderOf(path);
  if (!MakeFolders(folder)) return LogErrno(log_, "make the folder", folder);
  // The folder is the lock, so that no lock file is left behind. Where the file system has no
  // locks the write goes ahead without one.
  UniqueFd lock(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!lock.ok()) return LogErrno(log_, "lock the folder", folder);
  while (::flock(lock.get(), LOCK_EX) != 0 && errno == EINTR) {
  }

  const FileRead read = ReadWholeFile(path);
  if (read.outcome == FileRead::Outcome::kFailed) {
    LogFailure(log_, "read", path, read.error);
    return false;
  }
  std::optional<RegFile> file = read.outcome == FileRead::Outcome::kRead
                                    ? RegFile::Parse(read.bytes)
                                    : std::optional<RegFile>();
  const bool in_no_known_format = !file && read.outcome != FileRead::Outcome::kMissing;
  if (!file) file.emplace();
  if (!ApplyChanges(changes, *file, path)) return false;
  if (in_no_known_format && std::rename(path.c_str(), FreeBadName(path).c_str()) != 0) {
    return LogErrno(log_, "move aside the file in no known format", path);
  }
  if (!PutInPlace(path, file->Serialize(), read.mode, log_)) return false;
  // The rename itself reaches the disk with the folder.
  if (durable_rename) ::fsync(lock.get());
  return true;
}

bool SettingsFile::ApplyChanges(const std::vector<Change>& changes, RegFile& file,
                                const std::string& path) const {
  bool changed = false;
  for (const Change& change : changes) {
    if (change.apply(file)) {
      changed = true;
    } else {
      LogFailure(log_, "store the value", change.name + " in " + path, "it cannot stand there");
    }
  }
  return changed;
}

std::string UserSettingsPath() {
  const std::string folder = XdgFolder("XDG_CONFIG_HOME", ".config");
  return folder.empty() ? folder : folder + "/Dorvex/Tarvik.reg";
}

std::unique_ptr<SettingsBackend> OpenUserSettings(const DebugLog& log) {
  std::string path = UserSettingsPath();
  if (path.empty()) {
    LogFailure(log, "find", "the settings file", "neither XDG_CONFIG_HOME nor HOME names a folder");
    return nullptr;
  }
  return std::make_unique<SettingsFile>(std::move(path), log);
}

}  // namespace tarvik::posix
