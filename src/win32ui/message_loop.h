// The message loop of a modal window of ours: it runs until `done` is set, passes keyboard
// messages to the dialog they belong to (the modal one and any modeless one beside it), and
// leaves a WM_QUIT for the loop outside it.
#ifndef TARVIK_WIN32UI_MESSAGE_LOOP_H_
#define TARVIK_WIN32UI_MESSAGE_LOOP_H_

namespace tarvik::win32ui {

void RunMessageLoop(const bool& done);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_MESSAGE_LOOP_H_
