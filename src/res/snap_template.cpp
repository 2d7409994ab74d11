#include "res/snap_template.h"

#include <array>

namespace tarvik {
namespace {

using enum ControlKind;

using templates::Id;

constexpr std::array kControls = {
    ControlTemplate{kNoControlId, kTextCentered, "Waiting for memory dump from qm307", 4, 9, 148,
                    8},
    ControlTemplate{kNoControlId, kText, "Bytes received", 40, 21, 52, 8},
    ControlTemplate{Id(SnapId::kByteCount), kText, "0", 96, 21, 24, 8},
    ControlTemplate{Id(SnapId::kSaveAndClose), kPushButton, "&Save and close", 3, 36, 61, 14},
    ControlTemplate{Id(SnapId::kClear), kPushButton, "&Clear", 66, 36, 38, 14},
    ControlTemplate{Id(SnapId::kGiveUp), kPushButton, "&Give up", 106, 36, 50, 14},
};

constexpr DialogTemplate kSnap{"Snap",   "Diagnostic Memory snap", 160, 56, "MS Sans Serif", 8,
                               kControls};

}  // namespace

const DialogTemplate& SnapTemplate() { return kSnap; }

}  // namespace tarvik
