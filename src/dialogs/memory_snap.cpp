#include "dialogs/memory_snap.h"

namespace tarvik {

void MemorySnap::Initialize() {
  chronoscope_.receive_buffer().fill = 0;
  chronoscope_.DropReadingInProgress();
  view_.StartTimer(kTimerId, kTimerPeriodMs);
  ShowCount();
}

void MemorySnap::Tick(int /*timer_id*/) {
  ReceiveBuffer& buffer = chronoscope_.receive_buffer();
  const int n = SerialRead(chronoscope_.current_link(), buffer.FreeSpace());
  if (n <= 0) return;
  buffer.fill += n;
  ShowCount();
}

void MemorySnap::ShowCount() {
  view_.SetItemUnsigned(SnapId::kByteCount,
                        static_cast<std::uint32_t>(chronoscope_.receive_buffer().fill));
}

// Leaves the buffer empty, so that the main window's timer starts afresh.
void MemorySnap::End() {
  chronoscope_.receive_buffer().fill = 0;
  view_.EndDialog(0);
}

void MemorySnap::OnCommand(SnapId id, Notification) {
  switch (id) {
    case SnapId::kSaveAndClose: {
      const ReceiveBuffer& buffer = chronoscope_.receive_buffer();
      files_.ReplaceWhole(kSnapFile,
                          std::string(buffer.bytes.begin(), buffer.bytes.begin() + buffer.fill));
      End();
      break;
    }
    case SnapId::kClear:
      chronoscope_.receive_buffer().fill = 0;
      ShowCount();
      break;
    case SnapId::kGiveUp:
      End();
      break;
    default:
      break;
  }
}

}  // namespace tarvik
