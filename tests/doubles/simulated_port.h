// A serial platform whose port leads to the simulated instrument's model, on the test's clock:
// what the program writes reaches the instrument at the clock's time, and a read takes what the
// instrument has sent by then. The program's fixed waits move that clock, so the instrument's
// replies and shots land before, inside or after each wait exactly as scheduled, with no real
// time passing.
#ifndef TARVIK_TESTS_DOUBLES_SIMULATED_PORT_H_
#define TARVIK_TESTS_DOUBLES_SIMULATED_PORT_H_

#include <algorithm>
#include <string>

#include "base/clock.h"
#include "link/serial_port.h"
#include "qm307sim/instrument.h"

namespace tarvik::testing {

class SimulatedPlatform : public SerialPlatform {
 public:
  explicit SimulatedPlatform(const Clock& clock, sim::InstrumentOptions options = {})
      : instrument(options), clock_(clock) {}

  sim::Millis Now() const { return sim::Millis(clock_.NowMs()); }

  PortOpenResult OpenPort(std::string_view) override {
    PortOpenResult result;
    result.port = std::make_unique<Port>(*this);
    result.configured = true;
    return result;
  }
  std::vector<std::string> EnumeratePorts(std::string_view) override { return {}; }

  sim::Instrument instrument;
  std::string written;  // everything the program sent

 private:
  class Port : public SerialPort {
   public:
    explicit Port(SimulatedPlatform& platform) : platform_(platform) {}
    int Read(std::span<std::uint8_t> destination) override {
      arrived_ += platform_.instrument.TakeDue(platform_.Now());
      const std::size_t n = std::min(destination.size(), arrived_.size());
      std::copy_n(arrived_.begin(), n, destination.begin());
      arrived_.erase(0, n);
      return static_cast<int>(n);
    }
    int Write(std::string_view bytes) override {
      for (const char byte : bytes) platform_.instrument.Receive(byte, platform_.Now());
      platform_.written += bytes;
      return static_cast<int>(bytes.size());
    }

   private:
    SimulatedPlatform& platform_;
    std::string arrived_;  // sent by the instrument, not read yet
  };

  const Clock& clock_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_SIMULATED_PORT_H_
