#include "qm307sim/device_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <utility>

#include "base/number_text.h"
#include "qm307sim/error_text.h"

namespace tarvik::sim {
namespace {

// Where the link points, or nothing when `path` is no symbolic link.
std::optional<std::string> LinkTarget(const std::string& path) {
  char target[4096];
  const ssize_t size = readlink(path.c_str(), target, sizeof target);
  if (size < 0 || static_cast<std::size_t>(size) == sizeof target) return std::nullopt;
  return std::string(target, static_cast<std::size_t>(size));
}

}  // namespace

std::unique_ptr<DeviceLink> DeviceLink::Create(const std::string& link_path,
                                               const std::string& device_path, std::string* error) {
  struct stat existing {};
  if (lstat(link_path.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
    SetError(error, link_path + " exists and is no symbolic link; not replaced");
    return nullptr;
  }
  // Made under a temporary name and renamed over the old link, so the path is never missing.
  const std::string temporary = link_path + ".tmp" + FormatInt(getpid());
  unlink(temporary.c_str());
  if (symlink(device_path.c_str(), temporary.c_str()) != 0) {
    SetError(error, SystemText("symbolic link " + temporary));
    return nullptr;
  }
  if (std::rename(temporary.c_str(), link_path.c_str()) != 0) {
    SetError(error, SystemText("rename to " + link_path));
    unlink(temporary.c_str());
    return nullptr;
  }
  return std::unique_ptr<DeviceLink>(new DeviceLink(link_path, device_path));
}

DeviceLink::DeviceLink(std::string link_path, std::string device_path)
    : link_path_(std::move(link_path)), device_path_(std::move(device_path)) {}

DeviceLink::~DeviceLink() {
  if (LinkTarget(link_path_) == device_path_) unlink(link_path_.c_str());
}

}  // namespace tarvik::sim
