// A window made of plain records: every control exists unless the test removes it (a layout that
// lacks it), every change can be written to an event log, and reads take typed identifiers.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_
#define TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_

#include <set>
#include <string>

#include "doubles/event_log.h"
#include "doubles/text_dialog.h"

namespace tarvik::testing {

class FakeDialog : public TextDialog {
 public:
  explicit FakeDialog(EventLog* log = nullptr) : log_(log) {}

  template <typename Id>
  void RemoveControl(Id id) {
    missing_.insert(static_cast<int>(id));
  }
  template <typename Id>
  std::string Text(Id id) const {
    return GetItemText(static_cast<int>(id));
  }
  template <typename Id>
  bool HasText(Id id) const {
    return HasItemText(static_cast<int>(id));
  }
  template <typename Id>
  bool Enabled(Id id) const {
    return ItemEnabled(static_cast<int>(id));
  }
  template <typename Id>
  bool MenuEnabled(Id id) const {
    return MenuItemEnabled(static_cast<int>(id));
  }
  template <typename Id>
  bool MenuChecked(Id id) const {
    return MenuItemChecked(static_cast<int>(id));
  }

  // Makes every write of the field's text raise its change notification, as an edit field's
  // does on every platform.
  template <typename Id>
  void EchoTextChanges(Id id, DialogEvents& events) {
    echo_id_ = static_cast<int>(id);
    echo_to_ = &events;
  }
  // The user types into a field: its text changes and the window hears of it.
  template <typename Id>
  void Type(Id id, std::string_view text, DialogEvents& events) {
    TextDialog::SetItemText(static_cast<int>(id), text);
    events.Command(static_cast<int>(id), Notification::kTextChanged);
  }

  void SetItemText(int id, std::string_view text) override {
    if (missing_.count(id)) return;
    TextDialog::SetItemText(id, text);
    Log("text " + std::to_string(id) + "=" + std::string(text));
    if (echo_to_ != nullptr && id == echo_id_) echo_to_->Command(id, Notification::kTextChanged);
  }
  void EnableItem(int id, bool enabled) override {
    if (missing_.count(id)) return;
    TextDialog::EnableItem(id, enabled);
    Log("enable " + std::to_string(id) + (enabled ? " on" : " off"));
  }
  void EnableMenuItem(int command, bool enabled) override {
    TextDialog::EnableMenuItem(command, enabled);
    Log("menu " + std::to_string(command) + (enabled ? " on" : " off"));
  }

 private:
  void Log(std::string event) {
    if (log_ != nullptr) log_->Add(std::move(event));
  }

  EventLog* log_;
  std::set<int> missing_;
  int echo_id_ = 0;
  DialogEvents* echo_to_ = nullptr;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_DIALOG_H_
