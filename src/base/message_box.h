// Message boxes with an OK button, or a question with Yes and No, owned by the window that shows
// them.
#ifndef TARVIK_BASE_MESSAGE_BOX_H_
#define TARVIK_BASE_MESSAGE_BOX_H_

#include <string_view>

namespace tarvik {

class MessageBoxView {
 public:
  virtual ~MessageBoxView() = default;
  // Shows the text modally and returns when the user has closed the box.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  // Asks the question modally with Yes and No, No the default (Enter and Escape); true for Yes.
  virtual bool AskYesNo(std::string_view question, std::string_view caption) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_MESSAGE_BOX_H_
