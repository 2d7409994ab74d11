// Serial platforms for tests: ports that are queues in memory with scripted failures, and a port
// to the simulated instrument's model on the test's clock.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_
#define TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_

#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "link/serial_port.h"
#include "qm307sim/instrument.h"

namespace tarvik::testing {

struct FakeLine {  // the instrument's side of a port; it outlives the port for tests to inspect
  std::string to_program;  // bytes waiting to be read
  bool fail_reads = false, fail_writes = false;
  bool gone = false;          // the device was pulled out: every call says so
  int reads = 0, writes = 0;  // calls of Read and Write
  bool closed = false;
};

class FakeSerialPort : public SerialPort {
 public:
  explicit FakeSerialPort(std::shared_ptr<FakeLine> line) : line_(std::move(line)) {}
  ~FakeSerialPort() override { line_->closed = true; }

  int Read(std::span<std::uint8_t> destination) override {
    ++line_->reads;
    if (line_->gone) return kPortGone;
    if (line_->fail_reads) return kPortFailed;
    const std::size_t n =
        line_->to_program.copy(reinterpret_cast<char*>(destination.data()), destination.size());
    line_->to_program.erase(0, n);
    return static_cast<int>(n);
  }
  int Write(std::string_view bytes) override {
    ++line_->writes;
    if (line_->gone) return kPortGone;
    return line_->fail_writes ? kPortFailed : static_cast<int>(bytes.size());
  }

 private:
  std::shared_ptr<FakeLine> line_;
};

class FakeSerialPlatform : public SerialPlatform {
 public:
  PortOpenResult OpenPort(std::string_view port_name) override {
    opened.emplace_back(port_name);
    if (line != nullptr && !line->closed) ++opened_while_another_held;
    PortOpenResult result{.port = nullptr, .configured = open_error.code == 0, .error = open_error};
    if (!result.configured && !hand_out_port_on_error) return result;
    line = std::make_shared<FakeLine>();
    result.port = std::make_unique<FakeSerialPort>(line);
    return result;
  }
  std::vector<std::string> EnumeratePorts(std::string_view) override { return present; }

  PortError open_error;                 // code 0: the open succeeds
  bool hand_out_port_on_error = false;  // a configuration step failed after the device opened
  std::shared_ptr<FakeLine> line;
  std::vector<std::string> opened;
  std::vector<std::string> present;  // the ports listed
  int opened_while_another_held = 0;
};

// A write reaches the instrument at the clock's time and a read takes what it has sent by then, so
// replies and shots land before, inside or after each of the program's waits as scheduled.
class SimulatedPlatform : public SerialPlatform {
 public:
  explicit SimulatedPlatform(const Clock& clock) : clock_(clock) {}

  PortOpenResult OpenPort(std::string_view) override {
    return {.port = std::make_unique<Port>(*this), .configured = true, .error = {}};
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
      const std::size_t n =
          arrived_.copy(reinterpret_cast<char*>(destination.data()), destination.size());
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

  sim::Millis Now() const { return sim::Millis(clock_.NowMs()); }

  const Clock& clock_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_
