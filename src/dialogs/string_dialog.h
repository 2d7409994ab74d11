// The name-and-notes dialog: a string's name and its notes (pellet, weight, gun and setup), asked
// when a new string is started and when a kept string is renamed. Both texts are trimmed of
// spaces at either end and cut to the most characters their edits take.
#ifndef TARVIK_DIALOGS_STRING_DIALOG_H_
#define TARVIK_DIALOGS_STRING_DIALOG_H_

#include <optional>
#include <string>

#include "base/dialog_view.h"
#include "base/help_viewer.h"
#include "dialogs/window_factory.h"
#include "res/string_dialog_template.h"

namespace tarvik {

struct StringNaming {
  std::string name;
  std::string notes;
  friend bool operator==(const StringNaming&, const StringNaming&) = default;
};

// The dialog's logic: the edits start from `initial`; OK keeps what they hold in `result`.
class StringDialog final : public DialogLogic<StringDialogId> {
 public:
  StringDialog(DialogSurface& surface, HelpViewer& help, const StringNaming& initial,
               std::optional<StringNaming>& result)
      : view_(surface), help_(help), initial_(initial), result_(result) {}
  void Initialize() override;
  void HelpRequested(int control, HelpGesture gesture) override;

 protected:
  void OnCommand(StringDialogId id, Notification notification) override;

 private:
  DialogView<StringDialogId> view_;
  HelpViewer& help_;
  StringNaming initial_;
  std::optional<StringNaming>& result_;
};

// `text` without spaces, tabs and line ends at either end, and cut to `max_characters` whole
// UTF-8 characters.
std::string TrimmedText(std::string_view text, int max_characters);

// Runs the dialog modally; nothing when the user cancels.
std::optional<StringNaming> AskStringNaming(WindowFactory& windows, HelpViewer& help,
                                            UiLanguage language, StringDialogKind kind,
                                            const StringNaming& initial);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_STRING_DIALOG_H_
