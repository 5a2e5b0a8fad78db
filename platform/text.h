// Text helpers: UTF-8 <-> UTF-32 and a small cache of rendered one-line texts.
#pragma once

#include "platform/controls.h"

#include <string>
#include <string_view>

struct SDL_Surface;

namespace platform {

std::u32string Utf8ToUtf32(std::string_view s);
std::string Utf32ToUtf8(std::u32string_view s);

// Rendered single-line texts by font, text and colour. The surface stays owned by the cache and
// valid until the next Get.
struct TextCache {
  static SDL_Surface* Get(const Font& font, std::string_view text, Color color);
  static void Clear();
};

}  // namespace platform
