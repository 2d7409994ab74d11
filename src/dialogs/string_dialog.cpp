#include "dialogs/string_dialog.h"

#include <memory>

#include "dialogs/history_help.h"

namespace tarvik {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string TrimmedText(std::string_view text, int max_characters) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  // A character starts at every byte that is not a continuation byte (10xxxxxx).
  int characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > max_characters) {
      text = text.substr(0, i);
      while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
      break;
    }
  }
  return std::string(text);
}

void StringDialog::Initialize() {
  view_.SetItemText(StringDialogId::kName, initial_.name);
  view_.SetItemText(StringDialogId::kNotes, initial_.notes);
}

void StringDialog::OnCommand(StringDialogId id, Notification /*notification*/) {
  switch (id) {
    case StringDialogId::kOk:
      result_ = StringNaming{
          TrimmedText(view_.GetItemText(StringDialogId::kName), kStringNameMaxLength),
          TrimmedText(view_.GetItemText(StringDialogId::kNotes), kStringNotesMaxLength)};
      view_.EndDialog(1);
      break;
    case StringDialogId::kCancel:
      result_.reset();
      view_.EndDialog(2);
      break;
    case StringDialogId::kHelp:
      help_.ShowHelp(HelpRequest::Topic(kStringNamingContext));
      break;
    default:
      break;
  }
}

void StringDialog::HelpRequested(int /*control*/, HelpGesture gesture) {
  help_.ShowHelp(HelpRequest::ControlTopic(kStringNamingContext, gesture));
}

std::optional<StringNaming> AskStringNaming(WindowFactory& windows, HelpViewer& help,
                                            UiLanguage language, StringDialogKind kind,
                                            const StringNaming& initial) {
  std::optional<StringNaming> result;
  windows.RunModal(StringDialogTemplate(language, kind), [&](DialogSurface& surface) {
    return std::make_unique<StringDialog>(surface, help, initial, result);
  });
  return result;
}

}  // namespace tarvik
