// A symbolic link to the simulator's device at a fixed path, so that the program's settings
// can name the same port on every run although the pseudo-terminal's number changes.
#ifndef TARVIK_TOOLS_QM307SIM_DEVICE_LINK_H_
#define TARVIK_TOOLS_QM307SIM_DEVICE_LINK_H_

#include <memory>
#include <string>

namespace tarvik::sim {

class DeviceLink {
 public:
  // Makes `link_path` point at `device_path`, replacing a symbolic link already there in one
  // step; any other kind of file there is left alone and refused.
  static std::unique_ptr<DeviceLink> Create(const std::string& link_path,
                                            const std::string& device_path, std::string* error);
  // Removes the link, unless something else has replaced it meanwhile.
  ~DeviceLink();

  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

 private:
  DeviceLink(std::string link_path, std::string device_path);

  std::string link_path_;
  std::string device_path_;
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_DEVICE_LINK_H_
