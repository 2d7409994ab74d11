// Keeps the messages shown instead of showing them.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_MESSAGE_BOX_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_MESSAGE_BOX_H_

#include <string>
#include <vector>

#include "base/message_box.h"

namespace tarvik::testing {

class RecordingMessageBox : public MessageBoxView {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    shown.emplace_back(text);
    captions.emplace_back(caption);
  }
  std::vector<std::string> shown;
  std::vector<std::string> captions;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_MESSAGE_BOX_H_
