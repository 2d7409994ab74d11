// The user's settings and the last shot, as held in memory while the program runs. Values are
// imperial whatever the metric flag says; metric exists only on the screen. Each member's initial
// value is its default, the one start-up keeps when the store has none (settings/setting_table.h).
#ifndef TARVIK_SETTINGS_APP_SETTINGS_H_
#define TARVIK_SETTINGS_APP_SETTINGS_H_

#include <cstdint>
#include <string>

namespace tarvik {

struct WindowPlacement {
  std::int32_t x = 20;
  std::int32_t y = 20;
  std::int32_t width = 200;
  std::int32_t height = 400;
};

struct AppSettings {
  std::string port_name = "COM2";
  double weight = 15.0;            // grains
  std::int32_t calibration = 100;  // 100 leaves the timing constant unchanged
  bool logging = false;
  std::string log_file = "Tarvik.log";
  double legal_limit = 12.0;  // ft.lbs
  bool sound = false;
  bool metric = false;
  std::string sound_legal = "Airgun.wav";
  std::string sound_fac = "Blurp.wav";
  WindowPlacement big_display;
  WindowPlacement graph_window;
  WindowPlacement shot_table{60, 60, 720, 520};
  WindowPlacement history{80, 80, 760, 560};
};

struct LastShot {
  double velocity = 1234.0;  // fps
  double energy = 12.34;     // ft.lbs
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_APP_SETTINGS_H_
