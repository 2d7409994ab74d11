// A window made of plain records: every control exists unless the test removes it (a layout that
// lacks it), and every change can be written to an event log.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_
#define TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_

#include <set>
#include <string>

#include "app/text_view.h"
#include "doubles/event_log.h"

namespace tarvik::testing {

class FakeDialogView : public DialogView {
 public:
  explicit FakeDialogView(EventLog* log = nullptr) : log_(log) {}

  void RemoveControl(int id) { missing_.insert(id); }

  void SetItemText(int id, std::string_view text) override {
    if (missing_.count(id)) return;
    store_.SetItemText(id, text);
    Log("text " + std::to_string(id) + "=" + std::string(text));
  }
  std::string GetItemText(int id) const override { return store_.GetItemText(id); }
  void EnableItem(int id, bool enabled) override {
    if (missing_.count(id)) return;
    store_.EnableItem(id, enabled);
    Log("enable " + std::to_string(id) + (enabled ? " on" : " off"));
  }
  void CheckItem(int id, bool checked) override {
    if (missing_.count(id)) return;
    store_.CheckItem(id, checked);
    Log("check " + std::to_string(id) + (checked ? " on" : " off"));
  }
  void EnableMenuItem(int id, bool enabled) override {
    store_.EnableMenuItem(id, enabled);
    Log("menu " + std::to_string(id) + (enabled ? " on" : " off"));
  }
  void CheckMenuItem(int id, bool checked) override {
    store_.CheckMenuItem(id, checked);
    Log("menucheck " + std::to_string(id) + (checked ? " on" : " off"));
  }

  bool HasText(int id) const { return store_.HasItemText(id); }
  std::string Text(int id) const { return store_.GetItemText(id); }
  bool Enabled(int id) const { return store_.ItemEnabled(id); }
  bool MenuEnabled(int id) const { return store_.MenuItemEnabled(id); }
  bool MenuChecked(int id) const { return store_.MenuItemChecked(id); }

 private:
  void Log(std::string event) {
    if (log_ != nullptr) log_->Add(std::move(event));
  }

  EventLog* log_;
  std::set<int> missing_;
  TextView store_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_DIALOG_VIEW_H_
