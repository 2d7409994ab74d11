// Help on the windows' controls: each window's table of its controls and the topics that tell
// about them, and the call a window makes when the user asks about one of its controls.
#ifndef TARVIK_DIALOGS_HELP_H_
#define TARVIK_DIALOGS_HELP_H_

#include <span>

#include "base/dialog_view.h"
#include "base/help_viewer.h"
#include "res/config_templates.h"
#include "res/main_window_ids.h"

namespace tarvik {

// The topic "Using help", shown by the Help menu's "Using help".
inline constexpr int kUsingHelpContext = 1005;

// A control and the help context of the topic that tells about it.
template <typename Id>
struct ControlTopic {
  Id control;
  int context;
};

// The controls of the main window and of Set up's pages that have a topic. Controls that share a
// topic (a field and its unit) share its context; the others, the Tab group and the Tab page
// among them, have none.
std::span<const ControlTopic<MainWindowId>> MainWindowHelpTable();
std::span<const ControlTopic<ConfigId>> ConfigHelpTable();

// What the viewer is asked when the user asks about the control (F1 or the caption's "?", or a
// right click): the control's topic, or none, which shows the contents with a note.
HelpRequest ControlHelp(MainWindowId control, HelpGesture gesture);
HelpRequest ControlHelp(ConfigId control, HelpGesture gesture);

// Asks the viewer about the control. A call the viewer refuses changes nothing and shows nothing
// of the program's.
void ShowControlHelp(HelpViewer& viewer, MainWindowId control, HelpGesture gesture);
void ShowControlHelp(HelpViewer& viewer, ConfigId control, HelpGesture gesture);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HELP_H_
