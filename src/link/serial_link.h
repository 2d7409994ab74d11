// The program's one connection to the instrument: the configured serial port, opened at 9600
// baud, 8 data bits, no parity, one stop bit, no XON/XOFF, DTR and RTS on, with reads that never
// wait. A link that failed to open stays in place: reads return 0 and writes send nothing.
#ifndef TARVIK_LINK_SERIAL_LINK_H_
#define TARVIK_LINK_SERIAL_LINK_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace tarvik {

struct SerialLink {
  std::unique_ptr<SerialPort> port;  // held from a successful device open until the close
  bool open = false;  // the port is open, every configuration step succeeded and it is there
  bool lost = false;  // the device went away after the open; `open` was cleared then
  PortError error;    // why the open failed, when it did
};

// Size, terminator included, of the failure message's text buffer.
inline constexpr std::size_t kFailureTextSize = 100;

// Opens and configures the named port. The result always exists; `open` tells whether it is
// usable, and a caller reports a failed open to the user straight away.
std::unique_ptr<SerialLink> OpenSerialLink(SerialPlatform& platform, std::string_view port_name);
// Releases the device if one is held and frees the link; `link` is empty afterwards.
void CloseSerialLink(std::unique_ptr<SerialLink>& link);

// The operations on the link in use (`current`, which may be null). A link that is not open
// makes them return 0 without touching the port; a failed read or write returns 0 too and leaves
// the link open, so later calls try again. A port whose device has gone away can never succeed
// again: the link is then marked lost and no longer open, for its owner to replace.
int SerialRead(SerialLink* current, std::span<std::uint8_t> destination);
int SerialWrite(SerialLink* current, std::string_view text);

// One read as SerialRead makes it, telling a line that had nothing to give (the port answered
// with no bytes) from a read that was not made or failed, which says nothing about the line.
struct LineRead {
  int count = 0;
  bool answered = false;
};
LineRead ReadLine(SerialLink* current, std::span<std::uint8_t> destination);

// "<title> <port>\r\n<system text>", cut so that it fits a buffer of kFailureTextSize with its
// terminator; a cut text ends in "..." and never splits a character.
std::string ComposeSerialFailureText(std::string_view title, std::string_view port_name,
                                     std::string_view system_text);

}  // namespace tarvik

#endif  // TARVIK_LINK_SERIAL_LINK_H_
