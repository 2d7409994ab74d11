#include "dialogs/about_box.h"

#include "base/number_text.h"

namespace tarvik {
namespace {

// "%02d": at least two digits, a zero in front of one.
std::string TwoDigits(int value) {
  std::string text = FormatInt(value);
  return value >= 0 && value < 10 ? std::string{'0', text.front()} : text;
}

}  // namespace

std::string VersionText(int major, int minor, int patch) {
  return TwoDigits(major) + "." + TwoDigits(minor) + "." + TwoDigits(patch);
}

void AboutBox::Initialize() {
  view_.SetItemText(AboutId::kVersion, VersionText(kVersionMajor, kVersionMinor, kVersionPatch));
}

void AboutBox::OnCommand(AboutId id, Notification /*notification*/) {
  if (id == AboutId::kOk) view_.EndDialog(0);
}

}  // namespace tarvik
