// The game's ships for other pictures: a scene or a marker shows a class as the combat pictures
// draw it, in a faction's livery.
#pragma once

#include <cairo.h>

#include <string_view>

#include "tools/assetgen/kit.h"

namespace assetgen {

// The stripe colour of the faction whose livery the row names ("Pirate_", "Federation_" ...), or
// `otherwise` for a row that names none.
Rgb LiveryColour(const Context& k, Rgb otherwise);

// Draws a ship of class `hull` (as the catalogue names it: "Corsair", "Marauder" ...) seen from
// above, in the livery of `faction` ("Pirate_", "Federation_" ...; any other name plain steel),
// its middle at (cx, cy), `length` pixels from tail to nose, turned by `angle` radians from
// pointing right. A derelict has cold engines, burnt paint, holes torn in its hull and a wing tip
// broken off.
void DrawSceneShip(cairo_t* cr, std::string_view hull, std::string_view faction, double cx, double cy, double length,
                   double angle, bool derelict = false);

}  // namespace assetgen
