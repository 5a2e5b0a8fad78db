// The game's pictures: each shape draws its own kind of picture in the row's colours. Text is drawn
// only where the picture itself is lettering (the faction logos, the career ladder's rungs); captions
// belong to the screens.
#pragma once

#include <string_view>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/style.h"

namespace assetgen {

// The row's kind taken apart against the picture shapes; throws std::invalid_argument when the
// shape or a modifier is unknown.
Style PictureStyle(const Asset& asset, const Catalogue& catalogue);

// Draws the row's picture; the canvas's texts() records any lettering drawn on it.
Canvas Paint(const Asset& asset, const Catalogue& catalogue);

// Whether pictures of this shape are lettering by nature (a logo, a named rung), so text on them is
// wanted.
bool ShapeCarriesText(std::string_view shape);

}  // namespace assetgen
