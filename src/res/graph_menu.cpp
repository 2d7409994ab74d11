#include "res/graph_menu.h"

#include <array>

namespace tarvik {
namespace {

using templates::Id;

constexpr MenuItem kSeparator{0, "", {}};

constexpr std::array kItems = {
    MenuItem{Id(GraphCommand::kSequential), "&Sequential Graph", {}},
    MenuItem{Id(GraphCommand::kHistogram), "&Histogram", {}},
    kSeparator,
    MenuItem{Id(GraphCommand::kSelectedOnly), "Se&lected Only", {}},
    MenuItem{Id(GraphCommand::kShowMarkers), "Show &Markers", {}},
    kSeparator,
    MenuItem{Id(GraphCommand::kStyle), "Style...", {}},
    MenuItem{Id(GraphCommand::kColours), "Colours...", {}},
    MenuItem{Id(GraphCommand::kClose), "&Close", {}},
};

constexpr std::array kBar = {MenuItem{0, "Graphics", kItems}};

constexpr MenuTemplate kGraphics{"Graphics", kBar};

}  // namespace

const MenuTemplate& GraphicsMenuTemplate() { return kGraphics; }

}  // namespace tarvik
