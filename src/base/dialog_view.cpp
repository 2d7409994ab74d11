#include "base/dialog_view.h"

#include "base/number_text.h"

namespace tarvik {

void DialogView::SetItemUnsigned(int control_id, std::uint32_t value) {
  SetItemText(control_id, FormatUnsigned(value));
}

}  // namespace tarvik
