// Windows opened over a window, made as plain records and run by a script of the test: what the
// user and the timer do while the window is up.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_
#define TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_

#include <functional>
#include <string>
#include <vector>

#include "dialogs/window_factory.h"
#include "doubles/fake_dialog.h"

namespace tarvik::testing {

class FakeWindows : public WindowFactory {
 public:
  using Script = std::function<void(DialogEvents& logic, FakeDialog& window)>;

  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override {
    opened.emplace_back(dialog.name);
    FakeDialog window;
    const std::unique_ptr<DialogEvents> logic = make_logic(window);
    logic->Initialize();
    if (script) script(*logic, window);
    logic->Destroyed();
    return window.end_result();
  }

  Script script;
  std::vector<std::string> opened;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_
