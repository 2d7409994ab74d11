// The memory snap "Snap": a small dialog that counts the bytes of a memory dump as they arrive.
// English only.
#ifndef TARVIK_RES_SNAP_TEMPLATE_H_
#define TARVIK_RES_SNAP_TEMPLATE_H_

#include "res/dialog_template.h"

namespace tarvik {

enum class SnapId : int {
  kSaveAndClose = 1,
  kGiveUp = 2,  // also what Escape and the close box give
  kByteCount = 600,
  kClear = 601,
};

const DialogTemplate& SnapTemplate();

}  // namespace tarvik

#endif  // TARVIK_RES_SNAP_TEMPLATE_H_
