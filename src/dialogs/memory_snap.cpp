#include "dialogs/memory_snap.h"

namespace tarvik {

void MemorySnap::Initialize() {
  chronoscope_.BeginSnap();
  view_.StartTimer(kTimerId, kTimerPeriodMs);
  ShowCount();
}

void MemorySnap::Tick(int /*timer_id*/) {
  if (chronoscope_.SnapPoll(clock_.NowMs())) ShowCount();
}

void MemorySnap::ShowCount() {
  view_.SetItemUnsigned(SnapId::kByteCount,
                        static_cast<std::uint32_t>(chronoscope_.SnapBytes().size()));
}

// Gives the line back to the main window's timer.
void MemorySnap::End() {
  chronoscope_.EndSnap();
  view_.EndDialog(0);
}

void MemorySnap::OnCommand(SnapId id, Notification) {
  switch (id) {
    case SnapId::kSaveAndClose: {
      const std::span<const std::uint8_t> bytes = chronoscope_.SnapBytes();
      files_.ReplaceWhole(kSnapFile, std::string(bytes.begin(), bytes.end()));
      End();
      break;
    }
    case SnapId::kClear:
      chronoscope_.ClearSnap();
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
