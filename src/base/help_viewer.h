// Help as the program asks for it: calls shaped like the Windows help API, each with the help
// file argument, a command and the command's data. The viewer that answers them lives above the
// core (the Qt front's help window, a recording double in the tests).
#ifndef TARVIK_BASE_HELP_VIEWER_H_
#define TARVIK_BASE_HELP_VIEWER_H_

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvik {

// The help file argument every call passes: the help file and its secondary window.
inline constexpr std::string_view kHelpFile = "Tarvik.hlp>P1";

enum class HelpCommand { kContext = 1, kContextMenu = 10, kFinder = 11, kWmHelp = 12 };

// One control and the topic that tells about it.
struct HelpPair {
  std::int32_t control;
  std::int32_t context;
};

// kContext: `context` is the topic; kFinder: the contents; kWmHelp (F1, or the caption's "?"
// then a click) and kContextMenu (a right click): `control` is the identifier of the control
// asked about and `table` maps controls to topics, ended by the pair {0, 0}.
struct HelpRequest {
  HelpCommand command;
  std::int32_t context = 0;
  std::int32_t control = 0;
  std::span<const HelpPair> table = {};
};

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // True when the viewer accepted the call.
  virtual bool WinHelp(std::string_view file, const HelpRequest& request) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_HELP_VIEWER_H_
