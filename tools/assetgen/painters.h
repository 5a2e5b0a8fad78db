// Placeholder pictures: each shape draws a recognisable picture in its own colour, with the row's
// label in the built-in font.
#pragma once

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/style.h"

namespace assetgen {

// The row's kind taken apart against the picture shapes; throws std::invalid_argument when the
// shape or a modifier is unknown.
Style PictureStyle(const Asset& asset, const Catalogue& catalogue);

Canvas Paint(const Asset& asset, const Catalogue& catalogue);

}  // namespace assetgen
