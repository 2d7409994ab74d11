// A window without a screen: keeps each control's text and state, each list and the menu marks
// in memory.
#ifndef TARVIK_TESTS_DOUBLES_TEXT_DIALOG_H_
#define TARVIK_TESTS_DOUBLES_TEXT_DIALOG_H_

#include <map>
#include <string>
#include <vector>

#include "base/dialog_view.h"

namespace tarvik::testing {

class TextDialog : public DialogSurface {
 public:
  void SetItemText(int id, std::string_view text) override { texts_[id] = std::string(text); }
  std::string GetItemText(int id) const override {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
  }
  void EnableItem(int id, bool enabled) override { enabled_[id] = enabled; }
  void ShowItem(int id, bool shown) override { shown_[id] = shown; }
  void CheckItem(int id, bool checked) override { checked_[id] = checked; }
  bool IsItemChecked(int id) const override { return Lookup(checked_, id, false); }

  void ClearList(int id) override { lists_[id] = {}; }
  void AddListItem(int id, std::string_view text) override { lists_[id].items.emplace_back(text); }
  void SelectListItem(int id, int index) override {
    List& list = lists_[id];
    list.selected = index >= 0 && index < static_cast<int>(list.items.size()) ? index : -1;
  }
  int SelectedListIndex(int id) const override {
    auto it = lists_.find(id);
    return it == lists_.end() ? -1 : it->second.selected;
  }
  std::string SelectedListText(int id) const override {
    const int index = SelectedListIndex(id);
    return index < 0 ? std::string() : lists_.at(id).items[static_cast<std::size_t>(index)];
  }

  void EnableMenuItem(int command, bool enabled) override { menu_enabled_[command] = enabled; }
  void CheckMenuItem(int command, bool checked) override { menu_checked_[command] = checked; }

  void StartTimer(int timer_id, int period_ms) override { timers_[timer_id] = period_ms; }
  void StopTimer(int timer_id) override { timers_.erase(timer_id); }
  void EndDialog(int result) override { end_result_ = result; }

  // Whether the control was ever given a text.
  bool HasItemText(int id) const { return texts_.count(id) != 0; }
  // Controls and menu items count as enabled, shown and unchecked until told otherwise.
  bool ItemEnabled(int id) const { return Lookup(enabled_, id, true); }
  bool ItemShown(int id) const { return Lookup(shown_, id, true); }
  bool MenuItemEnabled(int command) const { return Lookup(menu_enabled_, command, true); }
  bool MenuItemChecked(int command) const { return Lookup(menu_checked_, command, false); }
  std::vector<std::string> ListItems(int id) const {
    auto it = lists_.find(id);
    return it == lists_.end() ? std::vector<std::string>() : it->second.items;
  }
  // The period of a running timer, or 0.
  int TimerPeriod(int timer_id) const {
    auto it = timers_.find(timer_id);
    return it == timers_.end() ? 0 : it->second;
  }
  // The result the window was ended with, or -1 while it runs.
  int end_result() const { return end_result_; }

 private:
  struct List {
    std::vector<std::string> items;
    int selected = -1;
  };

  static bool Lookup(const std::map<int, bool>& states, int id, bool fallback) {
    auto it = states.find(id);
    return it == states.end() ? fallback : it->second;
  }

  std::map<int, std::string> texts_;
  std::map<int, bool> enabled_;
  std::map<int, bool> shown_;
  std::map<int, bool> checked_;
  std::map<int, List> lists_;
  std::map<int, bool> menu_enabled_;
  std::map<int, bool> menu_checked_;
  std::map<int, int> timers_;
  int end_result_ = -1;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_TEXT_DIALOG_H_
