#include "platform/text.h"

#include "platform/canvas.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>

namespace platform {

std::u32string Utf8ToUtf32(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    char32_t cp = c;
    int extra = 0;
    if (c >= 0xF0) cp = c & 0x07, extra = 3;
    else if (c >= 0xE0) cp = c & 0x0F, extra = 2;
    else if (c >= 0xC0) cp = c & 0x1F, extra = 1;
    else if (c >= 0x80) cp = U'?';
    ++i;
    for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | (s[i] & 0x3F);
    out += cp;
  }
  return out;
}

std::string Utf32ToUtf8(std::u32string_view s) {
  std::string out;
  for (char32_t c : s) {
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string FontFolder() {
  if (const char* env = std::getenv("FARHAVEN_FONTS"); env && *env) return env;
  return "/usr/share/fonts/truetype/liberation2";
}

// Open fonts by file and pixel size; style is set per use.
TTF_Font* OpenFont(const Font& font) {
  // Closed at exit, so leak checkers see a clean end.
  struct Fonts : std::map<std::pair<std::string, int>, TTF_Font*> {
    ~Fonts() {
      for (auto& [k, f] : *this)
        if (f) TTF_CloseFont(f);
    }
  };
  static Fonts fonts;
  static bool warned = false;
  if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
  const std::string file = FontFile(font);
  const int size = font.size > 0 ? font.size : 8;
  auto key = std::make_pair(file, size);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  // Layout sizes are points on a 96 dpi screen.
  TTF_Font* f = TTF_OpenFontDPI(file.c_str(), size, 96, 96);
  if (!f && !warned) {
    warned = true;
    std::fprintf(stderr, "Farhaven 4: cannot open font %s: %s\n", file.c_str(), TTF_GetError());
  }
  fonts[key] = f;
  return f;
}

void ApplyStyle(TTF_Font* f, const Font& font) {
  int style = TTF_STYLE_NORMAL;
  if (font.underline) style |= TTF_STYLE_UNDERLINE;
  if (font.strikeout) style |= TTF_STYLE_STRIKETHROUGH;
  if (TTF_GetFontStyle(f) != style) TTF_SetFontStyle(f, style);
}

}  // namespace

std::string FontFile(const Font& font) {
  const std::string family = Lower(font.name);
  std::string base = "LiberationSans";
  if (family == "times new roman" || family == "times" || family == "serif")
    base = "LiberationSerif";
  else if (family == "courier new" || family == "courier" || family == "monospace")
    base = "LiberationMono";
  std::string style = font.bold ? (font.italic ? "BoldItalic" : "Bold")
                                : (font.italic ? "Italic" : "Regular");
  return FontFolder() + "/" + base + "-" + style + ".ttf";
}

SDL_Surface* RenderText(const Font& font, std::string_view utf8, Color color, int wrapWidth,
                        Align align) {
  if (utf8.empty()) return nullptr;
  TTF_Font* f = OpenFont(font);
  if (!f) return nullptr;
  ApplyStyle(f, font);
  const SDL_Color c{color.r, color.g, color.b, 255};
  const std::string text(utf8);
  SDL_Surface* s = nullptr;
  const bool multiline = text.find('\n') != std::string::npos;
  if (wrapWidth > 0 || multiline) {
    TTF_SetFontWrappedAlign(f, align == Align::Center  ? TTF_WRAPPED_ALIGN_CENTER
                               : align == Align::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                       : TTF_WRAPPED_ALIGN_LEFT);
    std::string clean;
    for (char ch : text)
      if (ch != '\r') clean += ch;
    s = TTF_RenderUTF8_Blended_Wrapped(f, clean.c_str(), c, wrapWidth > 0 ? wrapWidth : 0);
  } else {
    s = TTF_RenderUTF8_Blended(f, text.c_str(), c);
  }
  if (!s) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(s);
  if (argb) SDL_SetSurfaceBlendMode(argb, SDL_BLENDMODE_BLEND);
  return argb;
}

void MeasureText(const Font& font, std::string_view utf8, int& w, int& h) {
  w = h = 0;
  TTF_Font* f = OpenFont(font);
  if (!f) return;
  ApplyStyle(f, font);
  if (utf8.empty()) {
    h = TTF_FontHeight(f);
    return;
  }
  TTF_SizeUTF8(f, std::string(utf8).c_str(), &w, &h);
}

namespace {
using TextKey = std::tuple<std::string, int, bool, bool, bool, bool, std::string, int>;
struct TextSurfaces : std::map<TextKey, SDL_Surface*> {
  ~TextSurfaces() {
    for (auto& [k, s] : *this)
      if (s) SDL_FreeSurface(s);
  }
};
std::map<TextKey, SDL_Surface*>& TextMap() {
  static TextSurfaces m;
  return m;
}
}  // namespace

SDL_Surface* TextCache::Get(const Font& font, std::string_view text, Color color) {
  if (text.empty()) return nullptr;
  auto& m = TextMap();
  TextKey key{font.name, font.size, font.bold, font.italic, font.underline, font.strikeout,
              std::string(text), (color.r << 16) | (color.g << 8) | color.b};
  auto it = m.find(key);
  if (it != m.end()) return it->second;
  if (m.size() > 2000) Clear();
  SDL_Surface* s = RenderText(font, text, color);
  m[key] = s;
  return s;
}

void TextCache::Clear() {
  for (auto& [k, s] : TextMap())
    if (s) SDL_FreeSurface(s);
  TextMap().clear();
}

}  // namespace platform
