#include "app/text_view.h"

namespace tarvik {

void TextView::SetItemText(int control_id, std::string_view text) {
  texts_[control_id] = std::string(text);
}

std::string TextView::GetItemText(int control_id) const {
  auto it = texts_.find(control_id);
  return it == texts_.end() ? std::string() : it->second;
}

void TextView::EnableItem(int control_id, bool enabled) { enabled_[control_id] = enabled; }
void TextView::CheckItem(int control_id, bool checked) { checked_[control_id] = checked; }
void TextView::EnableMenuItem(int command_id, bool enabled) { menu_enabled_[command_id] = enabled; }
void TextView::CheckMenuItem(int command_id, bool checked) { menu_checked_[command_id] = checked; }

}  // namespace tarvik
