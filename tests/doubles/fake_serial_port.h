// A serial platform whose ports are queues in memory, with scripted failures.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_
#define TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace tarvik::testing {

// What the instrument side of a fake port holds; it outlives the port so tests can inspect it.
struct FakeLine {
  std::string to_program;    // bytes waiting to be read
  std::string from_program;  // bytes written so far
  bool fail_reads = false;
  bool fail_writes = false;
  int reads = 0;
  int writes = 0;
  bool closed = false;
};

class FakeSerialPort : public SerialPort {
 public:
  explicit FakeSerialPort(std::shared_ptr<FakeLine> line) : line_(std::move(line)) {}
  ~FakeSerialPort() override { line_->closed = true; }

  int Read(std::span<std::uint8_t> destination) override {
    ++line_->reads;
    if (line_->fail_reads) return -1;
    const std::size_t n = std::min(destination.size(), line_->to_program.size());
    std::copy_n(line_->to_program.begin(), n, destination.begin());
    line_->to_program.erase(0, n);
    return static_cast<int>(n);
  }
  int Write(std::string_view bytes) override {
    ++line_->writes;
    if (line_->fail_writes) return -1;
    line_->from_program.append(bytes);
    return static_cast<int>(bytes.size());
  }

 private:
  std::shared_ptr<FakeLine> line_;
};

class FakeSerialPlatform : public SerialPlatform {
 public:
  PortOpenResult OpenPort(std::string_view port_name) override {
    opened.emplace_back(port_name);
    if (line != nullptr && !line->closed) ++opened_while_another_held;
    PortOpenResult result;
    if (open_error.code != 0 && !hand_out_port_on_error) {
      result.error = open_error;
      return result;
    }
    line = std::make_shared<FakeLine>();
    result.port = std::make_unique<FakeSerialPort>(line);
    result.configured = open_error.code == 0;
    result.error = open_error;
    return result;
  }
  std::vector<std::string> EnumeratePorts(std::string_view) override { return {}; }

  PortError open_error;                 // code 0: the open succeeds
  bool hand_out_port_on_error = false;  // a configuration step failed after the device opened
  std::shared_ptr<FakeLine> line;
  std::vector<std::string> opened;
  int opened_while_another_held = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_SERIAL_PORT_H_
