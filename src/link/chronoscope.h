// The instrument as the program holds it: the serial link in use, the receive buffer and the
// decoder's reading in progress, together. The main window's timer polls it; the memory tab's
// exchanges use its link and hand it the readings they meet; the memory snap collects raw bytes
// in its buffer while the timer does not poll. There is one for the process.
#ifndef TARVIK_LINK_CHRONOSCOPE_H_
#define TARVIK_LINK_CHRONOSCOPE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
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
  // reads then return nothing until the next call, unless it is the port whose device went
  // away: that one is still tried again quietly, as after the loss. Returns why it failed, or
  // nothing. A reading in progress is dropped: the new link starts with an empty input queue, so
  // its remaining digits will never come, and the digits of the next reading must not be joined to
  // it.
  std::optional<PortError> OpenLink(std::string_view port_name);
  void CloseLink();
  bool IsOpen() const { return link_ != nullptr && link_->open; }
  // The device of a link that was open went away, and the port has not opened again yet.
  bool IsLost() const { return reopen_due_ms_.has_value() || (link_ != nullptr && link_->lost); }
  // The link in use, for the exchanges; null before the first open and while a lost device is
  // away. Poll may replace it, so an exchange fetches it afresh and never keeps it past its end.
  SerialLink* current_link() { return link_.get(); }
  // The ports present, for the user to choose from.
  SerialPlatform& platform() { return platform_; }

  // One look at the port at `now_ms`: reads what has arrived into the free part of the receive
  // buffer, never waiting, and decodes it.
  //
  // When the device has gone away (a USB adapter pulled out), the link is closed at once, so that
  // the device can come back under its name, and the reading in progress is dropped. The port is
  // then opened again quietly, at most once a second, until it opens; its reads give nothing
  // meanwhile. A reopened port starts with an empty input queue, like any opened port.
  std::vector<Reading> Poll(std::int64_t now_ms);
  // Decodes bytes that an exchange took from the port besides its reply, as if the timer had
  // read them.
  std::vector<Reading> DecodeStrays(std::string_view bytes);

  // The memory snap collects raw bytes here; it leaves the buffer empty when it ends. The rest
  // of a reading in progress goes into the snap, so the snap drops the reading.
  ReceiveBuffer& receive_buffer() { return buffer_; }
  void DropReadingInProgress() { decoder_.DropReadingInProgress(); }
  // The bytes taken so far end in the middle of a line, for the exchanges to judge what follows.
  bool InMidLine() const { return decoder_.InMidLine(); }

 private:
  void LetGoOfLostLink(std::int64_t now_ms);
  void TryReopen(std::int64_t now_ms);

  SerialPlatform& platform_;
  std::unique_ptr<SerialLink> link_;
  std::string port_name_;                      // of the last OpenLink
  std::optional<std::int64_t> reopen_due_ms_;  // while lost: when to try the port again
  ReceiveBuffer buffer_;
  ShotDecoder decoder_;
};

}  // namespace tarvik

#endif  // TARVIK_LINK_CHRONOSCOPE_H_
