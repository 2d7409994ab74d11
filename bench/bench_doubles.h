// Stand-ins that cost nothing, so that benchmarks measure the core alone.
#ifndef TARVIK_BENCH_BENCH_DOUBLES_H_
#define TARVIK_BENCH_BENCH_DOUBLES_H_

#include <string>

#include "base/clock.h"
#include "base/dialog_view.h"

namespace tarvik {

class NullView final : public DialogView {
 public:
  void SetItemText(int, std::string_view) override {}
  std::string GetItemText(int) const override { return {}; }
  void EnableItem(int, bool) override {}
  void CheckItem(int, bool) override {}
  void EnableMenuItem(int, bool) override {}
  void CheckMenuItem(int, bool) override {}
};

class NullClock final : public Clock {
 public:
  std::int64_t NowMs() const override { return 0; }
  void SleepMs(int) override {}
};

}  // namespace tarvik

#endif  // TARVIK_BENCH_BENCH_DOUBLES_H_
