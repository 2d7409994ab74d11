// The simulated instrument on a real pseudo-terminal: a background thread answers the program
// on the device and sends what the instrument has due, while the caller fires shots from any
// thread. Used by the qm307-sim program and by integration tests.
#ifndef TARVIK_TOOLS_QM307SIM_PTY_INSTRUMENT_H_
#define TARVIK_TOOLS_QM307SIM_PTY_INSTRUMENT_H_

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "qm307sim/byte_text.h"
#include "qm307sim/instrument.h"
#include "qm307sim/pseudo_terminal.h"
#include "qm307sim/reading.h"

namespace tarvik::sim {

struct PtyOptions {
  InstrumentOptions instrument;
  // Called on the instrument's thread with the bytes read from or written to the line and the
  // time since Start; may be empty.
  std::function<void(Millis time, Direction direction, std::string_view bytes)> trace;
  // Output that no process reads for this long is thrown away, as a serial line loses what
  // the instrument sends while no port is open; otherwise a program opening the device would
  // get every shot fired since the last one closed it. Zero keeps everything.
  Millis drop_unread_after{2000};
};

// The tab as the instrument holds it at one moment.
struct TabStatus {
  std::uint64_t stored = 0;    // shots written since the last reset
  std::uint64_t fired = 0;     // position of the next pointer
  std::uint64_t buffered = 0;  // stored, not yet fired
  std::uint64_t previous = 0;  // how far "b" can still step back
  std::uint16_t next = 0;      // the pointers as the reply to "t" gives them
  std::uint16_t empty = 0;
};

class PtyInstrument {
 public:
  // Opens a pseudo-terminal and starts answering on it. Nothing, with the reason in `error`,
  // when no pseudo-terminal can be had.
  static std::unique_ptr<PtyInstrument> Start(const PtyOptions& options, std::string* error);
  ~PtyInstrument();  // stops

  PtyInstrument(const PtyInstrument&) = delete;
  PtyInstrument& operator=(const PtyInstrument&) = delete;

  // The device the program opens, e.g. "/dev/pts/3"; still readable after Stop.
  const std::string& device_path() const { return device_path_; }

  // A live shot: sent at once and kept in the tab as fired.
  void SendShot(const Reading& reading);
  // A shot kept in the tab for "n"; false without a tab.
  bool StoreShot(const Reading& reading);
  void SendRaw(std::string bytes);
  void SendDump(std::size_t count);

  // Waits until every output scheduled so far (shots, raw bytes, replies) is on the line, or
  // `timeout` has passed; true in the first case.
  bool WaitUntilSent(Millis timeout) const;

  // Every byte the computer has written so far, in order.
  std::string Received() const;
  // Waits until at least `count` bytes have been received or `timeout` has passed; true in
  // the first case.
  bool WaitForReceived(std::size_t count, Millis timeout) const;

  TabStatus Tab() const;
  InstrumentOptions options() const;
  void SetOptions(const InstrumentOptions& options);
  // Why the line stopped working, when it did; empty while all is well.
  std::string LineError() const;

  // Stops the thread and closes the pseudo-terminal, so that its device vanishes. Further
  // shots go nowhere. Safe to call twice.
  void Stop();

 private:
  PtyInstrument(std::unique_ptr<PseudoTerminal> terminal, int wake_read_fd, int wake_write_fd,
                PtyOptions options);

  Millis Now() const;
  void Wake();
  // Records why the line stopped working; returns false for the caller to pass on.
  bool Fail(std::string error);

  // The thread's loop and its steps, each false when the line failed.
  void Run();
  // Writes as much of `outgoing` as the line takes and removes it.
  bool WriteLine(std::string& outgoing);
  // Waits for the computer's bytes, for room to write, for new work or for `next_due`.
  bool AwaitLine(std::optional<Millis> next_due, bool want_write);
  bool ReadLine();
  // Drops output nobody has read for drop_unread_after_; true while the line needs watching.
  bool DropUnread(Millis now);

  std::unique_ptr<PseudoTerminal> terminal_;
  const std::string device_path_;
  // A pipe whose write end pulls the thread out of poll() when there is new work.
  const int wake_read_fd_;
  const int wake_write_fd_;
  const std::function<void(Millis, Direction, std::string_view)> trace_;
  const Millis drop_unread_after_;
  const std::chrono::steady_clock::time_point start_;

  // Used by the thread only: what the computer has taken from the line, to tell whether
  // anyone reads.
  std::int64_t bytes_written_ = 0;
  std::int64_t bytes_taken_ = 0;
  Millis last_taken_{0};
  Millis last_written_{0};

  mutable std::mutex mutex_;
  mutable std::condition_variable received_changed_;
  mutable std::condition_variable sent_changed_;
  bool all_sent_ = true;    // guarded by mutex_
  Instrument instrument_;   // guarded by mutex_
  std::string received_;    // guarded by mutex_
  std::string line_error_;  // guarded by mutex_
  bool stopping_ = false;   // guarded by mutex_
  std::thread thread_;
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_PTY_INSTRUMENT_H_
