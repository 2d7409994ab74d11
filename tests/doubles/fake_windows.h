// Windows opened over and beside a window, made as plain records. A modal one is run by a script
// of the test (what the user and the timer do while it is up); a modeless one stays open as a
// FakeDialog; a painted one records its invalidations and takes its frame and its popup choice
// from the test.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_
#define TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/window_factory.h"
#include "doubles/fake_dialog.h"

namespace tarvik::testing {

struct FakePaintedWindow : PaintedWindow {
  struct Record {
    bool open = true;
    int invalidations = 0;
    WindowPlacement frame;
    std::vector<int> ticked;  // at the latest popup
    int popup_choice = 0;     // what the user picks from the popup
    PaintedWindowEvents* events = nullptr;
  };
  explicit FakePaintedWindow(std::shared_ptr<Record> record) : record(std::move(record)) {}
  ~FakePaintedWindow() override { record->open = false; }
  void Invalidate() override { ++record->invalidations; }
  WindowPlacement Frame() const override { return record->frame; }
  int TrackPopupMenu(const MenuTemplate& /*menu*/, std::span<const int> ticked, int /*x*/,
                     int /*y*/) override {
    record->ticked.assign(ticked.begin(), ticked.end());
    return record->popup_choice;
  }
  std::shared_ptr<Record> record;
};

class FakeWindows : public WindowFactory {
 public:
  using Script = std::function<void(DialogEvents& logic, FakeDialog& window)>;

  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override {
    opened.emplace_back(dialog.name);
    FakeDialog window;
    const std::unique_ptr<DialogEvents> logic = make_logic(window);
    logic->Initialize();
    if (script) script(*logic, window);
    logic->Destroyed();
    return window.end_result();
  }

  struct Modeless : ModelessWindow {
    ~Modeless() override {
      logic->Destroyed();
      *open = false;
    }
    FakeDialog window;
    std::unique_ptr<DialogEvents> logic;
    std::shared_ptr<bool> open = std::make_shared<bool>(true);
  };
  std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                               const MakeLogic& make_logic) override {
    opened.emplace_back(dialog.name);
    auto made = std::make_unique<Modeless>();
    made->logic = make_logic(made->window);
    made->logic->Initialize();
    modeless = made.get();
    modeless_open = made->open;
    return made;
  }
  // The latest modeless window, while it is open.
  FakeDialog* modeless_window() const { return *modeless_open ? &modeless->window : nullptr; }
  DialogEvents* modeless_logic() const { return *modeless_open ? modeless->logic.get() : nullptr; }

  std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement& frame,
                                             PaintedWindowEvents& events) override {
    auto record = std::make_shared<FakePaintedWindow::Record>();
    record->frame = frame;
    record->events = &events;
    painted.push_back(record);
    return std::make_unique<FakePaintedWindow>(record);
  }

  // A sheet whose pages are FakeDialogs; `sheet_script` plays the user's part.
  struct FakeSheet : SheetView {
    DialogSurface& CreatePage(int index) override { return pages[index]; }
    void ShowPage(int) override {}
    void EnableApply(bool enabled) override { apply_enabled = enabled; }
    void EndSheet(int result) override { ended = result; }
    std::map<int, FakeDialog> pages;
    bool apply_enabled = false;
    int ended = -1;
  };
  using SheetScript = std::function<void(PropertySheet& sheet, FakeSheet& view)>;
  int RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) override {
    opened.emplace_back(caption);
    FakeSheet view;
    PropertySheet sheet(view, std::move(pages));
    sheet.Start();
    if (sheet_script) sheet_script(sheet, view);
    return view.ended;
  }

  void FocusOwner() override { ++focus_returns; }

  Script script;
  SheetScript sheet_script;
  std::vector<std::string> opened;
  std::vector<std::shared_ptr<FakePaintedWindow::Record>> painted;  // in the order opened
  int focus_returns = 0;

 private:
  Modeless* modeless = nullptr;
  std::shared_ptr<bool> modeless_open = std::make_shared<bool>(false);
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_WINDOWS_H_
