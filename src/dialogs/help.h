// Help on the windows' controls: the table that maps each control to the topic telling about it,
// and the call a window makes when the user asks about one of its controls.
#ifndef TARVIK_DIALOGS_HELP_H_
#define TARVIK_DIALOGS_HELP_H_

#include <span>

#include "base/help_viewer.h"

namespace tarvik {

// The topic "Using help", shown by the Help menu's "Using help".
inline constexpr int kUsingHelpContext = 1005;

// The controls of the main window and of Set up's pages with their topics, ending with the pair
// {0, 0}, which the span includes. Controls that share a topic (a field and its unit) share an
// entry's context.
std::span<const HelpPair> HelpContextTable();

// Asks the viewer about the control (F1 or the caption's "?" with kWmHelp, a right click with
// kContextMenu). A call the viewer refuses changes nothing and shows nothing of the program's.
void ShowControlHelp(HelpViewer& viewer, int control, HelpCommand command);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HELP_H_
