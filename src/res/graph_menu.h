// The graph window's popup menu "Graphics": the kind of graph, which shots, markers, and Close.
// English only.
#ifndef TARVIK_RES_GRAPH_MENU_H_
#define TARVIK_RES_GRAPH_MENU_H_

#include "res/dialog_template.h"

namespace tarvik {

enum class GraphCommand : int {
  kSequential = 60,
  kHistogram = 61,
  kSelectedOnly = 62,
  kShowMarkers = 63,
  kStyle = 64,
  kColours = 65,
  kClose = 66,
};

// One popup, the menu's first and only item, holds the commands.
const MenuTemplate& GraphicsMenuTemplate();

}  // namespace tarvik

#endif  // TARVIK_RES_GRAPH_MENU_H_
