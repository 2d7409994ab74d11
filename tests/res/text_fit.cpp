#include "res/text_fit.h"

#include <algorithm>

#include "dialogs/about_box.h"
#include "measure/units.h"
#include "res/about_template.h"
#include "res/config_templates.h"
#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "res/snap_template.h"
#include "res/statistics_template.h"

namespace tarvik::testing {
namespace {

int Right(const PixelRect& r) { return r.x + r.width; }
int Bottom(const PixelRect& r) { return r.y + r.height; }

bool Contains(const PixelRect& outer, const PixelRect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && Right(inner) <= Right(outer) &&
         Bottom(inner) <= Bottom(outer);
}

// Where the text's line stands: its width placed in the room by the alignment, as high as the
// room, and cut at the control's edges, where the platform clips it.
PixelRect Ink(const MeasuredText& text, const PixelRect& control) {
  int left = text.room.x;
  if (text.align == TextAlign::kCenter) left += (text.room.width - text.width) / 2;
  if (text.align == TextAlign::kRight) left += text.room.width - text.width;
  const int right = std::min(left + text.width, Right(control));
  left = std::max(left, control.x);
  return {left, text.room.y, std::max(right - left, 0), text.room.height};
}

int Overlap(int begin1, int end1, int begin2, int end2) {
  return std::min(end1, end2) - std::max(begin1, begin2);
}

std::string Misfit(const std::string& name, const std::string& what, int pixels) {
  return name + ": " + what + " by " + std::to_string(pixels) + " px";
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  if (a.width <= 0) return b;
  const int x = std::min(a.x, b.x);
  const int y = std::min(a.y, b.y);
  return {x, y, std::max(Right(a), Right(b)) - x, std::max(Bottom(a), Bottom(b)) - y};
}

}  // namespace

std::vector<std::string> Misfits(std::span<const PlacedControl> controls,
                                 std::span<const MeasuredText> texts) {
  // What of each control is in the way of the others' texts.
  std::vector<PixelRect> obstacles;
  for (const PlacedControl& control : controls) {
    obstacles.push_back(control.bare_label ? PixelRect{} : control.rect);
  }
  for (const MeasuredText& text : texts) {
    PixelRect& obstacle = obstacles[static_cast<std::size_t>(text.control)];
    if (controls[static_cast<std::size_t>(text.control)].bare_label) {
      obstacle = Union(obstacle, Ink(text, controls[static_cast<std::size_t>(text.control)].rect));
    }
  }
  std::vector<std::string> misfits;
  for (const MeasuredText& text : texts) {
    const PlacedControl& own = controls[static_cast<std::size_t>(text.control)];
    const std::string name = own.name + " \"" + text.text + "\"";
    if (text.width > text.room.width) {
      misfits.push_back(Misfit(name,
                               "wider than its room of " + std::to_string(text.room.width) + " px",
                               text.width - text.room.width));
    }
    if (text.height > text.room.height) {
      misfits.push_back(
          Misfit(name, "taller than its room of " + std::to_string(text.room.height) + " px",
                 text.height - text.room.height));
    }
    // A group box's caption stands on its own frame, over the controls within.
    if (own.group_box) continue;
    const PixelRect ink = Ink(text, own.rect);
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const PlacedControl& other = controls[i];
      if (static_cast<int>(i) == text.control) continue;
      if (other.group_box && Contains(other.rect, own.rect)) {
        const int left = other.rect.x + kGroupFrame - ink.x;
        const int right = Right(ink) - (Right(other.rect) - kGroupFrame);
        if (left > 0 || right > 0) {
          misfits.push_back(
              Misfit(name, "out of the frame of " + other.name, std::max(left, right)));
        }
        continue;
      }
      const PixelRect& obstacle = obstacles[i];
      const int across = Overlap(ink.x, Right(ink), obstacle.x, Right(obstacle));
      const int down = Overlap(ink.y, Bottom(ink), obstacle.y, Bottom(obstacle));
      if (across > 0 && down > 0) {
        misfits.push_back(Misfit(name, "runs into " + other.name, across));
      }
    }
  }
  return misfits;
}

std::vector<NamedWindow> EveryWindow() {
  using enum UiLanguage;
  return {
      {"TARVIK_en", &MainWindowTemplate(kNeutral)},
      {"TARVIK_de", &MainWindowTemplate(kGerman)},
      {"Averages_en", &StatisticsTemplate(kNeutral)},
      {"Averages_de", &StatisticsTemplate(kGerman)},
      {"GeneralProp_en", &GeneralPageTemplate(kNeutral)},
      {"GeneralProp_de", &GeneralPageTemplate(kGerman)},
      {"LogProp_en", &LogPageTemplate(kNeutral)},
      {"LogProp_de", &LogPageTemplate(kGerman)},
      {"SoundProp_en", &SoundPageTemplate(kNeutral)},
      {"SoundProp_de", &SoundPageTemplate(kGerman)},
      {"TabProp", &TabPageTemplate()},
      {"About_en", &AboutTemplate(kNeutral)},
      {"About_de", &AboutTemplate(kGerman)},
      {"Snap", &SnapTemplate()},
  };
}

std::vector<ProgramText> ProgramTexts(std::string_view template_name) {
  // Ten characters: more than the largest velocity a reading can give (the largest timing
  // constant over a count of 1) and than the energy of any real pellet.
  const std::string measurement = MeasurementFieldText(9999999.99);
  const std::string count = "2147483647";  // the largest count a reading can have
  const std::string shots = "9999999";     // more shots than any series holds
  std::vector<ProgramText> texts;
  const auto add = [&texts](auto id, std::string text) {
    texts.push_back({static_cast<int>(id), std::move(text)});
  };
  const auto add_units = [&add](auto id, const char* (*label)(bool)) {
    add(id, label(false));
    add(id, label(true));
  };
  if (template_name == "TARVIK") {
    using W = MainWindowId;
    for (W unit : {W::kLastVelocityUnit, W::kAverageVelocityUnit})
      add_units(unit, VelocityUnitLabel);
    for (W unit : {W::kLastEnergyUnit, W::kAverageEnergyUnit}) add_units(unit, EnergyUnitLabel);
    add_units(W::kWeightUnit, WeightUnitLabel);
    for (W field : {W::kLastVelocity, W::kLastEnergy, W::kAverageVelocity, W::kAverageEnergy}) {
      add(field, measurement);
    }
    add(W::kCounts, count);
    add(W::kShotCount, shots);
    add(W::kMark, "1/2");
    add(W::kBuffered, "65535");
    add(W::kPrevious, "65535");
  } else if (template_name == "Averages") {
    using S = StatisticsId;
    add_units(S::kVelocityGroup, VelocityUnitLabel);
    add_units(S::kEnergyGroup, EnergyUnitLabel);
    for (int i = 0; i < 10; ++i) add(static_cast<int>(S::kVelocityFirst) + i, measurement);
    add(S::kShotCount, shots);
  } else if (template_name == "GeneralProp") {
    add_units(ConfigId::kLimitUnit, LimitUnitLabel);
  } else if (template_name == "TabProp") {
    add(ConfigId::kTabVersion, "W");
    // The tab's pointers: its 4095 places and the wrap flag in bit 15.
    add(ConfigId::kTabNext, "0x8DDD");
    add(ConfigId::kTabEmpty, "0x8DDD");
  } else if (template_name == "About") {
    add(AboutId::kVersion, VersionText(99, 99, 99));
  } else if (template_name == "Snap") {
    add(SnapId::kByteCount, "200");  // the receive buffer's size
  }
  return texts;
}

}  // namespace tarvik::testing
