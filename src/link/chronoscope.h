// The instrument as the program holds it: the serial link in use, the receive buffer and the
// shot decoder, together. The main window's timer polls it; the memory tab's exchanges and the
// memory snap go through it, so that every byte the program takes from the line reaches the
// decoder, or the snap, in the order it came, and the decoder knows when the line was quiet.
// There is one for the process.
#ifndef TARVIK_LINK_CHRONOSCOPE_H_
#define TARVIK_LINK_CHRONOSCOPE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "link/line_queue.h"
#include "link/quiet_line.h"
#include "link/reading.h"
#include "link/receive_buffer.h"
#include "link/serial_link.h"
#include "link/shot_decoder.h"
#include "link/tab_protocol.h"

namespace tarvik {

// What an exchange with the memory tab gave, and the readings it met on the line.
template <typename Result>
struct Exchanged {
  Result result;
  std::vector<Reading> readings;
};

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
  // The ports present, for the user to choose from.
  SerialPlatform& platform() { return platform_; }

  // One look at the port at `now_ms`: takes what has arrived, never waiting, and decodes it
  // together with what was listened to before; readings the line brought while the memory snap
  // ran come first. Nothing while the snap runs: the port is the snap's.
  //
  // When the device has gone away (a USB adapter pulled out), the link is closed at once, so that
  // the device can come back under its name, and the reading in progress is dropped. The port is
  // then opened again quietly, at most once a second, until it opens; its reads give nothing
  // meanwhile. A reopened port starts with an empty input queue, like any opened port.
  std::vector<Reading> Poll(std::int64_t now_ms);

  // The memory tab's exchanges, waiting through `clock`.
  Exchanged<bool> QueryTab(Clock& clock, TabStatus& status);
  Exchanged<ResetOutcome> ResetTab(Clock& clock);
  // "b" or "B": the tab steps back one or ten shots.
  std::vector<Reading> StepTabBack(Clock& clock, std::string_view letter);
  // "n": the tab sends its next stored shot, which arrives later as a reading.
  void FireStoredShot();

  // Waits `ms` through `clock` while listening to the line every few milliseconds: what arrives
  // meanwhile is kept for the next read, with the moments the line was found quiet.
  void WaitListening(Clock& clock, int ms);

  // The memory snap. While it runs, the bytes that arrive are the snap's, raw, up to the receive
  // buffer's 200; the decoder takes nothing of them, and since their line began where it could
  // not see, nor the rest of that line. Bytes beyond the 200 would wait in the port until the snap
  // ends: they are decoded as they come instead, so that the quiet after a dump is seen, and
  // their readings are handed on by the first Poll after the snap.
  void BeginSnap();
  // One look at the port for the snap at `now_ms`; true when the snap took bytes.
  bool SnapPoll(std::int64_t now_ms);
  std::span<const std::uint8_t> SnapBytes() const;
  void ClearSnap() { buffer_.fill = 0; }
  void EndSnap();
  bool IsSnapping() const { return snapping_; }

 private:
  class Exchange;

  // One read of the port into the queue, noting when the line was found quiet.
  void Listen(std::int64_t now_ms);
  // Decodes bytes [from, to) taken from the line, ending the line where it had been quiet.
  void Decode(const LineBytes& taken, std::size_t from, std::size_t to,
              std::vector<Reading>& readings);
  void LetGoOfLostLink(std::int64_t now_ms);
  void TryReopen(std::int64_t now_ms);

  SerialPlatform& platform_;
  std::unique_ptr<SerialLink> link_;
  std::string port_name_;                      // of the last OpenLink
  std::optional<std::int64_t> reopen_due_ms_;  // while lost: when to try the port again
  LineQueue queue_;                            // taken from the port, not decoded yet
  ReceiveBuffer buffer_;                       // the memory snap's bytes
  ShotDecoder decoder_;
  QuietLine quiet_;
  std::optional<std::int64_t> late_reply_until_ms_;  // a missing reply is looked for until then
  bool snapping_ = false;
  std::vector<Reading> held_;  // readings that came while the snap ran
};

}  // namespace tarvik

#endif  // TARVIK_LINK_CHRONOSCOPE_H_
