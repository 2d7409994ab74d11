// Stand-ins that cost nothing, so that benchmarks measure the core alone.
#ifndef TARVIK_BENCH_BENCH_DOUBLES_H_
#define TARVIK_BENCH_BENCH_DOUBLES_H_

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/clock.h"
#include "base/dialog_view.h"
#include "base/file_dialog.h"
#include "base/files.h"
#include "base/help_viewer.h"
#include "base/message_box.h"
#include "dialogs/window_factory.h"
#include "history/history_folder.h"
#include "link/serial_port.h"
#include "settings/settings_store.h"

namespace tarvik {

class NullSurface final : public DialogSurface {
 public:
  void SetItemText(int, std::string_view) override {}
  std::string GetItemText(int) const override { return {}; }
  void EnableItem(int, bool) override {}
  void SetItemAlert(int, bool) override {}
  void CheckItem(int, bool) override {}
  bool IsItemChecked(int) const override { return false; }
  void ClearList(int) override {}
  void AddListItem(int, std::string_view) override {}
  void SelectListItem(int, int) override {}
  std::string SelectedListText(int) const override { return {}; }
  void EnableMenuItem(int, bool) override {}
  void CheckMenuItem(int, bool) override {}
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void EndDialog(int) override {}
};

// A canvas of a given size that only counts the drawing calls made on it, its text 16 pixels high
// and 7 a character wide.
class CountingCanvas final : public Canvas {
 public:
  explicit CountingCanvas(CanvasSize size) : size_(size) {}
  CanvasSize ClientSize() const override { return size_; }
  int TextHeight(std::string_view) override { return 16; }
  int TextWidth(std::string_view text) override { return 7 * static_cast<int>(text.size()); }
  void SetTextColor(Rgb) override {}
  void SelectFont(const FontRequest&) override {}
  void SelectDefaultFont() override {}
  void DrawText(std::string_view, const CanvasRect&, unsigned) override { ++calls; }
  void MoveTo(int, int) override { ++calls; }
  void LineTo(int, int) override { ++calls; }
  void SetPen(Rgb, LineStyle) override { ++calls; }
  void FillRect(const CanvasRect&, Rgb) override { ++calls; }

  std::int64_t calls = 0;

 private:
  CanvasSize size_;
};

class NullClock final : public Clock {
 public:
  std::int64_t NowMs() const override { return 0; }
  LocalTime LocalNow() const override { return {}; }
  void SleepMs(int) override {}
};

class NullFiles final : public Files {
 public:
  bool Append(const std::string&, std::string_view) override { return false; }
  std::unique_ptr<FileReader> OpenForReading(const std::string&) override { return nullptr; }
  bool Delete(const std::string&) override { return false; }
  bool ReplaceWhole(const std::string&, std::string_view) override { return false; }
  std::optional<PlatformError> WriteStreamed(
      const std::string&, const std::function<bool(const PieceWriter&)>&) override {
    return PlatformError{};
  }
};

// A history folder that takes every record and keeps none, so recording costs only its texts.
class DiscardingHistoryFolder final : public HistoryFolder {
 public:
  std::string Path() const override { return {}; }
  std::vector<HistoryEntry> ListStrings() override { return {}; }
  std::optional<HistoryEntry> StatString(std::string_view) override { return std::nullopt; }
  std::optional<std::string> ReadString(std::string_view) override { return std::nullopt; }
  std::unique_ptr<HistoryFile> CreateString(std::string_view, PlatformError&) override {
    return std::make_unique<File>();
  }
  std::unique_ptr<HistoryFile> OpenString(std::string_view, PlatformError&) override {
    return std::make_unique<File>();
  }
  std::optional<PlatformError> MoveStringAside(std::string_view) override { return std::nullopt; }
  std::optional<std::string> ReadIndex() override { return std::nullopt; }
  std::optional<PlatformError> WriteIndex(std::string_view) override { return std::nullopt; }
  std::optional<PlatformError> AppendIndex(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  bool TakeHold() override { return true; }

 private:
  struct File final : HistoryFile {
    std::optional<PlatformError> AppendDurably(std::string_view bytes) override {
      size += static_cast<std::int64_t>(bytes.size());
      return std::nullopt;
    }
    std::optional<PlatformError> Truncate(std::int64_t to) override {
      size = to;
      return std::nullopt;
    }
    std::int64_t Size() override { return size; }
    std::int64_t size = 0;
  };
};

class NullViewer final : public TextFileViewer {
 public:
  void ShowTextFile(const std::string&, const Failed&) override {}
};

class NullWindows final : public WindowFactory {
 public:
  int RunModal(const DialogTemplate&, const MakeLogic&) override { return 0; }
  // A modeless window runs its logic over a surface that shows nothing.
  std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate&,
                                               const MakeLogic& make_logic) override {
    auto window = std::make_unique<Window>();
    window->logic = make_logic(window->surface);
    window->logic->Initialize();
    return window;
  }
  std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement&,
                                             PaintedWindowEvents&) override {
    return nullptr;
  }
  std::unique_ptr<TableWindow> OpenTable(const TableWindowTexts&, const WindowPlacement&,
                                         TableWindowEvents&) override {
    return nullptr;
  }
  int RunPropertySheet(std::string_view, std::vector<SheetPage>) override { return 0; }
  void FocusOwner() override {}

 private:
  struct Window final : ModelessWindow {
    NullSurface surface;
    std::unique_ptr<DialogEvents> logic;
  };
};

class NullFileDialogs final : public FileDialogs {
 public:
  std::string ChooseFile(const ChooseFileRequest& request) override { return request.file; }
};

class NullHelp final : public HelpViewer {
 public:
  bool ShowHelp(const HelpRequest&) override { return false; }
};

class NullMessageBox final : public MessageBoxView {
 public:
  void ShowMessage(std::string_view, std::string_view) override {}
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
};

// A port whose instrument has sent `stream`; reads hand it out in order.
class StreamPlatform final : public SerialPlatform {
 public:
  explicit StreamPlatform(std::string stream) : stream_(std::move(stream)) {}
  void Rewind() { offset_ = 0; }
  bool AtEnd() const { return offset_ >= stream_.size(); }

  PortOpenResult OpenPort(std::string_view) override {
    PortOpenResult result;
    result.port = std::make_unique<Port>(*this);
    result.configured = true;
    return result;
  }
  std::vector<std::string> EnumeratePorts(std::string_view) override { return {}; }

 private:
  class Port final : public SerialPort {
   public:
    explicit Port(StreamPlatform& platform) : platform_(platform) {}
    int Read(std::span<std::uint8_t> destination) override {
      const std::size_t n =
          std::min(destination.size(), platform_.stream_.size() - platform_.offset_);
      std::copy_n(platform_.stream_.begin() + static_cast<std::ptrdiff_t>(platform_.offset_), n,
                  destination.begin());
      platform_.offset_ += n;
      return static_cast<int>(n);
    }
    int Write(std::string_view bytes) override { return static_cast<int>(bytes.size()); }

   private:
    StreamPlatform& platform_;
  };

  const std::string stream_;
  std::size_t offset_ = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BENCH_BENCH_DOUBLES_H_
