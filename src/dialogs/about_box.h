// The About box: the product, the maker and the version. It closes by OK or Enter only.
#ifndef TARVIK_DIALOGS_ABOUT_BOX_H_
#define TARVIK_DIALOGS_ABOUT_BOX_H_

#include <string>

#include "base/dialog_view.h"
#include "res/about_template.h"

namespace tarvik {

// The version's three numbers, shown as "01.12.00".
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 12;
inline constexpr int kVersionPatch = 0;

// "%02d.%02d.%02d" of the three numbers.
std::string VersionText(int major, int minor, int patch);

class AboutBox final : public DialogLogic<AboutId> {
 public:
  explicit AboutBox(DialogSurface& surface) : view_(surface) {}
  void Initialize() override;

 protected:
  // OK ends the box; Escape and the close box leave it open.
  void OnCommand(AboutId id, Notification notification) override;

 private:
  DialogView<AboutId> view_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_ABOUT_BOX_H_
