#include "dialogs/string_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "dialogs/history_help.h"
#include "doubles/quiet_services.h"

namespace tarvik {
namespace {

using testing::FakeDialog;

class StringDialogTest : public ::testing::Test {
 protected:
  std::optional<StringNaming> Ask(const std::function<void(DialogEvents&, FakeDialog&)>& user,
                                  StringDialogKind kind = StringDialogKind::kNewString) {
    windows_.script = user;
    return AskStringNaming(windows_, help_, UiLanguage::kNeutral, kind, {"Old", "JSB 8.44"});
  }

  testing::FakeWindows windows_;
  testing::RecordingHelp help_;
};

TEST_F(StringDialogTest, OkGivesTheTextsTrimmedAndCancelGivesNothing) {
  std::string shown_name, shown_notes;
  const auto ok = Ask([&](DialogEvents& logic, FakeDialog& dialog) {
    shown_name = dialog.Text(StringDialogId::kName);
    shown_notes = dialog.Text(StringDialogId::kNotes);
    dialog.Type(StringDialogId::kName, "  Zero at 25 m \t", logic);
    dialog.Type(StringDialogId::kNotes, "\r\n FX Impact, 8.44 gr ", logic);
    dialog.Click(StringDialogId::kOk, logic);
  });
  EXPECT_EQ(shown_name + "|" + shown_notes, "Old|JSB 8.44") << "the edits start from the string";
  EXPECT_EQ(ok, (StringNaming{"Zero at 25 m", "FX Impact, 8.44 gr"}));
  EXPECT_EQ(windows_.opened.back(), "StringNaming");

  const auto cancelled = Ask([](DialogEvents& logic, FakeDialog& dialog) {
    dialog.Type(StringDialogId::kName, "changed", logic);
    dialog.Click(StringDialogId::kCancel, logic);
  });
  EXPECT_FALSE(cancelled);
  // Escape or the close box: the dialog ends without OK.
  EXPECT_FALSE(Ask([](DialogEvents&, FakeDialog&) {}));
}

// Texts longer than the edits take are cut at a whole character, never inside a German letter's
// two bytes, and spaces the cut leaves at the end go too.
TEST_F(StringDialogTest, LongTextsAreCutAtWholeCharacters) {
  EXPECT_EQ(TrimmedText("äöü", 2), "äö");
  EXPECT_EQ(TrimmedText("ab cd", 3), "ab");
  EXPECT_EQ(TrimmedText("   ", 5), "");
  const std::string long_name(50, 'x');
  const auto naming = Ask([&](DialogEvents& logic, FakeDialog& dialog) {
    dialog.Type(StringDialogId::kName, long_name + "ü" + long_name, logic);
    dialog.Type(StringDialogId::kNotes, std::string(1200, 'n'), logic);
    dialog.Click(StringDialogId::kOk, logic);
  });
  ASSERT_TRUE(naming);
  EXPECT_EQ(naming->name, long_name + "ü" + std::string(49, 'x'));
  EXPECT_EQ(naming->notes.size(), 1000u);
}

TEST_F(StringDialogTest, HelpShowsTheDialogsTopicWithoutEndingIt) {
  const auto naming = Ask([](DialogEvents& logic, FakeDialog& dialog) {
    dialog.Click(StringDialogId::kHelp, logic);
    logic.HelpRequested(static_cast<int>(StringDialogId::kNotes), HelpGesture::kContextMenu);
    EXPECT_EQ(dialog.end_result(), -1);
    dialog.Click(StringDialogId::kOk, logic);
  });
  EXPECT_TRUE(naming);
  ASSERT_EQ(help_.requests.size(), 2u);
  EXPECT_EQ(help_.requests[0], HelpRequest::Topic(kStringNamingContext));
  EXPECT_EQ(help_.requests[1],
            HelpRequest::ControlTopic(kStringNamingContext, HelpGesture::kContextMenu));
}

}  // namespace
}  // namespace tarvik
