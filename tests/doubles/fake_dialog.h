// A window made of plain records, read back by typed identifiers: every control exists unless
// the test removes it (a layout that lacks it).
#ifndef TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_
#define TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/dialog_view.h"

namespace tarvik::testing {

class FakeDialog : public DialogSurface {
 public:
  void RemoveControl(auto id) { missing_.insert(static_cast<int>(id)); }
  // Makes every write of the field's text raise its change notification, as edit fields do.
  void EchoTextChanges(auto id, DialogEvents& events) {
    echo_id_ = static_cast<int>(id);
    echo_to_ = &events;
  }
  // The user types into a field: its text changes and the window hears of it.
  void Type(auto id, std::string_view text, DialogEvents& events) {
    texts_[static_cast<int>(id)] = std::string(text);
    events.Command(static_cast<int>(id), Notification::kTextChanged);
  }

  // The user clicks a check box: it ticks or unticks itself and the window hears of it.
  void Click(auto id, DialogEvents& events) {
    CheckItem(static_cast<int>(id), !IsItemChecked(static_cast<int>(id)));
    events.Command(static_cast<int>(id), Notification::kClicked);
  }
  std::string Text(auto id) const { return GetItemText(static_cast<int>(id)); }
  bool Enabled(auto id) const { return !disabled_.count(static_cast<int>(id)); }
  bool Alerted(auto id) const { return alerted_.count(static_cast<int>(id)) != 0; }
  bool MenuEnabled(auto id) const { return !disabled_menu_.count(static_cast<int>(id)); }
  bool MenuChecked(auto id) const { return checked_menu_.count(static_cast<int>(id)) != 0; }
  // The period of a running timer, or 0; the result the window was ended with, or -1.
  bool HasTimer(int timer_id) const { return timers_.count(timer_id) != 0; }
  int TimerPeriod(int timer_id) const { return timers_.count(timer_id) ? timers_.at(timer_id) : 0; }
  int end_result() const { return end_result_; }

  void SetItemText(int id, std::string_view text) override {
    if (missing_.count(id)) return;
    texts_[id] = std::string(text);
    if (echo_to_ != nullptr && id == echo_id_) echo_to_->Command(id, Notification::kTextChanged);
  }
  std::string GetItemText(int id) const override {
    return texts_.count(id) ? texts_.at(id) : std::string();
  }
  void EnableItem(int id, bool enabled) override { Mark(disabled_, id, !enabled); }
  void SetItemAlert(int id, bool alert) override { Mark(alerted_, id, alert); }
  void EnableMenuItem(int command, bool enabled) override {
    Mark(disabled_menu_, command, !enabled);
  }
  void CheckMenuItem(int command, bool checked) override { Mark(checked_menu_, command, checked); }
  void StartTimer(int timer_id, int period_ms) override { timers_[timer_id] = period_ms; }
  void StopTimer(int timer_id) override { timers_.erase(timer_id); }
  void EndDialog(int result) override { end_result_ = result; }
  void CheckItem(int id, bool checked) override { Mark(checked_, id, checked); }
  bool IsItemChecked(int id) const override { return checked_.count(id) != 0; }
  void ClearList(int id) override {
    lists_[id].clear();
    selected_[id] = -1;
  }
  void AddListItem(int id, std::string_view text) override { lists_[id].emplace_back(text); }
  void SelectListItem(int id, int index) override {
    selected_[id] = index >= 0 && index < static_cast<int>(lists_[id].size()) ? index : -1;
  }
  std::string SelectedListText(int id) const override {
    const int index = selected_.count(id) ? selected_.at(id) : -1;
    return index < 0 ? std::string() : lists_.at(id)[index];
  }
  std::vector<std::string> List(auto id) const {
    return lists_.count(static_cast<int>(id)) ? lists_.at(static_cast<int>(id))
                                              : std::vector<std::string>();
  }

 private:
  void Mark(std::set<int>& marked, int id, bool on) {
    if (missing_.count(id)) return;
    on ? void(marked.insert(id)) : void(marked.erase(id));
  }
  std::set<int> missing_, disabled_, checked_, disabled_menu_, checked_menu_, alerted_;
  std::map<int, std::string> texts_;
  std::map<int, std::vector<std::string>> lists_;
  std::map<int, int> selected_;
  std::map<int, int> timers_;
  int end_result_ = -1, echo_id_ = 0;
  DialogEvents* echo_to_ = nullptr;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_
