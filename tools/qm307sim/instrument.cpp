#include "qm307sim/instrument.h"

#include <algorithm>
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

Instrument::Instrument(InstrumentOptions options) : options_(options) {}

void Instrument::Receive(char byte, Millis now) {
  if (!options_.tab_present) return;
  const ReplyDelays& delays = options_.delays;
  switch (byte) {
    case 'p':
      Schedule(now + delays.version, VersionReply(options_.version_char));
      break;
    case 't':
      Schedule(now + delays.pointers, PointerReply(tab_.NextPointer(), tab_.EmptyPointer()));
      break;
    case 'n':
      if (const auto reading = tab_.FireNext()) {
        Schedule(now + delays.fire, ReadingText(*reading));
      }
      break;
    case 'b':
      tab_.StepBack(1);
      Schedule(now + delays.back, "b\r\n");
      break;
    case 'B':
      tab_.StepBack(10);
      Schedule(now + delays.back, "B\r\n");
      break;
    case 'r':
      tab_.Reset();
      Schedule(now + delays.reset, "OK\r\n");
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
  const auto first_later = std::find_if(pending_.begin(), pending_.end(),
                                        [now](const Output& output) { return output.due > now; });
  std::string bytes;
  for (auto it = pending_.begin(); it != first_later; ++it) bytes += it->bytes;
  pending_.erase(pending_.begin(), first_later);
  return bytes;
}

std::optional<Millis> Instrument::NextDue() const {
  if (pending_.empty()) return std::nullopt;
  return pending_.front().due;
}

void Instrument::Schedule(Millis due, std::string bytes) {
  if (bytes.empty()) return;
  // After everything due at the same time or earlier, so that equal times keep their order.
  const auto place =
      std::upper_bound(pending_.begin(), pending_.end(), due,
                       [](Millis time, const Output& output) { return time < output.due; });
  pending_.insert(place, Output{due, std::move(bytes)});
}

}  // namespace tarvik::sim
