// A window's controls and menu, addressed by control or command identifier. The window logic
// talks to its window only through this, so it runs the same against a real window, another
// language's layout or a test double. A control that the active layout lacks is skipped
// silently by every call (the German main window, for instance, has no count field).
#ifndef TARVIK_BASE_DIALOG_VIEW_H_
#define TARVIK_BASE_DIALOG_VIEW_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual void SetItemText(int control_id, std::string_view text) = 0;
  // The control's text; empty when the layout lacks the control.
  virtual std::string GetItemText(int control_id) const = 0;
  virtual void EnableItem(int control_id, bool enabled) = 0;
  virtual void CheckItem(int control_id, bool checked) = 0;
  // Menu items, addressed by their command identifier.
  virtual void EnableMenuItem(int command_id, bool enabled) = 0;
  virtual void CheckMenuItem(int command_id, bool checked) = 0;

  // Shows an unsigned number in plain decimal, as a count field does.
  void SetItemUnsigned(int control_id, std::uint32_t value);
};

}  // namespace tarvik

#endif  // TARVIK_BASE_DIALOG_VIEW_H_
