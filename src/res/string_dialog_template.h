// The name-and-notes dialog "StringNaming", asked when a new string is started and when a kept
// string is renamed, in the neutral (English) set and the German set. The edits are one line
// each: the templates have no multi-line edit.
#ifndef TARVIK_RES_STRING_DIALOG_TEMPLATE_H_
#define TARVIK_RES_STRING_DIALOG_TEMPLATE_H_

#include "res/dialog_template.h"
#include "res/string_table.h"

namespace tarvik {

// Why the dialog is asked: its caption differs.
enum class StringDialogKind { kNewString, kRename };

enum class StringDialogId : int {
  kOk = 1,
  kCancel = 2,  // also what Escape and the close box give
  kHelp = 9,
  kName = 700,
  kNotes = 701,
};

// The most characters the edits take.
inline constexpr int kStringNameMaxLength = 100;
inline constexpr int kStringNotesMaxLength = 1000;

const DialogTemplate& StringDialogTemplate(UiLanguage language, StringDialogKind kind);

}  // namespace tarvik

#endif  // TARVIK_RES_STRING_DIALOG_TEMPLATE_H_
