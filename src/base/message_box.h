// Message boxes with an OK button, owned by the window that shows them.
#ifndef TARVIK_BASE_MESSAGE_BOX_H_
#define TARVIK_BASE_MESSAGE_BOX_H_

#include <string_view>

namespace tarvik {

class MessageBoxView {
 public:
  virtual ~MessageBoxView() = default;
  // Shows the text modally and returns when the user has closed the box.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_MESSAGE_BOX_H_
