#include "qm307sim/instrument.h"

#include <algorithm>
#include <random>
#include <utility>

#include "qm307sim/byte_text.h"

namespace tarvik::sim {

Millis* DelayFor(ReplyDelays& delays, char command) {
  switch (command) {
    case 'p':
      return &delays.version;
    case 't':
      return &delays.pointers;
    case 'b':
    case 'B':
      return &delays.back;
    case 'r':
      return &delays.reset;
    case 'n':
      return &delays.fire;
    default:
      return nullptr;
  }
}

std::string VersionReply(char version_char) {
  std::string reply = "v";
  reply += version_char;
  reply += "\r\n";
  return reply;
}

std::string PointerReply(std::uint16_t next, std::uint16_t empty) {
  return " n:" + HexText(next, 4) + " e:" + HexText(empty, 4) + "\r\n";
}

std::string DumpBytes(std::size_t count) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(i % 256);
  return bytes;
}

std::string NoiseBytes(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::string noise;
  while (noise.size() < count) {
    const auto byte = static_cast<char>(random() % 256);
    if (byte != '\r' && byte != '\n') noise += byte;
  }
  return noise;
}

Instrument::Instrument(InstrumentOptions options) : options_(std::move(options)) {}

void Instrument::Receive(char byte, Millis now) {
  if (!options_.tab_present) return;
  const ReplyDelays& delays = options_.delays;
  switch (byte) {
    case 'p':
      ScheduleReply(now + delays.version, VersionReply(options_.version_char));
      break;
    case 't':
      ScheduleReply(now + delays.pointers, PointerReply(tab_.NextPointer(), tab_.EmptyPointer()));
      break;
    case 'n':
      if (const auto reading = tab_.FireNext()) {
        Schedule(now + delays.fire, ReadingText(*reading));
      }
      break;
    case 'b':
      tab_.StepBack(1);
      ScheduleReply(now + delays.back, "b\r\n");
      break;
    case 'B':
      tab_.StepBack(10);
      ScheduleReply(now + delays.back, "B\r\n");
      break;
    case 'r':
      tab_.Reset();
      ScheduleReply(now + delays.reset, "OK\r\n");
      break;
    default:
      break;  // the instrument ignores anything else
  }
}

void Instrument::FireShot(const Reading& reading, Millis now) {
  if (options_.tab_present) tab_.RecordFired(reading);
  Schedule(now, ReadingText(reading));
}

bool Instrument::StoreShot(const Reading& reading) {
  if (!options_.tab_present) return false;
  tab_.Store(reading);
  return true;
}

void Instrument::SendRaw(std::string bytes, Millis now) { Schedule(now, std::move(bytes)); }

void Instrument::SendDump(std::size_t count, Millis now) { Schedule(now, DumpBytes(count)); }

std::string Instrument::TakeDue(Millis now) {
  std::string bytes;
  for (std::optional<Millis> at = NextDue(); at && *at <= now; at = NextDue()) {
    const Output& output = pending_.front();
    if (options_.byte_time == Millis(0)) {
      bytes += output.bytes.substr(sent_);
      sent_ = output.bytes.size();
    } else {
      bytes += output.bytes[sent_++];
    }
    last_byte_ = *at;
    if (sent_ == output.bytes.size()) {
      pending_.erase(pending_.begin());
      sent_ = 0;
    }
  }
  return bytes;
}

std::optional<Millis> Instrument::NextDue() const {
  if (pending_.empty()) return std::nullopt;
  // One byte at a time: the next one follows the last after a byte's time, and an output waits
  // for the line to be free.
  if (!last_byte_ || options_.byte_time == Millis(0)) return pending_.front().due;
  const Millis line_free = *last_byte_ + options_.byte_time;
  return sent_ > 0 ? line_free : std::max(pending_.front().due, line_free);
}

void Instrument::Schedule(Millis due, std::string bytes) {
  if (bytes.empty()) return;
  // After everything due at the same time or earlier, so that equal times keep their order, and
  // never before an output already going out.
  auto place =
      std::upper_bound(pending_.begin(), pending_.end(), due,
                       [](Millis time, const Output& output) { return time < output.due; });
  if (sent_ > 0 && place == pending_.begin()) ++place;
  pending_.insert(place, Output{due, std::move(bytes)});
}

void Instrument::ScheduleReply(Millis due, std::string reply) {
  Schedule(due, std::move(reply) + options_.reply_tail);
}

}  // namespace tarvik::sim
