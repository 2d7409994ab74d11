#include "dialogs/help_text.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(HelpTextTest, BlocksBecomeLinesEntitiesCharactersAndLinksAreKeptOnceInOrder) {
  const HelpText help = HtmlToHelpText(
      "<h2>Big  display</h2>\n<p>Reads &amp; shows<br>fps &lt;1000&#33; 12&nbsp;gns &bogus;</p>"
      "<ul><li>One</li><li><a href=\"topic:42\">The  big</a> one</li></ul>"
      "<p><A HREF='contents'>Back</a> <a href=\"topic:42\">again</a></p>\n");
  EXPECT_EQ(help.text,
            "Big display\r\n\r\nReads & shows\r\nfps <1000! 12\xC2\xA0gns &bogus;\r\n\r\n"
            "  \xE2\x80\xA2 One\r\n  \xE2\x80\xA2 The big one\r\n\r\nBack again");
  ASSERT_EQ(help.links.size(), 2u);
  EXPECT_EQ(help.links[0].title + " " + help.links[0].href, "The big topic:42");
  EXPECT_EQ(help.links[1].title + " " + help.links[1].href, "Back contents");
}

}  // namespace
}  // namespace tarvik
