// A help page's HTML as the plain text a read-only edit field shows (headings and paragraphs
// apart by blank lines, list items on lines of their own) and the links it holds, in order,
// each once: the native front's help window shows its pages so.
#ifndef TARVIK_DIALOGS_HELP_TEXT_H_
#define TARVIK_DIALOGS_HELP_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct HelpLink {
  std::string title;  // the link's text
  std::string href;   // "topic:<context>" or "contents"
};

struct HelpText {
  std::string text;  // UTF-8, lines ended by CR LF
  std::vector<HelpLink> links;
};

HelpText HtmlToHelpText(std::string_view html);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HELP_TEXT_H_
