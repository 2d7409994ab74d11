// A window made of plain records: every control exists unless the test removes it (a layout that
// lacks it), and every change can be written to an event log.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_
#define TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_

#include <map>
#include <set>
#include <string>

#include "base/dialog_view.h"
#include "doubles/event_log.h"

namespace tarvik::testing {

class FakeDialogView : public DialogView {
 public:
  explicit FakeDialogView(EventLog* log = nullptr) : log_(log) {}

  void RemoveControl(int id) { missing_.insert(id); }

  void SetItemText(int id, std::string_view text) override {
    if (missing_.count(id)) return;
    texts_[id] = std::string(text);
    Log("text " + std::to_string(id) + "=" + std::string(text));
  }
  std::string GetItemText(int id) const override {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
  }
  void EnableItem(int id, bool enabled) override {
    if (missing_.count(id)) return;
    enabled_[id] = enabled;
    Log("enable " + std::to_string(id) + (enabled ? " on" : " off"));
  }
  void CheckItem(int id, bool checked) override {
    if (missing_.count(id)) return;
    checked_[id] = checked;
    Log("check " + std::to_string(id) + (checked ? " on" : " off"));
  }
  void EnableMenuItem(int id, bool enabled) override {
    menu_enabled_[id] = enabled;
    Log("menu " + std::to_string(id) + (enabled ? " on" : " off"));
  }
  void CheckMenuItem(int id, bool checked) override {
    menu_checked_[id] = checked;
    Log("menucheck " + std::to_string(id) + (checked ? " on" : " off"));
  }

  bool HasText(int id) const { return texts_.count(id) != 0; }
  std::string Text(int id) const { return GetItemText(id); }
  bool Enabled(int id) const { return enabled_.at(id); }
  bool MenuEnabled(int id) const { return menu_enabled_.at(id); }
  bool MenuChecked(int id) const { return menu_checked_.at(id); }

 private:
  void Log(std::string event) {
    if (log_ != nullptr) log_->Add(std::move(event));
  }

  EventLog* log_;
  std::set<int> missing_;
  std::map<int, std::string> texts_;
  std::map<int, bool> enabled_;
  std::map<int, bool> checked_;
  std::map<int, bool> menu_enabled_;
  std::map<int, bool> menu_checked_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_
