// A window without a screen: keeps each control's text, state and menu marks in memory. The
// console front end reads the fields from it to print them.
#ifndef TARVIK_APP_TEXT_VIEW_H_
#define TARVIK_APP_TEXT_VIEW_H_

#include <map>
#include <string>

#include "base/dialog_view.h"

namespace tarvik {

class TextView final : public DialogView {
 public:
  void SetItemText(int control_id, std::string_view text) override;
  std::string GetItemText(int control_id) const override;
  void EnableItem(int control_id, bool enabled) override;
  void CheckItem(int control_id, bool checked) override;
  void EnableMenuItem(int command_id, bool enabled) override;
  void CheckMenuItem(int command_id, bool checked) override;

  // Whether the control was ever given a text.
  bool HasItemText(int control_id) const { return texts_.count(control_id) != 0; }
  // Controls and menu items count as enabled and unchecked until told otherwise.
  bool ItemEnabled(int control_id) const { return Lookup(enabled_, control_id, true); }
  bool ItemChecked(int control_id) const { return Lookup(checked_, control_id, false); }
  bool MenuItemEnabled(int command_id) const { return Lookup(menu_enabled_, command_id, true); }
  bool MenuItemChecked(int command_id) const { return Lookup(menu_checked_, command_id, false); }

 private:
  static bool Lookup(const std::map<int, bool>& states, int id, bool fallback) {
    auto it = states.find(id);
    return it == states.end() ? fallback : it->second;
  }

  std::map<int, std::string> texts_;
  std::map<int, bool> enabled_;
  std::map<int, bool> checked_;
  std::map<int, bool> menu_enabled_;
  std::map<int, bool> menu_checked_;
};

}  // namespace tarvik

#endif  // TARVIK_APP_TEXT_VIEW_H_
