// The help pages of one language as the help topic files define them. Besides the contexts the
// controls ask for, the pages have topics of their own that links reach: 1100 the statistics
// window, 1101 the big display, 1102 the graph, 1103 the memory tab, 1104 the calibration,
// 1105 logging, 1106 Set up. The history's windows have theirs apart, from 1310 on.
#ifndef TARVIK_RES_HELP_PAGES_H_
#define TARVIK_RES_HELP_PAGES_H_

#include <span>
#include <string_view>

#include "res/help_topics.h"

namespace tarvik {

struct HelpPageText {
  int context;
  std::string_view html;
};

struct HelpLanguagePages {
  std::string_view contents;
  std::string_view no_topic;
  std::span<const HelpPageText> topics;
  HelpWindowTexts window;
};

const HelpLanguagePages& EnglishHelpPages();
const HelpLanguagePages& GermanHelpPages();
// The topics of the history's windows, which the contents page links.
std::span<const HelpPageText> EnglishHistoryHelpTopics();
std::span<const HelpPageText> GermanHistoryHelpTopics();

}  // namespace tarvik

#endif  // TARVIK_RES_HELP_PAGES_H_
