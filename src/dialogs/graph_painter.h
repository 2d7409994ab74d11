// The graph window's two pictures of the shot series' velocities (fps, oldest first), drawn on
// a canvas between a vertical axis at x = 20 and a horizontal one at y = height - 20. The caller
// paints the background and any hint first and chooses which shots to show.
#ifndef TARVIK_DIALOGS_GRAPH_PAINTER_H_
#define TARVIK_DIALOGS_GRAPH_PAINTER_H_

#include <span>

#include "base/canvas.h"

namespace tarvik {

// Draws the velocities in shot order as one connected line between two axes over the whole
// client area `size`. The vertical range runs from the lowest velocity rounded down to a ten
// (at most 100000) to the highest rounded up to a ten (at least 0). Fewer than three shots draw
// the axes only. When there are more shots than the axis has pixels, each pixel column shows
// the lowest and highest shot that falls on it. `markers` outlines each drawn point.
void DrawSequentialGraph(Canvas& canvas, std::span<const double> velocities, CanvasSize size,
                         bool markers);

// Draws the velocities as a histogram: bars of counts per velocity bin, the bin width a 1, 2 or
// 5 times a power of ten (at least 0.1 fps) giving about the square root of the shot count in
// bins, from 5 to 30. The lowest and highest bin edges stand below the ends of the horizontal
// axis, the tallest count at the top of the vertical one. `markers` ticks each shot's velocity
// below the horizontal axis. Velocities that are not finite are left out.
void DrawHistogram(Canvas& canvas, std::span<const double> velocities, CanvasSize size,
                   bool markers);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_GRAPH_PAINTER_H_
