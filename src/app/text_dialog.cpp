#include "app/text_dialog.h"

namespace tarvik {

std::string TextDialog::GetItemText(int id) const {
  auto it = texts_.find(id);
  return it == texts_.end() ? std::string() : it->second;
}

void TextDialog::AddListItem(int id, std::string_view text) { lists_[id].items.emplace_back(text); }

void TextDialog::SelectListItem(int id, int index) {
  List& list = lists_[id];
  const bool valid = index >= 0 && index < static_cast<int>(list.items.size());
  list.selected = valid ? index : -1;
}

int TextDialog::SelectedListIndex(int id) const {
  auto it = lists_.find(id);
  return it == lists_.end() ? -1 : it->second.selected;
}

std::string TextDialog::SelectedListText(int id) const {
  const int index = SelectedListIndex(id);
  return index < 0 ? std::string() : lists_.at(id).items[static_cast<std::size_t>(index)];
}

std::vector<std::string> TextDialog::ListItems(int id) const {
  auto it = lists_.find(id);
  return it == lists_.end() ? std::vector<std::string>() : it->second.items;
}

int TextDialog::TimerPeriod(int timer_id) const {
  auto it = timers_.find(timer_id);
  return it == timers_.end() ? 0 : it->second;
}

}  // namespace tarvik
