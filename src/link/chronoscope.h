// The instrument as the program holds it: the serial link in use, the receive buffer and the
// decoder's reading in progress, together. The main window's timer polls it. There is one for
// the process.
#ifndef TARVIK_LINK_CHRONOSCOPE_H_
#define TARVIK_LINK_CHRONOSCOPE_H_

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "link/reading.h"
#include "link/receive_buffer.h"
#include "link/serial_link.h"
#include "link/shot_decoder.h"

namespace tarvik {

class Chronoscope {
 public:
  explicit Chronoscope(SerialPlatform& platform) : platform_(platform) {}
  ~Chronoscope() { CloseLink(); }
  Chronoscope(const Chronoscope&) = delete;
  Chronoscope& operator=(const Chronoscope&) = delete;

  // Replaces the link as a whole: the old one is closed before the new one is opened, so the
  // port is never held twice. The new link stays in use even when it failed to open; its
  // reads then return nothing until the next call. Returns why it failed, or nothing.
  std::optional<PortError> OpenLink(std::string_view port_name);
  void CloseLink() { CloseSerialLink(link_); }
  bool IsOpen() const { return link_ != nullptr && link_->open; }

  // One look at the port: reads what has arrived into the free part of the receive buffer,
  // never waiting, and decodes it. A reading in progress survives a new link, as it survives
  // everything but the decoder's own bytes.
  std::vector<Reading> Poll();

 private:
  SerialPlatform& platform_;
  std::unique_ptr<SerialLink> link_;
  ReceiveBuffer buffer_;
  ShotDecoder decoder_;
};

}  // namespace tarvik

#endif  // TARVIK_LINK_CHRONOSCOPE_H_
