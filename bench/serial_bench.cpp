// The cost of looking at a port on which nothing has arrived, as the 20 ms poll does most of the
// time: it must return at once.
#include <benchmark/benchmark.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>

#include "link/serial_link.h"
#include "platform/posix/posix_serial_port.h"

namespace tarvik {
namespace {

void BM_EmptySerialReadOnPseudoTerminal(benchmark::State& state) {
  int master = -1;
  int slave = -1;
  std::array<char, 128> name{};
  if (::openpty(&master, &slave, name.data(), nullptr, nullptr) != 0) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  posix::PosixSerialPlatform platform;
  auto link = OpenSerialLink(platform, name.data());
  if (!link->open) {
    state.SkipWithError(link->error.text.c_str());
  } else {
    std::array<std::uint8_t, 200> buffer{};
    for (auto _ : state) benchmark::DoNotOptimize(SerialRead(link.get(), buffer));
  }
  CloseSerialLink(link);
  ::close(slave);
  ::close(master);
}
BENCHMARK(BM_EmptySerialReadOnPseudoTerminal);

}  // namespace
}  // namespace tarvik
