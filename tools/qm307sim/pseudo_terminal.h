// A pseudo-terminal pair set up as a serial line the program can open: the slave device path is
// what the program is given, the master side is where the instrument reads and writes.
#ifndef TARVIK_TOOLS_QM307SIM_PSEUDO_TERMINAL_H_
#define TARVIK_TOOLS_QM307SIM_PSEUDO_TERMINAL_H_

#include <cstddef>
#include <memory>
#include <string>

namespace tarvik::sim {

class PseudoTerminal {
 public:
  // A new pair: the master non-blocking, the slave raw at 9600 baud before any byte is written
  // (otherwise the line discipline turns the readings' carriage returns into line feeds).
  // Nothing, with the reason in `error`, when the system refuses.
  static std::unique_ptr<PseudoTerminal> Open(std::string* error);
  ~PseudoTerminal();

  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int master_fd() const { return master_fd_; }
  // Bytes the instrument wrote that no process has read yet, and their removal.
  std::size_t Unread() const;
  void DiscardUnread();
  // "/dev/pts/N"; the device disappears when this object is destroyed.
  const std::string& device_path() const { return device_path_; }

 private:
  PseudoTerminal(int master_fd, int slave_fd, std::string device_path);

  int master_fd_;
  // Held open for the whole life of the pair: while no process has the slave open, reads on
  // the master fail with EIO, which would happen each time the program closes the port.
  int slave_fd_;
  std::string device_path_;
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_PSEUDO_TERMINAL_H_
