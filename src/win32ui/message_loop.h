// The message loop of a modal window of ours: it runs until `done` is set, turns the keys of the
// window's menu into its commands, passes keyboard messages to the dialog they belong to (the
// modal one and any modeless one beside it), and leaves a WM_QUIT for the loop outside it.
#ifndef TARVIK_WIN32UI_MESSAGE_LOOP_H_
#define TARVIK_WIN32UI_MESSAGE_LOOP_H_

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// `accelerators` (may be null) are translated for messages to `window` and the windows in it.
void RunMessageLoop(const bool& done, HWND window = nullptr, HACCEL accelerators = nullptr);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_MESSAGE_LOOP_H_
