// Help as the program asks for it: the page to show, the contents or a topic, named by its help
// context. The viewer that shows it lives above the core (each front's help window, a recording
// double in the tests).
#ifndef TARVIK_BASE_HELP_VIEWER_H_
#define TARVIK_BASE_HELP_VIEWER_H_

#include <optional>

#include "base/dialog_view.h"

namespace tarvik {

// The page the program asks the viewer to show: the contents, a topic by its help context, or the
// topic of a control the user asked about, which may have none (the viewer then shows the
// contents with a note).
struct HelpRequest {
  enum class Page {
    kContents,
    kTopic,         // a topic asked for by name (the Help menu's "Using help")
    kControlTopic,  // the topic of a control the user asked about
  };

  static HelpRequest Contents() {
    return {Page::kContents, std::nullopt, HelpGesture::kHelpRequest};
  }
  static HelpRequest Topic(int context) {
    return {Page::kTopic, context, HelpGesture::kHelpRequest};
  }
  static HelpRequest ControlTopic(std::optional<int> context, HelpGesture gesture) {
    return {Page::kControlTopic, context, gesture};
  }

  friend bool operator==(const HelpRequest&, const HelpRequest&) = default;

  Page page = Page::kContents;
  std::optional<int> context;  // nothing for the contents or a control without a topic
  // kControlTopic: how the user asked; kHelpRequest for the other pages.
  HelpGesture gesture = HelpGesture::kHelpRequest;
};

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // True when the viewer shows the page.
  virtual bool ShowHelp(const HelpRequest& request) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_HELP_VIEWER_H_
