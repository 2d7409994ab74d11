#include "qm307sim/pty_instrument.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "qm307sim/error_text.h"

namespace tarvik::sim {
namespace {

bool MakePipe(int* read_fd, int* write_fd) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  for (const int fd : fds) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
  }
  *read_fd = fds[0];
  *write_fd = fds[1];
  return true;
}

}  // namespace

std::unique_ptr<PtyInstrument> PtyInstrument::Start(const PtyOptions& options, std::string* error) {
  auto terminal = PseudoTerminal::Open(error);
  if (terminal == nullptr) return nullptr;
  int wake_read_fd = -1;
  int wake_write_fd = -1;
  if (!MakePipe(&wake_read_fd, &wake_write_fd)) {
    SetError(error, SystemText("pipe"));
    return nullptr;
  }
  std::unique_ptr<PtyInstrument> instrument(
      new PtyInstrument(std::move(terminal), wake_read_fd, wake_write_fd, options));
  instrument->thread_ = std::thread(&PtyInstrument::Run, instrument.get());
  return instrument;
}

PtyInstrument::PtyInstrument(std::unique_ptr<PseudoTerminal> terminal, int wake_read_fd,
                             int wake_write_fd, PtyOptions options)
    : terminal_(std::move(terminal)),
      device_path_(terminal_->device_path()),
      wake_read_fd_(wake_read_fd),
      wake_write_fd_(wake_write_fd),
      trace_(std::move(options.trace)),
      drop_unread_after_(options.drop_unread_after),
      start_(std::chrono::steady_clock::now()),
      instrument_(options.instrument) {}

PtyInstrument::~PtyInstrument() {
  Stop();
  close(wake_read_fd_);
  close(wake_write_fd_);
}

void PtyInstrument::SendShot(const Reading& reading) {
  {
    std::lock_guard lock(mutex_);
    instrument_.FireShot(reading, Now());
    all_sent_ = false;
  }
  Wake();
}

bool PtyInstrument::StoreShot(const Reading& reading) {
  std::lock_guard lock(mutex_);
  return instrument_.StoreShot(reading);
}

void PtyInstrument::SendRaw(std::string bytes) {
  {
    std::lock_guard lock(mutex_);
    instrument_.SendRaw(std::move(bytes), Now());
    all_sent_ = false;
  }
  Wake();
}

void PtyInstrument::SendDump(std::size_t count) {
  {
    std::lock_guard lock(mutex_);
    instrument_.SendDump(count, Now());
    all_sent_ = false;
  }
  Wake();
}

std::string PtyInstrument::Received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

bool PtyInstrument::WaitUntilSent(Millis timeout) const {
  std::unique_lock lock(mutex_);
  return sent_changed_.wait_for(lock, timeout, [&] { return all_sent_; });
}

bool PtyInstrument::WaitForReceived(std::size_t count, Millis timeout) const {
  std::unique_lock lock(mutex_);
  return received_changed_.wait_for(lock, timeout, [&] { return received_.size() >= count; });
}

TabStatus PtyInstrument::Tab() const {
  std::lock_guard lock(mutex_);
  const ShotTab& tab = instrument_.tab();
  return TabStatus{tab.stored(),   tab.fired(),       tab.Buffered(),
                   tab.Previous(), tab.NextPointer(), tab.EmptyPointer()};
}

InstrumentOptions PtyInstrument::options() const {
  std::lock_guard lock(mutex_);
  return instrument_.options();
}

void PtyInstrument::SetOptions(const InstrumentOptions& options) {
  std::lock_guard lock(mutex_);
  instrument_.set_options(options);
}

std::string PtyInstrument::LineError() const {
  std::lock_guard lock(mutex_);
  return line_error_;
}

void PtyInstrument::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  Wake();
  if (thread_.joinable()) thread_.join();
  terminal_.reset();
}

Millis PtyInstrument::Now() const {
  return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start_);
}

bool PtyInstrument::Fail(std::string error) {
  std::lock_guard lock(mutex_);
  line_error_ = std::move(error);
  return false;
}

void PtyInstrument::Wake() {
  const char byte = 0;
  // A full pipe already holds a wake-up; nothing is lost when this write fails.
  [[maybe_unused]] const ssize_t written = write(wake_write_fd_, &byte, 1);
}

void PtyInstrument::Run() {
  std::string outgoing;  // due, not yet accepted by the pseudo-terminal
  while (true) {
    std::optional<Millis> next_due;
    {
      std::lock_guard lock(mutex_);
      if (stopping_) return;
      outgoing += instrument_.TakeDue(Now());
      next_due = instrument_.NextDue();
    }
    if (!WriteLine(outgoing)) return;
    {
      std::lock_guard lock(mutex_);
      all_sent_ = outgoing.empty() && !instrument_.NextDue();
    }
    sent_changed_.notify_all();
    if (!AwaitLine(next_due, !outgoing.empty())) return;
  }
}

bool PtyInstrument::WriteLine(std::string& outgoing) {
  if (outgoing.empty()) return true;
  const ssize_t written = write(terminal_->master_fd(), outgoing.data(), outgoing.size());
  if (written < 0) {
    // A full line takes the rest later.
    return errno == EAGAIN || errno == EINTR || Fail(SystemText("write"));
  }
  const auto count = static_cast<std::size_t>(written);
  bytes_written_ += static_cast<std::int64_t>(count);
  last_written_ = Now();
  if (trace_) trace_(last_written_, Direction::kOut, std::string_view(outgoing).substr(0, count));
  outgoing.erase(0, count);
  return true;
}

bool PtyInstrument::AwaitLine(std::optional<Millis> next_due, bool want_write) {
  int timeout_ms = -1;
  if (next_due) {
    timeout_ms = static_cast<int>(std::max<Millis::rep>(0, (*next_due - Now()).count()));
  }
  // Unread output is looked at again at least ten times a second.
  if (DropUnread(Now()) && (timeout_ms < 0 || timeout_ms > 100)) timeout_ms = 100;
  std::array<pollfd, 2> fds{};
  fds[0] = {wake_read_fd_, POLLIN, 0};
  fds[1] = {terminal_->master_fd(), static_cast<short>(want_write ? POLLIN | POLLOUT : POLLIN), 0};
  if (poll(fds.data(), fds.size(), timeout_ms) < 0) {
    return errno == EINTR || Fail(SystemText("poll"));
  }
  if (fds[0].revents != 0) {
    char drain[64];
    while (read(wake_read_fd_, drain, sizeof drain) > 0) {
    }
  }
  return (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) == 0 || ReadLine();
}

bool PtyInstrument::DropUnread(Millis now) {
  if (drop_unread_after_ <= Millis(0)) return false;
  // The kernel counts written bytes as unread only a moment after the write, so a zero count
  // right after one proves nothing: keep looking until well after the last write.
  const bool watching = now - last_written_ <= drop_unread_after_ + Millis(200);
  const auto unread = static_cast<std::int64_t>(terminal_->Unread());
  const std::int64_t taken = bytes_written_ - unread;
  if (unread == 0 || taken != bytes_taken_) {
    bytes_taken_ = taken;
    last_taken_ = now;
    return watching || unread != 0;
  }
  if (now - last_taken_ < drop_unread_after_) return true;
  // Discarding takes everything unread; never take output so fresh that a reader who has just
  // opened the line is about to read it.
  constexpr Millis kFreshOutput{500};
  if (now - last_written_ < kFreshOutput) return true;
  terminal_->DiscardUnread();
  bytes_written_ -= unread;
  last_taken_ = now;
  return watching;
}

bool PtyInstrument::ReadLine() {
  char bytes[256];
  const ssize_t count = read(terminal_->master_fd(), bytes, sizeof bytes);
  if (count < 0 && (errno == EAGAIN || errno == EINTR)) return true;
  if (count <= 0) return Fail(count == 0 ? "the pseudo-terminal closed" : SystemText("read"));
  const std::string_view received(bytes, static_cast<std::size_t>(count));
  const Millis now = Now();
  {
    std::lock_guard lock(mutex_);
    received_ += received;
    for (const char byte : received) instrument_.Receive(byte, now);
    all_sent_ = all_sent_ && !instrument_.NextDue();
  }
  received_changed_.notify_all();
  if (trace_) trace_(now, Direction::kIn, received);
  return true;
}

}  // namespace tarvik::sim
